#include "gen/guide.h"

#include <cmath>
#include <iterator>

#include "gen/artwork.h"
#include "gen/drawkit.h"
#include "gen/texts.h"
#include "model/brush.h"
#include "model/card.h"
#include "model/clip.h"
#include "model/comic.h"
#include "model/decor.h"
#include "model/page.h"
#include "model/point.h"

namespace guide
{
namespace
{
using kit::Pt;

constexpr float left = -9.5f, right = 9.5f, top = 13.85f, bottom = -13.85f, gutter = 0.4f;
constexpr float headerHeight = 2.0f;
constexpr double centimetresPerPoint = 0.0352778;
constexpr float lineSpacing = 1.2f;
constexpr uint32_t headerBlue = 0x2F6DB5, paperCream = 0xFBF6EA, chromeGrey = 0xE4E6EA, chromeDark = 0xB9BEC7,
                   calloutRed = 0xD23B3B, canvasGrey = 0xC9CDD3, tipYellow = 0xFFF4C9, paneBlue = 0xDCE9F7;

kit::TextStyle body()
{
    kit::TextStyle style;
    style.face = kit::plainFace;
    style.size = 50;
    style.align = PText::alignLeft;
    return style;
}

kit::TextStyle bold(uint16_t size = 60)
{
    kit::TextStyle style = body();
    style.size = size;
    style.style = PFontSpec::bold;
    return style;
}

kit::TextStyle label(uint16_t size = 40)
{
    kit::TextStyle style = body();
    style.size = size;
    style.align = PText::alignCentre;
    return style;
}

/** The width in centimetres of one line set in a style. */
float widthOf(const juce::String& line, const kit::TextStyle& style)
{
    PFontSpec font;
    font.face.assign(style.face);
    font.size = style.size;
    font.style = style.style;
    return font.getFont().getStringWidthFloat(line) * static_cast<float>(centimetresPerPoint) * style.scale;
}

float lineHeightOf(const kit::TextStyle& style)
{
    return PFontSpec::heightFor(style.size) * static_cast<float>(centimetresPerPoint) * style.scale * lineSpacing;
}

/** One line of text whose left end is at x, its middle at y. */
PText* lineAt(const juce::String& line, float x, float y, const kit::TextStyle& style)
{
    return kit::text(line, x + widthOf(line, style) / 2, y, style);
}

/** Sets a text into lines no wider than width, one text shape per line so that no line meets
    the length limit of a name; answers the y below the last line. */
float paragraph(PLayer& layer, const juce::String& words, float x, float y, float width, const kit::TextStyle& style)
{
    const float step = lineHeightOf(style);
    for (const auto& hardLine : juce::StringArray::fromLines(words))
    {
        juce::String line;
        for (const auto& word : juce::StringArray::fromTokens(hardLine, " ", ""))
        {
            const auto longer = line.isEmpty() ? word : line + " " + word;
            if (line.isNotEmpty() && widthOf(longer, style) > width)
            {
                layer.shapes.append(lineAt(line, x, y - step / 2, style));
                y -= step;
                line = word;
            }
            else
                line = longer;
        }
        layer.shapes.append(lineAt(line, x, y - step / 2, style));
        y -= step;
    }
    return y;
}

/** A panel with an artwork layer under a text layer. */
struct Box
{
    PPanel* panel;
    PLayer& art() const { return *panel->layerAt(0); }
    PLayer& words() const { return *panel->layerAt(1); }
};

/** Builds one guide page at a time; the sample comic lends its pages, clips and decor. */
struct Sheet
{
    PComic& book;
    const PComic& sample;
    const Texts& t;
    PPage* page = nullptr;

    void newPage(int number, const juce::String& title)
    {
        page = new PPage();
        page->index = number - 1;
        book.pages.append(page);
        auto strip = box(left, top - headerHeight, right, top, headerBlue);
        kit::TextStyle heading = bold(100);
        heading.colour = kit::rgb(0xFFFFFF);
        heading.face = kit::handFace;
        strip.words().shapes.append(
            lineAt(juce::String(number) + "  " + title, left + 0.5f, top - headerHeight / 2, heading));
        kit::TextStyle folio = label(40);
        folio.colour = kit::rgb(0xFFFFFF);
        strip.words().shapes.append(kit::text(t("Guide.Title"), right - 2.0f, top - headerHeight / 2, folio));
    }

    Box box(float l, float b, float r, float tp, uint32_t paper = paperCream) const
    {
        auto* made = kit::rectPanel(l, b, r, tp);
        made->fillColour = kit::rgb(paper);
        kit::addLayer(*made, "Art", 1);
        kit::addLayer(*made, "Text", 2);
        page->panels.append(made);
        return {made};
    }

    /** A sample page in small: its panels, moved and scaled, on a sheet of paper. */
    void miniature(int samplePage, float cx, float cy, float scale) const
    {
        const auto& source = *sample.pages.get<PPage>(samplePage);
        const float hw = source.width * scale / 2, hh = source.height * scale / 2;
        auto* sheet = kit::rectPanel(cx - hw, cy - hh, cx + hw, cy + hh);
        sheet->fillColour = kit::paper();
        kit::setThickness(*sheet, 20);
        page->panels.append(sheet);
        for (PBase* panel : source.panels)
        {
            auto* copy = static_cast<PPanel*>(panel->clone());
            copy->x = cx, copy->y = cy, copy->scaleX = scale, copy->scaleY = scale;
            page->panels.append(copy);
        }
    }

    const PGroup& decor(int item) const { return *sample.decor.get<PDecor>(item)->content; }
    PGroup* clipCard(uint16_t number, float x, float y, float scale) const
    {
        auto* made = new PGroup();
        made->children.deepCopy(sample.clips.get<PClip>(0)->cardFor(number)->shapes);
        return kit::at(made, x, y, scale);
    }
};

void callout(PLayer& layer, int number, float x, float y)
{
    layer.shapes.append(kit::ellipse(x, y, 0.42f, 0.42f, kit::rgb(calloutRed), kit::ink(), 40));
    kit::TextStyle digit = bold(70);
    digit.align = PText::alignCentre;
    digit.colour = kit::rgb(0xFFFFFF);
    layer.shapes.append(kit::text(juce::String(number), x, y, digit));
}

/** Pip gives a tip: the bird, and the words in a balloon beside it. */
void pipSays(Box& where, const juce::String& words, float x, float y, float balloonX, float balloonY, float rx,
             float ry)
{
    where.art().shapes.append(kit::at(art::bird(true), x, y, 0.7f));
    where.words().shapes.append(kit::balloon(balloonX, balloonY, rx, ry, {x + 0.9f, y + 0.4f}));
    kit::TextStyle speech;
    speech.size = 60;
    where.words().shapes.append(kit::text(words, balloonX, balloonY, speech));
}

/** A numbered list of explanations: the number in a callout, the text beside it. */
float legend(Box& where, const Texts& t, std::initializer_list<const char*> keys, float x, float y, float width)
{
    int number = 1;
    for (const char* key : keys)
    {
        callout(where.words(), number++, x + 0.45f, y - 0.4f);
        y = paragraph(where.words(), t(key), x + 1.2f, y - 0.05f, width - 1.2f, body()) - 0.25f;
    }
    return y;
}

void cover(Sheet& s)
{
    s.page = new PPage();
    s.page->index = 0;
    s.book.pages.append(s.page);
    auto title = s.box(left, 7.6f, right, top, headerBlue);
    kit::TextStyle big = bold(100);
    big.face = kit::handFace;
    big.align = PText::alignCentre;
    big.colour = kit::rgb(0xFFFFFF);
    big.scale = 2.4f;
    title.words().shapes.append(kit::text("Plumet Comics", 0, 11.3f, big));
    big.scale = 1.5f;
    title.words().shapes.append(kit::text(s.t("Guide.Title"), 0, 9.0f, big));
    title.art().shapes.append(kit::at(art::feather(), -8.3f, 8.3f, 1.2f));
    s.box(left, -13.85f, right, 7.2f, 0xEAF4FB);
    s.miniature(0, -3.6f, -0.4f, 0.5f);
    auto words = s.box(1.8f, -13.4f, 9.1f, 6.6f, paperCream);
    float y = paragraph(words.words(), s.t("Guide.Intro1"), 2.2f, 6.1f, 6.5f, body());
    y = paragraph(words.words(), s.t("Guide.Intro2"), 2.2f, y - 0.4f, 6.5f, body());
    paragraph(words.words(), s.t("Guide.Intro3"), 2.2f, y - 0.4f, 6.5f, body());
    pipSays(words, s.t("Guide.Hello"), 3.6f, -11.6f, 6.0f, -9.4f, 2.6f, 1.1f);
}

/** The main window in outline, with its parts numbered. */
void windowPage(Sheet& s)
{
    s.newPage(2, s.t("Guide.Window"));
    const float wl = left, wr = right, wt = 11.4f, wb = -1.6f;
    auto frame = s.box(wl, wb, wr, wt, chromeGrey);
    auto& art = frame.art();
    auto& words = frame.words();
    art.shapes.append(kit::rect(wl, wt - 0.8f, wr, wt, kit::rgb(0x2B3440), kit::none));
    kit::TextStyle titleText = label(40);
    titleText.colour = kit::rgb(0xFFFFFF);
    words.shapes.append(kit::text(s.sample.name.toString(), 0, wt - 0.4f, titleText));
    art.shapes.append(kit::rect(wl, wt - 1.5f, wr, wt - 0.8f, kit::rgb(0xF5F6F8), kit::none));
    words.shapes.append(lineAt(s.t("Menu.Comic"), wl + 0.4f, wt - 1.15f, body()));
    words.shapes.append(lineAt(s.t("Menu.Help"), wl + 1.2f + widthOf(s.t("Menu.Comic"), body()), wt - 1.15f, body()));
    // Tool bar: the four side panes and the history.
    float x = wl + 0.3f;
    for (const char* key :
         {"Toolbar.Pages", "Toolbar.Layers", "Toolbar.Clips", "Toolbar.Decor", "Toolbar.Undo", "Toolbar.Redo"})
    {
        art.shapes.append(kit::rect(x, wt - 2.4f, x + 2.4f, wt - 1.7f, kit::rgb(0xFFFFFF), kit::rgb(chromeDark)));
        words.shapes.append(kit::text(s.t(key), x + 1.2f, wt - 2.05f, label()));
        x += 2.6f;
    }
    // Side pane, canvas and view pane.
    art.shapes.append(kit::rect(wl + 0.3f, wb + 1.0f, wl + 5.0f, wt - 2.7f, kit::rgb(paneBlue), kit::rgb(chromeDark)));
    for (int i = 0; i < 3; ++i)
    {
        const float y = wt - 3.4f - 1.3f * static_cast<float>(i);
        art.shapes.append(kit::rect(wl + 0.6f, y - 0.5f, wl + 4.7f, y + 0.5f, kit::rgb(i == 0 ? 0xFFFFFF : 0xF0F5FB),
                                    kit::rgb(chromeDark)));
        words.shapes.append(lineAt(s.t("Target.41") + " " + juce::String(i + 1), wl + 0.9f, y, body()));
    }
    art.shapes.append(
        kit::rect(wl + 5.2f, wb + 1.0f, wr - 2.0f, wt - 2.7f, kit::rgb(canvasGrey), kit::rgb(chromeDark)));
    art.shapes.append(kit::rect(wr - 1.8f, wb + 1.0f, wr - 0.3f, wt - 2.7f, kit::rgb(paneBlue), kit::rgb(chromeDark)));
    for (int i = 0; i < 4; ++i)
        art.shapes.append(kit::ellipse(wr - 1.05f, wt - 3.6f - 1.2f * static_cast<float>(i), 0.4f, 0.4f,
                                       kit::rgb(0xFFFFFF), kit::rgb(chromeDark)));
    // Status bar: the five switches and the options.
    art.shapes.append(kit::rect(wl, wb, wr, wb + 0.8f, kit::rgb(0xF5F6F8), kit::none));
    x = wl + 0.4f;
    for (const char* key :
         {"Statusbar.Lock", "Statusbar.Grid", "Statusbar.Snap", "Statusbar.Wall", "Statusbar.Help", "Statusbar.Option"})
    {
        art.shapes.append(kit::rect(x, wb + 0.22f, x + 0.36f, wb + 0.58f, kit::rgb(0xFFFFFF), kit::ink()));
        words.shapes.append(lineAt(s.t(key), x + 0.5f, wb + 0.4f, label(30)));
        x += 3.0f;
    }
    s.miniature(0, 0.7f, 3.6f, 0.22f);
    // The numbers go over the miniature, so they lie in a clear panel of their own on top.
    auto marks = s.box(wl, wb, wr, wt);
    marks.panel->fillColour = kit::none;
    marks.panel->lineColour = kit::none;
    callout(marks.words(), 1, wl + 2.6f + widthOf(s.t("Menu.Comic") + s.t("Menu.Help"), body()), wt - 1.15f);
    callout(marks.words(), 2, wr - 0.6f, wt - 2.05f);
    callout(marks.words(), 3, wl + 2.6f, wb + 2.0f);
    callout(marks.words(), 4, wr - 3.0f, wb + 2.0f);
    callout(marks.words(), 5, wr - 1.05f, wb + 2.0f);
    callout(marks.words(), 6, wr - 0.6f, wb + 0.4f);
    auto text = s.box(left, bottom, right, wb - gutter);
    const float y = legend(text, s.t,
                           {"Guide.WindowMenu", "Guide.WindowTools", "Guide.WindowSide", "Guide.WindowCanvas",
                            "Guide.WindowView", "Guide.WindowStatus"},
                           left + 0.3f, wb - gutter - 0.3f, right - left - 0.6f);
    paragraph(text.words(), s.t("Guide.WindowFirst"), left + 0.5f, y - 0.2f, right - left - 1.0f, bold(50));
}

/** A layer drawn as a sheet of tracing paper, for the stack of layers. */
void layerSheet(PLayer& art, PLayer& words, const juce::String& name, float x, float y, uint32_t colour)
{
    auto* sheet = kit::curve({{x - 2.0f, y - 0.6f}, {x + 1.6f, y - 0.6f}, {x + 2.4f, y + 0.6f}, {x - 1.2f, y + 0.6f}},
                             true, kit::rgb(colour, 0xC0), kit::ink(), true);
    art.shapes.append(sheet);
    words.shapes.append(kit::text(name, x + 0.2f, y, label(40)));
}

void panesPage(Sheet& s)
{
    s.newPage(3, s.t("Guide.Panes"));
    const float mid = 0, rowTop = top - headerHeight - gutter, rowMid = 0.6f;
    const float textWidth = (right - left) / 2 - gutter - 0.8f;

    // Pages: a sample page whose panels are the things of the pane.
    auto pages = s.box(left, rowMid + gutter / 2, mid - gutter / 2, rowTop);
    pages.words().shapes.append(lineAt(s.t("Toolbar.Pages"), left + 0.4f, rowTop - 0.6f, bold()));
    float y = paragraph(pages.words(), s.t("Guide.PanePages"), left + 0.4f, rowTop - 1.2f, textWidth, body());
    s.miniature(0, left + 4.6f, (y + rowMid) / 2, std::min(0.2f, (y - rowMid - 0.8f) / 29.7f));

    // Layers: the sample's layers stacked like sheets of tracing paper.
    auto layers = s.box(mid + gutter / 2, rowMid + gutter / 2, right, rowTop);
    layers.words().shapes.append(lineAt(s.t("Toolbar.Layers"), mid + 0.6f, rowTop - 0.6f, bold()));
    y = paragraph(layers.words(), s.t("Guide.PaneLayers"), mid + 0.6f, rowTop - 1.2f, textWidth, body());
    const auto& firstPanel = *s.sample.pages.get<PPage>(0)->panels.get<PPanel>(1);
    const uint32_t tints[] = {0xBFE3F5, 0xF6D2B4, 0xFFF4C9};
    for (int i = 0; i < firstPanel.layers.size() && i < 3; ++i)
        layerSheet(layers.art(), layers.words(), firstPanel.layerAt(i)->name.toString(), mid + 4.7f,
                   y - 1.2f - 1.1f * static_cast<float>(2 - i), tints[i]);

    // Clips: the bird clip's two cards side by side.
    auto clips = s.box(left, bottom, mid - gutter / 2, rowMid - gutter / 2);
    clips.words().shapes.append(lineAt(s.t("Toolbar.Clips"), left + 0.4f, rowMid - 1.0f, bold()));
    y = paragraph(clips.words(), s.t("Guide.PaneClips"), left + 0.4f, rowMid - 1.6f, textWidth, body());
    for (uint16_t card = 0; card < 2; ++card)
    {
        const float cx = left + 2.4f + 4.4f * card;
        clips.art().shapes.append(kit::rect(cx - 1.9f, y - 4.2f, cx + 1.9f, y - 0.6f, kit::rgb(0xFFFFFF), kit::ink()));
        clips.art().shapes.append(s.clipCard(card, cx, y - 2.3f, 0.85f));
        clips.words().shapes.append(kit::text(s.t("Guide.Card") + " " + juce::String(card), cx, y - 3.85f, label()));
    }

    // Decor: one item bent through each deform mode.
    auto decor = s.box(mid + gutter / 2, bottom, right, rowMid - gutter / 2);
    decor.words().shapes.append(lineAt(s.t("Toolbar.Decor"), mid + 0.6f, rowMid - 1.0f, bold()));
    y = paragraph(decor.words(), s.t("Guide.PaneDecor"), mid + 0.6f, rowMid - 1.6f, textWidth, body());
    struct Mode
    {
        const char* key;
        uint16_t mode;
        std::initializer_list<kit::Bend> bends;
    };
    // The fence is tall enough for visible bends that keep every quadrilateral convex.
    const Mode modes[] = {{"Deform.none", 1, {{1, {0.6f, -0.8f}}, {2, {0.6f, 0.8f}}}},
                          {"Deform.height", 3, {{5, {0, 0.8f}}, {7, {0, -0.6f}}}},
                          {"Deform.width", 4, {{4, {1.2f, 0}}, {6, {1.2f, 0}}}},
                          {"Deform.above", 5, {{6, {0, 1.0f}}, {4, {0, 1.0f}}}},
                          {"Deform.below", 6, {{6, {0, -1.0f}}, {4, {0, -1.0f}}}}};
    int i = 0;
    for (const auto& m : modes)
    {
        const float cx = mid + 1.9f + 3.1f * static_cast<float>(i % 3),
                    cy = y - 1.6f - 3.0f * static_cast<float>(i / 3);
        decor.art().shapes.append(kit::bent(s.decor(art::fence), cx, cy, 0.5f, m.mode, m.bends));
        decor.words().shapes.append(kit::text(s.t(m.key), cx, cy - 1.2f, label(30)));
        ++i;
    }
}

/** A curve with its anchors marked, as the point mode shows it. */
void pointsPicture(PLayer& art, float x, float y)
{
    auto* line =
        kit::taperedLine({{x - 3.0f, y - 0.6f}, {x - 1.4f, y + 0.9f}, {x + 0.3f, y - 0.7f}, {x + 2.4f, y + 0.8f}},
                         {10, 90, 40, 100}, kit::ink());
    line->pointAt(2)->sharpness = 100;
    art.shapes.append(line);
    for (int i = 0; i < line->points.size(); ++i)
    {
        auto* point = line->pointAt(i);
        auto* handle = kit::rect(point->x - 0.15f, point->y - 0.15f, point->x + 0.15f, point->y + 0.15f,
                                 kit::rgb(i == 1 ? 0xD23B3B : 0xFFFFFF), kit::rgb(0x2F6DB5));
        kit::setThickness(*handle, 30);
        art.shapes.append(handle);
    }
}

/** A shape with the frame and handles of the shape mode. */
void shapePicture(PLayer& art, const PGroup& artwork, float x, float y)
{
    art.shapes.append(kit::placed(artwork, x, y, 0.55f));
    auto* frame = kit::rect(x - 1.5f, y - 1.1f, x + 1.5f, y + 1.4f, kit::none, kit::rgb(0x2F6DB5));
    kit::setThickness(*frame, 20);
    art.shapes.append(frame);
    for (Pt h : {Pt{x + 1.5f, y + 0.15f}, Pt{x, y + 1.4f}, Pt{x + 1.5f, y + 1.4f}})
        art.shapes.append(
            kit::rect(h.x - 0.15f, h.y - 0.15f, h.x + 0.15f, h.y + 0.15f, kit::rgb(0xFFFFFF), kit::rgb(0x2F6DB5)));
    art.shapes.append(kit::ellipse(x, y + 2.0f, 0.17f, 0.17f, kit::rgb(0xFFFFFF), kit::rgb(0x2F6DB5)));
}

void modesPage(Sheet& s)
{
    s.newPage(4, s.t("Guide.Modes"));
    struct Row
    {
        const char* title;
        const char* text;
    };
    const Row rows[] = {{"Edit.Draw", "Guide.ModeDraw"},
                        {"Edit.Shape", "Guide.ModeShape"},
                        {"Edit.Point", "Guide.ModePoint"},
                        {"Edit.Group", "Guide.ModeMark"},
                        {"Edit.SetDeform", "Guide.ModeDeform"}};
    constexpr float rowCount = std::size(rows);
    const float rowH = (top - headerHeight - gutter - bottom - (rowCount - 1) * gutter) / rowCount;
    float rowTop = top - headerHeight - gutter;
    int index = 0;
    for (const auto& row : rows)
    {
        auto b = s.box(left, rowTop - rowH, right, rowTop);
        const float cx = left + 3.6f, cy = rowTop - rowH / 2;
        b.words().shapes.append(lineAt(s.t(row.title), left + 7.4f, rowTop - 0.6f, bold()));
        paragraph(b.words(), s.t(row.text), left + 7.4f, rowTop - 1.2f, right - left - 7.9f, body());
        switch (index++)
        {
        case 0:
            // A line drawn by hand: thick where the pen went slowly, thin at both ends.
            b.art().shapes.append(kit::taperedLine(
                {{cx - 2.6f, cy - 0.6f}, {cx - 1.2f, cy + 0.8f}, {cx + 0.4f, cy - 0.5f}, {cx + 2.4f, cy + 0.6f}},
                {10, 90, 60, 10}, kit::rgb(0x2F6DB5)));
            break;
        case 1: shapePicture(b.art(), s.decor(art::house), cx, cy - 0.3f); break;
        case 2: pointsPicture(b.art(), cx, cy); break;
        case 3:
        {
            for (int k = 0; k < 3; ++k)
                b.art().shapes.append(kit::placed(s.decor(art::flower), cx - 2.0f + 2.0f * k, cy - 0.2f, 0.45f));
            auto* band =
                kit::rect(cx - 3.1f, cy - 1.4f, cx + 1.0f, cy + 1.2f, kit::rgb(0x2F6DB5, 0x30), kit::rgb(0x2F6DB5));
            kit::setThickness(*band, 20);
            b.art().shapes.append(band);
            break;
        }
        default:
            // The item at rest and, beside it, bent into an arch.
            b.art().shapes.append(kit::placed(s.decor(art::fence), cx - 1.9f, cy, 0.5f));
            b.art().shapes.append(kit::taperedLine({{cx - 0.4f, cy}, {cx + 0.2f, cy}}, {20, 80}, kit::rgb(0x2F6DB5)));
            b.art().shapes.append(
                kit::bent(s.decor(art::fence), cx + 1.9f, cy - 0.2f, 0.5f, 5, {{6, {0, 1.0f}}, {4, {0, 1.0f}}}));
            break;
        }
        rowTop -= rowH + gutter;
    }
}

void brushPage(Sheet& s)
{
    s.newPage(5, s.t("Guide.Drawing"));
    auto intro = s.box(left, 6.4f, right, top - headerHeight - gutter);
    float y = paragraph(intro.words(), s.t("Guide.DrawCurves"), left + 0.4f, top - headerHeight - gutter - 0.4f, 9.6f,
                        body());
    paragraph(intro.words(), s.t("Guide.DrawText"), left + 0.4f, y - 0.3f, 9.6f, body());
    // A curve of changing width with a sharp corner, a fill and three typefaces.
    auto* wave = kit::taperedLine({{1.4f, 8.0f}, {3.0f, 10.2f}, {4.6f, 7.6f}, {6.2f, 10.0f}, {8.6f, 8.2f}},
                                  {0, 100, 30, 100, 0}, kit::ink());
    wave->pointAt(2)->sharpness = 100;
    intro.art().shapes.append(wave);
    intro.art().shapes.append(kit::at(art::sun(), 3.0f, 8.9f, 0.5f));
    kit::TextStyle hand;
    hand.size = 70;
    intro.words().shapes.append(kit::text("Comic Neue", 2.6f, 7.1f, hand));
    kit::TextStyle book = body();
    book.face = kit::bookFace;
    book.style = PFontSpec::italic;
    book.size = 70;
    book.align = PText::alignCentre;
    intro.words().shapes.append(kit::text("DejaVu Serif", 7.0f, 7.1f, book));

    const float rowTop = 6.0f, cellH = (rowTop - bottom - gutter) / 2, cellW = (right - left - gutter) / 2;
    struct Kind
    {
        uint16_t kind;
        const char* name;
        const char* text;
    };
    const Kind kinds[] = {{PBrushGenerator::area, "Brush.area", "Guide.BrushArea"},
                          {PBrushGenerator::thick, "Brush.thick", "Guide.BrushThick"},
                          {PBrushGenerator::spray, "Brush.spray", "Guide.BrushSpray"},
                          {PBrushGenerator::fine, "Brush.fine", "Guide.BrushFine"}};
    for (int i = 0; i < 4; ++i)
    {
        const float l = left + static_cast<float>(i % 2) * (cellW + gutter);
        const float t = rowTop - static_cast<float>(i / 2) * (cellH + gutter);
        auto b = s.box(l, t - cellH, l + cellW, t);
        b.words().shapes.append(lineAt(s.t(kinds[i].name), l + 0.4f, t - 0.6f, bold()));
        y = paragraph(b.words(), s.t(kinds[i].text), l + 0.4f, t - 1.2f, cellW - 0.8f, body());
        auto* brush = new PBrush();
        brush->kind = kinds[i].kind;
        brush->seed = 5;
        const float by = (y + t - cellH) / 2;
        for (const Pt& p : {Pt{l + 1.0f, by - 0.6f}, Pt{l + 3.4f, by + 0.8f}, Pt{l + 6.0f, by - 0.5f},
                            Pt{l + cellW - 1.0f, by + 0.5f}})
            brush->points.append(new PPoint(p.x, p.y));
        switch (kinds[i].kind)
        {
        case PBrushGenerator::area: brush->pattern.reset(art::grassPattern()); break;
        case PBrushGenerator::thick:
            brush->fillColour = kit::rgb(0x4C8FD6);
            brush->largeness = 0.2f;
            break;
        case PBrushGenerator::spray:
            brush->pattern.reset(art::leafPattern());
            brush->density = 0.8f;
            brush->distribute = 0.3f;
            brush->oscillate = 0.4f;
            break;
        default:
            brush->pattern.reset(art::wavePattern());
            brush->pointAt(1)->variant = 1;
            break;
        }
        (void) brush->generateStrokes();
        b.art().shapes.append(brush);
    }
}

void barsPage(Sheet& s)
{
    s.newPage(6, s.t("Guide.Bars"));
    auto tools = s.box(left, 3.0f, right, top - headerHeight - gutter);
    const float barTop = top - headerHeight - gutter - 0.6f;
    tools.words().shapes.append(lineAt(s.t("Guide.Toolbar"), left + 0.4f, barTop, bold()));
    float x = left + 0.4f;
    int number = 1;
    for (const char* key :
         {"Toolbar.Pages", "Toolbar.Layers", "Toolbar.Clips", "Toolbar.Decor", "Toolbar.Undo", "Toolbar.Redo"})
    {
        tools.art().shapes.append(
            kit::rect(x, barTop - 1.6f, x + 2.8f, barTop - 0.8f, kit::rgb(0xFFFFFF), kit::rgb(chromeDark)));
        tools.words().shapes.append(kit::text(s.t(key), x + 1.4f, barTop - 1.2f, label()));
        callout(tools.words(), number++, x + 2.8f, barTop - 0.8f);
        x += 3.05f;
    }
    legend(tools, s.t,
           {"Guide.BarPages", "Guide.BarLayers", "Guide.BarClips", "Guide.BarDecor", "Guide.BarUndo", "Guide.BarRedo"},
           left + 0.3f, barTop - 2.2f, right - left - 0.6f);

    auto status = s.box(left, -7.4f, right, 3.0f - gutter);
    const float statusTop = 3.0f - gutter - 0.6f;
    status.words().shapes.append(lineAt(s.t("Guide.Statusbar"), left + 0.4f, statusTop, bold()));
    x = left + 0.4f;
    number = 1;
    for (const char* key :
         {"Statusbar.Lock", "Statusbar.Grid", "Statusbar.Snap", "Statusbar.Wall", "Statusbar.Help", "Statusbar.Option"})
    {
        status.art().shapes.append(
            kit::rect(x, statusTop - 1.5f, x + 0.4f, statusTop - 1.1f, kit::rgb(0xFFFFFF), kit::ink()));
        status.words().shapes.append(lineAt(s.t(key), x + 0.55f, statusTop - 1.3f, label()));
        callout(status.words(), number++, x + 2.4f, statusTop - 0.9f);
        x += 3.05f;
    }
    legend(status, s.t,
           {"Guide.BarLock", "Guide.BarGrid", "Guide.BarSnap", "Guide.BarWall", "Guide.BarHelp", "Guide.BarOptions"},
           left + 0.3f, statusTop - 2.1f, right - left - 0.6f);
    auto tip = s.box(left, bottom, right, -7.4f - gutter, tipYellow);
    pipSays(tip, s.t("Guide.BarTip"), -6.5f, -12.2f, 1.0f, -10.0f, 5.6f, 1.5f);
}

void shortcutsPage(Sheet& s)
{
    s.newPage(7, s.t("Guide.Keys"));
    auto table = s.box(left, -5.0f, right, top - headerHeight - gutter);
    float y = top - headerHeight - gutter - 0.5f;
    const std::pair<const char*, const char*> keys[] = {
        {"Ctrl+Z", "Guide.KeyUndo"},      {"Ctrl+Y", "Guide.KeyRedo"},
        {"Ctrl+S", "Guide.KeySave"},      {"Ctrl+X / C / V", "Guide.KeyClipboard"},
        {"Delete", "Guide.KeyDelete"},    {"Ctrl+A", "Guide.KeyAll"},
        {"Home / End", "Guide.KeyOrder"}, {"Page Up / Down", "Guide.KeyStep"},
        {"Return", "Guide.KeyReturn"},    {"1 ... 5", "Guide.KeyWidth"},
        {"F1", "Guide.KeyHelp"},          {"Mouse wheel", "Guide.KeyWheel"}};
    for (const auto& [key, text] : keys)
    {
        table.art().shapes.append(
            kit::rect(left + 0.4f, y - 0.75f, left + 5.2f, y + 0.05f, kit::rgb(0xFFFFFF), kit::rgb(chromeDark)));
        table.words().shapes.append(kit::text(key, left + 2.8f, y - 0.35f, bold(50)));
        y = std::min(y - 1.0f, paragraph(table.words(), s.t(text), left + 5.7f, y, right - left - 6.2f, body())) -
            0.15f;
    }
    auto tip = s.box(left, bottom, right, -5.0f - gutter, tipYellow);
    pipSays(tip, s.t("Guide.KeyTip"), -6.5f, -11.0f, 1.0f, -8.4f, 5.6f, 1.6f);
}

void exportPage(Sheet& s)
{
    s.newPage(8, s.t("Guide.Export"));
    auto pictures = s.box(left, 2.4f, right, top - headerHeight - gutter, 0xEAF4FB);
    s.miniature(1, -6.3f, 7.0f, 0.26f);
    const char* formats[] = {"PDF", "SVG", "PNG", "JPG"};
    for (int i = 0; i < 4; ++i)
    {
        const float y = 10.0f - 2.0f * static_cast<float>(i), x = 0.8f;
        pictures.art().shapes.append(kit::taperedLine({{-2.4f, 7.0f}, {x - 1.6f, y}}, {20, 60}, kit::rgb(0x2F6DB5)));
        auto* sheet = kit::curve({{x - 1.2f, y - 0.8f},
                                  {x + 1.2f, y - 0.8f},
                                  {x + 1.2f, y + 0.4f},
                                  {x + 0.8f, y + 0.8f},
                                  {x - 1.2f, y + 0.8f}},
                                 true, kit::rgb(0xFFFFFF), kit::ink(), true);
        pictures.art().shapes.append(sheet);
        pictures.words().shapes.append(kit::text(formats[i], x, y, bold(60)));
        const char* what[] = {"Guide.ExportPdf", "Guide.ExportSvg", "Guide.ExportPng", "Guide.ExportJpg"};
        const float lines = 2;
        paragraph(pictures.words(), s.t(what[i]), x + 1.5f, y + lineHeightOf(body()) * lines / 2, right - x - 1.9f,
                  body());
    }
    auto text = s.box(left, bottom, right, 2.4f - gutter);
    float y = 2.4f - gutter - 0.4f;
    // The menu line names the entries as the menu shows them, without the dots that promise a dialog.
    const auto menuPath =
        s.t("Menu.Comic") + " > " + s.t("Menu.Export").trimCharactersAtEnd(juce::CharPointer_UTF8("\xe2\x80\xa6."));
    y = paragraph(text.words(), menuPath + " " + s.t("Guide.ExportMenu"), left + 0.4f, y, right - left - 0.8f, body()) -
        0.3f;
    for (const char* key : {"Guide.ExportPage", "Guide.ExportSeries", "Guide.ExportTool"})
        y = paragraph(text.words(), s.t(key), left + 0.4f, y, right - left - 0.8f, body()) - 0.3f;
    kit::TextStyle mono = body();
    mono.face = "DejaVu Sans Mono";
    for (const char* line :
         {"plumet-cli export comic.plm -o comic.pdf", "plumet-cli export comic.plm -o page.png --page all --dpi 300",
          "plumet-cli thumbnail comic.plm cover.png --size 256"})
    {
        text.words().shapes.append(lineAt(line, left + 0.8f, y - 0.3f, mono));
        y -= 0.6f;
    }
    pipSays(text, s.t("Guide.Bye"), 6.2f, bottom + 1.4f, 1.6f, bottom + 2.4f, 3.0f, 1.0f);
}
} // namespace

void fill(PComic& book, const PComic& sample, const Texts& texts)
{
    book.name.assign(texts("Guide.Title"));
    book.author.assign(sample.author.toString());
    book.format = PPageFormat::a4;
    book.applyPageFormat();
    Sheet sheet{book, sample, texts};
    cover(sheet);
    windowPage(sheet);
    panesPage(sheet);
    modesPage(sheet);
    brushPage(sheet);
    barsPage(sheet);
    shortcutsPage(sheet);
    exportPage(sheet);
    book.applySettings();
}
} // namespace guide
