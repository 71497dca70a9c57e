#include "ui/widgets/pane.h"

#include <utility>
#include <vector>

#include "model/option.h"
#include "ui/widgets/opane.h"
#include "ui/widgets/requests.h"

namespace
{
constexpr float frameWidth = 1.0f;
constexpr int shadowSize = 3;
} // namespace

PPane::PPane(PPane* parentPane, int gx, int gy, int gw, int gh, Kind paneKind)
    : PWidget(parentPane, gx, gy, gw, gh), kind(paneKind), isGL(paneKind == Kind::openGL ? 1 : 0)
{
    if (parent != nullptr)
    {
        options = parent->options;
        style = parent->style;
    }
    createPeer();
    applyInsets();
    layout();
}

PPane::PPane(int gw, int gh, POption* paneOptions) : PWidget(nullptr, 0, 0, gw, gh), options(paneOptions)
{
    style = Style::sidePane;
    createPeer();
    const auto size = gridPixelSize();
    component->setSize(size.x, size.y);
}

PPane::~PPane()
{
    while (children != nullptr)
        delete children;
    component = nullptr;
    glComponent = nullptr;
}

void PPane::createPeer()
{
    if (kind == Kind::openGL)
    {
        auto surface = std::make_unique<OPane>(*this);
        glComponent = surface.get();
        attachPeer(std::move(surface));
    }
    else
    {
        auto plainPeer = std::make_unique<NPane>(*this);
        component = plainPeer.get();
        attachPeer(std::move(plainPeer));
    }
}

PPane::Insets PPane::insetsForKind(Kind paneKind, int u, int half)
{
    const int g = u;
    switch (paneKind)
    {
    case Kind::framed: return {g, g + 2, -2 * g, -2 - 3 * g};
    case Kind::openGL:
    case Kind::inset: return {2 * g - 1, half + 2 * g, half - 4 * g, -half - 5 * g};
    case Kind::borderless: return {0, -2, 0, 0};
    default: return {};
    }
}

PWidget::Box PPane::paneBounds(const Box& grid, const Insets& insets, int u)
{
    return {grid.left + insets.left - u + 1, grid.top + insets.top - u + 1, grid.width + insets.right + 2 * u - 2,
            grid.height + insets.bottom + 2 * u - 2};
}

void PPane::applyInsets()
{
    if (!(insets() == appliedInsets) || options == nullptr)
        return;
    appliedInsets = insetsForKind(kind, options->u, options->half);
    insetLeft = appliedInsets.left;
    insetTop = appliedInsets.top;
    insetRight = appliedInsets.right;
    insetBottom = appliedInsets.bottom;
}

void PPane::layout()
{
    if (parent == nullptr)
        return;
    const int u = options != nullptr ? options->u : 6;
    setPeerBounds(paneBounds(gridBox(), insets(), u));
}

juce::Component* PPane::getComponent() const
{
    if (component != nullptr)
        return component;
    return glComponent;
}

void PPane::paint(juce::Graphics& g)
{
    auto* c = getComponent();
    if (c == nullptr || kind == Kind::openGL)
        return;
    auto area = c->getLocalBounds().toFloat();
    if (kind == Kind::framed)
    {
        auto body =
            area.withTrimmedRight(static_cast<float>(shadowSize)).withTrimmedBottom(static_cast<float>(shadowSize));
        juce::DropShadow(juce::Colours::black.withAlpha(0.25f), shadowSize, {1, 1})
            .drawForRectangle(g, body.toNearestInt());
        g.setColour(lightColour());
        g.fillRect(body);
        g.setColour(darkColour());
        g.drawRect(body, frameWidth);
        return;
    }
    g.setColour(lightColour());
    g.fillRect(area);
    if (kind == Kind::inset)
    {
        // A sunken edge: dark above and left, light below and right.
        g.setColour(darkColour().darker(0.3f));
        g.fillRect(area.removeFromTop(frameWidth));
        g.fillRect(area.removeFromLeft(frameWidth));
        g.setColour(juce::Colours::white);
        g.fillRect(area.removeFromBottom(frameWidth));
        g.fillRect(area.removeFromRight(frameWidth));
    }
}

void PPane::refreshLook()
{
    applyInsets();
    layout();
    for (PWidget* c = children; c != nullptr; c = c->next)
        c->refreshLook();
    repaint();
}

PWindow* PPane::findWindow() const
{
    for (const PPane* p = this; p != nullptr; p = p->parent)
        if (p->window != nullptr)
            return p->window;
    return nullptr;
}

PDialog* PPane::findDialog() const
{
    for (const PPane* p = this; p != nullptr; p = p->parent)
        if (p->dialog != nullptr)
            return p->dialog;
    return nullptr;
}

PPane* PPane::root()
{
    PPane* top = this;
    while (top->window == nullptr && top->dialog == nullptr && top->parent != nullptr)
        top = top->parent;
    return top;
}

PRequests* PPane::requests()
{
    return dynamic_cast<PRequests*>(root());
}

void PPane::broadcast(PNotify code)
{
    root()->notifyTree(code);
}

void PPane::notifyTree(PNotify code)
{
    auto* c = getComponent();
    if (c == nullptr || !c->isVisible())
        return;
    // A handler may delete panes while it reacts; the safe pointers notice that.
    juce::Component::SafePointer<juce::Component> self(c);
    onNotify(code);
    if (self == nullptr)
        return;
    std::vector<std::pair<PPane*, juce::Component::SafePointer<juce::Component>>> panes;
    for (PWidget* child = children; child != nullptr; child = child->next)
        if (child->isPane())
            if (auto* pane = dynamic_cast<PPane*>(child))
                panes.emplace_back(pane, pane->getComponent());
    for (auto& [pane, alive] : panes)
        if (alive != nullptr)
            pane->notifyTree(code);
}

void PPane::repaint()
{
    auto* c = getComponent();
    if (c == nullptr || !c->isVisible())
        return;
    c->repaint();
    if (glComponent != nullptr)
        glComponent->triggerRepaint();
}

void PPane::setWantsKeys(bool on)
{
    if (auto* c = getComponent())
        c->setWantsKeyboardFocus(on);
}

juce::Point<int> PPane::gridPixelSize() const
{
    const int cell = options != nullptr ? options->cell : 24;
    const int u = options != nullptr ? options->u : 6;
    return {cell * w + u, cell * h + u};
}

void PPane::onCommand(PWidget*, PKeyCommand key)
{
    auto* asked = requests();
    if (asked == nullptr)
        return;
    switch (key)
    {
    case PKeyCommand::save: asked->requestSave(); break;
    case PKeyCommand::undo: asked->requestUndo(); break;
    case PKeyCommand::redo: asked->requestRedo(); break;
    case PKeyCommand::help: asked->requestHelp(); break;
    default: break;
    }
}
