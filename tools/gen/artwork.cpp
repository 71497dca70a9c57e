#include "gen/artwork.h"

#include <cmath>

#include "model/card.h"
#include "model/clip.h"
#include "model/point.h"

namespace art
{
using kit::Pt;

namespace
{
constexpr float twoPi = 6.2831853f;

// The palette: warm, slightly muted colours, as a colourist would lay them.
constexpr uint32_t brown = 0x8A5A34, cream = 0xF1DDB8, beakOrange = 0xF0A030, skin = 0xF6D2B4, hair = 0x5A3620,
                   dress = 0xD8473A, leafGreen = 0x5FA843, darkGreen = 0x3E7D34, bark = 0x7A4E2C, roofRed = 0xC2452F,
                   wall = 0xF4E6C4, sky = 0xBFE3F5, gold = 0xF7C531, white = 0xFFFFFF, fenceWood = 0xE9D2A6,
                   ribbon = 0xD23B3B, ribbonDark = 0x9E2525, petal = 0xF28BB4, featherBlue = 0x4C8FD6;

/** A closed outline whose radius alternates between outer and inner anchors: clouds, bushes
    and bursts differ only in their counts, radii and corners. */
PCurve* lobed(float rx, float ry, float inner, int lobes, uint16_t innerSharpness, uint32_t fill)
{
    std::vector<Pt> at;
    for (int i = 0; i < 2 * lobes; ++i)
    {
        const float a = twoPi * static_cast<float>(i) / static_cast<float>(2 * lobes);
        const float k = i % 2 == 0 ? 1.0f : inner;
        at.push_back({rx * k * std::cos(a), ry * k * std::sin(a)});
    }
    auto* made = kit::curve(at, true, fill, kit::ink());
    for (int i = 1; i < made->points.size(); i += 2)
        made->pointAt(i)->sharpness = innerSharpness;
    return made;
}

PCurve* dot(float x, float y, float r, uint32_t colour)
{
    auto* made = kit::ellipse(x, y, r, r, kit::rgb(colour), kit::none);
    kit::setThickness(*made, 0);
    return made;
}

/** An open curve for a brush pattern, drawn from x = 0 to x = width. */
PClip* patternOf(std::initializer_list<std::vector<Pt>> elements, float size)
{
    auto* clip = new PClip();
    clip->clipSize = size;
    uint16_t number = 0;
    for (const auto& element : elements)
        clip->cardFor(number++)->shapes.append(kit::curve(element, false, kit::none, kit::ink()));
    return clip;
}
} // namespace

PGroup* bird(bool wingsUp)
{
    auto* tail =
        kit::curve({{-0.8f, 0.1f}, {-1.55f, 0.55f}, {-1.45f, -0.15f}}, true, kit::rgb(brown), kit::ink(), true);
    auto* body = kit::ellipse(0, 0, 0.95f, 0.68f, kit::rgb(brown), kit::ink(), 60);
    auto* belly = kit::ellipse(0.15f, -0.22f, 0.6f, 0.36f, kit::rgb(cream), kit::none, 0);
    auto* head = kit::ellipse(0.78f, 0.5f, 0.47f, 0.45f, kit::rgb(brown), kit::ink(), 60);
    auto* beak =
        kit::curve({{1.17f, 0.6f}, {1.6f, 0.47f}, {1.17f, 0.34f}}, true, kit::rgb(beakOrange), kit::ink(), true);
    auto* wing =
        wingsUp ? kit::curve({{-0.45f, 0.25f}, {0.35f, 0.3f}, {-0.55f, 1.45f}}, true, kit::rgb(0x6B4326), kit::ink())
                : kit::curve({{-0.45f, 0.25f}, {0.4f, 0.15f}, {-0.7f, -0.55f}}, true, kit::rgb(0x6B4326), kit::ink());
    wing->pointAt(2)->sharpness = 100;
    auto* legs = kit::taperedLine({{0.0f, -0.65f}, {0.05f, -0.95f}, {0.25f, -1.0f}}, {60, 60, 20}, kit::ink());
    legs->pointAt(1)->sharpness = 100;
    return kit::group({tail, body, belly, wing, head, beak, dot(0.93f, 0.6f, 0.09f, 0x000000),
                       dot(0.96f, 0.64f, 0.03f, white), legs});
}

PGroup* girl(bool holdingFeather)
{
    auto* hairBack = kit::ellipse(0, 2.1f, 1.0f, 1.0f, kit::rgb(hair), kit::ink(), 50);
    auto* face = kit::ellipse(0, 1.95f, 0.78f, 0.82f, kit::rgb(skin), kit::ink(), 50);
    auto* fringe = kit::curve({{-0.85f, 2.2f}, {-0.4f, 2.95f}, {0.5f, 2.95f}, {0.88f, 2.25f}, {0.2f, 2.45f}}, true,
                              kit::rgb(hair), kit::ink());
    fringe->pointAt(4)->sharpness = 100;
    auto* smile = kit::taperedLine({{-0.28f, 1.68f}, {0, 1.52f}, {0.28f, 1.68f}}, {10, 70, 10}, kit::ink());
    auto* dressShape =
        kit::curve({{-0.5f, 1.15f}, {0.5f, 1.15f}, {1.0f, -0.9f}, {-1.0f, -0.9f}}, true, kit::rgb(dress), kit::ink());
    for (int i = 0; i < 4; ++i)
        dressShape->pointAt(i)->sharpness = 85;
    auto* legL = kit::rect(-0.45f, -2.2f, -0.2f, -0.9f, kit::rgb(skin), kit::ink());
    auto* legR = kit::rect(0.2f, -2.2f, 0.45f, -0.9f, kit::rgb(skin), kit::ink());
    auto* shoeL = kit::ellipse(-0.4f, -2.3f, 0.3f, 0.16f, kit::rgb(0x2A2A2A), kit::ink());
    auto* shoeR = kit::ellipse(0.4f, -2.3f, 0.3f, 0.16f, kit::rgb(0x2A2A2A), kit::ink());
    auto* armL =
        kit::curve({{-0.45f, 1.0f}, {-1.1f, 0.2f}, {-0.95f, 0.05f}, {-0.35f, 0.75f}}, true, kit::rgb(skin), kit::ink());
    auto* armR = holdingFeather ? kit::curve({{0.45f, 1.0f}, {1.25f, 1.35f}, {1.3f, 1.15f}, {0.4f, 0.7f}}, true,
                                             kit::rgb(skin), kit::ink())
                                : kit::curve({{0.45f, 1.0f}, {1.1f, 0.2f}, {0.95f, 0.05f}, {0.35f, 0.75f}}, true,
                                             kit::rgb(skin), kit::ink());
    auto* made = kit::group({hairBack, legL, legR, shoeL, shoeR, dressShape, armL, armR, face, fringe,
                             dot(-0.28f, 2.0f, 0.08f, 0x000000), dot(0.28f, 2.0f, 0.08f, 0x000000), smile,
                             dot(-0.45f, 1.75f, 0.12f, 0xF2A0A0), dot(0.45f, 1.75f, 0.12f, 0xF2A0A0)});
    if (holdingFeather)
        made->children.append(kit::at(feather(), 1.28f, 1.25f, 0.7f));
    return made;
}

PGroup* feather()
{
    auto* vane = kit::curve({{0.05f, 0.1f}, {0.0f, 1.3f}, {0.8f, 2.7f}, {1.9f, 3.3f}, {1.75f, 2.0f}, {0.9f, 0.75f}},
                            true, kit::rgb(featherBlue), kit::ink());
    vane->pointAt(0)->sharpness = 100;
    vane->pointAt(3)->sharpness = 100;
    auto* shaft = kit::taperedLine({{-0.25f, -0.45f}, {0.7f, 1.2f}, {1.85f, 3.2f}}, {90, 60, 10}, kit::ink());
    auto* made = kit::group({vane, shaft});
    for (float t : {0.9f, 1.5f, 2.1f})
        made->children.append(
            kit::taperedLine({{t * 0.55f, t}, {t * 0.55f + 0.45f, t - 0.05f}}, {40, 0}, kit::rgb(0x2E5E99)));
    return made;
}

PGroup* sun()
{
    auto* rays = lobed(1.7f, 1.7f, 0.72f, 12, 100, kit::rgb(gold, 0x90));
    rays->lineColour = kit::none;
    auto* disc = kit::ellipse(0, 0, 1.05f, 1.05f, kit::rgb(gold), kit::rgb(0xE08E1B), 60);
    return kit::group({rays, disc});
}

PCurve* hill(float l, float r, float base, float height, uint32_t colour)
{
    const float w = r - l;
    auto* made = kit::curve({{l, base},
                             {l + w * 0.18f, base + height * 0.55f},
                             {l + w * 0.5f, base + height},
                             {l + w * 0.82f, base + height * 0.55f},
                             {r, base}},
                            true, colour, kit::ink());
    const uint16_t widths[] = {0, 40, 80, 40, 0};
    for (int i = 0; i < 5; ++i)
        made->pointAt(i)->thickness = widths[i];
    made->pointAt(0)->sharpness = made->pointAt(4)->sharpness = 100;
    return made;
}

const char* decorKey(int item)
{
    static const char* const keys[decorCount] = {"Art.Cloud", "Art.Bush",   "Art.Fence", "Art.House",
                                                 "Art.Tree",  "Art.Banner", "Art.Burst", "Art.Flower"};
    return item >= 0 && item < decorCount ? keys[item] : "";
}

namespace
{
PGroup* cloudArt()
{
    auto* puff = lobed(2.2f, 1.1f, 0.82f, 7, 70, kit::rgb(white));
    auto* shade = kit::ellipse(0.2f, -0.45f, 1.5f, 0.35f, kit::rgb(0xDCEBF5), kit::none, 0);
    return kit::group({puff, shade});
}

PGroup* bushArt()
{
    auto* leaves = lobed(2.0f, 1.2f, 0.85f, 6, 80, kit::rgb(leafGreen));
    leaves->y = 0.2f;
    auto* made = kit::group({leaves});
    for (Pt berry : {Pt{-0.8f, 0.5f}, Pt{0.3f, 0.9f}, Pt{0.9f, 0.1f}, Pt{-0.2f, -0.2f}})
        made->children.append(dot(berry.x, berry.y, 0.13f, 0xD8473A));
    return made;
}

PGroup* fenceArt()
{
    auto* made = kit::group({kit::rect(-2.4f, 0.5f, 2.4f, 0.8f, kit::rgb(fenceWood), kit::ink()),
                             kit::rect(-2.4f, -0.8f, 2.4f, -0.5f, kit::rgb(fenceWood), kit::ink())});
    for (int i = 0; i < 6; ++i)
    {
        const float l = -2.3f + 0.8f * static_cast<float>(i);
        made->children.append(
            kit::curve({{l, -1.3f}, {l + 0.45f, -1.3f}, {l + 0.45f, 1.0f}, {l + 0.225f, 1.4f}, {l, 1.0f}}, true,
                       kit::rgb(fenceWood), kit::ink(), true));
    }
    return made;
}

PGroup* houseArt()
{
    auto* walls = kit::rect(-1.5f, -1.6f, 1.5f, 0.7f, kit::rgb(wall), kit::ink());
    auto* roof = kit::curve({{-1.95f, 0.6f}, {0, 2.3f}, {1.95f, 0.6f}}, true, kit::rgb(roofRed), kit::ink(), true);
    auto* chimney = kit::rect(0.75f, 1.0f, 1.15f, 2.0f, kit::rgb(roofRed), kit::ink());
    auto* door = kit::rect(-0.35f, -1.6f, 0.35f, -0.3f, kit::rgb(0x8A5A34), kit::ink());
    auto* windowL = kit::rect(-1.2f, -0.5f, -0.6f, 0.2f, kit::rgb(sky), kit::ink());
    auto* windowR = kit::rect(0.6f, -0.5f, 1.2f, 0.2f, kit::rgb(sky), kit::ink());
    auto* round = kit::ellipse(0, 1.2f, 0.3f, 0.3f, kit::rgb(sky), kit::ink());
    return kit::group({chimney, walls, roof, door, windowL, windowR, round, dot(0.2f, -1.0f, 0.05f, 0xF7C531)});
}

PGroup* treeArt()
{
    auto* trunk = kit::curve({{-0.3f, -2.0f}, {0.3f, -2.0f}, {0.2f, 0.2f}, {-0.2f, 0.2f}}, true, kit::rgb(bark),
                             kit::ink(), true);
    auto* crown = lobed(1.6f, 1.5f, 0.88f, 8, 60, kit::rgb(darkGreen));
    crown->y = 0.9f;
    auto* light = kit::ellipse(-0.4f, 1.3f, 0.7f, 0.5f, kit::rgb(leafGreen), kit::none, 0);
    return kit::group({trunk, crown, light});
}

PGroup* bannerArt()
{
    auto* endL = kit::curve({{-2.6f, -0.35f}, {-1.9f, -0.35f}, {-1.9f, 0.35f}, {-2.6f, 0.35f}, {-2.3f, 0.0f}}, true,
                            kit::rgb(ribbonDark), kit::ink(), true);
    auto* endR = kit::curve({{2.6f, -0.35f}, {1.9f, -0.35f}, {1.9f, 0.35f}, {2.6f, 0.35f}, {2.3f, 0.0f}}, true,
                            kit::rgb(ribbonDark), kit::ink(), true);
    auto* middle = kit::rect(-2.1f, -0.2f, 2.1f, 0.55f, kit::rgb(ribbon), kit::ink());
    return kit::group({endL, endR, middle});
}

PGroup* burstArt()
{
    auto* outer = lobed(2.1f, 1.5f, 0.7f, 11, 100, kit::rgb(gold));
    for (int i = 0; i < outer->points.size(); i += 2)
        outer->pointAt(i)->sharpness = 100;
    outer->lineColour = kit::rgb(0xD23B3B);
    auto* inner = lobed(1.3f, 0.9f, 0.75f, 11, 100, kit::rgb(0xFFF3B0));
    inner->lineColour = kit::none;
    return kit::group({outer, inner});
}

PGroup* flowerArt()
{
    auto* stem = kit::taperedLine({{0, -2.0f}, {0.15f, -0.8f}, {0, 0}}, {80, 60, 40}, kit::rgb(darkGreen));
    auto* leaf = kit::curve({{0.1f, -1.3f}, {0.9f, -1.0f}, {0.6f, -0.6f}}, true, kit::rgb(leafGreen), kit::ink());
    leaf->pointAt(0)->sharpness = leaf->pointAt(1)->sharpness = 100;
    auto* made = kit::group({stem, leaf});
    for (int i = 0; i < 6; ++i)
    {
        const float a = twoPi * static_cast<float>(i) / 6;
        made->children.append(
            kit::ellipse(0.5f * std::cos(a), 0.5f * std::sin(a), 0.38f, 0.38f, kit::rgb(petal), kit::ink()));
    }
    made->children.append(kit::ellipse(0, 0, 0.32f, 0.32f, kit::rgb(gold), kit::ink()));
    return made;
}
} // namespace

PGroup* decorArtwork(int item)
{
    switch (item)
    {
    case cloud: return cloudArt();
    case bush: return bushArt();
    case fence: return fenceArt();
    case house: return houseArt();
    case tree: return treeArt();
    case banner: return bannerArt();
    case burst: return burstArt();
    case flower: return flowerArt();
    default: return kit::group({});
    }
}

PClip* grassPattern()
{
    // Blades come to points: every anchor of the element is a corner.
    auto* clip = patternOf({{{0, 0},
                             {0.12f, 0.55f},
                             {0.25f, 0},
                             {0.4f, 0.8f},
                             {0.5f, 0},
                             {0.62f, 0.45f},
                             {0.75f, 0},
                             {0.88f, 0.7f},
                             {1.0f, 0}}},
                           1.0f);
    auto* blades = static_cast<PCurve*>(clip->cardAt(0)->shapeAt(0));
    for (int i = 0; i < blades->points.size(); ++i)
        blades->pointAt(i)->sharpness = 100;
    return clip;
}

PClip* wavePattern()
{
    return patternOf(
        {{{0, 0}, {0.25f, 0.18f}, {0.5f, 0}, {0.75f, -0.18f}, {1.0f, 0}}, {{0, 0}, {0.5f, 0.3f}, {1.0f, 0}}}, 1.0f);
}

PClip* leafPattern()
{
    auto* clip = new PClip();
    clip->clipSize = 1.0f;
    for (uint16_t n = 0; n < 2; ++n)
    {
        auto* leaf = kit::curve({{-0.4f, 0}, {0, 0.22f}, {0.4f, 0}, {0, -0.22f}}, true,
                                kit::rgb(n == 0 ? leafGreen : 0xE8A33A), kit::ink());
        leaf->pointAt(0)->sharpness = leaf->pointAt(2)->sharpness = 100;
        leaf->rotation = n == 0 ? 0.5f : -0.4f;
        clip->cardFor(n)->shapes.append(leaf);
    }
    return clip;
}

PClip* scallopPattern()
{
    return patternOf({{{0, 0}, {0.2f, 0.25f}, {0.5f, 0.3f}, {0.8f, 0.25f}, {1.0f, 0}}}, 1.0f);
}

PClip* birdClip()
{
    auto* clip = new PClip();
    clip->clipSize = 3.0f;
    clip->index = 0;
    clip->cardFor(0)->shapes.append(bird(true));
    clip->cardFor(1)->shapes.append(bird(false));
    return clip;
}
} // namespace art
