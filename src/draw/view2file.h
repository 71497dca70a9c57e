#pragma once

#include "draw/vectorout.h"
#include "draw/view2.h"

/** What the PDF and SVG writers share: the walk through panels and layers, and the byte sink.
    Each writer supplies how a clip opens and closes, how a panel's paper and line are drawn, and
    how each kind of shape is written; groups, frames and brushes take the walk every view shares. */
class PView2file : public PView2
{
public:
    /** Every file is drawn in output mode, without editing looks, with the y axis up. */
    PView2file(juce::OutputStream& target, int16_t fileDpi, uint8_t uprightImages) : out(target)
    {
        flags = outputMode;
        dpi = fileDpi;
        flipY = 0;
        secondFlag = uprightImages;
    }

    /** The writers set their own matrices for each page. */
    void setViewport(float, float, float, float, float, float, float) override {}
    void drawPanel(PPanel& panel) override;
    void drawLayer(PLayer& layer) override;

    /** True when every byte reached the stream. */
    bool finish() { return out.finish(); }

    /** Decimals of a line width in centimetres. Two would print the thinnest pens' lines as 0,
        which SVG leaves out and PDF draws one device pixel wide; four keep every line the screen
        shows at its width. */
    static constexpr int widthDecimals = 4;

    /** Rounds half away from zero; a value that is not a number becomes 0. */
    static int roundedSize(double v);

protected:
    /** A fixed page-to-device mapping for a whole file: scale (sx, sy) about an origin that lands
        at (ox, oy), over a viewport of w x h device units; no fit, no zoom, no shape pushed. */
    void setFixedDevice(float sx, float sy, float ox, float oy, float w, float h);
    /** The affine map from a shape's local frame to the page: exact outside deformed groups; inside
        one, the frame through three warped points spanning spanX by spanY, as the screen does. */
    PMatrix frameOf(const PShape& shape, const PMatrix& local, float spanX, float spanY) const;
    /** The width of a curve's uniform line in centimetres. */
    float lineWidthOf(const PCurve& curve) const;

    PVectorOut out;
};
