#include "edit/world.h"

#include <algorithm>

#include "edit/action.h"
#include "edit/actionnew.h"
#include "model/option.h"
#include "model/page.h"
#include "model/safefile.h"

PWorld::~PWorld()
{
    // Actions own the objects they took out of the document; they go before the comics they refer to.
    clearHistory();
    clipboard.clear();
    context.clear();
    comics.deleteAll();
}

int PWorld::language() const
{
    return options != nullptr ? options->language : 1;
}

bool isListedForLanguage(const juce::String& stem, int language)
{
    static const char* const endings[] = {"_E", "_D", "_F", "_I"};
    for (int i = 0; i < 4; ++i)
        if (stem.endsWith(endings[i]))
            return language < 1 || language > 4 || language == i + 1;
    return true;
}

PLoadResult PWorld::loadAll()
{
    loadFailure = nullptr;
    failedLoad.reset();
    const juce::File folder(projectsFolder);
    if (projectsFolder.isEmpty() || !juce::File::isAbsolutePath(projectsFolder) || !folder.isDirectory())
        return PLoadResult::damaged;

    PSafeFile::removeLeftovers(folder, juce::String("*") + PSafeFile::temporaryEnding);
    auto result = PLoadResult::ok;
    for (const auto& entry : juce::RangedDirectoryIterator(folder, false, "*", juce::File::findFiles))
    {
        const auto file = entry.getFile();
        if (file.getFileExtension() != PProject::comicExtension ||
            !isListedForLanguage(file.getFileNameWithoutExtension(), language()))
            continue;
        auto comic = std::make_unique<PComic>();
        const auto loaded = comic->load(file.getFullPathName());
        if (loaded == PLoadResult::ok)
            comics.append(comic.release());
        else if (loadFailure == nullptr)
        {
            failedLoad = std::move(comic);
            loadFailure = failedLoad.get();
            result = loaded;
        }
    }
    return result;
}

PResult PWorld::saveAll()
{
    loadFailure = nullptr;
    auto result = PResult::success();
    for (int i = 0; i < comics.size(); ++i)
    {
        auto* comic = comicAt(i);
        if (!comic->modified)
            continue;
        auto saved = comic->save();
        if (saved.ok())
            continue;
        if (loadFailure != nullptr)
            continue;
        // The message names the first failure's file, so it tells that file's reason.
        loadFailure = comic;
        result = saved;
    }
    return result;
}

bool PWorld::anyModified() const
{
    for (int i = 0; i < comics.size(); ++i)
        if (comicAt(i)->modified)
            return true;
    return false;
}

void PWorld::adoptNewComic(PComic* comic)
{
    comic->makePathUnique(
        [this, comic](const juce::String& path)
        {
            for (int i = 0; i < comics.size(); ++i)
                if (comicAt(i) != comic && comicAt(i)->path == path)
                    return true;
            return false;
        });
    comics.append(comic);
}

void PWorld::record(std::unique_ptr<PAction> action)
{
    if (action == nullptr)
        return;
    PAction& kept = *action;
    undoList.append(action.release());
    redoList.deleteAll();
    kept.perform(false);
    autosave();
}

void PWorld::recordApplied(std::unique_ptr<PAction> action)
{
    if (action == nullptr)
        return;
    PAction& kept = *action;
    undoList.append(action.release());
    redoList.deleteAll();
    kept.performApplied();
    autosave();
}

void PWorld::autosave()
{
    const int every = options != nullptr ? options->autosaveEvery : 0;
    const int length = undoList.size();
    if (every > 1 && length > 1 && length % every == 0)
        (void) saveAll(); // a failed autosave is tried again at the next interval; saving by hand reports it
}

void PWorld::undo()
{
    auto* action = static_cast<PAction*>(undoList.at(undoList.size() - 1));
    if (action == nullptr)
        return;
    undoList.remove(action);
    redoList.append(action);
    action->undo();
}

void PWorld::redo()
{
    auto* action = static_cast<PAction*>(redoList.at(redoList.size() - 1));
    if (action == nullptr)
        return;
    redoList.remove(action);
    undoList.append(action);
    action->perform(true);
}

void PWorld::undoName(PName& out) const
{
    out.clear();
    if (auto* action = static_cast<PAction*>(undoList.at(undoList.size() - 1)))
        action->name(out);
}

void PWorld::redoName(PName& out) const
{
    out.clear();
    if (auto* action = static_cast<PAction*>(redoList.at(redoList.size() - 1)))
        action->name(out);
}

void PWorld::clearHistory()
{
    redoList.deleteAll();
    undoList.deleteAll();
}

void PWorld::forgetEntriesOn(const PBase* object)
{
    for (PArray* list : {&undoList, &redoList})
        for (int i = list->size() - 1; i >= 0; --i)
            if (auto* entry = list->get<PAction>(i); entry->changes(object))
            {
                list->remove(entry);
                delete entry;
            }
    if (context.target(PClass::shape) == object)
        context.setTarget(nullptr, PClass::shape);
}

PResult PWorld::saveAllAndClearHistory()
{
    auto result = saveAll();
    if (result.ok())
        clearHistory();
    return result;
}

void PWorld::recordNewPage(PComic& comic, PPage* page)
{
    if (page == nullptr)
        return;
    // The action acts on the comic of the live context, so the comic that asked becomes current.
    if (context.comic() != &comic)
        context.setTarget(&comic, PClass::comic);
    record(std::make_unique<PActionNew>(*this, comic.pages, std::unique_ptr<PBase>(page)));
}

bool PWorld::dropUnfitSelection()
{
    const uint16_t shapeClass = context.mode == PPaneKind::pages ? PClass::panel : PClass::shape;
    auto* shape = context.target(shapeClass);
    bool dropped = false;
    if (context.target(PClass::point) != nullptr && editMode != PEditMode::point)
    {
        context.setTarget(nullptr, PClass::point);
        dropped = true;
    }
    if (shape != nullptr)
    {
        // A line just drawn stays selected, so that the property pane shows it at once.
        const bool fits = editMode == PEditMode::attachment || editMode == PEditMode::shape ||
                          editMode == PEditMode::point || editMode == PEditMode::draw ||
                          (editMode == PEditMode::deform && shape->classId() == PClass::group);
        const bool notPanel =
            context.mode == PPaneKind::pages && editMode == PEditMode::point && shape->classId() != PClass::panel;
        const bool hiddenInShapeMode = editMode == PEditMode::shape && shape->hasFlag(PFlag::hidden);
        if (!fits || notPanel || hiddenInShapeMode)
        {
            context.setTarget(nullptr, shapeClass);
            dropped = true;
        }
    }
    if (dropped)
        broadcast(PNotify::selection);
    return dropped;
}

void PWorld::broadcast(PNotify code, PBase* source)
{
    if (notifier != nullptr)
        notifier->notify(code, source);
}

uint16_t PWorld::clipboardKind(uint16_t classId)
{
    switch (classId)
    {
    case PClass::group:
    case PClass::curve:
    case PClass::text:
    case PClass::image:
    case PClass::brush: return PClass::shape;
    default: return classId;
    }
}

PBase* PWorld::clipboardEntry(uint16_t classId) const
{
    const auto found = clipboard.find(clipboardKind(classId));
    return found != clipboard.end() ? found->second.get() : nullptr;
}

std::unique_ptr<PBase> PWorld::takeClipboard(uint16_t classId)
{
    const auto found = clipboard.find(clipboardKind(classId));
    return found != clipboard.end() ? std::move(found->second) : nullptr;
}

void PWorld::putClipboard(uint16_t classId, std::unique_ptr<PBase> object)
{
    if (object != nullptr)
        object->clearMark();
    clipboard[clipboardKind(classId)] = std::move(object);
}
