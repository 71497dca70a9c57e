#pragma once

#include <functional>
#include <memory>

#include <juce_core/juce_core.h>

#include "edit/shapefactory.h"
#include "ui/command.h"
#include "ui/widgets/keycommand.h"

class PArray;
class PCanvas2;
class PCanvasRenderer;
class PCanvasSelection;
class PItem;
class PPopup;
class PShape;
class PWidget;

/** What the canvas does on keys, popup commands and the side panes' add buttons: cut, copy,
    paste, remove, order, flip, mirror and reset the selection, and put new shapes in the pane's
    centre, each as one undoable step. */
class PCanvasCommands
{
public:
    /** A new shape is this many pixels across, whatever the zoom. */
    static constexpr float newShapePixels = 50;

    PCanvasCommands(PCanvas2& canvas, PCanvasSelection& selection, PCanvasRenderer& renderer);
    ~PCanvasCommands();

    void onKey(PWidget* source, PKeyCommand key);
    void onPopup();
    void onMenu(PCommand code);
    /** The popup that a right click shows: the short one while the Pages pane is current. */
    PPopup& currentPopup();

    void addCurve();
    void addPanel();
    void addText();
    void addBrush();
    /** Adds the picture of a file; false (and nothing added) when it cannot be loaded. */
    bool addImage(const juce::File& file);
    /** Asks for a picture file and adds it. */
    void chooseImage();
    /** A copy of a clip's shown card or of a decor's artwork, as one group at the pane's centre;
        nothing when the item holds no artwork. */
    void addArtwork(const PItem& item);
    /** Puts a made shape into the list of what is shown as one undoable step named nameKey (a
        panel always comes with its first layer, as "Action.Panel"); the shape added, or null
        when nothing shown takes it. */
    PShape* addShape(std::unique_ptr<PShape> made, const char* nameKey = nullptr);
    /** Marks every shape of what is shown (marking mode). */
    void markAll();
    /** In point mode the selected point, in shape mode the selected shape. */
    void removeSelection();

    /** The picture chooser and the error box of chooseImage; without them the library's file
        chooser and message box ask. A headless driver answers through them. */
    std::function<juce::File()> askImageFile;
    std::function<void(const juce::String&)> reportError;

private:
    void updatePopup(PPopup& popup);
    void runMenu(PCommand code);
    void orderOrFlip(PCommand code);
    void setAllThickness(uint16_t value);
    void paste();
    void mirror();
    void resetTransform();
    void resetDeform();
    /** Where a new shape of newShapePixels goes: the pane's centre in the coordinates of the list
        it is added to. False when nothing is shown that takes shapes. */
    bool placing(PShapeFactory::Placing& at) const;
    bool takesShapes() const;

    PCanvas2& canvas;
    PCanvasSelection& selection;
    PCanvasRenderer& renderer;
    std::unique_ptr<PPopup> popupMain, popupPanel;
    float lastPopupX = 0, lastPopupY = 0;
};
