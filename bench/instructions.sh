#!/bin/sh
# The instructions each program runs from exec until its first frame is on the screen (the end of its first
# flush), counted by callgrind under Xvfb, which no load of the machine changes: the game beside the bare
# window and the label window, the median of three runs each. Run by hand after building with the tests:
#   bench/instructions.sh [BUILD_DIRECTORY]   (default: build/check)
set -eu
build=$(realpath "${1:-build/check}")
display=:$(( $$ % 100 + 250 ))
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
work=$(mktemp -d)
trap 'kill $xvfb 2>/dev/null; rm -rf "$work"' EXIT
sleep 1
export DISPLAY=$display XDG_CONFIG_HOME=$work

count() {
    rm -f "$work"/callgrind.out.*
    (cd "$work" && exec valgrind --tool=callgrind --dump-after='QBackingStore::flush*' "$build/bin/$1") >/dev/null 2>&1 &
    valgrind=$!
    until ls "$work"/callgrind.out.*.1 >/dev/null 2>&1; do sleep 0.2; done
    sleep 1
    kill $valgrind 2>/dev/null; wait $valgrind 2>/dev/null || true
    sed -n 's/^summary: //p' "$work"/callgrind.out.*.1
}

for program in barewindow labelwindow igra; do
    echo "$program $(count $program) $(count $program) $(count $program)"
done | awk '
{ split($2 " " $3 " " $4, v, " "); for (i = 1; i <= 3; i++) for (j = i + 1; j <= 3; j++) if (v[j] < v[i]) { t = v[i]; v[i] = v[j]; v[j] = t }
  median[$1] = v[2]; printf "%-12s %8.1f M instructions to the first frame\n", $1, v[2] / 1e6 }
END { printf "the game against the label window %.3f (target 1.10 at most)\n", median["igra"] / median["labelwindow"] }'
