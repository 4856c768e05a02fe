#!/usr/bin/env bash
# Seeks of a paused pair until both views show the target frame, next to
# mpv's own exact seek: 1920x1080 H.264 (1 s between key frames) + 1280x720,
# and 3840x2160 HEVC + 1920x1080.
set -euo pipefail
build="${1:-build}"
seconds="${2:-20}"
. "$(dirname "$0")/pairs.sh"
run() {
  DUALDASH_AUDIO_OUTPUT=null xvfb-run -a -s "-screen 0 1280x800x24" "$build/bench/seek_bench" "$work/$1" 2>&1 |
    grep -v -e "^\[" -e "^QStandardPaths" -e "^Sandboxing" -e "^libva" -e "VDPAU" || true
}
[ -n "${UHD_ONLY:-}" ] || { make_pair hd 1920x1080 1280x720 && run hd; }
[ -n "${HD_ONLY:-}" ] || { make_pair uhd 3840x2160 1920x1080 --hevc && run uhd; }
