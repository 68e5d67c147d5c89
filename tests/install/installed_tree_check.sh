#!/bin/sh
# Installs the program into a scratch root and checks it as a desktop would
# see it: the programs start (without a display) and tell their version, the
# menu entry and the metainfo pass their validators, the entry's program and
# icon are there in every size, and so are the man pages.
#
#   installed_tree_check.sh install BUILD_DIR   cmake --install, prefix /usr/local
#   installed_tree_check.sh deb PACKAGE.deb     dpkg -x, prefix /usr
#
# Nothing outside the scratch root is written; the programs get a home of
# their own in it.
set -eu

# Every program the package installs, one per line: each must answer
# --version with "NAME VERSION".
programs="
quorrin
quorrin-list
"
icon_sizes="16 24 32 48 64 128 256"
app_id=org.quorrin.QuorrinJr

fail() {
    echo "installed_tree_check: $*" >&2
    exit 1
}

[ $# -eq 2 ] || fail "usage: $0 install BUILD_DIR | deb PACKAGE.deb"
root=$(mktemp -d "${TMPDIR:-/tmp}/quorrin-root.XXXXXX")
trap 'rm -rf "$root"' EXIT

case $1 in
install)
    DESTDIR=$root cmake --install "$2" --prefix /usr/local >/dev/null
    prefix=$root/usr/local
    ;;
deb)
    dpkg-deb --field "$2" Depends | grep -q libqt6widgets6 || fail "$2 does not depend on Qt's widgets library"
    dpkg -x "$2" "$root"
    prefix=$root/usr
    ;;
*) fail "unknown mode $1" ;;
esac

mkdir -p "$root/home/config"
for program in $programs; do
    [ -x "$prefix/bin/$program" ] || fail "bin/$program is missing"
    answer=$(env -u DISPLAY -u WAYLAND_DISPLAY HOME="$root/home" XDG_CONFIG_HOME="$root/home/config" \
        "$prefix/bin/$program" --version) || fail "$program --version failed"
    echo "$answer" | grep -Eq "^$program [0-9]+\.[0-9]+\.[0-9]+" || fail "$program --version said: $answer"
    [ -f "$prefix/share/man/man1/$program.1" ] || fail "the man page of $program is missing"
done

desktop=$prefix/share/applications/$app_id.desktop
desktop-file-validate "$desktop" || fail "the menu entry does not validate"
appstreamcli validate --no-net --strict "$prefix/share/metainfo/$app_id.metainfo.xml" >/dev/null ||
    fail "the metainfo does not validate"

exec_program=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$desktop")
[ -x "$prefix/bin/$exec_program" ] || fail "the menu entry starts $exec_program, which is not installed"
icon=$(sed -n 's/^Icon=//p' "$desktop")
for size in $icon_sizes; do
    png=$prefix/share/icons/hicolor/${size}x${size}/apps/$icon.png
    file "$png" | grep -q "PNG image data, $size x $size" || fail "no $size px icon $icon"
done
grep -q "<svg" "$prefix/share/icons/hicolor/scalable/apps/$icon.svg" || fail "no scalable icon $icon"
echo "installed_tree_check: $1 $2: all present"
