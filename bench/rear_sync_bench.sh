#!/usr/bin/env bash
# Front and rear pairs with their frame numbers burnt in, played in the window;
# prints how many frames the rear picture is from the front one, read from the
# screen, at 1920x1080 + 1280x720 (H.264) and at 3840x2160 (HEVC) + 1920x1080.
set -euo pipefail
build="${1:-build}"
seconds="${2:-30}"
. "$(dirname "$0")/pairs.sh"
run() { DUALDASH_AUDIO_OUTPUT=null xvfb-run -a -s "-screen 0 1280x800x24" "$build/bench/rear_sync_bench" "$work/$1" 2>/dev/null; }
make_pair hd 1920x1080 1280x720 && run hd
[ -n "${HD_ONLY:-}" ] || { make_pair uhd 3840x2160 1920x1080 --hevc && run uhd; }
