#pragma once

#include "ui/widgets/toggle.h"

/** A check box with a translated caption. Reports onChange when its state changed. */
class PCheck : public PToggle
{
public:
    PCheck(PPane* parent, int x, int y, int w, int flags);

    void refreshLook() override;

protected:
    void report(bool changed) override;
};
