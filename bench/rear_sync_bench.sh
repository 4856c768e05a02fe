#!/usr/bin/env bash
# Front and rear pairs with their frame numbers burnt in, played in the window;
# prints how many frames the rear picture is from the front one, read from the
# screen, at 1920x1080 + 1280x720 (H.264) and at 3840x2160 (HEVC) + 1920x1080.
# RATE=3 (or 2, 8) plays the pairs at that speed.
set -euo pipefail
build="${1:-build}"
seconds="${2:-30}"
. "$(dirname "$0")/pairs.sh"
fail() { echo "rear_sync_bench.sh: $1" >&2; exit 1; }
# The players' and Qt's chatter left out; the benchmark's own complaints kept.
run() {
  DUALDASH_AUDIO_OUTPUT=null xvfb-run -a -s "-screen 0 1280x800x24" "$build/bench/rear_sync_bench" --rate "${RATE:-1}" "$work/$1" 2>&1 |
    { grep -v -e "^\[" -e "^QStandardPaths" -e "^Sandboxing" -e "^libva" -e "VDPAU" || true; }
}
make_pair hd 1920x1080 1280x720
run hd || fail "the hd pair failed"
if [ -z "${HD_ONLY:-}" ]; then
  make_pair uhd 3840x2160 1920x1080 --hevc
  run uhd || fail "the uhd pair failed"
fi
