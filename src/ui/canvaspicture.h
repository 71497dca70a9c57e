#pragma once

#include <cstdint>
#include <functional>
#include <unordered_map>
#include <vector>

#include "draw/view2gui.h"
#include "edit/panekind.h"

class PBase;
class PPage;
class PShape;

/** What the canvas's kept page picture (a picture in the software canvas, a texture in the
    OpenGL one) shows, and what the next frame must redraw: nothing, the area where shapes were
    and are since they changed, everything, or after a zoom step only a scaled copy until the
    sharp picture follows. A shape counts as changed when its fingerprint (everything it would
    save, with the flags that change its look) or the box it inked differs.

        auto plan = picture.plan(keyNow, keptPictureFits, moving, measure, container);
        ... redraw plan.area, or everything ...
        picture.takeRedrawn(std::move(plan), moving);
*/
class PCanvasPicture
{
public:
    /** What the picture depends on besides the shapes: when it differs, all is redrawn. */
    struct Key
    {
        int width = 0, height = 0;
        PMatrix device;
        uint32_t flags = 0;
        const void* container = nullptr;
        const void* page = nullptr;
        float pageWidth = 0, pageHeight = 0;
        const void* wall = nullptr;
        bool wallShown = false, grid = false;
        PPaneKind pane = PPaneKind::none;
        bool operator==(const Key& other) const = default;
    };
    enum class Redraw : uint8_t
    {
        nothing,
        area,
        everything,
        scaled
    };
    using Inked = PInkLog::List;
    /** Walks the shown shapes without painting, leaving out the moving one, into the ink log. */
    using Measure = std::function<void(Inked&)>;
    struct Plan
    {
        Redraw redraw = Redraw::everything;
        juce::RectangleList<int> area;
        /** The shapes as they are now, where they ink, and their fingerprints. */
        Inked now;
        std::unordered_map<const PShape*, juce::Rectangle<int>> inkOf;
        std::vector<uint64_t> prints;
        /** Whether the shapes were walked: a plan that found the picture checked did not. */
        bool measured = false;
    };

    /** What the next frame redraws, given its key, whether a kept picture of its size exists
        and the shape a drag leaves out of the picture. */
    Plan plan(const Key& key, bool kept, const PShape* moving, const Measure& measure, const PBase* container);
    /** The picture was drawn in full for key, its shapes inked as in `inked`. */
    void takeDrawn(const Key& key, Inked inked, const PShape* moving, const PBase* container);
    /** The plan's area was redrawn. */
    void takeRedrawn(Plan&& plan, const PShape* moving);
    /** The picture now holds the old one scaled to key's view, until the sharp one is drawn. */
    void takeScaled(const Key& key);

    /** The key of a picture of a size, drawn by a view, of the shown container; the page is the
        one shown around it, the wall the wallpaper when it is shown. */
    static Key keyOf(juce::Point<int> size, const PViewState& view, const void* container, PPaneKind pane,
                     const PPage* page, const void* wall, bool grid);
    /** What moves a picture taken under `from` to where it shows under `to`. */
    static PMatrix placement(const Key& from, const Key& to);
    /** The picture as it looked under the key `from`, moved and scaled to `to`, on the ground
        colour; invalid when it cannot be allocated. */
    static juce::Image scaledCopy(const juce::Image& picture, const Key& from, const Key& to, uint32_t ground);
    /** Copies an area of one picture into another of the same size and format. */
    static void copyArea(const juce::Image& from, juce::Image& to, const juce::RectangleList<int>& area);

    /** Something may have changed: the next plan looks for changed shapes. */
    void invalidate() { checked = false; }
    /** The next plan redraws everything. */
    void invalidateAll() { valid = false; }
    /** The artist zoomed: the next plan may show the old picture scaled first. */
    void zoomed() { zoomStep = true; }

    Key key;
    bool valid = false;
    /** Whether the picture is known to show the document as it is (see invalidate). */
    bool checked = false;
    /** Whether the picture is a scaled copy, shown until the sharp one is drawn. */
    bool scaled = false;
    const PShape* leftOut = nullptr;
    /** How often the picture was drawn in full, and how often only where shapes changed. */
    int fullPictures = 0, partialPictures = 0;

private:
    void findChanges(Plan& plan, const PShape* moving, const Measure& measure, const PBase* container) const;
    static std::vector<uint64_t> fingerprints(const Inked& inked);
    static uint64_t restFingerprint(const Inked& inked, const PShape* moving, const PBase* container);
    juce::RectangleList<int> changedArea(const Inked& now, const std::vector<uint64_t>& nowPrints,
                                         bool& orderKept) const;

    Inked inked;
    std::vector<uint64_t> prints;
    bool zoomStep = false;
    uint64_t rest = 0;
};
