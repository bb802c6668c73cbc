# Helpers for making an update and a game, and for driving the wizard's
# window. Source after lib.sh; the third argument of a test script that
# compares pages is page_shots.exe, which draws the page the window should
# show.
PAGE_SHOTS=${3:-}
E2E_HERE=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
GAME_KEY='HKLM\Software\Quorvane Studios Ltd\Tarvex League 3'
TITLE='Tarvex League 3 Update'
# How many screen pixels wide and high the window shows each page pixel.
SCALE=1

# make_update FOLDER: the update as it is shipped: update.dat, the readmes
# and the fonts (scale as for make_demo_update.py).
make_update() {
  local folder=$1 scale=${2:-1}
  python3 "$e2e_root/tools/make_demo_update.py" "$folder/loose" --scale "$scale" \
    --expect "$folder/update.dat"
  cp -r "$folder/loose" "$E2E_WORK/bodies"
  rm -rf "$folder/loose"
  for code in eng esp fra ita nor por sve; do echo "readme $code" >"$folder/readme_$code.txt"; done
  cp "$e2e_root"/data/fonts/*.fnt "$folder/"
}

# make_game WINDOWS_FOLDER VERSION: a game installation registered in the
# registry's 32-bit view, as the game's own 32-bit setup leaves it.
make_game() {
  local folder=$1 version=$2
  local unix
  unix=$("$WINE" winepath -u "$folder" 2>/dev/null </dev/null)
  rm -rf "$unix"
  mkdir -p "$unix/data" "$unix/pictures"
  echo "old program" >"$unix/tx3.exe"
  echo "old cache" >"$unix/tx3.icd"
  GAME=$unix
  "$WINE" reg delete "$GAME_KEY" /f /reg:32 >/dev/null 2>&1 </dev/null
  "$WINE" reg add "$GAME_KEY" /v Version /d "$version" /f /reg:32 >/dev/null 2>&1 </dev/null
  "$WINE" reg add "$GAME_KEY" /v Location /d "$folder" /f /reg:32 >/dev/null 2>&1 </dev/null
}

# installed_ok FOLDER [FIRST]: every entry of the update from FIRST on lies
# there byte for byte.
installed_ok() {
  local folder=$1 first=${2:-0} index name destination
  while read -r index name destination; do
    [ "$index" -lt "$first" ] && continue
    cmp -s "$E2E_WORK/bodies/$name" "$folder$destination$name" || { echo "differs: $name" >&2; return 1; }
  done < <(python3 - "$e2e_root" <<'PY'
import sys
sys.path.insert(0, sys.argv[1] + "/tools")
from make_demo_update import ENTRIES, README
for index, name in enumerate(ENTRIES):
    if index != README:
        print(index, name, "/" if index in (0, 35) else "/pictures/" if name == "pics.cfg" else "/data/")
PY
)
}

# The registry's "Version" in the 32-bit view.
recorded_version() {
  "$WINE" reg query "$GAME_KEY" /v Version /reg:32 2>/dev/null </dev/null |
    sed -n 's/.*Version[[:space:]]*REG_SZ[[:space:]]*//p' | tr -d '\r'
}

# Every document opened with the shell is written to C:\opened.txt.
record_shell_opens() {
  OPENED=$("$WINE" winepath -u 'C:\opened.txt' 2>/dev/null </dev/null)
  rm -f "$OPENED"
  "$WINE" reg add 'HKCR\.txt' /ve /d txtfile /f >/dev/null 2>&1 </dev/null
  "$WINE" reg add 'HKCR\txtfile\shell\open\command' /ve \
    /d 'C:\windows\system32\cmd.exe /c echo %1>>C:\opened.txt' /f >/dev/null 2>&1 </dev/null
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

# start_wizard: starts the installer in $UPDATE and finds its client area.
start_wizard() {
  e2e_start "$UPDATE"
  e2e_wait_window "$TITLE" 20 && sleep 0.3 && find_client
}

# scene PAGE LANGUAGE VERSION FOLDER [TABS]: draws the page into
# $E2E_WORK/page_N.rgb, with the focus moved TABS times by Tab,
# and sets SLOT_X[i], SLOT_Y[i] to the middle of each control, SLOT_BOX[i] to
# its "x y width height", BOX_X, BOX_Y and BOX_W to the progress bar's or the
# entry box's place.
scene() {
  local page=$1
  SCENE_FILE=$E2E_WORK/page_$page.rgb
  SLOT_X=() SLOT_Y=() SLOT_BOX=()
  local slot kind x y w h
  while read -r slot kind x y w h; do
    if [ "$slot" = box ]; then
      BOX_X=$kind BOX_Y=$x BOX_W=$y
      continue
    fi
    SLOT_BOX[$slot]="$x $y $w $h"
    SLOT_X[$slot]=$((x + w / 2))
    SLOT_Y[$slot]=$((y + h / 2))
  # Wine's drive Z: is the root folder.
  done < <(cd "$UPDATE" && "$WINE" "$PAGE_SHOTS" . --page "$1" "$2" "$3" "$4" \
    "Z:${SCENE_FILE//\//\\}" ${5:-} 2>/dev/null </dev/null | tr -d '\r')
}

# wait_page PAGE LANGUAGE VERSION FOLDER [--ignore X0 Y0 X1 Y1]: waits until
# the window shows exactly that page, outside the ignored rectangle.
wait_page() {
  scene "$1" "$2" "$3" "$4"
  local page=$1
  shift 4
  wait_scene "$E2E_WORK/page_$page.rgb" "$@"
}

# wait_focused PAGE LANGUAGE VERSION FOLDER TABS: the same with the focus
# moved TABS times by Tab.
wait_focused() {
  scene "$@"
  wait_scene "$E2E_WORK/page_$1.rgb"
}

# wait_scene FILE [--ignore ...]: the same for a page drawn before.
wait_scene() {
  local file=$1 tries=0
  shift
  until python3 "$E2E_HERE/screen_compare.py" "$CLIENT_X" "$CLIENT_Y" "$file" --scale "$SCALE" "$@" \
    >"$E2E_WORK/compare.log"; do
    tries=$((tries + 1))
    if [ $tries -ge 30 ]; then
      echo "$(basename "$file"): $(cat "$E2E_WORK/compare.log")" >&2
      return 1
    fi
    sleep 0.2
  done
}

# catch_scene FILE [--ignore ...]: for a page shown only briefly (while the
# update is copied). Stop the installer (kill -STOP) right after the click
# that leads there: it then runs in short slices, and the screen is compared
# while it is stopped, so no page can slip by between two pictures. (A click
# made while it is stopped would arrive as press and release in one turn.)
catch_scene() {
  local file=$1 slices=0 same
  shift
  while [ $slices -lt 200 ]; do
    kill -CONT "$E2E_PID"
    sleep 0.02
    kill -STOP "$E2E_PID"
    sleep 0.05  # what the installer drew reaches the display
    python3 "$E2E_HERE/screen_compare.py" "$CLIENT_X" "$CLIENT_Y" "$file" --scale "$SCALE" "$@" \
      >"$E2E_WORK/compare.log"
    same=$?
    if [ $same = 0 ]; then
      kill -CONT "$E2E_PID"
      return 0
    fi
    slices=$((slices + 1))
  done
  kill -CONT "$E2E_PID"
  echo "$(basename "$file"): $(cat "$E2E_WORK/compare.log")" >&2
  return 1
}

# click SLOT: presses and releases the left button over the control.
click() {
  xdotool mousemove $((CLIENT_X + SLOT_X[$1] * SCALE)) $((CLIENT_Y + SLOT_Y[$1] * SCALE))
  sleep 0.1
  xdotool mousedown 1
  sleep 0.1
  xdotool mouseup 1
}
