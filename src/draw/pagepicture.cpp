#include "draw/pagepicture.h"

#include <algorithm>

#include "draw/view2gui.h"
#include "model/page.h"

namespace
{
constexpr int16_t workingDpi = 72;
constexpr float inchesPerCentimetre = 0.3937008f;
} // namespace

juce::Image drawPagePicture(PPage& page, int width, int height, bool transparent, POption* options)
{
    if (width < 1 || height < 1 || !(page.width > 0) || !(page.height > 0))
        return {};
    juce::Image picture = PView2gui::makeImage(transparent ? juce::Image::ARGB : juce::Image::RGB, width, height);
    if (!picture.isValid())
        return {};
    juce::Graphics g(picture);
    g.fillAll(transparent ? juce::Colours::transparentBlack : juce::Colours::white);
    PView2gui view(options);
    view.setTarget(&g);
    view.flags = PView2::outputMode;
    view.dpi = workingDpi;
    // The zoom carries the exact scale, which a whole-number dpi could not.
    const float pixelsPerCentimetre =
        std::min(static_cast<float>(width) / page.width, static_cast<float>(height) / page.height);
    view.setViewport(0, 0, static_cast<float>(width), static_cast<float>(height), 0, 0,
                     pixelsPerCentimetre / (workingDpi * inchesPerCentimetre));
    view.drawPage(page);
    return picture;
}
