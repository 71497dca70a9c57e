#pragma once

#include <cstdint>

#include "edit/notifier.h"
#include "ui/command.h"
#include "ui/widgets/keycommand.h"

class PWidget;

/** What a dragged row carries, so that a list only takes rows of its own kind; `none` turns
    dragging off. */
enum class PDragKind : uint8_t
{
    none,
    listRow,
    tableRow
};

/** Where a drag on a drag pad is. */
enum class PTrackPhase : uint8_t
{
    press,
    drag,
    release
};

namespace juce
{
class Component;
class Graphics;
class OpenGLContext;
class String;
} // namespace juce

/** The operations through which every widget and pane is told what happened: reports from
    child widgets, tree-wide notifications, the peer's callbacks and the widget's own
    commands. It holds no data; `PWidget` gives every operation an empty default, so a
    handler overrides only what it reacts to. The order of the operations is fixed. */
class PHandler
{
public:
    /** A key command, or a double click on source, which comes as Return. */
    virtual void onCommand(PWidget* source, PKeyCommand key) = 0;
    virtual void onClick(PWidget* source) = 0;
    virtual void onChange(PWidget* source) = 0;
    /** A child list's selected item changed. */
    virtual void onSelect(PWidget* source) = 0;
    /** A drag pad was pressed, dragged by (dx, dy) from where it was pressed, or released. */
    virtual void onView(PTrackPhase phase, float dx, float dy) = 0;
    /** A live slider passes an intermediate value. */
    virtual void onChanging(PWidget* source) = 0;
    /** A right click on source (source is the handler itself when its own peer was clicked). */
    virtual void onPopup(PWidget* source) = 0;
    /** A menu-bar command or the code chosen in a popup menu. */
    virtual void onMenu(PCommand code) = 0;
    /** A tree-wide notification (see PPane::broadcast). */
    virtual void onNotify(PNotify code) = 0;
    virtual void onEnter(PWidget* source) = 0;
    virtual void onLeave(PWidget* source) = 0;
    virtual void onMenuUpdate() = 0;
    /** Asked before the window or dialog that shows this tree closes. */
    virtual bool canClose() = 0;
    virtual void renderGL(juce::OpenGLContext& context) = 0;
    virtual void paint(juce::Graphics& g) = 0;
    /** The peer's parent changed size: recompute the peer's bounds. */
    virtual void layout() = 0;
    virtual void onMouseMove(float x, float y) = 0;
    virtual void onMouseDown(float x, float y) = 0;
    virtual void onMouseDrag(float x, float y) = 0;
    virtual void onMouseUp(float x, float y) = 0;
    virtual void onWheel(bool up) = 0;
    /** Describes the rows a drag would carry: the list's drag kind, the first row and the count. */
    virtual bool getDragInfo(PDragKind& kind, int& firstRow, int& rowCount) = 0;
    virtual bool acceptsDrag(PDragKind kind, int firstRow, int rowCount) = 0;
    virtual void onDragMove(PWidget* source, PDragKind kind, int firstRow, int x, int y) = 0;
    virtual void onDragDrop(PWidget* source, PDragKind kind, int firstRow, int x, int y) = 0;
    /** The rows of sourceList were reordered by the user; write the order back. */
    virtual void onReorder(PWidget* sourceList) = 0;
    virtual ~PHandler() = default;
    virtual int getWidth() const = 0;
    virtual int getHeight() const = 0;
    /** Sets the caption to the translation of a text key. */
    virtual void setText(const juce::String& key) = 0;
    virtual void setTooltip(const juce::String& key) = 0;
    virtual void setEnabled(bool on) = 0;
    virtual void setVisible(bool on) = 0;
    /** Re-applies fonts, colours and bounds from the options. */
    virtual void refreshLook() = 0;
    virtual void spare() = 0;
    virtual bool isPane() const = 0;
    virtual juce::Component* getComponent() const = 0;
    /** The widget's own reaction to its peer (clicked, toggled, edited, selection moved). */
    virtual void activate() = 0;
};
