# The program folder is the executable's folder: language files, sample comics, the icon and the
# guides are looked up beside the executable, so every program that needs them gets a copy there.
# Only the files at the top of resources/ belong there; its folders hold what the build reads
# (the shipped texts) or installs elsewhere (desktop integration).
set(PLUMET_RESOURCES_DIR "${CMAKE_CURRENT_LIST_DIR}/../resources")
cmake_path(NORMAL_PATH PLUMET_RESOURCES_DIR)

function(plumet_copy_resources target)
    file(GLOB resources LIST_DIRECTORIES false CONFIGURE_DEPENDS "${PLUMET_RESOURCES_DIR}/*")
    add_custom_command(TARGET ${target} POST_BUILD
        COMMAND ${CMAKE_COMMAND} -E copy ${resources} "$<TARGET_FILE_DIR:${target}>"
        COMMENT "Copying resources beside ${target}"
        VERBATIM)
    # A post-build step runs only when the target links again, so an edited resource relinks it.
    set_property(TARGET ${target} APPEND PROPERTY LINK_DEPENDS ${resources})
endfunction()
