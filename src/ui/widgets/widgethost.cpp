#include "ui/widgets/widgethost.h"

#include "model/translate.h"
#include "ui/widgets/widget.h"

namespace
{
constexpr int tensKind = 8, unitsKind = 9;
constexpr int tensFirstCode = 46, unitsFirstCode = 56;

PWidgetHost* installedHost = nullptr;

int showMenu(PWidget& source, juce::PopupMenu& menu)
{
    auto options = juce::PopupMenu::Options();
    if (auto* c = source.getComponent(); c != nullptr && c->isShowing())
        options = options.withTargetComponent(c);
#if JUCE_MODAL_LOOPS_PERMITTED
    return menu.showMenu(options);
#else
    juce::ignoreUnused(options);
    return 0;
#endif
}
} // namespace

int PWidgetHost::showPopup(PWidget& source, int kind)
{
    if (kind != tensKind && kind != unitsKind)
        return 0;
    juce::PopupMenu menu;
    for (int digit = 0; digit <= 9; ++digit)
    {
        // The tens menu marks its digits with a star: "3*" reads as thirty-something.
        const juce::String label = juce::String(digit) + (kind == tensKind ? "*" : "");
        menu.addItem((kind == tensKind ? tensFirstCode : unitsFirstCode) + digit, label);
    }
    return showMenu(source, menu);
}

int PWidgetHost::showCopyPaste(PWidget& source, bool canPaste)
{
    juce::PopupMenu menu;
    menu.addItem(copyCode, ::translate("Popup.Copy"));
    menu.addItem(pasteCode, ::translate("Popup.Paste"), canPaste);
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
