# What ships beside the program and is drawn by plumet-make at build time: the sample comics and
# their picture, the user guides, the decor catalogues and the icon in every size. Nothing of it
# is kept in the repository.
include(GNUInstallDirs)

set(PLUMET_LANGUAGES E D F)
set(PLUMET_ICON_SIZES 16 24 32 48 64 128 256)
set(PLUMET_APP_ID org.plumetcomics.Plumet)
set(PLUMET_DATA_DIR "${CMAKE_INSTALL_DATADIR}/plumet-comics")

# plumet_generate_shipped(FOLDER): writes the files into FOLDER (the program folder of the build
# tree) whenever the generator or a text changes. Sets PLUMET_SHIPPED_FILES (program folder),
# PLUMET_SHIPPED_IMAGES and PLUMET_SHIPPED_ICONS in the caller's scope.
function(plumet_generate_shipped folder)
    set(program_files "${folder}/plumet_icon.jpg" "${folder}/plumet_icon.svg")
    foreach(language ${PLUMET_LANGUAGES})
        list(APPEND program_files "${folder}/sample_comic_${language}.plm" "${folder}/comics_guide_${language}.pdf"
                                  "${folder}/comics_decor_${language}.pdf")
    endforeach()
    set(images "${folder}/images/plumet_postcard.png")
    set(icons "")
    foreach(size ${PLUMET_ICON_SIZES})
        list(APPEND icons "${folder}/icons/plumet_icon_${size}.png")
    endforeach()
    file(GLOB texts CONFIGURE_DEPENDS "${PLUMET_RESOURCES_DIR}/texts/*.lng" "${PLUMET_RESOURCES_DIR}/*.lng")
    add_custom_command(
        OUTPUT ${program_files} ${images} ${icons}
        COMMAND plumet-make "${PLUMET_RESOURCES_DIR}" "${folder}"
        DEPENDS plumet-make ${texts}
        COMMENT "Drawing the sample comics, guides, decor catalogues and icon"
        VERBATIM)
    add_custom_target(plumet_shipped ALL DEPENDS ${program_files} ${images} ${icons})
    set(PLUMET_SHIPPED_FILES ${program_files} PARENT_SCOPE)
    set(PLUMET_SHIPPED_IMAGES ${images} PARENT_SCOPE)
    set(PLUMET_SHIPPED_ICONS ${icons} PARENT_SCOPE)
endfunction()

# The desktop's side: file type, launcher, previews, software-centre entry and the manual page.
function(plumet_install_desktop_files folder)
    set(desktop "${PLUMET_RESOURCES_DIR}/desktop")
    install(FILES "${desktop}/${PLUMET_APP_ID}.desktop" DESTINATION "${CMAKE_INSTALL_DATADIR}/applications")
    install(FILES "${desktop}/${PLUMET_APP_ID}.metainfo.xml" DESTINATION "${CMAKE_INSTALL_DATADIR}/metainfo")
    install(FILES "${desktop}/plumet-comics.xml" DESTINATION "${CMAKE_INSTALL_DATADIR}/mime/packages")
    install(FILES "${desktop}/plumet-comics.thumbnailer" DESTINATION "${CMAKE_INSTALL_DATADIR}/thumbnailers")
    # Manual pages are kept compressed, as every other page in the system is.
    set(manual "${CMAKE_CURRENT_BINARY_DIR}/plumet-cli.1.gz")
    add_custom_command(
        OUTPUT "${manual}"
        COMMAND gzip -9 -n -c "${desktop}/plumet-cli.1" > "${manual}"
        DEPENDS "${desktop}/plumet-cli.1"
        COMMENT "Compressing the manual page")
    add_custom_target(plumet_manual ALL DEPENDS "${manual}")
    install(FILES "${manual}" DESTINATION "${CMAKE_INSTALL_MANDIR}/man1")
    # The same picture names the program and its files.
    set(hicolor "${CMAKE_INSTALL_DATADIR}/icons/hicolor")
    foreach(size ${PLUMET_ICON_SIZES})
        foreach(kind apps mimetypes)
            set(name ${PLUMET_APP_ID})
            if(kind STREQUAL mimetypes)
                set(name application-x-plumet-comic)
            endif()
            install(FILES "${folder}/icons/plumet_icon_${size}.png" DESTINATION "${hicolor}/${size}x${size}/${kind}"
                    RENAME "${name}.png")
        endforeach()
    endforeach()
    install(FILES "${folder}/plumet_icon.svg" DESTINATION "${hicolor}/scalable/apps" RENAME "${PLUMET_APP_ID}.svg")
    install(FILES "${folder}/plumet_icon.svg" DESTINATION "${hicolor}/scalable/mimetypes"
            RENAME "application-x-plumet-comic.svg")
endfunction()
