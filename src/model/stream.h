#pragma once

#include <juce_core/juce_core.h>

#include <functional>
#include <memory>
#include <vector>

#include "model/item.h"
#include "model/result.h"

class PArray;

/** The 16-bit tags that frame the object stream. */
namespace PStreamTag
{
constexpr int16_t object = 1101;
constexpr int16_t listBegin = 1102;
constexpr int16_t listEnd = 1103;
constexpr int16_t emptyText = 1104;
constexpr int16_t text = 1105;
} // namespace PStreamTag

/** An item saved as one file: a zlib stream of tagged, little-endian objects.

    A save is openForWrite, write(*this), close; a load is openForRead, read(*this),
    close, then a look at `failed`. Writing goes to a temporary file beside the target
    that replaces the old file only once everything reached the disk, so a failed save
    never costs the previous version.
*/
class PStream : public PItem
{
public:
    /** Objects nested deeper than this (groups in groups in lists) mark a file as damaged:
        far beyond what anyone draws, yet well within the stack. */
    static constexpr int maxObjectDepth = 256;
    static constexpr int16_t currentVersion = 1;
    static constexpr int16_t newestReadableVersion = 1000;

    PStream();
    ~PStream() override;

    uint16_t classId() const override { return PClass::stream; }

    [[nodiscard]] bool openForWrite(const juce::String& path);
    [[nodiscard]] PLoadResult openForRead(const juce::String& path);
    /** Reads from an already opened raw (compressed) stream: used for data that is not a file. */
    [[nodiscard]] PLoadResult openForRead(std::unique_ptr<juce::InputStream> compressed);
    /** Objects that a fingerprint takes by identity rather than by content. */
    using Opaque = std::function<bool(const PBase*)>;
    /** A hash of everything object would write, runtime flags included, without writing it:
        equal fingerprints mean the object draws the same. Objects that `opaque` accepts count
        only by their address, so that a container's own state can be told apart from its
        children's. */
    static uint64_t fingerprint(const PBase& object, const Opaque& opaque = {});
    /** Whether this stream only hashes what is written (see fingerprint). */
    bool isFingerprint() const { return hashing; }

    /** Ends the operation; for a write, answers whether the file was completely written and put in place. */
    [[nodiscard]] bool close();

    void writeInt16(int value);
    void writeInt32(int32_t value);
    void writeUInt32(uint32_t value) { writeInt32(static_cast<int32_t>(value)); }
    void writeFloat(float value);
    void writeBool(bool value);

    int16_t readInt16();
    uint16_t readUInt16() { return static_cast<uint16_t>(readInt16()); }
    int32_t readInt32();
    uint32_t readUInt32() { return static_cast<uint32_t>(readInt32()); }
    float readFloat();
    bool readBool();
    /** Whether a read stream holds data beyond what was read: fields added at the end of a
        record are read only when the file has them. */
    bool hasMore();

    void writeName(const PName& name);
    void readName(PName& name);

    void writeObject(const PBase* child);
    /** A new object of any class the reader creates, or null (a null child or a failure). */
    PBase* readObject();
    /** As readObject, but any class other than `expected` marks the stream failed. */
    PBase* readObject(uint16_t expected);

    /** Decides whether a list may hold a given element; a refused element fails the read. */
    using ElementCheck = bool (*)(const PBase*);
    void writeList(const PArray& list);
    void readList(PArray& list, ElementCheck accept = nullptr);
    /** Reads a list whose elements must all be of one class. */
    void readList(PArray& list, uint16_t elementClass);

    juce::OutputStream* output = nullptr;
    juce::InputStream* input = nullptr;
    int16_t version = currentVersion;
    bool failed = false;

private:
    struct WriteTarget;
    std::unique_ptr<WriteTarget> writing;
    std::unique_ptr<juce::InputStream> reading;
    /** Inflated bytes not yet read: fields are read from here, not one call into zlib each. */
    std::vector<uint8_t> readBuffer;
    size_t readPosition = 0;
    int depth = 0;
    bool hashing = false;
    uint64_t hash = 0;
    Opaque opaqueObjects;

    bool readBytes(void* dest, int size);
    bool refillAndRead(void* dest, int size);
    void writeBytes(const void* source, size_t size);
    PLoadResult readHeader();
    template <class Check> void readListChecked(PArray& list, const Check& accept);
    bool finishWrite();
    void abortWrite();
};

/** Creates a default object of a class that the stream reader knows, or null for any other id. */
PBase* createStreamObject(uint16_t classId);
