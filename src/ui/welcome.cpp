#include "ui/welcome.h"

#include "ui/widgets/button.h"
#include "ui/widgets/dialog.h"
#include "ui/widgets/note.h"
#include "ui/widgets/title.h"

namespace
{
constexpr int buttonWidth = 6;
}

PWelcome::PWelcome(POption* o) : PPane(columns, rows, o)
{
    (new PTitle(this, 0, 0, columns, 0))->setText("Welcome.Title");
    info = new PNote(this, 0, 1, columns, rows - 2);
    info->setText("Welcome.Info");
    edit = new PButton(this, columns - buttonWidth, rows - 1, buttonWidth, 0);
    edit->setText("Welcome.Edit");
    edit->setTooltip("Welcome.TipEdit");
}

void PWelcome::show(POption& options)
{
    PDialog dialog(new PWelcome(&options), "Welcome.Title", true);
    dialog.closeResult = dialog.returnResult = PDialog::accepted;
    (void) dialog.run();
}

void PWelcome::onClick(PWidget* source)
{
    if (source == edit)
        if (auto* d = findDialog())
            d->close(PDialog::accepted);
}
