#include "gen/icon.h"

#include <iostream>
#include <memory>

#include "draw/pagepicture.h"
#include "draw/vectorexport.h"
#include "gen/artwork.h"
#include "model/page.h"
#include "model/safefile.h"

namespace icon
{
namespace
{
constexpr float side = 4.8f, half = side / 2, cornerRadius = 0.9f;
constexpr uint32_t tileBlue = 0x2F6DB5, quillGold = 0xF7C531;

/** A square with round corners: straight sharp-ended edges and one smooth anchor per corner. */
PCurve* tile()
{
    std::vector<kit::Pt> at;
    const float inset = half - cornerRadius, diagonal = half - 0.29f * cornerRadius;
    const float signs[4][2] = {{1, 1}, {-1, 1}, {-1, -1}, {1, -1}};
    for (const auto& s : signs)
    {
        // Counter-clockwise: the corner's first edge point, its arc's middle, its second edge point.
        const bool swap = s[0] * s[1] > 0;
        const kit::Pt first = swap ? kit::Pt{s[0] * half, s[1] * inset} : kit::Pt{s[0] * inset, s[1] * half};
        const kit::Pt second = swap ? kit::Pt{s[0] * inset, s[1] * half} : kit::Pt{s[0] * half, s[1] * inset};
        at.push_back(first);
        at.push_back({s[0] * diagonal, s[1] * diagonal});
        at.push_back(second);
    }
    auto* made = kit::curve(at, true, kit::rgb(tileBlue), kit::none);
    for (int i = 0; i < made->points.size(); ++i)
        made->pointAt(i)->sharpness = i % 3 == 1 ? 0 : 100;
    kit::setThickness(*made, 0);
    return made;
}

bool written(bool ok, const juce::File& file)
{
    if (!ok)
        std::cerr << "plumet-make: cannot write " << file.getFullPathName() << "\n";
    return ok;
}

bool writePicture(const juce::Image& picture, juce::ImageFileFormat& format, const juce::File& file)
{
    PSafeFile out(file);
    return written(picture.isValid() && out.open() && format.writeImageToStream(picture, out.stream()) && out.commit(),
                   file);
}
} // namespace

PPage* makePage()
{
    auto* page = new PPage();
    page->width = page->height = side;
    page->margin = 0;
    auto* frame = kit::rectPanel(-half, -half, half, half);
    frame->fillColour = kit::none;
    frame->lineColour = kit::none;
    auto* art = kit::addLayer(*frame, "Icon", 1, 100);
    art->shapes.append(tile());
    auto* speech = kit::balloon(-0.25f, 0.55f, 1.75f, 1.25f, {-1.55f, -1.45f});
    kit::setThickness(*speech, 100);
    art->shapes.append(speech);
    for (int line = 0; line < 3; ++line)
    {
        const float y = 1.05f - 0.5f * static_cast<float>(line), w = line == 2 ? 0.7f : 1.1f;
        art->shapes.append(kit::taperedLine({{-1.2f, y}, {-1.2f + w, y + 0.05f}}, {100, 60}, kit::rgb(tileBlue)));
    }
    auto* quill = art::feather();
    static_cast<PCurve*>(quill->childAt(0))->fillColour = kit::rgb(quillGold);
    quill->rotation = -0.15f;
    art->shapes.append(kit::at(quill, 0.55f, -1.65f, 0.95f));
    page->panels.append(frame);
    return page;
}

bool writeAll(const juce::File& folder)
{
    std::unique_ptr<PPage> page(makePage());
    const auto svgFile = folder.getChildFile("plumet_icon.svg");
    bool ok = written(PVectorExport::exportSvg(*page, svgFile).ok(), svgFile);
    juce::JPEGImageFormat jpeg;
    jpeg.setQuality(0.92f);
    ok = writePicture(drawPagePicture(*page, windowIconSize, windowIconSize, false), jpeg,
                      folder.getChildFile("plumet_icon.jpg")) &&
         ok;
    const auto icons = folder.getChildFile("icons");
    if (!written(icons.createDirectory().wasOk(), icons))
        return false;
    juce::PNGImageFormat png;
    for (int size : pixelSizes)
        ok = writePicture(drawPagePicture(*page, size, size, true), png,
                          icons.getChildFile("plumet_icon_" + juce::String(size) + ".png")) &&
             ok;
    return ok;
}
} // namespace icon
