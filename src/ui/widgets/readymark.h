#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

/** Makes a top-level window take the keyboard focus when it shows, and tells when it is ready
    for input: painted once, holding the system's keyboard focus and one of its own components
    focused, counted as the active window, and not blocked by a modal box. While it is ready, its X window carries the
   property named propertyName with the value 1, which scripts read with xprop.

        class MyWindow : public juce::DocumentWindow
        {
            void paintOverChildren(juce::Graphics&) override { ready.painted(); }
            PReadyMark ready{*this};
        };

    Two things lost a user's first key or click. Without a window manager nobody gives a new
    window the focus, nor gives it back to the main window when a box closes (the library's own
    request carries the time of the window's last click, older than the box's focus change, and
    the server ignores it); so the mark asks for it until the window has it, when the window
    shows, when a modal box above it has gone, and whenever no window at all has it.
    And the library reads X events only when the connection's socket wakes its loop; any call
    that waits for the server's answer (and the library makes many) reads the events that came
    meanwhile into the X library's queue, where nothing wakes the loop for them until the next
    event arrives. A key pressed into a quiet program stayed there. Each mark's check hands such
    events on. */
class PReadyMark : private juce::Timer
{
public:
    static constexpr const char* propertyName = "_PLUMET_READY";
    /** How often the focus is checked, in milliseconds. */
    static constexpr int checkInterval = 40;
    /** The library's popup menus ignore a click that ends this many milliseconds after they
        showed (so that the click that opened one cannot choose from it); a little more. */
    static constexpr juce::uint32 menuClickGuard = 300;

    /** A window takes the focus; a popup menu leaves it with the window it belongs to, which
        hands it the keys, and is ready once it is modal and past its click guard. */
    enum class Kind
    {
        window,
        popupMenu
    };

    explicit PReadyMark(juce::Component& window, Kind kind = Kind::window);
    ~PReadyMark() override;
    PReadyMark(const PReadyMark&) = delete;
    PReadyMark& operator=(const PReadyMark&) = delete;

    /** The window calls this whenever it has painted: input is only taken once the user can
        see what it acts on. */
    void painted();
    /** Checks at once, without waiting for the next tick: a window calls it when it shows. */
    void check();
    bool isReady() const { return published; }

private:
    void timerCallback() override { check(); }
    /** Asks for the focus while the window comes up, and publishes whether it is ready. */
    void inspect();
    /** Hands on the events that wait unseen in the X library's queue. */
    static void releaseQueuedEvents();
    /** True once the library, too, counts the window as the active one. */
    bool isActive() const;
    /** True while no window at all has the keyboard focus. */
    static bool focusIsNowhere();
    /** Asks the system for the keyboard focus on the window. */
    void takeFocus();
    /** Puts the property on the window or takes it off. */
    void publish(bool ready);

    juce::Component& window;
    Kind kind;
    juce::uint32 created;
    bool hasPainted = false, published = false, seeking = true;
    void* markedWindow = nullptr;
};
