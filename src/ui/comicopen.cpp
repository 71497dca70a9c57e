#include "ui/comicopen.h"

#include <algorithm>
#include <vector>

#include "edit/world.h"
#include "model/comic.h"
#include "model/translate.h"
#include "ui/widgets/button.h"
#include "ui/widgets/dialog.h"
#include "ui/widgets/label.h"
#include "ui/widgets/list.h"

namespace
{
constexpr int listTop = 1, listRows = PComicOpen::rows - 2, buttonRow = PComicOpen::rows - 1;
constexpr int buttonWidth = 4, fullWidth = -1;
constexpr int rowTextMargin = 4;

/** The comics, under the row of the comic not yet made. That row is no item to the list, yet to
    the user it is a choice like the others: it keeps full ink and only reads in italics. */
class ComicList : public PList
{
public:
    using PList::PList;

    void paintRow(juce::Graphics& g, int row, int width, int height, bool selected) override
    {
        if (row != 0 || rowCount() == 0)
        {
            PList::paintRow(g, row, width, height, selected);
            return;
        }
        const auto background = selected ? darkColour() : juce::Colours::white;
        g.fillAll(background);
        g.setColour(textOn(background));
        g.setFont(font(FontRole::caption).italicised());
        g.drawText(items.front()->name.toString(), juce::Rectangle<int>(0, 0, width, height).reduced(rowTextMargin, 0),
                   juce::Justification::centredLeft, true);
    }
};
} // namespace

PComicOpen::PComicOpen(PWorld& session, POption* o) : PPane(columns, rows, o), world(session)
{
    auto* caption = new PLabel(this, 0, 0, fullWidth, 0);
    caption->setText("ComicOpen.Choose");
    list = new ComicList(this, 0, listTop, fullWidth, listRows);
    list->showStatus = true;
    acceptButton = new PButton(this, columns - 2 * buttonWidth, buttonRow, buttonWidth, 0);
    cancelButton = new PButton(this, columns - buttonWidth, buttonRow, buttonWidth, 0);
    cancelButton->setText("ComicOpen.Cancel");

    placeholder.name.assign(::translate("ComicOpen.Empty"));
    placeholder.flags |= PFlag::hidden;
    fillList();
}

PComic* PComicOpen::run(PWorld& world, POption& options)
{
    auto* pane = new PComicOpen(world, &options);
    PDialog dialog(pane, "ComicOpen.Title", true);
    return dialog.run() == PDialog::accepted ? pane->chosen : nullptr;
}

void PComicOpen::fillList()
{
    std::vector<PComic*> comics;
    for (int i = 0; i < world.comics.size(); ++i)
        comics.push_back(world.comicAt(i));
    // The folder lists files in no useful order; people look for a title.
    std::stable_sort(comics.begin(), comics.end(),
                     [](const PComic* a, const PComic* b)
                     { return a->name.toString().compareNatural(b->name.toString()) < 0; });
    std::vector<PItem*> listed{&placeholder};
    listed.insert(listed.end(), comics.begin(), comics.end());
    list->setItems(listed);

    // Start on the comic that is open, else on the first one, so that Return opens something sensible.
    PComic* preselected = comics.empty() ? nullptr : comics.front();
    for (auto* comic : comics)
        if (comic->hasFlag(PFlag::current))
            preselected = comic;
    choose(preselected);
}

void PComicOpen::choose(const PComic* comic)
{
    if (comic != nullptr)
        list->selectItem(comic);
    else
        list->selectRow(0);
    updateAcceptButton();
}

bool PComicOpen::placeholderChosen() const
{
    return list->selectedRow() == 0;
}

void PComicOpen::updateAcceptButton()
{
    acceptButton->setText(placeholderChosen() ? "ComicOpen.Create" : "ComicOpen.Open");
    acceptButton->setEnabled(list->selectedRow() >= 0);
}

void PComicOpen::onSelect(PWidget* source)
{
    if (source == list)
        updateAcceptButton();
}

void PComicOpen::onClick(PWidget* source)
{
    if (source == acceptButton)
        accept();
    else if (source == cancelButton)
        cancel();
}

void PComicOpen::onCommand(PWidget* source, PKeyCommand key)
{
    if (source == list && key == PKeyCommand::enter)
        accept();
}

PComic* PComicOpen::createComic()
{
    auto* comic = new PComic(world.projectsFolder);
    comic->flags |= userComic;
    comic->setting3 = comic->setting4 = 0;
    comic->name.assign(::translate("ComicOpen.Unnamed"));
    comic->tag = 0;
    // Two comics made within the same second would otherwise share a file and overwrite each other.
    world.adoptNewComic(comic);
    return comic;
}

void PComicOpen::accept()
{
    if (chosen != nullptr)
        return; // already accepted: a second Return must not make a second comic
    if (placeholderChosen())
        chosen = createComic();
    else
        chosen = dynamic_cast<PComic*>(list->selectedItem());
    if (chosen != nullptr)
        finish(PDialog::accepted);
}

void PComicOpen::cancel()
{
    chosen = nullptr;
    finish(PDialog::cancelled);
}

void PComicOpen::finish(int result)
{
    if (auto* d = findDialog())
        d->close(result);
}
