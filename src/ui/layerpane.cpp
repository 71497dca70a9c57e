#include "ui/layerpane.h"

#include "edit/actioncopy.h"
#include "edit/actioncut.h"
#include "edit/actionflag.h"
#include "edit/actionnew.h"
#include "edit/actionproperty.h"
#include "edit/world.h"
#include "model/layer.h"
#include "model/panel.h"
#include "ui/canvas2.h"
#include "ui/command.h"
#include "ui/popup.h"
#include "ui/shapepane.h"
#include "ui/tablebrowse.h"
#include "ui/widgets/button.h"
#include "ui/widgets/check.h"
#include "ui/widgets/edit.h"
#include "ui/widgets/label.h"
#include "ui/widgets/list.h"
#include "ui/widgets/switch.h"
#include "ui/widgets/title.h"

namespace
{
constexpr int listTop = 1, listRows = 5, labelRow = 6, nameRow = 7, hideRow = 8, strokeRow = 9, editTitleRow = 10,
              ringRow = 11, addRow = 13, groupRow = 16, shapeTop = 18;
constexpr int third = 4, half = 6, nameLabelWidth = 4;
} // namespace

PLayerPane::PLayerPane(PPane* parentPane, int gx, int gy, int gw, int gh)
    : PSidePane(parentPane, gx, gy, gw, gh, PPaneKind::layers)
{
    addTitle("Layer.List", PPopup::Kind::layerPopup, PClass::layer);
    list = new PList(this, 0, listTop, -1, listRows);
    list->showStatus = true;
    (new PLabel(this, 0, labelRow, -1, 0))->setText("Layer.Label");
    (new PLabel(this, 0, nameRow, nameLabelWidth, 0))->setText("Field.Name");
    nameField = new PEdit(this, nameLabelWidth, nameRow, -1, 0);
    hideCheck = new PCheck(this, 0, hideRow, half, 0);
    hideCheck->setText("Layer.Hide");
    (new PLabel(this, half, hideRow, -1, 0))->setText("Layer.Stroke");
    strokeSwitch = new PSwitch(this, 0, strokeRow, -1);
    strokeSwitch->setTooltip("Layer.TipStroke");
    (new PTitle(this, 0, editTitleRow, -1, 0))->setText("Edit.Title");
    // Created in the order the panel shows them; the ring tests deform first, as a group decides it.
    addModeButton(third, ringRow + 1, third, "Edit.SetDeform", PEditMode::deform);
    addModeButton(0, ringRow, third, "Edit.Draw", PEditMode::draw)->setTooltip("Edit.TipDraw");
    addModeButton(0, ringRow + 1, third, "Edit.Group", PEditMode::marking);
    addModeButton(third, ringRow, third, "Edit.Shape", PEditMode::shape);
    addModeButton(2 * third, ringRow, -1, "Edit.Point", PEditMode::point);
    addModeButton(2 * third, ringRow + 1, -1, "Edit.Wall", PEditMode::wallpaper);
    addCommandButton(0, addRow, half, "Edit.AddClip", Command::addClip);
    addCommandButton(half, addRow, -1, "Edit.AddDecor", Command::addDecor);
    addCommandButton(0, addRow + 1, half, "Edit.AddCurve", Command::addCurve);
    addCommandButton(half, addRow + 1, -1, "Edit.AddText", Command::addText);
    addCommandButton(0, addRow + 2, half, "Edit.AddImage", Command::addImage);
    addGroupButtons(groupRow);
    shapePane = new PShapePane(this, 0, shapeTop, -1, -1);
    properties = shapePane;
}

PLayerPane::~PLayerPane() = default;

void PLayerPane::setWorld(PWorld* session, PCanvas2* pageCanvas)
{
    PSidePane::setWorld(session, pageCanvas);
    refresh(true);
}

PPanel* PLayerPane::currentPanel() const
{
    return world != nullptr ? static_cast<PPanel*>(world->context.target(PClass::panel)) : nullptr;
}

PLayer* PLayerPane::currentLayer() const
{
    return world != nullptr ? static_cast<PLayer*>(world->context.target(PClass::layer)) : nullptr;
}

void PLayerPane::refresh(bool force)
{
    PPanel* panelNow = currentPanel();
    PLayer* layerNow = currentLayer();
    std::vector<PItem*> rows;
    if (panelNow != nullptr)
        for (PBase* layer : panelNow->layers)
            rows.push_back(static_cast<PItem*>(layer));
    // A layer added, pasted or imported leaves the panel as it was: the rows tell.
    if (force || panelNow != shownPanel || rows != list->getItems())
    {
        list->quiet = true;
        list->setItems(rows);
        list->quiet = false;
    }
    list->quiet = true;
    list->selectItem(layerNow);
    list->quiet = false;
    if (force || panelNow != shownPanel || layerNow != shownLayer)
        nameField->setValue(layerNow != nullptr ? layerNow->name.toString() : juce::String());
    for (PWidget* field :
         {static_cast<PWidget*>(nameField), static_cast<PWidget*>(hideCheck), static_cast<PWidget*>(strokeSwitch)})
        field->setEnabled(layerNow != nullptr);
    hideCheck->setOn(layerNow != nullptr && layerNow->isHidden());
    strokeSwitch->setValue(layerNow != nullptr ? layerNow->stroke : -1);
    shownPanel = panelNow;
    shownLayer = layerNow;
    showMode();
}

void PLayerPane::onChange(PWidget* source)
{
    PLayer* layer = currentLayer();
    if (source == nameField)
        rename(layer, *nameField);
    else if (source == hideCheck && layer != nullptr)
        world->record(
            std::make_unique<PActionFlag>(*world, layer, PFlag::hidden, hideCheck->isOn(), layer->isHidden()));
    else if (source == strokeSwitch && layer != nullptr)
        world->record(std::make_unique<PActionProperty<uint16_t>>(*world, layer, PProperties::stroke, layer->stroke,
                                                                  static_cast<uint16_t>(strokeSwitch->getValue())));
    else
        (void) runCommand(source);
}

void PLayerPane::onSelect(PWidget* source)
{
    if (source != list || world == nullptr)
        return;
    // A hidden layer is still a layer the artist must be able to pick, if only to show it again.
    const int row = list->selectedRow();
    auto* chosen =
        row >= 0 && row < list->rowCount() ? static_cast<PLayer*>(list->getItems()[static_cast<size_t>(row)]) : nullptr;
    if (chosen == currentLayer())
        return;
    world->context.setTarget(chosen, PClass::layer);
    world->broadcast(PNotify::selection);
}

void PLayerPane::updateMenu()
{
    const bool withPanel = comic() != nullptr && currentPanel() != nullptr;
    const bool withLayer = withPanel && currentLayer() != nullptr;
    for (PCommand code : {PCommand::create, PCommand::import})
        menu->setEnabled(code, withPanel);
    menu->setEnabled(PCommand::paste, withPanel && world->clipboardEntry(PClass::layer) != nullptr);
    for (PCommand code : {PCommand::cut, PCommand::copy})
        menu->setEnabled(code, withLayer);
    menu->rebuild();
}

void PLayerPane::onMenu(PCommand code)
{
    PPanel* panel = currentPanel();
    if (world == nullptr || comic() == nullptr || panel == nullptr)
        return;
    switch (code)
    {
    case PCommand::create: addLayer(new PLayer()); return;
    case PCommand::import:
        if (auto* chosen = chooseItem != nullptr ? chooseItem() : nullptr)
            addLayer(static_cast<PLayer*>(chosen->clone()));
        return;
    case PCommand::paste:
        if (auto* entry = world->clipboardEntry(PClass::layer))
            addLayer(static_cast<PLayer*>(entry->clone()));
        return;
    default: break;
    }
    PLayer* layer = currentLayer();
    if (layer == nullptr)
        return;
    if (code == PCommand::cut)
        world->record(std::make_unique<PActionCut>(*world, panel->layers, layer, panel));
    else if (code == PCommand::copy)
        world->record(std::make_unique<PActionCopy>(*world, layer));
}

void PLayerPane::addLayer(PLayer* layer)
{
    // The panel places a layer with no order number of its own.
    PPanel* panel = currentPanel();
    layer->panel = panel;
    layer->index = -1;
    world->record(std::make_unique<PActionNew>(*world, panel->layers, std::unique_ptr<PBase>(layer)));
}

void PLayerPane::onNotify(PNotify code)
{
    switch (code)
    {
    case PNotify::attribute:
    case PNotify::itemList:
    case PNotify::rebuild: refresh(true); break;
    case PNotify::modeChanged:
    case PNotify::selection: refresh(); break;
    default: break;
    }
}
