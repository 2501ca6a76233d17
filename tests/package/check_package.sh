#!/bin/sh
# Builds the Debian package from a built tree, has lintian check it, checks what it declares and
# carries, proves that apt can resolve its dependencies, and unpacks it into a scratch root where the
# end-to-end test plays it.
# Usage: check_package.sh BUILD_DIRECTORY SCRATCH_DIRECTORY
set -eu
build=$1
scratch=$2
rm -rf "$scratch"
mkdir -p "$scratch"
fail() { echo "$*" >&2; exit 1; }

cpack --config "$build/CPackConfig.cmake" -B "$scratch" >/dev/null
package=$(ls "$scratch"/igra_*.deb)

# Debian's own checker: no error and no warning; the notes below them are shown.
lintian --display-level ">=info" --fail-on error,warning "$package"

depends=$(dpkg-deb -f "$package" Depends)
recommends=$(dpkg-deb -f "$package" Recommends)
echo "Depends: $depends"
echo "Recommends: $recommends"
case "$depends" in *libqt6widgets6*) ;; *) fail "the package does not depend on Qt Widgets" ;; esac
case "$depends" in *webengine*) fail "the game itself must not depend on the web engine" ;; esac
case "$recommends" in *libqt6webenginewidgets6*) ;; *) fail "the web engine is not recommended" ;; esac

# apt resolves every dependency from Debian's archive (simulated: nothing is installed here).
apt-get install --simulate --no-install-recommends "$package" >/dev/null

root=$scratch/root
dpkg -x "$package" "$root"
for file in usr/games/igra usr/lib/igra/igra_browser.so \
            usr/share/applications/example.virdon.igra.desktop usr/share/metainfo/example.virdon.igra.metainfo.xml \
            usr/share/doc/igra/copyright usr/share/doc/igra/changelog.gz \
            usr/share/man/man6/igra.6.gz usr/share/man/ru/man6/igra.6.gz \
            usr/share/icons/hicolor/16x16/apps/igra.png usr/share/icons/hicolor/32x32/apps/igra.png \
            usr/share/icons/hicolor/48x48/apps/igra.png usr/share/icons/hicolor/scalable/apps/igra.svg; do
    [ -e "$root/$file" ] || fail "the package lacks /$file"
done

# The menu entry starts the installed game from a user's search path.
entry=$root/usr/share/applications/example.virdon.igra.desktop
desktop-file-validate "$entry"
command=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$entry")
found=""
for directory in /usr/local/bin /usr/bin /bin /usr/local/games /usr/games; do
    [ -x "$root$directory/$command" ] && found=$directory/$command
done
[ -n "$found" ] || fail "the menu entry's command $command is not in the package's search path"
echo "The menu entry starts $found"

# Notes of appstreamcli at "info" level stay; anything weightier fails.
metainfo_report=$(appstreamcli validate --pedantic --no-net "$root/usr/share/metainfo/example.virdon.igra.metainfo.xml") ||
    fail "$metainfo_report"
echo "$metainfo_report"
echo "$metainfo_report" | grep -q '^[EWP]:' && fail "the AppStream metadata is not clean"

# The manual pages as man shows them, with every warning of groff; mandoc's notes on style count bytes,
# not letters, and so would flag every Russian line.
for page in "$root/usr/share/man/man6/igra.6.gz" "$root/usr/share/man/ru/man6/igra.6.gz"; do
    zcat "$page" | mandoc -T lint -W warning -K utf-8
    LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$page" > "$scratch/page" 2> "$scratch/warnings"
    [ ! -s "$scratch/warnings" ] || fail "$page: $(cat "$scratch/warnings")"
    grep -q 'Action1' "$scratch/page" || fail "$page does not render"
done

# The installed changelog names the packaged version.
zcat "$root/usr/share/doc/igra/changelog.gz" > "$scratch/changelog"
[ "$(dpkg-parsechangelog -l "$scratch/changelog" -S Version)" = "$(dpkg-deb -f "$package" Version)" ] ||
    fail "the changelog's latest entry is not the packaged version"
