#include "ui/widgets/preview.h"

#include "draw/view2gui.h"
#include "model/base.h"
#include "model/clip.h"
#include "model/decor.h"
#include "model/page.h"
#include "model/shape.h"
#include "ui/widgets/npreview.h"

PPreview::PPreview(PPane* parentPane, int gx, int gy, int gw, int gh) : PWidget(parentPane, gx, gy, gw, gh)
{
    attachPeer(std::make_unique<NPreview>(*this));
    layout();
}

void PPreview::layout()
{
    setPeerBounds(gridBox());
}

void PPreview::refreshLook()
{
    layout();
    repaintPeer();
}

void PPreview::repaintPeer()
{
    if (auto* c = getComponent())
        c->repaint();
}

void PPreview::setSubject(PBase* object)
{
    subject = object;
    picture = {};
    repaintPeer();
}

void PPreview::setPicture(const juce::Image& image, float opacity)
{
    subject = nullptr;
    picture = image;
    pictureOpacity = opacity;
    repaintPeer();
}

void PPreview::paint(juce::Graphics& g)
{
    auto* c = getComponent();
    if (c == nullptr)
        return;
    const auto area = c->getLocalBounds();
    g.setColour(juce::Colours::white);
    g.fillRect(area);
    if (picture.isValid())
    {
        g.setOpacity(pictureOpacity);
        g.drawImageWithin(picture, 1, 1, area.getWidth() - 2, area.getHeight() - 2, juce::RectanglePlacement::centred);
        g.setOpacity(1.0f);
    }
    else if (subject != nullptr)
    {
        juce::Graphics::ScopedSaveState saved(g);
        g.reduceClipRegion(area.reduced(1));
        drawSubject(g, area);
    }
    g.setColour(darkColour());
    g.drawRect(area, 1);
}

void PPreview::drawSubject(juce::Graphics& g, juce::Rectangle<int> area)
{
    PView2gui view(getOptions());
    view.setTarget(&g);
    view.flags = PView2::outputMode;
    // Pages and shapes are fitted into the area; clips and decor items draw at their own size, centred.
    view.fitSource = subject->classId() == PClass::page || isShape(subject) ? subject : nullptr;
    view.setViewport(static_cast<float>(area.getX()), static_cast<float>(area.getY()),
                     static_cast<float>(area.getWidth()), static_cast<float>(area.getHeight()), 0, 0, 1);
    switch (subject->classId())
    {
    case PClass::page: view.drawPage(*static_cast<PPage*>(subject)); break;
    case PClass::clip: view.drawClip(*static_cast<PClip*>(subject)); break;
    case PClass::decor: view.drawDecor(*static_cast<PDecor*>(subject)); break;
    default:
        if (isShape(subject))
            view.drawShape(*static_cast<PShape*>(subject));
        break;
    }
    view.endFrame();
}
