#pragma once

#include <juce_core/juce_core.h>

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "model/comic.h"

/** A fresh folder under the system's temporary folder, removed with everything in it. The
    name is unique, because test programs run side by side would otherwise pick the same one. */
class TempFolder
{
public:
    TempFolder()
        : folder(juce::File::getSpecialLocation(juce::File::tempDirectory)
                     .getChildFile("plumet-test-" + juce::Uuid().toString()))
    {
        folder.createDirectory();
    }
    ~TempFolder()
    {
        folder.setReadOnly(false, true);
        folder.deleteRecursively();
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    juce::File file(const juce::String& name) const { return folder.getChildFile(name); }
    juce::String path(const juce::String& name) const { return file(name).getFullPathName(); }
    juce::StringArray fileNames() const
    {
        juce::StringArray names;
        for (const auto& f : folder.findChildFiles(juce::File::findFilesAndDirectories, false))
            names.add(f.getFileName());
        names.sort(false);
        return names;
    }

    juce::File folder;
};

/** Builds the uncompressed bytes of a stream by hand, little-endian like the files. The tags are
    written as numbers, so that a changed constant in the program shows as a changed format. */
class StreamBytes
{
public:
    StreamBytes& i16(int v) { return le(static_cast<uint32_t>(v), 2); }
    StreamBytes& i32(int64_t v) { return le(static_cast<uint32_t>(v), 4); }
    StreamBytes& f32(float v)
    {
        uint32_t bits;
        std::memcpy(&bits, &v, sizeof bits);
        return le(bits, 4);
    }
    StreamBytes& byte(int v) { return le(static_cast<uint32_t>(v), 1); }
    StreamBytes& emptyText() { return i16(1104); }
    /** A non-empty text: tag, length in UTF-16 units, the units. */
    StreamBytes& text(const std::u16string& s)
    {
        i16(1105).i16(static_cast<int>(s.size()));
        for (char16_t u : s)
            i16(u);
        return *this;
    }
    StreamBytes& listBegin(int64_t count) { return i16(1102).i32(count); }
    StreamBytes& listEnd() { return i16(1103); }
    StreamBytes& object(int classId) { return i16(1101).i16(classId); }
    StreamBytes& emptyList() { return listBegin(0).listEnd(); }
    /** PItem fields after the flags: name, tag, index. */
    StreamBytes& item(const std::u16string& name, int tag, int index)
    {
        return (name.empty() ? emptyText() : text(name)).i16(tag).i32(index);
    }
    /** A comic file up to its lists: title "T", a custom 10 x 10 cm format, and the author,
        which the file holds twice (the second copy is the one read). */
    StreamBytes& comicStart(const std::u16string& author = u"", const std::u16string& secondAuthor = u"")
    {
        i16(PClass::comic).i16(1).i32(0).item(u"T", 0, 0);
        (author.empty() ? emptyText() : text(author)).i32(0).i16(0).i16(0).i16(0);
        i16(PPageFormat::customCm).f32(10).f32(10).f32(1);
        return (secondAuthor.empty() ? emptyText() : text(secondAuthor)).i16(50).i16(50);
    }

    juce::MemoryBlock block() const { return juce::MemoryBlock(bytes.data(), bytes.size()); }
    size_t size() const { return bytes.size(); }

private:
    StreamBytes& le(uint32_t v, int count)
    {
        for (int i = 0; i < count; ++i)
            bytes.push_back(static_cast<uint8_t>(v >> (8 * i)));
        return *this;
    }
    std::vector<uint8_t> bytes;
};

/** Data compressed the way project files are stored, ready to be loaded from memory. */
inline std::unique_ptr<juce::InputStream> zlibStream(const juce::MemoryBlock& data)
{
    juce::MemoryOutputStream packed;
    {
        juce::GZIPCompressorOutputStream zip(packed);
        if (data.getSize() > 0) // an empty block has no data pointer, which the library refuses
            zip.write(data.getData(), data.getSize());
    }
    return std::make_unique<juce::MemoryInputStream>(packed.getMemoryBlock(), true);
}

/** Writes data to file as one zlib stream, the way project files are stored. */
inline bool writeZlib(const juce::File& file, const juce::MemoryBlock& data)
{
    juce::MemoryBlock packed;
    zlibStream(data)->readIntoMemoryBlock(packed);
    return file.replaceWithData(packed.getData(), packed.getSize());
}

/** The decompressed content of a zlib file. */
inline juce::MemoryBlock inflateFile(const juce::File& file)
{
    juce::MemoryOutputStream out;
    juce::GZIPDecompressorInputStream zip(new juce::FileInputStream(file), true,
                                          juce::GZIPDecompressorInputStream::zlibFormat);
    out.writeFromInputStream(zip, -1);
    return out.getMemoryBlock();
}

/** Bytes as a vector, so that a failed comparison prints the differing positions. */
inline std::vector<uint8_t> bytesOf(const juce::MemoryBlock& block)
{
    auto* p = static_cast<const uint8_t*>(block.getData());
    return std::vector<uint8_t>(p, p + block.getSize());
}

/** The uncompressed stream that a save of project writes, taken through a temporary file so
    that its path and modified mark stay as they were; empty when the save fails. */
inline std::vector<uint8_t> savedBytes(PProject& project)
{
    TempFolder tmp;
    const auto keepPath = project.path;
    const bool keepModified = project.modified;
    project.path = tmp.path("saved");
    const bool saved = project.save().ok();
    project.path = keepPath;
    project.modified = keepModified;
    return saved ? bytesOf(inflateFile(tmp.file("saved"))) : std::vector<uint8_t>{};
}

/** Saves original and loads what it wrote into loaded, a fresh project: the load's answer. A
    failed save fails the calling test. */
inline PLoadResult reload(PProject& original, PProject& loaded)
{
    const auto bytes = savedBytes(original);
    EXPECT_FALSE(bytes.empty()) << "the save failed";
    return loaded.load(zlibStream(juce::MemoryBlock(bytes.data(), bytes.size())));
}

/** Opens in on hand-written bytes, a stream header and then one object, and reads that object
    into `into` as its owner's list would; in stays open for what follows. Answers whether the
    read failed. */
inline bool readOne(PStream& in, const StreamBytes& bytes, PBase& into)
{
    EXPECT_EQ(in.openForRead(zlibStream(bytes.block())), PLoadResult::ok);
    in.readInt16(); // the object tag
    in.readInt16(); // the class id
    into.read(in);
    return in.failed;
}
