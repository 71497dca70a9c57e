#pragma once

#include "model/array.h"
#include "model/project.h"

class PPage;
class PPageRecorder;

/** The page sizes a comic can take. Sizes are always centimetres; some formats are shown in inches. */
namespace PPageFormat
{
constexpr uint16_t a4 = 1, a5 = 2, letter = 3, half = 4, customCm = 5, customIn = 6;

bool isCustom(uint16_t format);
/** True for the formats that the settings dialog shows in inches. */
bool showsInches(uint16_t format);
/** The width and height in centimetres of a fixed format; false for the custom ones. */
bool sizeOf(uint16_t format, float& width, float& height);
/** The text key that names the format. */
const char* keyOf(uint16_t format);
} // namespace PPageFormat

/** The project the user edits: title, author, page format and margin, and the comic's
    decor, clips and pages. Flag 0x1 turns the pages to landscape. */
class PComic : public PProject
{
public:
    static constexpr uint32_t rotated = PFlag::classBit0;
    static constexpr float defaultSize = 10, defaultMargin = 1;

    /** An empty comic to load into. */
    PComic();
    /** A new comic whose file will live in folder; its format follows the language. */
    explicit PComic(const juce::String& folder);
    ~PComic() override;

    uint16_t classId() const override { return PClass::comic; }
    PBase* clone() const override { return cloneAs(*this); }
    void copyFrom(const PBase* other) override;
    void write(PStream& s) const override;
    void read(PStream& s) override;
    void clearMark() override;

    void applySettings() override;
    void copySettings(const PProject* other) override;
    void propagateSettings() override;

    /** Sets the page size from the format (turned for landscape), then applySettings(). */
    void applyPageFormat();
    /** Prepares page (appended, the comic's size and margin, at least 1 cm each way) and hands
        it to recorder, which adds it as an undoable step. The comic never owns it directly. */
    void newPage(PPage* page, PPageRecorder& recorder);

    uint16_t format = PPageFormat::customCm;
    float width = defaultSize, height = defaultSize, margin = defaultMargin;
    uint16_t spare1 = 50, spare2 = 50;
    PArray decor;
    PArray clips;
    PArray pages;
};
