#pragma once

#include <cstdint>
#include <vector>

#include "model/name.h"
#include "ui/attributepane.h"

class PButton;
class PCheck;
class PCombo;
class PEdit;
class PLabel;
class PPalette;
class PStyle;
class PTint;
class PTitle;

/** The attributes of the selected curve, panel, text, image or group, embedded in the page,
    layer and clip panes. Only the section of the shown shape's class is visible; with the Pages
    pane active the shown shape is the current panel. Typed text waits for "Text.Apply", so that
    a whole edit is one undo step.

        auto* shapes = new PShapePane(layerPane, 0, 16, 12, PShapePane::rows);
        shapes->setWorld(&world);
*/
class PShapePane : public PAttributePane
{
public:
    // A side pane's frame leaves a little less than its twelve cells inside.
    static constexpr int columns = 11, rows = 9;

    PShapePane(PPane* parent, int x, int y, int w, int h);

    void onChange(PWidget* source) override;
    void onClick(PWidget* source) override;

    PTitle* title = nullptr;
    /** A group's fill colours; choosing one recolours every member filled with it. */
    PPalette* shades = nullptr;
    PCheck* closed = nullptr;
    PLabel* lineLabel = nullptr;
    PLabel* coloursLabel = nullptr;
    PTint* lineTint = nullptr;
    PTint* fillTint = nullptr;
    PCheck* skip = nullptr;
    PLabel* textColourLabel = nullptr;
    PLabel* fontLabel = nullptr;
    PLabel* alignLabel = nullptr;
    PTint* textTint = nullptr;
    PStyle* font = nullptr;
    PCombo* align = nullptr;
    PEdit* textEdit = nullptr;
    PButton* apply = nullptr;
    PLabel* imageLabel = nullptr;
    PLabel* imageFile = nullptr;

protected:
    PShape* currentShape() const override;
    void showValues() override;
    void showPoint() override;

private:
    void showCurve();
    void showText(bool sameShape);
    void showShades();
    void changeColour(PTint* tint);
    void changeShade();
    void applyText();

    PAttributePane::Section groupSection, curveSection, textSection, imageSection;
    /** The fill colours the palette offers, in its order. */
    std::vector<uint32_t> shadeColours;
    /** The text last put into the editor and the shape it came from: a refresh keeps what the
        user typed unless the document's text itself changed. */
    PName shownText;
    const PShape* textShape = nullptr;
};
