#include "ui/comicsetting.h"

#include <algorithm>

#include "edit/notifier.h"
#include "model/choicelists.h"
#include "ui/widgets/button.h"
#include "ui/widgets/check.h"
#include "ui/widgets/combo.h"
#include "ui/widgets/dialog.h"
#include "ui/widgets/edit.h"
#include "ui/widgets/label.h"
#include "ui/widgets/number.h"
#include "ui/widgets/title.h"

namespace
{
// Captions in the first five columns, the controls after them, the unit right of the numbers.
constexpr int captionWidth = 5, fieldColumn = 5, numberWidth = 4, unitColumn = 9, unitWidth = 2, comboWidth = 7;
constexpr int titleRow = 0, authorRow = 1, formatRow = 2, rotateRow = 3, sizeRow = 4, widthRow = 5, heightRow = 6,
              marginRow = 7, noteRow = 8, buttonRow = PComicSetting::rows - 1;
constexpr int buttonWidth = 4, fullWidth = -1;

PLabel* caption(PPane* pane, int row, const char* key, int column = 0, int width = captionWidth)
{
    auto* label = new PLabel(pane, column, row, width, 0);
    label->setText(key);
    return label;
}
} // namespace

PComicSetting::PComicSetting(PComic& edited, POption* o, PPane* openedBy)
    : PPane(columns, rows, o), comic(edited), opener(openedBy)
{
    backup.copySettings(&comic);
    backup.name = comic.name;
    backup.flags = comic.flags;

    caption(this, titleRow, "Comic.Title");
    titleEdit = new PEdit(this, fieldColumn, titleRow, fullWidth, 0);
    caption(this, authorRow, "Comic.Author");
    authorEdit = new PEdit(this, fieldColumn, authorRow, fullWidth, 0);
    caption(this, formatRow, "Comic.Format");
    formatCombo = new PCombo(this, fieldColumn, formatRow, comboWidth, 0);
    formatCombo->fill(PChoiceList::format);
    rotateCheck = new PCheck(this, fieldColumn, rotateRow, fullWidth, 0);
    rotateCheck->setText("Comic.Rotate");

    auto* heading = new PTitle(this, 0, sizeRow, fullWidth, 0);
    heading->setText("ComicSetting.Size");
    caption(this, widthRow, "Comic.Width");
    // Two decimals, which a quarter inch needs; the margin rule bounds the margin by the page.
    widthNumber = new PNumber(this, fieldColumn, widthRow, numberWidth, 0, PNumber::Kind::pageSide);
    widthUnit = caption(this, widthRow, "Text.cm", unitColumn, unitWidth);
    caption(this, heightRow, "Comic.Height");
    heightNumber = new PNumber(this, fieldColumn, heightRow, numberWidth, 0, PNumber::Kind::pageSide);
    heightUnit = caption(this, heightRow, "Text.cm", unitColumn, unitWidth);
    caption(this, marginRow, "Comic.Margin");
    marginNumber = new PNumber(this, fieldColumn, marginRow, numberWidth, 0, PNumber::Kind::offset);
    marginUnit = caption(this, marginRow, "Text.cm", unitColumn, unitWidth);
    marginNote = new PLabel(this, 0, noteRow, fullWidth, 0);

    acceptButton = new PButton(this, columns - 2 * buttonWidth, buttonRow, buttonWidth, 0);
    acceptButton->setText("Text.Accept");
    cancelButton = new PButton(this, columns - buttonWidth, buttonRow, buttonWidth, 0);
    cancelButton->setText("Text.Cancel");

    titleEdit->setValue(comic.name.toString());
    authorEdit->setValue(comic.author.toString());
    fillControls();
}

bool PComicSetting::run(PComic& comic, PPane& opener)
{
    auto* pane = new PComicSetting(comic, opener.getOptions(), &opener);
    PDialog dialog(pane, "ComicSetting.Title", true);
    const bool accepted = dialog.run() == PDialog::accepted;
    // However the dialog ended without acceptance, the comic goes back to how it was.
    if (!accepted)
        pane->cancel();
    return accepted;
}

bool PComicSetting::marginFits(float width, float height, float margin)
{
    return width - 2 * margin >= smallestInnerSize && height - 2 * margin >= smallestInnerSize;
}

void PComicSetting::fillControls()
{
    formatCombo->select(comic.format);
    rotateCheck->setOn(comic.hasFlag(PComic::rotated));
    float fixedWidth = 0, fixedHeight = 0;
    const bool fixed = PPageFormat::sizeOf(comic.format, fixedWidth, fixedHeight);
    // A fixed format sets the size; only its orientation is the user's. Custom sizes do not turn.
    rotateCheck->setEnabled(fixed);
    widthNumber->setEnabled(!fixed);
    heightNumber->setEnabled(!fixed);

    const bool inches = PPageFormat::showsInches(comic.format);
    for (auto* number : {widthNumber, heightNumber, marginNumber})
        number->inches = inches;
    widthNumber->setValue(comic.width);
    heightNumber->setValue(comic.height);
    marginNumber->setValue(comic.margin);
    for (auto* unit : {widthUnit, heightUnit, marginUnit})
        unit->setText(inches ? "Text.in" : "Text.cm");
}

void PComicSetting::readControls(const PWidget* changed)
{
    const float oldMargin = comic.margin;
    comic.name = titleEdit->text;
    comic.author = authorEdit->text;
    if (const int format = formatCombo->selectedCode(); format != 0)
        comic.format = static_cast<uint16_t>(format);
    comic.setFlag(PComic::rotated, rotateCheck->isOn());
    comic.width = std::max(widthNumber->getValue(), smallestSide);
    comic.height = std::max(heightNumber->getValue(), smallestSide);
    comic.margin = std::max(marginNumber->getValue(), 0.0f);
    comic.applyPageFormat();
    // Checked after the format has set the size: a margin that fitted A4 may swallow an A5 page.
    if (marginFits(comic.width, comic.height, comic.margin))
    {
        marginNote->setPlainText({});
        return;
    }
    const bool typed = changed == marginNumber && marginFits(comic.width, comic.height, oldMargin);
    comic.margin = typed ? oldMargin : 0;
    comic.applySettings();
    marginNote->setText(typed ? "ComicSetting.MarginKept" : "ComicSetting.MarginDropped");
}

void PComicSetting::onChange(PWidget* source)
{
    if (finished)
        return;
    if (source == titleEdit)
        comic.name = titleEdit->text;
    else if (source == authorEdit)
        comic.author = authorEdit->text;
    else
    {
        readControls(source);
        fillControls();
        pageChanged();
    }
}

void PComicSetting::onClick(PWidget* source)
{
    if (source == acceptButton)
        accept();
    else if (source == cancelButton)
        cancel();
}

bool PComicSetting::canClose()
{
    cancel();
    return true;
}

void PComicSetting::accept()
{
    if (finished)
        return;
    readControls();
    comic.invalidate();
    pageChanged();
    finish(PDialog::accepted);
}

void PComicSetting::cancel()
{
    if (finished)
        return;
    comic.copySettings(&backup);
    comic.name = backup.name;
    comic.setFlag(PComic::rotated, backup.hasFlag(PComic::rotated));
    // The size as it was, not as the format would compute it: a comic stays exactly as it came.
    comic.applySettings();
    pageChanged();
    finish(PDialog::cancelled);
}

void PComicSetting::pageChanged()
{
    if (opener != nullptr)
        opener->broadcast(PNotify::geometry);
}

void PComicSetting::finish(int result)
{
    finished = true;
    if (auto* d = findDialog())
        d->close(result);
}
