#!/usr/bin/env bash
# Installs the Debian packages that are missing; fetches nothing when all are there.
# Usage: tools/install-deps.sh build|bench|view  (view: Xvfb, a window manager and screenshot tools)
set -euo pipefail

build_pkgs=(qt6-base-dev libjpeg62-turbo-dev libavformat-dev libavcodec-dev libswscale-dev
            libswresample-dev libsdl2-dev libgtest-dev libbenchmark-dev fonts-liberation fonts-wine xvfb xauth
            poppler-utils cmake g++ make pkg-config clang-format)
bench_pkgs=(imagemagick libjpeg-turbo-progs ffmpeg)
view_pkgs=(xvfb openbox xdotool imagemagick)

want=("${build_pkgs[@]}")
[ "${1:-build}" = bench ] && want+=("${bench_pkgs[@]}")
[ "${1:-build}" = view ] && want+=("${view_pkgs[@]}")

missing=()
for p in "${want[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
# As root no sudo is needed; otherwise sudo must be there and allowed.
sudo=()
if [ "$(id -u)" -ne 0 ]; then
    if command -v sudo >/dev/null 2>&1 && sudo -n true 2>/dev/null; then
        sudo=(sudo -n)
    elif command -v sudo >/dev/null 2>&1 && [ -t 0 ]; then
        sudo=(sudo)
    else
        echo "These Debian packages are missing and this user cannot install them. As root, run:"
        echo "    apt-get update && apt-get install -y --no-install-recommends ${missing[*]}"
        exit 1
    fi
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update
"${sudo[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
