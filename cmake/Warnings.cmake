# Our own targets compile with these; JUCE keeps its own flags.
function(plumet_warnings target)
    target_compile_options(${target} PRIVATE -Wall -Wextra)
endfunction()
