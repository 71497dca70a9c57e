#pragma once

#include "ui/widgets/pane.h"

class PButton;
class PNote;

/** The welcome page: what the program is for and how a comic is built, with one button that
    closes it and leads to the editor. Shown at the first start and whenever the user turns
    the help on. */
class PWelcome : public PPane
{
public:
    static constexpr int columns = 20, rows = 7;

    explicit PWelcome(POption* options);

    /** Shows the page modally until the user starts or closes it. */
    static void show(POption& options);

    void onClick(PWidget* source) override;

    PNote* info = nullptr;
    PButton* edit = nullptr;
};
