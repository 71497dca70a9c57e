#pragma once

// The characters, props and decor of the shipped comics, each drawn around its own origin in
// centimetres at a size that fits a panel, so that a page places them with kit::at.

#include "gen/drawkit.h"

class PClip;
class PComic;

namespace art
{
/** Pip the sparrow, facing right, about 3 cm long. */
PGroup* bird(bool wingsUp);
/** Mia, about 5 cm tall, standing with her feet at y = -2.5. */
PGroup* girl(bool holdingFeather);
/** A long feather, its quill at the origin pointing down-left. */
PGroup* feather();
PGroup* sun();
/** A hill from l to r whose foot is at y = base; filled, with a line that thins towards its ends. */
PCurve* hill(float l, float r, float base, float height, uint32_t colour);

/** The decor items of the sample collection, in catalogue order. */
enum Decor
{
    cloud,
    bush,
    fence,
    house,
    tree,
    banner,
    burst,
    flower,
    decorCount
};
/** The key of a decor item's name in the shipped texts. */
const char* decorKey(int item);
PGroup* decorArtwork(int item);

/** The patterns of the four brush kinds: grass blades, a wave, leaves and a ribbon edge. */
PClip* grassPattern();
PClip* wavePattern();
PClip* leafPattern();
PClip* scallopPattern();

/** The bird clip of the sample comic: card 0 with raised wings, card 1 with lowered wings. */
PClip* birdClip();
} // namespace art
