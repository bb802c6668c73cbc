# A private X display for programs under Wine. Source it, then call
# xvfb_start [WIDTHxHEIGHT, 1024x768 unless given]; it exports DISPLAY and
# sets XVFB_PID. xvfb_stop ends it.

xvfb_start() {
  local size=${1:-1024x768} fd_file
  fd_file=$(mktemp)
  # -displayfd picks a free display number, so two runs never collide.
  Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp 3>"$fd_file" >/dev/null 2>&1 &
  XVFB_PID=$!
  local tries=0
  while [ ! -s "$fd_file" ] && [ $tries -lt 100 ]; do sleep 0.05; tries=$((tries + 1)); done
  if [ ! -s "$fd_file" ]; then
    echo "Xvfb did not start" >&2
    rm -f "$fd_file"
    return 1
  fi
  export DISPLAY=":$(head -n1 "$fd_file")"

  rm -f "$fd_file"
}

xvfb_stop() {
  [ -n "${XVFB_PID:-}" ] && kill "$XVFB_PID" 2>/dev/null && wait "$XVFB_PID" 2>/dev/null
  XVFB_PID=
}
