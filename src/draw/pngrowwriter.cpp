#include "draw/pngrowwriter.h"

#include <png.h>

namespace
{
constexpr int bitsPerSample = 8;
constexpr int rgbBytes = 3;
} // namespace

PPngRowWriter::PPngRowWriter(juce::OutputStream& out) : stream(out) {}

PPngRowWriter::~PPngRowWriter()
{
    if (png != nullptr)
        png_destroy_write_struct(&png, info != nullptr ? &info : nullptr);
}

void PPngRowWriter::writeData(png_struct_def* p, unsigned char* data, size_t length)
{
    auto* self = static_cast<PPngRowWriter*>(png_get_io_ptr(p));
    if (!self->stream.write(data, length))
        self->streamFailed = true;
}

void PPngRowWriter::flushData(png_struct_def*) {}

// libpng reports its errors by a long jump back here. The functions that set the jump hold only
// plain values, so nothing is left half-destroyed when it is taken.
bool PPngRowWriter::startEncoder()
{
    if (setjmp(png_jmpbuf(png)))
        return false;
    png_set_write_fn(png, this, writeData, flushData);
    png_set_IHDR(png, info, static_cast<png_uint_32>(width), static_cast<png_uint_32>(height), bitsPerSample,
                 PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_BASE, PNG_FILTER_TYPE_BASE);
    png_color_8 significant{};
    significant.red = significant.green = significant.blue = significant.alpha = bitsPerSample;
    png_set_sBIT(png, info, &significant);
    png_write_info(png, info);
    png_set_shift(png, &significant);
    png_set_packing(png);
    return true;
}

bool PPngRowWriter::encodeRow()
{
    if (setjmp(png_jmpbuf(png)))
        return false;
    png_write_row(png, row.data());
    return true;
}

bool PPngRowWriter::endEncoder()
{
    if (setjmp(png_jmpbuf(png)))
        return false;
    png_write_end(png, info);
    return true;
}

bool PPngRowWriter::begin(int w, int h)
{
    if (png != nullptr || w < 1 || h < 1)
        return false;
    width = w;
    height = h;
    png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    if (png == nullptr)
        return false;
    info = png_create_info_struct(png);
    if (info == nullptr)
        return false;
    row.resize(static_cast<size_t>(width) * rgbBytes);
    return startEncoder() && !streamFailed;
}

bool PPngRowWriter::writeRows(const juce::Image::BitmapData& pixels, int firstRow, int rowCount)
{
    if (png == nullptr || firstRow != rowsDone || rowCount < 0 || firstRow + rowCount > height || pixels.width < width)
        return false;
    for (int y = firstRow; y < firstRow + rowCount; ++y)
    {
        unpackRow(pixels, y, width, row.data());
        if (!encodeRow())
            return false;
        ++rowsDone;
    }
    return !streamFailed;
}

bool PPngRowWriter::finish()
{
    if (png == nullptr || rowsDone != height || !endEncoder())
        return false;
    return !streamFailed;
}
