#pragma once

class PComic;
class Texts;

// The printed decor catalogue: every decor item of the sample comic's collection, drawn in its
// own panel with its name, so that a user can pick an item before opening the decor pane.
namespace catalogue
{
/** Fills an empty comic with the catalogue pages of the sample's decor. */
void fill(PComic& book, const PComic& sample, const Texts& texts);
} // namespace catalogue
