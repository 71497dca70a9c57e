// Whether the X server the library talks to offers GLX. The library's OpenGL surface takes GLX
// for granted: on a display without it, its render thread crashes instead of reporting.
// The X headers come only into this file, as their macros (None, Bool, Status) clash with ours.

#define JUCE_GUI_BASICS_INCLUDE_XHEADERS 1
#include <juce_gui_basics/juce_gui_basics.h>

bool displayHasGLX()
{
    ::Display* display = juce::XWindowSystem::getInstance()->getDisplay();
    if (display == nullptr)
        return false;
    int opcode = 0, firstEvent = 0, firstError = 0;
    const juce::XWindowSystemUtilities::ScopedXLock lock;
    return juce::X11Symbols::getInstance()->xQueryExtension(display, "GLX", &opcode, &firstEvent, &firstError) != 0;
}
