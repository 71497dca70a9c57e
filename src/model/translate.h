#pragma once

#include <juce_core/juce_core.h>

/** The translation of a text key from the installed language file, or the key itself. */
juce::String translate(const juce::String& key);

/** Installs the mappings of a language file's text (null or empty removes them). */
void installTranslations(const juce::String& languageFileText);

/** The suffix of the files that belong to a language: "_E", "_D", "_F" or "_I". */
juce::String languageSuffix(int language);
