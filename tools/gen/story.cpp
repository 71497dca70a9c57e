#include "gen/story.h"

#include "gen/artwork.h"
#include "gen/texts.h"
#include "model/brush.h"
#include "model/card.h"
#include "model/clip.h"
#include "model/comic.h"
#include "model/decor.h"
#include "model/image.h"
#include "model/page.h"
#include "model/point.h"

namespace story
{
const char* const postcardFile = "plumet_postcard.png";

namespace
{
using kit::Pt;

constexpr uint32_t skyBlue = 0xBFE3F5, duskSky = 0xF6D6A8, grassGreen = 0x8CC866, farGreen = 0xB5DB8C,
                   captionPaper = 0xFFF4C9, roomWall = 0xF3E3C3, tableBrown = 0xA0693C, nightBlue = 0x9CC7EA;

/** What every page builder needs at hand: the comic (for its decor), the texts and the panel
    whose layers it is filling. */
struct Page
{
    PComic& comic;
    const Texts& texts;
    PPage* page = nullptr;
    PPanel* panel = nullptr;
    PLayer *scenery = nullptr, *figures = nullptr, *lettering = nullptr;

    void open(PPanel* made, uint32_t paperColour)
    {
        panel = made;
        panel->fillColour = kit::rgb(paperColour);
        scenery = kit::addLayer(*panel, texts("Story.Scenery").toRawUTF8(), 2);
        figures = kit::addLayer(*panel, texts("Story.Figures").toRawUTF8(), 1, 70);
        lettering = kit::addLayer(*panel, texts("Story.Lettering").toRawUTF8(), 3);
        page->panels.append(panel);
    }
    const PGroup& decor(int item) const { return *comic.decor.get<PDecor>(item)->content; }
    /** A copy of one card of a clip, placed on the page as a group. */
    PGroup* fromClip(int clip, uint16_t number, float x, float y, float scale) const
    {
        auto* made = new PGroup();
        made->children.deepCopy(comic.clips.get<PClip>(clip)->cardFor(number)->shapes);
        return kit::at(made, x, y, scale);
    }
};

kit::TextStyle speech()
{
    kit::TextStyle style;
    style.size = 65;
    return style;
}

kit::TextStyle caption()
{
    kit::TextStyle style;
    style.face = kit::bookFace;
    style.size = 50;
    style.style = PFontSpec::italic;
    style.align = PText::alignLeft;
    return style;
}

void say(PLayer& layer, const juce::String& words, float cx, float cy, float rx, float ry, Pt tip)
{
    layer.shapes.append(kit::balloon(cx, cy, rx, ry, tip));
    layer.shapes.append(kit::text(words, cx, cy, speech()));
}

void captionBox(PLayer& layer, const juce::String& words, float l, float t, float r, float b)
{
    layer.shapes.append(kit::rect(l, b, r, t, kit::rgb(captionPaper), kit::ink()));
    auto* text = kit::text(words, 0, (t + b) / 2, caption());
    // Left-aligned lines start at the block's left edge, which sits half the block's width left of x.
    PRect box;
    text->getBounds(box, true);
    text->x = l + 0.25f - box.left;
    layer.shapes.append(text);
}

PBrush* brush(uint16_t kind, const std::vector<Pt>& guide, PClip* pattern, uint32_t line, uint32_t fill, int16_t seed)
{
    auto* made = new PBrush();
    made->kind = kind;
    made->seed = seed;
    made->lineColour = line;
    made->fillColour = fill;
    made->pattern.reset(pattern);
    for (const auto& p : guide)
        made->points.append(new PPoint(p.x, p.y));
    return made;
}

/** The shared library of the comic: the decor collection and the bird clip. */
void addCollections(PComic& comic, const Texts& texts)
{
    for (int item = 0; item < art::decorCount; ++item)
    {
        auto* decor = new PDecor();
        decor->name.assign(texts(art::decorKey(item)));
        decor->index = item;
        decor->decorSize = 5.0f;
        decor->content.reset(art::decorArtwork(item));
        decor->content->deformA = decor->content->deformB = decor->decorSize;
        comic.decor.append(decor);
    }
    auto* birds = art::birdClip();
    birds->name.assign(texts("Art.Bird"));
    comic.clips.append(birds);
}

PPage* newPage(PComic& comic, int number)
{
    auto* page = new PPage();
    page->index = number;
    page->name.assign(juce::String(number + 1));
    comic.pages.append(page);
    return page;
}

void pageOne(Page& p)
{
    const auto& t = p.texts;
    p.page = newPage(p.comic, 0);

    // The title strip: the banner arched upwards carries the title, which bends with it.
    p.open(kit::rectPanel(-9.5f, 10.0f, 9.5f, 13.85f), skyBlue);
    auto* title = kit::bent(p.decor(art::banner), 0.4f, 11.9f, 2.6f, 5, {{6, {0, 0.45f}}, {4, {0, 0.45f}}});
    kit::TextStyle heading;
    heading.face = kit::handFace;
    heading.size = 100;
    heading.style = PFontSpec::bold;
    heading.colour = kit::rgb(0xFFFFFF);
    heading.scale = 0.72f;
    title->children.append(kit::text(t("Story.Title"), 0, 0.14f, heading));
    p.figures->shapes.append(title);
    kit::TextStyle byline = caption();
    byline.align = PText::alignRight;
    byline.size = 40;
    p.lettering->shapes.append(kit::text(t("Story.Author"), 6.6f, 10.45f, byline));
    p.scenery->shapes.append(kit::at(art::feather(), -8.7f, 10.5f, 0.85f));

    // The morning: hills, the house on the hill and Pip on its roof.
    p.open(kit::rectPanel(-9.5f, 0.6f, 9.5f, 9.6f), skyBlue);
    p.scenery->shapes.append(kit::at(art::sun(), -7.2f, 7.4f));
    p.scenery->shapes.append(kit::bent(p.decor(art::cloud), 3.5f, 7.6f, 0.9f, 6, {{8, {0, -0.5f}}}));
    p.scenery->shapes.append(art::hill(-12, 4, 0.2f, 6.0f, kit::rgb(farGreen)));
    p.scenery->shapes.append(art::hill(-2, 12, 0.2f, 4.6f, kit::rgb(grassGreen)));
    p.scenery->shapes.append(brush(PBrushGenerator::area, {{-1.5f, 1.4f}, {1.0f, 3.6f}, {5.0f, 4.8f}, {9.6f, 2.6f}},
                                   art::grassPattern(), kit::rgb(0x3E7D34), kit::none, 3));
    p.scenery->shapes.append(
        kit::bent(p.decor(art::house), 5.0f, 6.0f, 0.85f, 3, {{5, {0.2f, 0.6f}}, {7, {-0.2f, 0.6f}}}));
    p.scenery->shapes.append(kit::placed(p.decor(art::bush), -6.3f, 3.4f, 0.6f));
    p.scenery->shapes.append(kit::placed(p.decor(art::tree), 0.3f, 5.8f, 0.9f));
    auto* leaves = brush(PBrushGenerator::spray, {{-8.5f, 1.6f}, {-5.5f, 2.4f}, {-2.8f, 1.5f}}, art::leafPattern(),
                         kit::ink(), kit::none, 11);
    leaves->density = 0.7f;
    leaves->distribute = 0.35f;
    leaves->oscillate = 0.5f;
    leaves->flags |= PBrush::alignStamps;
    p.scenery->shapes.append(leaves);
    p.figures->shapes.append(kit::at(art::bird(false), 5.2f, 8.85f, 0.45f));
    captionBox(*p.lettering, t("Story.P1.Caption"), -9.2f, 9.3f, -1.2f, 8.0f);

    // Pip sings: a panel whose right edge leans.
    p.open(kit::panel({{-9.5f, -13.85f}, {1.2f, -13.85f}, {-0.6f, 0.2f}, {-9.5f, 0.2f}}), 0xFCE9B8);
    p.scenery->shapes.append(kit::ellipse(-4.3f, -9.5f, 6.0f, 2.0f, kit::rgb(roomWall), kit::none, 0));
    p.figures->shapes.append(kit::at(art::bird(true), -5.5f, -8.0f, 1.6f));
    for (Pt note : {Pt{-2.4f, -6.2f}, Pt{-1.5f, -5.4f}})
    {
        p.figures->shapes.append(kit::ellipse(note.x, note.y, 0.25f, 0.18f, kit::ink(), kit::ink()));
        p.figures->shapes.append(kit::taperedLine(
            {{note.x + 0.23f, note.y}, {note.x + 0.25f, note.y + 0.9f}, {note.x + 0.6f, note.y + 0.6f}}, {60, 60, 30},
            kit::ink()));
    }
    say(*p.lettering, t("Story.P1.Say"), -4.6f, -2.2f, 3.6f, 1.4f, {-4.2f, -5.7f});

    // The gust: wind lines laid with the fine brush, and the feather torn away.
    p.open(kit::panel({{1.6f, -13.85f}, {9.5f, -13.85f}, {9.5f, 0.2f}, {-0.2f, 0.2f}}), 0xD9EEF8);
    for (int i = 0; i < 4; ++i)
    {
        const float y = -3.0f - 2.2f * static_cast<float>(i);
        auto* wind =
            brush(PBrushGenerator::fine, {{0.5f + 0.3f * i, y}, {4.0f, y + 0.6f}, {7.5f, y - 0.3f}, {9.4f, y + 0.2f}},
                  art::wavePattern(), kit::rgb(0x6AA7D8), kit::none, 0);
        wind->pointAt(1)->variant = 1;
        p.scenery->shapes.append(wind);
    }
    auto* tumbling = kit::at(art::bird(true), 3.6f, -10.0f, 1.0f);
    tumbling->rotation = 0.6f;
    p.figures->shapes.append(tumbling);
    auto* lost = kit::at(art::feather(), 6.6f, -7.4f, 0.7f);
    lost->rotation = -0.9f;
    p.figures->shapes.append(lost);
    kit::TextStyle sound;
    sound.face = kit::plainFace;
    sound.size = 100;
    sound.style = PFontSpec::bold;
    sound.align = PText::alignRight;
    sound.colour = kit::rgb(0x1F5FA8);
    sound.scale = 1.9f;
    auto* whoosh = kit::text(t("Story.P1.Sound"), 5.0f, -2.0f, sound);
    whoosh->rotation = 0.12f;
    p.lettering->shapes.append(whoosh);
}

void pageTwo(Page& p)
{
    const auto& t = p.texts;
    p.page = newPage(p.comic, 1);

    // Over the fence: the fence widened in perspective, the feather drifting.
    p.open(kit::rectPanel(-9.5f, 5.2f, 9.5f, 13.85f), skyBlue);
    p.scenery->shapes.append(kit::bent(p.decor(art::cloud), -5.5f, 11.6f, 0.7f, 6, {{8, {0, -0.4f}}}));
    p.scenery->shapes.append(kit::rect(-9.6f, 5.1f, 9.6f, 8.0f, kit::rgb(grassGreen), kit::none));
    p.scenery->shapes.append(kit::placed(p.decor(art::tree), -7.0f, 9.6f, 1.0f));
    p.scenery->shapes.append(
        kit::bent(p.decor(art::fence), 1.5f, 7.7f, 1.5f, 4, {{6, {0, 0.5f}}, {4, {0, 0.5f}}, {1, {0.6f, 0.5f}}}));
    p.scenery->shapes.append(kit::placed(p.decor(art::bush), 7.8f, 7.0f, 0.7f));
    p.scenery->shapes.append(kit::placed(p.decor(art::flower), -2.6f, 6.7f, 0.4f));
    p.scenery->shapes.append(kit::placed(p.decor(art::flower), -1.6f, 6.4f, 0.35f));
    auto* drifting = kit::at(art::feather(), 5.2f, 10.2f, 0.6f);
    drifting->rotation = -1.3f;
    p.figures->shapes.append(drifting);
    p.figures->shapes.append(kit::taperedLine({{1.0f, 12.6f}, {2.6f, 11.2f}, {4.3f, 11.9f}, {5.4f, 10.6f}},
                                              {0, 30, 30, 0}, kit::rgb(0x6AA7D8)));
    captionBox(*p.lettering, t("Story.P2.Caption"), -9.2f, 13.55f, 0.3f, 12.0f);

    // A round panel: the feather landing, close up.
    p.open(
        kit::panel({{-3.0f, 4.8f}, {-0.8f, 2.0f}, {-3.0f, -0.8f}, {-6.6f, -0.8f}, {-8.8f, 2.0f}, {-6.6f, 4.8f}}, false),
        0xFFF1D6);
    p.figures->shapes.append(kit::at(art::feather(), -5.7f, 0.3f, 1.2f));
    p.figures->shapes.append(kit::ellipse(-4.8f, 0.0f, 2.4f, 0.35f, kit::rgb(0x000000, 0x40), kit::none, 0));

    // Mia finds it among the flowers.
    p.open(kit::rectPanel(-0.2f, -0.8f, 9.5f, 4.8f), 0xE3F3D2);
    p.scenery->shapes.append(kit::placed(p.decor(art::flower), 7.8f, 0.6f, 0.6f));
    p.scenery->shapes.append(kit::placed(p.decor(art::flower), 8.8f, 0.2f, 0.45f));
    p.figures->shapes.append(kit::at(art::girl(true), 2.4f, 0.8f, 0.75f));
    say(*p.lettering, t("Story.P2.Say"), 6.4f, 3.3f, 2.4f, 1.0f, {3.6f, 2.6f});

    // At home: the table, the postcard on the wall and the round window onto the garden.
    p.open(kit::rectPanel(-9.5f, -13.85f, 9.5f, -1.2f), roomWall);
    p.scenery->shapes.append(kit::rect(-9.6f, -13.9f, 9.6f, -9.2f, kit::rgb(0xC99E6E), kit::none));
    auto* postcard = new PImage();
    postcard->setFile(postcardFile);
    postcard->flags |= PImage::inImagesFolder | PImage::highQuality;
    postcard->pixelWidth = 300, postcard->pixelHeight = 200;
    postcard->opacity = 1.0f;
    postcard->rotation = 0.05f;
    p.scenery->shapes.append(kit::at(postcard, -6.0f, -4.4f, 0.5f));
    auto* frame = kit::ellipse(4.6f, -4.5f, 2.3f, 2.3f, kit::rgb(nightBlue), kit::ink(), 90);
    p.scenery->shapes.append(
        kit::clippingGroup({frame, art::hill(1.0f, 8.0f, -6.9f, 2.4f, kit::rgb(grassGreen)),
                            p.fromClip(0, 0, 3.8f, -3.6f, 0.35f), p.fromClip(0, 1, 5.6f, -4.3f, 0.3f),
                            kit::bent(p.decor(art::cloud), 5.3f, -2.8f, 0.5f, 6, {{8, {0, -0.4f}}})}));
    p.scenery->shapes.append(kit::rect(-8.0f, -9.4f, 8.0f, -8.8f, kit::rgb(tableBrown), kit::ink()));
    p.figures->shapes.append(kit::at(art::girl(true), -0.8f, -9.6f, 0.9f));
    p.figures->shapes.append(kit::rect(1.3f, -9.0f, 4.3f, -8.75f, kit::rgb(0xFFFFFF), kit::ink()));
    say(*p.lettering, t("Story.P2.Think"), 1.4f, -2.6f, 2.9f, 1.1f, {0.0f, -5.6f});
    captionBox(*p.lettering, t("Story.P2.Caption2"), -9.2f, -1.5f, -3.2f, -2.5f);
}

void pageThree(Page& p)
{
    const auto& t = p.texts;
    p.page = newPage(p.comic, 2);

    // Pip searches: the path up the hill is one thick brush stroke, birds come from the clip.
    p.open(kit::rectPanel(-9.5f, 3.4f, 9.5f, 13.85f), duskSky);
    p.scenery->shapes.append(art::hill(-12, 12, 3.3f, 6.5f, kit::rgb(grassGreen)));
    auto* path = brush(PBrushGenerator::thick, {{-1.5f, 3.0f}, {0.8f, 5.0f}, {-0.2f, 7.4f}, {1.2f, 9.4f}}, nullptr,
                       kit::rgb(0x9C7A52), kit::rgb(0xE8D2A8), 0);
    path->largeness = 0.25f;
    const uint16_t widths[] = {100, 70, 40, 10};
    for (int i = 0; i < 4; ++i)
        path->pointAt(i)->thickness = widths[i];
    p.scenery->shapes.append(path);
    p.scenery->shapes.append(kit::placed(p.decor(art::house), 6.0f, 9.6f, 0.6f));
    p.scenery->shapes.append(p.fromClip(0, 0, -6.5f, 11.8f, 0.3f));
    p.scenery->shapes.append(p.fromClip(0, 1, -4.8f, 12.6f, 0.25f));
    p.figures->shapes.append(kit::at(art::bird(true), -4.0f, 7.0f, 1.1f));
    say(*p.lettering, t("Story.P3.Say"), 3.0f, 11.6f, 3.0f, 1.2f, {-2.4f, 8.0f});

    // The surprise: Pip sees himself on Mia's page.
    p.open(kit::panel({{-9.5f, -3.4f}, {2.0f, -3.4f}, {0.6f, 3.0f}, {-9.5f, 3.0f}}), 0xFFF4C9);
    p.scenery->shapes.append(kit::bent(p.decor(art::burst), -4.0f, -0.4f, 2.3f, 1,
                                       {{0, {-0.4f, -0.3f}}, {1, {0.6f, -0.1f}}, {2, {0.3f, 0.3f}}}));
    auto* sheet = kit::rect(-7.6f, -2.9f, -1.2f, 1.4f, kit::rgb(0xFFFFFF), kit::ink());
    sheet->rotation = -0.06f;
    p.scenery->shapes.append(sheet);
    p.scenery->shapes.append(kit::at(art::bird(false), -4.4f, -0.9f, 1.2f));
    p.figures->shapes.append(kit::at(art::bird(true), -1.2f, 1.8f, 0.6f));
    kit::TextStyle shout;
    shout.face = kit::plainFace;
    shout.size = 100;
    shout.style = PFontSpec::bold | PFontSpec::underlined;
    shout.colour = kit::rgb(0xD23B3B);
    p.lettering->shapes.append(kit::text(t("Story.P3.Shout"), -5.0f, 2.5f, shout));

    // Friends: Mia shows her comic, Pip answers.
    p.open(kit::panel({{2.4f, -3.4f}, {9.5f, -3.4f}, {9.5f, 3.0f}, {1.0f, 3.0f}}), 0xE3F3D2);
    p.figures->shapes.append(kit::at(art::girl(false), 5.0f, -1.2f, 0.7f));
    p.figures->shapes.append(kit::at(art::bird(true), 7.8f, 1.2f, 0.45f));
    say(*p.lettering, t("Story.P3.Tweet"), 7.6f, -0.9f, 1.2f, 0.65f, {7.7f, 0.5f});

    // The last panel: evening, Mia and Pip side by side.
    p.open(kit::rectPanel(-9.5f, -13.85f, 9.5f, -3.8f), nightBlue);
    p.scenery->shapes.append(kit::rect(-9.6f, -13.9f, 9.6f, -10.0f, kit::rgb(grassGreen), kit::none));
    p.scenery->shapes.append(kit::placed(p.decor(art::tree), 6.8f, -8.2f, 0.9f));
    p.scenery->shapes.append(kit::placed(p.decor(art::bush), -7.6f, -9.8f, 0.6f));
    p.figures->shapes.append(kit::at(art::girl(false), -2.0f, -9.8f, 0.85f));
    p.figures->shapes.append(kit::at(art::bird(false), 0.6f, -8.6f, 0.55f));
    say(*p.lettering, t("Story.P3.Say2"), 3.6f, -5.6f, 3.6f, 1.2f, {-1.0f, -7.2f});
    kit::TextStyle ending = caption();
    ending.align = PText::alignRight;
    ending.size = 80;
    ending.style = PFontSpec::bold | PFontSpec::italic;
    p.lettering->shapes.append(kit::text(t("Story.P3.End"), 7.0f, -12.9f, ending));
}
} // namespace

juce::String sampleFileName(const juce::String& suffix)
{
    return "sample_comic" + suffix + ".plm";
}

void fill(PComic& comic, const Texts& texts)
{
    comic.name.assign(texts("Story.Name"));
    comic.author.assign(texts("Story.Author"));
    comic.format = PPageFormat::a4;
    comic.applyPageFormat();
    addCollections(comic, texts);
    Page p{comic, texts};
    pageOne(p);
    pageTwo(p);
    pageThree(p);
    comic.applySettings();
    comic.propagateSettings();
}

juce::Image paintPostcard()
{
    constexpr int width = 300, height = 200;
    juce::Image picture(juce::Image::RGB, width, height, true);
    juce::Graphics g(picture);
    g.setGradientFill(juce::ColourGradient(juce::Colour(0xFF2B3F8C), 0, 0, juce::Colour(0xFFF79A4B), 0, 130, false));
    g.fillRect(0, 0, width, 130);
    g.setGradientFill(
        juce::ColourGradient(juce::Colour(0xFFFFE27A), 150, 125, juce::Colour(0x00FFB347), 150, 60, true));
    g.fillEllipse(90, 65, 120, 120);
    g.setGradientFill(juce::ColourGradient(juce::Colour(0xFF1E5F8C), 0, 130, juce::Colour(0xFF0B2540), 0, 200, false));
    g.fillRect(0, 130, width, 70);
    g.setColour(juce::Colour(0x80FFD38A));
    for (int i = 0; i < 6; ++i)
        g.fillRect(150 - 40 + i * 6, 136 + i * 10, 80 - i * 12, 3);
    g.setColour(juce::Colours::white);
    g.drawRect(0, 0, width, height, 8);
    return picture;
}
} // namespace story
