#!/bin/sh
# Rebuilds the decorative pictures into resources/pictures/.
# The build tree lives outside the repository (override with BUILD_DIR).
set -eu
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
build=${BUILD_DIR:-/tmp/make_pictures-build}
out=${1:-$root/resources/pictures}

cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" --parallel 2 >/dev/null
mkdir -p "$out"
QT_QPA_PLATFORM=offscreen "$build/make_pictures" "$out"
