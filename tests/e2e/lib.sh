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

fail() {
  echo "FAIL: $*" >&2
  E2E_FAILURES=$((E2E_FAILURES + 1))
}

check() {
  local what=$1
  shift
  if "$@"; then echo "ok: $what"; else fail "$what"; fi
}

not() { ! "$@"; }

# e2e_start FOLDER ARGS...: starts the installer in FOLDER. Wine's trace tells
# which message boxes and windows it created.
e2e_start() {
  local folder=$1
  shift
  E2E_LOG=$E2E_WORK/trace.log
  (cd "$folder" && WINEDEBUG=trace+msgbox,trace+win exec "$WINE" "$INSTALLER" "$@" \
    >"$E2E_WORK/stdout.log" 2>"$E2E_LOG" </dev/null) &
  E2E_PID=$!
}

# e2e_wait_window NAME [SECONDS, 60 unless given]: waits until a window titled NAME is shown.
e2e_wait_window() {
  local name=$1 limit=$(( ${2:-60} * 10 )) tries=0
  until xdotool search --onlyvisible --name "^$name\$" >/dev/null 2>&1; do
    tries=$((tries + 1))
    [ $tries -ge $limit ] && return 1
    sleep 0.1
  done
}

# e2e_answer_box CAPTION: waits for a message box and presses its OK button.
e2e_answer_box() {
  e2e_wait_window "$1" || return 1
  sleep 0.2
  xdotool key Return
}

# e2e_wait_exit [SECONDS, 60 unless given]: waits for the installer to end; sets E2E_EXIT.
e2e_wait_exit() {
  local limit=$(( ${1:-60} * 10 )) tries=0
  while kill -0 "$E2E_PID" 2>/dev/null; do
    tries=$((tries + 1))
    if [ $tries -ge $limit ]; then
      kill "$E2E_PID" 2>/dev/null
      E2E_EXIT=timeout
      return 1
    fi
    sleep 0.1
  done
  wait "$E2E_PID"
  E2E_EXIT=$?
  E2E_PID=
}

# The texts of the message boxes shown, one per line.
e2e_boxes() { sed -n 's/.*MSGBOX_OnInit L"\(.*\)"$/\1/p' "$E2E_LOG"; }

e2e_boxes_mention() { e2e_boxes | grep -q "$1"; }

# True when a window of class "main" was created.
e2e_created_main_window() { grep -q 'WIN_CreateWindowEx .* L"main"' "$E2E_LOG"; }

e2e_finish() {
  if [ $E2E_FAILURES -ne 0 ]; then
    echo "$E2E_FAILURES check(s) failed"
    exit 1
  fi
  echo "all checks passed"
}
