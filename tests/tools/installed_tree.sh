#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks the tree a package or `make install`
# gives: the programs start, their files are where the program looks, and the desktop files pass
# the desktop's own validators.
#   installed_tree.sh BUILD_DIR
set -uo pipefail
build=$1
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
fail() {
    echo "FAIL (installed tree): $*" >&2
    exit 1
}

cmake --install "$build" --prefix "$root/usr" >"$root/install.log" 2>&1 || fail "cmake --install: $(tail -5 "$root/install.log")"
share="$root/usr/share"
data="$share/plumet-comics"

"$root/usr/bin/plumet-cli" --help >/dev/null || fail "the installed plumet-cli does not start"
[ -x "$root/usr/bin/plumet" ] || fail "no bin/plumet"
for language in E D F; do
    for file in comics_locale_$language.lng sample_comic_$language.plm comics_guide_$language.pdf \
        comics_decor_$language.pdf; do
        [ -s "$data/$file" ] || fail "share/plumet-comics/$file is missing"
    done
done
for file in plumet_icon.jpg images/plumet_postcard.png; do
    [ -s "$data/$file" ] || fail "share/plumet-comics/$file is missing"
done
# Nothing of the build's own material leaks into the program folder.
[ -e "$data/texts" ] || [ -e "$data/desktop" ] && fail "build inputs were installed into the program folder"

"$root/usr/bin/plumet-cli" info "$data/sample_comic_F.plm" >/dev/null || fail "the installed French sample does not load"
"$root/usr/bin/plumet-cli" thumbnail "$data/sample_comic_E.plm" "$root/thumb.png" --size 128 ||
    fail "the thumbnailer's command fails"

app=org.plumetcomics.Plumet
desktop-file-validate "$share/applications/$app.desktop" || fail "desktop-file-validate"
appstreamcli validate --no-net "$share/metainfo/$app.metainfo.xml" >"$root/appstream.log" 2>&1 ||
    fail "appstreamcli validate: $(cat "$root/appstream.log")"
xmllint --noout "$share/mime/packages/plumet-comics.xml" || fail "the MIME type file is not XML"
grep -q '^Exec=plumet-cli thumbnail %i %o --size %s$' "$share/thumbnailers/plumet-comics.thumbnailer" ||
    fail "the thumbnailer entry does not call plumet-cli thumbnail"
grep -q '^MimeType=application/x-plumet-comic;$' "$share/applications/$app.desktop" ||
    fail "the desktop entry does not open comics"
for size in 16 24 32 48 64 128 256; do
    [ -s "$share/icons/hicolor/${size}x${size}/apps/$app.png" ] || fail "no ${size}px icon"
done
[ -s "$share/icons/hicolor/scalable/apps/$app.svg" ] || fail "no scalable icon"
zcat "$share/man/man1/plumet-cli.1.gz" | grep -q '^\.SH EXIT STATUS' || fail "no manual page for plumet-cli"
echo "installed tree: ok"
