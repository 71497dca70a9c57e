#!/usr/bin/env bash
# The installed program on a new account: a first start in German finds its files under
# share/plumet-comics, copies the German sample read-only into ~/Documents/Plumet with its
# picture, and Help > Guide answers with a message when the guide has been removed. Run under
# xvfb-run:   installed_gui.sh BUILD_DIR OUTPUT_FOLDER
set -uo pipefail
source "$(dirname "$0")/../support/xwindows.sh"
build=$1
out=$2
mkdir -p "$out"
work=$(mktemp -d)
export HOME="$work/home"
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0"
mkdir -p "$HOME"
user="$HOME/Documents/Plumet"
pid=""

trap cleanup EXIT

fail() {
    echo "FAIL (installed first start): $*" >&2
    import -window root "$out/installed-failed.png" 2>/dev/null
    window_report >&2
    exit 1
}

for tool in xdotool import xprop; do
    command -v "$tool" >/dev/null || fail "$tool is not installed"
done

cmake --install "$build" --prefix "$work/usr" >"$work/install.log" 2>&1 || fail "cmake --install failed"
# The guide is taken away to see the menu say so; the catalogue stays.
rm "$work/usr/share/plumet-comics/comics_guide_D.pdf"

"$work/usr/bin/plumet" >"$work/stdout" 2>&1 &
pid=$!
box=$(wait_ready "Plumet Comics") || fail "no language box ready for input"
# The box's buttons are english, deutsch and francais from left to right, centred along its foot.
eval "$(xdotool getwindowgeometry --shell "$box")"
xdotool mousemove --sync $((X + WIDTH / 2)) $((Y + HEIGHT - 24)) click 1
window=$(wait_window "Unbenannter Comic") || fail "no German main window"
# A first start greets the user; its button at the bottom right leads to the editor.
close_welcome "Willkommen bei Plumet Comics" || fail "no welcome page at the first start, or it did not close"

sample="$user/sample_comic_D.plm"
wait_for 10 test -f "$sample" || fail "the German sample was not copied"
# The owner's write bit, not -w: the test may run as root, who may write anything.
[ "$(stat -c %A "$sample" | cut -c3)" = "-" ] || fail "the copied sample is writable"
for language in E F; do
    [ -f "$user/sample_comic_$language.plm" ] || fail "the sample of language $language was not copied"
done
[ -s "$user/images/plumet_postcard.png" ] || fail "the sample's picture was not copied into the images folder"
import -window root "$out/installed-first-start.png"
# The window carries the program's icon: the 128-pixel picture of plumet_icon.jpg.
has_icon() { xprop -id "$window" _NET_WM_ICON | grep -qE 'Icon \(128 x 128\)|= 128, 128,'; }
wait_for 10 has_icon || fail "the window has no icon"

# Help is the second menu of the menu bar, under the program's own title bar; its first entry is
# the guide.
wait_for 10 is_ready "$window" || fail "the main window is not ready for input"
eval "$(xdotool getwindowgeometry --shell "$window")"
xdotool mousemove --sync $((X + 112)) $((Y + 39)) click 1
wait_menu || fail "the Help menu did not open"
xdotool key Down Return
wait_ready "Warnung" 10 >/dev/null || fail "no message about the missing guide"
import -window root "$out/installed-missing-guide.png"
answer_box Warnung Return || fail "the message about the guide did not close"

# The comic chooser lists the German sample (and not the others): open it.
wait_for 10 is_ready "$window" || fail "the main window is not ready after the message"
xdotool mousemove --sync $((X + 40)) $((Y + 39)) click 1 # Comic
wait_menu || fail "the Comic menu did not open"
xdotool key Down Return # Open: the untitled comic, never saved, is asked about first
question=$(wait_ready Warnung 10) || fail "no save question before opening another comic"
eval "$(xdotool getwindowgeometry --shell "$question")"
click_box Warnung $((WIDTH / 2)) $((HEIGHT * 82 / 100)) || fail "Nein did not answer" # the middle button
chooser=$(wait_ready "Comic öffnen") || fail "no comic chooser"
import -window root "$out/installed-chooser.png"
eval "$(xdotool getwindowgeometry --shell "$chooser")"
xdotool mousemove --sync $((X + 100)) $((Y + 60)) click 1  # the row below the one for a new comic
xdotool mousemove --sync $((X + 242)) $((Y + 277)) click 1 # Öffnen
wait_window "Beispiel: Die verlorene Feder" >/dev/null || fail "the chooser did not offer the German sample first"
echo "installed first start: ok"
