#!/usr/bin/env bash
# Checks the Debian package that scripts/package.sh built (or the one given): lintian finds no error or
# warning; unpacked into a scratch root with dpkg -x, the installed zt46 answers --version and info, the
# desktop entry, the metainfo, the file type and the manual pages pass their validators, and the
# installed zt46win starts with --user-data on its data folder. Prints the package's size and the
# installed program's start time (as bench/gui measures it: process start to the first shown window).
set -euo pipefail
cd "$(dirname "$0")/.."
deb=${1:-$(ls -t build/zt46_*.deb | head -n1)}
version=$(dpkg-deb -f "$deb" Version)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() {
    echo "check-package: $*" >&2
    exit 1
}

echo "== lintian $deb"
# Informational and pedantic tags are shown; an error or a warning fails the check.
status=0
report=$(lintian --display-info --pedantic --fail-on error,warning "$deb" 2>&1) || status=$?
grep -v "running with root privileges" <<<"$report" || true
[ $status -eq 0 ] || fail "lintian reports errors or warnings"

root=$scratch/root
dpkg -x "$deb" "$root"
for f in usr/bin/zt46win usr/bin/zt46 usr/bin/zt46-radio \
    usr/share/applications/zt46win.desktop usr/share/mime/packages/zt46.xml \
    usr/share/metainfo/com.norvalen.zt46win.metainfo.xml \
    usr/share/icons/hicolor/scalable/apps/zt46win.svg usr/share/icons/hicolor/48x48/apps/zt46win.png \
    usr/share/icons/hicolor/256x256/apps/zt46win.png usr/share/doc/zt46/copyright \
    usr/share/doc/zt46/changelog.gz usr/share/man/man1/zt46.1.gz usr/share/man/man1/zt46win.1.gz \
    usr/share/man/man1/zt46-radio.1.gz; do
    [ -e "$root/$f" ] || fail "$f is not in the package"
done

echo "== installed zt46"
out=$("$root/usr/bin/zt46" --version)
echo "$out"
[ "$out" = "zt46 $version" ] || fail "zt46 --version says '$out', the package is $version"
out=$("$root/usr/bin/zt46" info)
echo "$out"
grep -q "^Product type: *KSR-410$" <<<"$out" || fail "zt46 info did not describe the factory image"

echo "== desktop entry, metainfo, file type, manual pages"
out=$(desktop-file-validate "$root/usr/share/applications/zt46win.desktop" 2>&1) || fail "desktop entry: $out"
[ -z "$out" ] || fail "desktop entry: $out"
appstreamcli validate --no-net "$root/usr/share/metainfo/com.norvalen.zt46win.metainfo.xml" ||
    fail "metainfo does not validate"
cp -r "$root/usr/share/mime" "$scratch/mime"
update-mime-database "$scratch/mime" >/dev/null 2>&1 || fail "update-mime-database refused the file type"
grep -q "application/x-zt46-clone:\*\.t46" "$scratch/mime/globs2" || fail "*.t46 is not application/x-zt46-clone"
grep -q "MimeType=application/x-zt46-clone;" "$root/usr/share/applications/zt46win.desktop" ||
    fail "the desktop entry does not open clone files"
for page in "$root"/usr/share/man/man1/*.1.gz; do
    warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l "$page" 2>&1 >/dev/null)
    [ -z "$warnings" ] || fail "$(basename "$page"): $warnings"
done
echo "all valid"

echo "== installed zt46win --user-data"
# A data folder whose configuration reaches the radio through the interface unit, so no serial port
# is opened (and no message box waits) at start-up.
# Its own instance key: a copy the user has open would otherwise take these starts over.
export XDG_DATA_HOME=$scratch/data XDG_RUNTIME_DIR=$scratch/run QT_QPA_PLATFORM=offscreen ZT46WIN_EXIT_AFTER_SHOW=1 \
    ZT46_INSTANCE_KEY=check-package-$$
mkdir -p "$XDG_DATA_HOME/zt46" "$scratch/start"
mkdir -m 700 "$XDG_RUNTIME_DIR"
printf '[Initialize]\nPORT_TYPE=1\n' >"$XDG_DATA_HOME/zt46/ZT46Win.ini"
total=0
runs=10
for _ in $(seq $runs); do
    shown=$(cd "$scratch/start" && timeout 60 "$root/usr/bin/zt46win" --user-data) || fail "zt46win did not start"
    total=$((total + shown))
done
[ -f "$XDG_DATA_HOME/zt46/ZT46default.t46" ] || fail "zt46win --user-data wrote no default file in the data folder"
[ -z "$(ls -A "$scratch/start")" ] || fail "zt46win --user-data left files in the start folder: $(ls -A "$scratch/start")"
echo "first window shown after $((total / runs)) ms (mean of $runs starts)"

echo "== size"
echo "$(basename "$deb"): $(stat -c %s "$deb") bytes, installed $(dpkg-deb -f "$deb" Installed-Size) KiB"
echo "Depends: $(dpkg-deb -f "$deb" Depends)"
