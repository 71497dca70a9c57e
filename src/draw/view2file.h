#pragma once

#include "draw/vectorout.h"
#include "draw/view2.h"

/** What the PDF and SVG writers share: the walk through panels, layers and groups, which
    shape kinds reach a file at all, and the byte sink. Each writer supplies how a panel opens
    and closes its clip and how its line is drawn. Brushes never reach a file. */
class PView2file : public PView2
{
public:
    /** Every file is drawn in output mode, outside any editing mode, with the y axis up. */
    PView2file(juce::OutputStream& target, int16_t fileDpi, uint8_t uprightImages) : out(target)
    {
        flags = outputMode;
        mode = 0;
        dpi = fileDpi;
        flipY = 0;
        secondFlag = uprightImages;
    }

    /** The writers set their own matrices for each page. */
    void setViewport(float, float, float, float, float, float, float) override {}
    void drawPanel(PPanel& panel) override;
    void drawLayer(PLayer& layer) override;
    void drawPanelGroup(PGroup& group) override;
    void drawGroup(PGroup& group) override;
    void drawDeformedGroup(PGroup& group) override;

    /** True when every byte reached the stream. */
    bool finish() { return out.finish(); }

    /** Rounds half away from zero; a value that is not a number becomes 0. */
    static int roundedSize(double v);

protected:
    /** A fixed page-to-device mapping for a whole file: scale (sx, sy) about an origin that lands
        at (ox, oy), over a viewport of w x h device units; no fit, no zoom, no shape pushed. */
    void setFixedDevice(float sx, float sy, float ox, float oy, float w, float h);
    /** Brackets around the content of a layer or a group; a PDF needs none. */
    virtual void openGroup() {}
    virtual void closeGroup() {}
    /** Writes the panel's fill and starts clipping to its outline. */
    virtual void openPanel(PPanel& panel) = 0;
    virtual void closePanel() = 0;
    virtual void drawPanelLine(PPanel& panel) = 0;

    /** Dispatches a shape of a layer or a deformed group on its class. */
    void drawMember(PShape& shape, bool insideDeformedGroup);
    /** The affine map from a shape's local frame to the page: exact outside deformed groups; inside
        one, the frame through three warped points spanning spanX by spanY, as the screen does. */
    PMatrix frameOf(const PShape& shape, const PMatrix& local, float spanX, float spanY) const;
    /** The width of a curve's uniform line in centimetres. */
    float lineWidthOf(const PCurve& curve) const;

    PVectorOut out;
};
