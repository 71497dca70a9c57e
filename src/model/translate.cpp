#include "model/translate.h"

juce::String translate(const juce::String& key)
{
    return juce::translate(key);
}

void installTranslations(const juce::String& languageFileText)
{
    if (languageFileText.isEmpty())
        juce::LocalisedStrings::setCurrentMappings(nullptr);
    else
        juce::LocalisedStrings::setCurrentMappings(new juce::LocalisedStrings(languageFileText, false));
}

juce::String languageSuffix(int language)
{
    switch (language)
    {
    case 2: return "_D";
    case 3: return "_F";
    case 4: return "_I";
    default: return "_E";
    }
}
