#include "ui/editorhost.h"

#include "ui/coloredit.h"
#include "ui/fontedit.h"
#include "ui/widgets/style.h"
#include "ui/widgets/widget.h"

namespace
{
/** Shows the value the editor just wrote into the widget and tells the widget's owner. */
void showLive(PWidget& source)
{
    if (auto* style = dynamic_cast<PStyle*>(&source))
        style->showFontName();
    if (auto* c = source.getComponent())
        c->repaint();
    if (source.owner != nullptr)
        source.owner->onChanging(&source);
}
} // namespace

bool PEditorHost::editColour(PWidget& source, uint32_t& colour)
{
    POption* options = source.getOptions();
    if (options == nullptr)
        return false;
    return PColorEdit::edit(colour, *options, [&source] { showLive(source); });
}

bool PEditorHost::editFont(PWidget& source, PFontSpec& font)
{
    POption* options = source.getOptions();
    if (options == nullptr)
        return false;
    return PFontEdit::edit(font, *options, [&source] { showLive(source); });
}

void PEditorHost::installForProgram()
{
    static PEditorHost host;
    install(&host);
}
