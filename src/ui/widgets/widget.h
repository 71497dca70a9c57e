#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

#include <memory>

#include "ui/widgets/handler.h"

class PPane;
class POption;

/** One visible element: the program-side half of a pair whose other half is a JUCE
    component (its peer). The widget owns its peer, knows its place on the parent's cell
    grid, and reports what happens to its owner.

        auto* ok = new PButton(pane, 1, 5, 4, 0); // owned by pane from here on
        ok->setText("Text.Accept");
*/
class PWidget : public PHandler
{
public:
    /** Which colours a widget takes: those of one side pane (the colour-table entries 0-3, in
        the order of the panes' buttons), those of the side pane in use, or its parent's. */
    enum class Style : uint8_t
    {
        pages,
        layers,
        clips,
        decor,
        sidePane,
        inherit
    };

    /** A rectangle in the parent's pixels; the size may come out negative before clamping. */
    struct Box
    {
        int left = 0, top = 0, width = 0, height = 0;
        bool operator==(const Box& other) const = default;
    };

    /** Pixel corrections of the four edges. */
    struct Insets
    {
        int left = 0, top = 0, right = 0, bottom = 0;
        bool operator==(const Insets& other) const = default;
    };

    /** What a font is for; the heights follow the GUI size. */
    enum class FontRole
    {
        caption,
        link,
        pad
    };

    /** Inserts the widget at the head of parent's children; parent may be null for a root pane. */
    PWidget(PPane* parent, int x, int y, int w, int h);
    ~PWidget() override;
    PWidget(const PWidget&) = delete;
    PWidget& operator=(const PWidget&) = delete;

    // Every operation does nothing by default.
    void onCommand(PWidget*, PKeyCommand) override {}
    void onClick(PWidget*) override {}
    void onChange(PWidget*) override {}
    void onSelect(PWidget*) override {}
    void onView(PTrackPhase, float, float) override {}
    void onChanging(PWidget*) override {}
    void onPopup(PWidget*) override {}
    void onMenu(PCommand) override {}
    void onNotify(PNotify) override {}
    void onEnter(PWidget*) override {}
    void onLeave(PWidget*) override {}
    void onMenuUpdate() override {}
    bool canClose() override { return true; }
    void renderGL(juce::OpenGLContext&) override {}
    void paint(juce::Graphics&) override {}
    void layout() override {}
    void onMouseMove(float, float) override {}
    void onMouseDown(float, float) override {}
    void onMouseDrag(float, float) override {}
    void onMouseUp(float, float) override {}
    void onWheel(bool) override {}
    bool getDragInfo(PDragKind&, int&, int&) override { return false; }
    bool acceptsDrag(PDragKind, int, int) override { return false; }
    void onDragMove(PWidget*, PDragKind, int, int, int) override {}
    void onDragDrop(PWidget*, PDragKind, int, int, int) override {}
    void onReorder(PWidget*) override {}
    int getWidth() const override;
    int getHeight() const override;
    void setText(const juce::String&) override {}
    void setTooltip(const juce::String& key) override;
    void setEnabled(bool on) override;
    void setVisible(bool on) override;
    void refreshLook() override {}
    void spare() override {}
    bool isPane() const override { return false; }
    juce::Component* getComponent() const override { return peer.get(); }
    void activate() override {}

    /** The options of the nearest pane (null when there is none). */
    virtual POption* getOptions() const;
    /** The style after inheritance: the first style other than `inherit` up the parents, else
        `sidePane`. */
    Style effectiveStyle() const;
    juce::Colour lightColour() const;
    juce::Colour darkColour() const;
    /** A readable text colour on the light colour. */
    juce::Colour textColour() const;
    /** Black or white, whichever reads better on background. */
    static juce::Colour textOn(juce::Colour background);
    juce::Font font(FontRole role) const;
    bool isEnabled() const;
    bool isVisible() const;
    /** Tells the owner that the mouse entered or left this widget's peer. */
    void reportEnter();
    void reportLeave();

    /** The colour-table entry (0-3) a style takes: a pane's own, or for `sidePane` the one in use. */
    static int colourEntry(Style style, int sidePane);
    /** The light (or dark) colour of a table entry as a drawing colour. */
    static juce::Colour tableColour(const POption& options, int entry, bool dark);
    static float fontHeight(FontRole role, int guiSize);
    /** The cell grid: position and size in cells to pixels inside a W x H parent. Negative
        positions count from the far edge; a negative size stretches to the far edge. */
    static Box gridToPixels(int x, int y, int w, int h, int parentWidth, int parentHeight, int cell, int u);

    PWidget* next = nullptr;
    PPane* parent = nullptr;
    PHandler* owner = nullptr;
    Style style = Style::inherit;
    int32_t x = 0, y = 0, w = 0, h = 0;
    int32_t insetLeft = 0, insetTop = 0, insetRight = 0, insetBottom = 0;
    std::unique_ptr<juce::Component> peer;

protected:
    /** The grid box of this widget inside its parent's component. */
    Box gridBox() const;
    Insets insets() const { return {insetLeft, insetTop, insetRight, insetBottom}; }
    /** Gives the peer its bounds; negative sizes become empty. */
    void setPeerBounds(const Box& box);
    /** Deletes the siblings that report to this widget: the parts of a composite widget. */
    void deleteOwnedSiblings();
    /** Takes the peer, adds it to the parent's component and shows it. */
    void attachPeer(std::unique_ptr<juce::Component> component);

private:
    void unlinkFromParent();
};
