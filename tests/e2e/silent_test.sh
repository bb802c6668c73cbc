#!/usr/bin/env bash
# Unattended runs of the real tx3inst.exe: /silent updates a registered game
# without window, box or readme and ends with an exit code that tells what
# happened; -pack /silent packs without a box.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/wizard_lib.sh"

UPDATE=$E2E_WORK/update
make_update "$UPDATE"
record_shell_opens
make_game 'C:\tx3e2e\silent game' Release
LOG="$UPDATE/silent log.txt"

# run_silent ARGS...: runs the installer in the update's folder and waits.
run_silent() {
  e2e_start "$UPDATE" /silent "/log=silent log.txt" "$@"
  e2e_wait_exit
}

# The game's files and their contents, to tell whether a run touched them.
game_files() { (cd "$GAME" && find . -type f -exec md5sum {} + | sort); }

# --- A damaged update.dat: exit code 3, no file touched.
cp "$UPDATE/update.dat" "$E2E_WORK/whole.dat"
truncate -s -1 "$UPDATE/update.dat"
before=$(game_files)
run_silent /lang=fra
check "a damaged update.dat gives exit code 3" [ "$E2E_EXIT" = 3 ]
check "no file of the game is touched" [ "$(game_files)" = "$before" ]
check "the log says why" grep -q "source check failed: file update.dat: " "$LOG"
cp "$E2E_WORK/whole.dat" "$UPDATE/update.dat"

# --- A folder missing in the game: exit code 4, the system's reason logged.
rm -rf "$GAME/data"
run_silent /LANG=FRA
check "a failed write gives exit code 4" [ "$E2E_EXIT" = 4 ]
check "the log names the entry, the file and the system's reason" \
  grep -qE 'write failed: entry euro\.cfg, file C:\\tx3e2e\\silent game\\data\\euro\.cfg: [A-Za-z]' "$LOG"
mkdir -p "$GAME/data"

# --- The whole update in French.
mkdir -p "$GAME/qstart"
echo old >"$GAME/qstart/league.qst"
run_silent -lang=fra
check "exit code 0" [ "$E2E_EXIT" = 0 ]
check "no window of class main" not e2e_created_main_window
check "no message box" [ -z "$(e2e_boxes)" ]
check "every entry installed byte for byte" installed_ok "$GAME"
check "the French readme is moved in" cmp -s <(echo "readme fra") "$GAME/readme.txt"
check "the quick-start file is deleted" [ ! -e "$GAME/qstart/league.qst" ]
check "the new version is recorded in the 32-bit view" \
  [ "$(recorded_version)" = 'Version 3.03e (ENG,FRA,POR,ITA)' ]
check "the log ends with the exit code" [ "$(tail -n1 "$LOG" | tr -d '\r' | cut -d' ' -f3-)" = "exit code 0" ]
check "the log names the language" grep -q "language: fra" "$LOG"
sleep 1
check "nothing opened" [ ! -s "$OPENED" ]

# --- Packing without a box: 0, then 3 with a loose file missing.
PACK=$E2E_WORK/pack
python3 "$e2e_root/tools/make_demo_update.py" "$PACK" --expect "$E2E_WORK/expected.dat"
e2e_start "$PACK" -pack /silent
check "the packer ends" e2e_wait_exit
check "packing gives exit code 0" [ "$E2E_EXIT" = 0 ]
check "update.dat is exact" cmp -s "$PACK/update.dat" "$E2E_WORK/expected.dat"
check "no box after packing" [ -z "$(e2e_boxes)" ]
rm "$PACK/stadium.dat"
e2e_start "$PACK" /SILENT x-packed
check "the packer ends after failing" e2e_wait_exit
check "a missing file gives exit code 3" [ "$E2E_EXIT" = 3 ]
check "no box after failing" [ -z "$(e2e_boxes)" ]
check "no window of class main while packing" not e2e_created_main_window
check "update.dat is unchanged" cmp -s "$PACK/update.dat" "$E2E_WORK/expected.dat"
e2e_finish
