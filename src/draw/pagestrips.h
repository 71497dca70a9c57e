#pragma once

#include <juce_graphics/juce_graphics.h>

#include <cstddef>

#include "draw/rasterrequest.h"
#include "model/result.h"

class PPage;

/** Draws a page's picture and encodes it a strip of rows at a time, so that a page at print
    resolution needs memory for one strip and not for the whole picture. Every strip is drawn in
    the whole picture's own pixel coordinates (see PSparseImage), so the pixels, and the bytes
    written, are those of the page drawn and encoded in one piece.

        PSafeFile out(file);
        if (out.open() && PPageStrips::write(page, request, out.stream()).ok()) out.commit();
*/
class PPageStrips
{
public:
    /** A strip holds at most this many bytes of picture (at least one row). */
    static constexpr size_t stripBytes = size_t(16) << 20;
    /** JPEGs of up to this many pixels are written with optimised Huffman tables, as the library
        writes them; libjpeg then keeps all their coefficients, about three bytes a pixel, so larger
        ones take the standard tables: the same pixels in a slightly larger file. */
    static constexpr int64_t largestOptimisedJpeg = int64_t(12) << 20;

    /** Rows in a strip of a picture this many pixels wide. */
    static int rowsPerStrip(int width);
    /** Draws the page with view flags outputMode | request.extraFlags on white paper into g, whose
        pixels are those of the page's picture of width x height (clipped to a strip, or not). */
    static void draw(juce::Graphics& g, PPage& page, const PRasterRequest& request, int width, int height);
    /** Draws the page's picture at request.dpi and encodes it into out. "Message.MemError" when no
        strip can be had, "FileChooser.ExportErr" when encoding or writing fails; stripRows 0 takes
        rowsPerStrip. The page must not be drawn on another thread meanwhile. */
    static PResult write(PPage& page, const PRasterRequest& request, juce::OutputStream& out, int stripRows = 0);
};
