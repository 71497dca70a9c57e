#pragma once

#include <juce_graphics/juce_graphics.h>

/** A page-sized RGB picture whose memory is reserved up front but only taken from the system
    where it is drawn, so that a page can be drawn and encoded a strip of rows at a time in its
    own pixel coordinates: the rasteriser then sees exactly the numbers of a whole-page drawing
    and gives the same pixels, and releasing each strip once it is encoded keeps the memory to
    one strip.

        juce::Image page = PSparseImage::create(w, h);
        {
            juce::Graphics g(page);
            g.reduceClipRegion(0, top, w, rows);   // draw the strip
            ...
        }
        encode rows top .. top + rows, then PSparseImage::release(page, top, rows);
*/
class PSparseImage
{
public:
    /** An invalid image when the sides are not positive or the address space cannot be reserved. */
    static juce::Image create(int width, int height);
    /** Hands the memory of the rows back to the system; they read as black until drawn again.
        Does nothing to an image that create() did not make. */
    static void release(const juce::Image& image, int firstRow, int rowCount);
    /** Whether the image is one that create() made. */
    static bool isSparse(const juce::Image& image);
};
