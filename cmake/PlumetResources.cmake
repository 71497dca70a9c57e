# The program folder is the executable's folder: language files, sample comics, the icon and the
# guides are looked up beside the executable, so every program that needs them gets a copy there.
set(PLUMET_RESOURCES_DIR "${CMAKE_CURRENT_LIST_DIR}/../resources")
cmake_path(NORMAL_PATH PLUMET_RESOURCES_DIR)

function(plumet_copy_resources target)
    add_custom_command(TARGET ${target} POST_BUILD
        COMMAND ${CMAKE_COMMAND} -E copy_directory "${PLUMET_RESOURCES_DIR}" "$<TARGET_FILE_DIR:${target}>"
        COMMENT "Copying resources beside ${target}"
        VERBATIM)
    # A post-build step runs only when the target links again, so an edited resource relinks it.
    file(GLOB_RECURSE resources CONFIGURE_DEPENDS "${PLUMET_RESOURCES_DIR}/*")
    set_property(TARGET ${target} APPEND PROPERTY LINK_DEPENDS ${resources})
endfunction()
