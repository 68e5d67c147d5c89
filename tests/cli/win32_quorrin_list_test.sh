#!/usr/bin/env bash
# Runs quorrin-list.exe under Wine on folders made here, in whatever code
# page LANG gives Wine: 932 for ja_JP.UTF-8, where a folder named 表 (whose
# second byte is "\") and Japanese file names are listed and messages are
# Japanese; 1252 otherwise, with plain and Western names and English
# messages. Paths are handed over with drive letters (Wine's Z: is the Unix
# root).
set -uo pipefail

exe=$1
wine_run=$2

work=$(mktemp -d "${TMPDIR:-/tmp}/quorrin-list-wine.XXXXXX")
# A copy of the program with a settings file beside it; inside the build
# folder, where the Wine prefix is found.
bin=$(mktemp -d "$(dirname "$exe")/quorrin-list-settings.XXXXXX")
trap 'rm -rf "$work" "$bin"' EXIT
failures=0

fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

windows_path() {
    local unix=$1
    printf 'Z:%s' "${unix//\//\\}"
}

# Text as the code page under test writes it.
if [[ ${LANG:-} == ja* ]]; then
    japanese=1
    folder_name=表
    local_text() { printf '%s' "$1" | iconv -f UTF-8 -t CP932; }
else
    japanese=0
    folder_name=plain
    local_text() { printf '%s' "$1" | iconv -f UTF-8 -t CP1252; }
fi

# Runs the program; its output, messages and exit status land in files.
list() {
    "$wine_run" "$exe" "$@" >"$work/out" 2>"$work/err"
    echo $? >"$work/status"
}

expect_status() {
    local want=$1 what=$2
    [ "$(cat "$work/status")" = "$want" ] || fail "$what: status $(cat "$work/status"), expected $want ($(cat "$work/err"))"
}

expect_output() {
    local want=$1 what=$2
    cmp -s "$work/out" <(printf '%s' "$want") || fail "$what: output $(od -c "$work/out" | head -5)"
}

folder="$work/$folder_name"
mkdir -p "$folder/sub"
printf aaaa >"$folder/a.txt"
printf bb >"$folder/b.doc"
if [ "$japanese" = 1 ]; then
    printf n >"$folder/日本.txt"
    extra=$(local_text "日本.txt")$'\t1\r\n'
else
    printf n >"$folder/n.txt"
    extra=$'n.txt\t1\r\n'
fi
win_folder=$(local_text "$(windows_path "$folder")")

list --no-settings "$(windows_path "$folder")"
expect_status 0 "a drive-letter path"
expect_output $'a.txt\t4\r\nb.doc\t2\r\n'"$extra" "a drive-letter path"

list --no-settings -c path,name -s comma -m '*.doc' "$(windows_path "$folder")"
expect_status 0 "the path column"
expect_output "$win_folder"$',b.doc\r\n' "the path column"

(cd "$work" && "$wine_run" "$exe" --no-settings -c path -m 'a*' "$folder_name" >"$work/out" 2>"$work/err")
expect_output "$win_folder"$'\r\n' "a relative folder"

list --no-settings -o "$(windows_path "$work/out.txt")" -m 'b*' "$(windows_path "$folder")"
expect_status 0 "an output file"
cmp -s "$work/out.txt" <(printf 'b.doc\t2\r\n') || fail "an output file: $(od -c "$work/out.txt" | head -3)"

list --no-settings -o "$(windows_path "$work/missing/out.txt")" "$(windows_path "$folder")"
expect_status 2 "an output file in a missing folder"
[ ! -e "$work/missing" ] || fail "an output file in a missing folder: something was made"

list "$(windows_path "$work/nothing")"
expect_status 2 "a missing folder"
if [ "$japanese" = 1 ]; then
    grep -q "$(local_text "フォルダがありません")" "$work/err" || fail "a missing folder: message $(cat "$work/err")"
else
    grep -q "no such folder" "$work/err" || fail "a missing folder: message $(cat "$work/err")"
fi

list --bogus
expect_status 2 "an unknown option"

list --help
expect_status 0 "--help"
grep -q -- "--columns" "$work/out" || fail "--help names no --columns"

# --encoding system is the ANSI code page and utf-8 the name's UTF-8; code
# page 932 has no é, so shift_jis refuses it, or writes the geta mark with
# --replace.
encoded="$work/encoded"
mkdir "$encoded"
if [ "$japanese" = 1 ]; then name=日本.txt; else name=café.txt; fi
printf n >"$encoded/$name"

list --no-settings -c name --encoding system "$(windows_path "$encoded")"
expect_status 0 "--encoding system"
expect_output "$(local_text "$name")"$'\r\n' "--encoding system"

list --no-settings -c name --encoding utf-8 --eol lf "$(windows_path "$encoded")"
expect_status 0 "--encoding utf-8"
expect_output "$name"$'\n' "--encoding utf-8"

if [ "$japanese" = 0 ]; then
    list --no-settings -c name --encoding shift_jis -o "$(windows_path "$work/sjis.txt")" "$(windows_path "$encoded")"
    expect_status 1 "a name shift_jis cannot hold"
    [ ! -e "$work/sjis.txt" ] || fail "a name shift_jis cannot hold: something was written"
    grep -q "caf" "$work/err" || fail "a name shift_jis cannot hold: message $(cat "$work/err")"

    list --no-settings -c name --encoding shift_jis --replace "$(windows_path "$encoded")"
    expect_status 0 "--replace"
    expect_output $'caf\x81\xac.txt\r\n' "--replace"
fi

list --no-settings --encoding latin1 "$(windows_path "$encoded")"
expect_status 2 "an unknown encoding"

# The window's settings file beside the program gives the defaults.
cp "$exe" "$bin/"
printf '[List]\r\nTab=3\r\nKak=1\r\nFilter=1\r\n' >"$bin/quorrin.ini"
cp "$bin/quorrin.ini" "$work/ini.before"
"$wine_run" "$bin/$(basename "$exe")" "$(windows_path "$folder")" >"$work/out" 2>"$work/err"
if [ "$japanese" = 1 ]; then
    expect_output $'"a.txt","4"\r\n"b.doc","2"\r\n"'"$(local_text "日本.txt")"$'","1"\r\n' "the settings beside the program"
else
    expect_output $'"a.txt","4"\r\n"b.doc","2"\r\n"n.txt","1"\r\n' "the settings beside the program"
fi
cmp -s "$bin/quorrin.ini" "$work/ini.before" || fail "the settings file was written"

if [ "$failures" -gt 0 ]; then
    echo "$failures check(s) failed (LANG=${LANG:-})" >&2
    exit 1
fi
echo "quorrin-list.exe passed every check (LANG=${LANG:-})"
