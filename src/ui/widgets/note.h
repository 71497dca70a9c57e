#pragma once

#include "ui/widgets/widget.h"

/** A block of translated text over several rows, wrapped at the widget's width: the body of
    the about, welcome and help panes. Reports nothing.

        auto* info = new PNote(pane, 0, 1, 16, 5);
        info->setText("Welcome.Info");
*/
class PNote : public PWidget
{
public:
    PNote(PPane* parent, int x, int y, int w, int h);

    void layout() override;
    void refreshLook() override;
    void setText(const juce::String& key) override;
    /** Shows text as it is (already translated or put together from translations). */
    void setPlainText(const juce::String& text);
    juce::String getText() const;
};
