#include <gtest/gtest.h>

#include "../support/testdocument.h"
#include "edit/actionproperty.h"
#include "model/typeface.h"
#include "ui/editorhost.h"
#include "ui/fontedit.h"
#include "ui/widgets/button.h"
#include "ui/widgets/check.h"
#include "ui/widgets/dialog.h"
#include "ui/widgets/list.h"
#include "ui/widgets/recorder.h"
#include "ui/widgets/style.h"
#include "ui/widgets/switch.h"

namespace
{
const juce::StringArray faces{"Alpha Sans", "Beta Serif", "Gamma Mono"};

PFontSpec fontOf(const char* face, uint16_t size, int32_t style)
{
    PFontSpec font;
    font.face.assign(face);
    font.size = size;
    font.style = style;
    return font;
}

void chooseRow(PFontEdit& edit, int row)
{
    edit.faces->selectRow(row);
    edit.faces->cachedItem = nullptr; // as if the user moved the selection
    edit.faces->activate();
}

TEST(FontEditor, CancelRestoresTypefaceSizeAndStyle)
{
    POption options;
    PFontSpec font = fontOf("Beta Serif", 30, PFontSpec::italic | 0x100);
    PFontEdit edit(&options, &font, faces);
    EXPECT_EQ(edit.faces->selectedRow(), 1);
    EXPECT_EQ(edit.height->getValue(), 25) << "30 and 25 give the same 8 points";
    EXPECT_TRUE(edit.italic->isOn());

    chooseRow(edit, 2);
    click(*edit.height->buttons[4]);
    click(*edit.bold);
    click(*edit.italic);
    EXPECT_EQ(font, fontOf("Gamma Mono", 100, PFontSpec::bold | 0x100)) << "style bits it does not know stay";

    click(*edit.cancel);
    EXPECT_EQ(font, fontOf("Beta Serif", 30, PFontSpec::italic | 0x100));
    EXPECT_EQ(edit.faces->selectedRow(), 1);
    EXPECT_FALSE(edit.bold->isOn());
}

TEST(FontEditor, AFaceTheSystemLacksIsListedButCannotBeChosen)
{
    POption options;
    PFontSpec font = fontOf("Comic Sans MS", 50, 0);
    PFontEdit edit(&options, &font, faces);
    ASSERT_EQ(edit.faces->rowCount(), 4);
    EXPECT_EQ(edit.faces->selectedRow(), 0);
    chooseRow(edit, 2);
    chooseRow(edit, 0);
    EXPECT_EQ(font.face.toString(), "Beta Serif");
}

TEST(FontEditor, PresetsArePickedAndStoredInTheOptions)
{
    POption options;
    options.setFontPreset(4, fontOf("Alpha Sans", 75, PFontSpec::underlined));
    PFontSpec font = fontOf("Beta Serif", 50, 0);
    PFontEdit edit(&options, &font, faces);
    click(*edit.pick[4]);
    EXPECT_EQ(font, options.fontPreset(4));
    EXPECT_EQ(edit.faces->selectedRow(), 0);
    EXPECT_TRUE(edit.underlined->isOn());
    EXPECT_EQ(edit.height->getValue(), 75);

    click(*edit.bold);
    click(*edit.store[9]);
    click(*edit.cancel);
    EXPECT_EQ(options.fontPreset(9), fontOf("Alpha Sans", 75, PFontSpec::underlined | PFontSpec::bold));
    EXPECT_EQ(edit.pick[9]->fontSpec, options.fontPreset(9));
    EXPECT_TRUE(options.modified);
}

TEST(FontEditor, AnAcceptedFontOnATextIsOneUndoEntryACancelledOneNone)
{
    TestDocument d;
    struct TextPane : PPane
    {
        TextPane(TestDocument& document) : PPane(10, 4, &document.options), doc(document)
        {
            button = new PStyle(this, 0, 0, 6, 0);
            button->setFontSpec(doc.text->fontSpec);
        }
        void onChange(PWidget*) override
        {
            doc.world.record(std::make_unique<PActionProperty<PFontSpec>>(doc.world, doc.text, PProperties::font,
                                                                          doc.text->fontSpec, button->fontSpec));
        }
        TestDocument& doc;
        PStyle* button = nullptr;
    } pane(d);
    const PFontSpec before = d.text->fontSpec;
    PEditorHost::installForProgram();
    for (bool acceptIt : {false, true})
    {
        PDialog::scriptedRun = [acceptIt](PDialog& dialog)
        {
            auto* edit = dynamic_cast<PFontEdit*>(dialog.pane);
            ASSERT_NE(edit, nullptr);
            click(*edit->italic);
            click(acceptIt ? *edit->accept : *edit->cancel);
        };
        click(*pane.button);
        EXPECT_EQ(d.world.undoList.size(), acceptIt ? 1 : 0);
    }
    PDialog::scriptedRun = nullptr;
    PWidgetHost::install(nullptr);
    EXPECT_EQ(d.text->fontSpec.style, before.style | PFontSpec::italic);
    d.world.undo();
    EXPECT_EQ(d.text->fontSpec, before);
}
} // namespace
