#include "edit/world.h"

#include "model/option.h"

PWorld::~PWorld()
{
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

int PWorld::loadAll()
{
    loadFailure = nullptr;
    failedLoad.reset();
    const juce::File folder(projectsFolder);
    if (projectsFolder.isEmpty() || ! juce::File::isAbsolutePath(projectsFolder) || ! folder.isDirectory())
        return PLoadResult::damaged;

    int result = PLoadResult::ok;
    for (const auto& entry : juce::RangedDirectoryIterator(folder, false, "*", juce::File::findFiles))
    {
        const auto file = entry.getFile();
        if (file.getFileExtension() != PProject::comicExtension
            || ! isListedForLanguage(file.getFileNameWithoutExtension(), language()))
            continue;
        auto comic = std::make_unique<PComic>();
        const int loaded = comic->load(file.getFullPathName());
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

bool PWorld::saveAll()
{
    loadFailure = nullptr;
    bool allSaved = true;
    for (int i = 0; i < comics.size(); ++i)
    {
        auto* comic = comicAt(i);
        if (! comic->modified || comic->save())
            continue;
        if (loadFailure == nullptr)
            loadFailure = comic;
        allSaved = false;
    }
    return allSaved;
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
    comic->makePathUnique([this, comic](const juce::String& path) {
        for (int i = 0; i < comics.size(); ++i)
            if (comicAt(i) != comic && comicAt(i)->path == path)
                return true;
        return false;
    });
    comics.append(comic);
}
