#pragma once

#include "model/item.h"
#include "ui/widgets/pane.h"

class PButton;
class PComic;
class PList;
class POption;
class PWorld;

/** The comic chooser: every comic of the session, alphabetically, under a first row that stands
    for a new, empty comic. Accepting opens the chosen comic or creates the new one.

        if (PComic* chosen = PComicOpen::run(world, options))
            open(chosen);
*/
class PComicOpen : public PPane
{
public:
    /** Comic flag of a comic the user made here; the program offers such comics at start. */
    static constexpr uint32_t userComic = 0x10;
    static constexpr int columns = 16, rows = 12;

    PComicOpen(PWorld& world, POption* options);

    /** Shows the chooser modally; the comic to open (perhaps a new one), or null when cancelled. */
    static PComic* run(PWorld& world, POption& options);

    void onSelect(PWidget* source) override;
    void onClick(PWidget* source) override;
    void onCommand(PWidget* source, PKeyCommand key) override;

    /** Opens the chosen comic, or creates one for the new-comic row; nothing without a choice. */
    void accept();
    void cancel();
    bool placeholderChosen() const;

    PWorld& world;
    /** The comic to open once the chooser closes with acceptance; null until then. */
    PComic* chosen = nullptr;
    /** The row of a comic not yet made; hidden, so that the list reports it as no item. */
    PItem placeholder;
    PList* list = nullptr;
    PButton* acceptButton = nullptr;
    PButton* cancelButton = nullptr;

private:
    void fillList();
    /** Selects a comic's row (null: the new-comic row). */
    void choose(const PComic* comic);
    void updateAcceptButton();
    PComic* createComic();
    void finish(int result);
};
