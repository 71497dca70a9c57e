#pragma once

#include <juce_graphics/juce_graphics.h>

class PPage;
class POption;

/** A page drawn into a picture of a given size in pixels, the page fitted into it whole and
    centred: icons, previews and thumbnails. The paper is white unless transparent is asked for,
    for artwork that brings its own background. An invalid image when the picture cannot be had. */
juce::Image drawPagePicture(PPage& page, int width, int height, bool transparent, POption* options = nullptr);
