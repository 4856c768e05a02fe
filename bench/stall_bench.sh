#!/usr/bin/env bash
# The window's longest stall while the first recording of a 200-recording
# drive opens (the drive made by drive_bench.sh), with a hostile recording
# in the list when mkrec can write one.
set -euo pipefail
build="${1:-build}"
count="${2:-200}"
bench/drive_bench.sh "$build" "$count" 1 > /dev/null
dir="$build/bench/stall"
rm -rf "$dir" && mkdir -p "$dir"
for f in "$build/bench/drive/rec/"*; do ln -s "$(realpath "$f")" "$dir/"; done
if "$build/tools/mkrec" hostile "$dir/A61231235900_9999.MOV" --kind million > /dev/null 2>&1; then
  echo "with a hostile recording in the list"
fi
DUALDASH_AUDIO_OUTPUT=null QT_QPA_PLATFORM=offscreen "$build/bench/stall_bench" "$dir" "${3:-3}"
