#!/usr/bin/env bash
# Builds the Debian package from the build folder and looks inside: its control data declares
# the libraries and helpers the program needs, and its tree runs once unpacked.
#   debian_package.sh BUILD_DIR
set -uo pipefail
build=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() {
    echo "FAIL (Debian package): $*" >&2
    exit 1
}

(cd "$work" && cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/out") >"$work/cpack.log" 2>&1 ||
    fail "cpack: $(tail -20 "$work/cpack.log")"
deb=$(ls "$work"/out/plumet-comics_*.deb 2>/dev/null | head -1)
[ -n "$deb" ] || fail "cpack wrote no plumet-comics_*.deb"

depends=$(dpkg-deb -f "$deb" Depends)
for needed in libc6 libfreetype6 libgl1 xdg-utils; do
    grep -q "$needed" <<<"$depends" || fail "Depends lacks $needed: $depends"
done
[ "$(dpkg-deb -f "$deb" Package)" = plumet-comics ] || fail "the package is not named plumet-comics"

dpkg-deb -c "$deb" >"$work/contents"
for path in ./usr/bin/plumet ./usr/bin/plumet-cli ./usr/share/plumet-comics/comics_guide_D.pdf \
    ./usr/share/plumet-comics/sample_comic_F.plm ./usr/share/applications/org.plumetcomics.Plumet.desktop \
    ./usr/share/metainfo/org.plumetcomics.Plumet.metainfo.xml ./usr/share/mime/packages/plumet-comics.xml \
    ./usr/share/thumbnailers/plumet-comics.thumbnailer ./usr/share/man/man1/plumet-cli.1.gz \
    ./usr/share/icons/hicolor/48x48/apps/org.plumetcomics.Plumet.png; do
    grep -q " $path\$" "$work/contents" || fail "the package lacks $path"
done

dpkg-deb -x "$deb" "$work/root"
"$work/root/usr/bin/plumet-cli" thumbnail "$work/root/usr/share/plumet-comics/sample_comic_D.plm" "$work/t.png" \
    --size 64 || fail "the unpacked plumet-cli does not draw a thumbnail"
echo "Debian package: ok ($(basename "$deb"), $(du -k "$deb" | cut -f1) KiB)"
