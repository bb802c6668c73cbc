#!/usr/bin/env bash
# Unattended updates of the real tx3inst.exe: /silent updates a registered
# game without window, box or readme and ends with an exit code that tells
# what happened. An update that cannot finish (a drive too small, a file
# another program holds, a killed process) leaves the game as it was, and
# the next start undoes what a killed one began.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/wizard_lib.sh"
HOLDER=$4
make_update 4 # large enough that staging it takes many turns
SILENT_DIR='C:\tx3e2e\silent game'
make_game "$SILENT_DIR" Release
LOG="$UPDATE/silent log.txt"

# silent_start ARGS...: starts the installer silently in the update's folder,
# with a fresh log.
silent_start() {
  rm -f "$LOG"
  e2e_start "$UPDATE" /silent "/log=silent log.txt" "$@"
}

# silent CODE ARGS...: runs the installer silently; true when it ends with
# exit code CODE.
silent() { silent_start "${@:2}" && e2e_exits "$1"; }

# The installer's Wine process ends at once, as in a crash or a power cut.
kill_installer() { kill -9 "$E2E_PID" && wait "$E2E_PID" 2>/dev/null; E2E_PID=; }

# hold SECONDS: another program holds the game's changes.txt, the last file
# the update puts in place, until SECONDS after the update has staged it.
hold() {
  local target="$SILENT_DIR\\changes.txt"
  "$WINE" "$HOLDER" "$target" "$1" "$target.tx3inst-new" >"$E2E_WORK/holder.log" 2>&1 </dev/null &
  HOLDER_PID=$!
  e2e_poll 20 grep -q held "$E2E_WORK/holder.log"
}
# release: the other program ends and lets the file go.
release() { kill "$HOLDER_PID" && wait "$HOLDER_PID" 2>/dev/null; }

# --- A folder missing in the game: exit code 4, the system's reason logged.
rm -rf "$GAME/data"
check "a failed write gives exit code 4" silent 4 /LANG=FRA
check "the log names the entry, the file and the system's reason" \
  grep -qE 'write failed: entry euro\.cfg, file C:\\tx3e2e\\silent game\\data\\euro\.cfg\.tx3inst-new: [A-Za-z]' "$LOG"

# --- The whole update in French.
make_game "$SILENT_DIR" Release --quick-start
check "the whole update gives exit code 0" silent 0 -lang=fra
check "no window of class main" not e2e_created_main_window
check "no message box" [ -z "$(e2e_boxes)" ]
check "every entry installed byte for byte" installed_ok "$GAME"
check "the French readme is moved in" cmp -s <(echo "readme fra") "$GAME/readme.txt"
check "the new version is recorded in the 32-bit view" [ "$(recorded_version)" = "$NEW" ]

# --- A drive too small for the update (a small tmpfs as drive T:): exit code
# 4 before anything is written; with room the same drive takes the update.
SMALL=$(mktemp -d)
trap 'e2e_cleanup; rm -f "$WINEPREFIX/dosdevices/t:"; umount -l "$SMALL" 2>/dev/null; rmdir "$SMALL"' EXIT
if mount -t tmpfs -o size=2m tmpfs "$SMALL" 2>/dev/null; then
  ln -sfn "$SMALL" "$WINEPREFIX/dosdevices/t:"
  make_old_game 'T:\game'
  check "a drive too small gives exit code 4" silent 4
  check "the game is as it was" as_before
  # Each new file takes whole 4 KiB clusters; 1 MiB more is kept free.
  needed=$((1024 * 1024 + 4096)) # the margin and the English readme
  for body in "$E2E_WORK"/bodies/*; do needed=$((needed + ($(stat -c %s "$body") + 4095) / 4096 * 4096)); done
  check "the log names the drive, the bytes needed and the bytes free" grep -qF \
    "not enough room on T:\\: $needed bytes needed, $(($(stat -f -c '%a * %S' "$SMALL"))) bytes free" "$LOG"
  mount -o remount,size=32m "$SMALL"
  check "with room the same drive takes the update" silent 0
  check "the game there is updated" updated
  echo "readme eng" >"$UPDATE/readme_eng.txt"
else
  echo "skipped: cannot mount tmpfs"
fi

# --- The last file held by another program ten seconds: every file put back
# (read-only marks too), exit code 4, and the update can be run again. Held
# one second: waited for.
make_old_game "$SILENT_DIR"
check "another program holds changes.txt" hold 10
check "a file held ten seconds gives exit code 4" silent 4
check "the game is as it was" as_before
release
check "another program holds changes.txt again" hold 1
check "a file held one second is waited for: exit code 0" silent 0
check "the game is updated" updated

# --- Killed while staging: the next start removes what was staged; the
# update then runs whole.
echo "readme eng" >"$UPDATE/readme_eng.txt"
make_old_game "$SILENT_DIR"
silent_start
kill -STOP "$E2E_PID"
check "the update is staging" stop_while_staging
kill_installer
check "the next start shows the usage" silent 0 /?
check "into the output it was given" grep -q keepquickstart "$E2E_WORK/stdout.log"
check "and has removed the staged files first" grep -q "recovery: .* its staged files are removed" "$LOG"
check "the game is as it was" as_before
check "then the whole update gives exit code 0" silent 0
check "the game is updated" updated
e2e_finish
