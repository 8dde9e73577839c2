#!/usr/bin/env bash
# Sets up a fresh machine, builds and starts the desktop program zt46win (on the default file or the
# built-in factory image, or on the clone file given as the first argument; "-m" asks for service mode).
set -euo pipefail
start_dir=$PWD
cd "$(dirname "$0")/.."
repo=$PWD
bash scripts/setup.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j2
# The program keeps ZT46Win.ini and ZT46default.t46 in the folder it is started from.
cd "$start_dir"
exec "$repo/build/src/gui/zt46win" "$@"
