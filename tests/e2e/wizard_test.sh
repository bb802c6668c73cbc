#!/usr/bin/env bash
# The whole wizard on its real window, driven with the pointer and the keys:
# a complete English update, Escape while installing and a write error, each
# page compared pixel for pixel with the headless drawing.
# The language buttons, from the top: English, French, Italian, Portuguese.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/wizard_lib.sh"
make_update 4

# --- A complete English update with the quick-start question. The installing
# page is drawn beforehand: it is shown only while the update is copied. The
# bar's fill depends on the moment; the rest must match.
scene 3 0 "$INSTALLED" "$GAME_DIR"
bar=($((BOX_X + 10)) $((BOX_Y + 10)) $((BOX_X + BOX_W - 10)) $((BOX_Y + 30)))
make_game "$GAME_DIR" Release --quick-start
check "the wizard opens on the language page" start_wizard
check "English: versions page with the first release's version" \
  after_click 1 wait_page 2 0 "$INSTALLED" "$GAME_DIR"
click 4  # Next
kill -STOP "$E2E_PID"
check "installing page" catch_scene "$E2E_WORK/page_3.rgb" --ignore "${bar[@]}"
check "quick-start question" wait_page 7 0 "$INSTALLED" "$GAME_DIR"
check "Yes: completed page" after_click 4 wait_page 4 0 "$INSTALLED" "$GAME_DIR"
check "the quick-start file is deleted" [ ! -e "$GAME/qstart/league.qst" ]
check "Finish ends the installer with exit code 0" after_click 4 e2e_exits 0
check "every entry installed byte for byte" installed_ok "$GAME"
sleep 1
check "Finish opened the installed readme" grep -qi 'tx3e2e\\game\\readme.txt' "$OPENED"

# --- Escape while the update is staged: the game stays as it was, nothing
# is left beside its files, and the update can be run again.
echo "readme eng" >"$UPDATE/readme_eng.txt"
make_old_game "$GAME_DIR"
check "the wizard opens again" start_wizard
check "English versions page" after_click 1 wait_page 2 0 "$INSTALLED" "$GAME_DIR"
click 4  # Next
kill -STOP "$E2E_PID"
check "the update is staging" stop_while_staging
xdotool key Escape
kill -CONT "$E2E_PID"
check "Escape while installing ends" e2e_wait_exit
check "the game is as it was" as_before
check "the readme stays in the update" [ -e "$UPDATE/readme_eng.txt" ]

# --- French, with the data folder missing: the write-error page, then the
# location page, where a folder typed in one burst (no pause between keys)
# arrives whole and the update resumes there. Both folders get their files
# at the end.
make_game "$GAME_DIR" Release
rm -rf "$GAME/data"
check "the wizard opens a third time" start_wizard
check "French versions page" after_click 2 wait_page 2 2 "$INSTALLED" "$GAME_DIR"
check "Next: write-error page" after_click 4 wait_page 9 2 "$INSTALLED" "$GAME_DIR"
check "Back: location page" after_click 3 wait_page 8 2 "$INSTALLED" "$GAME_DIR"
TYPED_DIR='C:\tx3e2e\typed folder'
TYPED=$("$WINE" winepath -u "$TYPED_DIR" 2>/dev/null </dev/null)
rm -rf "$TYPED"
mkdir -p "$TYPED/data" "$TYPED/pictures"
xdotool key --delay 0 --repeat ${#GAME_DIR} BackSpace
xdotool type --delay 0 "$TYPED_DIR"
check "every typed character is in the entry box" wait_page 8 2 "$INSTALLED" "$TYPED_DIR"
check "versions page again" after_key Return wait_page 2 2 "$INSTALLED" "$TYPED_DIR"
check "completed page" after_key Return wait_page 4 2 "$INSTALLED" "$TYPED_DIR"
check "the update went on in the typed folder" installed_ok "$TYPED" --but-the-program
check "the program, staged before the failure, is in the first folder" \
  cmp -s "$E2E_WORK/bodies/tx3.exe" "$GAME/tx3.exe"
check "and not in the typed one" [ ! -e "$TYPED/tx3.exe" ]
check "nothing left beside either folder's files" not leftovers "$GAME" "$TYPED"
check "then the new version is recorded" [ "$(recorded_version)" = "$NEW" ]
check "Escape ends on the completed page" after_key Escape e2e_wait_exit
e2e_finish
