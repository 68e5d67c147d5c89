#!/usr/bin/env bash
# Records what a test run could leave behind in the user's home, or checks
# that none of it changed since the record: the names at the top of the
# home, and everything under the per-user configuration and data folders
# and Qt's test folder (with size and time). Caches are left out: builds
# fill the compiler's.
#
# usage: scripts/home-unchanged.sh record FILE
#        scripts/home-unchanged.sh check FILE
set -euo pipefail

[ $# -eq 2 ] || { echo "usage: $0 record|check FILE" >&2; exit 2; }
mode=$1
record=$2

snapshot() {
    (
        cd "$HOME"
        find . -mindepth 1 -maxdepth 1 -printf '%p\n'
        for folder in .config .local/share .qttest "${XDG_CONFIG_HOME:-.config}"; do
            [ -d "$folder" ] || continue
            find "$folder" -path '*/ccache' -prune -o -printf '%p %s %T@\n'
        done
    ) | LC_ALL=C sort -u
}

case $mode in
record)
    mkdir -p "$(dirname "$record")"
    snapshot > "$record"
    ;;
check)
    if ! snapshot | diff "$record" - > "$record.diff"; then
        echo "home-unchanged: the tests changed the user's home ($HOME):" >&2
        cat "$record.diff" >&2
        exit 1
    fi
    echo "home-unchanged: $HOME as it was"
    ;;
*)
    echo "usage: $0 record|check FILE" >&2
    exit 2
    ;;
esac
