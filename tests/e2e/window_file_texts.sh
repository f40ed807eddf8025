#!/usr/bin/env bash
# The texts of saving and loading with real X input, in English and German: the save question
# (Ctrl+S) shows the file name whole inside the language's own text (English keeps its bytes,
# "Save  NAME ?"), and the file it names is the file written; a file that is too short, chosen in
# the Ctrl+O file dialog, gives the file-error title and a message box that says why, as the
# command line does. HM_SHOTS_DIR keeps the screenshots of both boxes in both languages.
set -euo pipefail
. "$HM_SOURCE_DIR/tests/support/xsession.sh"
. "$HM_SOURCE_DIR/tests/support/haulwin.sh"
hw_begin
data="$work/home/Documents/Haulmetry/Vehicle Data Files"
head -c 1000 /dev/zero >"$work/short.asc"

# The text of the message box $1 (a click at $2,$3 into its text, Ctrl+A and Ctrl+C copy it).
box_text() {
    xs_click "$1" "$2" "$3"
    xs_key "$1" ctrl+a ctrl+c
    timeout 5 xclip -o -selection clipboard
}

# run_language LANG TITLE-OF-A-DOWNLOAD QUESTION-REGEX FILE-ERROR-TITLE REASON OPEN-DIALOG-TITLE
#   ERASE-DIALOG-TITLE DATA-FOLDER
run_language() {
    local lang=$1 downloaded=$2 question_re=$3 error_title=$4 reason=$5
    mkdir -p "$work/home"
    export XDG_RUNTIME_DIR="$work" HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config"
    export HAULMETRY_SETTINGS="$work/haulmetry.ini"
    "$HM_BIN_DIR/haulmetry" --demo --language "$lang" >"$work/app.log" 2>&1 &
    app=$!
    main=$(xs_wait_window "Haulmetry \\[ $downloaded \\]") || fail "$lang: no download"
    sleep 0.5

    xs_key "$main" ctrl+s
    local question asked
    question=$(xs_wait_window '^Haulmetry$') || fail "$lang: Ctrl+S asked nothing"
    keep "save-question-$lang"
    asked=$(box_text "$question" 40 17) || fail "$lang: the question has no text to copy"
    grep -qxE "$question_re" <<<"$asked" || fail "$lang: the save question reads '$asked'"
    xs_key "$question" Return
    xs_wait_gone "$question"
    local name
    name=$(grep -oE 'Haulmetry [^/]* - [0-9]{8}-[0-9]{4}\.asc' <<<"$asked")
    # In the data folder in use ($8): the default one for the first run, then the folder of the
    # file it chose with Ctrl+O (the folder follows each file chosen and is remembered).
    xs_wait_file "$8/$name" || fail "$lang: '$name' of the question was not written in $8"

    # The erase selection's title stands whole in its title bar (screenshot).
    hw_click "$main" erase
    local select
    select=$(xs_wait_window "^$7\$") || fail "$lang: the erase button opened no selection"
    keep "erase-selection-$lang"
    xs_key "$select" Escape
    xs_wait_gone "$select"

    xs_key "$main" ctrl+o
    local dialog message
    dialog=$(xs_wait_window "$6") || fail "$lang: Ctrl+O opened no file dialog"
    hw_type_path "$work/short.asc"
    xs_wait_gone "$dialog"
    message=$(xs_wait_window '^Haulmetry$') || fail "$lang: the file error gave no message"
    xdotool getwindowname "$main" | grep -qF "Haulmetry [ ***  $error_title  *** ]" ||
        fail "$lang: title '$(xdotool getwindowname "$main")' after the short file"
    keep "file-error-$lang"
    asked=$(box_text "$message" 90 25) || fail "$lang: the file error has no text to copy"
    grep -qF "$work/short.asc" <<<"$asked" || fail "$lang: the file error names no file: '$asked'"
    grep -qF "$reason" <<<"$asked" || fail "$lang: the file error gives no reason: '$asked'"
    xs_key "$message" Return
    xs_wait_gone "$message"
    hw_quit
}

erase_de=$(python3 -c 'import sys, xml.etree.ElementTree as E
for m in E.parse(sys.argv[1]).iter("message"):
    if m.findtext("comment") == "230": print(m.findtext("translation"))' "$HM_SOURCE_DIR/translations/haulmetry_de.ts")
xs_start "$work"
run_language en "ECU Data" 'Save  Haulmetry [^/]* - [0-9]{8}-[0-9]{4}\.asc \?' "File Error" \
    "file is too short (1000 bytes, a data file has 2484)" "^Open File$" "Select Data to Erase From ECU" \
    "$data"
run_language de "ECU-Daten" 'Haulmetry [^/]* - [0-9]{8}-[0-9]{4}\.asc speichern\?' "Dateifehler" \
    "Datei ist zu kurz (1000 Bytes, eine Datendatei hat 2484)" "^Datei öffnen$" "$erase_de" \
    "${work%/}"
echo "window file texts: ok"
