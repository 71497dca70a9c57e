#pragma once

#include "edit/world.h"
#include "model/option.h"
#include "recordingnotifier.h"
#include "samplecomic.h"
#include "testfiles.h"

/** The sample comic in a world, the live context on its ink layer and first curve, and a
    recording notifier: the stage for history tests, which compare saved bytes. */
class TestDocument : public sample::Parts
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
        static_cast<sample::Parts&>(*this) = sample::fill(*comic);
        world.context.mode = PPaneKind::layers;
        world.context.setTarget(comic, PClass::comic);
        world.context.setTarget(page, PClass::page);
        world.context.setTarget(panel, PClass::panel);
        world.context.setTarget(layer, PClass::layer);
        world.context.setTarget(curve, PClass::curve);
    }

    /** The comic as its file would hold it. */
    std::vector<uint8_t> bytes() { return savedBytes(*comic); }

    /** Makes a shape of the sample (and one of its points) current and tells the panes, as a
        click on the canvas does. */
    void select(PShape* shape, PPoint* point = nullptr)
    {
        world.context.setTarget(shape, PClass::shape);
        if (point != nullptr)
            world.context.setTarget(point, PClass::point);
        world.broadcast(PNotify::selection);
    }

    TempFolder tmp;
    POption options;
    RecordingNotifier notes;
    PWorld world;
    PComic* comic = nullptr;
};
