#!/usr/bin/env bash
# Unattended updates of the real tx3inst.exe: /silent updates a registered
# game without window, box or readme and ends with an exit code that tells
# what happened.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/wizard_lib.sh"
make_update
SILENT_DIR='C:\tx3e2e\silent game'
make_game "$SILENT_DIR" Release
LOG="$UPDATE/silent log.txt"

# silent CODE ARGS...: runs the installer silently in the update's folder;
# true when it ends with exit code CODE.
silent() {
  e2e_start "$UPDATE" /silent "/log=silent log.txt" "${@:2}"
  e2e_exits "$1"
}

# The game's files and their contents, to tell whether a run touched them.
game_files() { (cd "$GAME" && find . -type f -exec md5sum {} + | sort); }

# --- A damaged update.dat: exit code 3, no file touched.
cp "$UPDATE/update.dat" "$E2E_WORK/whole.dat"
truncate -s -1 "$UPDATE/update.dat"
before=$(game_files)
check "a damaged update.dat gives exit code 3" silent 3 /lang=fra
check "no file of the game is touched" [ "$(game_files)" = "$before" ]
check "the log says why" grep -q "source check failed: file update.dat: " "$LOG"
cp "$E2E_WORK/whole.dat" "$UPDATE/update.dat"
check "a log in place of update.dat is not understood" silent 5 '/log=.\UPDATE.DAT.'
check "update.dat is left as it was" cmp -s "$UPDATE/update.dat" "$E2E_WORK/whole.dat"

# --- A folder missing in the game: exit code 4, the system's reason logged.
rm -rf "$GAME/data"
check "a failed write gives exit code 4" silent 4 /LANG=FRA
check "the log names the entry, the file and the system's reason" \
  grep -qE 'write failed: entry euro\.cfg, file C:\\tx3e2e\\silent game\\data\\euro\.cfg: [A-Za-z]' "$LOG"

# --- The whole update in French.
make_game "$SILENT_DIR" Release --quick-start
check "the whole update gives exit code 0" silent 0 -lang=fra
check "no window of class main" not e2e_created_main_window
check "no message box" [ -z "$(e2e_boxes)" ]
check "every entry installed byte for byte" installed_ok "$GAME"
check "the French readme is moved in" cmp -s <(echo "readme fra") "$GAME/readme.txt"
check "the quick-start file is deleted" [ ! -e "$GAME/qstart/league.qst" ]
check "the new version is recorded in the 32-bit view" [ "$(recorded_version)" = "$NEW" ]
check "the log ends with the exit code" [ "$(tail -n1 "$LOG" | tr -d '\r' | cut -d' ' -f3-)" = "exit code 0" ]
check "the log names the language" grep -q "language: fra" "$LOG"
sleep 1
check "nothing opened" [ ! -s "$OPENED" ]

# --- The usage, with standard output redirected to a file.
e2e_start "$UPDATE" /silent /?
check "the usage ends with exit code 0" e2e_exits 0
check "the usage is written to the redirected output" grep -q keepquickstart "$E2E_WORK/stdout.log"
e2e_finish
