#pragma once

#include "ui/widgets/widget.h"

class PBase;

/** An area that shows a document object (a page, a shape, a clip or decor item) fitted into
    it, or a picture (the wallpaper). Reports nothing.

        auto* look = new PPreview(pane, 0, 6, 8, 6);
        look->setSubject(page);
*/
class PPreview : public PWidget
{
public:
    PPreview(PPane* parent, int x, int y, int w, int h);

    void layout() override;
    void paint(juce::Graphics& g) override;
    void refreshLook() override;

    /** Shows a page, a shape, a clip or a decor item (null: nothing); the caller keeps it alive. */
    void setSubject(PBase* object);
    /** Shows a picture at some opacity instead of a document object. */
    void setPicture(const juce::Image& image, float opacity);

    PBase* subject = nullptr;
    juce::Image picture;
    float pictureOpacity = 1.0f;

private:
    void drawSubject(juce::Graphics& g, juce::Rectangle<int> area);
    void repaintPeer();
};
