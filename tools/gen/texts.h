#pragma once

#include <juce_core/juce_core.h>

#include <memory>

/** The words of one language for the shipped documents: the program's own language file, so
    that the guide names menus and buttons exactly as the program shows them, and the shipped
    texts (story, guide and decor names) beside it. */
class Texts
{
public:
    /** Reads "comics_locale" + suffix + ".lng" from resources and "texts" + suffix + ".lng"
        from its texts folder; ok() tells whether both were there. */
    Texts(const juce::File& resources, const juce::String& suffix);

    bool ok() const { return loaded; }
    /** The text of a key: the shipped texts first, then the language file, else the key. */
    juce::String operator()(const juce::String& key) const;

    juce::String suffix;

private:
    std::unique_ptr<juce::LocalisedStrings> program, shipped;
    bool loaded = false;
};
