#pragma once

#include <juce_core/juce_core.h>

#include <cstring>
#include <string>
#include <vector>

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

/** Builds the uncompressed bytes of a stream by hand, little-endian like the files. */
class StreamBytes
{
public:
    StreamBytes& i16(int v) { return le((uint32_t) v, 2); }
    StreamBytes& i32(int64_t v) { return le((uint32_t) v, 4); }
    StreamBytes& f32(float v)
    {
        uint32_t bits;
        std::memcpy(&bits, &v, sizeof bits);
        return le(bits, 4);
    }
    StreamBytes& byte(int v) { return le((uint32_t) v, 1); }
    StreamBytes& emptyText() { return i16(1104); }
    /** A non-empty text: tag, length in UTF-16 units, the units. */
    StreamBytes& text(const std::u16string& s)
    {
        i16(1105).i16((int) s.size());
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

    juce::MemoryBlock block() const { return juce::MemoryBlock(bytes.data(), bytes.size()); }
    size_t size() const { return bytes.size(); }

private:
    StreamBytes& le(uint32_t v, int count)
    {
        for (int i = 0; i < count; ++i)
            bytes.push_back((uint8_t) (v >> (8 * i)));
        return *this;
    }
    std::vector<uint8_t> bytes;
};

/** Writes data to file as one zlib stream, the way project files are stored. */
inline bool writeZlib(const juce::File& file, const juce::MemoryBlock& data)
{
    file.deleteFile();
    juce::FileOutputStream raw(file);
    if (!raw.openedOk())
        return false;
    {
        juce::GZIPCompressorOutputStream zip(raw);
        if (data.getSize() > 0 && !zip.write(data.getData(), data.getSize()))
            return false;
    }
    return raw.getStatus().wasOk();
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
