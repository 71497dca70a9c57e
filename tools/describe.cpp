#include "describe.h"

#include <charconv>

#include "model/brush.h"
#include "model/card.h"
#include "model/clip.h"
#include "model/comic.h"
#include "model/curve.h"
#include "model/decor.h"
#include "model/group.h"
#include "model/image.h"
#include "model/layer.h"
#include "model/option.h"
#include "model/page.h"
#include "model/panel.h"
#include "model/point.h"
#include "model/text.h"

namespace
{
using Obj = juce::DynamicObject::Ptr;

/** Floats are shown in their shortest exact form: 0.1f reads as 0.1, not 0.10000000149. */
juce::var number(float f)
{
    char text[32];
    const auto end = std::to_chars(text, text + sizeof text, f).ptr;
    return std::strtod(juce::String(text, static_cast<size_t>(end - text)).toRawUTF8(), nullptr);
}

juce::var hex(uint32_t word)
{
    return "0x" + juce::String::toHexString(static_cast<juce::int64>(word)).paddedLeft('0', 8).toUpperCase();
}

juce::var text(const PName& name)
{
    return name.toString();
}

juce::var list(const PArray& items)
{
    juce::Array<juce::var> out;
    for (auto* element : items)
        out.add(describe::object(element));
    return out;
}

void projectFields(Obj o, const PProject& p)
{
    o->setProperty("author", text(p.author));
    o->setProperty("setting1", p.setting1);
    o->setProperty("setting2", p.setting2);
    o->setProperty("setting3", p.setting3);
    o->setProperty("setting4", p.setting4);
}

void itemFields(Obj o, const PItem& item)
{
    o->setProperty("name", text(item.name));
    o->setProperty("tag", item.tag);
    o->setProperty("index", item.index);
}
} // namespace

namespace
{
void shapeFields(Obj o, const PShape& shape)
{
    o->setProperty("x", number(shape.x));
    o->setProperty("y", number(shape.y));
    o->setProperty("scaleX", number(shape.scaleX));
    o->setProperty("scaleY", number(shape.scaleY));
    o->setProperty("rotation", number(shape.rotation));
}

void pointFields(Obj o, const PPoint& p)
{
    o->setProperty("x", number(p.x));
    o->setProperty("y", number(p.y));
    o->setProperty("thickness", p.thickness);
    o->setProperty("sharpness", p.sharpness);
    o->setProperty("variant", p.variant);
}

void curveFields(Obj o, const PCurve& curve)
{
    o->setProperty("closed", curve.isClosed());
    o->setProperty("lineColour", hex(curve.lineColour));
    o->setProperty("fillColour", hex(curve.fillColour));
    o->setProperty("points", list(curve.points));
}

juce::var grid(const std::array<PGroup::GridPoint, PGroup::gridPoints>& points)
{
    juce::Array<juce::var> out;
    for (const auto& p : points)
        out.add(juce::Array<juce::var>{number(p.x), number(p.y)});
    return out;
}

void groupFields(Obj o, const PGroup& group)
{
    o->setProperty("children", list(group.children));
    o->setProperty("deformA", number(group.deformA));
    o->setProperty("deformB", number(group.deformB));
    o->setProperty("deformMode", group.deformMode);
    o->setProperty("deformed", group.isDeformed());
    o->setProperty("gridFrom", grid(group.gridFrom));
    o->setProperty("gridTo", grid(group.gridTo));
}

void textFields(Obj o, const PText& t)
{
    o->setProperty("text", text(t.text));
    o->setProperty("face", text(t.fontSpec.face));
    o->setProperty("size", t.fontSpec.size);
    o->setProperty("style", t.fontSpec.style);
    o->setProperty("colour", hex(t.colour));
    o->setProperty("align", t.align);
}

void imageFields(Obj o, const PImage& image)
{
    o->setProperty("file", text(image.file));
    o->setProperty("imageTag", image.imageTag);
    o->setProperty("opacity", number(image.opacity));
    o->setProperty("pixelWidth", image.pixelWidth);
    o->setProperty("pixelHeight", image.pixelHeight);
}

void brushFields(Obj o, const PBrush& brush)
{
    o->setProperty("kind", brush.kind);
    o->setProperty("alignStamps", brush.hasFlag(PBrush::alignStamps));
    o->setProperty("hangVertically", brush.hasFlag(PBrush::hangVertically));
    o->setProperty("density", number(brush.density));
    o->setProperty("thickness", number(brush.thickness));
    o->setProperty("largeness", number(brush.largeness));
    o->setProperty("distribute", number(brush.distribute));
    o->setProperty("oscillate", number(brush.oscillate));
    o->setProperty("seed", brush.seed);
    o->setProperty("pattern", describe::object(brush.pattern.get()));
    o->setProperty("strokes", list(brush.strokes));
    // A brush not drawn since its last change has no strokes saved: show what drawing it would make.
    if (brush.strokes.isEmpty())
    {
        std::unique_ptr<PBrush> drawn(static_cast<PBrush*>(brush.clone()));
        drawn->generateStrokes();
        o->setProperty("generatedStrokes", list(drawn->strokes));
    }
}

/** The fields a class adds to those of its bases. */
void ownFields(Obj o, const PBase* object)
{
    if (auto* item = dynamic_cast<const PItem*>(object))
        itemFields(o, *item);
    if (auto* shape = dynamic_cast<const PShape*>(object))
        shapeFields(o, *shape);
    if (auto* point = dynamic_cast<const PPoint*>(object))
        pointFields(o, *point);
    if (auto* curve = dynamic_cast<const PCurve*>(object))
        curveFields(o, *curve);
    if (auto* panel = dynamic_cast<const PPanel*>(object))
    {
        o->setProperty("layers", list(panel->layers));
        o->setProperty("attachment", describe::object(panel->attachment.get()));
    }
    if (auto* group = dynamic_cast<const PGroup*>(object))
        groupFields(o, *group);
    if (auto* brush = dynamic_cast<const PBrush*>(object))
        brushFields(o, *brush);
    if (auto* t = dynamic_cast<const PText*>(object))
        textFields(o, *t);
    if (auto* image = dynamic_cast<const PImage*>(object))
        imageFields(o, *image);
    if (auto* page = dynamic_cast<const PPage*>(object))
        o->setProperty("panels", list(page->panels));
    if (auto* layer = dynamic_cast<const PLayer*>(object))
    {
        o->setProperty("stroke", layer->stroke);
        o->setProperty("shapes", list(layer->shapes));
    }
    if (auto* clip = dynamic_cast<const PClip*>(object))
    {
        o->setProperty("clipSize", number(clip->clipSize));
        o->setProperty("currentKey", clip->currentKey);
        o->setProperty("cards", list(clip->cards));
    }
    if (auto* card = dynamic_cast<const PCard*>(object))
    {
        o->setProperty("cardNo", card->cardNo);
        o->setProperty("shapes", list(card->shapes));
    }
    if (auto* decor = dynamic_cast<const PDecor*>(object))
    {
        o->setProperty("decorSize", number(decor->decorSize));
        o->setProperty("currentKey", decor->currentKey);
        o->setProperty("content", describe::object(decor->content.get()));
    }
}
} // namespace

juce::var describe::object(const PBase* object)
{
    if (object == nullptr)
        return {};
    Obj into = new juce::DynamicObject();
    into->setProperty("classId", object->classId());
    into->setProperty("flags", hex(object->flags));
    ownFields(into, object);
    return into.get();
}

juce::var describe::comic(const PComic& c)
{
    Obj o = new juce::DynamicObject();
    o->setProperty("classId", c.classId());
    o->setProperty("version", c.version);
    o->setProperty("flags", hex(c.flags));
    o->setProperty("title", text(c.name));
    o->setProperty("tag", c.tag);
    o->setProperty("index", c.index);
    projectFields(o, c);
    o->setProperty("format", c.format);
    o->setProperty("width", number(c.width));
    o->setProperty("height", number(c.height));
    o->setProperty("margin", number(c.margin));
    o->setProperty("spare1", c.spare1);
    o->setProperty("spare2", c.spare2);
    o->setProperty("decor", list(c.decor));
    o->setProperty("clips", list(c.clips));
    o->setProperty("pages", list(c.pages));
    return o.get();
}

juce::var describe::options(const POption& p)
{
    Obj o = new juce::DynamicObject();
    o->setProperty("classId", p.classId());
    o->setProperty("version", p.version);
    o->setProperty("flags", hex(p.flags));
    o->setProperty("name", text(p.name));
    projectFields(o, p);
    const std::pair<const char*, uint32_t> colours[] = {
        {"pagesLight", p.pagesLight},
        {"layersLight", p.layersLight},
        {"clipsLight", p.clipsLight},
        {"decorLight", p.decorLight},
        {"pagesDark", p.pagesDark},
        {"layersDark", p.layersDark},
        {"clipsDark", p.clipsDark},
        {"decorDark", p.decorDark},
        {"groundColour", p.groundColour},
        {"selectionColour2", p.selectionColour2},
        {"selectionColour1", p.selectionColour1},
        {"lockColour", p.lockColour},
        {"gridColour", p.gridColour},
        {"handleColour", p.handleColour},
    };
    for (const auto& [key, value] : colours)
        o->setProperty(key, hex(value));
    const std::pair<const char*, int> numbers[] = {
        {"language", p.language},   {"exportDpi", p.exportDpi}, {"autosaveEvery", p.autosaveEvery},
        {"guiSize", p.guiSize},     {"gridSize", p.gridSize},   {"gridDivisions", p.gridDivisions},
        {"snapAngle", p.snapAngle}, {"pointSize", p.pointSize},
    };
    for (const auto& [key, value] : numbers)
        o->setProperty(key, value);
    const std::pair<const char*, bool> switches[] = {
        {"useInch", p.useInch},   {"openGLCanvas", p.openGLCanvas}, {"lockCursor", p.lockCursor},
        {"tooltips", p.tooltips}, {"maximised", p.maximised},       {"showGrid", p.showGrid},
        {"snap", p.snap},
    };
    for (const auto& [key, value] : switches)
        o->setProperty(key, value);
    o->setProperty("trackSpeed", number(p.trackSpeed));
    o->setProperty("wallOpacity", number(p.wallOpacity));
    o->setProperty("wall", object(p.wall.get()));
    juce::Array<juce::var> presets;
    for (const auto& preset : p.fontPresets)
    {
        Obj f = new juce::DynamicObject();
        f->setProperty("face", text(preset.face));
        f->setProperty("size", preset.size);
        f->setProperty("style", preset.style);
        presets.add(f.get());
    }
    o->setProperty("fontPresets", presets);
    juce::Array<juce::var> palette;
    for (uint32_t c : p.palette)
        palette.add(hex(c));
    o->setProperty("palette", palette);
    return o.get();
}
