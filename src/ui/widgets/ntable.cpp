#include "ui/widgets/ntable.h"

#include "ui/widgets/nlist.h"
#include "ui/widgets/table.h"

namespace
{
}

NTable::NTable(PTable& owner) : NPeer(owner), table(owner)
{
    setModel(this);
    setMultipleSelectionEnabled(false);
}

NTable::~NTable()
{
    setModel(nullptr);
}

int NTable::getNumRows()
{
    return table.rowCount();
}

void NTable::paintRowBackground(juce::Graphics& g, int row, int width, int height, bool isSelected)
{
    table.paintRow(g, row, width, height, isSelected);
}

void NTable::paintCell(juce::Graphics& g, int row, int columnId, int width, int height, bool isSelected)
{
    table.paintCell(g, row, columnId - 1, width, height, isSelected);
}

void NTable::selectedRowsChanged(int)
{
    table.activate();
}

void NTable::cellClicked(int, int, const juce::MouseEvent& e)
{
    if (e.mods.isPopupMenu())
        table.popup();
}

void NTable::cellDoubleClicked(int, int, const juce::MouseEvent& e)
{
    if (!e.mods.isPopupMenu())
        table.command(PKeyCommand::enter);
}

juce::var NTable::getDragSourceDescription(const juce::SparseSet<int>&)
{
    PDragKind kind = PDragKind::none;
    int first = 0, count = 0;
    if (!table.getDragInfo(kind, first, count))
        return {};
    return NList::describeDrag(kind, first, count);
}

bool NTable::keyPressed(const juce::KeyPress& key)
{
    return NList::forwardKey(table, key) || TableListBox::keyPressed(key);
}

bool NTable::isInterestedInDragSource(const SourceDetails& details)
{
    PDragKind kind = PDragKind::none;
    int first = 0, count = 0;
    return details.sourceComponent.get() == this && NList::readDrag(details.description, kind, first, count) &&
           table.acceptsDrag(kind, first, count);
}

void NTable::itemDragMove(const SourceDetails& details)
{
    PDragKind kind = PDragKind::none;
    int first = 0, count = 0;
    if (NList::readDrag(details.description, kind, first, count))
        table.onDragMove(&table, kind, first, details.localPosition.x, details.localPosition.y);
}

void NTable::itemDragExit(const SourceDetails&)
{
    table.setDropRow(-1);
}

void NTable::itemDropped(const SourceDetails& details)
{
    PDragKind kind = PDragKind::none;
    int first = 0, count = 0;
    if (NList::readDrag(details.description, kind, first, count))
        table.onDragDrop(&table, kind, first, details.localPosition.x, details.localPosition.y);
}
