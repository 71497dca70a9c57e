// PDF files are checked at the byte level: object numbers and cross-reference offsets, the page
// box and device matrix, and the operators each shape becomes.

#include <gtest/gtest.h>

#include <limits>
#include <regex>

#include "draw/view2pdf.h"
#include "model/brush.h"
#include "support/exportsample.h"
#include "support/testfiles.h"

namespace
{
std::string pdfOf(PComic& comic, PPage* page, bool compressed = false)
{
    juce::MemoryOutputStream memory;
    PView2pdf writer(memory);
    writer.compressStreams = compressed;
    writer.creationTime = juce::Time(2026, 11, 7, 4, 25, 0, 0, false); // 7 December 2026, UTC
    writer.writeFile(&comic, page);
    EXPECT_TRUE(writer.finish());
    return std::string(static_cast<const char*>(memory.getData()), memory.getDataSize());
}

/** Every object 1 .. objects-1 sits at its cross-reference offset, and every stream is as long
    as its length object says. */
void expectSoundStructure(const std::string& pdf, int objects)
{
    const auto xref = static_cast<size_t>(std::stoll(pdf.substr(pdf.rfind("startxref\r\n") + 11)));
    const std::string header = "xref\r\n0 " + std::to_string(objects) + "\r\n0000000000 65535 f\r\n";
    ASSERT_EQ(pdf.compare(xref, header.size(), header), 0);
    for (int n = 1; n < objects; ++n)
    {
        const auto offset =
            static_cast<size_t>(std::stoll(pdf.substr(xref + header.size() + 20 * static_cast<size_t>(n - 1), 10)));
        const std::string object = std::to_string(n) + " 0 obj\r\n";
        EXPECT_EQ(pdf.compare(offset, object.size(), object), 0) << "object " << n;
    }
    EXPECT_NE(pdf.find("/Size " + std::to_string(objects) + "\r\n"), std::string::npos);
    const std::regex stream("/Length (\\d+) 0 R\r\n>>\r\nstream\r\n");
    for (auto it = std::sregex_iterator(pdf.begin(), pdf.end(), stream); it != std::sregex_iterator(); ++it)
    {
        const auto start = static_cast<size_t>(it->position() + it->length());
        const std::string lengthObject = "\r\n" + (*it)[1].str() + " 0 obj\r\n";
        const auto at = pdf.find(lengthObject) + lengthObject.size();
        EXPECT_EQ(std::stoll(pdf.substr(at)), static_cast<long long>(pdf.find("endstream\r\n", start) - start));
    }
}

/** A comic of one empty A4 page. */
void a4Page(PComic& comic)
{
    comic.format = PPageFormat::a4;
    comic.applyPageFormat();
    comic.pages.append(new PPage());
    comic.applySettings();
}

std::string contentOf(PComic& comic)
{
    const std::string pdf = pdfOf(comic, comic.pages.get<PPage>(0));
    const auto start = pdf.find("stream\r\n") + 8;
    return pdf.substr(start, pdf.find("endstream") - start);
}
} // namespace

TEST(PdfFile, A4PageGivesItsBoxMatrixAndSixteenObjects)
{
    PComic comic;
    a4Page(comic);
    const std::string pdf = pdfOf(comic, comic.pages.get<PPage>(0));
    EXPECT_EQ(pdf.rfind("%PDF-1.7\r\n% Plumet Comics Output\r\n1 0 obj\r\n", 0), 0u);
    EXPECT_NE(pdf.find("/Kids [3 0 R]\r\n/Count 1\r\n"), std::string::npos);
    EXPECT_NE(pdf.find("/MediaBox [0 0 595 842]\r\n"), std::string::npos);
    EXPECT_NE(pdf.find("stream\r\n1 j\r\n1 J\r\nq\r\n28.346 0.000 0.000 28.346 298.000 421.000 cm\r\nQ\r\nendstream"),
              std::string::npos);
    expectSoundStructure(pdf, 17);
    EXPECT_EQ(pdf.substr(pdf.size() - 7), "%%EOF\r\n");
}

TEST(PdfFile, WholeComicNumbersStreamsBeforeLengths)
{
    PComic comic;
    exportsample::emptyComic(comic, 3);
    const std::string pdf = pdfOf(comic, nullptr);
    for (const char* part : {"/Kids [3 0 R 4 0 R 5 0 R]\r\n/Count 3\r\n", "/Resources 6 0 R\r\n/Contents 18 0 R\r\n",
                             "18 0 obj\r\n<<\r\n/Length 21 0 R\r\n", "/GS9 15 0 R\r\n",
                             "11 0 obj\r\n<<\r\n/Type /ExtGState\r\n/CA 0.60\r\n/ca 0.60\r\n"})
        EXPECT_NE(pdf.find(part), std::string::npos) << part;
    expectSoundStructure(pdf, 23);
}

TEST(PdfFile, AuthorCommentIsOneLineOrNone)
{
    const struct
    {
        const char* author;
        const char* comment;
    } rows[] = {{"", ""}, {"Ann\r\nBee", "% Author: Ann  Bee\r\n"}, {"Zo\xc3\xa9\n", "% Author: Zo\xc3\xa9 \r\n"}};
    for (const auto& row : rows)
    {
        PComic comic;
        exportsample::emptyComic(comic, 1);
        comic.author.assign(juce::String::fromUTF8(row.author));
        const std::string pdf = pdfOf(comic, nullptr);
        EXPECT_EQ(pdf.rfind(std::string("% Plumet Comics Output\r\n") + row.comment + "1 0 obj", 10), 10u);
        expectSoundStructure(pdf, 17);
    }
}

TEST(PdfUnits, LevelsXrefLinesAndPathOperators)
{
    const int levels[][2] = {{0, 1}, {1, 2}, {51, 2}, {52, 3}, {116, 5}, {240, 8}, {241, 9}, {255, 9}};
    for (const auto& [alpha, level] : levels)
        EXPECT_EQ(PView2pdf::transparencyLevel(static_cast<uint32_t>(alpha) << 24 | 0x123456), level) << alpha;
    EXPECT_EQ(PView2pdf::xrefLine(123), "0000000123 00000 n\r\n");
    juce::Path path;
    path.startNewSubPath(1, 2);
    path.lineTo(3.25f, -4);
    path.cubicTo(1, 1, 2, 2, 3, 3);
    path.closeSubPath();
    EXPECT_EQ(PView2pdf::pathOperators(path),
              "1.000 2.000 m\r\n3.250 -4.000 l\r\n1.000 1.000 2.000 2.000 3.000 3.000 c\r\nh\r\n");
}

TEST(PdfContent, CurvesFillThenStrokeAndSinglePointsAndBrushesAreLeftOut)
{
    PComic comic;
    PLayer& layer = exportsample::layerOnPage(comic, 0);
    layer.shapes.append(exportsample::curve({{0, 0}, {1, 0}, {1, 1}}, true, 0xFF000000, 0x3300FF80));
    layer.shapes.append(exportsample::curve({{2, 2}}, true, 0xFF000000, 0xFF00FF80));
    auto* brush = new PBrush();
    brush->points.append(new PPoint(0, 0));
    brush->points.append(new PPoint(3, 3));
    layer.shapes.append(brush);
    const std::string content = contentOf(comic);
    const auto fill = content.find("0.0000 w\r\n1.00 0.00 0.00 rg\r\n/GS2 gs\r\n0.000 0.000 m\r\n");
    // The thinnest pen at thickness 50: 0.025 cm x 0.5, which two decimals used to print as 0.01.
    const auto stroke = content.find("0.0125 w\r\n0.00 0.00 0.00 RG\r\n/GS9 gs\r\n0.000 0.000 m\r\n");
    EXPECT_LT(fill, stroke);
    EXPECT_NE(stroke, std::string::npos);
    EXPECT_EQ(content.find("2.000 2.000"), std::string::npos);
    EXPECT_EQ(content.find("3.000 3.000"), std::string::npos);
    // The panel: its fill, then the clip around its layers.
    EXPECT_NE(content.find("h\r\nf\r\nq\r\n-5.000 -4.000 m\r\n"), std::string::npos);
}

TEST(PdfContent, ImagesAreInlineAscii85RgbAndNonFiniteNumbersPrintAsZero)
{
    TempFolder tmp;
    juce::Image black(juce::Image::RGB, 2, 2, true);
    juce::FileOutputStream stream(tmp.file("black.png"));
    ASSERT_TRUE(juce::PNGImageFormat().writeImageToStream(black, stream));
    stream.flush();
    PComic comic;
    PLayer& layer = exportsample::layerOnPage(comic);
    layer.shapes.append(exportsample::image(tmp.file("black.png")));
    EXPECT_NE(contentOf(comic).find("q\r\n0.071 0.000 0.000 0.071 -0.035 -0.035 cm\r\nBI\r\n/W 2\r\n/H 2\r\n"
                                    "/CS /RGB\r\n/BPC 8\r\n/F /A85\r\nID\r\nzzz~>\r\nEI\r\nQ\r\n"),
              std::string::npos);

    static_cast<PShape*>(layer.shapes.at(0))->scaleX = std::numeric_limits<float>::quiet_NaN();
    auto* text = new PText();
    text->x = std::numeric_limits<float>::infinity();
    layer.shapes.append(text);
    const std::string pdf = pdfOf(comic, nullptr);
    EXPECT_EQ(pdf.find("nan"), std::string::npos);
    EXPECT_EQ(pdf.find("inf"), std::string::npos);
    expectSoundStructure(pdf, 17);
}

// Compression leaves every object as it was and gives each content stream a filter, its
// stored length and a line end of its own; the stream inflates to the plain writer's operators.
// (VectorExport.CompressedPdfDrawsLikeThePlainOne renders both.)
TEST(PdfCompressed, StreamInflatesToThePlainOperatorsAndItsLengthCountsTheStoredBytes)
{
    PComic comic;
    a4Page(comic);
    const std::string pdf = pdfOf(comic, nullptr, true);
    const std::string head = "14 0 obj\r\n<<\r\n/Length 15 0 R\r\n/Filter /FlateDecode\r\n>>\r\nstream\r\n";
    const auto start = pdf.find(head) + head.size(), end = pdf.find("\r\nendstream\r\n", start);
    ASSERT_NE(end, std::string::npos);
    EXPECT_EQ(pdf.find("15 0 obj\r\n" + std::to_string(end - start) + "\r\nendobj\r\n"), end + 21);
    juce::MemoryInputStream packed(pdf.data() + start, end - start, false);
    juce::GZIPDecompressorInputStream zlib(&packed, false, juce::GZIPDecompressorInputStream::zlibFormat);
    EXPECT_EQ(zlib.readEntireStreamAsString(),
              "1 j\r\n1 J\r\nq\r\n28.346 0.000 0.000 28.346 298.000 421.000 cm\r\nQ\r\n");
    // The document information comes last, after the streams' lengths.
    EXPECT_NE(pdf.find("16 0 obj\r\n<<\r\n/Producer <FEFF0050006C0075006D00650074"), std::string::npos);
    EXPECT_NE(pdf.find("/CreationDate (D:20261207042500Z)\r\n>>\r\nendobj\r\nxref\r\n0 17\r\n"), std::string::npos);
    EXPECT_NE(pdf.find("/Root 1 0 R\r\n/Info 16 0 R\r\n"), std::string::npos);
}

TEST(PdfUnits, TextStringsAndDates)
{
    EXPECT_EQ(PView2pdf::textString(""), "<FEFF>");
    EXPECT_EQ(PView2pdf::textString("A)"), "<FEFF00410029>");
    // A character beyond the first plane takes its two surrogates.
    EXPECT_EQ(PView2pdf::textString(juce::String::fromUTF8("\xf0\x9f\x98\x80")), "<FEFFD83DDE00>");
    EXPECT_EQ(PView2pdf::dateString(juce::Time(0)), "(D:19700101000000Z)");
    // Year 33658 has no place in a four-digit date.
    EXPECT_EQ(PView2pdf::dateString(juce::Time(999999999999LL * 1000)), "(D:19700101000000Z)");
    EXPECT_EQ(PView2pdf::dateString(juce::Time(2000, 1, 29, 23, 59, 58, 0, false)), "(D:20000229235958Z)");
}
