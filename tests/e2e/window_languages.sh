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
echo "window_languages: 6 languages, 5 screens each"
