#pragma once

#include <juce_graphics/juce_graphics.h>

#include <array>
#include <vector>

#include "model/deform.h"
#include "model/geometry.h"

class POption;
class PBase;
class PShape;
class PGroup;

/** What a shape needs to know of the view it is built for: the kind of back-end, the fit and
    zoom factors, the options, the pen, and the stack of shape transforms (with the warps of the
    deformed groups being drawn) that carries a shape's own coordinates onto the page. The drawing
    back-ends derive from it; shapes build their cached geometry against it alone.

        view.pushShape(shape); ... view.mapToPage(x, y) ...; view.pop();
*/
class PViewState
{
public:
    static constexpr int stackDepth = 9;
    static constexpr float inchesPerCentimetre = 0.3937007784843445f;

    /** View flag bits. */
    static constexpr uint32_t simplifiedLines = 0x1;
    static constexpr uint32_t simplifiedAll = 0x2;
    static constexpr uint32_t outputMode = 0x4;
    static constexpr uint32_t noFills = 0x8;
    static constexpr uint32_t currentOnly = 0x10;
    /** Brush strokes as thin outlines with their guide, instead of as they print. */
    static constexpr uint32_t brushOutlines = 0x20;
    static constexpr uint32_t whiteFills = 0x40;
    static constexpr uint32_t blackFills = 0x80;
    /** Editing looks that the canvas asks for after its edit mode: the current curve's fill
        see-through (point editing), every shape but groups in the selected look (deforming), and
        the groups that hold a panel or a warp in it (marking, where they cannot be taken apart). */
    static constexpr uint32_t seeThroughCurrentFill = 0x100;
    static constexpr uint32_t shapesSelected = 0x200;
    static constexpr uint32_t fixedGroupsSelected = 0x400;
    static constexpr uint32_t pageGuides = 0x11000000;

    PViewState() = default;
    virtual ~PViewState() = default;
    PViewState(const PViewState&) = delete;
    PViewState& operator=(const PViewState&) = delete;

    /** Line width in centimetres for a layer's pen setting. */
    static float penWidthFor(int penSetting);
    float penWidth() const { return penWidthFor(penSetting); }

    /** Saves the current matrix and multiplies the shape's transform onto it (nothing at full depth). */
    void pushShape(const PShape& shape);
    /** Saves the current matrix without changing it. */
    void push();
    /** Restores the last saved matrix (nothing when none is saved). */
    void pop();
    /** Current matrix and its inverse back to identity; the stack and the warp stages are emptied. */
    void resetMatrices();
    /** A point of the current shape's coordinates in page coordinates (warped inside a deformed group). */
    void mapToPage(float& x, float& y) const;
    /** A point of the current shape's coordinates on the device. */
    void mapPoint(float& x, float& y) const;

    /** Switches the warp of a deformed group on for its members; the current matrix must be the
        group's. Stages of nested deformed groups compose. The members' cached geometry is dropped,
        so that what an undeformed build left behind is rebuilt through the warp. */
    void beginDeform(const PGroup& group);
    /** Switches the warp of the innermost deformed group off again. */
    void endDeform();
    /** Warps a page point through every active stage, innermost first. */
    void deformPoint(float& x, float& y) const;
    /** The page point that the active stages warp onto (x, y); false when none is found. */
    [[nodiscard]] bool undeformPoint(float& x, float& y) const;
    bool isDeforming() const { return !deformStages.empty(); }

    POption* options = nullptr;
    const PBase* fitSource = nullptr;
    uint32_t flags = 0;
    int16_t dpi = 72;
    uint8_t flipY = 0;
    uint8_t secondFlag = 0;
    float fitFactor = 1, fitOffsetX = 0, fitOffsetY = 0;
    float zoom = 1, panX = 0, panY = 0;
    float tolerance = 1.0f;
    uint16_t penSetting = 50;
    PMatrix device, deviceInverse;
    PMatrix current, currentInverse;
    std::array<PMatrix, stackDepth> stackMatrix{}, stackInverse{};
    uint16_t depth = 0;
    /** The mode of the innermost active stage, 1 (off) outside deformed groups. */
    uint16_t deformMode = PDeform::off;
    /** One stage per deformed group being drawn, outermost first. */
    std::vector<PDeform> deformStages;
    float pixelsPerUnitX = 1, pixelsPerUnitY = -1;
    float originX = 0, originY = 0;
    float viewX = 0, viewY = 0, viewW = 1, viewH = 1;
};

/** The page outline of a shape drawn as a box (a text, a picture): the closed four-corner path of
    its raw rectangle through its own transform, applied here so that it never depends on room in
    the view's matrix stack, then through the view's current matrix (the transform of its parents).
    The shape's bounds become the outline's. */
juce::Path buildShapeBox(PShape& shape, const PViewState& view);
/** Whether a page point hits a box built by buildShapeBox; the tolerance is generous, since a
    box is grabbed anywhere inside. */
bool boxContains(const PShape& shape, const juce::Path& box, float x, float y);
