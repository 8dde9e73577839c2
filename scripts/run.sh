#!/usr/bin/env bash
# Sets up a fresh machine, builds and starts the program on the built-in factory image
# (or on the clone file given as the first argument).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j2
exec ./build/src/cli/zt46 info "$@"
