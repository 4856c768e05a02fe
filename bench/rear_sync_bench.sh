#!/usr/bin/env bash
# A three-minute front and rear pair played in the window; prints how far the
# rear strays from the front.
set -euo pipefail
build="${1:-build}"
seconds="${2:-180}"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
"$build/tools/mkrec" route "$work/route.csv" --seconds "$seconds"
"$build/tools/mkrec" video "$work/front.mov" --seconds "$seconds" --size 640x360
"$build/tools/mkrec" video "$work/rear.mov" --seconds "$seconds" --size 320x240 --rear
mkdir "$work/pair"
"$build/tools/mkrec" mov "$work/pair/A60514081500_0001.MOV" --layout generic --video "$work/front.mov" --route "$work/route.csv"
"$build/tools/mkrec" mov "$work/pair/B60514081500_0002.MOV" --layout generic --video "$work/rear.mov" --route "$work/route.csv"
DUALDASH_AUDIO_OUTPUT=null xvfb-run -a -s "-screen 0 1280x800x24" "$build/bench/rear_sync_bench" "$work/pair" 2>/dev/null
