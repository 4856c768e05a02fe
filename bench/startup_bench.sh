#!/usr/bin/env bash
# Start-up of the player next to a bare window with a web view, in turns on one
# virtual screen; prints the median of each and their ratio.
set -euo pipefail
build="${1:-build}"
rounds="${2:-7}"
xvfb-run -a -s "-screen 0 1280x800x24" bash -c '
  for i in $(seq '"$rounds"'); do
    echo "player $("'"$build"'/bench/startup_bench" player 2>/dev/null | tail -n 1)"
    echo "bare $("'"$build"'/bench/startup_bench" bare 2>/dev/null | tail -n 1)"
  done' | sort -k1,1 -k2,2n | awk '
  { v[$1, ++n[$1]] = $2 }
  END {
    p = v["player", int((n["player"] + 1) / 2)]; b = v["bare", int((n["bare"] + 1) / 2)]
    printf "player start-up: %.1f ms (median)\nbare web view window: %.1f ms (median)\nratio: %.2f\n", p, b, p / b
  }'
