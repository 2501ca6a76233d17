#!/bin/sh
# Start-up time, resident memory and idle CPU of the game beside a bare Qt window, five runs each, under Xvfb.
# Run by hand after building with the tests: bench/startup.sh [BUILD_DIRECTORY]   (default: build/check)
set -eu
build=${1:-build/check}
runs=5
display=:$(( $$ % 100 + 150 ))

Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null' EXIT
sleep 1
export DISPLAY=$display
settings=$(mktemp -d)
export XDG_CONFIG_HOME=$settings

results=$(mktemp)
for run in $(seq $runs); do
    for program in barewindow igra; do
        echo "$program $("$build/bin/startupprobe" "$build/bin/$program")" >> "$results"
    done
done

# The median of each figure, then the targets.
awk -v runs=$runs '
function median(values, n,    i, j, t) {
    for (i = 1; i <= n; i++) for (j = i + 1; j <= n; j++) if (values[j] < values[i]) { t = values[i]; values[i] = values[j]; values[j] = t }
    return n % 2 ? values[(n + 1) / 2] : (values[n / 2] + values[n / 2 + 1]) / 2
}
{ n[$1]++; map[$1, n[$1]] = $2; rss[$1, n[$1]] = $3; cpu[$1, n[$1]] = $4 }
END {
    for (p in n) {
        for (i = 1; i <= n[p]; i++) { a[i] = map[p, i]; b[i] = rss[p, i]; c[i] = cpu[p, i] }
        m[p] = median(a, n[p]); r[p] = median(b, n[p]); u[p] = median(c, n[p])
    }
    printf "%-12s %16s %16s %16s\n", "median of " runs, "mapped after ms", "resident MiB", "idle CPU %"
    for (p in n) printf "%-12s %16.1f %16.1f %16.2f\n", p, m[p], r[p] / 1024, u[p]
    printf "start-up ratio %.2f (target 1.30 at most)\n", m["igra"] / m["barewindow"]
    printf "memory over the bare window %.1f MiB (target 10 at most)\n", (r["igra"] - r["barewindow"]) / 1024
    printf "idle CPU %.2f%% of one core (target 1 at most)\n", u["igra"]
}' "$results"
rm -rf "$results" "$settings"
