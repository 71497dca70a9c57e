// The colour tuning driven headless: palette entries clicked with a colour editor that answers
// at once, and a window that steps through the pages as the content pane does.

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "../support/samplecomic.h"
#include "edit/notifier.h"
#include "ui/comictuning.h"
#include "ui/widgets/button.h"
#include "ui/widgets/dialog.h"
#include "ui/widgets/palette.h"
#include "ui/widgets/recorder.h"
#include "ui/widgets/requests.h"
#include "ui/widgets/tint.h"
#include "ui/widgets/widgethost.h"

namespace
{
constexpr uint32_t red = 0xFF00FF80, blue = 0xFFAAFF80, white = 0xFF0000FF, warmWhite = 0xFF1020FF;
constexpr uint32_t noFill = 0x000000FF, yellow = 0xFF2AFF80, black = 0xFF000000;

/** The main window as far as the tuning sees it: it logs what it hears and makes the page
    before or after the current one current when asked. Its colour editor answers with `answer`. */
struct PageWindow : RecordingPane, PWidgetHost, PRequests
{
    PageWindow(POption* o, PComic& c) : RecordingPane(o), comic(c) { PWidgetHost::install(this); }
    ~PageWindow() override { PWidgetHost::install(nullptr); }
    void requestSave() override {}
    void requestUndo() override {}
    void requestRedo() override {}
    void requestHelp() override {}
    void requestPageStep(int step) override
    {
        const int current = comic.pages.indexOf(comic.pages.findCurrent());
        if (comic.pages[current + step] != nullptr)
        {
            comic.pages[current]->setFlag(PFlag::current, false);
            comic.pages[current + step]->setFlag(PFlag::current, true);
        }
    }
    bool editColour(PWidget& source, uint32_t& colour) override
    {
        colour = answer;
        source.owner->onChanging(&source); // the editor shows every change at once
        if (whileOpen)
            whileOpen();
        return accepts;
    }
    PComic& comic;
    uint32_t answer = 0;
    bool accepts = true;
    std::function<void()> whileOpen;
};

struct Tuning
{
    POption options;
    PComic comic;
    PageWindow window{&options, comic};
    std::vector<PCurve*> curves;
    std::unique_ptr<PComicTuning> pane;

    explicit Tuning(int pageCount = 1)
    {
        auto* layer = new PLayer();
        for (uint32_t fill : {red, white, blue, warmWhite, red, noFill})
            curves.push_back(sample::curveThrough({{0, 0}, {1, 1}, {2, 0}}, true, fill));
        curves.push_back(sample::curveThrough({{0, 0}, {1, 1}}, false, blue)); // open: no fill
        for (auto* curve : curves)
            layer->shapes.append(curve);
        auto* panel = sample::panelAround(0, 0, 5, 5);
        panel->layers.append(layer);
        panel->adoptLayers();
        for (int i = 0; i < pageCount; ++i)
            comic.pages.append(new PPage());
        comic.pages.get<PPage>(0)->panels.append(panel);
        comic.pages[0]->setFlag(PFlag::current, true);
        pane = std::make_unique<PComicTuning>(comic, &options, &window);
    }
    ~Tuning() { PDialog::scriptedRun = nullptr; }
    std::vector<uint32_t> fills() const
    {
        std::vector<uint32_t> out(curves.size());
        std::transform(curves.begin(), curves.end(), out.begin(), [](PCurve* c) { return c->fillColour; });
        return out;
    }
    static void recolour(PComicTuning& p, PageWindow& w, int entry, uint32_t colour)
    {
        w.answer = colour;
        click(*p.palette->entries[static_cast<size_t>(entry)]);
    }
};

TEST(ComicTuningColours, OneEntryPerFillAndEveryLookalikeGetsItsOwnFillBackOnCancel)
{
    Tuning t;
    const auto before = t.fills();
    ASSERT_EQ(t.pane->shades.size(), 3);
    EXPECT_EQ(t.pane->palette->entries[1]->colour, white);
    EXPECT_FALSE(t.pane->palette->entries[3]->hasColour);

    Tuning::recolour(*t.pane, t.window, 0, yellow);
    Tuning::recolour(*t.pane, t.window, 1, black);
    // Both whites change, whatever their hue; the unfilled and the open curve stay as they were.
    EXPECT_EQ(t.fills(), (std::vector<uint32_t>{yellow, black, blue, black, yellow, noFill, blue}));
    EXPECT_EQ(t.pane->palette->entries[1]->colour, black);
    EXPECT_EQ(t.window.log, std::vector<std::string>(4, "root notify 15"));

    click(*t.pane->cancelButton);
    EXPECT_EQ(t.fills(), before);
    EXPECT_FALSE(t.comic.modified);
}

TEST(ComicTuningColours, AcceptKeepsTheColoursAndACancelledEditorOrAClosedWindowTakesThemBack)
{
    Tuning t;
    Tuning::recolour(*t.pane, t.window, 2, yellow);
    click(*t.pane->acceptButton);
    click(*t.pane->cancelButton); // nothing after accepting may undo it
    EXPECT_TRUE(t.comic.modified);
    EXPECT_EQ(t.curves[2]->fillColour, yellow);

    // The editor's colour shows on the page while it is open and goes when it is cancelled.
    Tuning live;
    live.window.accepts = false;
    live.window.whileOpen = [&live] { EXPECT_EQ(live.curves[0]->fillColour, black); };
    Tuning::recolour(*live.pane, live.window, 0, black);
    EXPECT_EQ(live.curves[0]->fillColour, red);
    EXPECT_EQ(live.pane->palette->entries[0]->colour, red);

    Tuning closed;
    PageWindow& window = closed.window;
    PDialog::scriptedRun = [&window](PDialog& d)
    {
        Tuning::recolour(*dynamic_cast<PComicTuning*>(d.pane), window, 0, yellow);
        d.closeRequested();
    };
    EXPECT_FALSE(PComicTuning::run(closed.comic, closed.window));
    EXPECT_EQ(closed.curves[0]->fillColour, red);
    EXPECT_FALSE(closed.comic.modified);
}

TEST(ComicTuningPages, StepButtonsAskTheWindowForAPageAndShowOnlyWhereOneIsLeft)
{
    Tuning t(3);
    EXPECT_FALSE(t.pane->previousButton->isVisible());
    click(*t.pane->nextButton);
    EXPECT_EQ(t.window.log, (std::vector<std::string>{"root notify 15"}));
    EXPECT_TRUE(t.pane->previousButton->isVisible());
    click(*t.pane->nextButton);
    EXPECT_FALSE(t.pane->nextButton->isVisible());
    click(*t.pane->previousButton);
    EXPECT_TRUE(t.comic.pages[1]->hasFlag(PFlag::current));
    EXPECT_TRUE(t.pane->nextButton->isVisible() && t.pane->previousButton->isVisible());

    Tuning single;
    EXPECT_FALSE(single.pane->previousButton->isVisible() || single.pane->nextButton->isVisible());
}
} // namespace
