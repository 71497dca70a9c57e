#pragma once

#include <juce_graphics/juce_graphics.h>

#include <vector>

#include "model/fontspec.h"
#include "model/shape.h"

class POption;

/** A block of text on a page: speech, captions, sound words. Lines are separated by line
    feeds and the block is centred on the shape's origin.

        PText::Layout l = text.layout();   // in points, y up, origin at the block centre
        for (int i = 0; i < l.lineCount(); ++i) draw(l.lines[i], l.lineLeft(i, text.align), l.baseline(i));
*/
class PText : public PShape
{
public:
    /** One point in centimetres. */
    static constexpr double pointsToCentimetres = 0.03527777642;
    static constexpr uint16_t alignLeft = 1, alignCentre = 2, alignRight = 3;
    static constexpr uint32_t opaqueBlack = 0xFF000000;
    /** The library's flattening tolerance for the box containment test. */

    /** Where each line of the block goes, measured with the text's font in points. */
    struct Layout
    {
        juce::StringArray lines;
        std::vector<float> widths;
        float lineHeight = 0, ascent = 0;
        float blockWidth = 0, blockHeight = 0;

        int lineCount() const { return lines.size(); }
        /** The x of line i's left end for an alignment; other alignments start at 0. */
        float lineLeft(int i, uint16_t alignment) const;
        /** The y of line i's baseline, y pointing up. */
        float baseline(int i) const;
    };

    PText();

    uint16_t classId() const override { return PClass::text; }
    PBase* clone() const override { return cloneAs(*this); }
    void copyFrom(const PBase* other) override;
    void write(PStream& s) const override;
    void read(PStream& s) override;
    void invalidate() override;
    bool hitTest(float px, float py, float scale, PEditMode mode) override;
    void getBounds(PRect& out, bool raw) const override;
    void build(PViewState& view) override;

    Layout layout() const;
    /** The colour to draw in: the options' first selection colour for the selected look,
        the second one for a selected text shown with editing decorations, else `colour`. */
    uint32_t drawColour(const POption* options, bool selectedLook, bool showSelection) const;
    /** The text box in page coordinates as last built; empty before the first build. */
    const juce::Path& getBox() const { return box; }

    PName text;
    PFontSpec fontSpec;
    uint32_t colour = opaqueBlack;
    uint16_t align = alignCentre;

private:
    juce::Path box;
};
