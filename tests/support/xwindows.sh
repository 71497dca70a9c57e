# The waits and window lookups every xdotool script shares; sourced, not run. A script that
# starts the program keeps its process id in $pid and its scratch folder in $work.

# wait_for SECONDS COMMAND...: true as soon as COMMAND succeeds, asking five times a second.
wait_for() {
    local limit=$1
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

# A window that shows more than a few colours has been painted; a fresh one is a single colour.
painted() {
    local colours
    colours=$(import -window "$1" png:- 2>/dev/null | identify -format %k - 2>/dev/null)
    [ "${colours:-0}" -gt 8 ]
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

# close_welcome TITLE: clicks the welcome page's button at its bottom right. A page mapped but
# not yet painted or placed lets the click fall through, so the click is tried again.
close_welcome() {
    local page
    page=$(wait_window "$1" 10) || return 1
    wait_for 10 painted "$page"
    for attempt in 1 2 3; do
        eval "$(xdotool getwindowgeometry --shell "$page")"
        xdotool mousemove --sync $((X + WIDTH - 3 * 24)) $((Y + HEIGHT - 16)) click 1
        wait_for 3 eval "! find_window '$1' >/dev/null" && return 0
    done
    return 1
}

# answer_box WINDOW TITLE KEY: gives a message box a key until the box titled TITLE is gone. A
# key that comes before the box listens is lost; a box still there was not answered, so the
# key again cannot answer twice.
answer_box() {
    for attempt in 1 2 3; do
        xdotool windowfocus "$1" key "$3" 2>/dev/null
        wait_for 3 eval "! find_window '$2' >/dev/null" && return 0
    done
    return 1
}

# click_box WINDOW TITLE X Y: clicks a box at X, Y from its top left corner until the box titled
# TITLE is gone, as answer_box does with keys.
click_box() {
    for attempt in 1 2 3; do
        eval "$(xdotool getwindowgeometry --shell "$1")"
        xdotool mousemove --sync $((X + $3)) $((Y + $4)) click 1
        wait_for 3 eval "! find_window '$2' >/dev/null" && return 0
    done
    return 1
}
