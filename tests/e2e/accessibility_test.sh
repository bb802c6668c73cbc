#!/usr/bin/env bash
# The wizard as a screen reader finds it from another process: the language
# page's buttons with their names, roles, states and places; "Install in
# English" and "Next >" pressed through their default actions; the versions
# and completed pages' children, and the events the window sent meanwhile.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/wizard_lib.sh"
CLIENT=$4
READER=$E2E_WORK/reader.log
BUTTON=43 TEXT=41 DIALOG=18
FOCUSABLE=1048576 READ_ONLY=64 UNAVAILABLE=1

UPDATE=$E2E_WORK/update
make_update "$UPDATE"
make_game 'C:\tx3e2e\game' Release
check "the wizard opens its window" start_wizard
check "language page" wait_page 0 0 "" "c:\\tx3demo"
(cd "$E2E_WORK" && "$WINE" "$CLIENT" "Install in English" "Next >" "Next >" "Finish" \
  >client.log 2>/dev/null </dev/null)
tr -d '\r' <"$E2E_WORK/client.log" >"$READER"

heard() { grep -qx -- "$1" "$READER"; }
read -r x y w h <<<"${SLOT_BOX[1]}"
check "the client area is a dialog named by the window's title" \
  heard "client $DIALOG Tarvex League 3 Update"
check "English: a focusable push button where it is drawn, pressed by its default action" \
  heard "child 1 $BUTTON $FOCUSABLE $((CLIENT_X + x)) $((CLIENT_Y + y)) $((w + 1)) $((h + 1)) Install in English||Press"
check "the other languages and Exit, in reading order, named in their own letters" \
  heard "child 4 $BUTTON $FOCUSABLE .* Instalação em Português||Press"
check "Exit last" heard "child 5 $BUTTON $FOCUSABLE .* Exit||Press"
check "the default action pressed English" heard "pressed 1 00000000"
check "the versions page's installed version, read-only text" \
  heard "child 2 $TEXT $READ_ONLY .* Version 3.02 (ENG)||"
check "the versions page's Next" heard "child 7 $BUTTON $FOCUSABLE .* Next >||Press"
check "the completed page's Back is unavailable and has no action" \
  heard "child 2 $BUTTON $UNAVAILABLE .* < Back||"
check "each new page reorders the client's children" [ "$(grep -c '^event 8004 0$' "$READER")" -ge 3 ]
check "the bar's value changes after every entry" [ "$(grep -c '^event 800e 2$' "$READER")" -ge 36 ]
echo "events: $(grep '^event' "$READER" | sort | uniq -c | tr -s ' ' | paste -sd,)"
check "the completed page is shown" wait_page 4 0 "Version 3.02 (ENG)" 'C:\tx3e2e\game'
xdotool key Escape
check "Escape ends" e2e_wait_exit
e2e_finish
