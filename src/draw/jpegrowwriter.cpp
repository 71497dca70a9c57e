#include "draw/jpegrowwriter.h"

#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

namespace
{
constexpr int rgbComponents = 3;
constexpr int bufferSize = 16384;
constexpr int percent = 100;
/** The library's writer names 72 dpi before it asks for the defaults, which set it back. */
constexpr UINT16 libraryDensity = 72;
} // namespace

/** libjpeg's state with an error manager that jumps back instead of ending the process, and a
    destination that hands every full buffer to the stream. */
struct PJpegRowWriter::Encoder
{
    jpeg_compress_struct info{};
    jpeg_error_mgr errors{};
    std::jmp_buf failed{};
    jpeg_destination_mgr destination{};
    juce::OutputStream* stream = nullptr;
    bool streamFailed = false;
    bool created = false;
    JOCTET buffer[bufferSize]{};

    static Encoder& of(j_common_ptr c) { return *static_cast<Encoder*>(c->client_data); }
    static Encoder& of(j_compress_ptr c) { return *static_cast<Encoder*>(c->client_data); }

    static void fail(j_common_ptr c) { std::longjmp(of(c).failed, 1); }
    static void quiet(j_common_ptr) {}
    static void quietLevel(j_common_ptr, int) {}

    static void startBuffer(j_compress_ptr c)
    {
        c->dest->next_output_byte = of(c).buffer;
        c->dest->free_in_buffer = bufferSize;
    }
    static boolean flushBuffer(j_compress_ptr c)
    {
        auto& e = of(c);
        if (!e.stream->write(e.buffer, bufferSize))
            e.streamFailed = true;
        startBuffer(c);
        return TRUE;
    }
    static void endBuffer(j_compress_ptr c)
    {
        auto& e = of(c);
        const size_t used = bufferSize - c->dest->free_in_buffer;
        if (used > 0 && !e.stream->write(e.buffer, used))
            e.streamFailed = true;
    }
};

namespace
{
/** Everything libjpeg does between create and start, behind the jump that its errors take. */
bool startEncoder(jpeg_compress_struct& info, std::jmp_buf& failed, jpeg_destination_mgr& destination, int width,
                  int height, int quality, bool optimise)
{
    if (setjmp(failed))
        return false;
    // Creating clears everything but the error manager and the client data.
    jpeg_create_compress(&info);
    info.dest = &destination;
    info.image_width = static_cast<JDIMENSION>(width);
    info.image_height = static_cast<JDIMENSION>(height);
    info.input_components = rgbComponents;
    info.in_color_space = JCS_RGB;
    info.write_JFIF_header = TRUE;
    info.X_density = libraryDensity;
    info.Y_density = libraryDensity;
    jpeg_set_defaults(&info);
    info.dct_method = JDCT_FLOAT;
    info.optimize_coding = optimise ? TRUE : FALSE;
    jpeg_set_quality(&info, quality, TRUE);
    jpeg_start_compress(&info, TRUE);
    return true;
}

bool writeScanline(jpeg_compress_struct& info, std::jmp_buf& failed, JSAMPROW line)
{
    if (setjmp(failed))
        return false;
    return jpeg_write_scanlines(&info, &line, 1) == 1;
}

bool endEncoder(jpeg_compress_struct& info, std::jmp_buf& failed)
{
    if (setjmp(failed))
        return false;
    jpeg_finish_compress(&info);
    return true;
}
} // namespace

PJpegRowWriter::PJpegRowWriter(juce::OutputStream& out, float jpegQuality, bool optimiseTables)
    : encoder(std::make_unique<Encoder>()), quality(jpegQuality < 0 ? defaultQuality : jpegQuality),
      optimise(optimiseTables)
{
    encoder->stream = &out;
}

PJpegRowWriter::~PJpegRowWriter()
{
    if (encoder->created)
        jpeg_destroy_compress(&encoder->info);
}

bool PJpegRowWriter::begin(int w, int h)
{
    if (encoder->created || w < 1 || h < 1)
        return false;
    width = w;
    height = h;
    row.resize(static_cast<size_t>(width) * rgbComponents);
    Encoder& e = *encoder;
    e.info.err = jpeg_std_error(&e.errors);
    e.errors.error_exit = Encoder::fail;
    e.errors.output_message = Encoder::quiet;
    e.errors.emit_message = Encoder::quietLevel;
    e.info.client_data = &e;
    e.destination.init_destination = Encoder::startBuffer;
    e.destination.empty_output_buffer = Encoder::flushBuffer;
    e.destination.term_destination = Encoder::endBuffer;
    e.created = true;
    const int percentQuality = juce::jlimit(0, percent, juce::roundToInt(quality * percent));
    return startEncoder(e.info, e.failed, e.destination, width, height, percentQuality, optimise) && !e.streamFailed;
}

bool PJpegRowWriter::writeRows(const juce::Image::BitmapData& pixels, int firstRow, int rowCount)
{
    if (!encoder->created || firstRow != rowsDone || rowCount < 0 || firstRow + rowCount > height ||
        pixels.width < width)
        return false;
    for (int y = firstRow; y < firstRow + rowCount; ++y)
    {
        unpackRow(pixels, y, width, row.data());
        if (!writeScanline(encoder->info, encoder->failed, row.data()))
            return false;
        ++rowsDone;
    }
    return !encoder->streamFailed;
}

bool PJpegRowWriter::finish()
{
    if (!encoder->created || rowsDone != height || !endEncoder(encoder->info, encoder->failed))
        return false;
    return !encoder->streamFailed;
}
