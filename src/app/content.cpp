#include "app/content.h"

#include "app/command.h"
#include "app/window.h"
#include "edit/context.h"
#include "edit/world.h"
#include "model/comic.h"
#include "model/option.h"
#include "model/page.h"
#include "model/translate.h"
#include "ui/canvas2.h"
#include "ui/view2pane.h"

namespace
{
constexpr int english = 1, german = 2, french = 3, fourth = 4;
const char* const programName = "Plumet Comics";
} // namespace

PContent::PContent(POption* o) : PPane(defaultColumns, defaultRows, o), menuComic(this), menuHelp(this)
{
    menuComic.build(PPopup::comicMenu);
    menuHelp.build(PPopup::helpMenu);
    // The canvas takes the window but for a column at the right, where the view pane pans and zooms it.
    canvas = new PCanvas2(this, 0, 0, -1 - PView2Pane::columns, -1, o != nullptr && o->openGLCanvas);
    viewPane = new PView2Pane(this, -PView2Pane::columns, 0, -1, -1);
}

PContent::~PContent()
{
    // The session outlives the window.
    if (world != nullptr && world->notifier == this)
        world->notifier = nullptr;
}

bool PContent::hasOpenAtStart(const PWorld& world)
{
    for (int i = 0; i < world.comics.size(); ++i)
        if (world.comicAt(i)->hasFlag(openAtStart))
            return true;
    return false;
}

juce::URL PContent::documentUrl(const juce::File& folder, const char* stem, int language)
{
    return juce::URL(folder.getChildFile(juce::String(stem) + languageSuffix(language) + ".pdf"));
}

void PContent::setWorld(PWorld* session)
{
    world = session;
    comic = nullptr;
    if (world != nullptr)
        world->notifier = this;
    if (window != nullptr)
    {
        window->clearMenus();
        window->addMenu(&menuComic);
        window->addMenu(&menuHelp);
        window->menusChanged();
    }
    if (world == nullptr)
        return;
    if (!hasOpenAtStart(*world))
        createFirstComic();
    else if (!open() && window != nullptr)
        window->requestClose();
}

void PContent::createFirstComic()
{
    auto* first = new PComic(world->projectsFolder);
    first->flags |= openAtStart;
    first->name.assign(translate("ComicOpen.Unnamed"));
    first->setting3 = first->setting4 = 0;
    world->adoptNewComic(first);
    world->helpFlag = true;
    setCurrentComic(first);
    first->newPage(new PPage(), *world);
    world->context.startChain(first, PContext::pageMode);
    notifyTree(PNotify::selection);
}

void PContent::setCurrentComic(PComic* chosen)
{
    comic = chosen;
    if (comic != nullptr)
        world->context.startChain(comic, PContext::pageMode);
    else
        world->context.clear();
    // Until the side panes choose it, the canvas moves and shapes the panels of the page.
    if (world->editMode == 0)
        world->editMode = PCanvas2::shapeMode;
    canvas->setWorld(world);
    viewPane->setWorld(world);
    notifyTree(PNotify::selection);
    updateTitle();
}

void PContent::updateTitle()
{
    if (window == nullptr)
        return;
    if (comic != nullptr && !comic->name.isEmpty())
        window->setTitleText(comic->name.toString());
    else
        window->setTitle(programName);
}

PComic* PContent::defaultChoice() const
{
    for (int i = 0; i < world->comics.size(); ++i)
        if (world->comicAt(i)->hasFlag(openAtStart))
            return world->comicAt(i);
    return world->comicAt(0);
}

bool PContent::open()
{
    if (world == nullptr || (comic != nullptr && !close()))
        return false;
    PComic* chosen = chooseComic ? chooseComic() : defaultChoice();
    if (chosen == nullptr)
        return false;
    setCurrentComic(chosen);
    return true;
}

bool PContent::close()
{
    if (world == nullptr)
        return false;
    if (world->anyModified() && window != nullptr)
    {
        if (window->message(PAlert::yesNo, "Message.SaveFiles") != 0)
        {
            if (!save())
                return false;
        }
        else if (comic != nullptr)
            comic->modified = false;
    }
    setCurrentComic(nullptr);
    return true;
}

bool PContent::save()
{
    bool saved = true;
    juce::String failedPath;
    if (options->modified && !options->save().ok())
        saved = false, failedPath = options->path;
    if (world != nullptr && !world->saveAllAndClearHistory().ok())
    {
        saved = false;
        if (world->loadFailure != nullptr)
            failedPath = world->loadFailure->path;
    }
    if (!saved && window != nullptr)
        window->errorText(translate("Message.SaveError") + "\n(" + failedPath + ")");
    return saved;
}

bool PContent::canClose()
{
    if (world != nullptr && world->anyModified() && window != nullptr &&
        window->message(PAlert::yesNo, "Message.SaveFiles") != 0 && !save())
        return false;
    if (!options->save().ok() && window != nullptr)
        window->errorText(translate("Message.SaveError") + "\n(" + options->path + ")");
    return true;
}

void PContent::openDocument(const char* stem)
{
    documentUrl(programFolder, stem, options->language).launchInDefaultBrowser();
}

void PContent::setLanguage(int language)
{
    options->language = static_cast<int16_t>(language);
    options->modified = true;
    if (window != nullptr)
        window->message(PAlert::info, "Message.Locale");
}

void PContent::onMenuUpdate()
{
    if (world == nullptr)
        return;
    const bool isOpen = comic != nullptr;
    const bool canExport = isOpen && !comic->pages.isEmpty();
    menuComic.setEnabled(PCommand::close, isOpen);
    menuComic.setEnabled(PCommand::setting, isOpen);
    menuComic.setEnabled(PCommand::save, isOpen && comic->modified);
    menuComic.setEnabled(PCommand::exportComic, canExport);
    menuComic.setEnabled(PCommand::tuning, canExport && world->context.mode == PContext::pageMode);
    menuHelp.setEnabled(PCommand::localeE, options->language != english);
    menuHelp.setEnabled(PCommand::localeD, options->language != german);
    menuHelp.setEnabled(PCommand::localeF, options->language != french);
    menuComic.rebuild();
    menuHelp.rebuild();
}

void PContent::onMenu(int code)
{
    switch (code)
    {
    case PCommand::open: open(); break;
    case PCommand::close: close(); break;
    case PCommand::save: save(); break;
    case PCommand::exit:
        if (window != nullptr)
            window->requestClose();
        break;
    case PCommand::guide: openDocument("comics_guide"); break;
    case PCommand::decor: openDocument("comics_decor"); break;
    case PCommand::localeE: setLanguage(english); break;
    case PCommand::localeD: setLanguage(german); break;
    case PCommand::localeF: setLanguage(french); break;
    case PCommand::localeI: setLanguage(fourth); break;
    case PCommand::about: showAbout(); break;
    default: break; // the settings, tuning, export and options dialogs answer these
    }
}

void PContent::showAbout()
{
    auto* app = juce::JUCEApplicationBase::getInstance();
    if (window != nullptr && app != nullptr)
        window->messageText(PAlert::info, translate("About.Title") + "\n" + translate("About.Version") + " " +
                                              app->getApplicationVersion());
}

void PContent::notify(uint16_t code, PBase*)
{
    notifyTree(code);
}

void PContent::onNotify(uint16_t code)
{
    if (world != nullptr)
        switch (code)
        {
        case PNotify::saveRequest: (void) save(); return;
        case PNotify::undoRequest: world->undo(); return;
        case PNotify::redoRequest: world->redo(); return;
        case PContext::pageMode:
        case PContext::layerMode:
        case PContext::clipMode:
        case PContext::decorMode:
            // The side panes' switch: a chain of the new kind starts where that pane was left, at
            // the panel chosen last for the layers; the panes below read it when this returns.
            if (comic != nullptr && world->context.mode != code)
                world->context.startChain(comic, code);
            return;
        default: break;
        }
    // The open comic is the one the selection leads to; a deleted comic closes.
    if (code == PNotify::selection && world != nullptr && comic != nullptr && !world->comics.contains(comic))
    {
        comic = nullptr;
        updateTitle();
    }
}
