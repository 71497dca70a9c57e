#pragma once

#include <vector>

#include "draw/rowwriter.h"

struct png_struct_def;
struct png_info_def;

/** Writes a PNG through the system's libpng, set up as the library's own PNG writer sets it up
    (8-bit RGB, no interlace, an sBIT chunk, libpng's default compression and filters), so that a
    picture written in bands gives the very bytes the library writes for the whole image. */
class PPngRowWriter : public PRowWriter
{
public:
    explicit PPngRowWriter(juce::OutputStream& out);
    ~PPngRowWriter() override;
    PPngRowWriter(const PPngRowWriter&) = delete;
    PPngRowWriter& operator=(const PPngRowWriter&) = delete;

    bool begin(int width, int height) override;
    bool writeRows(const juce::Image::BitmapData& pixels, int firstRow, int rowCount) override;
    bool finish() override;

private:
    bool startEncoder();
    bool encodeRow();
    bool endEncoder();
    static void writeData(png_struct_def* png, unsigned char* data, size_t length);
    static void flushData(png_struct_def* png);

    juce::OutputStream& stream;
    png_struct_def* png = nullptr;
    png_info_def* info = nullptr;
    std::vector<uint8_t> row;
    int width = 0, height = 0, rowsDone = 0;
    bool streamFailed = false;
};
