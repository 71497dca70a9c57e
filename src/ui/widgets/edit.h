#pragma once

#include "model/name.h"
#include "ui/widgets/control.h"

/** One line of text, at most a name's length. Reports onChange on every change; the text
    is in `text` by then. */
class PEdit : public PControl
{
public:
    PEdit(PPane* parent, int x, int y, int w, int flags);

    void activate() override;
    void refreshLook() override;

    /** Shows text as it is (cut to a name's length) without reporting. */
    void setValue(const juce::String& value);

    PName text;
};
