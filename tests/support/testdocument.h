#pragma once

#include "edit/world.h"
#include "model/brush.h"
#include "model/card.h"
#include "model/clip.h"
#include "model/decor.h"
#include "model/group.h"
#include "model/image.h"
#include "model/layer.h"
#include "model/option.h"
#include "model/page.h"
#include "model/panel.h"
#include "model/text.h"
#include "recordingnotifier.h"
#include "testfiles.h"

/** A world with one comic holding one of every kind of object, the live context on its layer and
    curve, and a recording notifier: the stage for history tests, which compare saved bytes. */
class TestDocument
{
public:
    TestDocument()
    {
        options.autosaveEvery = 0;
        world.options = &options;
        world.notifier = &notes;
        comic = new PComic();
        comic->path = tmp.path("comic.plm");
        world.comics.append(comic);
        buildPage();
        buildLibrary();
        world.context.mode = PContext::layerMode;
        world.context.setTarget(comic, PClass::comic);
        world.context.setTarget(page, PClass::page);
        world.context.setTarget(panel, PClass::panel);
        world.context.setTarget(layer, PClass::layer);
        world.context.setTarget(curve, PClass::curve);
    }

    static PCurve* makeCurve(float x0, uint32_t fill, bool closed = true)
    {
        auto* c = new PCurve();
        for (auto [x, y] : {std::pair{x0, 0.0f}, {x0 + 2, 1.0f}, {x0 + 1, 3.0f}})
            c->points.append(new PPoint(x, y));
        c->fillColour = fill;
        c->setClosed(closed);
        return c;
    }

    /** The comic as its file would hold it, without touching its path or modified mark. */
    std::vector<uint8_t> bytes()
    {
        const auto keepPath = comic->path;
        const bool keepModified = comic->modified;
        comic->path = tmp.path("snapshot.plm");
        const bool saved = comic->save().ok();
        comic->path = keepPath;
        comic->modified = keepModified;
        return saved ? bytesOf(inflateFile(tmp.file("snapshot.plm"))) : std::vector<uint8_t>{};
    }

    TempFolder tmp;
    POption options;
    RecordingNotifier notes;
    PWorld world;
    PComic* comic = nullptr;
    PPage* page = nullptr;
    PPanel* panel = nullptr;
    PLayer* layer = nullptr;
    PCurve* curve = nullptr;
    PText* text = nullptr;
    PImage* image = nullptr;
    PGroup* group = nullptr;
    PBrush* brush = nullptr;
    PClip* clip = nullptr;
    PDecor* decor = nullptr;

private:
    void buildPage()
    {
        page = new PPage();
        comic->pages.append(page);
        panel = new PPanel();
        page->panels.append(panel);
        layer = new PLayer();
        panel->layers.append(layer);
        panel->adoptLayers();
        curve = makeCurve(0, 0xFF0000FFu);
        text = new PText();
        text->text.assign("Hello");
        image = new PImage();
        image->file.assign("picture.png");
        group = new PGroup();
        group->children.append(makeCurve(5, 0xFF000000u));
        group->children.append(makeCurve(8, 0xFF1020FFu));
        brush = new PBrush();
        for (auto [x, y] : {std::pair{0.0f, 0.0f}, {4.0f, 1.0f}})
            brush->points.append(new PPoint(x, y));
        for (PShape* shape : std::initializer_list<PShape*>{curve, text, image, group, brush})
            layer->shapes.append(shape);
    }

    void buildLibrary()
    {
        clip = new PClip();
        clip->cardFor(0)->shapes.append(makeCurve(1, 0xFF0000FFu));
        comic->clips.append(clip);
        decor = new PDecor();
        decor->contentForEdit().children.append(makeCurve(2, 0xFF0000FFu));
        comic->decor.append(decor);
    }
};
