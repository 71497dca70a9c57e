#!/usr/bin/env bash
# Drives the real program on a fresh account with random clicks, drags, wheel turns and keys for
# a while, and fails if it ever ends on its own (a crash, a sanitizer's report, a quit nobody
# asked for). Any window other than the main window (a box, a dialog, a chooser, a menu) is
# answered with Escape. Run under xvfb-run:
#   monkey_gui.sh PLUMET OUTPUT_FOLDER [SECONDS] [SEED]
# The seed is printed; the same seed replays the same choices (the program's timing may still
# differ). PLUMET_MONKEY_SEED and PLUMET_MONKEY_SECONDS do the same as the arguments.
set -uo pipefail
source "$(dirname "$0")/../../support/xwindows.sh"

plumet=$1
out=$2
seconds=${3:-${PLUMET_MONKEY_SECONDS:-120}}
seed=${4:-${PLUMET_MONKEY_SEED:-$(($(date +%s%N) % 32768))}}
mkdir -p "$out"
work=$(mktemp -d)
export HOME="$work/home"
mkdir -p "$HOME"
# The X and font libraries keep caches to the end of the process, which a sanitizer build's
# leak check would report as the program's; the unit tests check our own objects for leaks.
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0"
pid=""
steps="$work/steps"

trap cleanup EXIT

fail() {
    echo "FAIL (monkey, seed $seed): $*" >&2
    import -window root "$out/monkey-failed.png" 2>/dev/null
    window_report >&2
    echo "--- the last steps (replay: $0 $plumet $out $seconds $seed)" >&2
    tail -40 "$steps" >&2
    echo "--- the program's output" >&2
    tail -60 "$work/log" >&2
    exit 1
}

for tool in xdotool xprop import identify; do
    command -v "$tool" >/dev/null || fail "$tool is not installed"
done

echo "monkey seed $seed for $seconds seconds"
RANDOM=$seed
: >"$steps"

"$plumet" >"$work/log" 2>&1 &
pid=$!
answer_box "Plumet Comics" Return || fail "no language box, or it took no answer"
close_welcome "Welcome to Plumet Comics" || fail "no welcome page, or it did not close"
main=$(wait_ready "Untitled comic") || fail "the main window is not ready for input"
eval "$(xdotool getwindowgeometry --shell "$main")"
# The program's own title bar (minimise, maximise, close) stays out of reach: closing is the
# script's to do, and a minimised window would take no more input.
left=$X top=$((Y + 26)) width=$WIDTH height=$((HEIGHT - 26))
startX=$X startY=$Y

# in_time: fails the test, with its report, once the run has overrun its time by more than the
# slowest answers could explain; the test's own time limit would end it without a word.
in_time() {
    ((SECONDS < deadline + grace)) || fail "the program still kept the script busy $grace seconds after its time"
}

# still_running: fails the test when the program has ended; says how.
still_running() {
    ended || return 0
    if ((status > 128)); then
        fail "the program ended by signal $((status - 128))"
    fi
    fail "the program ended by itself with status $status"
}

# others: the visible windows other than the main window (boxes, dialogs, choosers, menus).
others() {
    local id
    for id in $(xdotool search --onlyvisible --name '.*' 2>/dev/null); do
        [ "$id" = "$main" ] && continue
        # The screen's root window and the library's tooltips are no windows to answer.
        case "$(xdotool getwindowname "$id" 2>/dev/null)" in "" | tooltip | TooltipWindow) continue ;; esac
        echo "$id"
    done
}

# answer_others: Escape for every other window, the top one first; a window that stays after a
# few is told apart in the report rather than answered forever.
declare -A tries
answer_others() {
    local id name
    for id in $(others | tac); do
        name=$(xdotool getwindowname "$id" 2>/dev/null) || continue
        tries[$id]=$((${tries[$id]:-0} + 1))
        if ((tries[$id] > 5)); then
            ((tries[$id] == 6)) && echo "window '$name' stays after Escape" >>"$steps"
            continue
        fi
        # A window with a ready mark is waited for; the library's file chooser has none.
        in_time
        wait_for 10 is_ready "$id" || wait_for 5 painted "$id" || true
        echo "escape '$name'" >>"$steps"
        xdotool key Escape
        wait_for 5 eval "! xdotool search --onlyvisible --name . 2>/dev/null | grep -qx '$id'" && return 0
        still_running
    done
}

random_point() { # sets px, py to a random place in the main window below its title bar
    px=$((left + RANDOM % width))
    py=$((top + RANDOM % height))
}

keys=(a b x 1 2 3 5 Delete BackSpace Return Tab Up Down Left Right Home End Page_Up Page_Down
    ctrl+z ctrl+y ctrl+s ctrl+a ctrl+c ctrl+x ctrl+v ctrl+n F1 Escape space shift+Tab)

step() {
    random_point
    case $((RANDOM % 10)) in
        0 | 1 | 2 | 3)
            echo "click $px $py" >>"$steps"
            xdotool mousemove --sync "$px" "$py" click 1
            ;;
        4)
            echo "right click $px $py" >>"$steps"
            xdotool mousemove --sync "$px" "$py" click 3
            ;;
        5)
            echo "double click $px $py" >>"$steps"
            xdotool mousemove --sync "$px" "$py" click --repeat 2 1
            ;;
        6)
            local qx qy
            qx=$((px + RANDOM % 201 - 100)) qy=$((py + RANDOM % 201 - 100))
            ((qx < left)) && qx=$left
            ((qy < top)) && qy=$top
            echo "drag $px $py $qx $qy" >>"$steps"
            xdotool mousemove --sync "$px" "$py" mousedown 1
            xdotool mousemove --sync $(((px + qx) / 2)) $(((py + qy) / 2)) mousemove --sync "$qx" "$qy" mouseup 1
            ;;
        7)
            local wheel=$((4 + RANDOM % 2))
            echo "wheel $wheel at $px $py" >>"$steps"
            xdotool mousemove --sync "$px" "$py" click "$wheel"
            ;;
        *)
            local key=${keys[$((RANDOM % ${#keys[@]}))]}
            echo "key $key" >>"$steps"
            xdotool key "$key"
            ;;
    esac
}

count=0
deadline=$((SECONDS + seconds))
# A window that keeps ignoring Escape costs up to 20 seconds a try; after the time is up the script
# still answers what is open and closes the program, which a sanitizer build does slowly.
grace=90
while ((SECONDS < deadline)); do
    still_running
    answer_others
    before=$SECONDS
    step
    ((SECONDS - before > 5)) && echo "the step above took $((SECONDS - before)) seconds" >>"$steps"
    count=$((count + 1))
done
still_running
answer_others
echo "$count steps, $(grep -c '^escape' "$steps") other windows answered with Escape"
cp "$steps" "$out/monkey-steps.txt"
grep -E "stays after|took" "$steps"
import -window root "$out/monkey-end.png" 2>/dev/null

# The script closes the program: the close button, and No to the save question if it comes. The
# window may have been moved on the way (seed 27611 left its close button beyond the screen's
# edge), so it goes back to where it started first.
eval "$(xdotool getwindowgeometry --shell "$main")"
if [ "$X" != "$startX" ] || [ "$Y" != "$startY" ]; then
    echo "the main window was moved to $X $Y" >>"$out/monkey-steps.txt"
    xdotool windowmove --sync "$main" "$startX" "$startY"
    eval "$(xdotool getwindowgeometry --shell "$main")"
fi
xdotool mousemove --sync $((X + WIDTH - 17)) $((Y + 13)) click 1
if question=$(wait_ready Warning 10); then
    eval "$(xdotool getwindowgeometry --shell "$question")"
    click_box Warning $((WIDTH / 2)) $((HEIGHT * 82 / 100)) || fail "the save question took no answer"
fi
wait_for 30 ended || fail "the program did not end when the script closed it"
((status == 0)) || fail "the program ended with status $status when the script closed it"
grep -qE "AddressSanitizer|runtime error|LeakSanitizer" "$work/log" && fail "a sanitizer reported an error"
echo "PASS (monkey, seed $seed)"
