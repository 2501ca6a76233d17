#!/bin/sh
# Builds the Debian package from a built tree, checks what it declares and carries, proves that apt can
# resolve its dependencies, and unpacks it into a scratch root where the end-to-end test plays it.
# Usage: check_package.sh BUILD_DIRECTORY SCRATCH_DIRECTORY
set -eu
build=$1
scratch=$2
rm -rf "$scratch"
mkdir -p "$scratch"

cpack --config "$build/CPackConfig.cmake" -B "$scratch" >/dev/null
package=$(ls "$scratch"/igra_*.deb)

depends=$(dpkg-deb -f "$package" Depends)
recommends=$(dpkg-deb -f "$package" Recommends)
echo "Depends: $depends"
echo "Recommends: $recommends"
case "$depends" in *libqt6widgets6*) ;; *) echo "the package does not depend on Qt Widgets" >&2; exit 1 ;; esac
case "$depends" in *webengine*) echo "the game itself must not depend on the web engine" >&2; exit 1 ;; esac
case "$recommends" in *libqt6webenginewidgets6*) ;; *) echo "the web engine is not recommended" >&2; exit 1 ;; esac

# apt resolves every dependency from Debian's archive (simulated: nothing is installed here).
apt-get install --simulate --no-install-recommends "$package" >/dev/null

dpkg -x "$package" "$scratch/root"
for file in usr/bin/igra usr/lib/igra/igra_browser.so usr/share/applications/igra.desktop \
            usr/share/metainfo/example.virdon.igra.metainfo.xml usr/share/doc/igra/copyright \
            usr/share/icons/hicolor/16x16/apps/igra.png usr/share/icons/hicolor/32x32/apps/igra.png \
            usr/share/icons/hicolor/48x48/apps/igra.png usr/share/icons/hicolor/scalable/apps/igra.svg; do
    [ -e "$scratch/root/$file" ] || { echo "the package lacks /$file" >&2; exit 1; }
done
desktop-file-validate "$scratch/root/usr/share/applications/igra.desktop"
appstreamcli validate --no-net "$scratch/root/usr/share/metainfo/example.virdon.igra.metainfo.xml"
