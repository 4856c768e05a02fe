#!/usr/bin/env bash
# Two recordings (1080p30 front, 720p30 rear) played together for SECONDS in
# DualDash and, in the same run, by two mpv command-line players with X11
# software output at the same window sizes, all on one virtual screen.
set -euo pipefail
build="${1:-build}"
seconds="${2:-20}"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
mkrec="$build/tools/mkrec"
"$mkrec" video "$work/front.mov" --seconds $((seconds + 5)) --size 1920x1080
"$mkrec" video "$work/rear.mov" --seconds $((seconds + 5)) --size 1280x720 --rear

export DUALDASH_AUDIO_OUTPUT=null
xvfb-run -a -s "-screen 0 1280x800x24" "$build/bench/playback_bench" "$work/front.mov" "$work/rear.mov" "$seconds"

cpu_of_mpv() {
  xvfb-run -a -s "-screen 0 1280x800x24" bash -c '
    mpv --no-config --really-quiet --ao=null --vo=x11 --hwdec=no --geometry=680x480+0+0 --autofit=680x480 \
        --length='"$seconds"' "$1" &
    mpv --no-config --really-quiet --ao=null --vo=x11 --hwdec=no --geometry=320x240+700+0 --autofit=320x240 \
        --length='"$seconds"' "$2" &
    wait
    times' _ "$work/front.mov" "$work/rear.mov" | tail -n 1
}
# `times` prints the children's user and system time on its last line.
read -r user sys < <(cpu_of_mpv | sed 's/m/ /g; s/s//g' | awk '{print $1*60+$2, $3*60+$4}')
echo "mpv pair: $(awk -v u="$user" -v s="$sys" 'BEGIN{printf "%.2f", u+s}') CPU s"
