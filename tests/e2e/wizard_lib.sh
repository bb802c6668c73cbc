# Helpers for making an update and a game, and for driving the wizard's
# window. Source after lib.sh; the third argument of a test script that
# compares pages is page_shots.exe, which draws the page the window should
# show.
PAGE_SHOTS=${3:-}
E2E_HERE=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
GAME_KEY='HKLM\Software\Quorvane Studios Ltd\Tarvex League 3'
TITLE='Tarvex League 3 Update'
UPDATE=$E2E_WORK/update
GAME_DIR='C:\tx3e2e\game'
# The version the game's first release records, and the one the update does.
INSTALLED='Version 3.02 (ENG)'
NEW='Version 3.03e (ENG,FRA,POR,ITA)'
# How many screen pixels wide and high the window shows each page pixel.
SCALE=1
# The prefix's server outlives each program by half a minute: else every
# Wine command after the last one ended starts the prefix's services again,
# about 3 s each. (Settings that take effect when the server ends are made
# before this file is sourced.)
wineserver -p30 2>/dev/null

# make_update [SCALE]: the update as it is shipped, in $UPDATE: update.dat,
# the readmes and the fonts (scale as for make_demo_update.py); its entries'
# bodies in $E2E_WORK/bodies. Every document opened with the shell from now
# on is written to $OPENED; $JOURNAL is where an update that has not finished
# keeps its journal.
make_update() {
  mkdir -p "$UPDATE"
  python3 "$e2e_root/tools/make_demo_update.py" "$E2E_WORK/bodies" --scale "${1:-1}" \
    --expect "$UPDATE/update.dat"
  for code in eng esp fra ita nor por sve; do echo "readme $code" >"$UPDATE/readme_$code.txt"; done
  cp "$e2e_root"/data/fonts/*.fnt "$UPDATE/"
  OPENED=$("$WINE" winepath -u 'C:\opened.txt' 2>/dev/null </dev/null)
  JOURNAL=$("$WINE" winepath -u 'C:\ProgramData\Quorvane Studios Ltd\tx3inst.journal' \
    2>/dev/null </dev/null)
  rm -f "$OPENED"
  "$WINE" reg add 'HKCR\.txt' /ve /d txtfile /f >/dev/null 2>&1 </dev/null
  "$WINE" reg add 'HKCR\txtfile\shell\open\command' /ve \
    /d 'C:\windows\system32\cmd.exe /c echo %1>>C:\opened.txt' /f >/dev/null 2>&1 </dev/null
}

# make_game WINDOWS_FOLDER VERSION [--quick-start]: a game installation
# registered in the registry's 32-bit view, as the game's own 32-bit setup
# leaves it; with a quick-start file when asked.
make_game() {
  GAME=$("$WINE" winepath -u "$1" 2>/dev/null </dev/null)
  rm -rf "$GAME"
  mkdir -p "$GAME/data" "$GAME/pictures"
  echo "old program" >"$GAME/tx3.exe"
  echo "old cache" >"$GAME/tx3.icd"
  [ "${3:-}" = --quick-start ] && mkdir "$GAME/qstart" && echo old >"$GAME/qstart/league.qst"
  "$WINE" reg delete "$GAME_KEY" /f /reg:32 >/dev/null 2>&1 </dev/null
  "$WINE" reg add "$GAME_KEY" /v Version /d "$2" /f /reg:32 >/dev/null 2>&1 </dev/null
  "$WINE" reg add "$GAME_KEY" /v Location /d "$1" /f /reg:32 >/dev/null 2>&1 </dev/null
}

# entry_place NAME: where in the game's folder the entry of that name goes.
entry_place() {
  case $1 in
    tx3.exe | changes.txt) echo "$1" ;;
    pics.cfg) echo "pictures/$1" ;;
    *) echo "data/$1" ;;
  esac
}

# The game's files with their contents, and which are read-only (Wine shows
# a file without write permission so), to tell whether a run touched them.
game_files() { (cd "$GAME" && find . -type f -exec md5sum {} + | sort && find . -type f ! -perm /222); }

# leftovers FOLDER...: true when a staged or an old file of an update lies there.
leftovers() { find "$@" -name '*.tx3inst-*' | grep -q .; }

# make_old_game WINDOWS_FOLDER: the first release, with an old file in every
# entry's place, one of them read-only as a player may have left it; what it
# holds is kept in $BEFORE.
make_old_game() {
  local body
  make_game "$1" Release
  for body in "$E2E_WORK"/bodies/*; do
    echo "old ${body##*/}" >"$GAME/$(entry_place "${body##*/}")"
  done
  chmod a-w "$GAME/data/officials.dat"
  BEFORE=$(game_files)
}

# as_before: the game holds what it held, no update's journal is left.
as_before() { [ "$(game_files)" = "$BEFORE" ] && [ ! -e "$JOURNAL" ]; }

# updated: every entry in place byte for byte, the version recorded, nothing
# of the update left beside the game's files or in a journal.
updated() {
  installed_ok "$GAME" && [ "$(recorded_version)" = "$NEW" ] && not leftovers "$GAME" &&
    [ ! -e "$JOURNAL" ]
}

# installed_ok FOLDER [--but-the-program]: every entry of the update lies
# there byte for byte (but the first, tx3.exe, when asked).
installed_ok() {
  local body name
  for body in "$E2E_WORK"/bodies/*; do
    name=${body##*/}
    [ "$name" = tx3.exe ] && [ -n "${2:-}" ] && continue
    cmp -s "$body" "$1/$(entry_place "$name")" || { echo "differs: $name" >&2; return 1; }
  done
}

# The registry's "Version" in the 32-bit view.
recorded_version() {
  "$WINE" reg query "$GAME_KEY" /v Version /reg:32 2>/dev/null </dev/null |
    sed -n 's/.*Version[[:space:]]*REG_SZ[[:space:]]*//p' | tr -d '\r'
}

# find_client: the screen position of the window's client area. The X window
# includes the frame Wine draws: equal borders left, right and below.
find_client() {
  local id
  id=$(xdotool search --onlyvisible --name "^$TITLE\$" 2>/dev/null | head -n1)
  [ -n "$id" ] || return 1
  eval "$(xdotool getwindowgeometry --shell "$id")"
  local border=$(((WIDTH - 550 * SCALE) / 2))
  CLIENT_X=$((X + border))
  CLIENT_Y=$((Y + HEIGHT - 350 * SCALE - border))
}

# start_wizard: starts the installer in $UPDATE, finds its client area and
# waits until it shows the language page (whose controls are then in SLOT_*).
start_wizard() {
  e2e_start "$UPDATE"
  e2e_wait_window "$TITLE" 20 && sleep 0.3 && find_client && wait_page 0 0 "" "c:\\tx3demo"
}

# scene PAGE LANGUAGE VERSION FOLDER [TABS]: draws the page into
# $E2E_WORK/page_PAGE.rgb, with the focus moved TABS times by Tab, and sets
# SLOT_X[i], SLOT_Y[i] to the middle of each control, SLOT_BOX[i] to its
# "x y width height", BOX_X, BOX_Y and BOX_W to the progress bar's or the
# entry box's place.
scene() {
  SCENE_FILE=$E2E_WORK/page_$1.rgb
  SLOT_X=() SLOT_Y=() SLOT_BOX=()
  local slot kind x y w h
  while read -r slot kind x y w h; do
    [ "$slot" = box ] && BOX_X=$kind BOX_Y=$x BOX_W=$y && continue
    SLOT_BOX[$slot]="$x $y $w $h"
    SLOT_X[$slot]=$((x + w / 2))
    SLOT_Y[$slot]=$((y + h / 2))
  # Wine's drive Z: is the root folder.
  done < <(cd "$UPDATE" && "$WINE" "$PAGE_SHOTS" . --page "$1" "$2" "$3" "$4" \
    "Z:${SCENE_FILE//\//\\}" ${5:-} 2>/dev/null </dev/null | tr -d '\r')
}

# shows FILE [--ignore X0 Y0 X1 Y1]: true when the window shows exactly that
# drawn page, outside the ignored rectangle; else the difference is in
# $E2E_WORK/compare.log.
shows() {
  python3 "$E2E_HERE/screen_compare.py" "$CLIENT_X" "$CLIENT_Y" "$@" --scale "$SCALE" \
    >"$E2E_WORK/compare.log"
}

# missed FILE: tells how the screen differed from that page at the last look.
missed() {
  echo "$(basename "$1"): $(cat "$E2E_WORK/compare.log")" >&2
  return 1
}

# wait_page PAGE LANGUAGE VERSION FOLDER [TABS]: waits until the window shows
# exactly that page, with the focus moved TABS times by Tab.
wait_page() {
  scene "$@"
  e2e_poll 6 shows "$SCENE_FILE" || missed "$SCENE_FILE"
}

# catch_scene FILE [--ignore ...]: for a page shown only briefly (while the
# update is copied). Stop the installer (kill -STOP) right after the click
# that leads there: it then runs in short slices, and the screen is compared
# while it is stopped, so no page can slip by between two pictures. (A click
# made while it is stopped would arrive as press and release in one turn.)
catch_scene() {
  e2e_poll 20 slice_shows "$@"
  local caught=$?
  kill -CONT "$E2E_PID"
  [ $caught = 0 ] || missed "$1"
}

# slice_then COMMAND...: lets the stopped installer run a moment (SLICE
# seconds, 0.02 unless set), then runs the command while it is stopped again.
slice_then() {
  kill -CONT "$E2E_PID"
  sleep "${SLICE:-0.02}"
  kill -STOP "$E2E_PID"
  "$@"
}

# slice_shows FILE [--ignore ...]: compares once what the installer drew in a
# slice of its run has reached the display.
slice_shows() { slice_then sleep 0.05 && shows "$@"; }

# stop_while_staging: lets the stopped installer run in slices (half a minute
# at most) until it has staged a file, and leaves it stopped there.
stop_while_staging() {
  local slices=1500
  until leftovers "$GAME"; do
    [ $((slices -= 1)) -gt 0 ] && slice_then true || return 1
  done
}

# click SLOT: presses and releases the left button over the control.
click() {
  xdotool mousemove $((CLIENT_X + SLOT_X[$1] * SCALE)) $((CLIENT_Y + SLOT_Y[$1] * SCALE))
  sleep 0.1
  xdotool mousedown 1
  sleep 0.1
  xdotool mouseup 1
}

# after_click SLOT COMMAND..., after_key KEY COMMAND...: clicks the control
# or presses the key, then runs the command (a check of what follows).
after_click() { click "$1" && shift && "$@"; }
after_key() { xdotool key "$1" && shift && "$@"; }
