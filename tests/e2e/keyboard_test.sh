#!/usr/bin/env bash
# A complete update with the keyboard alone, as a user without a mouse does
# it: the focus mark appears with the first Tab and every page is compared
# pixel for pixel with the headless drawing of it, focus mark included.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/wizard_lib.sh"

UPDATE=$E2E_WORK/update
make_update "$UPDATE"
record_shell_opens
INSTALLED='Version 3.02 (ENG)'
GAME_DIR='C:\tx3e2e\game'
make_game "$GAME_DIR" Release
mkdir -p "$GAME/qstart"
echo "old" >"$GAME/qstart/league.qst"

check "the wizard opens its window" start_wizard
check "the language page shows no focus" wait_page 0 0 "" "c:\\tx3demo"
xdotool key Tab
check "the first Tab marks Install in English" wait_focused 0 0 "" "c:\\tx3demo" 1
xdotool key space
check "the versions page starts on Back" wait_focused 2 0 "$INSTALLED" "$GAME_DIR" 1
xdotool key Tab
check "Tab moves on to Next" wait_focused 2 0 "$INSTALLED" "$GAME_DIR" 2
xdotool key shift+Tab
check "Shift+Tab goes back to Back" wait_focused 2 0 "$INSTALLED" "$GAME_DIR" 1
xdotool key Down
xdotool key Return
check "the quick-start question starts on Yes" wait_focused 7 0 "$INSTALLED" "$GAME_DIR" 1
xdotool key Right
check "Right moves on to No" wait_focused 7 0 "$INSTALLED" "$GAME_DIR" 2
xdotool key space
check "the completed page starts on Finish" wait_focused 4 0 "$INSTALLED" "$GAME_DIR" 1
check "No kept the quick-start file" [ -e "$GAME/qstart/league.qst" ]
xdotool key Return
check "Finish ends the installer" e2e_wait_exit
check "exit code 0" [ "$E2E_EXIT" = 0 ]
check "every entry installed byte for byte" installed_ok "$GAME"
check "the new version is recorded" [ "$(recorded_version)" = "Version 3.03e (ENG,FRA,POR,ITA)" ]
sleep 1
check "Finish opened the installed readme" grep -qi 'tx3e2e\\game\\readme.txt' "$OPENED"
e2e_finish
