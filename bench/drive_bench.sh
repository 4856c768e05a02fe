#!/usr/bin/env bash
# A drive of 200 one-minute recordings, made once, then drive_bench on it.
set -euo pipefail
build="${1:-build}"
count="${2:-200}"
dir="$build/bench/drive"
if [ ! -f "$dir/done.$count" ]; then
  rm -rf "$dir" && mkdir -p "$dir/rec"
  "$build/tools/mkrec" route "$dir/route.csv" --seconds $((count * 60)) > /dev/null
  "$build/tools/mkrec" video "$dir/v.mov" --seconds 60 --size 64x48 > /dev/null 2>&1 ||
    { echo "drive_bench.sh: mkrec video failed" >&2; exit 1; }
  start=1463213700
  for i in $(seq 0 $((count - 1))); do
    # A + the year's last digit, month, day, time: the front camera's names.
    stamp=$(date -u -d "@$((start + i * 60))" +%y%m%d%H%M%S)
    name=A${stamp:1}_$(printf %04d "$i").MOV
    "$build/tools/mkrec" mov "$dir/rec/$name" --layout generic --video "$dir/v.mov" \
      --route "$dir/route.csv" --from $((i * 60)) --seconds 60 --start $((start + i * 60)) > /dev/null
  done
  touch "$dir/done.$count"
fi
QT_QPA_PLATFORM=offscreen "$build/bench/drive_bench" "$dir/rec" "${3:-7}"
