// PDF files are checked at the byte level: object numbers and cross-reference offsets, the page
// box and device matrix, and the operators each shape becomes.

#include <gtest/gtest.h>

#include <limits>
#include <regex>
#include <utility>
#include <vector>

#include "draw/view2pdf.h"
#include "model/brush.h"
#include "support/exportsample.h"
#include "support/samplecomic.h"
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
    comic.format = PPageFormat::a4;
    comic.applyPageFormat();
    comic.pages.append(new PPage());
    comic.applySettings();
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

namespace
{
std::string inflate(const std::string& packed)
{
    juce::MemoryInputStream source(packed.data(), packed.size(), false);
    juce::GZIPDecompressorInputStream zlib(&source, false, juce::GZIPDecompressorInputStream::zlibFormat);
    return zlib.readEntireStreamAsString().toStdString();
}

/** The content streams of a file, each as stored, and the file with every stream cut out. */
struct Streams
{
    std::vector<std::string> data;
    std::string rest;
};

Streams streamsOf(const std::string& pdf, const std::string& dictionaryEnd)
{
    Streams s;
    const std::string open = dictionaryEnd + ">>\r\nstream\r\n", close = "endstream\r\n";
    size_t from = 0;
    for (size_t at = pdf.find(open); at != std::string::npos; at = pdf.find(open, at))
    {
        const size_t start = at + open.size(), end = pdf.find(close, start);
        s.data.push_back(pdf.substr(start, end - start));
        s.rest += pdf.substr(from, start - from);
        at = from = end;
    }
    s.rest += pdf.substr(from);
    return s;
}

/** A content stream with each inline picture's data left out, and its filters as the plain writer's. */
std::string withoutPictureData(const std::string& content)
{
    static const std::regex data("ID\r\n[^~]*~>"), filters("/F \\[/A85 /Fl\\]");
    return std::regex_replace(std::regex_replace(content, data, "ID~>"), filters, "/F /A85");
}

/** Each stream of the compressed file inflates to the plain one's, pictures' data aside; every
    other object is the same; lengths count the stored bytes. The inflated content, joined. */
std::string expectSameAsPlain(PComic& comic)
{
    const std::string plain = pdfOf(comic, nullptr), packed = pdfOf(comic, nullptr, true);
    const Streams expected = streamsOf(plain, " 0 R\r\n"), found = streamsOf(packed, "/Filter /FlateDecode\r\n");
    EXPECT_EQ(found.data.size(), static_cast<size_t>(comic.pages.size()));
    if (expected.data.size() != found.data.size())
        return {};
    std::string inflated;
    size_t packedBytes = 0, plainBytes = 0;
    for (size_t i = 0; i < found.data.size(); ++i)
    {
        // The binary data ends in a line end of its own that its length leaves out.
        EXPECT_EQ(found.data[i].substr(found.data[i].size() - 2), "\r\n");
        const std::string stored = found.data[i].substr(0, found.data[i].size() - 2);
        inflated += inflate(stored);
        EXPECT_EQ(withoutPictureData(inflate(stored)), withoutPictureData(expected.data[i])) << "page " << i + 1;
        packedBytes += stored.size();
        plainBytes += expected.data[i].size();
        const std::string lengthObject =
            std::to_string(2 * comic.pages.size() + 13 + static_cast<int>(i)) + " 0 obj\r\n";
        EXPECT_EQ(std::stoll(packed.substr(packed.find(lengthObject) + lengthObject.size())),
                  static_cast<long long>(stored.size()));
    }
    EXPECT_LT(packedBytes * 3, plainBytes);
    // Apart from the streams, their lengths and the offsets that follow from them, the files agree.
    const std::regex lengths("\r\n\\d+\r\nendobj");
    const auto objects = [&](const std::string& rest)
    { return std::regex_replace(rest.substr(0, rest.rfind("\r\nxref\r\n")), lengths, ""); };
    EXPECT_EQ(std::regex_replace(objects(found.rest), std::regex("/Filter /FlateDecode\r\n"), ""),
              objects(expected.rest));
    return inflated;
}
} // namespace

// Compression changes nothing but the bytes of the content streams: every object keeps its
// number, and each stream inflates to what the plain writer puts there. Only a picture's data
// differs, deflated before it becomes ASCII85 text; VectorExport.CompressedPdfDrawsLikeThePlainOne
// shows that poppler draws the same picture.
TEST(PdfCompressed, StreamsInflateToThePlainContentAndLengthsCountTheStoredBytes)
{
    TempFolder tmp;
    ASSERT_TRUE(exportsample::writePicture(tmp.file("picture.png"), 40, 30));
    PComic everything, picture;
    sample::fill(everything);
    exportsample::pictureComic(picture, tmp.file("picture.png"));
    EXPECT_NE(expectSameAsPlain(everything), "");
    EXPECT_NE(expectSameAsPlain(picture).find("/F [/A85 /Fl]\r\nID\r\n"), std::string::npos);
}

TEST(PdfInfo, TitleAuthorProducerAndDateOfTheComic)
{
    PComic comic;
    exportsample::emptyComic(comic, 1);
    comic.name.assign(juce::String::fromUTF8("Zo\xc3\xa9 (1)"));
    const std::string pdf = pdfOf(comic, nullptr, true);
    // The producer begins "Plumet Comics " and goes on with the version.
    EXPECT_NE(pdf.find("16 0 obj\r\n<<\r\n/Title <FEFF005A006F00E90020002800310029>\r\n"
                       "/Producer <FEFF0050006C0075006D0065007400200043006F006D0069006300730020"),
              std::string::npos);
    EXPECT_EQ(pdf.find("/Author"), std::string::npos); // no author, no entry
    EXPECT_NE(pdf.find("/CreationDate (D:20261207042500Z)\r\n>>\r\nendobj\r\n"), std::string::npos);
    EXPECT_NE(pdf.find("/Root 1 0 R\r\n/Info 16 0 R\r\n"), std::string::npos);
    expectSoundStructure(pdf, 17);
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

TEST(PdfFile, ProgressHearsEachPageAndCanStopTheFile)
{
    PComic comic;
    exportsample::emptyComic(comic, 3);
    juce::MemoryOutputStream memory;
    PView2pdf writer(memory);
    std::vector<std::pair<int, int>> heard;
    writer.progress = [&](int done, int count)
    {
        heard.emplace_back(done, count);
        return done < 2;
    };
    writer.writeFile(&comic, nullptr);
    EXPECT_TRUE(writer.wasStopped());
    EXPECT_EQ(heard, (std::vector<std::pair<int, int>>{{1, 3}, {2, 3}}));
    EXPECT_TRUE(writer.finish());
    EXPECT_EQ(memory.toString().indexOf("xref"), -1);
}
