#include "gen/catalogue.h"

#include <algorithm>

#include "gen/drawkit.h"
#include "gen/texts.h"
#include "model/comic.h"
#include "model/decor.h"
#include "model/page.h"

namespace catalogue
{
namespace
{
constexpr int columns = 2, rowsPerPage = 4;
constexpr float left = -9.5f, right = 9.5f, top = 13.85f, bottom = -13.85f, gutter = 0.4f, titleHeight = 3.2f;
constexpr float nameStrip = 1.1f, artworkMargin = 0.6f;
constexpr uint32_t titleBlue = 0x2F6DB5, cellPaper = 0xFBF6EA, stripPaper = 0xF1DDB8;

kit::TextStyle headingStyle()
{
    kit::TextStyle style;
    style.size = 100;
    style.style = PFontSpec::bold;
    style.colour = kit::rgb(0xFFFFFF);
    style.scale = 1.4f;
    return style;
}

void addTitle(PPage& page, const PComic& sample, const Texts& texts, int pageNumber)
{
    auto* panel = kit::rectPanel(left, top - titleHeight, right, top);
    panel->fillColour = kit::rgb(titleBlue);
    auto* lettering = kit::addLayer(*panel, "Text", 1);
    lettering->shapes.append(kit::text(texts("Catalogue.Title"), 0, top - 1.2f, headingStyle()));
    kit::TextStyle sub;
    sub.face = kit::bookFace;
    sub.style = PFontSpec::italic;
    sub.colour = kit::rgb(0xFFFFFF);
    sub.size = 60;
    lettering->shapes.append(kit::text(texts("Catalogue.Subtitle") + " " + sample.name.toString() + "  \xc2\xb7  " +
                                           juce::String(pageNumber),
                                       0, top - 2.5f, sub));
    page.panels.append(panel);
}

/** One cell: the item's artwork fitted into the panel above a strip with its number and name. */
void addCell(PPage& page, const PDecor& decor, int number, float l, float b, float r, float t)
{
    auto* panel = kit::rectPanel(l, b, r, t);
    panel->fillColour = kit::rgb(cellPaper);
    auto* art = kit::addLayer(*panel, "Decor", 1);
    auto* name = kit::addLayer(*panel, "Text", 2);
    if (decor.content != nullptr)
    {
        PRect box;
        decor.content->getBounds(box, true);
        if (!box.isEmpty())
        {
            const float w = r - l - 2 * artworkMargin, h = t - b - nameStrip - 2 * artworkMargin;
            const float scale = std::min(w / box.width(), h / box.height());
            const float cx = (l + r) / 2, cy = b + nameStrip + (t - b - nameStrip) / 2;
            art->shapes.append(kit::placed(*decor.content, cx - scale * (box.left + box.right) / 2,
                                           cy - scale * (box.top + box.bottom) / 2, scale));
        }
    }
    name->shapes.append(kit::rect(l - 0.1f, b - 0.1f, r + 0.1f, b + nameStrip, kit::rgb(stripPaper), kit::ink()));
    kit::TextStyle label;
    label.size = 80;
    label.style = PFontSpec::bold;
    name->shapes.append(
        kit::text(juce::String(number) + "  " + decor.name.toString(), (l + r) / 2, b + nameStrip / 2, label));
    page.panels.append(panel);
}
} // namespace

void fill(PComic& book, const PComic& sample, const Texts& texts)
{
    book.name.assign(texts("Catalogue.Title"));
    book.author.assign(sample.author.toString());
    book.format = PPageFormat::a4;
    book.applyPageFormat();
    const int perPage = columns * rowsPerPage;
    const float cellW = (right - left - gutter * (columns - 1)) / columns;
    const float cellH = (top - titleHeight - gutter - bottom - gutter * (rowsPerPage - 1)) / rowsPerPage;
    for (int first = 0; first < sample.decor.size(); first += perPage)
    {
        auto* page = new PPage();
        page->index = book.pages.size();
        book.pages.append(page);
        addTitle(*page, sample, texts, book.pages.size());
        for (int i = first; i < std::min(first + perPage, sample.decor.size()); ++i)
        {
            const int slot = i - first, column = slot % columns, row = slot / columns;
            const float l = left + static_cast<float>(column) * (cellW + gutter);
            const float t = top - titleHeight - gutter - static_cast<float>(row) * (cellH + gutter);
            addCell(*page, *sample.decor.get<PDecor>(i), i + 1, l, t - cellH, l + cellW, t);
        }
    }
    book.applySettings();
}
} // namespace catalogue
