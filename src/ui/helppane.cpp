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
const char* const editModeKeys[] = {"Help.Mode1", "Help.Mode2", "Help.Mode3", "Help.Mode4",
                                    "Help.Mode5", "Help.Mode6", "Help.Mode7"};
constexpr int firstEditMode = 1, lastEditMode = 7;
} // namespace

PHelpPane::PHelpPane(PPane* parentPane, int gx, int gy, int gw, int gh) : PPane(parentPane, gx, gy, gw, gh, framed)
{
    (new PTitle(this, 0, 0, -1, 0))->setText("Help.Title");
    text = new PNote(this, 0, 1, -1, -1);
}

const char* PHelpPane::sidePaneKey(int sidePane)
{
    if (sidePane < PContext::pageMode || sidePane > PContext::decorMode)
        return "";
    return sidePaneKeys[sidePane - PContext::pageMode];
}

const char* PHelpPane::editModeKey(int editMode)
{
    if (editMode < firstEditMode || editMode > lastEditMode)
        return "";
    return editModeKeys[editMode - firstEditMode];
}

void PHelpPane::setWorld(PWorld* session)
{
    world = session;
}

void PHelpPane::setTopic(int sidePane, int editMode)
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

void PHelpPane::onNotify(uint16_t code)
{
    switch (code)
    {
    case PNotify::modeChanged:
    case PNotify::switchChanged:
    case PContext::pageMode:
    case PContext::layerMode:
    case PContext::clipMode:
    case PContext::decorMode: update(); break;
    default: break;
    }
}
