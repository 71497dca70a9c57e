#pragma once

#include <array>
#include <memory>

#include "model/fontspec.h"
#include "model/project.h"

class PImage;

/** The user's settings, saved as their own project file "comics_options.opt": language,
    GUI size, grid and snapping, export resolution, colours, wallpaper, font presets and
    palette. Also yields the GUI metrics that every pane lays itself out with. */
class POption : public PProject
{
public:
    static constexpr int presetCount = 10;
    static constexpr int paletteSize = 26;

    /** Options with every default, not tied to a file. */
    POption();
    /** Options with every default whose file lives in folder. */
    explicit POption(const juce::String& folder);
    ~POption() override;

    uint16_t classId() const override { return PClass::option; }
    PBase* clone() const override { return cloneAs(*this); }
    void copyFrom(const PBase* other) override;
    void write(PStream& s) const override;
    void read(PStream& s) override;

    /** Derives the GUI metrics from guiSize; an unknown size keeps the previous metrics. */
    void recompute();
    PFontSpec fontPreset(int i) const;
    void setFontPreset(int i, const PFontSpec& preset);

    uint32_t pagesLight, layersLight, clipsLight, decorLight;
    uint32_t pagesDark, layersDark, clipsDark, decorDark;
    int16_t language = 1;
    int16_t exportDpi = 100;
    int16_t autosaveEvery = 20;
    bool useInch = false;
    bool openGLCanvas = false;
    int16_t guiSize = 2;
    static constexpr float defaultTrackSpeed = 0.5f, defaultWallOpacity = 1.0f;
    float trackSpeed = defaultTrackSpeed;
    bool lockCursor = true;
    bool tooltips = true;
    bool maximised = false;
    bool showGrid = false;
    bool snap = false;
    int16_t gridSize = 4;
    int16_t gridDivisions = 4;
    int16_t snapAngle = 3;
    int16_t pointSize = 2;
    uint32_t groundColour, selectionColour2, selectionColour1, lockColour, gridColour, handleColour;
    float wallOpacity = defaultWallOpacity;
    /** The wallpaper image behind the pages, or null. */
    std::unique_ptr<PImage> wall;
    std::array<PFontSpec, presetCount> fontPresets;
    std::array<uint32_t, paletteSize> palette{};
    /** How many screen pixels a drawn line may leave the stroke the hand made: more smooths more
        and keeps fewer points. */
    static constexpr float defaultSmoothing = 0.5f, leastSmoothing = 0.1f, mostSmoothing = 10.0f;
    float smoothing = defaultSmoothing;
    /** Drawn lines start and end thin, as a brush lifted from the paper. */
    bool taper = true;
    /** The canvas shows brush strokes as outlines around their guides rather than as they print. */
    bool brushOutlines = false;

    // Not saved.
    juce::String imagesFolder;
    int16_t spareShort = 0;
    /** The side pane in use (0 Pages, 1 Layers, 2 Clips, 3 Decor): pane colours follow it. */
    int16_t sidePane = 0;
    uint8_t spareByte = 0;
    int u = 6, half = 3, odd = 0, cell = 24, wide = 96, twoU = 12;
    static constexpr int gap2 = 2, gap3 = 3, gap5 = 5, gap10 = 10;

private:
    void setDefaults();
    void readDrawing(PStream& s);
};

/** Raises each channel of an HSLA colour to the next level the colour editor offers. */
uint32_t snapColour(uint32_t hsla);
