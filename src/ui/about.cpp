#include "ui/about.h"

#include "model/translate.h"
#include "ui/widgets/button.h"
#include "ui/widgets/dialog.h"
#include "ui/widgets/note.h"
#include "ui/widgets/title.h"

namespace
{
constexpr int buttonWidth = 4;
}

PAbout::PAbout(POption* o, const juce::String& version) : PPane(columns, rows, o)
{
    (new PTitle(this, 0, 0, columns, 0))->setText("Plumet Comics");
    text = new PNote(this, 0, 1, columns, rows - 2);
    text->setPlainText(::translate("About.Version") + " " + version + "\n\n" + ::translate("About.Licence"));
    closeButton = new PButton(this, columns - buttonWidth, rows - 1, buttonWidth, 0);
    closeButton->setText("Text.Close");
}

void PAbout::show(POption& options, const juce::String& version)
{
    PDialog dialog(new PAbout(&options, version), "About.Title", true);
    dialog.closeResult = dialog.returnResult = PDialog::accepted;
    (void) dialog.run();
}

void PAbout::onClick(PWidget* source)
{
    if (source == closeButton)
        if (auto* d = findDialog())
            d->close(PDialog::accepted);
}
