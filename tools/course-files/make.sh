#!/bin/bash
# Regenerates the sample course's documents, presentations, videos and hover
# sound from the sources in src/: course/docs/*.doc|*.ppt|*.wmv and
# course/Audio/movve.wav. Runs on Debian 12; as root it installs what it needs.
#
#   tools/course-files/make.sh          # everything
#   NO_APT=1 tools/course-files/make.sh # tools are already installed
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
src=$here/src
docs=$root/course/docs
audio=$root/course/Audio

if [ -z "${NO_APT:-}" ] && [ "$(id -u)" = 0 ]; then
    need=()
    for p in libreoffice-writer libreoffice-impress ffmpeg poppler-utils fonts-dejavu-core \
             fonts-liberation python3 python3-olefile; do
        dpkg -s "$p" >/dev/null 2>&1 || need+=("$p")
    done
    if [ ${#need[@]} -gt 0 ]; then
        apt-get update
        DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${need[@]}"
    fi
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# A private LibreOffice profile: conversions do not disturb (or get blocked
# by) a running office of the user, and start from known settings.
profile=$work/profile
mkdir -p "$profile/user"
cat >"$profile/user/registrymodifications.xcu" <<'EOF'
<?xml version="1.0" encoding="UTF-8"?>
<oor:items xmlns:oor="http://openoffice.org/2001/registry" xmlns:xs="http://www.w3.org/2001/XMLSchema" xmlns:xsi="http://www.w3.org/2001/XMLSchema-instance">
<item oor:path="/org.openoffice.Office.Common/Save/Document"><prop oor:name="GenerateThumbnail" oor:op="fuse"><value>false</value></prop></item>
</oor:items>
EOF

office() { # office FORMAT OUTDIR FILE... : convert files with LibreOffice
    local fmt=$1 out=$2
    shift 2
    soffice -env:UserInstallation="file://$profile" --headless --norestore \
        --convert-to "$fmt" --outdir "$out" "$@" >"$work/office.log" 2>&1 ||
        { cat "$work/office.log" >&2; exit 1; }
}

# system python: python3-olefile is a Debian package
py=/usr/bin/python3
mkdir -p "$docs" "$audio"

# --- Word documents: HTML source -> Word 97 -------------------------------
declare -A doc=(
    [syllabus]="sillabus_ОбщКурс"
    [labs]="Лабораторные работы_JavaScript"
    [srs]="Материалы СРС"
    [control]="Материалы по контролю знаний"
    [literature]="Список рекомендуемой литературы"
)
mkdir -p "$work/doc"
for k in "${!doc[@]}"; do
    # the HTML import filter of Writer proper; the default would be Writer/Web
    soffice -env:UserInstallation="file://$profile" --headless --norestore \
        --infilter="HTML (StarWriter)" --convert-to "doc:MS Word 97" \
        --outdir "$work/doc" "$src/docs/$k.html" >"$work/office.log" 2>&1 ||
        { cat "$work/office.log" >&2; exit 1; }
    mv "$work/doc/$k.doc" "$docs/${doc[$k]}.doc"
done

# --- PowerPoint presentations: outline -> flat ODP -> PowerPoint 97 -------
declare -A ppt=(
    [intro]="Введение"
    [telecom]="Телекоммуникации связи"
    [switching]="Коммутация в телекоммуникациях"
    [tcpip]="Стек TCP_IP"
    [wlan]="Беспроводная локальная сеть"
    [voip]="Системы IP-телефонии"
    [client]="Клиентские сценарии и приложения"
    [jsevents]="Методы, функции и события JavaScript"
)
mkdir -p "$work/ppt"
for k in "${!ppt[@]}"; do
    "$py" "$here/slides.py" "$src/slides/$k.txt" "$work/ppt/$k.fodp"
done
office "ppt:MS PowerPoint 97" "$work/ppt" "$work/ppt"/*.fodp
"$py" "$here/ppt_nothumb.py" "$work/ppt"/*.ppt
for k in "${!ppt[@]}"; do
    mv "$work/ppt/$k.ppt" "$docs/${ppt[$k]}.ppt"
done

# --- Videos: outline -> slides as PNG -> Windows Media (ASF, WMV2 + WMA2) --
declare -A wmv=(
    [loops]="Операторы, циклы, массивы"
    [debug]="Отладка"
)
# Plain cuts between slides: a still picture costs almost nothing in WMV2,
# while fades would triple the size of the file.
per=4 # seconds each slide stays on screen
mkdir -p "$work/vid"
for k in "${!wmv[@]}"; do
    "$py" "$here/slides.py" "$src/video/$k.txt" "$work/vid/$k.fodp" --large \
        --sans "DejaVu Sans" --mono "DejaVu Sans Mono" \
        --footer "Электронный интерактивный учебник · видеоматериалы"
    office pdf "$work/vid" "$work/vid/$k.fodp"
    pdftoppm -png -scale-to-x 800 -scale-to-y 600 "$work/vid/$k.pdf" "$work/vid/$k"
    frames=("$work/vid/$k"-*.png)
    n=${#frames[@]}
    inputs=() joined=""
    for i in "${!frames[@]}"; do
        inputs+=(-framerate 10 -loop 1 -t "$per" -i "${frames[$i]}")
        joined+="[$i:v]"
    done
    total=$((n * per))
    # a soft chime at every slide change; 660 Hz fits a whole number of
    # periods into each slide, so every chime starts at phase zero (no click)
    tone="0.10*sin(2*PI*660*t)*exp(-5*mod(t\,$per))+0.04*sin(2*PI*990*t)*exp(-7*mod(t\,$per))"
    ffmpeg -loglevel error -y "${inputs[@]}" \
        -f lavfi -i "aevalsrc=exprs='$tone':s=22050:d=$total" \
        -filter_complex "${joined}concat=n=$n:v=1:a=0,format=yuv420p[v]" \
        -map "[v]" -map "$n:a" -r 10 -c:v wmv2 -q:v 3 -g 40 \
        -c:a wmav2 -b:a 48k -ac 1 -ar 22050 -t "$total" \
        -metadata title="${wmv[$k]}" "$work/vid/$k.wmv"
    mv "$work/vid/$k.wmv" "$docs/${wmv[$k]}.wmv"
done

# --- Hover sound: a short, quiet rising sine blip -------------------------
# 110 ms, 1047 Hz gliding up to about 1220 Hz, with a faint octave for
# warmth; fades in over 12 ms and out over 80 ms so it never clicks.
ffmpeg -loglevel error -y -f lavfi \
    -i "aevalsrc=exprs='0.20*sin(2*PI*(1046.5*t+800*t*t))+0.05*sin(4*PI*(1046.5*t+800*t*t))':s=22050:d=0.11" \
    -af "afade=t=in:st=0:d=0.012,afade=t=out:st=0.03:d=0.08" \
    -c:a pcm_s16le -ac 1 -fflags +bitexact -flags:a +bitexact "$audio/movve.wav"

echo "course files written to $docs and $audio"
