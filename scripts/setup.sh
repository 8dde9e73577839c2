#!/usr/bin/env bash
# Installs the Debian packages the build, the tests, the benchmarks and the Debian package need.
# Runs as root (or through sudo); does nothing that is already there.
set -euo pipefail
packages=(
    build-essential cmake ninja-build pkg-config clang-format
    libgtest-dev libgmock-dev libbenchmark-dev libcsv-dev
    qt6-base-dev qt6-serialport-dev libqt6serialport6 libgl1-mesa-dev libxkbcommon-dev
    qt6-qpa-plugins fonts-dejavu-core xvfb xauth poppler-utils imagemagick
    dpkg-dev lintian desktop-file-utils appstream shared-mime-info man-db librsvg2-bin
)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    sudo_cmd=""
    [ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
    $sudo_cmd apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
