#include "model/project.h"

#include "model/safefile.h"
#include "model/translate.h"

juce::File PProject::defaultUserFolder()
{
    return juce::File::getSpecialLocation(juce::File::userDocumentsDirectory).getChildFile("Plumet");
}

juce::File PProject::imagesFolderOf(const juce::File& userFolder)
{
    return userFolder.getChildFile("images");
}

namespace
{
bool isWriteProtected(const juce::File& file)
{
    // A copied sample is read-only on purpose; the user must learn that this is why.
    const auto folder = file.getParentDirectory();
    return (file.existsAsFile() && PSafeFile::isWriteProtected(file)) || PSafeFile::isWriteProtected(folder);
}
} // namespace

PProject::PProject()
{
    version = currentVersion;
}

PProject::PProject(const juce::String& folder, uint16_t fileClass)
{
    version = currentVersion;
    modified = true;
    path = juce::File::getCurrentWorkingDirectory()
               .getChildFile(folder)
               .getChildFile(fileNameFor(fileClass, juce::Time::getCurrentTime()))
               .getFullPathName();
    if (fileClass != PClass::option)
        makePathUnique();
}

juce::String PProject::fileNameFor(uint16_t fileClass, juce::Time when)
{
    if (fileClass == PClass::option)
        return optionsFileName;
    return juce::String::formatted("comics_%04d%02d%02d_%02d%02d%02d", when.getYear(), when.getMonth() + 1,
                                   when.getDayOfMonth(), when.getHours(), when.getMinutes(), when.getSeconds()) +
           comicExtension;
}

void PProject::makePathUnique(const std::function<bool(const juce::String&)>& taken)
{
    const juce::File original(path);
    auto isTaken = [&](const juce::File& f) { return f.exists() || (taken && taken(f.getFullPathName())); };
    juce::File candidate = original;
    for (int suffix = 2; isTaken(candidate); ++suffix)
        candidate = original.getSiblingFile(original.getFileNameWithoutExtension() + "_" + juce::String(suffix) +
                                            original.getFileExtension());
    path = candidate.getFullPathName();
}

void PProject::copyFrom(const PBase* other)
{
    PItem::copyFrom(other);
    copySettings(dynamic_cast<const PProject*>(other));
}

void PProject::copySettings(const PProject* other)
{
    if (other == nullptr)
        return;
    author = other->author;
    setting1 = other->setting1;
    setting2 = other->setting2;
    setting3 = other->setting3;
    setting4 = other->setting4;
}

void PProject::write(PStream& s) const
{
    PItem::write(s);
    s.writeName(author);
    s.writeInt32(setting1);
    s.writeInt16(setting2);
    s.writeInt16(setting3);
    s.writeInt16(setting4);
}

void PProject::read(PStream& s)
{
    PItem::read(s);
    s.readName(author);
    setting1 = s.readInt32();
    setting2 = s.readUInt16();
    setting3 = s.readUInt16();
    setting4 = s.readUInt16();
}

bool PProject::statusText(PName& out) const
{
    if (!hasFlag(PFlag::current))
        return PItem::statusText(out);
    out.assign(translate("Project.Open"));
    return true;
}

PLoadResult PProject::load(const juce::String& filePath)
{
    name.assign(filePath.fromLastOccurrenceOf(juce::File::getSeparatorString(), false, false));
    path = filePath;
    if (filePath.isEmpty())
        return PLoadResult::outOfMemory;
    return finishLoad(openForRead(filePath));
}

PLoadResult PProject::load(std::unique_ptr<juce::InputStream> compressed)
{
    return finishLoad(openForRead(std::move(compressed)));
}

PLoadResult PProject::finishLoad(PLoadResult opened)
{
    if (opened != PLoadResult::ok)
    {
        (void) close();
        return opened;
    }
    read(*this);
    // A read's failure is in `failed`; closing a read cannot lose anything.
    (void) close();
    if (failed)
        return PLoadResult::newerOrIncomplete;
    applySettings();
    modified = false;
    return PLoadResult::ok;
}

PResult PProject::save()
{
    const auto failure = PResult::failure("Message.SaveError");
    if (path.isEmpty())
        return failure;
    if (!openForWrite(path))
        return PResult::failure(isWriteProtected(juce::File(path)) ? "Message.SaveProtected" : "Message.SaveError");
    write(*this);
    if (!close())
        return failure;
    modified = false;
    return PResult::success();
}
