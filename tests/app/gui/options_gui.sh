#!/usr/bin/env bash
# Clicks through the options dialog and the colour and font editors with xdotool. Run under xvfb-run:
#   options_gui.sh CASE GUI_TESTS PLUMET PLUMET_CLI OUTPUT_FOLDER
# bench:   the bench window of the GUI test program, which writes where its controls are into
#          $PLUMET_SCRIPT_DIR/positions; then the options file and the program's own verdict.
# program: the real program on a fresh account: the status bar's options button, inches and
#          300 dpi, accept, quit, and the options file.
# Every wait is bounded, so a dialog that never comes fails the test instead of hanging it.
set -uo pipefail
source "$(dirname "$0")/../../support/xwindows.sh"

case_name=$1
tests=$2
plumet=$3
cli=$4
out=$5
mkdir -p "$out"
work=$(mktemp -d)
export PLUMET_SCRIPT_DIR="$work"
export HOME="$work/home"
mkdir -p "$HOME"
# The X and font libraries keep caches to the end of the process, which a sanitizer build's
# leak check would report; the unit tests check our own objects for leaks.
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0"
pid=""

trap cleanup EXIT

fail() {
    echo "FAIL ($case_name): $*" >&2
    import -window root "$out/options-$case_name-failed.png" 2>/dev/null
    [ -f "$work/log" ] && cat "$work/log" >&2
    window_report >&2
    exit 1
}

for tool in xdotool xprop import identify jq; do
    command -v "$tool" >/dev/null || fail "$tool is not installed"
done

showing() { # the dialog on top, as the program last wrote it
    [ "$(head -1 "$work/positions" 2>/dev/null)" = "dialog $1" ]
}

click_on() { # NAME: a left click on the centre of a control the program listed
    local x y
    read -r x y <<<"$(awk -v n="$1" '$1 == n { print $2, $3 }' "$work/positions")"
    [ -n "$x" ] || fail "$1 is not on screen"
    xdotool mousemove --sync "$x" "$y" click 1
}

screen_sum() { import -window root png:- 2>/dev/null | md5sum; }

# shot NAME: the screen once it differs from the last shot, so that a page switch has been drawn.
last_sum=""
shot() {
    wait_for 5 screen_differs || true
    import -window root "$out/$1.png"
    last_sum=$(screen_sum)
}
screen_differs() { [ "$(screen_sum)" != "$last_sum" ]; }

open_dialog() { # BUTTON KIND TITLE: one click on the bench, then the dialog ready for input; prints its id
    wait_ready "Plumet bench" >/dev/null || fail "the bench is not ready for input"
    click_on "$1"
    wait_for 10 showing "$2" || fail "no $2 dialog after a click on $1"
    wait_ready "$3" || fail "no window titled $3 ready for input"
}

back_to_bench() {
    wait_for 10 showing none || fail "the dialog did not close"
}

options_file="$work/comics_options.opt"
option_value() {
    "$cli" info "$options_file" | jq -r ".options.$1"
}

if [ "$case_name" = program ]; then
    options_file="$HOME/Documents/Plumet/comics_options.opt"
    "$plumet" >"$work/log" 2>&1 &
    pid=$!
    answer_box "Plumet Comics" Return || fail "no language box, or it took no answer"
    main=$(wait_window "Untitled comic") || fail "no main window"
    # A first start greets the user; its button at the bottom right leads to the editor.
    close_welcome "Welcome to Plumet Comics" || fail "no welcome page at the first start, or it did not close"
    main=$(wait_ready "Untitled comic") || fail "the main window is not ready for input"
    # The options button closes the status bar's row of six switches, each five cells of 24 pixels.
    eval "$(xdotool getwindowgeometry --shell "$main")"
    xdotool mousemove --sync $((X + 796)) $((Y + HEIGHT - 16)) click 1
    dialog=$(wait_ready Options) || fail "the options button opened no dialog"
    # Inside the dialog, on its cell grid: the inch check, the resolution box and OK.
    eval "$(xdotool getwindowgeometry --shell "$dialog")"
    xdotool mousemove --sync $((X + 47)) $((Y + 184)) click 1
    xdotool mousemove --sync $((X + 375)) $((Y + 208)) click 1
    wait_menu || fail "the resolution list did not open" # on the current entry
    xdotool key Down Return
    import -window root "$out/options-program.png"
    xdotool mousemove --sync $((X + 363)) $((Y + 279)) click 1
    wait_gone Options || fail "OK did not close the options"
    [ "$(option_value useInch)" = true ] || fail "useInch is $(option_value useInch) after OK"
    [ "$(option_value exportDpi)" = 300 ] || fail "exportDpi is $(option_value exportDpi) after OK"
    wait_for 10 is_ready "$main" || fail "the main window is not ready after the options"
    eval "$(xdotool getwindowgeometry --shell "$main")"
    xdotool mousemove --sync $((X + WIDTH - 17)) $((Y + 13)) click 1
    # The new comic is unsaved, so the save question comes.
    answer_box Warning Return || fail "no save question, or it took no answer"
    wait_for 20 ended || fail "the program did not end"
    [ "$status" = 0 ] || fail "exit status $status"
    [ "$(option_value useInch)" = true ] && [ "$(option_value exportDpi)" = 300 ] ||
        fail "the options file lost inches or 300 dpi when the program closed"
    echo "PASS ($case_name)"
    exit 0
fi

"$tests" --gtest_filter='ScriptedEditors.*' >"$work/log" 2>&1 &
pid=$!

wait_for 20 showing none || fail "no bench window"
wait_ready "Plumet bench" >/dev/null || fail "the bench window is not ready for input"
shot bench-help-pane

# Options: look at every page, then switch to inches and 300 dpi and accept.
open_dialog options options Options >/dev/null
shot options-misc
for page in 1 2 3; do
    click_on page$page
    shot options-page$page
done
click_on page0
click_on inch
click_on dpi
wait_menu || fail "the resolution list did not open" # on the current entry
xdotool key Down Return
shot options-inch-300dpi
click_on accept
back_to_bench
[ "$(option_value useInch)" = true ] || fail "useInch is $(option_value useInch) in the options file"
[ "$(option_value exportDpi)" = 300 ] || fail "exportDpi is $(option_value exportDpi) in the options file"

# The curve's swatch: pick palette entry 2 and accept.
open_dialog tint colour Colour >/dev/null
shot colour-editor
click_on pick
click_on accept
back_to_bench

# The text's font button: bold and accept.
open_dialog font font Font >/dev/null
shot font-editor
click_on bold
click_on accept
back_to_bench

for box in "about:About Plumet Comics" "welcome:Welcome to Plumet Comics"; do
    window=$(open_dialog "${box%%:*}" "${box%%:*}" "${box#*:}")
    shot "${box%%:*}"
    answer_box "${box#*:}" Escape || fail "the ${box%%:*} box did not close on Escape"
    back_to_bench
done

wait_ready "Plumet bench" >/dev/null || fail "the bench is not ready for input after the boxes"
click_on close
wait_for 20 ended || fail "the test program did not end"
[ "$status" = 0 ] || fail "the test program failed (status $status)"
grep -q "PASSED.*1 test" "$work/log" || fail "the bench test did not run"
echo "PASS ($case_name)"
