#pragma once

#include <memory>
#include <vector>

#include "draw/rowwriter.h"

/** Writes a JPEG through the system's libjpeg, set up as the library's own JPEG writer sets it up
    (JFIF, the library's defaults, float DCT, the given quality, 4:2:0 chroma), so that a picture
    written in bands decodes to the very pixels the library's writer gives for the whole image.

    With optimised Huffman tables, as the library writes them, libjpeg keeps every coefficient of
    the picture until the end: about three bytes a pixel, as much as the picture itself. A writer
    made with optimise false uses the standard tables instead: the same coefficients, so the same
    decoded pixels, in a file a few percent larger, without that buffer. */
class PJpegRowWriter : public PRowWriter
{
public:
    /** quality 0 to 1; below 0 the library writer's default, 0.85. */
    PJpegRowWriter(juce::OutputStream& out, float quality, bool optimise);
    ~PJpegRowWriter() override;
    PJpegRowWriter(const PJpegRowWriter&) = delete;
    PJpegRowWriter& operator=(const PJpegRowWriter&) = delete;

    bool begin(int width, int height) override;
    bool writeRows(const juce::Image::BitmapData& pixels, int firstRow, int rowCount) override;
    bool finish() override;

    static constexpr float defaultQuality = 0.85f;

private:
    struct Encoder;

    bool encodeRow();

    std::unique_ptr<Encoder> encoder;
    std::vector<uint8_t> row;
    float quality;
    bool optimise;
    int width = 0, height = 0, rowsDone = 0;
};
