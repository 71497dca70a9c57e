#pragma once

// A clip or decor pane beside a canvas on the sample comic, wired as the content pane wires them:
// the session's notifications reach the whole tree, and the root keeps every code it hears.

#include <memory>
#include <vector>

#include "edit/world.h"
#include "model/image.h"
#include "model/option.h"
#include "support/samplecomic.h"
#include "ui/canvas2.h"
#include "ui/librarypane.h"
#include "ui/widgets/button.h"
#include "ui/widgets/list.h"

template <class Pane> struct LibraryDesk : PNotifier
{
    struct Root : PPane
    {
        using PPane::PPane;
        std::vector<PNotify> heard;
        void onNotify(PNotify code) override { heard.push_back(code); }
    };

    POption options;
    PWorld world;
    PComic* comic = new PComic();
    sample::Parts parts = sample::fill(*comic);
    Root root{40, 30, &options};
    PCanvas2* canvas = new PCanvas2(&root, 12, 0, -1, -1);
    Pane* pane = new Pane(&root, 0, 0, 12, -1);

    LibraryDesk()
    {
        PContext::forgetPositions();
        options.wall = std::make_unique<PImage>(); // so that the canvas keeps the wallpaper mode
        parts.clip->currentKey = 2;                // the sample clip's card with a curve
        world.comics.append(comic);
        world.options = &options;
        world.notifier = this;
        world.context.startChain(comic, pane->paneMode);
        world.editMode = PEditMode::shape;
        canvas->setWorld(&world);
        pane->setWorld(&world, canvas);
    }
    ~LibraryDesk() override
    {
        world.notifier = nullptr;
        world.context.clear();
    }
    void notify(PNotify code, PBase*) override { root.notifyTree(code); }

    PItem* item() const { return pane->currentItem(); }
    PArray& items() const { return *pane->itemList(); }
    const std::vector<PItem*>& rows() const { return pane->list->getItems(); }

    /** Selects the first shape the canvas shows, as a click on it would. */
    PShape* selectFirstShape()
    {
        auto* shape = canvas->shownList()->template get<PShape>(0);
        world.context.setTarget(shape, PClass::shape);
        world.broadcast(PNotify::selection);
        return shape;
    }

    /** Clicks the pane's button with a caption key through its peer, as the user does. */
    void click(const char* key)
    {
        for (PWidget* child = pane->children; child != nullptr; child = child->next)
            if (auto* button = dynamic_cast<PButton*>(child); button != nullptr && button->captionKey == key)
            {
                if (auto* peer = dynamic_cast<juce::Button*>(button->getComponent()))
                    peer->setToggleState(true, juce::dontSendNotification);
                button->activate();
                return;
            }
        ADD_FAILURE() << "no button " << key;
    }
};
