#include "draw/view2pdf.h"

#include <cmath>
#include <cstdio>
#include <ctime>
#include <memory>

#include "draw/ascii85.h"
#include "model/comic.h"
#include "model/image.h"
#include "model/page.h"
#include "model/panel.h"
#include "model/text.h"

namespace
{
/** The program and its version, as the build names it. */
constexpr const char* producer = "Plumet Comics " PLUMET_VERSION;
/** zlib's effort. Level 9 takes four times as long as 5 on our number-heavy content for half
    a percent of the size; 5 still keeps the files a tenth below what cairo writes. */
constexpr int flateLevel = 5;
constexpr int16_t pdfDpi = 72;
constexpr double byteScale = 1.0 / 255.0;
constexpr int catalogObject = 1, pageTreeObject = 2, firstPageObject = 3;
/** The underline of a text runs this far under the baseline, in descents, and is this thick. */
constexpr float underlineThickness = 0.3f;
} // namespace

PView2pdf::PView2pdf(juce::OutputStream& target) : PView2file(target, pdfDpi, 0), creationTime(exportTime()) {}

int PView2pdf::transparencyLevel(uint32_t colour)
{
    const uint32_t alpha = alphaOf(colour);
    for (int k = 0; k < levelCount; ++k)
        if (levelBytes[static_cast<size_t>(k)] >= alpha)
            return k + 1;
    return levelCount;
}

std::string PView2pdf::xrefLine(int64_t offset)
{
    char line[32];
    std::snprintf(line, sizeof line, "%.10lld 00000 n\r\n", static_cast<long long>(offset));
    return line;
}

std::string PView2pdf::authorComment(const juce::String& author)
{
    if (author.isEmpty())
        return {};
    // A line break in the name would end the comment and leave the rest as stray file content.
    const auto oneLine = author.replaceCharacters("\r\n", "  ");
    return "% Author: " + oneLine.toStdString() + "\r\n";
}

std::string PView2pdf::pathOperators(const juce::Path& path)
{
    std::string s;
    for (const auto& item : PVectorOut::itemsOf(path))
    {
        static constexpr int coordinates[] = {2, 2, 6, 0};
        static constexpr const char* operators[] = {"m", "l", "c", "h"};
        for (int i = 0; i < coordinates[item.kind]; ++i)
            s += PVectorOut::formatNumber(item.p[i], 3) + " ";
        s += operators[item.kind];
        s += "\r\n";
    }
    return s;
}

std::string PView2pdf::deflate(std::string_view bytes)
{
    juce::MemoryOutputStream packed;
    {
        // Window bits 0 give zlib's own format, header and checksum included, as FlateDecode wants.
        juce::GZIPCompressorOutputStream zlib(packed, flateLevel, 0);
        zlib.write(bytes.data(), bytes.size());
    }
    return {static_cast<const char*>(packed.getData()), packed.getDataSize()};
}

std::string PView2pdf::textString(const juce::String& text)
{
    std::string s = "<FEFF";
    char unit[8];
    for (auto p = text.toUTF16(); !p.isEmpty(); ++p)
    {
        // A character beyond the first plane takes two units, each printed on its own.
        const auto* address = p.getAddress();
        const int units = static_cast<int>(juce::CharPointer_UTF16::getBytesRequiredFor(*p) / 2);
        for (int i = 0; i < units; ++i)
        {
            std::snprintf(unit, sizeof unit, "%04X", static_cast<unsigned>(static_cast<uint16_t>(address[i])));
            s += unit;
        }
    }
    return s + ">";
}

std::string PView2pdf::dateString(juce::Time time)
{
    const auto seconds = static_cast<std::time_t>(time.toMilliseconds() / 1000);
    std::tm utc{};
    char date[32] = "";
    // The year has four digits in a PDF date; a clock outside them gives the start of the epoch.
    constexpr int firstYear = 0, lastYear = 9999, tmYearBase = 1900;
    const bool dated = gmtime_r(&seconds, &utc) != nullptr && utc.tm_year + tmYearBase >= firstYear &&
                       utc.tm_year + tmYearBase <= lastYear;
    if (!dated || std::strftime(date, sizeof date, "(D:%Y%m%d%H%M%SZ)", &utc) == 0)
        return "(D:19700101000000Z)";
    return date;
}

juce::Time PView2pdf::exportTime()
{
    const auto fixed = juce::SystemStats::getEnvironmentVariable("SOURCE_DATE_EPOCH", {});
    constexpr int longestEpoch = 12; // more digits would overflow the milliseconds
    if (fixed.isNotEmpty() && fixed.length() <= longestEpoch && fixed.containsOnly("0123456789"))
        return juce::Time(fixed.getLargeIntValue() * 1000);
    return juce::Time::getCurrentTime();
}

void PView2pdf::writeFile(PComic* comic, PPage* page)
{
    stopped = false;
    if (comic == nullptr)
        return;
    std::vector<PPage*> pages;
    if (page != nullptr)
        pages.push_back(page);
    else
        for (PBase* each : comic->pages)
            pages.push_back(static_cast<PPage*>(each));
    const int n = static_cast<int>(pages.size());
    offsets.assign(static_cast<size_t>(3 * n + fixedObjects + 1), 0);

    writeHeader(*comic);
    writePageTree(n);
    setUpPageView(*comic);
    writePageObjects(n);
    writeResources(n);
    for (int i = 0; i < n; ++i)
    {
        writeContent(*pages[static_cast<size_t>(i)], i, n);
        if (!PExportProgress::goOn(progress, i + 1, n))
        {
            stopped = true;
            return;
        }
    }
    writeInfo(*comic, n);
    writeTrailer(n);
}

void PView2pdf::beginObject(int number)
{
    offsets[static_cast<size_t>(number)] = out.position();
    out.integer(number).text(" 0 obj").endLine();
}

void PView2pdf::endObject()
{
    out.text("endobj").endLine();
}

void PView2pdf::writeHeader(const PComic& comic)
{
    out.text("%PDF-1.7").endLine();
    out.text("% Plumet Comics Output").endLine();
    out.text(authorComment(comic.author.toString()));
    beginObject(catalogObject);
    out.text("<<").endLine().text("/Type /Catalog").endLine();
    out.text("/Pages ").integer(pageTreeObject).text(" 0 R").endLine().text(">>").endLine();
    endObject();
}

void PView2pdf::writePageTree(int n)
{
    beginObject(pageTreeObject);
    out.text("<<").endLine().text("/Type /Pages").endLine().text("/Kids [");
    for (int i = 0; i < n; ++i)
        out.text(i == 0 ? "" : " ").integer(firstPageObject + i).text(" 0 R");
    out.text("]").endLine();
    out.text("/Count ").integer(n).endLine().text(">>").endLine();
    endObject();
}

void PView2pdf::setUpPageView(const PComic& comic)
{
    const auto k = static_cast<float>(pointsPerCentimetre);
    const int halfW = roundedSize(comic.width * pointsPerCentimetre * 0.5);
    const int halfH = roundedSize(comic.height * pointsPerCentimetre * 0.5);
    pageWidthPt = roundedSize(comic.width * pointsPerCentimetre);
    pageHeightPt = roundedSize(comic.height * pointsPerCentimetre);
    setFixedDevice(k, k, static_cast<float>(halfW), static_cast<float>(halfH), static_cast<float>(pageWidthPt),
                   static_cast<float>(pageHeightPt));
}

void PView2pdf::writePageObjects(int n)
{
    for (int i = 0; i < n; ++i)
    {
        beginObject(firstPageObject + i);
        out.text("<<").endLine().text("/Type /Page").endLine();
        out.text("/Parent ").integer(pageTreeObject).text(" 0 R").endLine();
        out.text("/MediaBox [0 0 ").integer(pageWidthPt).text(" ").integer(pageHeightPt).text("]").endLine();
        out.text("/Resources ").integer(n + 3).text(" 0 R").endLine();
        out.text("/Contents ").integer(n + fixedObjects + i).text(" 0 R").endLine();
        out.text(">>").endLine();
        endObject();
    }
}

void PView2pdf::writeResources(int n)
{
    beginObject(n + 3);
    out.text("<<").endLine().text("/ExtGState").endLine().text("<<").endLine();
    for (int k = 1; k <= levelCount; ++k)
        out.text("/GS").integer(k).text(" ").integer(n + 3 + k).text(" 0 R").endLine();
    out.text(">>").endLine().text(">>").endLine();
    endObject();
    for (int k = 1; k <= levelCount; ++k)
    {
        const double opacity = levelBytes[static_cast<size_t>(k) - 1] * byteScale;
        beginObject(n + 3 + k);
        out.text("<<").endLine().text("/Type /ExtGState").endLine();
        out.text("/CA ").number(opacity, 2).endLine().text("/ca ").number(opacity, 2).endLine();
        out.text(">>").endLine();
        endObject();
    }
}

void PView2pdf::writeContent(PPage& page, int i, int n)
{
    // Streams and their lengths are numbered in two runs but written in pairs.
    page.invalidate();
    const int lengthObject = 2 * n + fixedObjects + i;
    beginObject(n + fixedObjects + i);
    out.text("<<").endLine().text("/Length ").integer(lengthObject).text(" 0 R").endLine();
    if (compressStreams)
        out.text("/Filter /FlateDecode").endLine();
    out.text(">>").endLine().text("stream").endLine();
    const int64_t start = out.position();
    if (compressStreams)
        out.startCapture();
    out.text("1 j").endLine().text("1 J").endLine();
    drawPage(page);
    if (compressStreams)
        out.text(deflate(out.takeCaptured()));
    const int64_t length = out.position() - start;
    // Binary data needs a line end of its own before the keyword; the length leaves it out.
    if (compressStreams)
        out.endLine();
    out.text("endstream").endLine();
    endObject();
    beginObject(lengthObject);
    out.integer(length).endLine();
    endObject();
    page.invalidate();
}

void PView2pdf::writeInfo(const PComic& comic, int n)
{
    beginObject(3 * n + fixedObjects);
    out.text("<<").endLine();
    // Readers show the title instead of the file name, and libraries file the comic by its author.
    if (const auto title = comic.name.toString(); title.isNotEmpty())
        out.text("/Title ").text(textString(title)).endLine();
    if (const auto author = comic.author.toString(); author.isNotEmpty())
        out.text("/Author ").text(textString(author)).endLine();
    out.text("/Producer ").text(textString(producer)).endLine();
    out.text("/CreationDate ").text(dateString(creationTime)).endLine();
    out.text(">>").endLine();
    endObject();
}

void PView2pdf::writeTrailer(int n)
{
    const int64_t xref = out.position();
    const auto size = static_cast<int>(offsets.size());
    out.text("xref").endLine().text("0 ").integer(size).endLine();
    out.text("0000000000 65535 f").endLine();
    for (int number = 1; number < size; ++number)
        out.text(xrefLine(offsets[static_cast<size_t>(number)]));
    out.text("trailer").endLine().text("<<").endLine();
    out.text("/Size ").integer(size).endLine();
    out.text("/Root ").integer(catalogObject).text(" 0 R").endLine();
    out.text("/Info ").integer(3 * n + fixedObjects).text(" 0 R").endLine().text(">>").endLine();
    out.text("startxref").endLine().integer(xref).endLine();
    out.text("%%EOF").endLine();
}

void PView2pdf::matrix(const PMatrix& m)
{
    const float entries[] = {m.m[0], m.m[1], m.m[3], m.m[4], m.m[6], m.m[7]};
    for (float e : entries)
        out.number(e, 3).text(" ");
    out.text("cm").endLine();
}

void PView2pdf::colour(uint32_t hsla, const char* op)
{
    const uint32_t argb = hslaToArgb(hsla);
    out.number(highByteOf(argb) * byteScale, 2).text(" ");
    out.number(middleByteOf(argb) * byteScale, 2).text(" ");
    out.number(lowByteOf(argb) * byteScale, 2).text(" ").text(op).endLine();
    out.text("/GS").integer(transparencyLevel(hsla)).text(" gs").endLine();
}

void PView2pdf::paintPath(const juce::Path& path, bool fill, float width, uint32_t hsla)
{
    // A painting operator without a path is an error that viewers complain about.
    if (path.isEmpty())
        return;
    out.number(width, widthDecimals).text(" w").endLine();
    colour(hsla, fill ? "rg" : "RG");
    out.text(pathOperators(path)).text(fill ? "f" : "S").endLine();
}

void PView2pdf::drawPage(PPage& page)
{
    out.text("q").endLine();
    matrix(device);
    for (PBase* panel : page.panels)
        drawPanel(*static_cast<PPanel*>(panel));
    out.text("Q").endLine();
}

void PView2pdf::drawLine(PCurve& curve)
{
    if (!curve.hasLine())
        return;
    if (curve.lineVaries())
        paintPath(curve.outlinePath, true, 0, curve.lineColour);
    else
        paintPath(curve.centrePath, false, lineWidthOf(curve), curve.lineColour);
}

void PView2pdf::fillPanel(PPanel& panel)
{
    paintPath(panel.centrePath, true, 0, panel.fillColour);
}

bool PView2pdf::beginClip(const juce::Path& pagePath)
{
    out.text("q").endLine().text(pathOperators(pagePath)).text("W n").endLine();
    return true;
}

void PView2pdf::endClip()
{
    out.text("Q").endLine();
}

void PView2pdf::drawPanelLine(PPanel& panel)
{
    drawLine(panel);
}

void PView2pdf::drawCurve(PCurve& curve, bool)
{
    if (curve.points.size() < 2)
        return;
    curve.build(*this);
    if (curve.centrePath.isEmpty())
        return;
    if (curve.isClosed() && alphaOf(curve.fillColour) != 0)
        paintPath(curve.centrePath, true, 0, curve.fillColour);
    drawLine(curve);
}

void PView2pdf::drawText(PText& text, bool)
{
    text.build(*this);
    if (text.getBox().isEmpty())
        return;
    const PText::Layout layout = text.layout();
    const juce::Font font = text.fontSpec.getFont(false);
    for (int i = 0; i < layout.lineCount(); ++i)
    {
        const juce::Path outline =
            lineOutline(text, font, layout.lines[i], layout.lineLeft(i, text.align), layout.baseline(i));
        if (outline.isEmpty())
            continue;
        out.text("q").endLine();
        colour(text.colour, "rg");
        out.text(pathOperators(outline)).text("f").endLine();
        out.text("Q").endLine();
    }
}

juce::Path PView2pdf::lineOutline(const PText& text, const juce::Font& font, const juce::String& line, float left,
                                  float baseline) const
{
    juce::GlyphArrangement glyphs;
    glyphs.addLineOfText(font, line, 0, 0);
    juce::Path outline;
    glyphs.createPath(outline);
    if (font.isUnderlined() && line.isNotEmpty())
    {
        const float thickness = font.getDescent() * underlineThickness;
        outline.addRectangle(0, 2 * thickness, font.getStringWidthFloat(line), thickness);
    }
    // Glyphs come in points with y pointing down from the baseline. They go out in page
    // centimetres, point by point: a matrix printed with three decimals would shrink every text
    // by almost one percent, and a deformed group bends its texts as the screen does.
    const auto k = static_cast<float>(PText::pointsToCentimetres);
    const PMatrix own =
        text.transform() * PMatrix::scale(k, k) * PMatrix::translation(left, baseline) * PMatrix::scale(1, -1);
    juce::Path mapped;
    for (const auto& item : PVectorOut::itemsOf(outline))
    {
        float p[6];
        std::copy(std::begin(item.p), std::end(item.p), p);
        for (int i = 0; i < 6; i += 2)
        {
            own.transform(p[i], p[i + 1]);
            mapToPage(p[i], p[i + 1]);
            // A damaged text (an endless position or scale) is left out rather than drawn at nowhere.
            if (!std::isfinite(p[i]) || !std::isfinite(p[i + 1]))
                return {};
        }
        switch (item.kind)
        {
        case PVectorOut::PathItem::move: mapped.startNewSubPath(p[0], p[1]); break;
        case PVectorOut::PathItem::line: mapped.lineTo(p[0], p[1]); break;
        case PVectorOut::PathItem::cubic: mapped.cubicTo(p[0], p[1], p[2], p[3], p[4], p[5]); break;
        case PVectorOut::PathItem::close: mapped.closeSubPath(); break;
        }
    }
    return mapped;
}

void PView2pdf::drawImage(PImage& image, bool, bool reference)
{
    if (reference)
        return;
    image.build(*this);
    if (!image.hasImage())
        return;
    const juce::Image& picture = image.getImage();
    const int w = picture.getWidth(), h = picture.getHeight();
    const float k = centimetresPerPoint;
    // The image space is the unit square; one pixel is one point, centred on the shape's origin.
    const PMatrix local = PMatrix::scale(k, k) * PMatrix::translation(-w * 0.5f, -h * 0.5f) *
                          PMatrix::scale(static_cast<float>(w), static_cast<float>(h));
    out.text("q").endLine();
    matrix(frameOf(image, local, 1, 1));
    out.text("BI").endLine();
    out.text("/W ").integer(w).endLine().text("/H ").integer(h).endLine();
    // Compressed files deflate the pixels before they become text: ASCII85 hides the repeats that
    // Flate would find, and the picture would cost several times its size.
    out.text("/CS /RGB").endLine().text("/BPC 8").endLine();
    out.text(compressStreams ? "/F [/A85 /Fl]" : "/F /A85").endLine().text("ID").endLine();
    imageData(picture);
    out.text("~>").endLine().text("EI").endLine().text("Q").endLine();
}

namespace
{
/** One row of the picture as red, green and blue bytes; no alpha goes into the file, so
    transparent pixels are laid on white, the colour of the page. */
std::string rgbRow(const juce::Image::BitmapData& pixels, int y)
{
    std::string row;
    row.reserve(static_cast<size_t>(pixels.width) * 3);
    for (int x = 0; x < pixels.width; ++x)
    {
        const juce::Colour c = juce::Colours::white.overlaidWith(pixels.getPixelColour(x, y));
        row += static_cast<char>(c.getRed());
        row += static_cast<char>(c.getGreen());
        row += static_cast<char>(c.getBlue());
    }
    return row;
}

void addAscii85(PAscii85& encoder, std::string_view bytes, std::string& encoded)
{
    for (char b : bytes)
        encoder.add(static_cast<uint8_t>(b), encoded);
}
} // namespace

void PView2pdf::imageData(const juce::Image& picture)
{
    const juce::Image::BitmapData pixels(picture, juce::Image::BitmapData::readOnly);
    PAscii85 encoder;
    std::string encoded;
    juce::MemoryOutputStream packed;
    auto zlib = compressStreams ? std::make_unique<juce::GZIPCompressorOutputStream>(packed, flateLevel, 0) : nullptr;
    for (int y = 0; y < pixels.height; ++y)
    {
        const std::string row = rgbRow(pixels, y);
        if (zlib != nullptr)
        {
            zlib->write(row.data(), row.size());
            continue;
        }
        addAscii85(encoder, row, encoded);
        out.text(encoded);
        encoded.clear();
    }
    if (zlib != nullptr)
    {
        zlib.reset(); // ends the zlib stream
        addAscii85(encoder, {static_cast<const char*>(packed.getData()), packed.getDataSize()}, encoded);
    }
    encoder.finish(encoded);
    out.text(encoded);
}
