#include "app/startup.h"

#include "edit/world.h"
#include "model/comic.h"
#include "model/option.h"
#include "model/translate.h"

namespace
{
constexpr int englishAnswer = 1, germanAnswer = 2;
constexpr int english = 1, german = 2, french = 3;
} // namespace

PStartup::PStartup(const juce::File& program, const juce::File& user) : programFolder(program), userFolder(user) {}

juce::File PStartup::defaultProgramFolder()
{
    return programFolderFor(juce::File::getSpecialLocation(juce::File::currentExecutableFile).getParentDirectory());
}

juce::File PStartup::programFolderFor(const juce::File& executableFolder)
{
    if (!executableFolder.findChildFiles(juce::File::findFiles, false, "comics_locale_*.lng").isEmpty())
        return executableFolder;
    const auto installed = executableFolder.getSiblingFile("share").getChildFile("plumet-comics");
    return installed.isDirectory() ? installed : executableFolder;
}

juce::File PStartup::defaultUserFolder()
{
    return PProject::defaultUserFolder();
}

int PStartup::languageFromAnswer(int answer)
{
    if (answer == englishAnswer)
        return english;
    return answer == germanAnswer ? german : french;
}

juce::File PStartup::imagesFolder() const
{
    return PProject::imagesFolderOf(userFolder);
}

juce::File PStartup::optionsFile() const
{
    return userFolder.getChildFile(PProject::optionsFileName);
}

juce::File PStartup::languageFile(int language) const
{
    return programFolder.getChildFile("comics_locale" + languageSuffix(language) + ".lng");
}

juce::File PStartup::iconFile() const
{
    return programFolder.getChildFile("plumet_icon.jpg");
}

bool PStartup::prepareFolders() const
{
    if (!userFolder.isDirectory() && !userFolder.createDirectory().wasOk())
        return false;
    if (!imagesFolder().isDirectory())
        imagesFolder().createDirectory();
    return userFolder.isDirectory();
}

std::unique_ptr<POption> PStartup::loadOptions(const std::function<int()>& askLanguage) const
{
    const auto folder = userFolder.getFullPathName();
    const auto file = optionsFile();
    if (file.existsAsFile())
    {
        auto loaded = std::make_unique<POption>(folder);
        if (loaded->load(file.getFullPathName()) == PLoadResult::ok)
            return loaded;
    }
    auto fresh = std::make_unique<POption>(folder);
    if (!file.existsAsFile() && askLanguage)
        fresh->language = static_cast<int16_t>(askLanguage());
    // A failed write only means that the next start asks again.
    (void) fresh->save();
    return fresh;
}

int PStartup::copySamples() const
{
    int copied = 0;
    for (const auto& entry : juce::RangedDirectoryIterator(programFolder, false, "*", juce::File::findFiles))
    {
        const auto sample = entry.getFile();
        if (sample.getFileExtension() != PProject::comicExtension)
            continue;
        const auto copy = userFolder.getChildFile(sample.getFileName());
        if (!copy.exists() && sample.copyFileTo(copy))
            ++copied;
        if (copy.existsAsFile())
            copy.setReadOnly(true);
    }
    // The samples show pictures that they look up by name in the images folder.
    for (const auto& entry :
         juce::RangedDirectoryIterator(programFolder.getChildFile("images"), false, "*", juce::File::findFiles))
        if (const auto picture = imagesFolder().getChildFile(entry.getFile().getFileName()); !picture.exists())
            (void) entry.getFile().copyFileTo(picture);
    return copied;
}

PStartup::WorldLoad PStartup::loadWorld(PWorld& world)
{
    const auto result = world.loadAll();
    if (result == PLoadResult::ok)
        return WorldLoad::ok;
    // A cut or damaged comic reads as "incomplete" too; only a file that says it is newer
    // stops the start, so that one broken file cannot lock the user out of all the others.
    if (result == PLoadResult::newerOrIncomplete && world.loadFailure != nullptr &&
        world.loadFailure->version > PStream::currentVersion)
        return WorldLoad::newer;
    return WorldLoad::damaged;
}

juce::String PStartup::failedComicName(const PWorld& world)
{
    if (world.loadFailure == nullptr)
        return {};
    if (!world.loadFailure->name.isEmpty())
        return world.loadFailure->name.toString();
    return juce::File(world.loadFailure->path).getFileName();
}

PComic* PStartup::openNamedComic(PWorld& world, const juce::File& file, PLoadResult& result)
{
    result = PLoadResult::ok;
    for (int i = 0; i < world.comics.size(); ++i)
        if (juce::File(world.comicAt(i)->path) == file)
            return world.comicAt(i);
    auto comic = std::make_unique<PComic>();
    result = file.existsAsFile() ? comic->load(file.getFullPathName()) : PLoadResult::damaged;
    if (result != PLoadResult::ok)
        return nullptr;
    comic->path = file.getFullPathName();
    world.comics.append(comic.get());
    return comic.release();
}

std::pair<const char*, const char*> PStartup::loadMessageKeys(PLoadResult result)
{
    switch (result)
    {
    case PLoadResult::outOfMemory: return {"Message.Error", "Message.MemError"};
    case PLoadResult::newerOrIncomplete: return {"Message.Version", "Message.VersionError"};
    default: return {"Message.Format", "Message.PackError"};
    }
}
