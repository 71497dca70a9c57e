#include "ui/widgets/widgethost.h"

#include "model/translate.h"
#include "ui/widgets/widget.h"

namespace
{
PWidgetHost* installedHost = nullptr;

PCommand showMenu(PWidget& source, juce::PopupMenu& menu)
{
    auto options = juce::PopupMenu::Options();
    if (auto* c = source.getComponent(); c != nullptr && c->isShowing())
        options = options.withTargetComponent(c);
#if JUCE_MODAL_LOOPS_PERMITTED
    return commandOfMenuId(menu.showMenu(options));
#else
    juce::ignoreUnused(options);
    return PCommand::none;
#endif
}
} // namespace

PCommand PWidgetHost::showPopup(PWidget& source, PPopup::Kind kind)
{
    PPopup popup(&source);
    popup.build(kind);
    if (popup.size() == 0)
        return PCommand::none;
    return showMenu(source, popup.menu);
}

PCommand PWidgetHost::showCopyPaste(PWidget& source, bool canPaste)
{
    juce::PopupMenu menu;
    menu.addItem(menuIdOf(PCommand::copy), ::translate("Popup.Copy"));
    menu.addItem(menuIdOf(PCommand::paste), ::translate("Popup.Paste"), canPaste);
    return showMenu(source, menu);
}

bool PWidgetHost::editColour(PWidget&, uint32_t&)
{
    return false;
}

bool PWidgetHost::editFont(PWidget&, PFontSpec&)
{
    return false;
}

PWidgetHost& PWidgetHost::get()
{
    static PWidgetHost defaults;
    return installedHost != nullptr ? *installedHost : defaults;
}

void PWidgetHost::install(PWidgetHost* host)
{
    installedHost = host;
}
