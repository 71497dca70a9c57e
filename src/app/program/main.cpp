// The entry point of the editor: the library's start-up macro around the application object.

#include "app/main.h"

START_JUCE_APPLICATION(PMain)
