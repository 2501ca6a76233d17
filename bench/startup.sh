#!/bin/sh
# How fast the game shows itself, beside two yardsticks, under Xvfb: a bare Qt window, and the label window, a
# window of the game's size with one label in the game's font. Run by hand after building with the tests:
#   bench/startup.sh [BUILD_DIRECTORY]   (default: build/check)
#  - each program's time from exec until its first frame shows and resident memory 2.5 s after the start,
#    the medians of 15 starts in turn, and the game's CPU while it idles for 10 s, median of 3;
#  - the time from a click on its button until each other window of the game is mapped, median of 15;
#  - the time from a click on "В интернете" until the studio's page is painted (a page served on this
#    machine), beside a plain web view that shows the same page, from exec, median of 5.
# bench/instructions.sh counts the instructions up to the first frame.
set -eu
build=${1:-build/check}
runs=15
display=:$(( $$ % 100 + 150 ))

Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
settings=$(mktemp -d)
results=$(mktemp)
trap 'kill $xvfb 2>/dev/null; kill $server 2>/dev/null; rm -rf "$settings" "$results"' EXIT
server=
sleep 1
export DISPLAY=$display XDG_CONFIG_HOME=$settings
probe=$build/bin/startupprobe

for run in $(seq $runs); do
    for program in barewindow labelwindow igra; do
        echo "$program $("$probe" "$build/bin/$program" 2>/dev/null)" >> "$results"
    done
done
for run in 1 2 3; do
    echo "idle $("$probe" --idle "$build/bin/igra" 2>/dev/null)" >> "$results"
done

# The main window stands in the middle of the screen; each button is clicked a little inside its corner.
button() { echo $(( (1024 - 516) / 2 + $1 / 15 + 20 )) $(( (768 - 524) / 2 + $2 / 15 + 10 )); }
for window in "help 6360 3840" "about 4920 3840" "size 6480 3360" "difficulty 4920 3360"; do
    set -- $window
    for run in $(seq $runs); do
        echo "$1 $("$probe" --click $(button "$2" "$3") "$build/bin/igra" 2>/dev/null)" >> "$results"
    done
done

# The studio's page, magenta, served to the web engine through a proxy on this machine.
port=$(( $$ % 1000 + 41000 ))
python3 -c '
import http.server, sys
class Page(http.server.BaseHTTPRequestHandler):
    def do_GET(self):
        body = b"<html><body style=\"background: #ff00ff\"></body></html>"
        self.send_response(200)
        self.send_header("Content-Type", "text/html")
        self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        self.wfile.write(body)
    def log_message(self, *arguments):
        pass
http.server.ThreadingHTTPServer(("127.0.0.1", int(sys.argv[1])), Page).serve_forever()
' $port &
server=$!
export QTWEBENGINE_CHROMIUM_FLAGS="--proxy-server=http://127.0.0.1:$port"
# The superuser runs the web engine only without its sandbox, as a player would have to.
[ "$(id -u)" -ne 0 ] || export QTWEBENGINE_DISABLE_SANDBOX=1
sleep 1
for run in $(seq 5); do
    echo "browser $("$probe" --click $(button 4920 4440) --colour ff00ff "$build/bin/igra" 2>/dev/null)" >> "$results"
    echo "plainwebview $("$probe" --colour ff00ff "$build/bin/plainwebview" 2>/dev/null)" >> "$results"
done

awk '
function median(values, n,    i, j, t) {
    for (i = 1; i <= n; i++) for (j = i + 1; j <= n; j++) if (values[j] < values[i]) { t = values[i]; values[i] = values[j]; values[j] = t }
    return n % 2 ? values[(n + 1) / 2] : (values[n / 2] + values[n / 2 + 1]) / 2
}
{ n[$1]++; ms[$1, n[$1]] = $2; rss[$1, n[$1]] = $3; cpu[$1, n[$1]] = $4 }
END {
    for (p in n) {
        for (i = 1; i <= n[p]; i++) { a[i] = ms[p, i]; b[i] = rss[p, i]; c[i] = cpu[p, i] }
        m[p] = median(a, n[p]); r[p] = median(b, n[p]); u[p] = median(c, n[p])
    }
    printf "%-12s %16s %16s\n", "median", "shown after ms", "resident MiB"
    split("barewindow labelwindow igra", started, " ")
    for (i = 1; i <= 3; i++) printf "%-12s %16.1f %16.1f\n", started[i], m[started[i]], r[started[i]] / 1024
    printf "start-up against the label window %.2f (target 1.10 at most)\n", m["igra"] / m["labelwindow"]
    printf "memory over the label window %.2f MiB (target 1 at most)\n", (r["igra"] - r["labelwindow"]) / 1024
    printf "idle CPU %.2f%% of one core (target 1 at most)\n", u["idle"]
    printf "%-12s %16s\n", "median", "mapped after ms"
    split("help about size difficulty", shown, " ")
    for (i = 1; i <= 4; i++) printf "%-12s %16.1f\n", shown[i], m[shown[i]]
    printf "browser window, click to page painted %.1f ms; plain web view, exec to page painted %.1f ms: %.2f (target 1.10 at most)\n",
        m["browser"], m["plainwebview"], m["browser"] / m["plainwebview"]
}' "$results"
