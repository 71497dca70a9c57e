#include "ui/canvaspicture.h"

#include <cstring>
#include <unordered_set>
#include <utility>

#include "model/page.h"
#include "model/shape.h"
#include "model/stream.h"

PCanvasPicture::Plan PCanvasPicture::plan(const Key& next, bool kept, const PShape* moving, const Measure& measure,
                                          const PBase* container)
{
    Plan plan;
    const bool zoomAsked = std::exchange(zoomStep, false);
    if (!valid || !kept || scaled)
        return plan;
    if (next == key)
    {
        if (checked && moving == leftOut)
            plan.redraw = Redraw::nothing;
        else
            findChanges(plan, moving, measure, container);
        return plan;
    }
    // A zoom step alone shows the old picture scaled at once; a pan, the fit of a page just
    // opened or anything else draws anew.
    Key zoomedFrom = key;
    zoomedFrom.device = next.device;
    if (zoomAsked && zoomedFrom == next && moving == leftOut && key.device.m[0] != next.device.m[0])
        plan.redraw = Redraw::scaled;
    return plan;
}

void PCanvasPicture::findChanges(Plan& plan, const PShape* moving, const Measure& measure, const PBase* container) const
{
    measure(plan.now);
    plan.measured = true;
    if (restFingerprint(plan.now, moving, container) != rest)
        return;
    plan.prints = fingerprints(plan.now);
    bool orderKept = true;
    plan.area = changedArea(plan.now, plan.prints, orderKept);
    plan.area.clipTo(juce::Rectangle<int>(key.width, key.height));
    const auto box = plan.area.getBounds();
    // Past half the canvas a full frame costs about as much and is simpler.
    if (!orderKept || box.getWidth() * box.getHeight() > key.width * key.height / 2)
        return;
    for (const auto& i : plan.now)
        plan.inkOf.emplace(i.shape, i.box);
    plan.redraw = plan.area.isEmpty() ? Redraw::nothing : Redraw::area;
}

void PCanvasPicture::takeDrawn(const Key& drawnKey, Inked drawn, const PShape* moving, const PBase* container)
{
    key = drawnKey;
    inked = std::move(drawn);
    prints = fingerprints(inked);
    rest = restFingerprint(inked, moving, container);
    leftOut = moving;
    valid = checked = true;
    scaled = false;
    ++fullPictures;
}

void PCanvasPicture::takeRedrawn(Plan&& plan, const PShape* moving)
{
    if (plan.redraw == Redraw::area)
        ++partialPictures;
    if (plan.measured)
    {
        inked = std::move(plan.now);
        prints = std::move(plan.prints);
    }
    leftOut = moving;
    checked = true;
}

void PCanvasPicture::takeScaled(const Key& scaledKey)
{
    key = scaledKey;
    scaled = true;
}

std::vector<uint64_t> PCanvasPicture::fingerprints(const Inked& shapes)
{
    std::vector<uint64_t> result;
    result.reserve(shapes.size());
    for (const auto& i : shapes)
        result.push_back(PStream::fingerprint(*i.shape));
    return result;
}

uint64_t PCanvasPicture::restFingerprint(const Inked& shapes, const PShape* moving, const PBase* container)
{
    if (container == nullptr)
        return 0;
    // The shapes count by address only: a change to one of them is found and redrawn on its own.
    std::unordered_set<const PBase*> own{moving};
    for (const auto& i : shapes)
        own.insert(i.shape);
    return PStream::fingerprint(*container, [&own](const PBase* b) { return own.count(b) != 0; });
}

juce::RectangleList<int> PCanvasPicture::changedArea(const Inked& now, const std::vector<uint64_t>& nowPrints,
                                                     bool& orderKept) const
{
    std::unordered_map<const PShape*, size_t> before;
    for (size_t i = 0; i < inked.size(); ++i)
        before.emplace(inked[i].shape, i);
    juce::RectangleList<int> area;
    orderKept = true;
    size_t lastBefore = 0;
    bool first = true;
    for (size_t i = 0; i < now.size(); ++i)
    {
        const auto found = before.find(now[i].shape);
        if (found == before.end())
        {
            area.add(now[i].box);
            continue;
        }
        const size_t j = found->second;
        // Shapes that kept their places keep their order: one that moved up or down the stack
        // changes the picture wherever it overlaps another, so that is drawn in full.
        if (!first && j < lastBefore)
            orderKept = false;
        lastBefore = j, first = false;
        if (nowPrints[i] != prints[j] || now[i].box != inked[j].box)
            area.add(now[i].box), area.add(inked[j].box);
        before.erase(found);
    }
    for (const auto& [shape, j] : before)
        area.add(inked[j].box);
    return area;
}

namespace
{
juce::AffineTransform affineOf(const PMatrix& m)
{
    return {m.m[0], m.m[3], m.m[6], m.m[1], m.m[4], m.m[7]};
}
} // namespace

juce::Image PCanvasPicture::scaledCopy(const juce::Image& picture, const Key& from, const Key& to, uint32_t ground)
{
    juce::Image scaled = PView2gui::makeImage(juce::Image::RGB, to.width, to.height);
    if (!scaled.isValid())
        return scaled;
    juce::Graphics g(scaled);
    g.fillAll(juce::Colour(ground));
    g.setImageResamplingQuality(juce::Graphics::lowResamplingQuality);
    g.drawImageTransformed(picture, affineOf(from.device).inverted().followedBy(affineOf(to.device)));
    return scaled;
}

void PCanvasPicture::copyArea(const juce::Image& from, juce::Image& to, const juce::RectangleList<int>& area)
{
    const juce::Image::BitmapData source(from, juce::Image::BitmapData::readOnly);
    juce::Image::BitmapData target(to, juce::Image::BitmapData::writeOnly);
    juce::RectangleList<int> inside(area);
    inside.clipTo(from.getBounds().getIntersection(to.getBounds()));
    for (const auto& r : inside)
        for (int y = r.getY(); y < r.getBottom(); ++y)
            std::memcpy(target.getPixelPointer(r.getX(), y), source.getPixelPointer(r.getX(), y),
                        static_cast<size_t>(r.getWidth() * source.pixelStride));
}

PCanvasPicture::Key PCanvasPicture::keyOf(juce::Point<int> size, const PViewState& view, const void* container,
                                          PPaneKind pane, const PPage* page, const void* wall, bool grid)
{
    Key key;
    key.width = size.x, key.height = size.y;
    key.device = view.device;
    key.flags = view.flags;
    key.container = container;
    key.pane = pane;
    if (page != nullptr)
        key.page = page, key.pageWidth = page->width, key.pageHeight = page->height;
    key.wallShown = wall != nullptr;
    key.wall = wall;
    key.grid = grid;
    return key;
}

PMatrix PCanvasPicture::placement(const Key& from, const Key& to)
{
    const auto a = affineOf(from.device).inverted().followedBy(affineOf(to.device));
    PMatrix m;
    m.m[0] = a.mat00, m.m[3] = a.mat01, m.m[6] = a.mat02;
    m.m[1] = a.mat10, m.m[4] = a.mat11, m.m[7] = a.mat12;
    return m;
}
