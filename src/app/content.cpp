#include "app/content.h"

#include "app/window.h"
#include "draw/comicbookexport.h"
#include "draw/rasterexport.h"
#include "draw/vectorexport.h"
#include "edit/context.h"
#include "edit/world.h"
#include "model/comic.h"
#include "model/image.h"
#include "model/option.h"
#include "model/page.h"
#include "model/translate.h"
#include "ui/about.h"
#include "ui/canvas2.h"
#include "ui/clippane.h"
#include "ui/comicopen.h"
#include "ui/comicsetting.h"
#include "ui/comictuning.h"
#include "ui/command.h"
#include "ui/decorpane.h"
#include "ui/helppane.h"
#include "ui/layerpane.h"
#include "ui/optiondialog.h"
#include "ui/pagepane.h"
#include "ui/statusbar.h"
#include "ui/toolbar.h"
#include "ui/view2pane.h"
#include "ui/welcome.h"
#include "ui/widgets/label.h"

namespace
{
constexpr int english = 1, german = 2, french = 3, fourth = 4;
const char* const programName = "Plumet Comics";
/** The frame of the editor on the cell grid: bars above and below, the side pane at the left,
    the view pane at the right and the canvas between. */
constexpr int barRows = 1, sideColumns = 12, helpRows = 6;
} // namespace

PContent::PContent(POption* o) : PPane(defaultColumns, defaultRows, o), menuComic(this), menuHelp(this)
{
    menuComic.build(PPopup::Kind::comicMenu);
    menuHelp.build(PPopup::Kind::helpMenu);
    toolbar = new PToolbar(this, 0, 0, -1, barRows);
    // Each side pane fills the same slot and shows alone; its colours follow the pane in use.
    sidePanes[0] = new PPagePane(this, 0, barRows, sideColumns, -1 - barRows);
    sidePanes[1] = new PLayerPane(this, 0, barRows, sideColumns, -1 - barRows);
    sidePanes[2] = new PClipPane(this, 0, barRows, sideColumns, -1 - barRows);
    sidePanes[3] = new PDecorPane(this, 0, barRows, sideColumns, -1 - barRows);
    for (auto* pane : sidePanes)
        pane->setVisible(false);
    static_cast<PPagePane*>(sidePanes[0])->exportPage = [this](PCommand command) { exportPage(command); };
    // The canvas takes the middle; the view pane at the right pans and zooms it.
    canvas = new PCanvas2(this, sideColumns, barRows, -1 - PView2Pane::columns, -1 - barRows,
                          o != nullptr && o->openGLCanvas);
    viewPane = new PView2Pane(this, -PView2Pane::columns, barRows, -1, -1 - barRows);
    statusbar = new PStatusbar(this, 0, -barRows, -1, -1);
    // While help is on, a few lines under the canvas tell what the side pane and the mode do; the
    // side pane keeps its full height for its lists and property panes.
    helpPane = new PHelpPane(this, sideColumns, -barRows - helpRows, -1 - PView2Pane::columns, -1 - barRows);
    updateTooltips();
    useDialogs();
}

void PContent::useDialogs()
{
    chooseComic = [this]
    { return world != nullptr && options != nullptr ? PComicOpen::run(*world, *options) : nullptr; };
    editSettings = [this](PComic& edited) { return PComicSetting::run(edited, *this); };
    tuneColours = [this](PComic& edited) { return PComicTuning::run(edited, *this); };
    statusbar->editOptions = [this]
    {
        if (options == nullptr)
            return false;
        auto outcome = POptionDialog::run(*options);
        forgetWallpaper(outcome.replacedWall.get());
        return outcome.accepted;
    };
}

void PContent::forgetWallpaper(const PImage* replaced)
{
    // A cancelled dialog put the same wallpaper back; an accepted one without a wallpaper before
    // is followed by the status bar's look notification, which the canvas reads as well.
    if (world == nullptr || options == nullptr || replaced == nullptr)
        return;
    // Undoing a move of a wallpaper that is gone would write into freed memory.
    world->forgetEntriesOn(replaced);
    if (options->wall == nullptr)
        world->wallFlag = false;
    // The canvas lets go of the old wallpaper before it is deleted.
    broadcast(PNotify::wallpaperChanged);
}

void PContent::updateTooltips()
{
    // Tooltips show only while a tooltip window exists; the options switch them on and off.
    const bool wanted = options != nullptr && options->tooltips;
    if (wanted && tooltipWindow == nullptr)
        tooltipWindow = std::make_unique<juce::TooltipWindow>(nullptr, tooltipDelay);
    else if (!wanted)
        tooltipWindow.reset();
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
    toolbar->setWorld(world);
    statusbar->setWorld(world);
    helpPane->setWorld(world);
    if (window != nullptr)
    {
        window->clearMenus();
        window->addMenu(&menuComic);
        window->addMenu(&menuHelp);
        window->menusChanged();
    }
    if (world == nullptr)
        return;
    if (startComic != nullptr && world->comics.contains(startComic))
        setCurrentComic(startComic);
    else if (!hasOpenAtStart(*world))
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
    addFirstPage(*first);
}

void PContent::addFirstPage(PComic& empty)
{
    empty.newPage(new PPage(), *world);
    world->context.startChain(&empty, PPaneKind::pages);
    notifyTree(PNotify::selection);
}

void PContent::setCurrentComic(PComic* chosen)
{
    comic = chosen;
    if (comic != nullptr)
        world->context.startChain(comic, PPaneKind::pages);
    else
        world->context.clear();
    // Until the side panes choose it, the canvas moves and shapes the panels of the page.
    if (world->editMode == PEditMode::none)
        world->editMode = PEditMode::shape;
    canvas->setWorld(world);
    for (auto* pane : sidePanes)
        pane->setWorld(world, canvas);
    viewPane->setWorld(world);
    notifyTree(PNotify::selection);
    if (comic != nullptr)
        broadcast(PNotify::pagesShown);
    else
        for (auto* pane : sidePanes)
            pane->setVisible(false);
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
    // A comic just made in the chooser starts with its first page, as the first comic does.
    if (chosen->pages.isEmpty())
        addFirstPage(*chosen);
    return true;
}

bool PContent::close()
{
    if (world == nullptr)
        return false;
    PComic* discarded = nullptr;
    if (world->anyModified() && (askYesNo || window != nullptr))
    {
        switch (askSave())
        {
        case answerYes:
            if (!save())
                return false;
            break;
        case answerNo: discarded = comic; break;
        default: return false; // the comic stays open, as it was
        }
    }
    setCurrentComic(nullptr);
    if (discarded != nullptr)
    {
        discardChanges(discarded);
        // The bars let go of the history that went with the edits.
        notifyTree(PNotify::itemList);
    }
    return true;
}

void PContent::discardChanges(PComic* edited)
{
    // Nothing of the discarded edits may come back through undo, redo or the next save: the
    // history goes, and the comic is read again from its file (a comic never saved goes too).
    world->clearHistory();
    const int index = world->comics.indexOf(edited);
    if (index < 0)
        return;
    auto reloaded = std::make_unique<PComic>();
    const bool onDisk = juce::File(edited->path).existsAsFile();
    if (onDisk && reloaded->load(edited->path) != PLoadResult::ok)
    {
        // The file cannot be read now; the comic stays as edited but is not saved unasked.
        edited->modified = false;
        return;
    }
    if (world->loadFailure == edited)
        world->loadFailure = nullptr;
    world->comics.remove(edited);
    delete edited;
    if (onDisk)
        world->comics.insert(index, reloaded.release());
}

int PContent::askSave()
{
    const char* question = "Message.SaveFiles";
    if (askYesNo)
        return askYesNo(question);
    if (window == nullptr)
        return answerCancel;
    switch (window->message(PAlert::Type::yesNoCancel, question))
    {
    case PAlert::firstButton: return answerYes;
    case PAlert::secondButton: return answerNo;
    default: return answerCancel;
    }
}

bool PContent::save()
{
    // The first failure is told, with the file it concerns and the reason the save gave.
    auto failure = PResult::success();
    juce::String failedPath;
    if (world != nullptr)
        if (auto saved = world->saveAllAndClearHistory(); !saved.ok())
        {
            failure = saved;
            if (world->loadFailure != nullptr)
                failedPath = world->loadFailure->path;
        }
    if (options->modified)
        if (auto saved = options->save(); !saved.ok() && failure.ok())
        {
            failure = saved;
            failedPath = options->path;
        }
    if (failure.ok())
        return true;
    tell(failure.messageKey(), failedPath);
    return false;
}

bool PContent::canClose()
{
    if (world != nullptr && world->anyModified() && (askYesNo || window != nullptr))
    {
        const int answer = askSave();
        if (answer == answerCancel || (answer == answerYes && !save()))
            return false;
    }
    if (auto saved = options->save(); !saved.ok())
        tell(saved.messageKey(), options->path);
    return true;
}

void PContent::openDocument(const char* stem)
{
    const auto url = documentUrl(programFolder, stem, options->language);
    // A build without the guides, or a removed file, would otherwise open nothing and say nothing.
    if (!url.getLocalFile().existsAsFile())
    {
        if (window != nullptr)
            window->messageText(PAlert::Type::warning,
                                ::translate("Message.DocumentMissing") + "\n" + url.getLocalFile().getFullPathName());
        return;
    }
    url.launchInDefaultBrowser();
}

void PContent::setLanguage(int language)
{
    options->language = static_cast<int16_t>(language);
    options->modified = true;
    if (window != nullptr)
        window->message(PAlert::Type::info, "Message.Locale");
}

void PContent::onMenuUpdate()
{
    if (world == nullptr)
        return;
    const bool isOpen = comic != nullptr;
    const bool canExport = isOpen && !comic->pages.isEmpty();
    menuComic.setEnabled(PCommand::close, isOpen);
    menuComic.setEnabled(PCommand::save, isOpen && comic->modified);
    menuComic.setEnabled(PCommand::exportComic, canExport);
    menuComic.setEnabled(PCommand::exportComicBook, canExport);
    menuComic.setEnabled(PCommand::tuning, canExport && world->context.mode == PPaneKind::pages);
    // A line whose dialog is missing is shown disabled, never silently dead.
    menuComic.setEnabled(PCommand::setting, isOpen && editSettings != nullptr);
    if (tuneColours == nullptr)
        menuComic.setEnabled(PCommand::tuning, false);
    menuComic.setEnabled(PCommand::option, statusbar->editOptions != nullptr);
    menuHelp.setEnabled(PCommand::localeE, options->language != english);
    menuHelp.setEnabled(PCommand::localeD, options->language != german);
    menuHelp.setEnabled(PCommand::localeF, options->language != french);
    menuComic.rebuild();
    menuHelp.rebuild();
}

void PContent::onMenu(PCommand code)
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
    case PCommand::exportComic: exportComic(); break;
    case PCommand::exportComicBook: exportComicBook(); break;
    case PCommand::setting:
        if (comic != nullptr && editSettings && editSettings(*comic))
        {
            updateTitle();
            broadcast(PNotify::refit);
        }
        break;
    case PCommand::tuning:
        if (comic != nullptr && tuneColours)
            (void) tuneColours(*comic); // the colours are already on the page either way
        break;
    case PCommand::option: statusbar->runOptions(); break;
    case PCommand::exportPdf:
    case PCommand::exportSvg:
    case PCommand::exportJpg:
    case PCommand::exportPng:
    case PCommand::inkSeries:
    case PCommand::colourSeries: exportPage(code); break;
    default: break; // the settings and tuning dialogs answer these
    }
}

void PContent::exportComic()
{
    juce::String path;
    if (comic == nullptr || comic->pages.isEmpty() ||
        !askForFile(PWindow::ChooserKind::savePdf, "FileChooser.ExportPDF", path))
        return;
    const juce::File file(path);
    report(
        runExport("FileChooser.ExportPDF",
                  [&](const PExportProgress::Callback& progress) {
                      return PVectorExport::exportPdf(*comic, file, PVectorExport::allPages, options, {true, progress});
                  }));
}

void PContent::exportComicBook()
{
    juce::String path;
    if (comic == nullptr || !askForFile(PWindow::ChooserKind::saveCbz, "FileChooser.ExportCBZ", path))
        return;
    const juce::File file(path);
    PComicBookSettings settings;
    settings.dpi = options != nullptr ? options->exportDpi : settings.dpi;
    settings.language = PComicBookExport::languageCode(options != nullptr ? options->language : 0);
    settings.options = options;
    report(runExport("FileChooser.ExportCBZ",
                     [&](const PExportProgress::Callback& progress)
                     {
                         auto withProgress = settings;
                         withProgress.progress = progress;
                         return PComicBookExport::exportComic(*comic, file, withProgress);
                     }));
}

PResult PContent::runExport(const char* titleKey, const PExportRunner::Job& job)
{
    // Without a window (a headless driver) there is nobody to show progress to or to cancel.
    if (window == nullptr)
        return job({});
    return PExportRunner::run(titleKey, job);
}

void PContent::report(const PResult& result)
{
    // A stop was the user's own wish: nothing to tell.
    if (!result.ok() && result.messageKey() != PExportProgress::stopped)
        tell(result.messageKey());
    broadcast(PNotify::geometry);
}

bool PContent::askForFile(PWindow::ChooserKind chooser, const char* titleKey, juce::String& path)
{
    if (chooseFile)
        return chooseFile(chooser, titleKey, path);
    return window != nullptr && window->chooseFile(chooser, titleKey, path);
}

void PContent::tell(const juce::String& key, const juce::String& path)
{
    lastMessageKey = key;
    lastMessageText = ::translate(key);
    if (path.isNotEmpty())
        lastMessageText << "\n(" << path << ")";
    if (window != nullptr)
        window->errorText(lastMessageText);
}

void PContent::exportPage(PCommand command)
{
    auto* page = comic != nullptr ? static_cast<PPage*>(world->context.target(PClass::page)) : nullptr;
    if (page == nullptr)
        return;
    const bool raster = command != PCommand::exportPdf && command != PCommand::exportSvg;
    const int dpi = options != nullptr ? options->exportDpi : 100;
    if (raster && (PRasterExport::pixelsFor(page->width, dpi) < PRasterExport::smallestSide ||
                   PRasterExport::pixelsFor(page->height, dpi) < PRasterExport::smallestSide))
    {
        // Say so rather than write nothing without a word.
        tell("Message.PageTooSmall");
        return;
    }
    using Chooser = PWindow::ChooserKind;
    const Chooser chooser = command == PCommand::exportPdf   ? Chooser::savePdf
                            : command == PCommand::exportSvg ? Chooser::saveSvg
                            : command == PCommand::exportJpg ? Chooser::saveJpg
                                                             : Chooser::savePng;
    const char* title = chooser == Chooser::savePdf   ? "FileChooser.ExportPDF"
                        : chooser == Chooser::saveSvg ? "FileChooser.ExportSVG"
                        : chooser == Chooser::saveJpg ? "FileChooser.ExportJPG"
                                                      : "FileChooser.ExportPNG";
    juce::String path;
    if (!askForFile(chooser, title, path))
        return;
    const juce::File file(path);
    if (command == PCommand::inkSeries || command == PCommand::colourSeries)
    {
        // A picture a layer: as many pictures as the page has layers, so it shows its progress.
        const uint32_t series = command == PCommand::inkSeries ? PViewState::blackFills : PViewState::whiteFills;
        report(runExport(title,
                         [&](const PExportProgress::Callback& progress)
                         {
                             int written = 0;
                             return PRasterExport::exportSeries(*comic, *page, file, dpi, series, written, options,
                                                                progress);
                         }));
        return;
    }
    juce::MouseCursor::showWaitCursor();
    const auto result =
        command == PCommand::exportPdf   ? PVectorExport::exportPdf(*comic, file, comic->pages.indexOf(page), options)
        : command == PCommand::exportSvg ? PVectorExport::exportSvg(*page, file, options)
                                         : PRasterExport::exportPage(*comic, *page, file, dpi, 0, 0, options);
    juce::MouseCursor::hideWaitCursor();
    report(result);
}

void PContent::showAbout()
{
    auto* app = juce::JUCEApplicationBase::getInstance();
    if (window != nullptr && app != nullptr && options != nullptr)
        PAbout::show(*options, app->getApplicationVersion());
}

void PContent::notify(PNotify code, PBase*)
{
    notifyTree(code);
}

void PContent::requestSave()
{
    if (world == nullptr)
        return;
    juce::MouseCursor::showWaitCursor();
    (void) save(); // a failure is told to the user by save itself, with its file and reason
    juce::MouseCursor::hideWaitCursor();
}

void PContent::requestUndo()
{
    if (world != nullptr)
        world->undo();
}

void PContent::requestRedo()
{
    if (world != nullptr)
        world->redo();
}

void PContent::requestHelp()
{
    if (world == nullptr || world->helpFlag)
        return;
    world->helpFlag = true;
    broadcast(PNotify::switchChanged);
}

void PContent::onNotify(PNotify code)
{
    // A hidden pane hears nothing, so the help pane is told here whether to show.
    placeHelp();
    if (world == nullptr)
        return;
    switch (code)
    {
    case PNotify::pagesShown:
    case PNotify::layersShown:
    case PNotify::clipsShown:
    case PNotify::decorShown: showSidePane(shownPaneMode(code)); return;
    case PNotify::lookChanged:
        updateTooltips();
        if (window != nullptr)
            window->layoutWindow(false);
        refreshLook();
        return;
    default: break;
    }
    // The open comic is the one the selection leads to; a deleted comic closes.
    if (code == PNotify::selection && comic != nullptr && !world->comics.contains(comic))
    {
        comic = nullptr;
        for (auto* pane : sidePanes)
            pane->setVisible(false);
        updateTitle();
    }
}

void PContent::placeHelp()
{
    helpPane->update();
    const int wanted = helpPane->isVisible() ? -1 - barRows - helpRows : -1 - barRows;
    if (canvas->h == wanted)
        return;
    canvas->h = wanted;
    canvas->layout();
}

void PContent::showSidePane(PPaneKind code)
{
    const int index = paneIndex(code);
    for (int i = 0; i < sidePaneCount; ++i)
        sidePanes[i]->setVisible(comic != nullptr && i == index);
    if (options != nullptr && options->sidePane != index)
    {
        // The panes' colours follow the side pane in use.
        options->sidePane = static_cast<int16_t>(index);
        refreshLook();
    }
    if (comic == nullptr)
        return;
    // A chain of the new kind starts where that pane was left: the remembered page and layer.
    if (world->context.mode != code)
        world->context.startChain(comic, code);
    const PEditMode mode = code == PPaneKind::decor ? PEditMode::point : PEditMode::shape;
    if (world->editMode != mode)
    {
        world->editMode = mode;
        broadcast(PNotify::modeChanged);
    }
    broadcast(PNotify::selection);
}

void PContent::stepPage(int step)
{
    auto* page = comic != nullptr ? static_cast<PPage*>(world->context.target(PClass::page)) : nullptr;
    const int index = page != nullptr ? comic->pages.indexOf(page) + step : -1;
    if (index < 0 || index >= comic->pages.size())
        return;
    world->context.setTarget(comic->pages.at(index), PClass::page);
    broadcast(PNotify::selection);
}
