#include "model/decor.h"

#include "model/card.h"
#include "model/group.h"
#include "model/shape.h"
#include "model/stream.h"

namespace
{
void scaleGrid(std::array<PGroup::GridPoint, PGroup::gridPoints>& grid, float f)
{
    for (auto& point : grid)
    {
        point.x *= f;
        point.y *= f;
    }
}
} // namespace

PDecor::PDecor()
{
    index = -1;
}

PDecor::~PDecor() = default;

void PDecor::copyFrom(const PBase* other)
{
    PItem::copyFrom(other);
    if (auto* decor = dynamic_cast<const PDecor*>(other))
    {
        decorSize = decor->decorSize;
        currentKey = decor->currentKey;
        content.reset(decor->content != nullptr ? cloneAs(*decor->content) : nullptr);
    }
}

void PDecor::write(PStream& s) const
{
    PItem::write(s);
    s.writeFloat(decorSize);
    s.writeInt16(currentKey);
    s.writeObject(content.get());
}

void PDecor::read(PStream& s)
{
    PItem::read(s);
    // Later resizes divide by the size: a damaged value must not become NaN in the artwork.
    decorSize = readFinite(s, defaultSize);
    currentKey = s.readUInt16();
    content.reset(static_cast<PGroup*>(s.readObject(PClass::group)));
}

void PDecor::setFlag(uint32_t mask, bool on)
{
    if (content != nullptr)
        content->setFlag(mask, on);
}

void PDecor::clearMark()
{
    // The decor's own mark goes even without content, so that only one item of the list stays current.
    PItem::clearMark();
    if (content != nullptr)
        content->clearMark();
}

void PDecor::invalidate()
{
    if (content != nullptr)
        content->invalidate();
}

void PDecor::collectInside(const PRect& area, PArray& out)
{
    // The group itself collects nothing by area, so its shapes are asked as a layer asks its own.
    if (content != nullptr)
        collectShapesInside(content->children, area, out);
}

void PDecor::collectHits(float x, float y, float scale, PEditMode mode, PArray& out)
{
    if (content != nullptr)
        content->collectHits(x, y, scale, mode, out);
}

PGroup& PDecor::contentForEdit()
{
    if (content == nullptr)
        content = std::make_unique<PGroup>();
    return *content;
}

void PDecor::scaleBy(float f)
{
    if (!isUsableScaleFactor(f) || content == nullptr)
        return;
    for (int i = 0; i < content->children.size(); ++i)
    {
        PShape* child = content->childAt(i);
        child->x *= f;
        child->y *= f;
        child->scaleX *= f;
        child->scaleY *= f;
    }
    scaleGrid(content->gridFrom, f);
    scaleGrid(content->gridTo, f);
    content->invalidate();
}

void PDecor::setCurrentKeyOfAll(const PArray& decor, uint16_t key)
{
    for (auto* item : decor)
        if (item->classId() == PClass::decor)
            static_cast<PDecor*>(item)->currentKey = key;
}
