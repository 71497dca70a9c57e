#include "model/stream.h"

#include <cstring>

#include "model/array.h"
#include "model/safefile.h"

/** Everything a save holds open: the safe file and the compressor on top. */
struct PStream::WriteTarget
{
    explicit WriteTarget(const juce::File& target) : file(target) {}

    PSafeFile file;
    std::unique_ptr<juce::GZIPCompressorOutputStream> compressor;
    /** Small values gather here: the compressor costs a call into zlib per write. */
    std::vector<uint8_t> pending;
    bool ok = true;

    void flushPending()
    {
        if (!pending.empty() && !compressor->write(pending.data(), pending.size()))
            ok = false;
        pending.clear();
    }
};

namespace
{
constexpr int defaultCompression = -1;
/** Reads and writes go through buffers this large, so that a file of many small fields costs
    little more than inflating or deflating it. */
constexpr size_t bufferSize = 65536;

/** Paths given relative to the working folder are taken from there, as a shell user expects. */
juce::File fileFor(const juce::String& path)
{
    return juce::File::getCurrentWorkingDirectory().getChildFile(path);
}
} // namespace

PStream::PStream() = default;

PStream::~PStream()
{
    reading.reset();
    input = nullptr;
    abortWrite();
}

bool PStream::openForWrite(const juce::String& path)
{
    (void) close(); // a new operation ends whatever was left open
    version = currentVersion;
    failed = false;
    if (path.isEmpty())
        return false;

    auto target = std::make_unique<WriteTarget>(fileFor(path));
    if (!target->file.open())
        return false;
    target->compressor = std::make_unique<juce::GZIPCompressorOutputStream>(target->file.stream(), defaultCompression);
    target->pending.reserve(bufferSize);
    writing = std::move(target);
    output = writing->compressor.get();

    writeInt16(classId());
    writeInt16(version);
    return true;
}

bool PStream::finishWrite()
{
    writing->flushPending();
    // The compressor writes its final block when it goes; the safe file sees those writes too.
    writing->compressor.reset();
    if (!writing->ok)
    {
        writing->file.abort();
        return false;
    }
    return writing->file.commit();
}

void PStream::abortWrite()
{
    output = nullptr;
    if (writing == nullptr)
        return;
    writing->compressor.reset();
    writing->file.abort();
    writing.reset();
}

PLoadResult PStream::openForRead(const juce::String& path)
{
    (void) close();
    version = -1;
    failed = false;
    if (path.isEmpty())
        return PLoadResult::damaged;
    auto file = std::make_unique<juce::FileInputStream>(fileFor(path));
    if (!file->openedOk())
        return PLoadResult::damaged;
    return openForRead(std::move(file));
}

PLoadResult PStream::openForRead(std::unique_ptr<juce::InputStream> compressed)
{
    (void) close();
    version = -1;
    failed = false;
    if (compressed == nullptr)
        return PLoadResult::damaged;
    reading = std::make_unique<juce::GZIPDecompressorInputStream>(compressed.release(), true,
                                                                  juce::GZIPDecompressorInputStream::zlibFormat);
    readBuffer.clear();
    readPosition = 0;
    input = reading.get();
    return readHeader();
}

PLoadResult PStream::readHeader()
{
    const uint16_t fileClass = readUInt16();
    version = readInt16();
    if (failed || fileClass != classId())
        return PLoadResult::damaged;
    if (version >= 0 && version <= currentVersion)
        return PLoadResult::ok;
    if (version > currentVersion && version <= newestReadableVersion)
        return PLoadResult::newerOrIncomplete;
    return PLoadResult::damaged;
}

bool PStream::close()
{
    reading.reset();
    readBuffer = {};
    readPosition = 0;
    input = nullptr;
    depth = 0;
    if (writing == nullptr)
        return true;

    output = nullptr;
    const bool placed = finishWrite();
    writing.reset();
    return placed;
}

void PStream::writeBytes(const void* source, size_t size)
{
    if (hashing)
    {
        // FNV-1a: a fingerprint runs on every edit, so it must be cheap, not secure.
        const auto* bytes = static_cast<const uint8_t*>(source);
        for (size_t i = 0; i < size; ++i)
            hash = (hash ^ bytes[i]) * 0x100000001b3ull;
        return;
    }
    if (output == nullptr || writing == nullptr)
        return;
    auto& pending = writing->pending;
    const auto* bytes = static_cast<const uint8_t*>(source);
    pending.insert(pending.end(), bytes, bytes + size);
    if (pending.size() >= bufferSize)
        writing->flushPending();
}

bool PStream::readBytes(void* dest, int size)
{
    if (input != nullptr && size >= 0 && readPosition + static_cast<size_t>(size) <= readBuffer.size())
    {
        std::memcpy(dest, readBuffer.data() + readPosition, static_cast<size_t>(size));
        readPosition += static_cast<size_t>(size);
        return true;
    }
    return refillAndRead(dest, size);
}

bool PStream::hasMore()
{
    if (input == nullptr)
        return false;
    if (readPosition < readBuffer.size())
        return true;
    readBuffer.resize(bufferSize);
    readPosition = 0;
    const int got = input->read(readBuffer.data(), static_cast<int>(bufferSize));
    readBuffer.resize(static_cast<size_t>(std::max(got, 0)));
    return !readBuffer.empty();
}

bool PStream::refillAndRead(void* dest, int size)
{
    if (input != nullptr && size >= 0)
    {
        readBuffer.erase(readBuffer.begin(), readBuffer.begin() + static_cast<std::ptrdiff_t>(readPosition));
        readPosition = 0;
        const size_t kept = readBuffer.size();
        readBuffer.resize(kept + bufferSize);
        const int got = input->read(readBuffer.data() + kept, static_cast<int>(bufferSize));
        readBuffer.resize(kept + static_cast<size_t>(std::max(got, 0)));
        if (static_cast<size_t>(size) <= readBuffer.size())
            return readBytes(dest, size);
    }
    // Data that ends early reads as zeros, and the file counts as incomplete.
    std::memset(dest, 0, static_cast<size_t>(std::max(size, 0)));
    failed = true;
    return false;
}

void PStream::writeInt16(int value)
{
    const auto v = juce::ByteOrder::swapIfBigEndian(static_cast<uint16_t>(value));
    writeBytes(&v, sizeof v);
}

void PStream::writeInt32(int32_t value)
{
    const auto v = juce::ByteOrder::swapIfBigEndian(static_cast<uint32_t>(value));
    writeBytes(&v, sizeof v);
}

void PStream::writeFloat(float value)
{
    uint32_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    writeInt32(static_cast<int32_t>(bits));
}

void PStream::writeBool(bool value)
{
    const uint8_t byte = value ? 1 : 0;
    writeBytes(&byte, 1);
}

int16_t PStream::readInt16()
{
    uint16_t v;
    readBytes(&v, sizeof v);
    return static_cast<int16_t>(juce::ByteOrder::swapIfBigEndian(v));
}

int32_t PStream::readInt32()
{
    uint32_t v;
    readBytes(&v, sizeof v);
    return static_cast<int32_t>(juce::ByteOrder::swapIfBigEndian(v));
}

float PStream::readFloat()
{
    const auto bits = static_cast<uint32_t>(readInt32());
    float value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

bool PStream::readBool()
{
    uint8_t byte;
    readBytes(&byte, 1);
    return byte != 0;
}

void PStream::writeName(const PName& value)
{
    const int n = value.length();
    if (n == 0)
    {
        writeInt16(PStreamTag::emptyText);
        return;
    }
    writeInt16(PStreamTag::text);
    writeInt16(n);
    for (int i = 0; i < n; ++i)
        writeInt16(value.units()[i]);
}

void PStream::readName(PName& value)
{
    value.clear();
    if (failed)
        return;
    const int16_t marker = readInt16();
    if (marker == PStreamTag::emptyText)
        return;
    const int16_t length = marker == PStreamTag::text ? readInt16() : 0;
    if (length < 1 || length > PName::maxLength)
    {
        failed = true;
        return;
    }
    char16_t units[PName::maxLength];
    for (int i = 0; i < length; ++i)
        units[i] = static_cast<char16_t>(readUInt16());
    if (!failed)
        value.assign(units, length);
}

uint64_t PStream::fingerprint(const PBase& object, const Opaque& opaque)
{
    PStream s;
    s.hashing = true;
    s.hash = 0xcbf29ce484222325ull;
    s.opaqueObjects = opaque;
    object.write(s);
    return s.hash;
}

void PStream::writeObject(const PBase* child)
{
    if (hashing && child != nullptr && opaqueObjects && opaqueObjects(child))
    {
        const auto address = reinterpret_cast<uintptr_t>(child);
        writeBytes(&address, sizeof address);
        return;
    }
    if (child != nullptr)
    {
        child->write(*this);
        return;
    }
    writeInt16(PStreamTag::object);
    writeInt16(PClass::base);
}

PBase* PStream::readObject()
{
    if (failed)
        return nullptr;
    if (readInt16() != PStreamTag::object)
    {
        failed = true;
        return nullptr;
    }
    const uint16_t id = readUInt16();
    if (id == PClass::base || failed)
        return nullptr;
    PBase* object = createStreamObject(id);
    // Without a length field an unknown object cannot be skipped: the rest is unreadable.
    if (object == nullptr || depth >= maxObjectDepth)
    {
        delete object;
        failed = true;
        return nullptr;
    }
    ++depth;
    object->read(*this);
    --depth;
    return object;
}

PBase* PStream::readObject(uint16_t expected)
{
    PBase* object = readObject();
    if (object != nullptr && object->classId() != expected)
    {
        delete object;
        failed = true;
        return nullptr;
    }
    return object;
}

void PStream::writeList(const PArray& list)
{
    writeInt16(PStreamTag::listBegin);
    writeInt32(list.size());
    for (PBase* element : list)
        writeObject(element);
    writeInt16(PStreamTag::listEnd);
}

void PStream::readList(PArray& list, uint16_t elementClass)
{
    readListChecked(list, [elementClass](const PBase* element) { return element->classId() == elementClass; });
}

void PStream::readList(PArray& list, ElementCheck accept)
{
    readListChecked(list, [accept](const PBase* element) { return accept == nullptr || accept(element); });
}

template <class Check> void PStream::readListChecked(PArray& list, const Check& accept)
{
    list.deleteAll();
    if (failed)
        return;
    const int16_t marker = readInt16();
    const int32_t count = readInt32();
    if (marker != PStreamTag::listBegin || count < 0)
    {
        failed = true;
        return;
    }
    // The count is not trusted for an allocation: the list grows as real elements arrive.
    for (int32_t i = 0; i < count && !failed; ++i)
    {
        PBase* element = readObject();
        if (element == nullptr)
            continue;
        if (!accept(element))
        {
            delete element;
            failed = true;
            break;
        }
        list.append(element);
    }
    if (!failed && readInt16() != PStreamTag::listEnd)
        failed = true;
}
