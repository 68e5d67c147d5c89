#!/usr/bin/env bash
# The real program in a real X server: a copy of the binary with a prepared
# settings file beside it and a prepared folder to list. It is driven by key
# and mouse events (xdotool): the listing is saved through the real save
# dialog, copied to the X clipboard through the output list's pop-up menu
# and read back (xclip), a column is changed by typing into its selector,
# and the window is closed through the menu. The saved file, the clipboard
# text and the settings file written at the close must hold the expected
# bytes, and quorrin-list, run beside the window on the same folder, must
# write the saved file's bytes. Then the program is started again, a check
# box is ticked and the program is ended as a shutdown ends it (SIGTERM): it
# must write the settings and end with status 0, also when the settings file
# cannot be written, which it then says on stderr; started on a folder named
# on its command line, it lists that one. Needs Xvfb, xdotool and xclip (the
# Makefile installs them).
#
# usage: tests/e2e/run.sh path/to/quorrin
set -euo pipefail

binary=$(realpath "$1")
work=$(mktemp -d /tmp/quorrin-e2e.XXXXXX)
xvfb_pid=""
app_pid=""

cleanup() {
    [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null || true
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "e2e: FAILED: $*" >&2
    for log in "$work/xvfb.log" "$work/app.log"; do
        [ -s "$log" ] && { echo "--- $(basename "$log")"; tail -n 20 "$log"; } >&2
    done
    exit 1
}

# Polls a command until it succeeds, for at most $1 seconds.
wait_for() {
    local seconds=$1
    shift
    local deadline=$((SECONDS + seconds))
    until "$@" 2>/dev/null; do
        [ $SECONDS -lt $deadline ] || return 1
        sleep 0.1
    done
}

# The visible windows of the program, newest last.
visible_windows() {
    xdotool search --onlyvisible --pid "$app_pid" 2>/dev/null || true
}

window_count_at_least() {
    [ "$(visible_windows | wc -l)" -ge "$1" ]
}

window_count_is() {
    [ "$(visible_windows | wc -l)" -eq "$1" ]
}

# Still running, and not merely waiting to be reaped.
app_running() {
    local pid comm state rest
    read -r pid comm state rest < "/proc/$app_pid/stat" && [ "$state" != Z ]
}

app_ended() {
    ! app_running
}

compare() {
    local what=$1 expected=$2 actual=$3
    if ! cmp -s "$expected" "$actual"; then
        echo "--- expected $what" >&2
        od -c "$expected" | head -40 >&2
        echo "--- actual $what" >&2
        od -c "$actual" | head -40 >&2
        fail "$what differs"
    fi
}

# --- the world: program copy, settings beside it, a folder to list --------
# A home of its own: nothing the program or Qt keeps per user reaches the
# real one.
mkdir -p "$work/app" "$work/data/sub" "$work/out" "$work/home/config"
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/config"
cp "$binary" "$work/app/quorrin"
printf 'aaaa' > "$work/data/a.txt"
printf 'bbbbbbbbbbbbbbbbbbbbbb' > "$work/data/b.txt"
printf 'n' > "$work/data/日本.txt"
printf '%s\r\n' "; prepared for the end-to-end test" "[List]" "1=1" "2=2" "3=5" "4=5" "5=5" "Tab=3" \
    "Kak=0" "byt=0" "Filter=7" "[File]" "Edit=" "SDir=" "[Disk]" "Drive=0" "Dir=$work/data" \
    "[Output]" "Encoding=shift_jis" "Header=1" "[Mine]" "keep=this line" > "$work/app/quorrin.ini"

# --- an X server on a free display; it names the display once it is ready --
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3> "$work/display" 2> "$work/xvfb.log" &
xvfb_pid=$!
wait_for 20 test -s "$work/display" || fail "Xvfb did not start"
export DISPLAY=":$(head -n1 "$work/display")"

# --- the program -------------------------------------------------------------
# Started with a fresh log; Xvfb has no window manager, so the window is
# given the focus explicitly.
# Arguments go to the program.
start_app() {
    LANG=C.UTF-8 LC_ALL=C.UTF-8 QT_QPA_PLATFORM=xcb "$work/app/quorrin" "$@" > "$work/app.log" 2>&1 &
    app_pid=$!
    wait_for 30 window_count_at_least 1 || fail "no window appeared"
    main=$(xdotool search --all --onlyvisible --pid "$app_pid" --name '^Quorrin Jr$' | head -n1)
    [ -n "$main" ] || fail "no window with the caption Quorrin Jr"
    xdotool windowfocus --sync "$main"
}

start_app

# Saved in Shift_JIS with a header row, as the settings file asks.
listing=$'ファイル名,サイズ\r\na.txt,4\r\nb.txt,22\r\n日本.txt,1\r\n'
printf '%s' "$listing" | iconv -f UTF-8 -t CP932 > "$work/expected-listing"

# --- save: the save button has the first focus; its dialog takes a name -----
xdotool key --clearmodifiers space
wait_for 20 window_count_at_least 2 || fail "the save dialog did not open"
dialog=$(xdotool search --all --onlyvisible --pid "$app_pid" --name 'テキストファイルへ保存' | head -n1)
[ -n "$dialog" ] || fail "no save dialog"
xdotool windowfocus --sync "$dialog"
xdotool key --clearmodifiers ctrl+a
xdotool type --delay 10 "$work/out/list.txt"
xdotool key --clearmodifiers Return
wait_for 20 test -s "$work/out/list.txt" || fail "the listing was not saved"
compare "saved listing" "$work/expected-listing" "$work/out/list.txt"
wait_for 10 window_count_is 1 || fail "the save dialog did not close"

# --- the command-line program beside the window's copy, given only the ------
# folder, reads the same settings file and writes the same bytes.
cp "$(dirname "$binary")/quorrin-list" "$work/app/quorrin-list"
LANG=C.UTF-8 LC_ALL=C.UTF-8 "$work/app/quorrin-list" "$work/data" > "$work/cli-listing" ||
    fail "quorrin-list ended with status $?"
compare "quorrin-list's listing" "$work/out/list.txt" "$work/cli-listing"

# --- change a column: back on the save button, Tab reaches the third ------
# column's selector (save button, directory list, mask, file list, drive,
# filter, output list, columns 1, 2, 3); typing a text no item begins with
# empties that column.
for _ in 1 2 3 4 5 6 7 8 9; do
    xdotool key --clearmodifiers Tab
done
xdotool key --clearmodifiers End x
# The clipboard holds Unicode text whatever the file's encoding.
changed=$'ファイル名,サイズ,\r\na.txt,4,\r\nb.txt,22,\r\n日本.txt,1,\r\n'
printf '%s' "$changed" > "$work/expected-clipboard"

# --- copy: a right click on the output list opens its pop-up menu -----------
# The output list fills the lower part of the window; its middle is well
# inside whatever height the menu bar takes.
xdotool mousemove --window "$main" 312 450 click 3
wait_for 10 window_count_at_least 2 || fail "the pop-up menu did not open"
xdotool key --clearmodifiers Down Return
clipboard_holds_listing() {
    xclip -selection clipboard -o > "$work/clipboard" && cmp -s "$work/clipboard" "$work/expected-clipboard"
}
wait_for 10 clipboard_holds_listing || true
compare "clipboard text" "$work/expected-clipboard" "$work/clipboard"

# --- close through the menu: ファイル, then its last item 終了 --------------
xdotool mousemove --window "$main" 25 10 click 1
wait_for 10 window_count_at_least 2 || fail "the file menu did not open"
xdotool key --clearmodifiers Up Return
wait_for 20 app_ended || fail "the program did not end"
wait "$app_pid" || fail "the program ended with status $?"
app_pid=""

printf '%s\r\n' "; prepared for the end-to-end test" "[List]" "1=1" "2=2" "3=-1" "4=5" "5=5" "Tab=3" \
    "Kak=0" "byt=0" "Filter=7" "[File]" "Edit=" "SDir=$work/out/list.txt" "[Disk]" "Drive=0" \
    "Dir=$work/data" "[Output]" "Encoding=shift_jis" "Header=1" "LineEnd=crlf" "Dates=system" \
    "Sort=name" "Descending=0" \
    "[Mine]" "keep=this line" > "$work/expected-settings"
compare "settings file" "$work/expected-settings" "$work/app/quorrin.ini"

# --- a shutdown: tick the quote check box (Tab from the save button reaches
# it last), then SIGTERM ------------------------------------------------------
end_by_signal() {
    kill -TERM "$app_pid"
    wait_for 20 app_ended || fail "the program did not end at SIGTERM"
    local status=0
    wait "$app_pid" || status=$?
    app_pid=""
    [ "$status" -eq 0 ] || fail "the program ended with status $status at SIGTERM"
}

start_app
for _ in $(seq 13); do
    xdotool key --clearmodifiers Tab
done
xdotool key --clearmodifiers space
sleep 0.5
end_by_signal
sed 's/^Kak=0\r$/Kak=1\r/' "$work/expected-settings" > "$work/expected-after-shutdown"
compare "settings file after SIGTERM" "$work/expected-after-shutdown" "$work/app/quorrin.ini"

# --- a folder named on the command line is the one listed, and so the one
# the settings keep at the close ----------------------------------------------
start_app "$work/out"
end_by_signal
grep -q "^Dir=$work/out"$'\r'"\$" "$work/app/quorrin.ini" || fail "the folder named on the command line was not opened"

# --- a shutdown with a folder where the settings file should be ---------------
rm "$work/app/quorrin.ini"
mkdir "$work/app/quorrin.ini"
start_app
end_by_signal
grep -q "quorrin.ini に書き込めません" "$work/app.log" || fail "no word on stderr of the settings not written"

echo "e2e: saved file, clipboard and settings file as expected, also at a shutdown and with a folder named"
