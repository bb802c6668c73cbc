#!/usr/bin/env bash
# The wizard on a display at 200 %, in a prefix of its own: the window shows
# every page pixel as a crisp 2 x 2 block, and the pointer hits the controls
# where they are drawn.
unset DISPLAY  # twice the window needs a larger screen than the suite's
E2E_SCREEN=1920x1080
source "$(dirname "$0")/lib.sh"
wine_set_dpi "$WINEPREFIX" 192 || { echo "cannot set the display scale" >&2; exit 1; }
source "$(dirname "$0")/wizard_lib.sh"

SCALE=2
make_update
make_game "$GAME_DIR" Release

check "the language page fills 1100 x 700 in 2 x 2 blocks" start_wizard
check "English, clicked at twice its centre: the versions page" \
  after_click 1 wait_page 2 0 "$INSTALLED" "$GAME_DIR"
check "Escape ends" after_key Escape e2e_wait_exit
e2e_finish
