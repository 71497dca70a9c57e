#include "ui/canvascommands.h"

#include "edit/actioncopy.h"
#include "edit/actioncut.h"
#include "edit/actiondeform.h"
#include "edit/actionflip.h"
#include "edit/actioninsert.h"
#include "edit/actionlower.h"
#include "edit/actionnew.h"
#include "edit/actionraise.h"
#include "edit/actionremove.h"
#include "edit/actions.h"
#include "edit/actionshape.h"
#include "edit/world.h"
#include "model/brush.h"
#include "model/curve.h"
#include "model/group.h"
#include "model/image.h"
#include "model/layer.h"
#include "model/page.h"
#include "model/panel.h"
#include "model/point.h"
#include "model/text.h"
#include "model/translate.h"
#include "ui/canvas2.h"
#include "ui/popup.h"
#include "ui/widgets/alertbox.h"

namespace
{
constexpr uint16_t thicknessStep = 25;

int digitOf(PKeyCommand key)
{
    return static_cast<int>(key) - static_cast<int>(PKeyCommand::firstDigit);
}
} // namespace

PCanvasCommands::PCanvasCommands(PCanvas2& pane, PCanvasSelection& shown, PCanvasRenderer& view)
    : canvas(pane), selection(shown), renderer(view), popupMain(std::make_unique<PPopup>(&pane)),
      popupPanel(std::make_unique<PPopup>(&pane))
{
    popupMain->build(PPopup::Kind::canvasSecond);
    popupPanel->build(PPopup::Kind::canvasFirst);
}

PCanvasCommands::~PCanvasCommands() = default;

// ---------------------------------------------------------------- keys

void PCanvasCommands::onKey(PWidget* source, PKeyCommand key)
{
    PWorld* world = selection.world;
    // A key in the middle of a drag would act on a half-made gesture.
    if (canvas.gestures.isButtonDown() || canvas.drawing.isDrawing() || world == nullptr)
        return;
    const bool request = isRequestKey(key);
    if (selection.decorDeforming() && !request)
        return;
    if (key != PKeyCommand::remove && !request)
        selection.dropPoint();
    const PEditMode mode = selection.editMode();
    const bool editing = mode == PEditMode::shape || mode == PEditMode::point;
    const bool withShape = editing && selection.shape != nullptr;
    switch (key)
    {
    case PKeyCommand::cut:
        if (withShape)
            onMenu(PCommand::cut);
        break;
    case PKeyCommand::copy:
        if (withShape)
            onMenu(PCommand::copy);
        break;
    case PKeyCommand::paste:
        if (editing)
            onMenu(PCommand::paste);
        break;
    case PKeyCommand::remove: removeSelection(); break;
    case PKeyCommand::selectAll:
        if (mode == PEditMode::marking)
            markAll();
        break;
    case PKeyCommand::home:
        if (editing)
            onMenu(PCommand::front);
        break;
    case PKeyCommand::end: onMenu(PCommand::back); break;
    case PKeyCommand::pageUp: onMenu(PCommand::raise); break;
    case PKeyCommand::pageDown: onMenu(PCommand::lower); break;
    case PKeyCommand::enter:
        if (selection.sidePane == PPaneKind::pages && selection.panel != nullptr)
            canvas.broadcast(PNotify::layersShown);
        break;
    default:
        if (request)
            canvas.PPane::onCommand(source, key);
        else if (key >= PKeyCommand::firstDigit && key <= PKeyCommand::lastDigit && mode == PEditMode::point &&
                 isCurveLike(selection.shape))
            setAllThickness(static_cast<uint16_t>(digitOf(key) * thicknessStep));
        break;
    }
}

void PCanvasCommands::removeSelection()
{
    PWorld& world = *selection.world;
    PShape* shape = selection.shape;
    const PEditMode mode = selection.editMode();
    if (mode == PEditMode::point && selection.point != nullptr && isCurveLike(shape))
    {
        PPoint* removed = selection.point;
        selection.point = nullptr;
        world.record(std::make_unique<PActionRemove>(world, static_cast<PCurve*>(shape)->points, shape, removed));
    }
    else if (mode == PEditMode::shape && shape != nullptr)
    {
        const auto place = selection.locate(shape);
        if (place.list == nullptr)
            return;
        selection.select(nullptr, nullptr);
        world.record(std::make_unique<PActionRemove>(world, *place.list, place.owner, shape));
    }
    canvas.readSelection();
    renderer.repaintWith(PCanvasRenderer::Frame::withOverlay);
}

void PCanvasCommands::markAll()
{
    if (selection.container == nullptr)
        return;
    const auto place = selection.insertionPlace();
    if (place.list != nullptr)
        for (PBase* object : *place.list)
            if (!isLockedGroup(object))
                object->setFlag(PFlag::selected, true);
    renderer.repaintWith(PCanvasRenderer::Frame::withOverlay);
}

void PCanvasCommands::setAllThickness(uint16_t value)
{
    // A quick way to even out a line: no undo step, as the key is a drawing aid.
    auto* curve = static_cast<PCurve*>(selection.shape);
    for (int i = 0; i < curve->points.size(); ++i)
        curve->pointAt(i)->thickness = value;
    curve->invalidate();
    canvas.broadcast(PNotify::geometry);
}

// ---------------------------------------------------------------- popup and its commands

PPopup& PCanvasCommands::currentPopup()
{
    return selection.sidePane == PPaneKind::pages ? *popupPanel : *popupMain;
}

void PCanvasCommands::updatePopup(PPopup& popup)
{
    const PEditMode mode = selection.editMode();
    const bool editing = mode == PEditMode::shape || mode == PEditMode::point;
    const bool withShape = editing && selection.shape != nullptr && selection.locate(selection.shape).list != nullptr;
    const uint16_t entryClass = selection.sidePane == PPaneKind::pages ? PClass::panel : PClass::shape;
    const PBase* clip = selection.world->clipboardEntry(entryClass);
    for (PCommand id : {PCommand::cut, PCommand::copy, PCommand::raise, PCommand::lower, PCommand::front,
                        PCommand::back, PCommand::flipH, PCommand::flipV, PCommand::flipD})
        popup.setEnabled(id, withShape);
    popup.setEnabled(PCommand::paste, editing && clip != nullptr);
    popup.setEnabled(PCommand::init, selection.shape != nullptr);
    popup.rebuild();
}

void PCanvasCommands::onPopup()
{
    if (selection.world == nullptr || selection.container == nullptr)
        return;
    auto* component = canvas.getComponent();
    const auto at = component != nullptr ? component->getMouseXYRelative() : juce::Point<int>();
    lastPopupX = static_cast<float>(at.x), lastPopupY = static_cast<float>(at.y);
    PPopup& popup = currentPopup();
    updatePopup(popup);
    if (component != nullptr)
        component->setEnabled(false);
    const PCommand chosen = popup.show();
    if (component != nullptr)
        component->setEnabled(true);
    if (chosen != PCommand::none)
        onMenu(chosen);
    lastPopupX = lastPopupY = 0;
}

void PCanvasCommands::onMenu(PCommand code)
{
    PWorld* world = selection.world;
    if (world == nullptr || selection.container == nullptr || (selection.decorDeforming() && code != PCommand::init))
        return;
    selection.dropPoint();
    const PEditMode mode = selection.editMode();
    renderer.prepare();
    runMenu(code);
    // Point editing ends with any command: the shape it acted on may be gone or moved.
    if (mode == PEditMode::point)
    {
        world->editMode = PEditMode::shape;
        canvas.broadcast(PNotify::modeChanged);
    }
    canvas.readSelection();
    renderer.repaintWith(PCanvasRenderer::Frame::withOverlay);
}

void PCanvasCommands::runMenu(PCommand code)
{
    const PEditMode mode = selection.editMode();
    const bool editing = mode == PEditMode::shape || mode == PEditMode::point;
    PShape* shape = selection.shape;
    const auto place = selection.locate(shape);
    const bool withShape = editing && shape != nullptr && place.list != nullptr;
    PWorld& world = *selection.world;
    if (code == PCommand::paste && editing)
        paste();
    else if (code == PCommand::init)
        resetTransform();
    else if (!withShape)
        return;
    else if (code == PCommand::cut)
    {
        selection.select(nullptr, nullptr);
        world.record(std::make_unique<PActionCut>(world, *place.list, shape, place.owner));
    }
    else if (code == PCommand::copy)
        world.record(std::make_unique<PActionCopy>(world, shape));
    else if (code == PCommand::flipD)
        mirror();
    else
        orderOrFlip(code);
}

void PCanvasCommands::orderOrFlip(PCommand code)
{
    PWorld& world = *selection.world;
    PShape* shape = selection.shape;
    PArray& list = *selection.locate(shape).list;
    switch (code)
    {
    case PCommand::front:
    case PCommand::raise:
        world.record(std::make_unique<PActionRaise>(world, list, shape, code == PCommand::front));
        break;
    case PCommand::back:
    case PCommand::lower:
        world.record(std::make_unique<PActionLower>(world, list, shape, code == PCommand::back));
        break;
    case PCommand::flipH: world.record(std::make_unique<PActionFlip>(world, shape, PActionFlip::horizontal)); break;
    case PCommand::flipV: world.record(std::make_unique<PActionFlip>(world, shape, PActionFlip::vertical)); break;
    default: break;
    }
}

void PCanvasCommands::paste()
{
    PWorld& world = *selection.world;
    const uint16_t kindOfEntry = selection.sidePane == PPaneKind::pages ? PClass::panel : PClass::shape;
    const PBase* entry = world.clipboardEntry(kindOfEntry);
    const auto place = selection.insertionPlace(true);
    if (entry == nullptr || place.list == nullptr || !isShape(entry))
        return;
    std::unique_ptr<PShape> copy(static_cast<PShape*>(entry->clone()));
    // At the last right click, or the pane's centre for a key; in the coordinates of the list.
    const bool fromPopup = lastPopupX != 0 || lastPopupY != 0;
    auto at = fromPopup ? renderer.toPage(lastPopupX, lastPopupY) : renderer.paneCentre();
    (void) place.parentToPage.transformBack(at.x, at.y); // a flattened panel keeps the page point
    copy->x = at.x, copy->y = at.y;
    world.record(std::make_unique<PActionInsert>(world, *place.list, place.owner, std::move(copy), -1));
}

void PCanvasCommands::mirror()
{
    PWorld& world = *selection.world;
    PShape* shape = selection.shape;
    const auto place = selection.locate(shape);
    std::unique_ptr<PShape> made(static_cast<PShape*>(shape->clone()));
    PShape* copy = made.get();
    auto compound = std::make_unique<PActions>(world, "Action.Mirror");
    compound->add(std::make_unique<PActionInsert>(world, *place.list, place.owner, std::move(made),
                                                  place.list->indexOf(shape) + 1));
    compound->add(std::make_unique<PActionFlip>(world, copy, PActionFlip::horizontal));
    world.record(std::move(compound));
}

void PCanvasCommands::resetTransform()
{
    PShape* shape = selection.shape;
    if (shape == nullptr)
        return;
    if (selection.decorDeforming())
    {
        resetDeform();
        return;
    }
    const PEditMode mode = selection.editMode();
    if (!selection.placesShapes())
        return;
    const auto before = PActionShape::Placement::of(*shape);
    PActionShape::Placement after;
    after.x = before.x, after.y = before.y;
    if (after == before)
        return;
    PWorld& world = *selection.world;
    world.record(std::make_unique<PActionShape>(world, shape, before, after, selection.locate(shape).group,
                                                mode == PEditMode::attachment ? selection.panel : nullptr));
}

void PCanvasCommands::resetDeform()
{
    auto* group = static_cast<PGroup*>(selection.shape);
    const auto before = PActionDeform::Grids::of(*group);
    PActionDeform::Grids after;
    if (before.from == after.from && before.to == after.to)
        return;
    PWorld& world = *selection.world;
    world.record(std::make_unique<PActionDeform>(world, group, before, after));
}

// ---------------------------------------------------------------- new shapes

bool PCanvasCommands::takesShapes() const
{
    return selection.container != nullptr && selection.sidePane != PPaneKind::pages;
}

bool PCanvasCommands::placing(PShapeFactory::Placing& at) const
{
    if (selection.world == nullptr)
        return false;
    renderer.prepare();
    auto centre = renderer.paneCentre();
    // A flattened panel keeps the page point.
    (void) selection.insertionPlace().parentToPage.transformBack(centre.x, centre.y);
    at = {centre.x, centre.y, renderer.pixelsToPage(newShapePixels)};
    return true;
}

PShape* PCanvasCommands::addShape(std::unique_ptr<PShape> made, const char* nameKey)
{
    renderer.invalidate();
    const auto place = selection.insertionPlace(true);
    if (made == nullptr || selection.world == nullptr || place.list == nullptr)
        return nullptr;
    PWorld& world = *selection.world;
    PShape* added = made.get();
    if (made->classId() != PClass::panel)
    {
        auto insert = std::make_unique<PActionInsert>(world, *place.list, place.owner, std::move(made), -1);
        if (nameKey == nullptr)
            world.record(std::move(insert));
        else
        {
            auto named = std::make_unique<PActions>(world, nameKey);
            named->add(std::move(insert));
            world.record(std::move(named));
        }
        return added;
    }
    // A panel comes with its first layer, as one step.
    auto compound = std::make_unique<PActions>(world, "Action.Panel");
    auto& newPanel = static_cast<PPanel&>(*made);
    compound->add(std::make_unique<PActionInsert>(world, *place.list, place.owner, std::move(made), -1));
    compound->add(std::make_unique<PActionNew>(world, newPanel.layers, std::make_unique<PLayer>()));
    world.record(std::move(compound));
    return added;
}

void PCanvasCommands::addCurve()
{
    if (PShapeFactory::Placing at; takesShapes() && placing(at))
        addShape(PShapeFactory::curve(at));
}

void PCanvasCommands::addBrush()
{
    if (PShapeFactory::Placing at; takesShapes() && placing(at))
        addShape(PShapeFactory::brush(at));
}

void PCanvasCommands::addText()
{
    if (PShapeFactory::Placing at; takesShapes() && placing(at))
        addShape(PShapeFactory::text(at, ::translate("Text.Sample")));
}

void PCanvasCommands::addPanel()
{
    if (selection.page == nullptr || selection.sidePane != PPaneKind::pages)
        return;
    if (PShapeFactory::Placing at; placing(at))
        addShape(PShapeFactory::panel(at));
}

void PCanvasCommands::addArtwork(const PItem& item)
{
    if (!takesShapes() || &item == selection.container)
        return;
    if (PShapeFactory::Placing at; placing(at))
        addShape(PShapeFactory::artwork(at, item));
}

bool PCanvasCommands::addImage(const juce::File& file)
{
    PShapeFactory::Placing at;
    if (!takesShapes() || !placing(at))
        return false;
    auto image = PShapeFactory::image(at, file);
    if (image == nullptr)
        return false;
    addShape(std::move(image));
    return true;
}

void PCanvasCommands::chooseImage()
{
    juce::File chosen;
    if (askImageFile)
        chosen = askImageFile();
    else
    {
        juce::FileChooser chooser(::translate("FileChooser.Load"), {}, "*.jpg;*.jpeg;*.png;*.gif");
        if (chooser.browseForFileToOpen())
            chosen = chooser.getResult();
    }
    if (chosen == juce::File() || addImage(chosen))
        return;
    const auto text = ::translate("Message.ImageError") + "\n(" + chosen.getFullPathName() + ")";
    if (reportError)
        reportError(text);
    else
        // Our box, not the library's: it takes the focus at once, so the user's first key closes it.
        (void) PAlertBox::show(juce::MessageBoxIconType::WarningIcon, ::translate("Message.Error"), text,
                               {::translate("Text.Close")});
}
