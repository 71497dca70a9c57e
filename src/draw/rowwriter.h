#pragma once

#include <juce_graphics/juce_graphics.h>

/** An encoder that takes an RGB picture a band of rows at a time, top to bottom, so that the
    whole picture never has to be in memory at once.

        writer.begin(w, h);
        for each band: writer.writeRows(pixels, top, rows);
        const bool ok = writer.finish();
*/
class PRowWriter
{
public:
    virtual ~PRowWriter() = default;

    /** Starts a picture of the size; false when the encoder cannot start. */
    virtual bool begin(int width, int height) = 0;
    /** Encodes rowCount rows of pixels from firstRow on (rows of the picture's own numbering, read
        from the bitmap at the same row numbers); they must follow the rows written so far. */
    virtual bool writeRows(const juce::Image::BitmapData& pixels, int firstRow, int rowCount) = 0;
    /** True only when every row was given and every byte reached the stream. */
    virtual bool finish() = 0;

protected:
    /** One row as red, green, blue bytes, whatever order the bitmap keeps them in. */
    static void unpackRow(const juce::Image::BitmapData& pixels, int row, int width, uint8_t* rgb)
    {
        const uint8_t* src = pixels.getLinePointer(row);
        for (int x = 0; x < width; ++x, src += pixels.pixelStride)
        {
            if (pixels.pixelFormat == juce::Image::RGB)
            {
                const auto* p = reinterpret_cast<const juce::PixelRGB*>(src);
                *rgb++ = p->getRed();
                *rgb++ = p->getGreen();
                *rgb++ = p->getBlue();
                continue;
            }
            const juce::Colour c = pixels.getPixelColour(x, row);
            *rgb++ = c.getRed();
            *rgb++ = c.getGreen();
            *rgb++ = c.getBlue();
        }
    }
};
