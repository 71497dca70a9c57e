#pragma once

#include <juce_graphics/juce_graphics.h>

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <utility>

#include "draw/view2svg.h"
#include "model/comic.h"
#include "model/curve.h"
#include "model/group.h"
#include "model/image.h"
#include "model/layer.h"
#include "model/page.h"
#include "model/panel.h"
#include "model/point.h"
#include "model/text.h"

/** Comics to export: a few named shapes and a sample page that holds one of each kind a file
    writer draws. Coordinates are page centimetres around the page centre, y up. */
namespace exportsample
{
/** A curve through the anchors; corners stay sharp. */
inline PCurve* curve(std::initializer_list<std::pair<float, float>> anchors, bool closed, uint32_t line, uint32_t fill,
                     uint16_t thickness = 50)
{
    auto* c = new PCurve();
    c->setClosed(closed);
    for (const auto& [x, y] : anchors)
    {
        auto* p = new PPoint(x, y);
        p->sharpness = 100;
        p->thickness = thickness;
        c->points.append(p);
    }
    c->lineColour = line;
    c->fillColour = fill;
    return c;
}

inline PPanel* panel(float left, float bottom, float right, float top, uint32_t fill)
{
    auto* p = new PPanel();
    for (const auto& [x, y] : {std::pair{left, bottom}, {right, bottom}, {right, top}, {left, top}})
    {
        auto* point = new PPoint(x, y);
        point->sharpness = 100;
        p->points.append(point);
    }
    p->fillColour = fill;
    return p;
}

inline PLayer* layer(PPanel& owner, int index, uint16_t tag)
{
    auto* l = new PLayer();
    l->index = index;
    l->tag = tag;
    owner.layers.append(l);
    owner.adoptLayers();
    return l;
}

/** A comic of pageCount pages of width x height centimetres, each with one empty panel. */
inline void emptyComic(PComic& comic, int pageCount, float width = 12, float height = 10)
{
    comic.format = PPageFormat::customCm;
    comic.width = width;
    comic.height = height;
    for (int i = 0; i < pageCount; ++i)
        comic.pages.append(new PPage());
    comic.applySettings();
}

/** A layer in a panel on the one page of a new 12 x 10 cm comic. */
inline PLayer& layerOnPage(PComic& comic, uint16_t stroke = 50)
{
    emptyComic(comic, 1);
    auto* frame = panel(-5, -4, 5, 4, 0xFF0000FF);
    comic.pages.get<PPage>(0)->panels.append(frame);
    PLayer* l = layer(*frame, 0, 0);
    l->stroke = stroke;
    return *l;
}

/** An image shape showing a file named by its full path. */
inline PImage* image(const juce::File& file)
{
    auto* i = new PImage();
    i->setFile(file.getFullPathName());
    i->flags |= PImage::byFullPath;
    return i;
}

/** A picture of w x h pixels in four coloured quarters, written as a PNG file. */
inline bool writePicture(const juce::File& file, int w, int h)
{
    juce::Image picture(juce::Image::RGB, w, h, true);
    juce::Graphics g(picture);
    g.fillAll(juce::Colours::darkorange);
    g.setColour(juce::Colours::teal);
    g.fillRect(0, 0, w / 2, h / 2);
    g.fillRect(w / 2, h / 2, w - w / 2, h - h / 2);
    file.deleteFile();
    juce::FileOutputStream out(file);
    return out.openedOk() && juce::PNGImageFormat().writeImageToStream(picture, out);
}

/** One page of 25.4 x 25.4 cm: a whole number of points, of millimetres and of pixels at 50 dpi,
    so that no format rounds the page. A tinted panel with two layers (filled and varying
    curves, two lines of text and the picture) and a deformed group holding a group with a
    panel. No brush: the file writers leave brushes out. */
inline void pictureComic(PComic& comic, const juce::File& picture)
{
    constexpr float side = 25.4f, s = 2; // the shapes are drawn at twice the size of their coordinates
    constexpr uint32_t black = 0xFF000000, white = 0xFF0000FF, blue = 0xFFA0C080, yellow = 0xFF2AFFD0;
    constexpr uint32_t red = 0xFF00E070, green = 0xFF55B060, translucent = 0x9900FF80; // alpha 0.6
    emptyComic(comic, 1, side, side);
    PPage& page = *comic.pages.get<PPage>(0);
    auto* frame = panel(-5.5f * s, -4.5f * s, 5.5f * s, 4.5f * s, yellow);
    page.panels.append(frame);

    PLayer* back = layer(*frame, 1, 1);
    back->stroke = 100;
    back->shapes.append(curve({{-5 * s, -4 * s}, {-1 * s, -4 * s}, {-1 * s, 0}, {-5 * s, 0}}, true, black, blue, 80));
    back->shapes.append(curve({{-5 * s, 3.5f * s}, {0, 2 * s}, {5 * s, 3.8f * s}}, false, red, white, 100));
    static_cast<PCurve*>(back->shapes.at(1))->pointAt(0)->thickness = 20;
    back->shapes.append(curve({{1 * s, 2 * s}, {4 * s, 2 * s}, {2.5f * s, 0}}, true, black, translucent, 60));

    PLayer* front = layer(*frame, 2, 2);
    auto* text = new PText();
    text->text.assign("Plumet\n& co");
    text->fontSpec.face.assign("DejaVu Sans");
    text->fontSpec.size = 90;
    text->x = -3 * s;
    text->y = 1 * s;
    text->scaleX = text->scaleY = s;
    front->shapes.append(text);
    auto* photo = image(picture);
    photo->x = 3 * s;
    photo->y = -2.5f * s;
    photo->scaleX = photo->scaleY = s;
    front->shapes.append(photo);

    auto* group = new PGroup();
    group->flags |= PGroup::deformed;
    group->deformMode = 2;
    group->children.append(curve({{0, -4 * s}, {2 * s, -4 * s}, {2 * s, -2 * s}, {0, -2 * s}}, true, black, green, 60));
    auto* framed = new PGroup(); // a panel that clips its own curve, bent with the rest
    framed->children.append(panel(3 * s, -4 * s, 4.5f * s, -3 * s, white));
    framed->children.append(curve({{2.5f * s, -3.5f * s}, {5 * s, -3.2f * s}}, false, red, white, 100));
    group->children.append(framed);
    group->gridTo[1].x = 0.8f * s;
    group->gridTo[2].y = -0.5f * s;
    front->shapes.append(group);
}

/** The SVG document of a page, written in memory; a failed write fails the calling test. */
inline std::string svgOf(PPage& page)
{
    juce::MemoryOutputStream memory;
    PView2svg writer(memory);
    writer.drawPage(page);
    EXPECT_TRUE(writer.finish());
    return memory.toString().toStdString();
}

inline bool has(const std::string& text, const std::string& part)
{
    return text.find(part) != std::string::npos;
}
} // namespace exportsample
