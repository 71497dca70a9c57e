// The X declarations of the library are only needed here, to set a window property.
#define JUCE_GUI_BASICS_INCLUDE_XHEADERS 1

#include "ui/widgets/readymark.h"

#if JUCE_LINUX || JUCE_BSD
#include <juce_events/native/juce_linux_EventLoopInternal.h>
#endif

PReadyMark::PReadyMark(juce::Component& w) : window(w)
{
    startTimer(checkInterval);
}

PReadyMark::~PReadyMark()
{
    // The property goes with the X window; the peer may be half gone by now.
    stopTimer();
}

void PReadyMark::painted()
{
    if (hasPainted)
        return;
    hasPainted = true;
    // Checking from inside the paint would ask for the focus in the middle of drawing.
    juce::Component::SafePointer<juce::Component> alive(&window);
    juce::MessageManager::callAsync(
        [this, alive]
        {
            if (alive != nullptr)
                check();
        });
}

void PReadyMark::releaseQueuedEvents()
{
#if JUCE_LINUX || JUCE_BSD
    static bool releasing = false;
    auto* system = juce::XWindowSystem::getInstanceWithoutCreating();
    ::Display* display = system != nullptr ? system->getDisplay() : nullptr;
    if (display == nullptr || releasing)
        return;
    auto* x = juce::X11Symbols::getInstance();
    int connection = -1;
    {
        juce::XWindowSystemUtilities::ScopedXLock lock;
        // Only what already waits in the library's queue: this asks the server nothing.
        if (x->xEventsQueued(display, QueuedAlready) == 0)
            return;
        connection = x->xConnectionNumber(display);
    }
    // Handled from the message loop, as the library's own reading is: an event may open a
    // modal box, whose loop must not run inside a timer's callback.
    releasing = true;
    juce::MessageManager::callAsync(
        [connection]
        {
            releasing = false;
            juce::LinuxEventLoopInternal::invokeEventLoopCallbackForFd(connection);
        });
#endif
}

void PReadyMark::check()
{
    inspect();
    // Last, after the questions this check asked the server, which may have queued events.
    releaseQueuedEvents();
}

void PReadyMark::inspect()
{
    // Visible, not isShowing: without a window manager the latter asks the server for a
    // property that does not exist, and the server answers each time with an error.
    auto* peer = window.getPeer();
    if (peer == nullptr || !window.isVisible())
    {
        // A window shown again is painted again and asks for the focus again.
        hasPainted = false;
        seeking = true;
        publish(false);
        return;
    }
    const bool blocked = window.isCurrentlyBlockedByAnotherModalComponent();
    if (blocked)
        seeking = true; // once the modal box has gone, the focus comes back here
    else if (seeking)
    {
        // Asked for only while the window comes up, never again once it had the focus: the
        // user may turn to another program, and the window must not take the focus back.
        if (!peer->isFocused())
            peer->grabFocus();
        if (!window.hasKeyboardFocus(true))
            window.grabKeyboardFocus();
    }
    const bool ready = hasPainted && !blocked && peer->isFocused() && window.hasKeyboardFocus(true);
    if (ready)
        seeking = false;
    publish(ready);
}

void PReadyMark::publish(bool ready)
{
    auto* peer = window.getPeer();
    void* handle = peer != nullptr ? peer->getNativeHandle() : nullptr;
    if (ready == published && handle == markedWindow)
        return;
    published = ready && handle != nullptr;
    // A window that was replaced took its property with it.
    markedWindow = handle;
#if JUCE_LINUX || JUCE_BSD
    auto* system = juce::XWindowSystem::getInstanceWithoutCreating();
    ::Display* display = system != nullptr ? system->getDisplay() : nullptr;
    if (display == nullptr || handle == nullptr)
        return;
    auto* x = juce::X11Symbols::getInstance();
    const auto id = static_cast<::Window>(reinterpret_cast<juce::pointer_sized_uint>(handle));
    juce::XWindowSystemUtilities::ScopedXLock lock;
    const auto atom = x->xInternAtom(display, propertyName, False);
    if (ready)
    {
        const long one = 1; // format 32 properties travel as longs
        x->xChangeProperty(display, id, atom, XA_CARDINAL, 32, PropModeReplace,
                           reinterpret_cast<const unsigned char*>(&one), 1);
    }
    else
        x->xDeleteProperty(display, id, atom);
    x->xFlush(display);
#endif
}
