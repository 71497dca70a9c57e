#include "model/name.h"

void PName::assign(const juce::String& source)
{
    // Counted in code units: a character outside the basic plane takes two.
    const auto* units = reinterpret_cast<const char16_t*>(source.toUTF16().getAddress());
    int count = 0;
    while (count < maxLength && units[count] != 0)
        ++count;
    assign(units, count);
}

void PName::assign(const char16_t* units, int count)
{
    count = juce::jlimit(0, maxLength, count);
    for (int i = 0; i < count; ++i)
        text[i] = units[i];
    text[count] = 0;
}

int PName::length() const
{
    int n = 0;
    while (text[n] != 0)
        ++n;
    return n;
}

juce::String PName::toString() const
{
    return juce::String(juce::CharPointer_UTF16(reinterpret_cast<const juce::CharPointer_UTF16::CharType*>(text)));
}

bool PName::equals(const PName& a, const PName& b)
{
    for (int i = 0;; ++i)
    {
        if (a.text[i] != b.text[i])
            return false;
        if (a.text[i] == 0)
            return true;
    }
}

bool PName::less(const PName& a, const PName& b)
{
    for (int i = 0;; ++i)
    {
        if (a.text[i] != b.text[i])
            return a.text[i] < b.text[i];
        if (a.text[i] == 0)
            return false;
    }
}
