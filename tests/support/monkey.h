#pragma once

// The monkey: the real content pane on a temporary user folder, driven headless by seeded random
// steps through the same entry points a user reaches (tool bar, side panes and their property
// panes, canvas gestures and popups, keys, menus, dialogs and choosers). After every step it
// checks that no library assertion fired and that the selection and the history refer to live
// objects; at the end it undoes and redoes everything and compares the saved bytes. A run is
// fully determined by its seed and step count, so a failure replays exactly.

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/asan_interface.h>
#include <sanitizer/common_interface_defs.h>
#define PLUMET_MONKEY_ASAN 1
#endif

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <iostream>
#include <memory>
#include <set>
#include <sstream>
#include <streambuf>
#include <string>
#include <tuple>
#include <typeinfo>
#include <vector>

#include "app/content.h"
#include "edit/actioncopy.h"
#include "edit/actiondeform.h"
#include "edit/actiondeformmode.h"
#include "edit/actionflag.h"
#include "edit/actionflip.h"
#include "edit/actiongroup.h"
#include "edit/actionpattern.h"
#include "edit/actionpoint.h"
#include "edit/actionproperty.h"
#include "edit/actionraise.h"
#include "edit/actionresize.h"
#include "edit/actions.h"
#include "edit/actionshade.h"
#include "edit/actionshape.h"
#include "edit/actionungroup.h"
#include "edit/listaction.h"
#include "edit/world.h"
#include "model/option.h"
#include "support/exportsample.h"
#include "support/samplecomic.h"
#include "support/testfiles.h"
#include "ui/canvas2.h"
#include "ui/command.h"
#include "ui/editorhost.h"
#include "ui/entry.h"
#include "ui/optiondialog.h"
#include "ui/popup.h"
#include "ui/sidepane.h"
#include "ui/statusbar.h"
#include "ui/toolbar.h"
#include "ui/view2pane.h"
#include "ui/wheel.h"
#include "ui/widgets/button.h"
#include "ui/widgets/combo.h"
#include "ui/widgets/dialog.h"
#include "ui/widgets/edit.h"
#include "ui/widgets/ident.h"
#include "ui/widgets/link.h"
#include "ui/widgets/list.h"
#include "ui/widgets/number.h"
#include "ui/widgets/palette.h"
#include "ui/widgets/slider.h"
#include "ui/widgets/style.h"
#include "ui/widgets/tint.h"
#include "ui/widgets/track.h"

namespace monkey
{
/** A small generator of our own, so that a seed means the same steps with every library. */
class Random
{
public:
    /** The seed is mixed first: neighbouring seeds must not give the same steps shifted by one. */
    explicit Random(uint64_t seed) : state(seed) { state = next(); }
    uint64_t next()
    {
        uint64_t z = (state += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    /** 0 ... n-1; 0 when n is not positive. */
    int below(int n) { return n > 0 ? static_cast<int>(next() % static_cast<uint64_t>(n)) : 0; }
    bool chance(int percent) { return below(100) < percent; }
    float between(float low, float high)
    {
        return low + (high - low) * static_cast<float>(next() >> 40) / static_cast<float>(1ull << 24);
    }
    template <class T> T& pick(std::vector<T>& from) { return from[static_cast<size_t>(below(int(from.size())))]; }

private:
    uint64_t state;
};

/** Passes everything written to std::cerr on and notices the library's assertion reports, so that
    the step that caused one is known. */
class AssertionWatch : public std::streambuf
{
public:
    AssertionWatch() : original(std::cerr.rdbuf(this)) {}
    ~AssertionWatch() override { std::cerr.rdbuf(original); }
    AssertionWatch(const AssertionWatch&) = delete;
    AssertionWatch& operator=(const AssertionWatch&) = delete;

    /** The assertion lines seen since the last call. */
    std::string take()
    {
        auto seen = std::move(fired);
        fired.clear();
        return seen;
    }

protected:
    int overflow(int c) override
    {
        if (c == EOF)
            return 0;
        line.push_back(static_cast<char>(c));
        if (c == '\n')
        {
            if (line.find("JUCE Assertion failure") != std::string::npos)
                fired += line;
            line.clear();
        }
        return original->sputc(static_cast<char>(c));
    }
    int sync() override { return original->pubsync(); }

private:
    std::streambuf* original;
    std::string line, fired;
};

/** The failing run's report: what replays it, and the steps that led there. */
inline std::string describe(uint64_t seed, int steps, const std::vector<std::string>& log, const std::string& why)
{
    std::ostringstream out;
    out << "monkey failure, seed " << seed << ", " << steps << " steps (replay: plumet_monkey --seed " << seed
        << " --steps " << steps << ")\n"
        << why << "\n";
    const size_t first = log.size() > 80 ? log.size() - 80 : 0;
    if (first > 0)
        out << "  ... " << first << " earlier steps\n";
    for (size_t i = first; i < log.size(); ++i)
        out << "  " << log[i] << "\n";
    return out.str();
}

class Monkey;
/** The run in progress, for the sanitizer's death report. */
inline Monkey*& running()
{
    static Monkey* current = nullptr;
    return current;
}

class Monkey
{
public:
    explicit Monkey(uint64_t runSeed) : seed(runSeed), random(runSeed) {}

    /** Runs the steps and the closing checks; answers the failure report, empty when all held. */
    std::string run(int stepCount)
    {
        steps = stepCount;
        running() = this;
#ifdef PLUMET_MONKEY_ASAN
        __sanitizer_set_death_callback(
            []
            {
                if (Monkey* m = running())
                    std::fprintf(stderr, "%s",
                                 describe(m->seed, m->steps, m->log, "the sanitizer stopped the run").c_str());
            });
#endif
        std::fprintf(stderr, "monkey: seed %llu, %d steps\n", static_cast<unsigned long long>(seed), stepCount);
        setUp();
        for (int i = 0; i < stepCount && failure.empty(); ++i)
        {
            stepNumber = i;
            step();
            // The window repaints after most steps: drawing builds the geometry that hit tests,
            // handles and the next press rely on.
            if (random.chance(paintPercent))
                paintCanvas();
            check();
        }
        if (failure.empty())
            finalChecks();
        tearDown();
        running() = nullptr;
        return failure.empty() ? std::string() : describe(seed, steps, log, failure);
    }

    uint64_t seed;
    int steps = 0;
    std::vector<std::string> log;

private:
    // ------------------------------------------------------------ the session

    void setUp()
    {
        PContext::forgetPositions();
        PTint::clipboard.reset();
        PStyle::clipboard.reset();
        const juce::File shipped = juce::File(PLUMET_SHIPPED_DIR).getChildFile("sample_comic_E.plm");
        if (shipped.existsAsFile())
            (void) shipped.copyFileTo(tmp.file("sample_comic_E.plm"));
        {
            PComic fixture;
            sample::fill(fixture);
            fixture.path = tmp.path("fixture.plm");
            if (!fixture.save().ok())
                fail("the fixture comic could not be written");
        }
        picture = tmp.file("picture.png");
        (void) exportsample::writePicture(picture, 40, 30);
        (void) tmp.file("broken.png").replaceWithText("not a picture");

        options = std::make_unique<POption>(tmp.folder.getFullPathName());
        options->autosaveEvery = random.chance(30) ? 7 : 0;
        options->tooltips = false;
        world = std::make_unique<PWorld>();
        world->projectsFolder = world->dataFolder = tmp.folder.getFullPathName();
        world->options = options.get();
        (void) world->loadAll();
        sortComics();

        content = std::make_unique<PContent>(options.get());
        installHooks();
        // The first comic is one named on the command line, or a new one when none is.
        const int start = random.below(world->comics.size() + 1);
        content->startComic = start < world->comics.size() ? world->comicAt(start) : nullptr;
        content->setWorld(world.get());
        record("start with " + name(content->comic));
        checkpoint("start");
    }

    void tearDown()
    {
        PDialog::scriptedRun = nullptr;
        PPopup::scriptedShow = nullptr;
        PWidgetHost::install(nullptr);
        content.reset();
        world.reset();
        options.reset();
        PTint::clipboard.reset();
        PStyle::clipboard.reset();
    }

    /** The folder's order is the file system's; a replay needs the same order every time. */
    void sortComics()
    {
        std::vector<PBase*> all(world->comics.begin(), world->comics.end());
        std::sort(all.begin(), all.end(),
                  [](PBase* a, PBase* b) { return static_cast<PComic*>(a)->path < static_cast<PComic*>(b)->path; });
        world->comics.clear();
        for (auto* c : all)
            world->comics.append(c);
    }

    /** The program's colour and font editors, with the popups of the widgets answered at random. */
    struct Host : PEditorHost
    {
        Monkey* m = nullptr;
        PCommand showPopup(PWidget&, PPopup::Kind kind) override
        {
            const int digit = m->random.below(11) - 1; // -1: dismissed
            m->record("  popup " + std::to_string(static_cast<int>(kind)) + " -> " + std::to_string(digit));
            return digit < 0 ? PCommand::none : kind == PPopup::Kind::tensPopup ? tensDigit(digit) : unitsDigit(digit);
        }
        PCommand showCopyPaste(PWidget&, bool canPaste) override
        {
            const int code = m->random.below(3);
            m->record("  copy/paste menu -> " + std::to_string(code));
            return code == 1 ? PCommand::copy : code == 2 && canPaste ? PCommand::paste : PCommand::none;
        }
    };

    void installHooks()
    {
        host.m = this;
        PWidgetHost::install(&host);
        PDialog::scriptedRun = [this](PDialog& dialog) { playDialog(dialog); };
        PPopup::scriptedShow = [this](PPopup& popup) { return choose(popup); };
        content->askYesNo = [this](const char* key)
        {
            const int answer = random.below(2);
            record(std::string("  asked ") + key + " -> " + (answer != 0 ? "yes" : "no"));
            return answer;
        };
        content->chooseFile = [this](PWindow::ChooserKind, const char* title, juce::String& path)
        {
            static const char* const names[] = {"out.pdf", "out.svg", "out.png", "out.jpg", "sub/none/x.png"};
            if (random.chance(30))
            {
                record(std::string("  ") + title + " cancelled");
                return false;
            }
            path = tmp.path(names[random.below(5)]);
            record(std::string("  ") + title + " -> " + juce::File(path).getFileName().toStdString());
            return true;
        };
        content->canvas->commands.askImageFile = [this] { return pickPicture("canvas"); };
        content->canvas->commands.reportError = [this](const juce::String&) { record("  error box"); };
    }

    juce::File pickPicture(const char* who)
    {
        const int k = random.below(4);
        record(std::string("  ") + who + " picture " + std::to_string(k));
        return k == 0 ? juce::File() : k == 1 ? tmp.file("broken.png") : k == 2 ? tmp.file("gone.png") : picture;
    }

    /** A popup line at random among the enabled ones, or nothing. */
    PCommand choose(PPopup& popup)
    {
        std::vector<int> codes;
        for (int i = 0; i < popup.size(); ++i)
            if (const PEntry* e = popup.entryAt(i);
                e != nullptr && !e->separator && e->enabled && e->id != PCommand::none)
                codes.push_back(menuIdOf(e->id));
        const int code = codes.empty() || random.chance(10) ? 0 : random.pick(codes);
        record("  menu -> " + std::to_string(code));
        // Moving a clip or decor item to another group is no undo step: the history's check is
        // made before, and the history starts again after.
        if (groupOfCommand(commandOfMenuId(code)) >= 0)
        {
            checkpoint("before a group move");
            restartAfterStep = true;
        }
        return commandOfMenuId(code);
    }

    /** Plays the user in a modal dialog: a few widgets, then Accept, Cancel, Escape or whatever
        a button does. Nested dialogs are answered the same way, but not too deep. */
    void playDialog(PDialog& dialog)
    {
        ++dialogDepth;
        record("  dialog " + juce::String(typeid(*dialog.pane).name()).toStdString());
        if (auto* optionsPane = dynamic_cast<POptionDialog*>(dialog.pane))
        {
            optionsPane->chooseImage = [this] { return pickPicture("wallpaper"); };
            optionsPane->reportError = [this](const juce::String&) { record("  error box"); };
        }
        constexpr int open = -1;
        dialog.result = open;
        const int operations = dialogDepth > 2 ? 0 : random.below(8);
        for (int i = 0; i < operations && dialog.result == open; ++i)
        {
            auto widgets = operable(*dialog.pane);
            if (widgets.empty())
                break;
            operate(*random.pick(widgets), "    ");
        }
        if (dialog.result == open)
        {
            record("  escape");
            dialog.closeRequested();
        }
        if (dialog.result == open)
            dialog.close(PDialog::cancelled);
        --dialogDepth;
    }

    // ------------------------------------------------------------ widgets

    /** Every visible, enabled widget under a pane that a user could operate, but the canvas and
        links (which would open a browser). */
    std::vector<PWidget*> operable(PPane& pane, std::vector<PWidget*> found = {})
    {
        for (PWidget* w = pane.children; w != nullptr; w = w->next)
        {
            if (!w->isVisible() || !w->isEnabled() || w == content->canvas)
                continue;
            if (auto* wheel = dynamic_cast<PWheel*>(w))
                found.push_back(wheel);
            else if (auto* sub = dynamic_cast<PPane*>(w); sub != nullptr && sub->isPane())
                found = operable(*sub, std::move(found));
            else if (dynamic_cast<PLink*>(w) == nullptr && operates(*w))
                found.push_back(w);
        }
        return found;
    }

    static bool operates(PWidget& w)
    {
        return dynamic_cast<PToggle*>(&w) != nullptr || dynamic_cast<PList*>(&w) != nullptr ||
               dynamic_cast<PEdit*>(&w) != nullptr || dynamic_cast<PNumber*>(&w) != nullptr ||
               dynamic_cast<PSlider*>(&w) != nullptr || dynamic_cast<PCombo*>(&w) != nullptr ||
               dynamic_cast<PTint*>(&w) != nullptr || dynamic_cast<PIdent*>(&w) != nullptr ||
               dynamic_cast<PTrack*>(&w) != nullptr;
    }

    static std::string label(PWidget& w)
    {
        std::string kind = typeid(w).name();
        if (auto* c = dynamic_cast<PControl*>(&w); c != nullptr && c->captionKey.isNotEmpty())
            return kind + " " + c->captionKey.toStdString();
        return kind;
    }

    void operate(PWidget& w, const char* indent)
    {
        std::string what = indent + label(w);
        if (auto* toggle = dynamic_cast<PToggle*>(&w))
        {
            auto* peer = dynamic_cast<juce::Button*>(toggle->getComponent());
            const bool rightClick = (dynamic_cast<PStyle*>(&w) != nullptr) && random.chance(30);
            record(what + (rightClick ? " right-click" : " click"));
            if (rightClick)
                w.onPopup(&w);
            else
            {
                if (peer != nullptr && peer->getClickingTogglesState())
                    peer->setToggleState(!peer->getToggleState(), juce::dontSendNotification);
                toggle->activate();
            }
        }
        else if (auto* list = dynamic_cast<PList*>(&w))
        {
            const int k = random.below(10);
            if (k < 7 && list->rowCount() > 0)
            {
                const int row = random.below(list->rowCount());
                record(what + " row " + std::to_string(row));
                list->selectRow(row);
                list->activate();
            }
            else if (k < 9)
            {
                const uint16_t key = random.chance(50) ? uint16_t(5) : uint16_t(1 + random.below(20));
                record(what + " key " + std::to_string(key));
                list->command(static_cast<PKeyCommand>(key));
            }
            else
            {
                record(what + " right-click");
                list->popup();
            }
        }
        else if (auto* edit = dynamic_cast<PEdit*>(&w))
        {
            static const char* const texts[] = {"", "Monkey", "a b\nc", "\xc3\xa9t\xc3\xa9 \xe2\x82\xac", "x"};
            juce::String text = juce::String::fromUTF8(texts[random.below(5)]);
            if (random.chance(10))
                text = juce::String::repeatedString("long", 80);
            record(what + " type \"" + text.substring(0, 12).toStdString() + "\"");
            // Typed over a selection of the whole text, or added at its end; Return then ends it.
            if (auto* editor = dynamic_cast<juce::TextEditor*>(edit->getComponent()))
            {
                if (random.chance(70))
                    editor->selectAll();
                else
                    editor->moveCaretToEnd();
                editor->insertTextAtCaret(text);
            }
            edit->activate();
        }
        else if (auto* number = dynamic_cast<PNumber*>(&w))
        {
            static const char* const texts[] = {"0", "1", "2.5", "-3", "1e9", "abc", "", "100", "0.05", "12,5"};
            const char* text = texts[random.below(10)];
            record(what + " enter " + text);
            if (auto* peer = dynamic_cast<juce::Label*>(number->getComponent()))
                peer->setText(text, juce::dontSendNotification);
            number->activate();
        }
        else if (auto* slider = dynamic_cast<PSlider*>(&w))
        {
            const int position = random.below(PSlider::highestPosition + 1);
            record(what + " slide " + std::to_string(position));
            if (slider->live && random.chance(50))
                slider->reportChanging();
            slider->setPosition(position);
            slider->activate();
        }
        else if (auto* combo = dynamic_cast<PCombo*>(&w))
        {
            auto* peer = dynamic_cast<juce::ComboBox*>(combo->getComponent());
            const int items = peer != nullptr ? peer->getNumItems() : 0;
            const int index = random.below(items);
            record(what + " choose " + std::to_string(index));
            if (peer != nullptr && items > 0)
                peer->setSelectedItemIndex(index, juce::dontSendNotification);
            combo->activate();
        }
        else if (dynamic_cast<PTint*>(&w) != nullptr || dynamic_cast<PIdent*>(&w) != nullptr)
        {
            const bool rightClick = random.chance(dynamic_cast<PTint*>(&w) != nullptr ? 30 : 50);
            record(what + (rightClick ? " right-click" : " click"));
            rightClick ? w.onPopup(&w) : w.activate();
        }
        else if (auto* track = dynamic_cast<PTrack*>(&w))
        {
            const int moves = random.below(4);
            record(what + " drag " + std::to_string(moves));
            float x = random.between(0, 30), y = random.between(0, 30);
            track->onMouseDown(x, y);
            for (int i = 0; i < moves; ++i)
                track->onMouseDrag(x += random.between(-40, 40), y += random.between(-40, 40));
            track->onMouseUp(x, y);
        }
        else if (auto* wheel = dynamic_cast<PWheel*>(&w))
        {
            const float x = random.between(0, float(wheel->getWidth())),
                        y = random.between(0, float(wheel->getHeight()));
            record(what + " press " + std::to_string(int(x)) + "," + std::to_string(int(y)));
            wheel->onMouseDown(x, y);
        }
    }

    // ------------------------------------------------------------ steps

    static constexpr int paintPercent = 60;
    static constexpr auto firstDigitKey = static_cast<uint16_t>(PKeyCommand::firstDigit),
                          lastDigitKey = static_cast<uint16_t>(PKeyCommand::lastDigit);

    void paintCanvas()
    {
        PCanvas2& canvas = *content->canvas;
        if (!canvas.isVisible() || canvas.getWidth() <= 0 || canvas.getHeight() <= 0)
            return;
        juce::Image frame(juce::Image::ARGB, canvas.getWidth(), canvas.getHeight(), true);
        juce::Graphics g(frame);
        canvas.paint(g);
    }

    PSidePane* visibleSidePane() const
    {
        for (auto* pane : content->sidePanes)
            if (pane->isVisible())
                return pane;
        return nullptr;
    }

    void step()
    {
        const int k = random.below(100);
        if (k < 4)
            switchSidePane();
        else if (k < 32)
            sidePaneWidget();
        else if (k < 36)
            barWidget();
        else if (k < 62)
            canvasGesture();
        else if (k < 67)
            canvasPopup();
        else if (k < 74)
            key();
        else if (k < 76)
            wheel();
        else if (k < 80)
            titleMenu();
        else if (k < 94)
            undoRedo();
        else if (k < 96)
            saveRequest();
        else
            contentMenu();
    }

    void switchSidePane()
    {
        const int index = random.below(PContent::sidePaneCount);
        if (random.chance(25))
        {
            record("broadcast side pane " + std::to_string(index));
            content->broadcast(paneShown(paneAtIndex(index)));
            return;
        }
        PButton* button = content->toolbar->sideButtons[index];
        if (button != nullptr && button->isEnabled() && button->isVisible())
            operate(*button, "toolbar ");
    }

    void sidePaneWidget()
    {
        PSidePane* pane = visibleSidePane();
        if (pane == nullptr)
            return;
        auto widgets = operable(*pane);
        if (!widgets.empty())
            operate(*random.pick(widgets), "side ");
    }

    void barWidget()
    {
        std::vector<PWidget*> widgets;
        for (PPane* bar : std::initializer_list<PPane*>{content->toolbar, content->statusbar, content->viewPane})
            if (bar->isVisible())
                widgets = operable(*bar, std::move(widgets));
        if (!widgets.empty())
            operate(*random.pick(widgets), "bar ");
    }

    juce::Point<float> canvasPoint()
    {
        PCanvas2& canvas = *content->canvas;
        if (random.chance(40))
        {
            auto handles = canvas.handlePositions();
            if (!handles.empty())
            {
                auto at = random.pick(handles);
                return {at.x + random.between(-2, 2), at.y + random.between(-2, 2)};
            }
        }
        // Most presses find a shape: the selected one, or any the canvas shows.
        PShape* target = canvas.selection.shape;
        if (PArray* shown = canvas.shownList(); shown != nullptr && !shown->isEmpty() && random.chance(50))
            target = shown->get<PShape>(random.below(shown->size()));
        if (target != nullptr && random.chance(70))
        {
            const PRect& b = target->bounds;
            if (!b.isEmpty())
                return canvas.toScreen(random.between(b.left, b.right), random.between(b.bottom, b.top));
        }
        return {random.between(-10, float(canvas.getWidth()) + 10),
                random.between(-10, float(canvas.getHeight()) + 10)};
    }

    void canvasGesture()
    {
        PCanvas2& canvas = *content->canvas;
        if (!canvas.isVisible())
            return;
        auto at = canvasPoint();
        const int drags = random.chance(30) ? 0 : random.below(6);
        std::ostringstream what;
        what << "canvas mode " << static_cast<int>(world->editMode) << " press " << int(at.x) << "," << int(at.y);
        canvas.onMouseDown(at.x, at.y);
        for (int i = 0; i < drags; ++i)
        {
            at += {random.between(-60, 60), random.between(-60, 60)};
            canvas.onMouseDrag(at.x, at.y);
        }
        if (random.chance(5) && drags > 0)
        {
            // A key or a right click while the button is held.
            const uint16_t k = static_cast<uint16_t>(1 + random.below(20));
            what << " key " << k;
            canvas.onCommand(&canvas, static_cast<PKeyCommand>(k));
        }
        what << " drags " << drags << " release " << int(at.x) << "," << int(at.y);
        record(what.str());
        canvas.onMouseUp(at.x, at.y);
    }

    void canvasPopup()
    {
        PCanvas2& canvas = *content->canvas;
        record("canvas right-click");
        canvas.onPopup(&canvas);
    }

    void key()
    {
        const uint16_t k = static_cast<uint16_t>(1 + random.below(20));
        PSidePane* pane = visibleSidePane();
        const int target = random.below(3);
        if (k == static_cast<uint16_t>(PKeyCommand::save))
            checkpoint("before Ctrl+S");
        // The digit keys even out a line's thickness as a drawing aid, without an undo step.
        if (k >= firstDigitKey && k <= lastDigitKey)
        {
            checkpoint("before a digit key");
            restartAfterStep = true;
        }
        if (target == 0 || pane == nullptr)
        {
            record("canvas key " + std::to_string(k));
            content->canvas->onCommand(content->canvas, static_cast<PKeyCommand>(k));
        }
        else if (target == 1)
        {
            record("side pane key " + std::to_string(k));
            pane->onCommand(pane, static_cast<PKeyCommand>(k));
        }
        else if (pane->list != nullptr && pane->list->isVisible())
        {
            record("list key " + std::to_string(k));
            pane->list->command(static_cast<PKeyCommand>(k));
        }
    }

    void wheel()
    {
        const bool up = random.chance(50);
        record(std::string("wheel ") + (up ? "up" : "down"));
        content->canvas->onWheel(up);
    }

    void titleMenu()
    {
        PSidePane* pane = visibleSidePane();
        if (pane == nullptr || pane->titleButton == nullptr || !pane->titleButton->isEnabled())
            return;
        operate(*pane->titleButton, "title ");
    }

    void undoRedo()
    {
        const bool undo = random.chance(60);
        PButton* button = undo ? content->toolbar->undoButton : content->toolbar->redoButton;
        if (random.chance(20))
        {
            record(undo ? "Ctrl+Z" : "Ctrl+Y");
            content->canvas->onCommand(content->canvas, undo ? PKeyCommand::undo : PKeyCommand::redo);
        }
        else if (button->isEnabled())
            operate(*button, "toolbar ");
    }

    void saveRequest()
    {
        checkpoint("before save");
        if (random.chance(50))
        {
            record("menu save");
            content->onMenu(PCommand::save);
        }
        else
        {
            record("save request");
            content->requestSave();
        }
    }

    void contentMenu()
    {
        content->onMenuUpdate();
        std::vector<int> codes;
        for (PPopup* menu : {&content->menuComic, &content->menuHelp})
            for (int i = 0; i < menu->size(); ++i)
                if (const PEntry* e = menu->entryAt(i); e != nullptr && e->enabled && !e->separator &&
                                                        e->id != PCommand::none && e->id != PCommand::guide &&
                                                        e->id != PCommand::decor)
                    codes.push_back(menuIdOf(e->id));
        if (codes.empty())
            return;
        const int code = random.pick(codes);
        checkpoint("before menu");
        record("menu " + std::to_string(code));
        content->onMenu(commandOfMenuId(code));
        // Settings and colour tuning change the comic outside the history.
        restartAfterStep = true;
    }

    // ------------------------------------------------------------ checks

    void record(const std::string& line)
    {
        log.push_back(std::to_string(stepNumber) + ": " + line);
        // A long run keeps only its recent past; the seed replays the rest.
        if (log.size() > 4000)
            log.erase(log.begin(), log.begin() + 2000);
    }

    void fail(const std::string& why)
    {
        if (failure.empty())
            failure = "step " + std::to_string(stepNumber) + ": " + why;
    }

    static std::string name(const PComic* c)
    {
        return c == nullptr ? "no comic" : juce::File(c->path).getFileName().toStdString();
    }

    /** Every object that the comics and the options hold, sorted: asked after every step, so a
        flat list that is searched by halves beats a tree of nodes, above all under the sanitizers. */
    std::vector<const PBase*> liveObjects() const
    {
        std::vector<const PBase*> all;
        for (PBase* c : world->comics)
            addComic(static_cast<PComic*>(c), all);
        if (options->wall != nullptr)
            all.push_back(options->wall.get());
        std::sort(all.begin(), all.end());
        return all;
    }

    static void addList(const PArray& list, std::vector<const PBase*>& all)
    {
        for (PBase* o : list)
            addObject(o, all);
    }

    /** The document is a tree: every object is met once. */
    static void addObject(const PBase* o, std::vector<const PBase*>& all)
    {
        if (o == nullptr)
            return;
        all.push_back(o);
        switch (o->classId())
        {
        case PClass::page: addList(static_cast<const PPage*>(o)->panels, all); break;
        case PClass::layer: addList(static_cast<const PLayer*>(o)->shapes, all); break;
        case PClass::group: addList(static_cast<const PGroup*>(o)->children, all); break;
        case PClass::card: addList(static_cast<const PCard*>(o)->shapes, all); break;
        case PClass::clip: addList(static_cast<const PClip*>(o)->cards, all); break;
        case PClass::decor: addObject(static_cast<const PDecor*>(o)->content.get(), all); break;
        case PClass::panel:
        {
            auto* panel = static_cast<const PPanel*>(o);
            addList(panel->points, all);
            addList(panel->layers, all);
            addObject(panel->attachment.get(), all);
            break;
        }
        case PClass::brush:
        {
            auto* brush = static_cast<const PBrush*>(o);
            addList(brush->points, all);
            addObject(brush->pattern.get(), all);
            break;
        }
        case PClass::curve: addList(static_cast<const PCurve*>(o)->points, all); break;
        default: break;
        }
    }

    static void addComic(const PComic* comic, std::vector<const PBase*>& all)
    {
        all.push_back(comic);
        addList(comic->pages, all);
        addList(comic->clips, all);
        addList(comic->decor, all);
    }

    /** Whether memory that a pointer names was given back (only a sanitizer build can tell). */
    static bool freed(const void* p, size_t size)
    {
#ifdef PLUMET_MONKEY_ASAN
        return p != nullptr && __asan_region_is_poisoned(const_cast<void*>(p), size) != nullptr;
#else
        (void) p, (void) size;
        return false;
#endif
    }

    template <class Kind, class Add, class Fields> static void refer(const PAction& a, Add& add, Fields fields)
    {
        if (auto* kind = dynamic_cast<const Kind*>(&a))
            for (const void* p : fields(*kind))
                add(p);
    }

    /** The objects and lists an action changes when undone or redone. */
    static std::vector<const void*> referredObjects(const PAction& a)
    {
        std::vector<const void*> found;
        auto add = [&found](const void* p)
        {
            if (p != nullptr)
                found.push_back(p);
        };
        const auto target = [](auto& x) { return std::vector<const void*>{x.target}; };
        refer<PActionProperty<uint32_t>>(a, add, target);
        refer<PActionProperty<PFontSpec>>(a, add, target);
        refer<PActionProperty<PName>>(a, add, target);
        refer<PActionProperty<uint16_t>>(a, add, target);
        refer<PActionProperty<float>>(a, add, target);
        refer<PActionDeformMode>(a, add, target);
        refer<PActionResize>(a, add, target);
        refer<PActionFlag>(a, add, [](auto& x) { return std::vector<const void*>{x.target, x.owner}; });
        refer<PActionPoint>(a, add, [](auto& x) { return std::vector<const void*>{x.owner}; });
        refer<PActionDeform>(a, add, target);
        refer<PActionFlip>(a, add, [](auto& x) { return std::vector<const void*>{x.shape}; });
        refer<PActionRaise>(a, add, [](auto& x) { return std::vector<const void*>{&x.list, x.shape}; });
        refer<PActionCopy>(a, add, [](auto& x) { return std::vector<const void*>{x.object}; });
        refer<PActionPattern>(a, add, [](auto& x) { return std::vector<const void*>{x.brush}; });
        refer<PActionShade>(a, add, [](auto& x) { return std::vector<const void*>{x.group}; });
        refer<PActionGroup>(a, add, [](auto& x) { return std::vector<const void*>{&x.list, x.group}; });
        refer<PActionUngroup>(a, add, [](auto& x) { return std::vector<const void*>{&x.list, x.group}; });
        refer<PActionShape>(a, add,
                            [](auto& x) {
                                return std::vector<const void*>{x.target, x.related[0], x.related[1]};
                            });
        return found;
    }

    void checkAction(const PBase* entry, const std::string& where)
    {
        if (freed(entry, sizeof(PAction)))
        {
            fail(where + ": the entry itself was freed");
            return;
        }
        auto* action = static_cast<const PAction*>(entry);
        for (const PBase* target : action->targets)
            if (freed(target, sizeof(PBase)))
                fail(where + " (" + typeid(*action).name() + "): its context names a freed object");
        if (auto* list = dynamic_cast<const PListAction*>(action))
        {
            if (freed(&list->list, sizeof(PArray)) || freed(list->object, sizeof(PBase)) ||
                freed(list->owner, sizeof(PBase)))
                fail(where + " (" + typeid(*action).name() + "): its list, object or owner was freed");
        }
        const auto name = std::string(typeid(*action).name());
        for (const void* object : referredObjects(*action))
            if (freed(object, sizeof(PBase)))
                fail(where + " (" + name + "): an object it changes was freed");
        if (auto* compound = dynamic_cast<const PActions*>(action))
            for (const PBase* child : compound->children)
                checkAction(child, where + " child");
    }

    void check()
    {
        if (const auto fired = watch.take(); !fired.empty())
            fail("library assertion: " + fired);
        const auto all = liveObjects();
        auto inDocument = [&all](const PBase* o)
        { return o == nullptr || std::binary_search(all.begin(), all.end(), o); };
        const PContext& context = world->context;
        for (int i = 0; i < PContext::slotCount; ++i)
            if (!inDocument(context.targets[static_cast<size_t>(i)]))
                fail("the live context's slot " + std::to_string(i) + " names an object outside the document");
        const PCanvas2& canvas = *content->canvas;
        const std::pair<const char*, const PBase*> shown[] = {{"page", canvas.selection.page},
                                                              {"container", canvas.selection.container},
                                                              {"panel", canvas.selection.panel},
                                                              {"shape", canvas.selection.shape},
                                                              {"point", canvas.selection.point}};
        for (const auto& [what, object] : shown)
            if (!inDocument(object))
                fail(std::string("the canvas's ") + what + " is outside the document");
        if (content->comic != nullptr && !world->comics.contains(content->comic))
            fail("the open comic is not in the world");
        int n = 0;
        for (const PArray* list : {&world->undoList, &world->redoList})
            for (const PBase* entry : *list)
                checkAction(entry, (list == &world->undoList ? "undo entry " : "redo entry ") + std::to_string(n++));
        if (world->undoList.size() > undoSize && !world->undoList.isEmpty())
            record("  recorded " + std::string(typeid(*world->undoList.at(world->undoList.size() - 1)).name()));
        undoSize = world->undoList.size();
        if (checkEveryStep && failure.empty())
        {
            // A step that left both lists as they were must have left the comics as they were.
            const auto now = snapshot();
            const auto history = std::make_tuple(world->undoList.size(), world->redoList.size(),
                                                 world->undoList.at(world->undoList.size() - 1),
                                                 world->redoList.at(world->redoList.size() - 1));
            // A name typed key by key amends its rename step in place.
            const bool amended = dynamic_cast<const PActionProperty<PName>*>(std::get<2>(history)) != nullptr;
            if (history == lastHistory && !restartAfterStep && !amended)
                compare(lastSnapshot, now, "a step without an undo entry changed the comic");
            lastSnapshot = now;
            lastHistory = history;
        }
        if (restartAfterStep && failure.empty())
            checkpoint("after a change outside the history", true);
        restartAfterStep = false;
        // A history that lost its oldest entry (a save, a discarded comic) starts again here.
        if (firstEntry != nullptr && !world->undoList.contains(firstEntry) && !world->redoList.contains(firstEntry) &&
            failure.empty())
            checkpoint("history restarted");
        firstEntry = oldest();
    }

    /** The oldest entry of the history, whichever list holds it. */
    const PBase* oldest() const
    {
        return !world->undoList.isEmpty() ? world->undoList.at(0) : world->redoList.at(world->redoList.size() - 1);
    }

    using Snapshot = std::vector<std::pair<const PComic*, std::vector<uint8_t>>>;

    Snapshot snapshot() const
    {
        Snapshot all;
        // The history acts on the open comic; another one is only read (an import) unless it
        // still carries edits of its own.
        for (PBase* c : world->comics)
            if (auto* comic = static_cast<PComic*>(c); comic == content->comic || comic->modified)
                all.emplace_back(comic, canonicalBytes(*comic));
        return all;
    }

    /** What a save writes, but without the brushes' generated strokes (a cache that any change
        drops and the next drawing or hit test makes again; the file holds them only when they
        happen to exist), without empty cards or decor content and without the card shown. */
    static std::vector<uint8_t> canonicalBytes(const PComic& comic)
    {
        std::unique_ptr<PComic> copy(static_cast<PComic*>(comic.clone()));
        std::vector<const PBase*> all;
        addComic(copy.get(), all);
        for (const PBase* o : all)
            if (o->classId() == PClass::brush)
                const_cast<PBrush*>(static_cast<const PBrush*>(o))->strokes.deleteAll();
        // A paste into a clip's card that did not exist yet makes the card, empty again after undo.
        // The card a clip or decor item shows is a view choice saved with it, not an undo step.
        for (PBase* clip : copy->clips)
        {
            PArray& cards = static_cast<PClip*>(clip)->cards;
            for (int i = cards.size() - 1; i >= 0; --i)
                if (cards.get<PCard>(i)->shapes.isEmpty())
                {
                    PBase* empty = cards.at(i);
                    cards.remove(empty);
                    delete empty;
                }
            static_cast<PClip*>(clip)->currentKey = 0;
        }
        // Likewise a paste into a decor item without artwork makes its (empty) content group.
        for (PBase* d : copy->decor)
        {
            auto* decor = static_cast<PDecor*>(d);
            decor->currentKey = 0;
            if (decor->content != nullptr && decor->content->children.isEmpty())
                decor->content.reset();
        }
        return savedBytes(*copy);
    }

    /** Compares the comics present in both snapshots. */
    void compare(const Snapshot& expected, const Snapshot& actual, const std::string& what)
    {
        for (const auto& [comic, bytes] : expected)
            for (const auto& [other, now] : actual)
                if (comic == other && bytes != now)
                {
                    const auto at = std::mismatch(bytes.begin(), bytes.end(), now.begin(), now.end());
                    fail(what + ": " + name(comic) + " differs from byte " + std::to_string(at.first - bytes.begin()) +
                         " on (" + std::to_string(bytes.size()) + " bytes expected, " + std::to_string(now.size()) +
                         " found)");
                    dump(bytes, "expected"), dump(now, "found");
                }
    }

    /** With MONKEY_DUMP naming a folder, a differing comic's bytes go there for a closer look. */
    static void dump(const std::vector<uint8_t>& bytes, const char* what)
    {
        if (const char* folder = std::getenv("MONKEY_DUMP"))
            (void) juce::File(folder).getChildFile(what).replaceWithData(bytes.data(), bytes.size());
    }

    int undoAll()
    {
        int undone = 0;
        for (; !world->undoList.isEmpty() && undone < 100000; ++undone)
            world->undo();
        return undone;
    }

    void redo(int count)
    {
        for (int i = 0; i < count && !world->redoList.isEmpty(); ++i)
            world->redo();
    }

    /** Where the history may change outside the user's undo steps: the check that everything
        undone gives the bytes of the history's start, and redone the bytes of now; then the start
        is taken again. */
    void checkpoint(const std::string& why, bool restart = false)
    {
        if (!failure.empty())
            return;
        record("checkpoint " + why);
        const bool sameHistory = haveBaseline && !restart && oldest() == firstEntry;
        // After a change outside the history, a redone step puts back the values it knew: only
        // from here on must the history give back what it was given.
        const Snapshot now = restart ? Snapshot() : snapshot();
        const int undone = undoAll();
        const Snapshot start = snapshot();
        if (sameHistory)
            compare(baseline, start, "everything undone (" + why + ")");
        redo(undone);
        if (!restart)
            compare(now, snapshot(), "everything redone (" + why + ")");
        baseline = start;
        haveBaseline = true;
        firstEntry = oldest();
        if (const auto fired = watch.take(); !fired.empty())
            fail("library assertion during undo or redo: " + fired);
    }

    void finalChecks()
    {
        stepNumber = steps;
        checkpoint("end");
        // What a save writes, a load reads back, and a second save writes the same.
        for (PBase* c : world->comics)
        {
            auto* comic = static_cast<PComic*>(c);
            const auto bytes = savedBytes(*comic);
            PComic loaded;
            const auto result = loaded.load(zlibStream(juce::MemoryBlock(bytes.data(), bytes.size())));
            if (result != PLoadResult::ok)
                fail("the saved " + name(comic) + " does not load again");
            else if (savedBytes(loaded) != bytes)
                fail("saving " + name(comic) + " after a load writes other bytes");
            std::unique_ptr<PComic> copy(static_cast<PComic*>(comic->clone()));
            if (savedBytes(*copy) != bytes)
                fail("a copy of " + name(comic) + " saves other bytes than the comic");
        }
        record("save, load, save compared");
    }

    TempFolder tmp;
    juce::File picture;
    Random random;
    AssertionWatch watch;
    Host host;
    std::unique_ptr<POption> options;
    std::unique_ptr<PWorld> world;
    std::unique_ptr<PContent> content;
    Snapshot baseline;
    bool haveBaseline = false;
    bool restartAfterStep = false;
    /** MONKEY_EVERY_STEP set: the whole history is checked after every step, to find the first
        step whose undo goes wrong (slow). */
    bool checkEveryStep = std::getenv("MONKEY_EVERY_STEP") != nullptr;
    int undoSize = 0;
    Snapshot lastSnapshot;
    std::tuple<int, int, const PBase*, const PBase*> lastHistory;
    const PBase* firstEntry = nullptr;
    int stepNumber = 0;
    int dialogDepth = 0;
    std::string failure;
};
} // namespace monkey
