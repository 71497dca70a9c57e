#include "model/page.h"

#include "model/shape.h"
#include "model/stream.h"

PPage::~PPage()
{
    panels.deleteAll();
}

void PPage::copyFrom(const PBase* other)
{
    PItem::copyFrom(other);
    if (auto* page = dynamic_cast<const PPage*>(other))
    {
        panels.deepCopy(page->panels);
        width = page->width;
        height = page->height;
        margin = page->margin;
    }
}

void PPage::write(PStream& s) const
{
    PItem::write(s);
    s.writeList(panels);
}

void PPage::read(PStream& s)
{
    PItem::read(s);
    s.readList(panels, PClass::panel);
}

void PPage::clearMark()
{
    PItem::clearMark();
    for (auto* panel : panels)
        panel->clearMark();
}

void PPage::invalidate()
{
    // A panel drops its own outline and has every one of its layers drop theirs.
    for (auto* panel : panels)
        panel->invalidate();
}

void PPage::collectInside(const PRect& area, PArray& out)
{
    for (int i = 0; i < panels.size(); ++i)
    {
        auto* panel = panels.get<PShape>(i);
        panel->slot = i;
        if (panel->isInside(area))
            out.append(panel);
    }
}

void PPage::collectHits(float x, float y, float scale, PEditMode mode, PArray& out)
{
    for (auto* panel : panels)
        if (panel->hitTest(x, y, scale, mode))
            out.append(panel);
}
