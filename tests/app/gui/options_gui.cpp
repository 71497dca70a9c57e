// The options dialog and the editors on a real display, driven from outside by options_gui.sh
// with xdotool. Without the script's folder (PLUMET_SCRIPT_DIR) the test skips: it would wait
// for a user who never comes.
//
// A bench window stands in for the editor's frame: an options button as the status bar has
// it, a colour swatch on a curve's fill and a font button on a text as the property panes have
// them, the about and welcome buttons, and the help pane. While it runs, the program writes the
// screen positions of what the script may click into "positions" in the script's folder.

#include <gtest/gtest.h>

#include "../../support/testdocument.h"
#include "edit/actionproperty.h"
#include "model/translate.h"
#include "ui/about.h"
#include "ui/coloredit.h"
#include "ui/editorhost.h"
#include "ui/fontedit.h"
#include "ui/helppane.h"
#include "ui/look.h"
#include "ui/optiondialog.h"
#include "ui/welcome.h"
#include "ui/widgets/button.h"
#include "ui/widgets/check.h"
#include "ui/widgets/combo.h"
#include "ui/widgets/npane.h"
#include "ui/widgets/readymark.h"
#include "ui/widgets/style.h"
#include "ui/widgets/tint.h"

namespace
{
constexpr uint32_t seededEntry = 0xFF55F099; // palette entry 2: what the script picks
constexpr int pickedEntry = 2;

class Bench : public PPane
{
public:
    Bench(POption* o, TestDocument& document) : PPane(30, 18, o), doc(document)
    {
        optionButton = new PButton(this, 0, 0, 5, 0);
        optionButton->setText("Statusbar.Option");
        tint = new PTint(this, 6, 0, 2, 0);
        tint->setColour(doc.curve->fillColour);
        font = new PStyle(this, 9, 0, 8, 0);
        font->setFontSpec(doc.text->fontSpec);
        about = new PButton(this, 0, 1, 8, 0);
        about->setText("Menu.About");
        welcome = new PButton(this, 9, 1, 8, 0);
        welcome->setText("Welcome.Edit");
        help = new PHelpPane(this, 0, 3, 14, 8);
        help->setWorld(&doc.world);
        help->update();
    }

    void onClick(PWidget* source) override
    {
        if (source == optionButton)
            POptionDialog::run(*getOptions());
        else if (source == about)
            PAbout::show(*getOptions(), "0.1.0");
        else if (source == welcome)
            PWelcome::show(*getOptions());
    }

    void onChange(PWidget* source) override
    {
        if (source == tint)
            doc.world.record(std::make_unique<PActionProperty<uint32_t>>(doc.world, doc.curve, PProperties::fillColour,
                                                                         doc.curve->fillColour, tint->colour));
        else if (source == font)
            doc.world.record(std::make_unique<PActionProperty<PFontSpec>>(doc.world, doc.text, PProperties::font,
                                                                          doc.text->fontSpec, font->fontSpec));
    }

    TestDocument& doc;
    PButton *optionButton = nullptr, *about = nullptr, *welcome = nullptr;
    PTint* tint = nullptr;
    PStyle* font = nullptr;
    PHelpPane* help = nullptr;
};

class BenchWindow : public juce::DocumentWindow
{
public:
    explicit BenchWindow(Bench& bench)
        : juce::DocumentWindow("Plumet bench", juce::Colours::lightgrey, juce::DocumentWindow::closeButton)
    {
        setContentNonOwned(bench.getComponent(), true);
        setTopLeftPosition(40, 40);
        setVisible(true);
    }
    void closeButtonPressed() override { closed = true; }
    void paintOverChildren(juce::Graphics&) override { ready.painted(); }
    bool closed = false;
    PReadyMark ready{*this};
};

/** Writes where the clickable things of the window on top are, whenever that changes. */
class PositionWriter : public juce::Timer
{
public:
    PositionWriter(juce::File target, Bench& benchPane, BenchWindow& benchWindow)
        : file(std::move(target)), bench(benchPane), window(benchWindow)
    {
        startTimer(100);
    }
    void timerCallback() override
    {
        juce::String text = describe();
        if (text == written)
            return;
        written = text;
        const auto temporary = file.getSiblingFile("positions.part");
        if (temporary.replaceWithText(text, false, false, "\n"))
            temporary.moveFileTo(file);
    }

private:
    void add(juce::String& text, const juce::String& name, PWidget* widget)
    {
        auto* c = widget != nullptr ? widget->getComponent() : nullptr;
        if (c == nullptr || !c->isShowing())
            return;
        const auto at = c->getScreenBounds().getCentre();
        text << name << " " << at.x << " " << at.y << "\n";
    }

    juce::String describe()
    {
        juce::String text;
        auto* top = dynamic_cast<juce::DialogWindow*>(juce::ModalComponentManager::getInstance()->getModalComponent(0));
        auto* content = top != nullptr ? dynamic_cast<NPane*>(top->getContentComponent()) : nullptr;
        PWidget* pane = content != nullptr ? content->handler : nullptr;
        if (auto* o = dynamic_cast<POptionDialog*>(pane))
        {
            text << "dialog options\n";
            for (int i = 0; i < POptionDialog::pageCount; ++i)
                add(text, "page" + juce::String(i), o->pageButtons[static_cast<size_t>(i)]);
            add(text, "inch", o->useInch);
            add(text, "dpi", o->exportDpi);
            add(text, "accept", o->accept);
        }
        else if (auto* c = dynamic_cast<PColorEdit*>(pane))
        {
            text << "dialog colour\n";
            add(text, "pick", c->pick[pickedEntry]);
            add(text, "accept", c->accept);
        }
        else if (auto* f = dynamic_cast<PFontEdit*>(pane))
        {
            text << "dialog font\n";
            add(text, "bold", f->bold);
            add(text, "accept", f->accept);
        }
        else if (dynamic_cast<PAbout*>(pane) != nullptr)
            text << "dialog about\n";
        else if (dynamic_cast<PWelcome*>(pane) != nullptr)
            text << "dialog welcome\n";
        else if (top == nullptr)
        {
            text << "dialog none\n";
            add(text, "options", bench.optionButton);
            add(text, "tint", bench.tint);
            add(text, "font", bench.font);
            add(text, "about", bench.about);
            add(text, "welcome", bench.welcome);
            if (auto* close = window.getCloseButton())
            {
                const auto at = close->getScreenBounds().getCentre();
                text << "close " << at.x << " " << at.y << "\n";
            }
        }
        return text;
    }

    juce::File file;
    Bench& bench;
    BenchWindow& window;
    juce::String written;
};
} // namespace

TEST(ScriptedEditors, OptionsColourAndFontByHand)
{
    const auto folder = juce::SystemStats::getEnvironmentVariable("PLUMET_SCRIPT_DIR", {});
    if (folder.isEmpty())
        GTEST_SKIP() << "run by options_gui.sh";
    // The script reads English titles; another language can be asked for to look at its layout.
    const auto language = juce::SystemStats::getEnvironmentVariable("PLUMET_SCRIPT_LANGUAGE", "E");
    installTranslations(
        juce::File(PLUMET_RESOURCES_DIR).getChildFile("comics_locale_" + language + ".lng").loadFileAsString());
    PEditorHost::installForProgram();

    POption options(folder);
    options.palette[pickedEntry] = seededEntry;
    ASSERT_TRUE(options.save().ok());
    TestDocument doc;
    doc.world.options = &options;
    doc.world.helpFlag = true;
    doc.world.editMode = PEditMode::shape;
    const uint32_t fontStyleBefore = doc.text->fontSpec.style;
    // The program's look, which also marks its drop-down lists ready for input.
    PLook look(&options);
    juce::LookAndFeel::setDefaultLookAndFeel(&look);
    {
        Bench bench(&options, doc);
        BenchWindow window(bench);
        PositionWriter writer(juce::File(folder).getChildFile("positions"), bench, window);
        const auto deadline = juce::Time::getMillisecondCounter() + 60000;
        while (!window.closed && juce::Time::getMillisecondCounter() < deadline)
            juce::MessageManager::getInstance()->runDispatchLoopUntil(50);
        EXPECT_TRUE(window.closed) << "the script never closed the bench";
        window.clearContentComponent();
    }
    EXPECT_EQ(doc.curve->fillColour, seededEntry);
    EXPECT_EQ(doc.text->fontSpec.style, fontStyleBefore ^ PFontSpec::bold);
    EXPECT_EQ(doc.world.undoList.size(), 2);
    PWidgetHost::install(nullptr);
    juce::LookAndFeel::setDefaultLookAndFeel(nullptr);
    installTranslations({});
}
