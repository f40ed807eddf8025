#!/usr/bin/env bash
# The report as it goes to the customer, from a real SQLite library and library settings file:
# the workshop (name, address, phone, an SVG logo) and the trailer's details on the cover, the
# workshop above every page, the findings of the second visit against the first with the change
# since then, the page to sign; a PDF/A-1b with title, author, subject and keywords (and the
# single page of `haulmetry page` too); bad logos refused with a message, the report written
# without them.
set -euo pipefail
. "${HM_SOURCE_DIR:?}/tests/support/cli.sh"
here="$HM_SOURCE_DIR/tests/e2e"
export HOME=$work XDG_DATA_HOME=$work/data XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work/run
unset HAULMETRY_LIBRARY
mkdir -p -m 700 "$work/run" "$work/config/haulmetry"
python3 "$here/two_visits.py" "$work"
cat >"$work/logo.svg" <<'SVG'
<svg xmlns="http://www.w3.org/2000/svg" viewBox="0 0 300 120"><rect x="5" y="5" width="290"
height="110" rx="20" fill="#1d4f91"/><circle cx="60" cy="60" r="35" fill="#f2b705"/></svg>
SVG
conf="$work/config/haulmetry/library.conf"
set_logo() {
    printf '%s\n' 'workshop_name=Nordwerk & Söhne <Nutzfahrzeuge>' \
        'workshop_address=Hafenstraße 3\n20457 Hamburg' 'workshop_phone=+49 40 123456' \
        "workshop_logo=$1" >"$conf"
    chmod 600 "$conf"
}
set_logo "$work/logo.svg"
"$bin" library import "$work/v1.asc" "$work/v2.asc" >/dev/null || fail "import: exit $?"
"$bin" library set OVL00001 --plate "HH-NW 4711" --fleet-number F-17 \
    --customer "Spedition Meyer" >/dev/null || fail "library set: exit $?"

"$bin" report "$work/v2.asc" -o "$work/r.pdf" 2>"$work/err" || fail "report: exit $?"
[ ! -s "$work/err" ] || fail "report said: $(cat "$work/err")"
python3 "$here/pdfa_check.py" "$work/r.pdf" --author 'Nordwerk & Söhne <Nutzfahrzeuge>' \
    --keyword OVL00001 --keyword "HH-NW 4711" || fail "report is not PDF/A"
pdfinfo "$work/r.pdf" | grep -q '^Title: *Fleet Data Report OVL00001$' || fail "report title"
pages=$(pdfinfo "$work/r.pdf" | awk '/^Pages:/ {print $2}')
pdftotext -f 1 -l 1 "$work/r.pdf" "$work/cover.txt"
for text in "Nordwerk & Söhne <Nutzfahrzeuge>" "Hafenstraße 3" "20457 Hamburg" \
    "Phone +49 40 123456" "Spedition Meyer" "HH-NW 4711" "F-17" "2026-05-02 09:00" \
    "Distance driven" "Brake applications by pressure"; do
    grep -qF -- "$text" "$work/cover.txt" || fail "cover lacks '$text'"
done
pdftotext -f 2 -l 2 "$work/r.pdf" "$work/findings.txt"
for text in "Attention" "Driven overloaded for" "Change Since the Previous Visit (2026-05-01 09:00)" \
    "Driven overloaded: 500 km"; do
    grep -qF -- "$text" "$work/findings.txt" || fail "findings page lacks '$text'"
done
pdftotext -f 3 -l 3 "$work/r.pdf" - | grep -qF "Nordwerk & Söhne" || fail "no workshop above page 3"
pdftotext -f "$pages" -l "$pages" "$work/r.pdf" - | grep -qF "Technician's Name" ||
    fail "no technician's name on the last page"
# The first visit has no visit before it in the library.
"$bin" report "$work/v1.asc" -o "$work/r1.pdf" 2>/dev/null || fail "report of v1: exit $?"
pdftotext -f 2 -l 2 "$work/r1.pdf" - | grep -qF "The library holds no earlier visit of this trailer." ||
    fail "first visit: no line about the missing earlier visit"

# Files the library does not hold: an older one has no visit before it, a newer one comes after
# the second visit.
python3 - "$work" <<'PY'
import struct, sys
w = sys.argv[1]
for name, day, km in (("v0", 30, 0), ("v3", 3, 100)):
    image = bytearray(open(w + "/v2.asc", "rb").read())
    struct.pack_into("<8H", image, 2464, 2026, 4 if name == "v0" else 5, 1, day, 9, 0, 0, 0)
    struct.pack_into("<I", image, 796 + 40, struct.unpack_from("<I", image, 796 + 40)[0] + km + 1)
    open("%s/%s.asc" % (w, name), "wb").write(image)
PY
"$bin" report "$work/v3.asc" -o "$work/r3.pdf" 2>/dev/null || fail "report of v3: exit $?"
pdftotext -f 2 -l 2 "$work/r3.pdf" - | grep -qF "Change Since the Previous Visit (2026-05-02 09:00)" ||
    fail "a newer file: not the change since the second visit"
"$bin" report "$work/v0.asc" -o "$work/r0.pdf" 2>/dev/null || fail "report of v0: exit $?"
pdftotext -f 2 -l 2 "$work/r0.pdf" - | grep -qF "The library holds no earlier visit of this trailer." ||
    fail "an older file: a visit before it"

# Bad logos: refused with one line naming the file, the report written without the logo.
mkfifo "$work/fifo.svg"
head -c 3000000 /dev/zero >"$work/huge.png"
echo "not an image" >"$work/text.png"
printf '<svg xmlns="http://www.w3.org/2000/svg" xmlns:xlink="http://www.w3.org/1999/xlink"><image xlink:href="file://%s/base.asc"/></svg>\n' "$work" >"$work/outside.svg"
for logo in missing.svg fifo.svg huge.png text.png outside.svg; do
    set_logo "$work/$logo"
    rm -f "$work/bad.pdf"
    rc=0
    timeout 60 "$bin" report "$work/v2.asc" -o "$work/bad.pdf" 2>"$work/err" || rc=$?
    [ "$rc" = 0 ] || fail "$logo: exit $rc"
    [ -s "$work/bad.pdf" ] || fail "$logo: no report written"
    [ "$(wc -l <"$work/err")" = 1 ] && grep -qF "$work/$logo" "$work/err" ||
        fail "$logo: not refused with one line naming it: $(cat "$work/err")"
done

# A single page: PDF/A with a title too.
"$bin" page "$work/v2.asc" --graph 9 -o "$work/page.pdf" || fail "page: exit $?"
python3 "$here/pdfa_check.py" "$work/page.pdf" --keyword OVL00001 || fail "page is not PDF/A"
pdfinfo "$work/page.pdf" | grep -Eq '^Title: +9\..* - OVL00001$' || fail "page title: $(pdfinfo "$work/page.pdf" | grep Title)"
cli_end "report PDF/A"
