#!/usr/bin/env bash
# Seeks of a paused pair until both views show the target frame, next to
# mpv's own exact seek: 1920x1080 H.264 (1 s between key frames) + 1280x720,
# and 3840x2160 HEVC + 1920x1080.
set -euo pipefail
build="${1:-build}"
seconds="${2:-20}"
. "$(dirname "$0")/pairs.sh"
fail() { echo "seek_bench.sh: $1" >&2; exit 1; }
# The players' and Qt's chatter left out. grep finding nothing to keep is no
# failure; the benchmark's own status is the pipe's (pipefail).
run() {
  DUALDASH_AUDIO_OUTPUT=null xvfb-run -a -s "-screen 0 1280x800x24" "$build/bench/seek_bench" "$work/$1" 2>&1 |
    { grep -v -e "^\[" -e "^QStandardPaths" -e "^Sandboxing" -e "^libva" -e "VDPAU" || true; }
}
if [ -z "${UHD_ONLY:-}" ]; then
  make_pair hd 1920x1080 1280x720
  run hd || fail "the seeks of the hd pair failed"
fi
if [ -z "${HD_ONLY:-}" ]; then
  make_pair uhd 3840x2160 1920x1080 --hevc
  run uhd || fail "the seeks of the uhd pair failed"
fi
