#pragma once

#include <optional>

#include "draw/view2file.h"

/** The back-end that writes one page as a standalone SVG 1.1 document. Geometry stays in page
    centimetres inside one outer group that maps it to millimetre user units; images are
    referenced by file name, texts are written as text elements.

        PView2svg svg(stream);
        svg.drawPage(page);
        bool ok = svg.finish();
*/
class PView2svg : public PView2file
{
public:
    static constexpr float unitsPerCentimetre = 10.0f;
    static constexpr float centimetresPerPoint = 0.035277776f;

    /** Sets the state every export uses: output mode, dpi 10, images upright. */
    explicit PView2svg(juce::OutputStream& target);

    void drawPage(PPage& page) override;
    void drawCurve(PCurve& curve, bool selected) override;
    void drawText(PText& text, bool selected) override;
    void drawImage(PImage& image, bool selected, bool reference) override;

    /** Text fit for XML content and attribute values: markup characters and quotes escaped,
        characters that XML does not allow dropped. */
    static std::string escapeXml(const juce::String& text);

    /** Numbers the document's clip paths; a new writer starts again at 1. */
    int clipCounter = 0;

protected:
    void openGroup() override;
    void closeGroup() override;
    void fillPanel(PPanel& panel) override;
    bool beginClip(const juce::Path& pagePath) override;
    void endClip() override;
    void drawPanelLine(PPanel& panel) override;

private:
    void writeHeader(int widthMm, int heightMm);
    void pathElement(const juce::Path& path, std::optional<uint32_t> stroke, std::optional<uint32_t> fill, float width);
    void pathData(const juce::Path& path);
    void colourAttribute(const char* name, std::optional<uint32_t> colour);
    void matrixGroup(const PMatrix& m);
    void textLine(const PText& text, const juce::String& line, const PMatrix& m, float fontSize);
};
