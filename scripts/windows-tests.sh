#!/usr/bin/env bash
# Builds the core for Windows with MinGW-w64 and runs its tests under Wine,
# once in the default locale (code page 1252) and once in Japanese (code
# page 932). Installs the cross compiler, Wine, GoogleTest's source and the
# locale data first; without them the step fails, it is never skipped.
set -euo pipefail
cd "$(dirname "$0")/.."

if ! scripts/ensure-packages.sh "$@"; then
    echo "windows-tests: cannot install $* (Wine and the MinGW-w64 cross compiler are needed" \
         "to test the Windows build); failing." >&2
    exit 1
fi
if ! command -v wine >/dev/null 2>&1 && ! command -v wine64 >/dev/null 2>&1; then
    echo "windows-tests: Wine is not installed and could not be installed; failing." >&2
    exit 1
fi

# Wine takes its code page from LANG; ja_JP.UTF-8 gives code page 932.
if ! locale -a 2>/dev/null | grep -qi '^ja_JP\.utf-\?8$'; then
    echo "Generating the ja_JP.UTF-8 locale"
    sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo localedef -i ja_JP -f UTF-8 ja_JP.UTF-8
fi

cmake --preset mingw
cmake --build --preset mingw
echo "== Windows tests under Wine, default locale"
env -u LC_ALL -u LANGUAGE LANG=C.UTF-8 ctest --preset mingw
echo "== Windows tests under Wine, LANG=ja_JP.UTF-8"
env -u LC_ALL -u LANGUAGE LANG=ja_JP.UTF-8 ctest --preset mingw
