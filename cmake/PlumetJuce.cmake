# JUCE's modules are compiled once into this static library; every program and test
# links it instead of recompiling the modules per executable.
add_library(plumet_juce STATIC)
target_link_libraries(plumet_juce
    PRIVATE
        juce::juce_core
        juce::juce_events
        juce::juce_data_structures
        juce::juce_graphics
        juce::juce_gui_basics
        juce::juce_opengl
    PUBLIC
        juce::juce_recommended_config_flags)
target_compile_definitions(plumet_juce
    PUBLIC
        JUCE_WEB_BROWSER=0
        JUCE_USE_CURL=0
        JUCE_DISPLAY_SPLASH_SCREEN=0
        JUCE_MODAL_LOOPS_PERMITTED=1
        JUCE_STANDALONE_APPLICATION=1
        JUCE_GLOBAL_MODULE_SETTINGS_INCLUDED=1)
target_compile_definitions(plumet_juce INTERFACE
    $<TARGET_PROPERTY:plumet_juce,COMPILE_DEFINITIONS>)
# As system headers: our stricter warnings are for our own code, not the library's.
target_include_directories(plumet_juce SYSTEM INTERFACE
    $<TARGET_PROPERTY:plumet_juce,INCLUDE_DIRECTORIES>)
# Debian's JUCE takes zlib, libpng and libjpeg from the system instead of its own copies.
find_package(ZLIB REQUIRED)
find_package(PNG REQUIRED)
find_package(JPEG REQUIRED)
target_link_libraries(plumet_juce PUBLIC ZLIB::ZLIB PNG::PNG JPEG::JPEG)
# JUCE's GIF decoder indexes its LZW tables one step outside their bounds on some files;
# that is JUCE's to mend, so its code runs under AddressSanitizer only.
if(PLUMET_SANITIZE)
    target_compile_options(plumet_juce PRIVATE -fno-sanitize=undefined)
endif()
set_target_properties(plumet_juce PROPERTIES POSITION_INDEPENDENT_CODE ON)
