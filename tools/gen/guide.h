#pragma once

class PComic;
class Texts;

// The user guide, told as a comic: Pip the sparrow walks a new user through the window, the
// side panes, the edit modes, the bars, the shortcuts and the exports, with pictures made from
// the sample comic.
namespace guide
{
/** Fills an empty comic with the guide's pages; sample is the sample comic of the same language. */
void fill(PComic& book, const PComic& sample, const Texts& texts);
} // namespace guide
