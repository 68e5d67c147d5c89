#!/usr/bin/env bash
# Runs a Windows executable under Wine the way the tests need it: quiet, no
# dialogs, and in a private prefix inside the build folder that holds the
# executable, so that nothing of the user's own Wine setup leaks in. The
# locale comes from LANG as usual (ja_JP.UTF-8 gives code page 932).
set -euo pipefail

exe="$1"
shift

wine=$(command -v wine64 || command -v wine || true)
if [ -z "$wine" ]; then
    echo "wine-run: Wine is not installed" >&2
    exit 127
fi

# The build folder is the nearest one up that holds CMakeCache.txt.
build_dir=$(cd "$(dirname "$exe")" && pwd)
while [ "$build_dir" != / ] && [ ! -f "$build_dir/CMakeCache.txt" ]; do
    build_dir=$(dirname "$build_dir")
done

export WINEPREFIX="$build_dir/wineprefix"
export WINEDEBUG=-all
export WINEARCH=win64
# No Mono or Gecko installer dialogs, and no window at all.
export WINEDLLOVERRIDES="mscoree,mshtml="
unset DISPLAY WAYLAND_DISPLAY

# Creating a prefix takes a while; tests started side by side must not
# each begin one.
if [ ! -f "$WINEPREFIX/system.reg" ]; then
    mkdir -p "$WINEPREFIX"
    flock "$WINEPREFIX.lock" bash -c '[ -f "$WINEPREFIX/system.reg" ] || "$0" wineboot --init >/dev/null 2>&1' "$wine"
fi
exec "$wine" "$exe" "$@"
