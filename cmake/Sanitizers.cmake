# The sanitizer build instruments everything, JUCE included, so that container and
# stream code on both sides of the library boundary is checked alike.
if(PLUMET_SANITIZE)
    set(_plumet_san "-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined")
    string(APPEND CMAKE_C_FLAGS " ${_plumet_san}")
    string(APPEND CMAKE_CXX_FLAGS " ${_plumet_san}")
    string(APPEND CMAKE_EXE_LINKER_FLAGS " ${_plumet_san}")
endif()
