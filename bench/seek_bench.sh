#!/usr/bin/env bash
# Seeks of a paused pair until both views show the target frame, next to
# mpv's own exact seek: 1920x1080 H.264 (1 s between key frames) + 1280x720,
# and 3840x2160 HEVC + 1920x1080.
set -euo pipefail
build="${1:-build}"
seconds="${2:-20}"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
"$build/tools/mkrec" route "$work/route.csv" --seconds "$seconds"
pair() {  # name, front size, rear size, front options
  "$build/tools/mkrec" video "$work/$1-front.mov" --seconds "$seconds" --size "$2" --frame-numbers $4
  "$build/tools/mkrec" video "$work/$1-rear.mov" --seconds "$seconds" --size "$3" --frame-numbers --rear
  mkdir "$work/$1"
  "$build/tools/mkrec" mov "$work/$1/A60514081500_0001.MOV" --layout generic --video "$work/$1-front.mov" --route "$work/route.csv"
  "$build/tools/mkrec" mov "$work/$1/B60514081500_0002.MOV" --layout generic --video "$work/$1-rear.mov" --route "$work/route.csv"
  echo "== $1: front $2${4:+ $4}, rear $3"
  DUALDASH_AUDIO_OUTPUT=null xvfb-run -a -s "-screen 0 1280x800x24" "$build/bench/seek_bench" "$work/$1" 2>&1 | grep -v -e "^\[" -e "^QStandardPaths" -e "^Sandboxing" -e "^libva" || true
}
pair hd 1920x1080 1280x720 ""
[ -n "${HD_ONLY:-}" ] || pair uhd 3840x2160 1920x1080 --hevc
