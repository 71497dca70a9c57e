#pragma once

#include <cstdint>

class POption;

/** How one picture of a page is drawn and encoded: its resolution, the view flags and layer
    filter of a series picture, the options that find pictures stored by name, and the encoding. */
struct PRasterRequest
{
    enum class Encoding
    {
        png,
        jpeg
    };

    int dpi = 100;
    uint32_t extraFlags = 0;
    /** Only layers with this tag are drawn; 0 draws every layer. */
    int layerTag = 0;
    POption* options = nullptr;
    Encoding encoding = Encoding::png;
    /** JPEG quality from 0 to 1; below 0 the library's default. */
    float jpegQuality = -1.0f;
};
