# Our own targets compile with these, and on GCC a warning stops the build; JUCE keeps its own flags.
option(PLUMET_WERROR "Stop the build of our own targets at a warning (GCC)" ON)
function(plumet_warnings target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wshadow -Wnon-virtual-dtor -Wold-style-cast)
    if(PLUMET_WERROR AND CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
        target_compile_options(${target} PRIVATE -Werror)
    endif()
endfunction()
