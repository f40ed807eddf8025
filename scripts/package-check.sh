#!/usr/bin/env bash
# Builds the Debian package as a packager would (Release, warnings not errors, no tests), installs
# it with apt-get, checks the installed program from its installed files only, and removes it
# again. Needs root (or sudo) for apt-get. scripts/package-check.sh [BUILD-DIR]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
dir=${1:-$root/build-package}
SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO="sudo"

"$root/scripts/deps.sh" package
cmake -S "$root" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release -DHM_BUILD_TESTS=OFF \
    -DHM_WERROR=OFF >/dev/null
cmake --build "$dir" -j2
rm -f "$dir"/haulmetry_*.deb
(cd "$dir" && cpack -G DEB >/dev/null)
deb=$(ls "$dir"/haulmetry_*.deb)
echo "== package: $(basename "$deb"), $(stat -c %s "$deb") bytes"

work=$(mktemp -d)
ecu=""
installed=0
cleanup() {
    [ -n "$ecu" ] && kill "$ecu" 2>/dev/null || true
    [ -n "${window:-}" ] && kill "$window" 2>/dev/null || true
    declare -F xs_stop >/dev/null && xs_stop
    if [ "$installed" = 1 ]; then
        DEBIAN_FRONTEND=noninteractive $SUDO apt-get remove -y -qq haulmetry >/dev/null || true
    fi
    rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "package-check: $*" >&2; exit 1; }

# Only installed files from here on: a search path without the build tree.
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq "$deb" >/dev/null
installed=1
export PATH=/usr/sbin:/usr/bin:/sbin:/bin
cd "$work"
echo "== installed files"
dpkg -L haulmetry | while read -r f; do [ -f "$f" ] && echo "$f"; done

echo "== versions"
[ "$(haulmetry --version)" = "haulmetry 2.3" ] || fail "haulmetry --version: $(haulmetry --version)"
[ "$(haulmetry-ecusim --version)" = "haulmetry-ecusim 2.3" ] || fail "haulmetry-ecusim --version"

echo "== summary of a sample data file"
python3 "$root/tests/e2e/sample_datafile.py" "$work/sample.asc"
haulmetry summary "$work/sample.asc" | tee "$work/summary.txt"
grep -q '^DISTANCE	[0-9]* km$' "$work/summary.txt" || fail "no summary"

echo "== translations: installed, and found by the installed program"
for lang in de es fr it nl pl; do
    [ -f "/usr/share/haulmetry/translations/haulmetry_$lang.qm" ] || fail "no $lang translation"
done
LANGUAGE=de haulmetry graph "$work/sample.asc" 1 | grep -q '^title=1\.  Mittlere Bremsdauer' ||
    fail "LANGUAGE=de does not give German texts"

echo "== printing and workbooks through the libraries loaded when first used"
depends=$(dpkg-deb -f "$deb" Depends)
for pkg in libxlsxwriter4 libqt6printsupport6 libqt6svg6; do
    echo "$depends" | grep -q "$pkg" || fail "the package does not depend on $pkg: $depends"
done
dpkg -L haulmetry | grep -q '/haulmetry/haulmetry-print\.so$' || fail "no printing module installed"
QT_QPA_PLATFORM=offscreen LANGUAGE=de haulmetry page "$work/sample.asc" --graph 1 -o "$work/page.pdf" ||
    fail "page could not use the printing module"
pdftotext "$work/page.pdf" - | grep -q 'Fahrzeug-Identnummer' || fail "the German page is not in German"
QT_QPA_PLATFORM=offscreen haulmetry report "$work/sample.asc" -o "$work/report.pdf" ||
    fail "report could not use the printing module"
haulmetry export "$work/sample.asc" --format xlsx -o "$work/sample.xlsx" || fail "no workbook"
[ "$(head -c 2 "$work/sample.xlsx")" = PK ] || fail "the workbook is no zip file"

echo "== download through the virtual ECU"
haulmetry-ecusim >"$work/ecu.out" 2>"$work/ecu.err" &
ecu=$!
for _ in $(seq 100); do [ -s "$work/ecu.out" ] && break; sleep 0.1; done
port=$(head -n 1 "$work/ecu.out")
[ -n "$port" ] || fail "haulmetry-ecusim printed no device"
timeout 120 haulmetry download --port "$port" -o "$work/downloaded.asc" >"$work/download.out" 2>&1 ||
    { cat "$work/download.out"; fail "download failed"; }
[ "$(stat -c %s "$work/downloaded.asc")" -eq 2484 ] || fail "downloaded file is not 2484 bytes"
haulmetry summary "$work/downloaded.asc" | head -n 1
kill "$ecu"
wait "$ecu" 2>/dev/null || true
ecu=""

echo "== the installed program carries no test hooks"
bash "$root/tests/support/no_test_hooks.sh" /usr/bin/haulmetry || fail "test hooks in the program"

echo "== the window opens a data file (Xvfb, settings in a scratch home)"
cp "$work/sample.asc" "$work/trailer.asc"
mkdir -p "$work/x"
HM_SOURCE_DIR=$root
. "$root/tests/support/xsession.sh"
xs_start "$work/x"
LANGUAGE=en HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_RUNTIME_DIR="" \
    haulmetry --port /nonexistent/tty "$work/trailer.asc" >"$work/window.out" 2>&1 &
window=$!
xs_wait_window '^ Haulmetry \[ File: trailer\.asc \]$' >/dev/null ||
    { cat "$work/window.out"; fail "file not opened"; }
kill "$window"
wait "$window" 2>/dev/null || true
xs_stop
[ -f "$work/home/.config/haulmetry/haulmetry.ini" ] || fail "settings not in the config folder"

echo "== bash completion"
bash -c '. /usr/share/bash-completion/completions/haulmetry &&
    . /usr/share/bash-completion/completions/haulmetry-ecusim &&
    complete -p haulmetry haulmetry-ecusim'

echo "== desktop entry, metainfo"
desktop-file-validate /usr/share/applications/org.haulmetry.Haulmetry.desktop
appstreamcli validate --no-net /usr/share/metainfo/org.haulmetry.Haulmetry.metainfo.xml

echo "== file type"
type=$(xdg-mime query filetype "$work/trailer.asc")
[ "$type" = "application/x-haulmetry-data" ] || fail "xdg-mime gives '$type' for a data file"
printf -- '-----BEGIN PGP SIGNATURE-----\n\niQEzBAEBCAAdFiEE\n-----END PGP SIGNATURE-----\n' >"$work/note.asc"
pgp=$(xdg-mime query filetype "$work/note.asc")
[ "$pgp" != "application/x-haulmetry-data" ] || fail "a PGP .asc file is taken for a data file"
handler=$(xdg-mime query default application/x-haulmetry-data)
echo "data file: $type, opened by $handler; PGP armour: $pgp"
[ "$handler" = "org.haulmetry.Haulmetry.desktop" ] || fail "handler of our type is '$handler'"

echo "== man pages"
man -w haulmetry
man -w haulmetry-ecusim

echo "== lintian"
lintian --fail-on error --allow-root "$deb" | tee "$work/lintian.txt" ||
    fail "lintian found errors"

DEBIAN_FRONTEND=noninteractive $SUDO apt-get remove -y -qq haulmetry >/dev/null
installed=0
hash -r  # the shell remembers where it ran haulmetry; look again
! command -v haulmetry >/dev/null || fail "haulmetry is still installed"
echo "package-check: ok"
