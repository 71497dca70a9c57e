#pragma once

#include <array>
#include <cstdint>
#include <map>

#include "ui/attributepane.h"

class PBase;
class PBrush;
class PButton;
class PCheck;
class PCombo;
class PCurve;
class PIdent;
class PLabel;
class PSlider;
class PTint;
class PTitle;
template <class Value> struct PProperty;

/** Every generator parameter of a brush stroke, and the frame switch of a group and the colours
    of a plain curve, for the decor pane. Each brush kind has its own section of controls; the
    sections lie over each other and only the one of the shown brush's kind is visible.

        auto* brushes = new PBrushPane(decorPane, 0, 16, 12, PBrushPane::rows);
        brushes->setWorld(&world);
*/
class PBrushPane : public PAttributePane
{
public:
    // A side pane's frame leaves a little less than its twelve cells inside.
    static constexpr int columns = 11, rows = 9;
    static constexpr int kindCount = 4;
    /** The slider position a double click returns to: the middle of every parameter. */
    static constexpr int resetPosition = 50;

    /** The controls of one brush kind; a kind leaves null what it does not use. */
    struct KindSection : PAttributePane::Section
    {
        PLabel* lineLabel = nullptr;
        PLabel* coloursLabel = nullptr;
        PTint* lineTint = nullptr;
        PTint* fillTint = nullptr;
        PCheck* closed = nullptr;
        PCheck* align = nullptr;
        PButton* pattern = nullptr;
        PButton* clear = nullptr;
        PSlider* thickness = nullptr;
        PSlider* largeness = nullptr;
        PSlider* density = nullptr;
        PSlider* distribute = nullptr;
        PSlider* oscillate = nullptr;
        PIdent* seed = nullptr;
        PCheck* gravity = nullptr;
        PLabel* variantLabel = nullptr;
        PIdent* variant = nullptr;
    };

    PBrushPane(PPane* parent, int x, int y, int w, int h);

    void onChange(PWidget* source) override;
    void onClick(PWidget* source) override;

    /** The section of a brush kind (1 area, 2 thick, 3 spray, 4 fine), or null. */
    KindSection* sectionOf(int brushKind);

    PTitle* title = nullptr;
    PCheck* clipCheck = nullptr;
    /** A plain curve's colours and closed switch. */
    PLabel* curveLineLabel = nullptr;
    PLabel* curveColoursLabel = nullptr;
    PTint* curveLineTint = nullptr;
    PTint* curveFillTint = nullptr;
    PCheck* curveClosed = nullptr;
    PLabel* kindLabel = nullptr;
    PCombo* kindCombo = nullptr;
    std::array<KindSection, kindCount> kinds;

protected:
    void showValues() override;
    void showPoint() override;

private:
    /** What a control changes. */
    enum class Edit
    {
        lineColour,
        fillColour,
        closedFlag,
        alignFlag,
        gravityFlag,
        parameter,
        seed,
        variant
    };
    struct Target
    {
        Edit edit;
        /** The brush parameter a slider sets. */
        const PProperty<float>* property = nullptr;
    };

    void buildCurveSection();
    void buildKindSections();
    void showCurve(PCurve& curve, PLabel* lineLabel, PLabel* coloursLabel, PTint* lineTint, PTint* fillTint,
                   PCheck* closed);
    void showKind(KindSection& section, PBrush& brush);
    /** The colour and closed edits that a plain curve and a brush share; false for any other. */
    bool editCurve(PCurve& curve, const Target& target, PWidget* source);
    void editBrush(PBrush& brush, const Target& target, PWidget* source);
    void switchFlag(PBase& object, uint32_t mask, bool on);
    void changeKind(PBrush& brush);
    void choosePattern(PBrush& brush);
    void switchFrame();

    PAttributePane::Section heading, curveSection, brushHeading;
    std::map<const PWidget*, Target> targets;
};
