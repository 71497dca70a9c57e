#pragma once

#include <functional>
#include <map>

#include "ui/sidepane.h"

class PButton;
class PEdit;
class PList;
class PPage;
class PPopup;
class PShapePane;

/** The Pages side pane: the comic's pages with a small picture of each, the current page's name,
    how the canvas edits panels, adding panels, and the page menu (new, import, cut, copy, paste and
    the page exports). The shape pane below shows the selected panel. */
class PPagePane : public PSidePane
{
public:
    PPagePane(PPane* parent, int x, int y, int w, int h);
    ~PPagePane() override;

    void setWorld(PWorld* session, PCanvas2* pageCanvas) override;
    void onChange(PWidget* source) override;
    void onSelect(PWidget* source) override;
    void onMenu(PCommand code) override;
    void onNotify(PNotify code) override;
    void setVisible(bool on) override;

    /** Re-reads the comic and current page; refills the list and the name when they changed. */
    void refresh(bool force = false);
    void updateMenu() override;
    PPage* currentPage() const;

    /** Carries out a page export (the export and series lines); the content pane sets it. */
    std::function<void(PCommand)> exportPage;
    PEdit* nameField = nullptr;
    PShapePane* shapePane = nullptr;
    PComic* shownComic = nullptr;
    PPage* shownPage = nullptr;

private:
    void addCopy(const PPage* source);
};
