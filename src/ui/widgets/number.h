#pragma once

#include "ui/widgets/control.h"

/** A number field. Its kind sets the range the value is clamped to, the display format and
    the characters that can be typed. With `inches` set it holds centimetres but shows and
    takes inches. Reports onChange when a typed value, parsed and clamped, differs from the
    one held.

        auto* size = new PNumber(pane, 3, 2, 3, 0, PNumber::Kind::size);   // 0.1 ... 100, one decimal
        size->setValue(12.5f);
*/
class PNumber : public PControl
{
public:
    static constexpr double inchesPerCentimetre = 0.3937008;

    /** The ranges a field may hold. */
    enum class Kind : uint8_t
    {
        /** Any number, three decimals. */
        plain,
        /** An angle in radians, -pi ... pi. */
        angle,
        /** Any whole number. */
        whole,
        /** Any number, two decimals: a length that may be negative, such as a margin. */
        offset,
        /** 0.01 ... 100, two decimals: a page side in centimetres. */
        pageSide,
        /** 0.1 ... 100000, two decimals. */
        length,
        /** 0.1 ... 100, one decimal. */
        size,
        /** 0 ... 10, one decimal: the stroke smoothing in pixels. */
        smoothing
    };

    /** What a kind allows and how it shows. */
    struct Range
    {
        double low, high;
        /** Decimal places shown. */
        int decimals;
        const char* accepted;
    };

    PNumber(PPane* parent, int x, int y, int w, int flags, Kind kind);

    void activate() override;
    void refreshLook() override;

    /** Shows a value (clamped to the kind's range) without reporting. */
    void setValue(float v);
    float getValue() const { return value; }
    /** Takes typed text as the user's entry; true when the held value changed. */
    bool enter(const juce::String& typed);
    /** The text shown for the held value. */
    juce::String displayText() const;

    static Range rangeOf(Kind kind);
    /** The number in text, with a comma as decimal point; text that is no number gives 0. */
    static double parse(const juce::String& text);
    static juce::String format(double v, int decimals);

    Kind kind;
    bool inches = false;

private:
    void show();

    float value = 0;
};
