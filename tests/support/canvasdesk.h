#pragma once

// A comic of three overlapping panels open on a headless canvas, driven through its handlers.

#include <gtest/gtest.h>

#include "edit/world.h"
#include "model/option.h"
#include "support/exportsample.h"
#include "support/testfiles.h"
#include "ui/canvas2.h"

/** A comic of one page holding three overlapping panels, open on a canvas in shape mode. */
struct CanvasDesk
{
    TempFolder tmp;
    POption options;
    PWorld world;
    PComic* comic = new PComic();
    PPane root{40, 30, &options};
    PCanvas2* canvas = new PCanvas2(&root, 0, 0, -1, -1);

    CanvasDesk()
    {
        exportsample::emptyComic(*comic, 1, 20, 20);
        for (float shift : {0.0f, 1.0f, 2.0f})
            page().panels.append(exportsample::panel(-4 + shift, -4, 4 + shift, 4, 0xFF0000FF));
        comic->path = tmp.path("c.plm");
        world.comics.append(comic);
        world.options = &options;
        world.context.startChain(comic, PPaneKind::pages);
        world.editMode = PEditMode::shape;
        canvas->setWorld(&world);
        draw();
    }
    ~CanvasDesk() { world.context.clear(); }

    PPage& page() { return *comic->pages.get<PPage>(0); }
    PPanel& panel(int i) { return *page().panels.get<PPanel>(i); }

    /** One frame, so that geometry and the page-to-screen mapping are those the user sees. */
    void draw()
    {
        juce::Image picture(juce::Image::RGB, canvas->getWidth(), canvas->getHeight(), true);
        juce::Graphics g(picture);
        canvas->paint(g);
    }
    /** Where a page point is on the screen in the last frame drawn. */
    juce::Point<float> screenOf(float px, float py) { return canvas->toScreen(px, py); }
    void click(juce::Point<float> at)
    {
        canvas->onMouseDown(at.x, at.y);
        canvas->onMouseUp(at.x, at.y);
        draw();
    }
    void drag(juce::Point<float> from, juce::Point<float> to)
    {
        canvas->onMouseDown(from.x, from.y);
        canvas->onMouseDrag((from.x + to.x) / 2, (from.y + to.y) / 2);
        canvas->onMouseDrag(to.x, to.y);
        canvas->onMouseUp(to.x, to.y);
        draw();
    }
    std::vector<uint8_t> bytes()
    {
        EXPECT_TRUE(comic->save().ok());
        return bytesOf(inflateFile(juce::File(comic->path)));
    }
};

/** One panel, moved and doubled in size, whose layer holds a curve; the canvas shows that layer. */
struct LayerDesk : CanvasDesk
{
    PLayer* layer = nullptr;

    LayerDesk()
    {
        world.context.clear();
        page().panels.deleteAll();
        auto* frame = exportsample::panel(-5, -4, 5, 4, 0xFF0000FF);
        frame->x = 3, frame->scaleX = frame->scaleY = 2;
        page().panels.append(frame);
        layer = exportsample::layer(*frame, 0, 0);
        layer->shapes.append(exportsample::curve({{-1, -1}, {1, -1}, {1, 1}}, true, 0xFF000000, 0xFF0000FF));
        world.context.startChain(comic, PPaneKind::layers);
        canvas->readSelection();
        draw();
    }
};
