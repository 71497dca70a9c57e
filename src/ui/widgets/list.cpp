#include "ui/widgets/list.h"

#include <algorithm>
#include <utility>

#include "model/item.h"
#include "model/option.h"
#include "ui/widgets/nlist.h"

namespace
{
constexpr int textMargin = 4;
constexpr float hiddenAlpha = 0.45f;
} // namespace

PList::PList(PPane* parentPane, int gx, int gy, int gw, int gh) : PWidget(parentPane, gx, gy, gw, gh)
{
    attachPeer(std::make_unique<NList>(*this));
    refreshLook();
}

PList::~PList()
{
    peer.reset();
}

PList::PList(PPane* parentPane, int gx, int gy, int gw, int gh, NoPeer) : PWidget(parentPane, gx, gy, gw, gh) {}

juce::ListBox* PList::listBox() const
{
    return dynamic_cast<juce::ListBox*>(getComponent());
}

int PList::rowHeight() const
{
    auto* o = getOptions();
    return (o != nullptr ? o->cell - o->u + 2 : 20) * std::max(rowLines, 1);
}

void PList::layout()
{
    setPeerBounds(gridBox());
}

void PList::refreshLook()
{
    if (auto* box = listBox())
    {
        box->setRowHeight(rowHeight());
        box->setColour(juce::ListBox::backgroundColourId, juce::Colours::white);
        box->setColour(juce::ListBox::outlineColourId, darkColour());
        box->setOutlineThickness(1);
    }
    layout();
    if (auto* c = getComponent())
        c->repaint();
}

void PList::setItems(const std::vector<PItem*>& rows)
{
    PItem* keep = nullptr;
    if (auto r = selectedRow(); r >= 0 && r < rowCount())
        keep = items[static_cast<size_t>(r)];
    items = rows;
    dropRow = -1;
    const bool wasQuiet = std::exchange(quiet, true);
    if (auto* box = listBox())
        box->updateContent();
    selectItem(keep);
    quiet = wasQuiet;
}

int PList::selectedRow() const
{
    auto* box = listBox();
    if (box == nullptr)
        return -1;
    const int row = box->getSelectedRow();
    return row >= 0 && row < rowCount() ? row : -1;
}

PItem* PList::selectedItem() const
{
    const int row = selectedRow();
    if (row < 0)
        return nullptr;
    PItem* item = items[static_cast<size_t>(row)];
    return item != nullptr && !item->hasFlag(PFlag::hidden) ? item : nullptr;
}

void PList::selectRow(int row)
{
    const bool wasQuiet = std::exchange(quiet, true);
    if (auto* box = listBox())
    {
        if (row >= 0 && row < rowCount())
            box->selectRow(row, false, true);
        else
            box->deselectAllRows();
    }
    cachedItem = selectedItem();
    quiet = wasQuiet;
}

void PList::selectItem(const PItem* item)
{
    const auto found = std::find(items.begin(), items.end(), item);
    selectRow(item != nullptr && found != items.end() ? static_cast<int>(found - items.begin()) : -1);
}

void PList::activate()
{
    PItem* item = selectedItem();
    if (item == cachedItem || quiet)
    {
        cachedItem = item;
        return;
    }
    cachedItem = item;
    if (owner != nullptr)
        owner->onSelect(this);
}

void PList::command(PKeyCommand key)
{
    if (owner != nullptr)
        owner->onCommand(this, key);
}

void PList::popup()
{
    if (owner != nullptr)
        owner->onPopup(this);
}

void PList::paintRow(juce::Graphics& g, int row, int width, int height, bool selected)
{
    if (row < 0 || row >= rowCount())
        return;
    const PItem* item = items[static_cast<size_t>(row)];
    const auto background = selected ? darkColour() : juce::Colours::white;
    g.fillAll(background);
    if (item == nullptr)
        return;
    auto ink = textOn(background);
    auto rowFont = font(FontRole::caption);
    if (item->hasFlag(PFlag::hidden))
    {
        ink = ink.withMultipliedAlpha(hiddenAlpha);
        rowFont = rowFont.italicised();
    }
    g.setColour(ink);
    g.setFont(rowFont);
    auto area = juce::Rectangle<int>(0, 0, width, height).reduced(textMargin, 0);
    PName status;
    if (showStatus && item->statusText(status))
    {
        const auto word = status.toString();
        const int wordWidth = rowFont.getStringWidth(word) + textMargin;
        g.drawText(word, area.removeFromRight(wordWidth), juce::Justification::centredRight, false);
    }
    g.drawText(item->name.toString(), area, juce::Justification::centredLeft, true);
}

bool PList::moveRow(std::vector<PItem*>& rows, int from, int insertBefore)
{
    const int count = static_cast<int>(rows.size());
    if (from < 0 || from >= count)
        return false;
    insertBefore = std::clamp(insertBefore, 0, count);
    const int to = insertBefore > from ? insertBefore - 1 : insertBefore;
    if (to == from)
        return false;
    PItem* moving = rows[static_cast<size_t>(from)];
    rows.erase(rows.begin() + from);
    rows.insert(rows.begin() + to, moving);
    return true;
}

bool PList::getDragInfo(PDragKind& kind, int& firstRow, int& count)
{
    const int row = selectedRow();
    if (dragKind == PDragKind::none || row < 0)
        return false;
    kind = dragKind;
    firstRow = row;
    count = 1;
    return true;
}

bool PList::acceptsDrag(PDragKind kind, int firstRow, int count)
{
    return dragKind != PDragKind::none && kind == dragKind && count == 1 && firstRow >= 0 && firstRow < rowCount();
}

void PList::setDropRow(int row)
{
    if (row == dropRow)
        return;
    dropRow = row;
    if (auto* c = getComponent())
        c->repaint();
}

void PList::onDragMove(PWidget* source, PDragKind kind, int firstRow, int mx, int my)
{
    auto* box = listBox();
    if (source != this || box == nullptr || !acceptsDrag(kind, firstRow, 1))
        return;
    setDropRow(box->getInsertionIndexForPosition(mx, my));
}

void PList::onDragDrop(PWidget* source, PDragKind kind, int firstRow, int mx, int my)
{
    auto* box = listBox();
    setDropRow(-1);
    if (source != this || box == nullptr || !acceptsDrag(kind, firstRow, 1))
        return;
    PItem* moving = items[static_cast<size_t>(firstRow)];
    if (!reorder(firstRow, box->getInsertionIndexForPosition(mx, my)))
        return;
    box->updateContent();
    selectItem(moving);
    if (owner != nullptr)
        owner->onReorder(this);
}

void PList::paint(juce::Graphics& g)
{
    auto* box = listBox();
    if (dropRow < 0 || box == nullptr)
        return;
    // The insertion mark: a bar between the rows where the dragged row would land.
    const int barY = dropRow < rowCount() ? box->getRowPosition(dropRow, true).getY()
                                          : box->getRowPosition(rowCount() - 1, true).getBottom();
    g.setColour(darkColour().darker(0.6f));
    g.fillRect(0, barY - 1, box->getWidth(), 2);
}
