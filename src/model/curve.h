#pragma once

#include <juce_graphics/juce_graphics.h>

#include <array>
#include <vector>

#include "model/array.h"
#include "model/point.h"
#include "model/shape.h"

/** The basic drawn shape: a smooth line through anchor points, open or closed, with a line
    colour, a fill colour and a line width that may change from anchor to anchor.

    The Bézier handles are never stored; build() derives them from the anchors and caches
    the centre line and, for a varying width, the filled outline, both in page coordinates.
    build() pushes the curve's own transform onto the view, so the view's current matrix must
    hold the transform of the curve's parent (identity for a shape directly on a layer).
*/
class PCurve : public PShape
{
public:
    static constexpr uint32_t closed = PFlag::classBit0;
    static constexpr uint32_t opaqueBlack = 0xFF000000u;
    static constexpr uint32_t opaqueWhite = 0xFF0000FFu;

    /** An anchor or handle of the control list: coordinates plus what the outline needs. */
    struct Control
    {
        float x = 0, y = 0;
        uint16_t thickness = 50;
        uint16_t sharpness = 0;
        bool gap = false;
    };
    using ControlList = std::vector<Control>;

    ~PCurve() override;

    uint16_t classId() const override { return PClass::curve; }
    PBase* clone() const override { return cloneAs(*this); }
    void copyFrom(const PBase* other) override;
    void write(PStream& s) const override;
    void read(PStream& s) override;
    void clearMark() override;
    void invalidate() override;
    bool hitTest(float px, float py, float scale, PEditMode mode) override;
    void setOrigin(float px, float py) override;
    void centreOrigin() override;
    void flip(bool horizontal) override;
    void getBounds(PRect& out, bool raw) const override;
    void collectShades(PArray& shades) override;
    void applyShade(PShade& shade, PArray& changed) override;
    void collectShadeUsers(PArray& shades) override;
    void build(PViewState& view) override;

    bool isClosed() const { return hasFlag(closed); }
    void setClosed(bool on) { setFlag(closed, on); }
    /** A visible line: some anchor has width (a brush always has one). */
    bool hasLine() const;
    /** The line's width changes somewhere, or a gap interrupts it: it is drawn as a filled outline. */
    bool lineVaries() const;
    bool hasFill() const;
    PPoint* pointAt(int i) const { return points.get<PPoint>(i); }

    /** Two colours match for shading when their lightness is equal and either pure black or
        pure white (whatever the hue), or the whole words are equal. */
    static bool coloursMatch(uint32_t a, uint32_t b);

    /** The anchors interleaved with their computed handles: 3n entries when closed, 3n - 2 when open. */
    static ControlList controlList(const ControlList& anchors, bool isClosed);
    /** Half-widths at t = 0, 1/3, 2/3 and 1 of a segment whose ends have half-widths wA and wB. */
    static std::array<float, 4> halfWidths(float wA, float wB);
    /** Appends one segment's closed outline (both sides and both end caps) for a half pen width hw. */
    static void appendSegmentOutline(juce::Path& path, const Control& a, const Control& h1, const Control& h2,
                                     const Control& b, float hw);

    uint32_t lineColour = opaqueBlack;
    uint32_t fillColour = opaqueWhite;
    PArray points;
    /** Cache: the Bézier centre line in page coordinates. */
    juce::Path centrePath;
    /** Cache: the variable-width outline, empty for a uniform line. */
    juce::Path outlinePath;

protected:
    /** Empties both caches and the bounds without reaching owned children. */
    void dropGeometry();

private:
    ControlList ownAnchors() const;
    /** Maps a list from the curve's own coordinates to page coordinates through the view. */
    void mapToPage(PViewState& view, ControlList& list) const;
    void buildTwoPoints(const ControlList& anchors, float hw);
    void buildOutline(const ControlList& list, float hw);
    void takeBoundsFromCentre();
};
