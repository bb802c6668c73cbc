#!/usr/bin/env bash
# The wizard for users who cannot see the pages or use a mouse. A screen
# reader finds from another process the language page's buttons with their
# names, roles, states and places; presses "Install in English" and "Next >"
# through their default actions; reads the versions and completed pages'
# children and hears the events the window sent meanwhile. Then a complete
# update with the keyboard alone: the focus mark appears with the first Tab
# and every page is compared pixel for pixel with the headless drawing of it,
# focus mark included.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/wizard_lib.sh"
CLIENT=$4
READER=$E2E_WORK/reader.log
BUTTON=43 TEXT=41 DIALOG=18
FOCUSABLE=1048576 READ_ONLY=64 UNAVAILABLE=1

make_update
make_game "$GAME_DIR" Release
check "the wizard opens on the language page" start_wizard
(cd "$E2E_WORK" && "$WINE" "$CLIENT" "Install in English" "Next >" "Next >" "Finish" \
  2>/dev/null </dev/null | tr -d '\r' >"$READER")

heard() { grep -qx -- "$1" "$READER"; }
read -r x y w h <<<"${SLOT_BOX[1]}"
check "the client area is a dialog named by the window's title" heard "client $DIALOG $TITLE"
check "English: a focusable push button where it is drawn, pressed by its default action" \
  heard "child 1 $BUTTON $FOCUSABLE $((CLIENT_X + x)) $((CLIENT_Y + y)) $((w + 1)) $((h + 1)) Install in English||Press"
check "the other languages and Exit, in reading order, named in their own letters" \
  heard "child 4 $BUTTON $FOCUSABLE .* Instalação em Português||Press"
check "the default action pressed English" heard "pressed 1 00000000"
check "the versions page's installed version, read-only text" \
  heard "child 2 $TEXT $READ_ONLY .* $INSTALLED||"
check "the completed page's Back is unavailable and has no action" \
  heard "child 2 $BUTTON $UNAVAILABLE .* < Back||"
check "each new page reorders the client's children" [ "$(grep -c '^event 8004 0$' "$READER")" -ge 3 ]
check "the bar's value changes after every entry" [ "$(grep -c '^event 800e 2$' "$READER")" -ge 36 ]
check "the completed page is shown" wait_page 4 0 "$INSTALLED" "$GAME_DIR"
check "Escape ends" after_key Escape e2e_wait_exit

# --- The keyboard alone, on a game with a quick-start file; the English
# readme is back in the update. After the first Tab every page starts on the
# button Enter presses. Two Tabs that wait while the window is uncovered
# still move the focus. Enter pressed again and again while the update is
# busy acts on the installing page alone: more presses than the update has
# turns left, so that once some were left over to answer the question.
echo "readme eng" >"$UPDATE/readme_eng.txt"
make_game "$GAME_DIR" Release --quick-start
scene 3 0 "$INSTALLED" "$GAME_DIR"
bar=($((BOX_X + 10)) $((BOX_Y + 10)) $((BOX_X + BOX_W - 10)) $((BOX_Y + 30)))
check "the wizard opens on the language page without a focus" start_wizard
check "the first Tab marks Install in English" after_key Tab wait_page 0 0 "" "c:\\tx3demo" 1
check "the versions page starts on Next" after_key space wait_page 2 0 "$INSTALLED" "$GAME_DIR" 2
kill -STOP "$E2E_PID"
xdotool key Tab
xdotool key Tab
xmessage -geometry "300x200+$((CLIENT_X + 100))+$((CLIENT_Y + 80))" cover &
sleep 0.5 && kill $! && kill -CONT "$E2E_PID"  # uncovered, the window is repainted
check "two Tabs and a repaint: round to Back" wait_page 2 0 "$INSTALLED" "$GAME_DIR" 1
check "Shift+Tab goes back to Exit" after_key shift+Tab wait_page 2 0 "$INSTALLED" "$GAME_DIR" 3
xdotool key shift+Tab
xdotool key Return
kill -STOP "$E2E_PID"
SLICE=0.005 check "the update is under way" \
  e2e_poll 20 slice_shows "$E2E_WORK/page_3.rgb" --ignore "${bar[@]}"
xdotool key --repeat 40 Return
kill -CONT "$E2E_PID"
check "the question waits on Yes" wait_page 7 0 "$INSTALLED" "$GAME_DIR" 1
check "Right moves on to No" after_key Right wait_page 7 0 "$INSTALLED" "$GAME_DIR" 2
check "the completed page starts on Finish" after_key space wait_page 4 0 "$INSTALLED" "$GAME_DIR" 1
check "No kept the quick-start file" [ -e "$GAME/qstart/league.qst" ]
check "Finish ends the installer with exit code 0" after_key Return e2e_exits 0
e2e_finish
