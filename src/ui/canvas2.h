#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "draw/view2gui.h"
#include "draw/view2ogl.h"
#include "edit/actiondeform.h"
#include "edit/actionpoint.h"
#include "edit/actionshape.h"
#include "ui/widgets/pane.h"

class PArray;
class PCurve;
class PDecor;
class PGroup;
class PItem;
class PPage;
class PPanel;
class PPoint;
class PPointOverlay;
class PPopup;
class PShape;
class PWorld;

/** The page as the artist edits it: draws what the side pane shows (a page, one panel, a clip or
    a decor item) through the software or the OpenGL view, and turns presses, drags, releases,
    keys and popup commands into one undoable action each. A click that does not move changes
    nothing; keys arriving while a button is held are ignored.

        auto* canvas = new PCanvas2(&content, 0, 0, -1, -1, options.openGLCanvas);
        canvas->setWorld(&world);   // page and selection come from the world's edit context
*/
class PCanvas2 : public PPane
{
public:
    /** What the frame shows besides the page. */
    static constexpr uint16_t plainFrame = 1, withOverlay = 2, highQuality = 3, withBand = 4;
    /** What the last press hit. */
    static constexpr uint16_t hitNothing = 0, hitShape = 1, hitShowRows = 2, hitHideRows = 3, hitPoint = 4,
                              hitSegment = 5, hitRemove = 6, hitThickness = 7, hitSharpness = 12, hitBody = 17,
                              hitRotate = 18, hitScaleX = 19, hitScaleY = 20, hitScaleBoth = 22, hitDeform = 23,
                              hitLastDeform = 31;
    /** The edit modes the canvas answers to. */
    static constexpr uint16_t wallpaperMode = 1, attachmentMode = 2, markingMode = 3, shapeMode = 4, pointMode = 5,
                              deformMode = 6, deformBothMode = 7;
    /** Handles are this many pixels from their centre to their edge, whatever the zoom. */
    static constexpr float handleReach = 6;
    /** The rotation handle stands this many pixels above the selection. */
    static constexpr float rotationHandleLift = 24;
    /** A new shape is this many pixels across, whatever the zoom. */
    static constexpr float newShapePixels = 50;

    /** An OpenGL pane when openGL is asked for, else an inset plain pane; both draw the same frame. */
    PCanvas2(PPane* parent, int x, int y, int w, int h, bool openGL = false);
    ~PCanvas2() override;

    void setWorld(PWorld* session);
    /** Re-reads side pane, page, shape and point from the world's edit context. */
    void readSelection();

    void paint(juce::Graphics& g) override;
    void renderGL(juce::OpenGLContext& context) override;
    void onMouseDown(float sx, float sy) override;
    void onMouseDrag(float sx, float sy) override;
    void onMouseUp(float sx, float sy) override;
    void onWheel(bool up) override;
    void onCommand(PWidget* source, uint16_t code) override;
    void onNotify(uint16_t code) override;
    void onPopup(PWidget* source) override;
    void onMenu(int code) override;

    /** New shapes, centred in the pane and newShapePixels across; each one undoable step. */
    void addCurve();
    void addPanel();
    void addText();
    /** Adds the picture of a file; false (and nothing added) when it cannot be loaded. */
    bool addImage(const juce::File& file);
    /** Asks for a picture file and adds it. */
    void chooseImage();
    /** The picture chooser and the error box of chooseImage; without them the library's file
        chooser and message box ask. A headless driver answers through them. */
    std::function<juce::File()> askImageFile;
    std::function<void(const juce::String&)> reportError;
    /** The screen positions of the handles shown now: the selection's scale and turn handles,
        the deform handles, or the point overlay's squares and the selected point's controls. */
    std::vector<juce::Point<float>> handlePositions();
    /** A brush stroke along a gentle arc, like a new curve. */
    void addBrush();
    /** A copy of a clip's shown card or of a decor's artwork, as one group at the pane's centre;
        nothing when the item holds no artwork. */
    void addArtwork(const PItem& item);
    /** The shape list of what is shown (a page's panels, a layer's, clip card's or decor's shapes). */
    PArray* shownList() const;
    /** Marks every shape of what is shown (marking mode). */
    void markAll();
    void clearDragState();

    /** A screen position of the pane as a page point, and back, for the view as last prepared (by a
        frame or by the gesture handlers, which prepare it once per event). */
    juce::Point<float> toPage(float sx, float sy);
    juce::Point<float> toScreen(float px, float py);
    /** The popup that a right click shows: the short one while the Pages pane is current. */
    PPopup& currentPopup();

    PWorld* world = nullptr;
    /** The page of the Pages and Layers panes; the shown container is the context's. */
    PPage* page = nullptr;
    PBase* container = nullptr;
    PPanel* panel = nullptr;
    PShape* shape = nullptr;
    PPoint* point = nullptr;
    /** The context mode of the side pane in use (pages, layers, clips or decor). */
    uint16_t sidePane = 0;
    uint16_t renderMode = withOverlay;
    bool needsFit = true;
    uint16_t hitKind = hitNothing;
    float pressX = 0, pressY = 0, bandX = 0, bandY = 0, grabDX = 0, grabDY = 0;
    /** The shapes picked by the clicks so far at one spot, so that the next click picks the next. */
    std::vector<PShape*> hits;
    float lastPopupX = 0, lastPopupY = 0;
    PActionShape::Placement savedTransform;
    PActionPoint::Values savedPoint;
    PActionDeform::Grids savedGrids;
    bool buttonDown = false;
    std::unique_ptr<PPopup> popupMain, popupPanel;
    PView2gui softView;
    PView2ogl glView;
    /** The page as last drawn, without the furniture and without the shape a drag moves. */
    juce::Image pagePicture;
    bool pictureValid = false;

private:
    /** Where a shape lives: the list that holds it, that list's owner, and its parent's matrix to
        the page (the panel's in the Layers pane, times those of enclosing groups). */
    struct Place
    {
        PArray* list = nullptr;
        PBase* owner = nullptr;
        PMatrix parentToPage;
        PGroup* group = nullptr;
    };

    /** Sets a view up for the pane's size, zoom and pan; the software view, which every gesture
        converts through, is prepared once per mouse event. */
    void prepareView(PView2gui& view);
    void prepareView() { prepareView(softView); }
    /** One frame of either back-end: the page, the grid, the overlay, the band and the border. */
    void drawFrame(PView2gui& view);
    void drawContent(PView2gui& view);
    void drawFurniture(PView2gui& view);
    void drawShown(PView2gui& view);
    /** The shape a drag in progress changes (at the top of its list), or null. */
    PShape* movingShape() const;
    static bool holds(const PBase* object, const PShape* target);
    bool pictureFits(const PShape* moving) const;
    void drawPicture(const PShape* moving);
    void drawMoving(PView2gui& view, PShape& moving);
    void drawHighQualityFrame();
    void drawOverlay(PView2gui& view);
    void drawDeformHandles(PView2gui& view);
    void drawBorder(PView2gui& view);

    const PBase* fitSource() const;
    uint16_t editMode() const;
    bool snapping() const;
    bool rowsShown() const;
    bool decorDeforming() const;
    /** The decor item the Decor pane shows, or null (another pane, or no item). */
    PDecor* shownDecor() const;
    bool hasPointOverlay() const;
    std::unique_ptr<PPointOverlay> pointOverlay() const;
    Place locate(const PShape* target) const;
    /** The list new and pasted shapes go into, with its owner and its coordinates' matrix to the
        page; with create, a missing card or decor content is made for them. */
    Place insertionPlace(bool create = false) const;
    PMatrix shapeToPage() const;
    /** The selection's handle under a screen position, or hitNothing. */
    uint16_t handleAt(float sx, float sy, int& index);
    juce::Rectangle<float> screenBounds() const;
    juce::Point<float> handlePosition(uint16_t handle) const;
    juce::Point<float> deformHandle(int i) const;
    PShape* pick(float px, float py);
    void collectHits(float px, float py, PArray& found);
    void select(PShape* picked, PPoint* pickedPoint);
    void pressHandle(uint16_t handle, int index, float sx, float sy);
    void pressMarking(float sx, float sy);
    void setPointValue(uint16_t button);
    void dragShape(float sx, float sy);
    void dragPoint(float sx, float sy);
    void dragDeform(float sx, float sy);
    void finishBand(float sx, float sy);
    void finishGesture(bool moved);
    void finishPoint(bool moved);
    void finishDeform(bool moved);
    juce::Point<float> snappedPage(float sx, float sy);
    void removeSelection();
    void setAllThickness(uint16_t value);
    void paste();
    void mirror(const Place& place);
    void resetTransform();
    void addShape(PShape* made, const char* compoundName = nullptr);
    juce::Point<float> paneCentre();
    float pixelsToPage(float pixels) const;
    void repaintWith(uint16_t mode);

    PMatrix picturedDevice;
    const PShape* picturedLeftOut = nullptr;
    uint32_t picturedFlags = 0;
    uint16_t picturedMode = 0, picturedRender = 0;
};
