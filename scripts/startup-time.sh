#!/usr/bin/env bash
# Times the start of sorvella to a painted main window with a CID font of 65,535 characters
# named on the command line: wall time of the whole process (it ends once painted), median of
# RUNS starts, on the offscreen platform and, when xvfb-run is there, on a virtual X display.
# Usage: startup-time.sh [BUILD_DIR] [RUNS] (defaults build/release, 7).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build/release}" && pwd)
runs=${2:-7}
font="$build/bench-fonts/BIGFONT"
[ -s "$font/BIGFONT.sqf" ] || "$build/bench/sorvella_make_big_font" "$font" >/dev/null
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

median_ms() {  # COMMAND...: runs it $runs times, prints the median wall time in ms
  local times=() start end
  for _ in $(seq "$runs"); do
    start=$(date +%s%N)
    SORVELLA_INI="$work/sorvella.ini" "$@" >/dev/null 2>&1
    end=$(date +%s%N)
    times+=($(( (end - start) / 1000000 )))
  done
  printf '%s\n' "${times[@]}" | sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'
}

app=("$build/src/app/sorvella" --quit-after-paint "$font/BIGFONT.sqf")
echo "offscreen: $(QT_QPA_PLATFORM=offscreen median_ms "${app[@]}") ms"
if command -v xvfb-run >/dev/null; then
  # One X server for all runs, so that its own start is not counted.
  xvfb-run -a -s "-screen 0 1280x900x24" bash -c "$(declare -f median_ms); runs=$runs work=$work; \
    echo \"X11 (Xvfb): \$(median_ms $(printf '%q ' "${app[@]}")) ms\""
fi
