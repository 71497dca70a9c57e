#pragma once

#include "ui/widgets/widget.h"

class NPane;
class OPane;
class PWindow;
class PDialog;
class PRequests;

/** A widget that contains widgets: the unit of layout and of notification. A pane owns its
    children (the most recently created first) and shows them on its own peer, a plain
    component or, for `Kind::openGL`, an OpenGL surface.

        PPane root(20, 12, &options);          // a dialog's or window's root pane
        auto* box = new PPane(&root, 0, 0, 10, -1, PPane::Kind::framed);
        box->broadcast(PNotify::selection);    // every visible pane of the tree hears it
*/
class PPane : public PWidget
{
public:
    /** How a pane shows: its peer (a plain component or an OpenGL surface) and its frame. */
    enum class Kind : uint8_t
    {
        plain,
        framed,
        openGL,
        inset,
        borderless
    };

    /** A child pane on parent's grid; takes its options and style from parent. */
    PPane(PPane* parent, int x, int y, int w, int h, Kind kind);
    /** A root pane of w x h cells: style 4, a plain peer, enabled and visible. */
    PPane(int w, int h, POption* options);
    /** Deletes the children, head first, then the peer. */
    ~PPane() override;

    /** Ctrl+S, Ctrl+Z, Ctrl+Y and F1 mean the same wherever the focus is: they ask the root of
        the tree. Panes with key commands of their own override this. */
    void onCommand(PWidget* source, PKeyCommand key) override;
    void paint(juce::Graphics& g) override;
    void layout() override;
    void refreshLook() override;
    bool isPane() const override { return peer != nullptr; }
    POption* getOptions() const override { return options; }
    juce::Component* getComponent() const override;

    /** The window that shows this tree: the nearest `window` up the parents, or null. */
    PWindow* findWindow() const;
    /** The dialog that shows this tree: the nearest `dialog` up the parents, or null. */
    PDialog* findDialog() const;
    /** Who answers this tree's requests: its root, when the root can; else null. */
    PRequests* requests();
    /** Sends code to every visible pane of the window or dialog that shows this pane. */
    void broadcast(PNotify code);
    /** Calls onNotify on this pane and its pane descendants, skipping hidden subtrees. */
    void notifyTree(PNotify code);
    /** Repaints the whole peer when it is visible. */
    void repaint();
    /** Lets the pane take keyboard focus on a click, so that its key commands arrive. */
    void setWantsKeys(bool on);
    /** The pixel size a root pane of w x h cells needs. */
    juce::Point<int> gridPixelSize() const;

    /** The corrections a pane of a kind adds to its grid bounds, for unit u and half u/2. */
    static Insets insetsForKind(Kind kind, int u, int half);
    /** The peer bounds of a pane from its grid box, its insets and the unit u. */
    static Box paneBounds(const Box& grid, const Insets& insets, int u);

    Kind kind = Kind::plain;
    uint8_t isGL = 0;
    uint8_t spareState = 0;
    NPane* component = nullptr;
    OPane* glComponent = nullptr;
    PWindow* window = nullptr;
    PDialog* dialog = nullptr;
    POption* options = nullptr;
    PWidget* children = nullptr;

private:
    /** The root of the window's or dialog's tree that shows this pane. */
    PPane* root();
    void createPeer();
    /** Sets the insets of the pane's kind, unless they were changed since last set. */
    void applyInsets();

    Insets appliedInsets;
};
