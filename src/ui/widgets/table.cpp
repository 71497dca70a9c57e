#include "ui/widgets/table.h"

#include <algorithm>

#include "model/item.h"
#include "model/option.h"
#include "model/translate.h"
#include "ui/widgets/ntable.h"

namespace
{
constexpr int textMargin = 4;
}

PTable::PTable(PPane* parentPane, int gx, int gy, int gw, int gh) : PList(parentPane, gx, gy, gw, gh, NoPeer{})
{
    attachPeer(std::make_unique<NTable>(*this));
    refreshLook();
}

PTable::~PTable()
{
    peer.reset();
}

void PTable::refreshLook()
{
    PList::refreshLook();
    auto* o = getOptions();
    auto* box = dynamic_cast<juce::TableListBox*>(getComponent());
    if (box == nullptr || o == nullptr)
        return;
    auto& header = box->getHeader();
    for (int i = 0; i < static_cast<int>(columnCells.size()); ++i)
        header.setColumnWidth(i + 1, columnCells[static_cast<size_t>(i)] * o->cell);
    box->setHeaderHeight(rowHeight());
}

void PTable::addColumn(const juce::String& key, int widthCells)
{
    auto* box = dynamic_cast<juce::TableListBox*>(getComponent());
    if (box == nullptr)
        return;
    columnCells.push_back(widthCells);
    auto* o = getOptions();
    const int width = widthCells * (o != nullptr ? o->cell : 24);
    box->getHeader().addColumn(::translate(key), static_cast<int>(columnCells.size()), width, 10, -1,
                               juce::TableHeaderComponent::visible | juce::TableHeaderComponent::resizable);
}

void PTable::setRows(const std::vector<PItem*>& rowItems, const std::vector<juce::StringArray>& rowTexts)
{
    texts = rowTexts;
    texts.resize(rowItems.size());
    setItems(rowItems);
}

juce::String PTable::cellText(int row, int column) const
{
    if (row < 0 || row >= static_cast<int>(texts.size()))
        return {};
    return texts[static_cast<size_t>(row)][column];
}

void PTable::paintRow(juce::Graphics& g, int row, int, int, bool selected)
{
    if (row >= 0 && row < rowCount())
        g.fillAll(selected ? darkColour() : juce::Colours::white);
}

void PTable::paintCell(juce::Graphics& g, int row, int column, int width, int height, bool selected)
{
    if (row < 0 || row >= rowCount())
        return;
    const PItem* item = items[static_cast<size_t>(row)];
    auto ink = textOn(selected ? darkColour() : juce::Colours::white);
    auto cellFont = font(FontRole::caption);
    if (item != nullptr && item->hasFlag(PFlag::hidden))
    {
        ink = ink.withMultipliedAlpha(0.45f);
        cellFont = cellFont.italicised();
    }
    g.setColour(ink);
    g.setFont(cellFont);
    g.drawText(cellText(row, column), textMargin, 0, width - 2 * textMargin, height, juce::Justification::centredLeft,
               true);
}

bool PTable::reorder(int from, int insertBefore)
{
    auto moved = items;
    insertBefore = std::clamp(insertBefore, 0, rowCount());
    if (!moveRow(moved, from, insertBefore))
        return false;
    // The texts travel with their rows.
    texts.resize(items.size());
    const int to = insertBefore > from ? insertBefore - 1 : insertBefore;
    auto row = texts[static_cast<size_t>(from)];
    texts.erase(texts.begin() + from);
    texts.insert(texts.begin() + to, row);
    items = moved;
    return true;
}
