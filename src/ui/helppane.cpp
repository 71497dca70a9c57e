#include "ui/helppane.h"

#include "edit/context.h"
#include "edit/notifier.h"
#include "edit/world.h"
#include "model/translate.h"
#include "ui/widgets/note.h"
#include "ui/widgets/title.h"

namespace
{
const char* const sidePaneKeys[] = {"Help.Pages", "Help.Layers", "Help.Clips", "Help.Decor"};
/** The language file names each mode's help by the mode's number. */
const char* const editModeKeys[] = {"Help.Mode1", "Help.Mode2", "Help.Mode3", "Help.Mode4",
                                    "Help.Mode5", "Help.Mode6", "Help.Mode7", "Help.Mode8"};
} // namespace

PHelpPane::PHelpPane(PPane* parentPane, int gx, int gy, int gw, int gh)
    : PPane(parentPane, gx, gy, gw, gh, Kind::framed)
{
    (new PTitle(this, 0, 0, -1, 0))->setText("Help.Title");
    text = new PNote(this, 0, 1, -1, -1);
}

const char* PHelpPane::sidePaneKey(PPaneKind sidePane)
{
    return isSidePane(sidePane) ? sidePaneKeys[paneIndex(sidePane)] : "";
}

const char* PHelpPane::editModeKey(PEditMode editMode)
{
    if (editMode < PEditMode::wallpaper || editMode > PEditMode::draw)
        return "";
    return editModeKeys[static_cast<int>(editMode) - static_cast<int>(PEditMode::wallpaper)];
}

void PHelpPane::setWorld(PWorld* session)
{
    world = session;
}

void PHelpPane::setTopic(PPaneKind sidePane, PEditMode editMode)
{
    shownSidePane = sidePane;
    shownEditMode = editMode;
    juce::StringArray lines;
    for (const char* key : {sidePaneKey(sidePane), editModeKey(editMode)})
        if (*key != '\0')
            lines.add(::translate(key));
    text->setPlainText(lines.joinIntoString("\n\n"));
}

void PHelpPane::update()
{
    const bool on = world != nullptr && world->helpFlag;
    if (on)
        setTopic(world->context.mode, world->editMode);
    if (on != isVisible())
        setVisible(on);
}

void PHelpPane::onNotify(PNotify code)
{
    switch (code)
    {
    case PNotify::modeChanged:
    case PNotify::switchChanged:
    case PNotify::pagesShown:
    case PNotify::layersShown:
    case PNotify::clipsShown:
    case PNotify::decorShown: update(); break;
    default: break;
    }
}
