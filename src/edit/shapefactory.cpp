#include "edit/shapefactory.h"

#include <algorithm>
#include <cmath>

#include "model/brush.h"
#include "model/card.h"
#include "model/clip.h"
#include "model/curve.h"
#include "model/decor.h"
#include "model/group.h"
#include "model/image.h"
#include "model/panel.h"
#include "model/point.h"
#include "model/text.h"

namespace
{
constexpr uint16_t sharpCorner = 100;

/** A gentle arc: three points show at once that the line is smooth and can be bent. */
void addArc(PCurve& curve, float half)
{
    curve.points.append(new PPoint(-half, 0));
    curve.points.append(new PPoint(0, half / 2));
    curve.points.append(new PPoint(half, 0));
}

template <class Shape> std::unique_ptr<Shape> placed(std::unique_ptr<Shape> made, const PShapeFactory::Placing& at)
{
    made->x = at.x;
    made->y = at.y;
    return made;
}

void takeAnchors(PCurve& curve, const PCurve::ControlList& anchors, bool closed)
{
    for (const auto& anchor : anchors)
    {
        auto* point = new PPoint(anchor.x, anchor.y);
        point->thickness = anchor.thickness;
        point->sharpness = anchor.sharpness;
        curve.points.append(point);
    }
    curve.setClosed(closed);
    curve.centreOrigin();
}

const PCard* cardWithArtwork(const PClip& clip)
{
    const PCard* card = nullptr;
    for (int i = 0; i < clip.cards.size(); ++i)
    {
        const PCard* candidate = clip.cardAt(i);
        if (candidate->shapes.isEmpty())
            continue;
        if (card == nullptr || candidate->cardNo == clip.currentKey)
            card = candidate;
    }
    return card;
}
} // namespace

std::unique_ptr<PCurve> PShapeFactory::curve(const Placing& at)
{
    auto made = std::make_unique<PCurve>();
    addArc(*made, at.size / 2);
    return placed(std::move(made), at);
}

std::unique_ptr<PBrush> PShapeFactory::brush(const Placing& at)
{
    auto made = std::make_unique<PBrush>();
    addArc(*made, at.size * brushGuideLengths / 2);
    return placed(std::move(made), at);
}

std::unique_ptr<PPanel> PShapeFactory::panel(const Placing& at)
{
    auto made = std::make_unique<PPanel>();
    const float half = at.size / 2;
    for (auto [px, py] : {std::pair{-half, -half}, {half, -half}, {half, half}, {-half, half}})
    {
        auto* corner = new PPoint(px, py);
        corner->sharpness = sharpCorner;
        made->points.append(corner);
    }
    made->setClosed(true);
    made->attachment = std::make_unique<PShape>();
    return placed(std::move(made), at);
}

std::unique_ptr<PCurve> PShapeFactory::drawnCurve(const PCurve::ControlList& anchors, bool closed, uint32_t lineColour,
                                                  uint32_t fillColour)
{
    auto made = std::make_unique<PCurve>();
    made->lineColour = lineColour;
    made->fillColour = fillColour;
    takeAnchors(*made, anchors, closed);
    return made;
}

std::unique_ptr<PBrush> PShapeFactory::drawnBrush(const PCurve::ControlList& anchors, bool closed, const PBrush& like)
{
    auto made = std::make_unique<PBrush>();
    made->copyFrom(&like);
    made->points.deleteAll();
    made->strokes.deleteAll();
    made->x = made->y = made->rotation = 0;
    made->scaleX = made->scaleY = 1;
    made->setFlag(PFlag::selected, false);
    takeAnchors(*made, anchors, closed);
    return made;
}

std::unique_ptr<PPanel> PShapeFactory::panelBetween(float x1, float y1, float x2, float y2)
{
    const float w = std::abs(x2 - x1), h = std::abs(y2 - y1);
    auto made = panel({(x1 + x2) / 2, (y1 + y2) / 2, 1});
    const std::pair<float, float> corners[] = {{-w / 2, -h / 2}, {w / 2, -h / 2}, {w / 2, h / 2}, {-w / 2, h / 2}};
    for (int i = 0; i < 4; ++i)
    {
        PPoint* corner = made->pointAt(i);
        corner->x = corners[i].first, corner->y = corners[i].second;
    }
    return made;
}

std::unique_ptr<PText> PShapeFactory::text(const Placing& at, const juce::String& words)
{
    auto made = std::make_unique<PText>();
    made->text.assign(words);
    return placed(std::move(made), at);
}

std::unique_ptr<PImage> PShapeFactory::image(const Placing& at, const juce::File& file)
{
    auto made = std::make_unique<PImage>();
    made->setFile(file.getFullPathName());
    made->flags |= PImage::byFullPath;
    if (!made->loadImage(nullptr))
        return nullptr;
    const auto longest = static_cast<float>(std::max(made->pixelWidth, made->pixelHeight));
    if (longest > 0)
        made->scaleX = made->scaleY = at.size / (longest * static_cast<float>(PImage::pointsToCentimetres));
    made->normalize();
    return placed(std::move(made), at);
}

std::unique_ptr<PGroup> PShapeFactory::artwork(const Placing& at, const PItem& item)
{
    auto made = std::make_unique<PGroup>();
    if (item.classId() == PClass::clip)
    {
        if (const PCard* card = cardWithArtwork(static_cast<const PClip&>(item)))
            for (PBase* member : card->shapes)
                made->children.append(member->clone());
    }
    else if (item.classId() == PClass::decor && static_cast<const PDecor&>(item).content != nullptr)
        made.reset(static_cast<PGroup*>(static_cast<const PDecor&>(item).content->clone()));
    if (made->children.isEmpty())
        return nullptr;
    return placed(std::move(made), at);
}
