#pragma once

#include <juce_core/juce_core.h>

class PBase;
class PComic;
class POption;

/** JSON views of project files, for inspecting a comic without the GUI. Field names follow
    the member names of the document classes. */
namespace describe
{
juce::var comic(const PComic& comic);
juce::var options(const POption& options);
/** Any document object by its class: the fields every class shares, then its own. */
juce::var object(const PBase* object);
} // namespace describe
