#include "gen/texts.h"

Texts::Texts(const juce::File& resources, const juce::String& languageSuffix) : suffix(languageSuffix)
{
    const auto programFile = resources.getChildFile("comics_locale" + suffix + ".lng");
    const auto shippedFile = resources.getChildFile("texts").getChildFile("texts" + suffix + ".lng");
    loaded = programFile.existsAsFile() && shippedFile.existsAsFile();
    program = std::make_unique<juce::LocalisedStrings>(programFile.loadFileAsString(), false);
    shipped = std::make_unique<juce::LocalisedStrings>(shippedFile.loadFileAsString(), false);
}

juce::String Texts::operator()(const juce::String& key) const
{
    // LocalisedStrings answers the key itself when it has no translation.
    const auto own = shipped->translate(key);
    return own != key ? own : program->translate(key);
}
