# The waits and window lookups every xdotool script shares; sourced, not run. A script that
# starts the program keeps its process id in $pid and its scratch folder in $work.
#
# Every window of the program marks itself ready for input (painted, holding the keyboard focus,
# not blocked by a box) with the X property _PLUMET_READY = 1. A script waits for that once and
# then gives each key or click once: a window that drops one has a fault, and the test fails.

# wait_for SECONDS COMMAND...: true as soon as COMMAND succeeds, asking five times a second.
wait_for() {
    local limit=$1 i
    shift
    for ((i = 0; i < limit * 5; i++)); do
        "$@" && return 0
        sleep 0.2
    done
    return 1
}

find_window() { # NAME: the id of the first visible window titled exactly so
    xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -1 | grep .
}

wait_window() { # NAME [SECONDS]: prints the id of the first window titled exactly NAME
    wait_for "${2:-20}" find_window "$1" >/dev/null && find_window "$1"
}

is_ready() { # WINDOW: the window takes input now
    xprop -id "$1" _PLUMET_READY 2>/dev/null | grep -q '= 1$'
}

ready_window() { # NAME: the id of a visible window titled NAME that is ready for input
    local id
    for id in $(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null); do
        is_ready "$id" && echo "$id" && return 0
    done
    return 1
}

wait_ready() { # NAME [SECONDS]: prints the id of the window titled NAME once it is ready for input
    wait_for "${2:-20}" ready_window "$1" >/dev/null && ready_window "$1"
}

gone() { ! find_window "$1" >/dev/null; } # NAME: no visible window is titled so

wait_gone() { wait_for "${2:-10}" gone "$1"; } # NAME [SECONDS]

# wait_menu: waits for a popup menu or drop-down list (a window titled "menu") to be ready; it
# takes the keys and clicks from then on.
wait_menu() { wait_ready menu 10 >/dev/null; }

# A window that shows more than a few colours has been painted; a fresh one is a single colour.
# For the library's own windows, which carry no ready mark (the file chooser).
painted() {
    local colours
    colours=$(import -window "$1" png:- 2>/dev/null | identify -format %k - 2>/dev/null)
    [ "${colours:-0}" -gt 8 ]
}

window_report() { # the focus and every visible window with its ready mark, for a failure's report
    echo "focus: $(xdotool getwindowfocus 2>&1)"
    local id
    for id in $(xdotool search --onlyvisible --name . 2>/dev/null); do
        echo "window $id '$(xdotool getwindowname "$id")' $(xprop -id "$id" _PLUMET_READY 2>&1)"
    done
}

ended() { # true once the program has ended; its exit status is then in $status
    kill -0 "$pid" 2>/dev/null && return 1
    wait "$pid"
    status=$?
    pid=""
}

cleanup() {
    [ -n "$pid" ] && kill "$pid" 2>/dev/null
    chmod -R u+w "$work" 2>/dev/null
    rm -rf "$work"
}

# click_at WINDOW X Y: one click at X, Y from the window's top left corner.
click_at() {
    eval "$(xdotool getwindowgeometry --shell "$1")"
    xdotool mousemove --sync $((X + $2)) $((Y + $3)) click 1
}

# answer_box TITLE KEY: gives the box titled TITLE one key once it is ready, and waits for it to go.
answer_box() {
    wait_ready "$1" 20 >/dev/null || return 1
    xdotool key "$2"
    wait_gone "$1"
}

# click_box TITLE X Y: one click into the box titled TITLE once it is ready, at X, Y from its top
# left corner (negative: from its right or bottom edge), and waits for the box to go.
click_box() {
    local box x=$2 y=$3
    box=$(wait_ready "$1" 20) || return 1
    eval "$(xdotool getwindowgeometry --shell "$box")"
    ((x < 0)) && x=$((WIDTH + x))
    ((y < 0)) && y=$((HEIGHT + y))
    xdotool mousemove --sync $((X + x)) $((Y + y)) click 1
    wait_gone "$1"
}

# close_welcome TITLE: the welcome page's button at its bottom right leads to the editor.
close_welcome() {
    click_box "$1" $((-3 * 24)) -16
}
