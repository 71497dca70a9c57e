#pragma once

#include "ui/widgets/control.h"

/** A static translated text. Reports nothing. */
class PLabel : public PControl
{
public:
    PLabel(PPane* parent, int x, int y, int w, int flags);

    void refreshLook() override;
    /** Shows text as it is, without translating it. */
    void setPlainText(const juce::String& text);
};
