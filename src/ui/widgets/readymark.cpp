// The X declarations of the library are only needed here, to set a window property.
#define JUCE_GUI_BASICS_INCLUDE_XHEADERS 1

#include "ui/widgets/readymark.h"

#if JUCE_LINUX || JUCE_BSD
#include <juce_events/native/juce_linux_EventLoopInternal.h>
#endif

PReadyMark::PReadyMark(juce::Component& w, Kind k) : window(w), kind(k), created(juce::Time::getMillisecondCounter())
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
    if (kind == Kind::popupMenu)
    {
        publish(window.isCurrentlyModal() && juce::Time::getMillisecondCounter() - created > menuClickGuard);
        return;
    }
    const bool blocked = window.isCurrentlyBlockedByAnotherModalComponent();
    if (blocked)
        seeking = true; // once the modal box has gone, the focus comes back here
    else if (seeking || focusIsNowhere())
    {
        // Asked for while the window comes up, and when the focus fell to no window at all (as
        // it does when a box above was destroyed): never from another program that has it.
        if (!peer->isFocused())
            takeFocus();
        if (!window.hasKeyboardFocus(true))
            window.grabKeyboardFocus();
    }
    const bool ready = hasPainted && !blocked && peer->isFocused() && window.hasKeyboardFocus(true) && isActive();
    if (ready)
        seeking = false;
    publish(ready);
}

bool PReadyMark::isActive() const
{
    // The library learns that a window became active a timer tick after the system says so,
    // and until then a document window keeps its title-bar buttons and menu bar disabled: a
    // click that came in between pressed a button that never answered.
    auto* topLevel = dynamic_cast<juce::TopLevelWindow*>(&window);
    return topLevel == nullptr || topLevel->isActiveWindow();
}

bool PReadyMark::focusIsNowhere()
{
#if JUCE_LINUX || JUCE_BSD
    auto* system = juce::XWindowSystem::getInstanceWithoutCreating();
    ::Display* display = system != nullptr ? system->getDisplay() : nullptr;
    if (display == nullptr)
        return false;
    auto* x = juce::X11Symbols::getInstance();
    juce::XWindowSystemUtilities::ScopedXLock lock;
    ::Window focused = None;
    int revert = 0;
    x->xGetInputFocus(display, &focused, &revert);
    return focused == None || focused == PointerRoot || focused == x->xDefaultRootWindow(display);
#else
    return false;
#endif
}

void PReadyMark::takeFocus()
{
#if JUCE_LINUX || JUCE_BSD
    // Not the peer's grabFocus: that stamps the request with the time of the window's last
    // click, and the server ignores a request older than the last focus change, which a box
    // opened and closed since then made. So the main window never got the focus back.
    auto* system = juce::XWindowSystem::getInstanceWithoutCreating();
    ::Display* display = system != nullptr ? system->getDisplay() : nullptr;
    auto* peer = window.getPeer();
    if (display == nullptr || peer == nullptr)
        return;
    auto* x = juce::X11Symbols::getInstance();
    const auto id = static_cast<::Window>(reinterpret_cast<juce::pointer_sized_uint>(peer->getNativeHandle()));
    juce::XWindowSystemUtilities::ScopedXLock lock;
    XWindowAttributes attributes;
    // A window not yet mapped cannot take the focus; the next check asks again.
    if (x->xGetWindowAttributes(display, id, &attributes) == 0 || attributes.map_state != IsViewable)
        return;
    x->xSetInputFocus(display, id, RevertToParent, CurrentTime);
    x->xFlush(display);
#else
    if (auto* peer = window.getPeer())
        peer->grabFocus();
#endif
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
