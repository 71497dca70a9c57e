#include "model/option.h"

#include <algorithm>

#include "model/image.h"
#include "model/shape.h"

namespace
{
constexpr uint8_t hueLevels[] = {0,   7,   14,  21,  28,  35,  42,  53,  64,  74,  85,  99,  113, 120, 128,
                                 135, 142, 149, 156, 163, 170, 180, 191, 202, 212, 223, 234, 244, 255};
constexpr uint8_t channelLevels[] = {0, 51, 77, 115, 153, 191, 217, 240, 255};

template <size_t n> uint32_t snapByte(uint32_t value, const uint8_t (&levels)[n])
{
    for (uint8_t level : levels)
        if (level >= value)
            return level;
    return 255;
}
} // namespace

uint32_t snapColour(uint32_t hsla)
{
    return colourWord(snapByte(alphaOf(hsla), channelLevels), snapByte(highByteOf(hsla), hueLevels),
                      snapByte(middleByteOf(hsla), channelLevels), snapByte(lowByteOf(hsla), channelLevels));
}

POption::POption()
{
    setDefaults();
}

POption::POption(const juce::String& folder) : PProject(folder, PClass::option)
{
    setDefaults();
}

POption::~POption() = default;

void POption::setDefaults()
{
    pagesLight = snapColour(0xFF804DE6);
    layersLight = snapColour(0xFF2A4DE6);
    clipsLight = snapColour(0xFF1C26E6);
    decorLight = snapColour(0xFF4A33F0);
    pagesDark = snapColour(0xFF8026B3);
    layersDark = snapColour(0xFF2A26B3);
    clipsDark = snapColour(0xFF1C26B3);
    decorDark = snapColour(0xFF4A33BF);
    groundColour = snapColour(0xFF0000FF);
    selectionColour2 = snapColour(0xFF55B399);
    selectionColour1 = snapColour(0xFF00B399);
    lockColour = snapColour(0xFFAA0099);
    gridColour = snapColour(0xFFAA0099);
    handleColour = snapColour(0xFF004D99);
    recompute();
}

void POption::recompute()
{
    switch (guiSize)
    {
    case 1:
        u = 5;
        odd = 1;
        break;
    case 2:
        u = 6;
        odd = 0;
        break;
    case 3:
        u = 7;
        odd = 1;
        break;
    default: break;
    }
    half = u / 2;
    cell = 4 * u;
    wide = 16 * u;
    twoU = 2 * u;
}

PFontSpec POption::fontPreset(int i) const
{
    return i >= 0 && i < presetCount ? fontPresets[static_cast<size_t>(i)] : PFontSpec{};
}

void POption::setFontPreset(int i, const PFontSpec& preset)
{
    if (i >= 0 && i < presetCount)
        fontPresets[static_cast<size_t>(i)] = preset;
}

void POption::copyFrom(const PBase* other)
{
    PProject::copyFrom(other);
    auto* o = dynamic_cast<const POption*>(other);
    if (o == nullptr)
        return;
    pagesLight = o->pagesLight, layersLight = o->layersLight, clipsLight = o->clipsLight, decorLight = o->decorLight;
    pagesDark = o->pagesDark, layersDark = o->layersDark, clipsDark = o->clipsDark, decorDark = o->decorDark;
    language = o->language, exportDpi = o->exportDpi, autosaveEvery = o->autosaveEvery;
    useInch = o->useInch, openGLCanvas = o->openGLCanvas, guiSize = o->guiSize, trackSpeed = o->trackSpeed;
    lockCursor = o->lockCursor, tooltips = o->tooltips, maximised = o->maximised;
    showGrid = o->showGrid, snap = o->snap;
    gridSize = o->gridSize, gridDivisions = o->gridDivisions, snapAngle = o->snapAngle, pointSize = o->pointSize;
    groundColour = o->groundColour, selectionColour2 = o->selectionColour2, selectionColour1 = o->selectionColour1;
    lockColour = o->lockColour, gridColour = o->gridColour, handleColour = o->handleColour;
    wallOpacity = o->wallOpacity;
    fontPresets = o->fontPresets;
    palette = o->palette;
    smoothing = o->smoothing, taper = o->taper, brushOutlines = o->brushOutlines;
}

void POption::readDrawing(PStream& s)
{
    smoothing = defaultSmoothing, taper = true, brushOutlines = false;
    if (s.failed || !s.hasMore())
        return;
    smoothing = std::clamp(readFinite(s, defaultSmoothing), leastSmoothing, mostSmoothing);
    taper = s.readBool();
    if (s.hasMore())
        brushOutlines = s.readBool();
}

void POption::write(PStream& s) const
{
    PProject::write(s);
    for (uint32_t c : {pagesLight, layersLight, clipsLight, decorLight, pagesDark, layersDark, clipsDark, decorDark})
        s.writeUInt32(c);
    s.writeInt16(language);
    s.writeInt16(exportDpi);
    s.writeInt16(autosaveEvery);
    s.writeBool(useInch);
    s.writeBool(openGLCanvas);
    s.writeInt16(guiSize);
    s.writeFloat(trackSpeed);
    for (bool b : {lockCursor, tooltips, maximised, showGrid, snap})
        s.writeBool(b);
    for (int16_t v : {gridSize, gridDivisions, snapAngle, pointSize})
        s.writeInt16(v);
    for (uint32_t c : {groundColour, selectionColour2, selectionColour1, lockColour, gridColour, handleColour})
        s.writeUInt32(c);
    s.writeFloat(wallOpacity);
    s.writeObject(wall.get());
    for (const auto& preset : fontPresets)
    {
        s.writeName(preset.face);
        s.writeInt16(preset.size);
        s.writeInt32(preset.style);
    }
    for (uint32_t c : palette)
        s.writeUInt32(c);
    // Later settings follow the palette: an older program stops reading before them, and a file
    // written before them simply ends there.
    s.writeFloat(smoothing);
    s.writeBool(taper);
    s.writeBool(brushOutlines);
}

void POption::read(PStream& s)
{
    PProject::read(s);
    for (uint32_t* c :
         {&pagesLight, &layersLight, &clipsLight, &decorLight, &pagesDark, &layersDark, &clipsDark, &decorDark})
        *c = s.readUInt32();
    language = s.readInt16();
    exportDpi = s.readInt16();
    autosaveEvery = s.readInt16();
    useInch = s.readBool();
    openGLCanvas = s.readBool();
    guiSize = s.readInt16();
    trackSpeed = readFinite(s, defaultTrackSpeed);
    for (bool* b : {&lockCursor, &tooltips, &maximised, &showGrid, &snap})
        *b = s.readBool();
    for (int16_t* v : {&gridSize, &gridDivisions, &snapAngle, &pointSize})
        *v = s.readInt16();
    for (uint32_t* c : {&groundColour, &selectionColour2, &selectionColour1, &lockColour, &gridColour, &handleColour})
        *c = s.readUInt32();
    wallOpacity = readFinite(s, defaultWallOpacity);
    wall.reset(static_cast<PImage*>(s.readObject(PClass::image)));
    for (auto& preset : fontPresets)
    {
        s.readName(preset.face);
        preset.size = s.readUInt16();
        preset.style = s.readInt32();
    }
    for (uint32_t& c : palette)
        c = s.readUInt32();
    readDrawing(s);
    recompute();
}
