# Sourced by the pair benchmarks, with $build and $seconds set: a work folder
# $work (gone at exit) holding a route of $seconds, and
# make_pair NAME FRONT_SIZE REAR_SIZE [FRONT_OPTIONS], which writes $work/NAME,
# a front and rear pair of $seconds with their frame numbers burnt in. Call
# make_pair as a command of its own, not in an && or || list: there bash's
# -e would not stop at a step that failed.
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
"$build/tools/mkrec" route "$work/route.csv" --seconds "$seconds"

make_pair() {
  "$build/tools/mkrec" video "$work/$1-front.mov" --seconds "$seconds" --size "$2" --frame-numbers ${4:-}
  "$build/tools/mkrec" video "$work/$1-rear.mov" --seconds "$seconds" --size "$3" --frame-numbers --rear
  mkdir "$work/$1"
  "$build/tools/mkrec" mov "$work/$1/A60514081500_0001.MOV" --layout generic --video "$work/$1-front.mov" --route "$work/route.csv"
  "$build/tools/mkrec" mov "$work/$1/B60514081500_0002.MOV" --layout generic --video "$work/$1-rear.mov" --route "$work/route.csv"
  echo "== $1: front $2${4:+ $4}, rear $3"
}
