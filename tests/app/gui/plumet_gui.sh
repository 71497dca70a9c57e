#!/usr/bin/env bash
# Starts the real program on a fresh account and drives it with xdotool. Run under xvfb-run:
#   plumet_gui.sh CASE PLUMET PLUMET_CLI OUTPUT_FOLDER
# Every wait is bounded, so a box that never comes fails the case instead of hanging.
set -uo pipefail
source "$(dirname "$0")/../../support/xwindows.sh"

case_name=$1
plumet=$2
cli=$3
out=$4
mkdir -p "$out"
work=$(mktemp -d)
export HOME="$work/home"
# The X and font libraries keep caches to the end of the process, which a sanitizer build's
# leak check would report as the program's; the unit tests check our own objects for leaks.
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0"
mkdir -p "$HOME"
user="$HOME/Documents/Plumet"
pid=""

trap cleanup EXIT

fail() {
    echo "FAIL ($case_name): $*" >&2
    window_report >&2
    import -window root "$out/$case_name-failed.png" 2>/dev/null
    exit 1
}

for tool in xdotool xprop import identify jq; do
    command -v "$tool" >/dev/null || fail "$tool is not installed"
done

count_windows() {
    xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | wc -l
}

press() { # WINDOW KEY: one key into the window, once it is ready for it
    wait_for 10 is_ready "$1" || fail "window $1 is not ready for input"
    xdotool key --clearmodifiers "$2"
}

# wait_exit [SECONDS]: true when the program ended in time; its status is in $status. A sanitizer
# build on a busy machine takes some seconds to save and end; a question asked again never ends.
wait_exit() {
    wait_for "${1:-20}" ended
}

language_in_options() {
    "$cli" info "$user/comics_options.opt" | sed -n 's/.*"language": \([0-9]*\).*/\1/p'
}

# click_close WINDOW: the close button is the rightmost of the program's own title bar.
click_close() {
    eval "$(xdotool getwindowgeometry --shell "$1")"
    xdotool mousemove --sync $((X + WIDTH - 17)) $((Y + 13)) click 1
}

# close_saved WINDOW: closes the window of a saved comic, which asks nothing, and waits for the
# program to end.
close_saved() {
    wait_for 10 is_ready "$1" || return 1
    click_close "$1"
    wait_exit 30
}

saved() { ls "$user"/comics_*.plm >/dev/null 2>&1; }

# save_by COMMAND...: runs a save command once and waits for the comic file.
save_by() {
    "$@"
    wait_for 10 saved
}

start() { # program
    "$1" >"$work/stdout" 2>&1 &
    pid=$!
}

# A first start in English: Return picks the first button of the language box.
first_start_english() {
    start "$plumet"
    answer_box "Plumet Comics" Return || fail "no language box, or it took no answer"
    wait_window "Untitled comic" >/dev/null || fail "no main window after choosing English"
    kill "$pid"
    wait "$pid" 2>/dev/null
    pid=""
}

# canvas_centre WINDOW: sets cx, cy to the centre of the canvas, which fills the window's client
# area but for the bars above and below, the side pane's 12 columns at the left and the view
# pane's 6 at the right (24-pixel cells), and, while help is on as for a new user, the 6 rows of
# help lines under it.
canvas_centre() {
    eval "$(xdotool getwindowgeometry --shell "$1")"
    cx=$((X + (12 * 24 + WIDTH - 6 * 24) / 2))
    cy=$((Y + HEIGHT / 2 + 23 - 3 * 24))
}

# start_on_canvas: a first start in English, with the OpenGL canvas for a case whose name ends in
# "-opengl", and the main window ready; sets window and the canvas's centre cx, cy.
start_on_canvas() {
    first_start_english
    if [[ $case_name == *-opengl ]]; then
        "$cli" option "$user/comics_options.opt" openGLCanvas 1 || fail "could not ask for the OpenGL canvas"
    fi
    start "$plumet"
    window=$(wait_ready "Untitled comic") || fail "no main window ready for input"
    canvas_centre "$window"
}

drag() { # x1 y1 x2 y2: a press, a few moves and a release, as a hand does it
    xdotool mousemove --sync "$1" "$2" mousedown 1
    for step in 1 2 3 4; do
        xdotool mousemove --sync $(($1 + ($3 - $1) * step / 4)) $(($2 + ($4 - $2) * step / 4))
    done
    xdotool mouseup 1
}

window_sum() { import -window "$1" png:- 2>/dev/null | md5sum; } # WINDOW: a checksum of its pixels
window_changed() { [ "$(window_sum "$1")" != "$2" ]; }           # WINDOW SUM

# panel_x FILE: the first panel's position and the x of its first corner, "x corner".
panel_x() {
    "$cli" info "$1" | jq -r '.comic.pages[0].panels[0] | "\(.x) \(.points[0].x)"'
}

click_in() { click_at "$@"; } # WINDOW X Y

# side_click WINDOW COLUMN ROW: a click in the middle of a cell of the side pane's grid (24-pixel
# cells; the pane's frame sits 10 pixels in from the window's left and 87 below its top).
side_click() {
    eval "$(xdotool getwindowgeometry --shell "$1")"
    xdotool mousemove --sync $((X + 10 + $2 * 24 + 12)) $((Y + 87 + $3 * 24 + 12)) click 1
}

# toolbar_click WINDOW N: the tool bar's Nth side-pane button (0 Pages, 1 Layers, 2 Clips, 3 Decor).
toolbar_click() {
    eval "$(xdotool getwindowgeometry --shell "$1")"
    xdotool mousemove --sync $((X + 53 + 96 * $2)) $((Y + 66)) click 1
}

# new_item WINDOW: "New" from the item menu under the side pane's title button.
new_item() {
    side_click "$1" 5 0
    wait_menu || fail "no item menu under the title button"
    xdotool mousemove_relative --sync 30 10 click 1
    wait_for 10 is_ready "$1" || fail "the item menu did not close"
}

# menu_line WINDOW N: the Comic menu's Nth enabled line, counted from 1.
menu_line() {
    wait_for 10 is_ready "$1" || fail "the window is not ready for the menu"
    click_in "$1" 40 38
    wait_menu || fail "the Comic menu did not open"
    for ((n = 0; n < $2; n++)); do xdotool key Down; done
    xdotool key Return
}

case "$case_name" in
    comic-open-settings-export-close-no)
        first_start_english
        start "$plumet"
        window=$(wait_ready "Untitled comic" 40) || fail "no main window ready for input"
        save_by menu_line "$window" 3 || fail "Comic > Save saved no comic" # so that opening another comic asks nothing
        sample="$user/sample_comic_E.plm"
        [ -f "$sample" ] || fail "no English sample comic in the user folder"
        before=$(md5sum <"$sample")
        menu_line "$window" 1
        chooser=$(wait_ready "Open a comic") || fail "no comic chooser"
        import -window root "$out/comic-chooser.png"
        click_in "$chooser" 100 60  # the sample's row, below the row for a new comic
        click_in "$chooser" 242 277 # Open
        window=$(wait_ready "Sample: The Lost Feather") || fail "the sample did not open"
        menu_line "$window" 3
        settings=$(wait_ready "Comic settings") || fail "no settings dialog"
        click_in "$settings" 133 86 # Landscape
        import -window root "$out/comic-settings.png"
        click_box "Comic settings" 242 230 || fail "OK did not close the settings" # OK
        menu_line "$window" 6 # Export, now that Save is enabled too
        # The library's own file chooser carries no ready mark; it takes input once painted.
        chooser=$(wait_window "Export as PDF") || fail "no export file chooser"
        wait_for 10 painted "$chooser" || fail "the file chooser was never painted"
        eval "$(xdotool getwindowgeometry --shell "$chooser")"
        click_in "$chooser" $((WIDTH / 2)) $((HEIGHT - 63)) # the file name field
        xdotool type --delay 20 "$work/landscape.pdf"
        xdotool key Return
        click_in "$chooser" $((WIDTH - 60)) $((HEIGHT - 23)) # Save
        wait_for 10 test -s "$work/landscape.pdf" || fail "the export wrote no PDF"
        qpdf --check "$work/landscape.pdf" >/dev/null || fail "the exported PDF does not pass qpdf"
        read -r pw ph < <(pdfinfo "$work/landscape.pdf" | sed -n 's/^Page size: *\([0-9.]*\) x \([0-9.]*\).*/\1 \2/p')
        awk -v w="$pw" -v h="$ph" 'BEGIN { exit !(w > h) }' || fail "the exported page is $pw x $ph, not landscape"
        menu_line "$window" 2 # Close
        question=$(wait_ready "Warning" 10) || fail "no save question"
        eval "$(xdotool getwindowgeometry --shell "$question")"
        click_box Warning $((WIDTH / 2)) $((HEIGHT * 82 / 100)) || fail "No did not answer" # No, the middle button
        wait_window "Plumet Comics" >/dev/null || fail "the comic did not close"
        [ "$(md5sum <"$sample")" = "$before" ] || fail "No wrote the discarded edits into the sample"
        ;;
    canvas-drag-software | canvas-drag-opengl)
        start_on_canvas
        # A new panel, 50 pixels across, comes at the canvas's centre, selected; it is dragged
        # once it shows, as a hand would.
        before=$(window_sum "$window")
        side_click "$window" 5 14 # Pages pane: Add panel
        wait_for 10 window_changed "$window" "$before" || fail "no panel came on the canvas"
        drag $cx $cy $((cx + 100)) $cy
        import -window root "$out/$case_name-dragged.png"
        press "$window" ctrl+z
        press "$window" ctrl+y
        save_by press "$window" ctrl+s || fail "Ctrl+S saved no comic"
        close_saved "$window" || fail "the program did not end (a question after saving?)"
        read -r x corner <<<"$(panel_x "$(ls "$user"/comics_*.plm | head -1)")"
        # The corner is 25 pixels from the panel's centre, the drag was 100: four times as far.
        awk -v x="$x" -v c="$corner" 'BEGIN { r = x / (c < 0 ? -c : c); exit !(r > 3.8 && r < 4.2) }' ||
            fail "the panel is at x = $x with a corner at $corner, not moved by four half-widths"
        ;;
    draw-freehand | draw-freehand-opengl)
        start_on_canvas
        side_click "$window" 1 12 # Pages: Draw
        drag $((cx - 150)) $((cy - 150)) $((cx + 150)) $((cy + 150))
        toolbar_click "$window" 1
        side_click "$window" 1 11 # Layers: Draw
        # A circle of 60 pixels' radius, drawn by hand in 48 moves, that ends where it began.
        xdotool mousemove --sync $((cx + 60)) "$cy" mousedown 1
        for ((i = 1; i <= 48; i++)); do
            read -r x y < <(awk -v i="$i" -v cx="$cx" -v cy="$cy" \
                'BEGIN { a = 6.2831853 * i / 48; printf "%d %d", cx + 60 * cos(a), cy + 60 * sin(a) }')
            xdotool mousemove --sync "$x" "$y"
        done
        xdotool mouseup 1
        # A Z: three straight strokes in one line, with two sharp turns.
        z=($((cx - 50)) $((cy + 90)) $((cx + 50)) $((cy + 90)) $((cx - 50)) $((cy + 140)) $((cx + 50)) $((cy + 140)))
        xdotool mousemove --sync "${z[0]}" "${z[1]}" mousedown 1
        for leg in 0 2 4; do
            for step in 1 2 3 4 5 6 7 8; do
                xdotool mousemove --sync $((z[leg] + (z[leg + 2] - z[leg]) * step / 8)) \
                    $((z[leg + 1] + (z[leg + 3] - z[leg + 1]) * step / 8))
            done
        done
        xdotool mouseup 1
        wait_for 10 is_ready "$window" || fail "the window is not ready after drawing"
        import -window root "$out/$case_name.png"
        save_by press "$window" ctrl+s || fail "Ctrl+S saved no comic"
        close_saved "$window" || fail "the program did not end"
        saved=$("$cli" info "$(ls "$user"/comics_*.plm | head -1)") || fail "the saved comic does not load"
        shapes() { jq -r ".comic.pages[0].panels[0].layers[0].shapes$1" <<<"$saved"; }
        [ "$(jq -r '.comic.pages[0].panels | length' <<<"$saved")" = 1 ] || fail "the drag on the page made no panel"
        [ "$(shapes ' | map(select(.classId == 18)) | length')" = 2 ] || fail "the layer lacks the two drawn curves"
        [ "$(shapes '[0].closed')" = true ] || fail "the circle is not a closed curve"
        [ "$(shapes '[1].closed')" = false ] || fail "the Z is closed"
        [ "$(shapes '[1].points | map(select(.sharpness == 100)) | length')" -ge 2 ] ||
            fail "the Z has no two sharp corners"
        ;;
    side-panes-build-a-comic)
        first_start_english
        start "$plumet"
        window=$(wait_ready "Untitled comic") || fail "no main window ready for input"
        side_click "$window" 5 14 # Pages: Add panel
        toolbar_click "$window" 1
        side_click "$window" 2 14 # Layers: Add curve
        import -window root "$out/$case_name-layers-curve.png"
        side_click "$window" 6 19 # the curve's line colour
        colour=$(wait_ready "Colour") || fail "no colour editor from the line colour"
        click_in "$colour" 206 185 # a red of the grid
        click_box Colour 291 374 || fail "the colour editor stayed" # OK
        side_click "$window" 8 14 # Layers: Add text
        side_click "$window" 7 21 # its alignment
        wait_menu || fail "the alignment list did not open"
        xdotool key Down Return # centred to the right
        import -window root "$out/$case_name-layers-text.png"
        toolbar_click "$window" 2
        new_item "$window"
        side_click "$window" 8 13 # Clips: Add curve, on card 0
        side_click "$window" 6 9  # the variant
        xdotool key ctrl+a type 1
        xdotool key Return
        side_click "$window" 8 13 # a curve on card 1
        import -window root "$out/$case_name-clips.png"
        toolbar_click "$window" 3
        new_item "$window"
        side_click "$window" 8 15 # Decor: Add brush stroke
        import -window root "$out/$case_name-decor.png"
        save_by press "$window" ctrl+s || fail "Ctrl+S saved no comic"
        close_saved "$window" || fail "the program did not end"
        saved=$("$cli" info "$(ls "$user"/comics_*.plm | head -1)") || fail "the saved comic does not load"
        check() { # JQ-EXPRESSION WHAT
            [ "$(jq -r "$1" <<<"$saved")" = true ] || fail "the saved comic lacks $2"
        }
        check '[.comic.pages[0].panels[0].layers[0].shapes[] | select(.classId == 18 and .lineColour != "0xFF000000")] | length == 1' "a recoloured curve in the panel's layer"
        check '[.comic.pages[0].panels[0].layers[0].shapes[] | select(.classId == 50 and .align == 3)] | length == 1' "a right-aligned text in the panel's layer"
        check '.comic.clips | length == 1' "one clip"
        check '[.comic.clips[0].cards[] | select(.shapes | length == 1) | .cardNo] == [0, 1]' "a clip with a curve on each of two cards"
        check '[.comic.decor[0].content.children[] | select(.classId == 102 and .kind == 2)] | length == 1' "a decor with a thick brush stroke"
        ;;
    first-start-escape-is-french)
        start "$plumet"
        wait_ready "Plumet Comics" >/dev/null || fail "no language box ready for input"
        [ -e "$user/comics_options.opt" ] && fail "options written before the language was chosen"
        import -window root "$out/language-box.png"
        answer_box "Plumet Comics" Escape || fail "the language box took no answer"
        wait_window "Bande dessinée sans titre" >/dev/null || fail "no French main window"
        [ "$(language_in_options)" = 3 ] || fail "options language is '$(language_in_options)', not 3"
        [ -d "$user/images" ] || fail "no images folder"
        ;;
    prepared-options-open-the-window)
        first_start_english
        start "$plumet"
        window=$(wait_ready "Untitled comic") || fail "no main window ready for input"
        [ "$(count_windows "Plumet Comics")" = 0 ] || fail "the language was asked again"
        import -window root "$out/main-window.png"
        eval "$(xdotool getwindowgeometry --shell "$window")"
        [ "$WIDTH" -gt 600 ] && [ "$HEIGHT" -gt 400 ] || fail "window is only ${WIDTH}x${HEIGHT}"
        ;;
    missing-language-file-ends-the-program)
        program="$work/program"
        mkdir -p "$program"
        cp "$plumet" "$program/"
        cp "$(dirname "$plumet")"/comics_locale_E.lng "$program/"
        first_start_english_program=$program/plumet
        start "$first_start_english_program"
        answer_box "Plumet Comics" Escape || fail "no language box, or it took no answer" # French, whose file is missing here
        wait_ready "Error" >/dev/null || fail "no Error box"
        import -window root "$out/missing-language.png"
        answer_box Error Return || fail "the Error box took no answer"
        wait_exit 30 || fail "the program did not end after the Error box"
        [ "$(count_windows "Bande dessinée sans titre")" = 0 ] || fail "the main window appeared"
        ;;
    close-with-modified-comic-asks-once | question-title-bar-close-cancels)
        first_start_english
        start "$plumet"
        window=$(wait_ready "Untitled comic") || fail "no main window ready for input"
        click_close "$window"
        question=$(wait_ready "Warning" 10) || fail "no save question"
        import -window root "$out/save-question.png"
        if [ "$case_name" = question-title-bar-close-cancels ]; then
            # The box's close button answers nothing: the window stays open and nothing is written.
            click_close "$question"
            wait_gone Warning || fail "the close button left the question open"
            wait_for 10 is_ready "$window" || fail "the main window did not take input again"
            ended && fail "the program ended although the question was cancelled"
            saved && fail "a cancelled question saved the comic"
            # Escape cancels as well; then Yes saves and ends the program.
            click_close "$window"
            answer_box Warning Escape || fail "Escape did not answer the save question"
            wait_for 10 is_ready "$window" || fail "the main window did not take input after Escape"
            saved && fail "Escape saved the comic"
            click_close "$window"
        fi
        answer_box Warning Return || fail "the save question took no answer"
        wait_exit 30 || fail "the program did not end after the answer (asked again?)"
        [ "$status" = 0 ] || fail "exit status $status"
        ls "$user"/comics_*.plm >/dev/null 2>&1 || fail "Yes did not save the new comic"
        ;;
    *)
        echo "unknown case $case_name" >&2
        exit 64
        ;;
esac
echo "PASS ($case_name)"
