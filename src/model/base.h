#pragma once

#include <cstdint>

#include "model/editmode.h"

class PStream;
class PArray;
struct PRect;

/** Flag bits shared across the document classes. Only the low 16 bits reach a file. */
namespace PFlag
{
constexpr uint32_t classBit0 = 0x1;
constexpr uint32_t hidden = 0x100;
constexpr uint32_t saved = 0xFFFF;
constexpr uint32_t current = 0x10000;
constexpr uint32_t selected = 0x20000;
constexpr uint32_t builtForOpenGL = 0x100000;
} // namespace PFlag

/** Class ids: the numbers that name each document class in a stream. */
namespace PClass
{
constexpr uint16_t base = 0, typeface = 1, project = 2, shade = 3, stream = 4, card = 14, clip = 15, comic = 16,
                   context = 17, curve = 18, dot = 19, group = 32, image = 33, layer = 35, page = 41, panel = 42,
                   point = 46, shape = 49, text = 50, option = 100, decor = 101, brush = 102;
} // namespace PClass

/** Root of every document object: a flags word and the virtual operations that containers,
    streams and back-ends dispatch through. */
class PBase
{
public:
    PBase() = default;
    PBase(const PBase&) = delete;
    PBase& operator=(const PBase&) = delete;
    virtual ~PBase() = default;

    virtual uint16_t classId() const { return PClass::base; }
    virtual PBase* clone() const { return nullptr; }
    virtual void copyFrom(const PBase* other);
    virtual void write(PStream& s) const;
    virtual void read(PStream& s);
    virtual void setFlag(uint32_t mask, bool on);
    virtual void clearMark();
    virtual void invalidate() {}
    virtual float sortValue() const { return 0.0f; }
    virtual void collectInside(const PRect& area, PArray& out);
    virtual void collectHits(float x, float y, float scale, PEditMode mode, PArray& out);
    virtual bool hitTest(float x, float y, float scale, PEditMode mode);
    virtual bool isInside(const PRect& area) const;

    bool hasFlag(uint32_t mask) const { return (flags & mask) != 0; }

    uint32_t flags = 0;
};

/** Allocates a fresh object of the same class and deep-copies this one into it. */
template <class T> T* cloneAs(const T& source)
{
    auto* copy = new T();
    copy->copyFrom(&source);
    return copy;
}
