# End-to-end helpers: run the real installer under Wine on an X display and
# answer what it shows. Source it from a test script with the path of
# tx3inst.exe and the Wine prefix as the script's first two arguments.
set -u
e2e_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
source "$e2e_root/scripts/lib/wine.sh"
source "$e2e_root/scripts/lib/xvfb.sh"

INSTALLER=$1
export WINEPREFIX=$2
E2E_WORK=$(mktemp -d)
E2E_FAILURES=0
XVFB_PID=  # only a display this script started is stopped at the end

e2e_cleanup() {
  [ -n "${E2E_PID:-}" ] && kill "$E2E_PID" 2>/dev/null
  wine_stop_prefix "$WINEPREFIX"
  xvfb_stop
  rm -rf "$E2E_WORK"
}
trap e2e_cleanup EXIT

wine_prepare_prefix "$WINEPREFIX" || { echo "cannot prepare $WINEPREFIX" >&2; exit 1; }
# Without a display of the caller's, the test brings its own, of E2E_SCREEN's
# size when the test sets it.
[ -n "${DISPLAY:-}" ] || xvfb_start ${E2E_SCREEN:-} || exit 1

check() {
  "${@:2}" && echo "ok: $1" && return
  echo "FAIL: $1" >&2
  E2E_FAILURES=$((E2E_FAILURES + 1))
}

not() { ! "$@"; }

# e2e_start FOLDER ARGS...: starts the installer in FOLDER. Wine's trace tells
# which message boxes and windows it created.
e2e_start() {
  E2E_LOG=$E2E_WORK/trace.log
  (cd "$1" && shift && WINEDEBUG=trace+msgbox,trace+win exec "$WINE" "$INSTALLER" "$@" \
    >"$E2E_WORK/stdout.log" 2>"$E2E_LOG" </dev/null) &
  E2E_PID=$!
}

# e2e_poll SECONDS COMMAND...: tries the command every tenth of a second
# until it succeeds; false when it still fails after SECONDS (counting the
# pauses alone).
e2e_poll() {
  local tries=$(($1 * 10))
  shift
  until "$@"; do
    tries=$((tries - 1))
    [ $tries -gt 0 ] || return 1
    sleep 0.1
  done
}

e2e_window_shown() { xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1; }

# e2e_wait_window NAME [SECONDS, 60 unless given]: waits until a window titled NAME is shown.
e2e_wait_window() { e2e_poll "${2:-60}" e2e_window_shown "$1"; }

# e2e_answer_box CAPTION: waits for a message box and presses its OK button.
e2e_answer_box() { e2e_wait_window "$1" && sleep 0.2 && xdotool key Return; }

# e2e_wait_exit [SECONDS, 60 unless given]: waits for the installer to end; sets E2E_EXIT.
e2e_wait_exit() {
  E2E_EXIT=timeout
  e2e_poll "${1:-60}" not kill -0 "$E2E_PID" 2>/dev/null || { kill "$E2E_PID" 2>/dev/null; return 1; }
  wait "$E2E_PID"
  E2E_EXIT=$?
  E2E_PID=
}

# e2e_exits CODE: waits for the installer to end; true when it ended with CODE.
e2e_exits() {
  e2e_wait_exit
  [ "$E2E_EXIT" = "$1" ] || { echo "exit code $E2E_EXIT, not $1" >&2; return 1; }
}

# The texts of the message boxes shown, one per line.
e2e_boxes() { sed -n 's/.*MSGBOX_OnInit L"\(.*\)"$/\1/p' "$E2E_LOG"; }

# True when a window of class "main" was created.
e2e_created_main_window() { grep -q 'WIN_CreateWindowEx .* L"main"' "$E2E_LOG"; }

e2e_finish() {
  [ $E2E_FAILURES = 0 ] || { echo "$E2E_FAILURES check(s) failed" && exit 1; }
  echo "all checks passed"
}
