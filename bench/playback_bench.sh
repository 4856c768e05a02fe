#!/usr/bin/env bash
# Two recordings (1080p30 front, 720p30 rear) played together for SECONDS in
# DualDash and, in the same run, by two mpv command-line players with X11
# software output at the same window sizes, all on one virtual screen. Both
# sides decode as the player does (hwdec auto-safe) and count their CPU time
# from the start of their processes, the files' opening included.
set -euo pipefail
build="${1:-build}"
seconds="${2:-20}"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
fail() { echo "playback_bench.sh: $1" >&2; exit 1; }
mkrec="$build/tools/mkrec"
"$mkrec" video "$work/front.mov" --seconds $((seconds + 5)) --size 1920x1080
"$mkrec" video "$work/rear.mov" --seconds $((seconds + 5)) --size 1280x720 --rear

export DUALDASH_AUDIO_OUTPUT=null
xvfb-run -a -s "-screen 0 1280x800x24" "$build/bench/playback_bench" "$work/front.mov" "$work/rear.mov" "$seconds" ||
  fail "DualDash did not play the pair"

# Each mpv writes the frames it showed (bench/mpv_frames.lua) to a file of its
# own; `times` prints the children's user and system time on its last line.
xvfb-run -a -s "-screen 0 1280x800x24" bash -c '
  seconds="$1" work="$2" frames_script="$3"
  play() {
    mpv --no-config --really-quiet --ao=null --vo=x11 --hwdec=auto-safe --geometry="$1" --autofit="$2" \
        --length="$seconds" --script="$frames_script" "$work/$3.mov" > "$work/$3.frames"
  }
  play 680x480+0+0 680x480 front & front=$!
  play 320x240+700+0 320x240 rear & rear=$!
  status=0
  wait "$front" || status=1
  wait "$rear" || status=1
  times > "$work/times"  # not in a pipe: a subshell has no children
  exit "$status"' _ "$seconds" "$work" "$(dirname "$0")/mpv_frames.lua" || fail "mpv did not play the pair"

front_frames="$(cat "$work/front.frames")"
rear_frames="$(cat "$work/rear.frames")"
[ "${front_frames:-0}" -gt 0 ] && [ "${rear_frames:-0}" -gt 0 ] ||
  fail "mpv showed no frames (front ${front_frames:-none}, rear ${rear_frames:-none})"
read -r user sys < <(tail -n 1 "$work/times" | sed 's/m/ /g; s/s//g' | awk '{print $1*60+$2, $3*60+$4}')
cpu="$(awk -v u="${user:-0}" -v s="${sys:-0}" 'BEGIN{printf "%.2f", u+s}')"
[ "$cpu" != 0.00 ] || fail "no CPU time counted for mpv"
echo "mpv pair: $cpu CPU s," \
  "frames shown $((front_frames + rear_frames)) (front $front_frames, rear $rear_frames)"
