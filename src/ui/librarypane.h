#pragma once

#include <array>
#include <functional>
#include <memory>
#include <vector>

#include "ui/sidepane.h"

class PArray;
class PButton;
class PEdit;
class PItem;
class PLabel;
class PList;
class PNumber;
class PPopup;

/** What the Clips and Decor panes share: the comic's list of one kind of reusable artwork, cut into
    five groups by the items' tag, the current item's name and size, and the item menu (new,
    import, cut, copy, paste, move to a group). A subclass adds its own controls below the size
    row, makes its new items and shows its own values in showExtras.

        auto* clips = new PClipPane(&content, 0, 1, 12, -1);
        clips->setWorld(&world, canvas);   // from then on the notifications keep it up to date
*/
class PLibraryPane : public PSidePane
{
public:
    static constexpr int groupCount = 5;

    /** itemClass: clips (15) or decor (101); the keys name the list's title and the item label. */
    PLibraryPane(PPane* parent, int x, int y, int w, int h, PPaneKind paneMode, uint16_t itemClass,
                 const char* titleKey, const char* labelKey);
    ~PLibraryPane() override;

    void setWorld(PWorld* session, PCanvas2* pageCanvas) override;
    void onClick(PWidget* source) override;
    void onChange(PWidget* source) override;
    void onSelect(PWidget* source) override;
    void onMenu(PCommand code) override;
    void onNotify(PNotify code) override;

    /** Re-reads the comic and the current item, lists the rows of the shown group and shows the
        item's values. */
    void refresh();
    /** Shows the items of a group; when the current item is in another group, the first of them
        becomes current (none when the group is empty). */
    void showGroup(int group);
    /** The comic's items of this kind whose tag puts them in a group, in list order. */
    std::vector<PItem*> itemsOfGroup(int group) const;
    /** The group an item is listed under; tags outside the five groups count as the first. */
    static int groupOf(const PItem& item);

    PItem* currentItem() const;
    /** The comic's list of this kind, or null without a comic. */
    PArray* itemList() const;
    void updateMenu() override;

    uint16_t itemClass = 0;
    std::array<PButton*, groupCount> groupTabs{};
    PEdit* nameField = nullptr;
    PNumber* sizeNumber = nullptr;
    PLabel* sizeUnit = nullptr;
    int shownGroup = 0;
    PComic* shownComic = nullptr;
    PItem* shownItem = nullptr;

protected:
    /** Rows of the layout that every library pane shares; a subclass places its controls below. */
    static constexpr int listTop = 2, listRows = 4, labelRow = 6, nameRow = 7, sizeRow = 8, firstOwnRow = 9;
    static constexpr int labelWidth = 4, fieldWidth = 4, third = 4, half = 6;

    /** A new empty item of this kind for the comic. */
    virtual PItem* makeItem(const PComic& open) const = 0;
    virtual float sizeOf(const PItem& item) const = 0;
    /** Shows the subclass's own values of the current item (null: none). */
    virtual void showExtras(PItem* item) = 0;

private:
    /** Adds an item (which the action then owns) to the comic through one undoable step, in the
        group that is shown. */
    void addItem(PItem* item);
    void moveToGroup(PItem& item, int group);
    void showValues(PItem* item, bool itemChanged);
};
