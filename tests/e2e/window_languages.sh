#!/usr/bin/env bash
# The window in each of its languages, driven with real X input: LANGUAGE=xx starts the demo
# window, whose title, about box (F1), information dialog (its button), print preview (its
# button) speak that language; so does the message box of a second start (the screenshot shows
# it: a message box's text cannot be read back through X).
# HM_SHOTS_DIR, when set, keeps the screenshots (LANG-window, -about, -information, -preview,
# -message) as PNG files.
set -euo pipefail
. "$HM_SOURCE_DIR/tests/support/xsession.sh"
. "$HM_SOURCE_DIR/tests/support/haulwin.sh"
hw_begin
mkdir -p "$work/home"
export XDG_RUNTIME_DIR="$work" HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config"
export HAULMETRY_SETTINGS="$work/haulmetry.ini"
unset LC_ALL LC_MESSAGES LANG
xs_start "$work"

# LANG|title after the download|about box|information dialog|preview
expected=(
    "de|\\[ ECU-Daten \\]|^Über Haulmetry$|^Informationen anzeigen$|Druckvorschau"
    "fr|\\[ Données de l'ECU \\]|^À propos de Haulmetry$|^Afficher les informations$|Aperçu avant impression"
    "pl|\\[ Dane z ECU \\]|^O programie Haulmetry$|^Pokaż informacje$|Podgląd wydruku"
    "nl|\\[ ECU-gegevens \\]|^Over Haulmetry$|^Informatie weergeven$|Afdrukvoorbeeld"
    "es|\\[ Datos de la ECU \\]|^Acerca de Haulmetry$|^Mostrar información$|Vista previa de impresión"
    "it|\\[ Dati dell'ECU \\]|^Informazioni su Haulmetry$|^Mostra informazioni$|Anteprima di stampa"
)
# xdotool matches window names byte by byte: letters outside ASCII match any one to four bytes.
ascii() { LC_ALL=C sed 's/[^ -~]\{1,\}/.{1,4}/g' <<<"$1"; }
for row in "${expected[@]}"; do
    IFS='|' read -r lang title about info preview <<<"$row"
    title=$(ascii "$title") about=$(ascii "$about") info=$(ascii "$info") preview=$(ascii "$preview")
    LANGUAGE=$lang "$HM_BIN_DIR/haulmetry" --demo >"$work/app.log" 2>&1 &
    app=$!
    main=$(xs_wait_window "Haulmetry $title") || fail "$lang: no download, or not in $lang"
    sleep 0.5
    keep "$lang-window"

    xs_key "$main" F1
    id=$(xs_wait_window "$about") || fail "$lang: F1 opened no about box in $lang"
    keep "$lang-about"
    xs_key "$id" Escape
    xs_wait_gone "$id" || fail "$lang: the about box stayed"

    hw_click "$main" information
    id=$(xs_wait_window "$info") || fail "$lang: no information dialog in $lang"
    keep "$lang-information"
    xs_key "$id" Escape
    xs_wait_gone "$id" || fail "$lang: the information dialog stayed"

    hw_click "$main" print
    id=$(xs_wait_window "$preview") || fail "$lang: no print preview in $lang"
    sleep 0.5
    keep "$lang-preview"
    xs_key "$id" ctrl+w
    xs_wait_gone "$id" || fail "$lang: the preview stayed"

    # A second start without a file says in a message box that one already runs.
    LANGUAGE=$lang "$HM_BIN_DIR/haulmetry" >"$work/second.log" 2>&1 &
    second=$!
    id=$(xs_wait_window '^Haulmetry$') || fail "$lang: the second start showed no message box"
    sleep 0.3
    keep "$lang-message"
    xs_key "$id" Return
    status=0
    wait "$second" || status=$?
    [ "$status" = 1 ] || fail "$lang: the second start ended with $status"

    kill "$app"
    wait "$app" 2>/dev/null || true
    app=
done

# The session's own texts follow the language too. A virtual ECU on a pty goes away after the
# download: the unsaved download is kept and the notice says so (screenshot de-lost); a close
# during a download shows the closing title at once.
start_ecu() {
    rm -f "$work/ecu"
    "$HM_BIN_DIR/haulmetry-ecusim" --link "$work/ecu" --ident LANG1 "$@" >"$work/sim.out" \
        2>"$work/sim.err" &
    sim=$!
    for _ in $(seq 100); do [ -e "$work/ecu" ] && return 0; sleep 0.1; done
    fail "the virtual ECU did not start: $(cat "$work/sim.err")"
}
start_ecu
LANGUAGE=de "$HM_BIN_DIR/haulmetry" --port "$work/ecu" >"$work/app.log" 2>&1 &
app=$!
main=$(xs_wait_window "Haulmetry $(ascii '\[ ECU-Daten \]')") || fail "de: no download"
kill -9 "$sim"
wait "$sim" 2>/dev/null || true
sim=
xs_wait_window "Haulmetry $(ascii '\[ Keine Daten geladen \]')" >/dev/null ||
    fail "de: the lost connection did not show"
# The notice, then the retry question over it: No to the question leaves the notice on screen.
xs_wait_window '^Haulmetry$' >/dev/null || fail "de: no notice of the kept download"
for _ in $(seq 50); do
    [ "$(xdotool search --onlyvisible --name '^Haulmetry$' 2>/dev/null | wc -l)" -ge 2 ] && break
    sleep 0.1
done
xs_key "$(xs_active)" Escape
sleep 0.5
keep de-lost
for _ in 1 2 3; do
    box=$(xdotool search --onlyvisible --name '^Haulmetry$' 2>/dev/null | head -n 1) || true
    [ -n "$box" ] || break
    xs_key "$box" Escape
    sleep 0.3
done
kill "$app"
wait "$app" 2>/dev/null || true
app=

start_ecu --delay 400
LANGUAGE=de "$HM_BIN_DIR/haulmetry" --port "$work/ecu" >"$work/app.log" 2>&1 &
app=$!
main=$(xs_wait_window 'Haulmetry \[ \.\.\. \]') || fail "de: no download"
hw_click "$main" close
title=$(xdotool getwindowname "$main")
[ "$title" = " Haulmetry [ Wird beendet... ]" ] || fail "de: the title after close: $title"
XS_TIMEOUT=2 xs_wait_gone "$main" || fail "de: the window waited for the download to finish"
wait "$app" 2>/dev/null || true
app=
echo "window_languages: 6 languages, 5 screens each; the session's messages in German"
