#pragma once

#include <juce_core/juce_core.h>

/** A fixed text buffer of UTF-16 code units: every name and short text of a document.

    It holds at most `maxLength` code units and a terminating zero, so that a name can
    be streamed and copied without allocation and always fits the file format.
*/
class PName
{
public:
    static constexpr int maxLength = 199;

    PName() = default;
    explicit PName(const juce::String& value) { assign(value); }

    void assign(const juce::String& text);
    void assign(const char16_t* units, int count);
    void clear() { text[0] = 0; }

    int length() const;
    bool isEmpty() const { return text[0] == 0; }
    const char16_t* units() const { return text; }
    juce::String toString() const;

    static bool equals(const PName& a, const PName& b);
    static bool less(const PName& a, const PName& b);

    bool operator==(const PName& other) const { return equals(*this, other); }

private:
    char16_t text[maxLength + 1] = {};
};
