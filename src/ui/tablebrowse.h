#pragma once

#include <vector>

#include "ui/widgets/pane.h"

class PButton;
class PComic;
class PItem;
class PTable;
class PWorld;

/** A chooser of a comic's reusable pieces: the clips, decor, pages or layers of one comic or of
    every comic of the session, one row each with the comic it comes from. Accepting answers the
    chosen item, which stays its comic's.

        if (auto* clip = PTableBrowse::choose(world, comic, PClass::clip, options, "TableBrowse.Title"))
            usePattern(*clip);
*/
class PTableBrowse : public PPane
{
public:
    static constexpr int columns = 18, rows = 14;

    PTableBrowse(const PWorld& world, const PComic* onlyComic, uint16_t classId, POption* options);
    /** Shows the chooser modally under the translation of titleKey; the chosen item, or null when
        the user cancelled or there was nothing to choose. */
    static PItem* choose(const PWorld& world, const PComic* onlyComic, uint16_t classId, POption* options,
                         const char* titleKey);
    /** The items of a class in a comic, in list order: pages, the layers of every panel of every
        page, clips or decor. */
    static std::vector<PItem*> itemsOf(const PComic& comic, uint16_t classId);

    void onClick(PWidget* source) override;
    void onSelect(PWidget* source) override;
    void onCommand(PWidget* source, PKeyCommand key) override;
    /** Closes with the selected row's item; nothing without a selection. */
    void accept();

    PTable* table = nullptr;
    PButton* acceptButton = nullptr;
    PButton* cancelButton = nullptr;
    PItem* chosen = nullptr;
};
