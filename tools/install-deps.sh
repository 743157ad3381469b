#!/usr/bin/env bash
# Installs the Debian packages that are missing; fetches nothing when all are there.
# Usage: tools/install-deps.sh build|bench|view  (view: Xvfb, a window manager and screenshot tools)
set -euo pipefail

build_pkgs=(qt6-base-dev libjpeg62-turbo-dev libavformat-dev libavcodec-dev libswscale-dev
            libswresample-dev libsdl2-dev libgtest-dev libbenchmark-dev fonts-liberation fonts-wine xvfb xauth
            poppler-utils cmake g++ make pkg-config)
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
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update
$sudo apt-get install -y --no-install-recommends "${missing[@]}"
