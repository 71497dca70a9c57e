#pragma once

#include "ui/widgets/toggle.h"

/** A radio button, meant to sit in a ring with others. Reports onChange when it came on. */
class PRadio : public PToggle
{
public:
    PRadio(PPane* parent, int x, int y, int w, int flags);

    void refreshLook() override;

protected:
    void report(bool changed) override;
};
