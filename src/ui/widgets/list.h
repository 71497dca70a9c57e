#pragma once

#include <vector>

#include "ui/widgets/widget.h"

class PItem;

/** A list of document items, one row each, drawn with the item's name (and, with
    `showStatus`, its status word on the right). Reports onSelect when the selected item
    changes (an item with the hidden flag counts as none), onCommand for Delete, Return
    and double click (as Return) and the other command keys, onPopup for a right click, and
    onReorder after the user dragged a row to another place (only when `dragKind` is not `none`).

        auto* pages = new PList(pane, 0, 1, -1, 8);
        pages->setItems(rowsOfPages);
        pages->selectItem(currentPage);
*/
class PList : public PWidget
{
public:
    PList(PPane* parent, int x, int y, int w, int h);
    /** Lets the peer go first: its list box asks the rows' count while it is taken apart. */
    ~PList() override;

    void activate() override;
    void layout() override;
    void refreshLook() override;
    void paint(juce::Graphics& g) override;
    bool getDragInfo(PDragKind& kind, int& firstRow, int& rowCount) override;
    bool acceptsDrag(PDragKind kind, int firstRow, int rowCount) override;
    void onDragMove(PWidget* source, PDragKind kind, int firstRow, int x, int y) override;
    void onDragDrop(PWidget* source, PDragKind kind, int firstRow, int x, int y) override;

    /** Replaces the rows; the selected item stays selected when it is still listed. */
    void setItems(const std::vector<PItem*>& rows);
    const std::vector<PItem*>& getItems() const { return items; }
    int rowCount() const { return static_cast<int>(items.size()); }
    int selectedRow() const;
    /** The selected row's item; null when none is selected or the item is hidden. */
    PItem* selectedItem() const;
    /** Selects a row (-1: none) without reporting. */
    void selectRow(int row);
    /** Selects the row of an item (none when it is not listed) without reporting. */
    void selectItem(const PItem* item);

    /** Draws one row; the peer calls it. */
    virtual void paintRow(juce::Graphics& g, int row, int width, int height, bool selected);
    /** Passes a command code (a key or a double click) to the owner. */
    void command(PKeyCommand key);
    /** Passes a right click to the owner. */
    void popup();
    /** Marks where a dragged row would land (-1: nowhere). */
    void setDropRow(int row);
    /** Moves the row at from so that it lands before the row insertBefore (the old indices);
        true when the order changed. */
    static bool moveRow(std::vector<PItem*>& rows, int from, int insertBefore);

    std::vector<PItem*> items;
    bool showStatus = false;
    /** Rows this many text lines high, for lists that show a picture beside the name. */
    int rowLines = 1;
    PDragKind dragKind = PDragKind::none;
    PItem* cachedItem = nullptr;
    int dropRow = -1;
    /** Set while the owner changes the rows or the selection: the peer's echo is not reported. */
    bool quiet = false;

protected:
    /** For subclasses that bring a peer of their own. */
    struct NoPeer
    {
    };
    PList(PPane* parent, int x, int y, int w, int h, NoPeer);
    juce::ListBox* listBox() const;
    int rowHeight() const;
    /** Moves the rows' data for a drop; true when the order changed. */
    virtual bool reorder(int from, int insertBefore) { return moveRow(items, from, insertBefore); }
};
