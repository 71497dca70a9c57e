#pragma once

#include "ui/widgets/nbutton.h"

/** The peer of a two-digit number: a button showing the number; left and right clicks open
    the tens and the units menus. */
class NIdent : public NButton
{
public:
    using NButton::NButton;
};
