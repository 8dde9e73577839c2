#!/usr/bin/env bash
# Builds the Debian package build/zt46_<version>_<arch>.deb: the programs built in build-package/ with
# Debian's hardening flags (dpkg-buildflags), installed under /usr, stripped, with their run-time
# dependencies from dpkg-shlibdeps. scripts/check-package.sh checks it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
CPPFLAGS="$(dpkg-buildflags --get CPPFLAGS) -DNDEBUG"
CXXFLAGS="$(dpkg-buildflags --get CXXFLAGS) $CPPFLAGS"
LDFLAGS="$(dpkg-buildflags --get LDFLAGS)"
export CXXFLAGS LDFLAGS
# Build type None: the flags above are the whole story, as in a Debian build. No tests or benchmarks.
cmake -S . -B build-package -G Ninja -DCMAKE_BUILD_TYPE=None -DCMAKE_INSTALL_PREFIX=/usr \
    -DZT46_BENCH=OFF -DZT46_TESTS=OFF
cmake --build build-package -j2
rm -f build-package/zt46_*.deb
(cd build-package && cpack -G DEB >/dev/null)
mkdir -p build
deb=$(ls build-package/zt46_*.deb)
rm -f build/zt46_*.deb
cp "$deb" build/
echo "build/$(basename "$deb")"
