#include "ui/tablebrowse.h"

#include "edit/world.h"
#include "model/comic.h"
#include "model/page.h"
#include "model/panel.h"
#include "ui/widgets/button.h"
#include "ui/widgets/dialog.h"
#include "ui/widgets/table.h"

namespace
{
constexpr int buttonWidth = 4, comicColumn = 8;
} // namespace

PTableBrowse::PTableBrowse(const PWorld& world, const PComic* onlyComic, uint16_t classId, POption* o)
    : PPane(columns, rows, o)
{
    table = new PTable(this, 0, 0, -1, rows - 1);
    table->addColumn("Menu.Comic", comicColumn);
    table->addColumn("Field.Name", columns - comicColumn);
    acceptButton = new PButton(this, columns - 2 * buttonWidth, rows - 1, buttonWidth, 0);
    acceptButton->setText("Text.Accept");
    cancelButton = new PButton(this, columns - buttonWidth, rows - 1, buttonWidth, 0);
    cancelButton->setText("Text.Cancel");

    std::vector<PItem*> listed;
    std::vector<juce::StringArray> texts;
    for (int i = 0; i < world.comics.size(); ++i)
    {
        const PComic* comic = world.comicAt(i);
        if (onlyComic != nullptr && comic != onlyComic)
            continue;
        for (auto* item : itemsOf(*comic, classId))
        {
            listed.push_back(item);
            texts.push_back({comic->name.toString(), item->name.toString()});
        }
    }
    table->setRows(listed, texts);
    if (!listed.empty())
        table->selectRow(0);
    acceptButton->setEnabled(!listed.empty());
}

PItem* PTableBrowse::choose(const PWorld& world, const PComic* onlyComic, uint16_t classId, POption* options,
                            const char* titleKey)
{
    auto* pane = new PTableBrowse(world, onlyComic, classId, options);
    PDialog dialog(pane, titleKey, true);
    return dialog.run() == PDialog::accepted ? pane->chosen : nullptr;
}

std::vector<PItem*> PTableBrowse::itemsOf(const PComic& comic, uint16_t classId)
{
    std::vector<PItem*> found;
    auto addAll = [&found](const PArray& list)
    {
        for (PBase* object : list)
            found.push_back(static_cast<PItem*>(object));
    };
    switch (classId)
    {
    case PClass::page: addAll(comic.pages); break;
    case PClass::clip: addAll(comic.clips); break;
    case PClass::decor: addAll(comic.decor); break;
    case PClass::layer:
        for (PBase* page : comic.pages)
            for (PBase* panel : static_cast<PPage*>(page)->panels)
                addAll(static_cast<PPanel*>(panel)->layers);
        break;
    default: break;
    }
    return found;
}

void PTableBrowse::onClick(PWidget* source)
{
    if (source == acceptButton)
        accept();
    else if (source == cancelButton && findDialog() != nullptr)
        findDialog()->close(PDialog::cancelled);
}

void PTableBrowse::onSelect(PWidget*)
{
    acceptButton->setEnabled(table->selectedItem() != nullptr);
}

void PTableBrowse::onCommand(PWidget* source, PKeyCommand key)
{
    if (source == table && key == PKeyCommand::enter)
        accept();
}

void PTableBrowse::accept()
{
    chosen = table->selectedItem();
    if (chosen != nullptr && findDialog() != nullptr)
        findDialog()->close(PDialog::accepted);
}
