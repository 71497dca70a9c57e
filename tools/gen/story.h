#pragma once

// The sample comic that ships with the program: three pages that use every kind of thing a user
// can make, told as a small story so that a new user sees what the tools are for.

#include <juce_graphics/juce_graphics.h>

class PComic;
class Texts;

namespace story
{
/** The picture the comic pins on a wall, by the name the comic looks it up under in the images
    folder. */
extern const char* const postcardFile;

/** "sample_comic" + the language suffix + ".plm": the suffix lets the comic list show the one
    sample of the user's language. */
juce::String sampleFileName(const juce::String& suffix);
/** Fills an empty comic with the story in the texts' language. */
void fill(PComic& comic, const Texts& texts);
/** The postcard itself: a sunset over the sea, painted with gradients that curves cannot make. */
juce::Image paintPostcard();
} // namespace story
