#include "ui/pagepane.h"

#include "draw/pagepicture.h"
#include "edit/actioncopy.h"
#include "edit/actioncut.h"
#include "edit/world.h"
#include "model/comic.h"
#include "model/page.h"
#include "ui/canvas2.h"
#include "ui/command.h"
#include "ui/popup.h"
#include "ui/shapepane.h"
#include "ui/tablebrowse.h"
#include "ui/widgets/button.h"
#include "ui/widgets/edit.h"
#include "ui/widgets/label.h"
#include "ui/widgets/list.h"
#include "ui/widgets/title.h"

namespace
{
constexpr int listTop = 1, listRows = 8, labelRow = 9, nameRow = 10, editTitleRow = 11, ringRow = 12, addRow = 14,
              shapeTop = 15, third = 4, half = 6, nameLabelWidth = 4;
constexpr int pictureMargin = 2, textMargin = 4, pictureLines = 3;
/** The open comic changed wholesale: every pane reads it afresh. */

/** Pages with a small picture of each beside the name, so that the artist finds a page by eye.
    The pictures are kept until the pages change. */
class PageList : public PList
{
public:
    PageList(PPane* pane, int gx, int gy, int gw, int gh) : PList(pane, gx, gy, gw, gh)
    {
        rowLines = pictureLines;
        refreshLook();
    }

    void paintRow(juce::Graphics& g, int row, int width, int height, bool selected) override
    {
        if (row < 0 || row >= rowCount())
            return;
        auto* page = static_cast<PPage*>(items[static_cast<size_t>(row)]);
        const auto background = selected ? darkColour() : juce::Colours::white;
        g.fillAll(background);
        const int side = height - 2 * pictureMargin;
        const int pictureWidth =
            page->height > 0 ? static_cast<int>(static_cast<float>(side) * page->width / page->height) : side;
        auto& picture = pictures[page];
        if (!picture.isValid() || picture.getHeight() != side)
            picture = drawPagePicture(*page, std::max(pictureWidth, 1), std::max(side, 1), false, getOptions());
        if (picture.isValid())
        {
            g.drawImageAt(picture, pictureMargin, pictureMargin);
            g.setColour(juce::Colours::grey);
            g.drawRect(pictureMargin, pictureMargin, picture.getWidth(), picture.getHeight());
        }
        g.setColour(textOn(background));
        g.setFont(font(FontRole::caption));
        const int textLeft = pictureMargin + pictureWidth + textMargin;
        g.drawText(page->name.toString(), textLeft, 0, width - textLeft - textMargin, height,
                   juce::Justification::centredLeft, true);
    }

    std::map<const PPage*, juce::Image> pictures;
};
} // namespace

PPagePane::PPagePane(PPane* parentPane, int gx, int gy, int gw, int gh)
    : PSidePane(parentPane, gx, gy, gw, gh, PPaneKind::pages)
{
    addTitle("Page.List", PPopup::Kind::pagePopup, PClass::page);
    list = new PageList(this, 0, listTop, -1, listRows);
    (new PLabel(this, 0, labelRow, -1, 0))->setText("Page.Label");
    (new PLabel(this, 0, nameRow, nameLabelWidth, 0))->setText("Field.Name");
    nameField = new PEdit(this, nameLabelWidth, nameRow, -1, 0);
    (new PTitle(this, 0, editTitleRow, -1, 0))->setText("Edit.Title");
    addModeButton(0, ringRow, third, "Edit.Draw", PEditMode::draw)->setTooltip("Edit.TipDrawPanel");
    addModeButton(third, ringRow, third, "Edit.Panel", PEditMode::shape);
    addModeButton(2 * third, ringRow, -1, "Edit.Point", PEditMode::point);
    addModeButton(0, ringRow + 1, half, "Edit.Layer", PEditMode::attachment);
    addModeButton(half, ringRow + 1, -1, "Edit.Wall", PEditMode::wallpaper);
    addCommandButton(0, addRow, -1, "Edit.AddPanel", Command::addPanel);
    shapePane = new PShapePane(this, 0, shapeTop, -1, -1);
    properties = shapePane;
}

PPagePane::~PPagePane() = default;

void PPagePane::setWorld(PWorld* session, PCanvas2* pageCanvas)
{
    PSidePane::setWorld(session, pageCanvas);
    refresh(true);
}

PPage* PPagePane::currentPage() const
{
    return world != nullptr ? static_cast<PPage*>(world->context.target(PClass::page)) : nullptr;
}

void PPagePane::refresh(bool force)
{
    PComic* comicNow = comic();
    PPage* pageNow = currentPage();
    auto* pages = static_cast<PageList*>(list);
    if (comicNow != shownComic)
        pages->pictures.clear();
    if (force || comicNow != shownComic)
    {
        std::vector<PItem*> rows;
        if (comicNow != nullptr)
            for (PBase* page : comicNow->pages)
                rows.push_back(static_cast<PItem*>(page));
        list->quiet = true;
        list->setItems(rows);
        list->quiet = false;
    }
    if (force || comicNow != shownComic || pageNow != shownPage)
    {
        list->quiet = true;
        list->selectItem(pageNow);
        list->quiet = false;
        nameField->setValue(pageNow != nullptr ? pageNow->name.toString() : juce::String());
    }
    nameField->setEnabled(pageNow != nullptr);
    shownComic = comicNow;
    shownPage = pageNow;
    showMode();
}

void PPagePane::onChange(PWidget* source)
{
    if (source == nameField)
        rename(currentPage(), *nameField);
    else
        (void) runCommand(source);
}

void PPagePane::onSelect(PWidget* source)
{
    if (source != list || world == nullptr)
        return;
    auto* chosen = static_cast<PPage*>(list->selectedItem());
    if (chosen == currentPage())
        return;
    world->context.setTarget(chosen, PClass::page);
    world->broadcast(PNotify::selection);
}

void PPagePane::updateMenu()
{
    const bool open = comic() != nullptr, withPage = open && currentPage() != nullptr;
    for (PCommand code : {PCommand::create, PCommand::import})
        menu->setEnabled(code, open);
    menu->setEnabled(PCommand::paste, open && world->clipboardEntry(PClass::page) != nullptr);
    for (PCommand code : {PCommand::cut, PCommand::copy, PCommand::exportJpg, PCommand::exportPng, PCommand::exportPdf,
                          PCommand::exportSvg, PCommand::inkSeries, PCommand::colourSeries})
        menu->setEnabled(code, withPage);
    menu->rebuild();
}

void PPagePane::onMenu(PCommand code)
{
    PComic* open = comic();
    if (world == nullptr || open == nullptr)
        return;
    PPage* page = currentPage();
    switch (code)
    {
    case PCommand::create: open->newPage(new PPage(), *world); return;
    case PCommand::import: addCopy(chooseItem != nullptr ? static_cast<const PPage*>(chooseItem()) : nullptr); return;
    case PCommand::paste: addCopy(static_cast<const PPage*>(world->clipboardEntry(PClass::page))); return;
    default: break;
    }
    if (page == nullptr)
        return;
    switch (code)
    {
    case PCommand::cut: world->record(std::make_unique<PActionCut>(*world, open->pages, page)); return;
    case PCommand::copy: world->record(std::make_unique<PActionCopy>(*world, page)); return;
    case PCommand::exportJpg:
    case PCommand::exportPng:
    case PCommand::exportPdf:
    case PCommand::exportSvg:
    case PCommand::inkSeries:
    case PCommand::colourSeries:
        if (exportPage != nullptr)
            exportPage(code);
        return;
    default: return;
    }
}

void PPagePane::addCopy(const PPage* source)
{
    if (source == nullptr)
        return;
    auto* copy = static_cast<PPage*>(source->clone());
    const bool withPanels = !copy->panels.isEmpty();
    comic()->newPage(copy, *world);
    // The canvas keeps a picture of the page; a page with artwork must be drawn afresh.
    if (withPanels)
        world->broadcast(PNotify::highQualityFrame);
}

void PPagePane::onNotify(PNotify code)
{
    auto& pictures = static_cast<PageList*>(list)->pictures;
    switch (code)
    {
    case PNotify::geometry:
    case PNotify::attribute: pictures.erase(currentPage()); break;
    case PNotify::itemList:
    case PNotify::rebuild: pictures.clear(); break;
    case PNotify::selection:
    case PNotify::modeChanged: break;
    default: return;
    }
    refresh(code != PNotify::modeChanged);
    if (auto* c = list->getComponent())
        c->repaint();
}

void PPagePane::setVisible(bool on)
{
    // A hidden pane hears nothing, so the pictures may show pages as they were before.
    if (on && !isVisible())
        static_cast<PageList*>(list)->pictures.clear();
    PSidePane::setVisible(on);
}
