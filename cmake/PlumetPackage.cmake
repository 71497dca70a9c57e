# The Debian package: `cpack -G DEB` in a build folder packs what `cmake --install` installs,
# under /usr, with the libraries it links found by dpkg-shlibdeps.
set(CPACK_PACKAGE_NAME plumet-comics)
set(CPACK_PACKAGE_VENDOR "The Plumet Comics developers")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "editor for drawing whole comic books")
set(CPACK_PACKAGE_DESCRIPTION
    "Plumet Comics is an editor in which one person draws whole comic books: pages of panels, panels of layers, \
and on the layers smooth curves of varying width, generated brush strokes, text and pictures. Every edit can be \
undone; pages export to PDF, SVG, PNG and JPG. Sample comics, user guides and decor catalogues come in English, \
German and French. The package also holds plumet-cli, which exports comics and draws the previews that file \
managers show.")
set(CPACK_RESOURCE_FILE_LICENSE "${CMAKE_CURRENT_SOURCE_DIR}/LICENSE")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "The Plumet Comics developers <maintainers@plumetcomics.org>")
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://plumetcomics.org")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The PDF viewer for the guides is reached through xdg-open; the speech lettering of the samples
# is set in Comic Neue, and any other font stands in when it is missing.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "xdg-utils")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-comic-neue, fonts-dejavu-core")
include(CPack)
