#include "draw/view2svg.h"

#include <cmath>

#include "model/image.h"
#include "model/page.h"
#include "model/panel.h"
#include "model/text.h"

namespace
{
constexpr int16_t svgDpi = 10;
constexpr double alphaScale = 1.0 / 255.0;
constexpr double centimetresPerInch = 2.54, pointsPerInch = 72;
/** SVG's font-size is the em size while the program sizes fonts by their line height; a typeface
    that cannot tell its own ratio gets this common one. */
constexpr double usualEmPerLineHeight = 0.72;

/** True for the code points XML 1.0 allows in a document. */
bool isXmlCharacter(juce::juce_wchar c)
{
    return c == 0x9 || c == 0xA || c == 0xD || (c >= 0x20 && c <= 0xD7FF) || (c >= 0xE000 && c <= 0xFFFD) ||
           (c >= 0x10000 && c <= 0x10FFFF);
}

void appendUtf8(std::string& s, juce::juce_wchar c)
{
    char utf8[8] = {};
    juce::CharPointer_UTF8 p(utf8);
    p.write(c);
    s.append(utf8, juce::CharPointer_UTF8::getBytesRequiredFor(c));
}
} // namespace

PView2svg::PView2svg(juce::OutputStream& target) : PView2file(target, svgDpi, 1) {}

std::string PView2svg::escapeXml(const juce::String& text)
{
    std::string escaped;
    for (auto p = text.getCharPointer(); !p.isEmpty();)
    {
        const juce::juce_wchar c = p.getAndAdvance();
        if (!isXmlCharacter(c))
            continue;
        switch (c)
        {
        case '&': escaped += "&amp;"; break;
        case '<': escaped += "&lt;"; break;
        case '>': escaped += "&gt;"; break;
        case '"': escaped += "&quot;"; break;
        case '\'': escaped += "&apos;"; break;
        default: appendUtf8(escaped, c); break;
        }
    }
    return escaped;
}

void PView2svg::drawPage(PPage& page)
{
    // Every shape is built afresh for this view, and again for the screen afterwards.
    page.invalidate();
    const int halfW = roundedSize(page.width * 0.5 * unitsPerCentimetre);
    const int halfH = roundedSize(page.height * 0.5 * unitsPerCentimetre);
    const int widthMm = roundedSize(page.width * static_cast<double>(unitsPerCentimetre));
    const int heightMm = roundedSize(page.height * static_cast<double>(unitsPerCentimetre));

    setFixedDevice(unitsPerCentimetre, -unitsPerCentimetre, static_cast<float>(halfW), static_cast<float>(halfH),
                   static_cast<float>(widthMm), static_cast<float>(heightMm));

    writeHeader(widthMm, heightMm);
    matrixGroup(device);
    for (PBase* panel : page.panels)
        drawPanel(*static_cast<PPanel*>(panel));
    out.text("</g>").endLine().endLine();
    out.text("</svg>").endLine();
    page.invalidate();
}

void PView2svg::writeHeader(int widthMm, int heightMm)
{
    out.text("<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"no\"?>").endLine();
    out.text("<svg version=\"1.1\" xmlns=\"http://www.w3.org/2000/svg\"").endLine();
    out.text("     xmlns:xlink=\"http://www.w3.org/1999/xlink\"").endLine();
    out.text("     width=\"").integer(widthMm).text("mm\" height=\"").integer(heightMm).text("mm\"").endLine();
    out.text("     viewBox=\"0 0 ").integer(widthMm).text(" ").integer(heightMm).text("\">").endLine().endLine();
}

void PView2svg::matrixGroup(const PMatrix& m)
{
    out.text("<g transform=\"matrix(");
    const float entries[] = {m.m[0], m.m[1], m.m[3], m.m[4], m.m[6], m.m[7]};
    for (int i = 0; i < 6; ++i)
        out.text(i == 0 ? "" : ",").number(entries[i], 5);
    out.text(")\">").endLine();
}

void PView2svg::openGroup()
{
    out.text("<g>").endLine();
}

void PView2svg::closeGroup()
{
    out.text("</g>").endLine().endLine();
}

void PView2svg::colourAttribute(const char* name, std::optional<uint32_t> colour)
{
    out.text("  ").text(name).text("=\"");
    if (!colour)
        out.text("none");
    else
    {
        const uint32_t argb = hslaToArgb(*colour);
        out.text("rgb(").integer(highByteOf(argb)).text(",").integer(middleByteOf(argb));
        out.text(",").integer(lowByteOf(argb)).text(")");
    }
    out.text("\"").endLine();
}

void PView2svg::pathElement(const juce::Path& path, std::optional<uint32_t> stroke, std::optional<uint32_t> fill,
                            float width)
{
    // An empty d draws nothing anyway; leaving the element out keeps renderers from complaining.
    if (path.isEmpty())
        return;
    out.text("<path").endLine();
    colourAttribute("stroke", stroke);
    colourAttribute("fill", fill);
    const uint32_t alpha = fill ? alphaOf(*fill) : stroke ? alphaOf(*stroke) : 255;
    out.text("  opacity=\"").number(alpha * alphaScale, 2).text("\"").endLine();
    out.text("  stroke-width=\"").number(width, widthDecimals).text("\"").endLine();
    out.text("  stroke-linecap=\"round\"").endLine();
    out.text("  stroke-linejoin=\"round\"").endLine();
    out.text("  d=\"");
    pathData(path);
    out.text("\"").endLine();
    out.text("/>").endLine().endLine();
}

void PView2svg::pathData(const juce::Path& path)
{
    static constexpr const char* commands[] = {" M", " L", " C", " Z"};
    static constexpr int coordinates[] = {2, 2, 6, 0};
    for (const auto& item : PVectorOut::itemsOf(path))
    {
        out.text(commands[item.kind]);
        for (int i = 0; i < coordinates[item.kind]; ++i)
            out.text(" ").number(item.p[i], 3);
    }
}

void PView2svg::fillPanel(PPanel& panel)
{
    pathElement(panel.centrePath, std::nullopt, panel.fillColour, 0);
}

bool PView2svg::beginClip(const juce::Path& pagePath)
{
    const int id = ++clipCounter;
    out.text("<clipPath id=\"panel").integer(id).text("\">").endLine();
    out.text("<path d=\"");
    pathData(pagePath);
    out.text("\"/>").endLine();
    out.text("</clipPath>").endLine().endLine();
    out.text("<g clip-path=\"url(#panel").integer(id).text(")\">").endLine().endLine();
    return true;
}

void PView2svg::endClip()
{
    out.text("</g>").endLine().endLine();
}

void PView2svg::drawPanelLine(PPanel& panel)
{
    if (!panel.hasLine())
        return;
    if (panel.lineVaries())
        pathElement(panel.outlinePath, std::nullopt, panel.lineColour, 0);
    else
        pathElement(panel.centrePath, panel.lineColour, std::nullopt, lineWidthOf(panel));
}

void PView2svg::drawCurve(PCurve& curve, bool)
{
    if (curve.points.size() < 2)
        return;
    curve.build(*this);
    if (curve.centrePath.isEmpty())
        return;
    const bool line = curve.hasLine(), fill = curve.hasFill(), varies = line && curve.lineVaries();
    const uint32_t lineColour = curve.lineColour, fillColour = curve.fillColour;
    const float width = lineWidthOf(curve);
    if (line && fill && alphaOf(fillColour) != alphaOf(lineColour))
    {
        // Stroke and fill of one element share one opacity, so unequal alphas need two elements.
        pathElement(curve.centrePath, std::nullopt, fillColour, 0);
        if (varies)
            pathElement(curve.outlinePath, std::nullopt, lineColour, 0);
        else
            pathElement(curve.centrePath, lineColour, std::nullopt, width);
    }
    else if (varies)
    {
        if (fill)
            pathElement(curve.centrePath, std::nullopt, fillColour, 0);
        pathElement(curve.outlinePath, std::nullopt, lineColour, 0);
    }
    else if (line)
        pathElement(curve.centrePath, lineColour, fill ? std::optional<uint32_t>(fillColour) : std::nullopt, width);
    else if (fill)
        pathElement(curve.centrePath, std::nullopt, fillColour, 0);
}

void PView2svg::drawImage(PImage& image, bool, bool reference)
{
    if (reference)
        return;
    image.build(*this);
    if (!image.hasImage())
        return;
    const int w = image.getImage().getWidth(), h = image.getImage().getHeight();
    const float k = centimetresPerPoint;
    // One pixel is one point, the picture centred on the shape's origin and its rows upright.
    const PMatrix local = PMatrix::scale(k, secondFlag != 0 ? -k : k) * PMatrix::translation(-w * 0.5f, -h * 0.5f);
    matrixGroup(frameOf(image, local, static_cast<float>(w), static_cast<float>(h)));
    out.text("<image  x=\"0\" y=\"0\"").endLine();
    out.text("        width=\"").integer(w).text("\" height=\"").integer(h).text("\"").endLine();
    out.text("        xlink:href=\"").text(escapeXml(image.file.toString())).text("\">").endLine().endLine();
    out.text("</image>").endLine();
    out.text("</g>").endLine().endLine();
}

void PView2svg::drawText(PText& text, bool)
{
    text.build(*this);
    if (text.getBox().isEmpty())
        return;
    const PText::Layout layout = text.layout();
    const double stepSize = PFontSpec::heightFor(text.fontSpec.size);
    const auto typeface = text.fontSpec.getFont(false).getTypefacePtr();
    const double emPerLineHeight = typeface != nullptr ? typeface->getHeightToPointsFactor() : 0;
    const double ratio = emPerLineHeight > 0 && std::isfinite(emPerLineHeight) ? emPerLineHeight : usualEmPerLineHeight;
    const auto fontSize = static_cast<float>(stepSize * centimetresPerInch / pointsPerInch * ratio);
    const float k = centimetresPerPoint;
    for (int i = 0; i < layout.lineCount(); ++i)
    {
        // Baselines as on screen; the y flip stands the glyphs upright in the y-up page.
        const PMatrix local =
            PMatrix::translation(layout.lineLeft(i, text.align) * k, layout.baseline(i) * k) * PMatrix::scale(1, -1);
        const float span = layout.lineHeight * k;
        textLine(text, layout.lines[i], frameOf(text, local, span, span), fontSize);
    }
}

void PView2svg::textLine(const PText& text, const juce::String& line, const PMatrix& m, float fontSize)
{
    matrixGroup(m);
    out.text("<text");
    const int32_t style = text.fontSpec.style;
    if ((style & PFontSpec::bold) != 0)
        out.text(" font-weight=\"bold\"");
    if ((style & PFontSpec::italic) != 0)
        out.text(" font-style=\"italic\"");
    if ((style & PFontSpec::underlined) != 0)
        out.text(" text-decoration=\"underline\"");
    out.text(" font-size=\"").number(fontSize, 5).text("\" font-family=\"");
    out.text(escapeXml(text.fontSpec.face.toString())).text("\"");
    const uint32_t argb = hslaToArgb(text.colour);
    out.text(" fill=\"rgb(").integer(highByteOf(argb)).text(",").integer(middleByteOf(argb)).text(",");
    out.integer(lowByteOf(argb)).text(")\" opacity=\"").number(alphaOf(text.colour) * alphaScale, 2);
    out.text("\">").endLine();
    out.text(escapeXml(line)).endLine();
    out.text("</text>").endLine();
    out.text("</g>").endLine().endLine();
}
