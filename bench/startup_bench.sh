#!/usr/bin/env bash
# Start-up of the player next to a bare window with a web view, in turns on one
# virtual screen; prints the median of each and their ratio. A run that fails
# or prints no time fails the whole benchmark: it has no time to count.
set -euo pipefail
build="${1:-build}"
rounds="${2:-7}"
bench="$build/bench/startup_bench"
fail() { echo "startup_bench.sh: $1" >&2; exit 1; }
[ "$rounds" -ge 1 ] 2>/dev/null || fail "rounds must be a number of at least 1, not '$rounds'"
[ -x "$bench" ] || fail "no $bench"
times="$(xvfb-run -a -s "-screen 0 1280x800x24" bash -c '
  set -uo pipefail
  for i in $(seq "$2"); do
    for side in player bare; do
      ms="$("$1" "$side" 2>/dev/null | tail -n 1)" || { echo "startup_bench.sh: the $side start-up failed" >&2; exit 1; }
      [[ "$ms" =~ ^[0-9]+(\.[0-9]+)?$ ]] || { echo "startup_bench.sh: the $side start-up printed no time" >&2; exit 1; }
      echo "$side $ms"
    done
  done' _ "$bench" "$rounds")" || exit 1
echo "$times" | sort -k1,1 -k2,2n | awk '
  { v[$1, ++n[$1]] = $2 }
  END {
    p = v["player", int((n["player"] + 1) / 2)]; b = v["bare", int((n["bare"] + 1) / 2)]
    printf "player start-up: %.1f ms (median)\nbare web view window: %.1f ms (median)\nratio: %.2f\n", p, b, p / b
  }'
