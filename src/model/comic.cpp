#include "model/comic.h"

#include <algorithm>

#include "model/clip.h"
#include "model/decor.h"
#include "model/page.h"
#include "model/pagerecorder.h"
#include "model/shape.h"
#include "model/translate.h"

namespace
{
struct FormatRow
{
    uint16_t code;
    const char* key;
    float width, height;
    bool inches;
};

constexpr FormatRow formats[] = {
    {PPageFormat::a4, "Format.A4", 21.0f, 29.7f, false},
    {PPageFormat::a5, "Format.A5", 21.0f, 14.8f, false},
    {PPageFormat::letter, "Format.letter", 21.59f, 27.94f, true},
    {PPageFormat::half, "Format.half", 21.59f, 13.97f, true},
    {PPageFormat::customCm, "Format.customCm", 0, 0, false},
    {PPageFormat::customIn, "Format.customIn", 0, 0, true},
};

const FormatRow* rowOf(uint16_t format)
{
    for (const auto& row : formats)
        if (row.code == format)
            return &row;
    return nullptr;
}
} // namespace

bool PPageFormat::isCustom(uint16_t format)
{
    return format == customCm || format == customIn;
}

bool PPageFormat::showsInches(uint16_t format)
{
    const auto* row = rowOf(format);
    return row != nullptr && row->inches;
}

bool PPageFormat::sizeOf(uint16_t format, float& width, float& height)
{
    const auto* row = rowOf(format);
    if (row == nullptr || isCustom(format))
        return false;
    width = row->width;
    height = row->height;
    return true;
}

const char* PPageFormat::keyOf(uint16_t format)
{
    const auto* row = rowOf(format);
    return row != nullptr ? row->key : "";
}

PComic::PComic() = default;

PComic::PComic(const juce::String& folder) : PProject(folder, PClass::comic)
{
    const auto defaultFormat = translate("PGUI.format");
    if (defaultFormat == "A4" || defaultFormat == "letter")
    {
        format = defaultFormat == "A4" ? PPageFormat::a4 : PPageFormat::letter;
        applyPageFormat();
    }
}

PComic::~PComic()
{
    pages.deleteAll();
    clips.deleteAll();
    decor.deleteAll();
}

void PComic::copyFrom(const PBase* other)
{
    PProject::copyFrom(other);
    if (auto* comic = dynamic_cast<const PComic*>(other))
    {
        decor.deepCopy(comic->decor);
        clips.deepCopy(comic->clips);
        pages.deepCopy(comic->pages);
    }
}

void PComic::copySettings(const PProject* other)
{
    PProject::copySettings(other);
    if (auto* comic = dynamic_cast<const PComic*>(other))
    {
        format = comic->format;
        width = comic->width;
        height = comic->height;
        margin = comic->margin;
        spare1 = comic->spare1;
        spare2 = comic->spare2;
    }
}

void PComic::write(PStream& s) const
{
    PProject::write(s);
    s.writeInt16(format);
    s.writeFloat(width);
    s.writeFloat(height);
    s.writeFloat(margin);
    // The author is stored a second time after the page size; readers take this copy.
    s.writeName(author);
    s.writeInt16(spare1);
    s.writeInt16(spare2);
    s.writeList(decor);
    s.writeList(clips);
    s.writeList(pages);
}

void PComic::read(PStream& s)
{
    PProject::read(s);
    format = s.readUInt16();
    width = readFinite(s, defaultSize);
    height = readFinite(s, defaultSize);
    margin = readFinite(s, defaultMargin);
    s.readName(author);
    spare1 = s.readUInt16();
    spare2 = s.readUInt16();
    s.readList(decor, PClass::decor);
    s.readList(clips, PClass::clip);
    s.readList(pages, PClass::page);
}

void PComic::clearMark()
{
    PProject::clearMark();
    for (auto* page : pages)
        page->clearMark();
}

void PComic::applyPageFormat()
{
    if (PPageFormat::sizeOf(format, width, height) && hasFlag(rotated))
        std::swap(width, height);
    if (PPageFormat::isCustom(format))
        flags &= ~rotated;
    applySettings();
}

void PComic::newPage(PPage* page, PPageRecorder& recorder)
{
    if (page == nullptr)
        return;
    constexpr float smallestSide = 1.0f;
    page->index = -1;
    page->width = std::max(width, smallestSide);
    page->height = std::max(height, smallestSide);
    page->margin = margin;
    recorder.recordNewPage(*this, page);
}

void PComic::applySettings()
{
    for (auto* element : pages)
    {
        auto* page = static_cast<PPage*>(element);
        page->width = width;
        page->height = height;
        page->margin = margin;
    }
}

void PComic::propagateSettings()
{
    PClip::setCurrentKeyOfAll(clips, setting3);
    PDecor::setCurrentKeyOfAll(decor, setting3);
}
