#!/usr/bin/env bash
# The wizard's responsiveness under Wine, on a warm prefix: the time from
# launching tx3inst.exe until its first page is on the screen, and from the
# click on "Next >" until the last page (the quick-start question) is, for an
# update of about 200 MiB. Median of a few runs.
#
#   bench/wizard_wine_timing.sh [RUNS]     (default 3)
#
# Builds the windows preset's installer and page drawer first; uses a prefix
# of its own under build/windows and, without a display, its own Xvfb.
set -u
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
runs=${1:-3}
cd "$root"
cmake --preset windows >/dev/null || exit 1
cmake --build --preset windows -j2 --target tx3inst page_shots >/dev/null || exit 1

set -- "$root/build/windows/app/tx3inst.exe" "$root/build/windows/timing-prefix" \
  "$root/build/windows/tools/page_shots/page_shots.exe"
source tests/e2e/lib.sh
source tests/e2e/wizard_lib.sh

GAME_DIR='C:\tx3timing'
echo "== Making an update of about 200 MiB"
make_update 43
du -sh "$UPDATE/update.dat"
scene 0 0 "" "c:\\tx3demo"
language=("${SLOT_X[1]}" "${SLOT_Y[1]}")
cp "$E2E_WORK/page_0.rgb" "$E2E_WORK/first.rgb"
scene 2 0 "$INSTALLED" "$GAME_DIR"
next=("${SLOT_X[4]}" "${SLOT_Y[4]}")
scene 7 0 "$INSTALLED" "$GAME_DIR"
cp "$E2E_WORK/page_7.rgb" "$E2E_WORK/last.rgb"

now() { date +%s.%N; }
seconds_between() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.3f", b - a }'; }
# until_shown FILE: polls the screen until it shows the page, with a short
# pause between pictures so that grabbing the screen does not starve the
# display server the installer draws through.
until_shown() {
  local tries=0
  until shows "$1"; do
    tries=$((tries + 1))
    [ $tries -ge 600 ] && return 1
    sleep 0.02
  done
}
press() {
  xdotool mousemove $((CLIENT_X + $1)) $((CLIENT_Y + $2))
  xdotool mousedown 1
  sleep 0.1
  xdotool mouseup 1
}

# One run first to warm the prefix and the page cache; it is not counted.
launch_times=() install_times=()
for run in $(seq 0 "$runs"); do
  make_game "$GAME_DIR" Release --quick-start
  echo "readme eng" >"$UPDATE/readme_eng.txt"
  start=$(now)
  e2e_start "$UPDATE"
  until xdotool search --onlyvisible --name "^$TITLE\$" >/dev/null 2>&1; do :; done
  find_client
  until_shown "$E2E_WORK/first.rgb" || { echo "the first page never showed" >&2; exit 1; }
  shown=$(now)
  press "${language[@]}"
  sleep 1
  press "${next[@]}"
  clicked=$(now)
  until_shown "$E2E_WORK/last.rgb" || { echo "the last page never showed" >&2; exit 1; }
  done_at=$(now)
  xdotool key Escape
  e2e_wait_exit
  if [ "$run" -gt 0 ]; then
    launch_times+=("$(seconds_between "$start" "$shown")")
    install_times+=("$(seconds_between "$clicked" "$done_at")")
  fi
done

median() { printf '%s\n' "$@" | sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }
echo "launch to first page:  median $(median "${launch_times[@]}") s over $runs runs (target under 1 s)"
echo "  runs: ${launch_times[*]}"
echo "Next to last page:     median $(median "${install_times[@]}") s over $runs runs"
echo "  runs: ${install_times[*]}"
echo "(each includes up to one screen comparison, about 0.1 s, to notice the page)"
