#pragma once

#include <functional>
#include <memory>

#include "ui/sidepane.h"

class PButton;
class PCheck;
class PEdit;
class PLayer;
class PList;
class PPanel;
class PPopup;
class PShapePane;
class PSwitch;

/** The Layers side pane: the layers of the selected panel, the current layer's name, whether it
    is hidden and the width its lines are drawn with, how the canvas edits shapes, adding, grouping
    and marking shapes, and the layer menu (new, import, cut, copy, paste). The shape pane below
    shows the selected shape. */
class PLayerPane : public PSidePane
{
public:
    PLayerPane(PPane* parent, int x, int y, int w, int h);
    ~PLayerPane() override;

    void setWorld(PWorld* session, PCanvas2* pageCanvas) override;
    void onChange(PWidget* source) override;
    void onSelect(PWidget* source) override;
    void onMenu(PCommand code) override;
    void onNotify(PNotify code) override;

    /** Re-reads the panel and current layer; refills the list and the fields when they changed. */
    void refresh(bool force = false);
    void updateMenu() override;
    PPanel* currentPanel() const;
    PLayer* currentLayer() const;

    PEdit* nameField = nullptr;
    PCheck* hideCheck = nullptr;
    PSwitch* strokeSwitch = nullptr;
    PShapePane* shapePane = nullptr;
    PPanel* shownPanel = nullptr;
    PLayer* shownLayer = nullptr;

private:
    void addLayer(PLayer* layer);
};
