#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "draw/exportprogress.h"
#include "draw/view2file.h"

class PComic;

/** The back-end that writes a comic, or one page of it, as a PDF file: the whole file
    structure, and every shape as filled or stroked paths (texts as glyph outlines, images
    inline), one content stream per page and all pages sharing one resource dictionary. The
    content streams are Flate-compressed unless compressStreams is cleared, which leaves the
    operators readable; a document information dictionary names the comic's title and author.

        PView2pdf pdf(stream);
        pdf.writeFile(&comic, nullptr);   // every page
        bool ok = pdf.finish();
*/
class PView2pdf : public PView2file
{
public:
    static constexpr double pointsPerCentimetre = 28.34645652770996;
    static constexpr float centimetresPerPoint = 0.035277776f;
    static constexpr int levelCount = 9;
    /** The opacities the file offers, as bytes; each is one graphics state. */
    static constexpr std::array<uint8_t, levelCount> levelBytes{0, 51, 77, 115, 153, 191, 217, 240, 255};
    /** Objects besides those counted per page: catalog, page tree, resources and the states;
        the document information comes after them all. */
    static constexpr int fixedObjects = 13;

    /** Compressed content streams; cleared, the file keeps its operators as plain text. */
    bool compressStreams = true;
    /** The file's creation date, exportTime() unless set. */
    juce::Time creationTime;
    /** Told after each page's content stream; answering false stops the file half-way. */
    PExportProgress::Callback progress;

    /** Sets the state every export uses: output mode, dpi 72, no flips. */
    explicit PView2pdf(juce::OutputStream& target);

    /** Writes the whole file: the given page alone, or every page of the comic when page is
        null. Nothing happens without a comic. */
    void writeFile(PComic* comic, PPage* page);
    /** True when the progress callback stopped the last writeFile: the bytes are no PDF. */
    bool wasStopped() const { return stopped; }
    void drawPage(PPage& page) override;
    void drawCurve(PCurve& curve, bool selected) override;
    void drawText(PText& text, bool selected) override;
    void drawImage(PImage& image, bool selected, bool reference) override;

    /** The graphics state (1 to 9) of a colour: the first level not below its alpha. */
    static int transparencyLevel(uint32_t colour);
    /** One 20-byte entry of the cross-reference table for an object at offset. */
    static std::string xrefLine(int64_t offset);
    /** The comment line naming the author, empty when there is none; always one line. */
    static std::string authorComment(const juce::String& author);
    /** The operators of a path: m, l, c (quadratics raised to cubics) and h, one per line. */
    static std::string pathOperators(const juce::Path& path);
    /** The bytes in the zlib format that /FlateDecode reads. */
    static std::string deflate(std::string_view bytes);
    /** A text string that holds any characters: UTF-16BE with its byte-order mark, in hex. */
    static std::string textString(const juce::String& text);
    /** A date as PDF writes it, in universal time: D:YYYYMMDDHHmmSSZ in parentheses. */
    static std::string dateString(juce::Time time);
    /** Now, or the time that SOURCE_DATE_EPOCH names (seconds since 1970) so that a build or a
        test that compares files gets the same bytes every time. */
    static juce::Time exportTime();

protected:
    void fillPanel(PPanel& panel) override;
    bool beginClip(const juce::Path& pagePath) override;
    void endClip() override;
    void drawPanelLine(PPanel& panel) override;

private:
    void beginObject(int number);
    void endObject();
    void writeHeader(const PComic& comic);
    void writePageTree(int pageCount);
    void setUpPageView(const PComic& comic);
    void writePageObjects(int pageCount);
    void writeResources(int pageCount);
    void writeContent(PPage& page, int index, int pageCount);
    void writeInfo(const PComic& comic, int pageCount);
    void writeTrailer(int pageCount);

    void matrix(const PMatrix& m);
    void colour(uint32_t hsla, const char* op);
    void paintPath(const juce::Path& path, bool fill, float width, uint32_t hsla);
    void drawLine(PCurve& curve);
    /** A text line's glyphs in page coordinates, warped with any deformed group around them. */
    juce::Path lineOutline(const PText& text, const juce::Font& font, const juce::String& line, float left,
                           float baseline) const;
    void imageData(const juce::Image& image);

    std::vector<int64_t> offsets;
    int pageWidthPt = 0, pageHeightPt = 0;
    bool stopped = false;
};
