#!/usr/bin/env bash
# The real program on a virtual X display, played with real X input (XTEST through xdotool) and read back
# from screenshots and window properties: title, size, menu, hatch, clock, both message boxes, both ways out.
#   gui_test.sh <kvorinka> <gui_probe> [directory for the screenshots]
set -euo pipefail

program=$1
probe=$2
work=$(mktemp -d)
shots=${3:-$work}
mkdir -p "$shots"
pids=()
cleanup() {
    for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
    rm -rf "$work"
}
trap cleanup EXIT
trap 'echo "FAIL: line $LINENO: $BASH_COMMAND" >&2' ERR
fail() {
    echo "FAIL: $*" >&2
    exit 1
}
step() { echo "-- $*"; }

Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
pids+=($!)
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.05; done
[ -s "$work/display" ] || fail "Xvfb did not start"
export DISPLAY=":$(cat "$work/display")"
export NO_AT_BRIDGE=1

title='Игра "Кворинка"'
app_id=io.github.kvorinka.Kvorinka

# The program's mapped top-level windows of one type (NORMAL or DIALOG).
windows_of_type() {
    for w in $(xdotool search --onlyvisible --classname "$app_id" 2>/dev/null); do
        xprop -id "$w" _NET_WM_WINDOW_TYPE 2>/dev/null | grep -q "_NET_WM_WINDOW_TYPE_$1" && echo "$w"
    done
    return 0
}

wait_for_type() {
    for _ in $(seq 100); do
        local w
        w=$(windows_of_type "$1" | head -n 1)
        [ -n "$w" ] && { echo "$w"; return 0; }
        sleep 0.1
    done
    return 1
}

wait_gone_type() {
    for _ in $(seq 100); do
        [ -z "$(windows_of_type "$1")" ] && return 0
        sleep 0.1
    done
    return 1
}

geometry() { xwininfo -id "$1" | awk -v k="$2" -F: '$1 ~ k {gsub(/ /, "", $2); print $2}'; }

shot() { import -window root "$shots/$1.png"; }

# Takes screenshots for up to 5 seconds until the test in $2 holds for the one named $1.
shot_until() {
    for _ in $(seq 25); do
        shot "$1"
        eval "$2" && return 0
        sleep 0.2
    done
    return 1
}

# Whether a screenshot shows a text inside a window (menu bar face or the dialog's).
shows_text() {
    local png=$1 window=$2 face=$3 text=$4
    "$probe" text "$png" "$(geometry "$window" "Absolute upper-left X")" "$(geometry "$window" "Absolute upper-left Y")" \
        "$(geometry "$window" "Width")" "$(geometry "$window" "Height")" "$face" "$text"
}

start_game() {
    "$@" "$program" &
    game=$!
    pids+=("$game")
    main=$(wait_for_type NORMAL) || fail "no window appeared"
    local x y width height
    x=$(geometry "$main" "Absolute upper-left X")
    y=$(geometry "$main" "Absolute upper-left Y")
    width=$(geometry "$main" "Width")
    height=$(geometry "$main" "Height")
    [ "$width" = $((299 * scale)) ] || fail "the window is $width pixels wide, not exactly the board's 299"
    [ "$height" -gt $((299 * scale)) ] || fail "no room for the menu bar above the board"
    left=$x
    top=$((y + height - 299 * scale))
    menu_height=$((height - 299 * scale))
    menu_y=$((y + menu_height / 2))
}

focus_main() {
    xdotool windowfocus --sync "$main"
    sleep 0.2
}

dismiss_dialog() {
    local d
    d=$(wait_for_type DIALOG) || fail "no message box to dismiss"
    xdotool windowfocus --sync "$d"
    sleep 0.2
    xdotool key Return
    wait_gone_type DIALOG || fail "the message box did not go away"
}

expect_exit_zero() {
    local rc=0
    for _ in $(seq 100); do
        kill -0 "$game" 2>/dev/null || break
        sleep 0.1
    done
    wait "$game" || rc=$?
    [ "$rc" = 0 ] || fail "$1: exit code $rc"
}

hatch() { "$probe" hatch "$1" "$left" "$top" "$2" "$3"; }

pixel() { convert "$1" -format "%[hex:p{$2,$3}]" info:-; }

# Polls the title for up to 5 seconds until the test in $1 holds for it.
wait_for_title() {
    for _ in $(seq 50); do
        eval "$1" && return 0
        sleep 0.1
    done
    return 1
}

seconds_in_title() {
    local t
    t=$(xdotool getwindowname "$main")
    [[ $t =~ ^"$title - "([0-9]+):([0-9]{2})$ ]] || { echo -1; return; }
    echo $((10#${BASH_REMATCH[1]} * 60 + 10#${BASH_REMATCH[2]}))
}

step "the window appears with its title, under a menu bar, 299 x 299"
scale=1
start_game
name=$(xdotool getwindowname "$main")
[[ $name == "$title" || $name =~ ^"$title - 00:0"[0-9]$ ]] || fail "title is '$name'"
shot_until fresh '"$probe" digits "$shots/fresh.png" "$left" "$top" >"$work/digits" && ! grep -q 0 "$work/digits"' ||
    fail "no full board on the screen: $(cat "$work/digits")"
# The client area is exactly 299 x 299: its first and last rows and columns are the outlines of the boxes
# of the first and last rows and columns of cells, and the row above it belongs to the menu bar.
for p in "5 0" "5 298" "0 5" "298 5" "298 298"; do
    read -r px py <<<"$p"
    [ "$(pixel "$shots/fresh.png" $((left + px)) $((top + py)))" = 000000 ] ||
        fail "no box outline at client pixel $px, $py: the client area is not the 299 x 299 board"
done
[ "$(pixel "$shots/fresh.png" $((left + 5)) $((top - 1)))" != 000000 ] || fail "the board reaches under the menu bar"
for label in "Правила игры" "Начать новую игру" "Выйти из игры"; do
    "$probe" text "$shots/fresh.png" "$left" "$((top - menu_height))" 299 "$menu_height" menu "$label" ||
        fail "the menu bar does not read '$label'"
done

step "a click selects a cell (hatch), a second click deselects it"
[ "$(hatch "$shots/fresh.png" 0 0)" = 0 ] || fail "hatch before any click"
xdotool mousemove $((left + 15)) $((top + 15)) click 1
shot_until selected '[ "$(hatch "$shots/selected.png" 0 0)" -gt 20 ]' || fail "no hatch after the click"
xdotool mousemove $((left + 20)) $((top + 10)) click 1
shot_until deselected '[ "$(hatch "$shots/deselected.png" 0 0)" = 0 ]' || fail "hatch left after the second click"

step "a double click is two clicks: select, then deselect, and no third"
# The click on cell 2, 2 afterwards shows that all of them were handled: it is selected only if the
# double click left nothing selected.
xdotool mousemove $((left + 45)) $((top + 45)) click --repeat 2 --delay 60 1 sleep 0.6 \
    mousemove $((left + 75)) $((top + 75)) click 1
shot_until double '[ "$(hatch "$shots/double.png" 2 2)" -gt 20 ] || [ "$(hatch "$shots/double.png" 1 1)" -gt 20 ]' ||
    fail "neither click shows"
[ "$(hatch "$shots/double.png" 1 1)" = 0 ] || fail "a double click left the cell selected"
xdotool click 1
shot_until double-end '[ "$(hatch "$shots/double-end.png" 2 2)" = 0 ]' || fail "cell 2, 2 stayed selected"

step "the title clock advances"
s1=$(seconds_in_title)
[ "$s1" -ge 0 ] || fail "no clock in the title: $(xdotool getwindowname "$main")"
wait_for_title '[ "$(seconds_in_title)" -gt "$s1" ]' || fail "title clock did not advance from $s1 s"

step "the rules box opens from the menu by mouse, by F10 and by its mnemonic"
xdotool mousemove $((left + 30)) "$menu_y" click 1
box=$(wait_for_type DIALOG) || fail "rules box not opened by mouse"
shot_until rules 'shows_text "$shots/rules.png" "$box" dialog "Правила игры:"' || fail "the rules box does not read its first line"
shows_text "$shots/rules.png" "$box" dialog "Вот вы читаете эти правила, а время игры уже бежит..." ||
    fail "the rules box does not read its last line"
dismiss_dialog
focus_main
xdotool key F10 Return
wait_for_type DIALOG >/dev/null || fail "rules box not opened by F10"
dismiss_dialog
focus_main
xdotool key alt+Cyrillic_pe
wait_for_type DIALOG >/dev/null || fail "rules box not opened by Alt+П"
dismiss_dialog

step "a whole game is won by clicking the 50 pairs read off the screen"
focus_main
shot board
"$probe" pairs "$shots/board.png" "$left" "$top" >"$work/pairs" || fail "no pairs found on the board"
[ "$(wc -l <"$work/pairs")" = 50 ] || fail "not 50 pairs"
half=()
all=()
n=0
while read -r x1 y1 x2 y2; do
    all+=(mousemove "$x1" "$y1" click 1 mousemove "$x2" "$y2" click 1)
    n=$((n + 1))
    [ "$n" -le 25 ] && half+=(mousemove "$x1" "$y1" click 1 mousemove "$x2" "$y2" click 1)
done <"$work/pairs"
xdotool "${half[@]}"
shot_until half '"$probe" digits "$shots/half.png" "$left" "$top" | grep -q 0' || fail "no pair closed"
before=$(seconds_in_title)
xdotool "${all[@]:${#half[@]}}"
win=$(wait_for_type DIALOG) || fail "no win box after the last pair"
shot_until won 'shows_text "$shots/won.png" "$win" dialog "Если б еще я вела таблицу рекордов..."' ||
    fail "the win box does not read its second line"
# The box shows the finished game's time: some seconds after the title's reading before the last clicks.
read_time=no
for s in $(seq "$before" $((before + 30))); do
    printf -v line 'Победа! Ваше время %02d:%02d. Это рекорд! :-) ... или нет.' $((s / 60)) $((s % 60))
    shows_text "$shots/won.png" "$win" dialog "$line" && read_time=yes && break
done
[ "$read_time" = yes ] || fail "the win box does not read its first line with the game's time (about $before s)"
wait_for_title '[ "$(xdotool getwindowname "$main")" = "$title" ]' || fail "title not bare while the win box is open"
dismiss_dialog
wait_for_title '[ "$(seconds_in_title)" -ge 0 ]' || fail "no clock in the title after the win box"
s=$(seconds_in_title)
[ "$s" -le 5 ] || fail "the next game's clock did not start from zero ($s)"
shot_until next '"$probe" digits "$shots/next.png" "$left" "$top" >"$work/next" && ! grep -q 0 "$work/next"' ||
    fail "the next board is not full: $(cat "$work/next")"

step "the exit command ends the program with 0"
focus_main
xdotool key F10 Right Right Return
expect_exit_zero "exit command"

step "closing the window ends the program with 0"
start_game
sleep 0.3
"$probe" close "$main"
expect_exit_zero "close request"

step "on a doubled display the board is crisp and clicks land on their cell"
scale=2
start_game env GDK_SCALE=2
xdotool mousemove $((left + (7 * 30 + 15) * 2)) $((top + (8 * 30 + 15) * 2)) click 1
shot_until doubled '[ "$("$probe" hatch "$shots/doubled.png" "$left" "$top" 8 7 2)" -gt 80 ]' ||
    fail "the click missed cell 8, 7"
[ "$("$probe" blurred "$shots/doubled.png" "$left" "$top" 598 598)" = 0 ] || fail "the doubled board is smoothed"
[ "$("$probe" hatch "$shots/doubled.png" "$left" "$top" 8 6 2)" = 0 ] || fail "the click hatched cell 8, 6"
"$probe" close "$main"
expect_exit_zero "close request on the doubled display"

echo "all GUI checks passed"
