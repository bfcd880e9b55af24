#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the program need,
# only those that are missing, so a second run costs nothing.
set -euo pipefail

packages=(
  cmake make g++ pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-tools-dev-tools
  qt6-webengine-dev qt6-multimedia-dev qt6-translations-l10n
  libqt6sql6-sqlite libsqlite3-dev sqlite3
  mdbtools-dev mdbtools
  libgl-dev
  fonts-liberation fonts-dejavu-core fonts-sil-andika fonts-paratype
  xvfb xauth xdg-utils
  clang libclang-rt-14-dev
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  echo "setup: all ${#packages[@]} packages present"
  exit 0
fi

echo "setup: installing ${missing[*]}"
if [ "$(id -u)" -ne 0 ]; then
  echo "setup: run as root (or install the packages above with sudo)" >&2
  exit 1
fi
export DEBIAN_FRONTEND=noninteractive
apt-get -o DPkg::Lock::Timeout=600 update -q
apt-get -o DPkg::Lock::Timeout=600 install -y -q --no-install-recommends "${missing[@]}"
echo "setup: done"
