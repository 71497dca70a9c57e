#pragma once

#include <juce_core/juce_core.h>

class PPage;

// The program's icon: a speech balloon and a quill on a blue tile, drawn as a page of the model,
// so that the SVG comes from the program's SVG writer and every PNG from its software view.
namespace icon
{
/** The sizes in pixels that desktops look up in the icon theme. */
constexpr int pixelSizes[] = {16, 24, 32, 48, 64, 128, 256};
/** The window icon's side: JPEG has no transparency, so it is drawn on white. */
constexpr int windowIconSize = 128;

/** A new page holding the icon's artwork. */
PPage* makePage();
/** plumet_icon.svg, plumet_icon.jpg and icons/plumet_icon_N.png for every size; false when a
    file could not be written (the reason goes to standard error). */
bool writeAll(const juce::File& folder);
} // namespace icon
