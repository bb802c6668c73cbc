#!/usr/bin/env bash
# The whole wizard on its real window, driven with the pointer and the keys:
# a complete English update, the not-found page, the source-error page and a
# write error, each page compared pixel for pixel with the headless drawing.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/wizard_lib.sh"

UPDATE=$E2E_WORK/update
make_update "$UPDATE" 4
record_shell_opens
INSTALLED='Version 3.02 (ENG)'
NEW='Version 3.03e (ENG,FRA,POR,ITA)'
GAME_DIR='C:\tx3e2e\game'

# The language buttons, from the top: English, French, Italian, Portuguese.
choose_language() {
  scene 0 0 "" "c:\\tx3demo"
  click "$1"
}

# --- A complete English update with the quick-start question.
make_game "$GAME_DIR" Release
mkdir -p "$GAME/qstart"
echo "old" >"$GAME/qstart/league.qst"
check "the wizard opens its window" start_wizard
check "language page" wait_page 0 0 "" "c:\\tx3demo"
click 1  # English
check "versions page with the first release's version" wait_page 2 0 "$INSTALLED" "$GAME_DIR"
# The installing page is drawn beforehand: it is shown only while the update
# is copied. The bar's fill depends on the moment; the rest must match.
scene 3 0 "$INSTALLED" "$GAME_DIR"
bar=($((BOX_X + 10)) $((BOX_Y + 10)) $((BOX_X + BOX_W - 10)) $((BOX_Y + 30)))
scene 2 0 "$INSTALLED" "$GAME_DIR"
click 4  # Next
kill -STOP "$E2E_PID"
check "installing page" catch_scene "$E2E_WORK/page_3.rgb" --ignore "${bar[@]}"
check "quick-start question" wait_page 7 0 "$INSTALLED" "$GAME_DIR"
click 4  # Yes
check "completed page" wait_page 4 0 "$INSTALLED" "$GAME_DIR"
check "the quick-start file is deleted" [ ! -e "$GAME/qstart/league.qst" ]
check "no readme opened before Finish" [ ! -s "$OPENED" ]
click 4  # Finish
check "the installer ends" e2e_wait_exit
check "exit code 0" [ "$E2E_EXIT" = 0 ]

check "every entry installed byte for byte" installed_ok "$GAME"
check "the readme is moved in" cmp -s <(echo "readme eng") "$GAME/readme.txt"
check "the language readme is gone from the update" [ ! -e "$UPDATE/readme_eng.txt" ]
check "tx3.icd is deleted" [ ! -e "$GAME/tx3.icd" ]
check "the new version is recorded in the 32-bit view" [ "$(recorded_version)" = "$NEW" ]
sleep 1
check "Finish opened the installed readme" grep -qi 'tx3e2e\\game\\readme.txt' "$OPENED"

# --- No installation: the not-found page; Enter ends.
"$WINE" reg delete "$GAME_KEY" /f /reg:32 >/dev/null 2>&1 </dev/null
check "the wizard opens again" start_wizard
choose_language 1
check "not-found page" wait_page 1 0 "" "c:\\tx3demo"
xdotool key Return
check "Enter on the not-found page ends" e2e_wait_exit

# --- The English readme was moved away: the source check fails at once.
make_game "$GAME_DIR" "$NEW"
check "the wizard opens a third time" start_wizard
choose_language 1
check "versions page with the recorded version" wait_page 2 0 "$NEW" "$GAME_DIR"
xdotool key Return
check "source-error page" wait_page 5 0 "$NEW" "$GAME_DIR"
check "nothing installed" grep -q "old program" "$GAME/tx3.exe"
xdotool key Escape
check "Escape ends" e2e_wait_exit

# --- French, with the data folder missing: the write-error page, then the
# location page, where a folder typed in one burst (no pause between keys)
# arrives whole and the update resumes there.
make_game "$GAME_DIR" Release
rm -rf "$GAME/data"
check "the wizard opens a fourth time" start_wizard
choose_language 2  # French
check "French versions page" wait_page 2 2 "$INSTALLED" "$GAME_DIR"
click 4
check "write-error page" wait_page 9 2 "$INSTALLED" "$GAME_DIR"
click 3  # Back
check "location page" wait_page 8 2 "$INSTALLED" "$GAME_DIR"
check "the version is not recorded after a failure" [ "$(recorded_version)" = Release ]
TYPED_DIR='C:\tx3e2e\typed folder'
TYPED=$("$WINE" winepath -u "$TYPED_DIR" 2>/dev/null </dev/null)
rm -rf "$TYPED"
mkdir -p "$TYPED/data" "$TYPED/pictures"
xdotool key --delay 0 --repeat ${#GAME_DIR} BackSpace
xdotool type --delay 0 "$TYPED_DIR"
check "every typed character is in the entry box" wait_page 8 2 "$INSTALLED" "$TYPED_DIR"
xdotool key Return
check "versions page again" wait_page 2 2 "$INSTALLED" "$TYPED_DIR"
xdotool key Return
check "completed page" wait_page 4 2 "$INSTALLED" "$TYPED_DIR"
check "the update went on in the typed folder" installed_ok "$TYPED" 1
check "the readme is moved into the typed folder" cmp -s <(echo "readme fra") "$TYPED/readme.txt"
xdotool key Escape
check "Escape ends on the completed page" e2e_wait_exit
check "no readme opened by Escape" [ "$(grep -c readme "$OPENED")" = 1 ]
e2e_finish
