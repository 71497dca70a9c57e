#include "ui/widgets/nlist.h"

#include "ui/widgets/list.h"
#include "ui/widgets/npane.h"

namespace
{
const juce::String dragTag = "plumet-rows";
} // namespace

NList::NList(PList& owner) : NPeer(owner), list(owner)
{
    setModel(this);
    setMultipleSelectionEnabled(false);
}

NList::~NList()
{
    setModel(nullptr);
}

int NList::getNumRows()
{
    return list.rowCount();
}

void NList::paintListBoxItem(int row, juce::Graphics& g, int width, int height, bool isSelected)
{
    list.paintRow(g, row, width, height, isSelected);
}

void NList::selectedRowsChanged(int)
{
    list.activate();
}

void NList::listBoxItemClicked(int, const juce::MouseEvent& e)
{
    if (e.mods.isPopupMenu())
        list.popup();
}

void NList::listBoxItemDoubleClicked(int, const juce::MouseEvent& e)
{
    if (!e.mods.isPopupMenu())
        list.command(PKeyCommand::enter);
}

juce::var NList::describeDrag(PDragKind kind, int firstRow, int rowCount)
{
    return dragTag + ":" + juce::String(static_cast<int>(kind)) + ":" + juce::String(firstRow) + ":" +
           juce::String(rowCount);
}

bool NList::readDrag(const juce::var& description, PDragKind& kind, int& firstRow, int& rowCount)
{
    auto parts = juce::StringArray::fromTokens(description.toString(), ":", "");
    if (parts.size() != 4 || parts[0] != dragTag)
        return false;
    const int code = parts[1].getIntValue();
    if (code <= static_cast<int>(PDragKind::none) || code > static_cast<int>(PDragKind::tableRow))
        return false;
    kind = static_cast<PDragKind>(code);
    firstRow = parts[2].getIntValue();
    rowCount = parts[3].getIntValue();
    return true;
}

juce::var NList::getDragSourceDescription(const juce::SparseSet<int>&)
{
    PDragKind kind = PDragKind::none;
    int first = 0, count = 0;
    if (!list.getDragInfo(kind, first, count))
        return {};
    return describeDrag(kind, first, count);
}

bool NList::forwardKey(PList& target, const juce::KeyPress& key)
{
    const int code = key.getKeyCode();
    if (code == juce::KeyPress::upKey || code == juce::KeyPress::downKey)
        return false;
    const PKeyCommand command = code == juce::KeyPress::deleteKey || code == juce::KeyPress::backspaceKey
                                    ? PKeyCommand::remove
                                    : NPane::commandForKey(key);
    if (command == PKeyCommand::none)
        return false;
    target.command(command);
    return true;
}

bool NList::keyPressed(const juce::KeyPress& key)
{
    return forwardKey(list, key) || ListBox::keyPressed(key);
}

bool NList::isInterestedInDragSource(const SourceDetails& details)
{
    PDragKind kind = PDragKind::none;
    int first = 0, count = 0;
    return details.sourceComponent.get() == this && readDrag(details.description, kind, first, count) &&
           list.acceptsDrag(kind, first, count);
}

void NList::itemDragMove(const SourceDetails& details)
{
    PDragKind kind = PDragKind::none;
    int first = 0, count = 0;
    if (readDrag(details.description, kind, first, count))
        list.onDragMove(&list, kind, first, details.localPosition.x, details.localPosition.y);
}

void NList::itemDragExit(const SourceDetails&)
{
    list.setDropRow(-1);
}

void NList::itemDropped(const SourceDetails& details)
{
    PDragKind kind = PDragKind::none;
    int first = 0, count = 0;
    if (readDrag(details.description, kind, first, count))
        list.onDragDrop(&list, kind, first, details.localPosition.x, details.localPosition.y);
}
