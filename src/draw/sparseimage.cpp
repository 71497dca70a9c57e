#include "draw/sparseimage.h"

#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <limits>

namespace
{
constexpr int bytesPerPixel = 3;

/** The pixels of a sparse image: one private anonymous mapping that the kernel fills with pages
    only when they are first written. */
class ReservedPixels : public juce::ImagePixelData
{
public:
    ReservedPixels(int w, int h, void* mapping, size_t mappedBytes, int stride)
        : juce::ImagePixelData(juce::Image::RGB, w, h), base(static_cast<uint8_t*>(mapping)), bytes(mappedBytes),
          lineStride(stride)
    {
    }

    ~ReservedPixels() override { munmap(base, bytes); }

    ReservedPixels(const ReservedPixels&) = delete;
    ReservedPixels& operator=(const ReservedPixels&) = delete;

    std::unique_ptr<juce::LowLevelGraphicsContext> createLowLevelContext() override
    {
        sendDataChangeMessage();
        return std::make_unique<juce::LowLevelGraphicsSoftwareRenderer>(juce::Image(juce::ImagePixelData::Ptr(this)));
    }

    void initialiseBitmapData(juce::Image::BitmapData& bitmap, int x, int y,
                              juce::Image::BitmapData::ReadWriteMode mode) override
    {
        const size_t offset = static_cast<size_t>(x) * bytesPerPixel + static_cast<size_t>(y) * lineStride;
        bitmap.data = base + offset;
        bitmap.size = static_cast<size_t>(height) * lineStride - offset;
        bitmap.pixelFormat = pixelFormat;
        bitmap.lineStride = lineStride;
        bitmap.pixelStride = bytesPerPixel;
        if (mode != juce::Image::BitmapData::readOnly)
            sendDataChangeMessage();
    }

    // A copy is an ordinary picture: whoever copies wants all of it at once.
    juce::ImagePixelData::Ptr clone() override
    {
        juce::Image copy(juce::Image::RGB, width, height, false, juce::SoftwareImageType());
        const juce::Image::BitmapData to(copy, juce::Image::BitmapData::writeOnly);
        for (int y = 0; y < height; ++y)
            std::memcpy(to.getLinePointer(y), base + static_cast<size_t>(y) * lineStride,
                        static_cast<size_t>(width) * bytesPerPixel);
        return juce::ImagePixelData::Ptr(copy.getPixelData());
    }

    std::unique_ptr<juce::ImageType> createType() const override { return std::make_unique<juce::SoftwareImageType>(); }

    void release(int firstRow, int rowCount)
    {
        firstRow = std::clamp(firstRow, 0, height);
        const int endRow = std::clamp(firstRow + std::max(rowCount, 0), firstRow, height);
        // Only whole system pages inside the rows go back; the rows sharing a page with the
        // next strip stay, since that strip is about to draw into them.
        const auto page = static_cast<size_t>(sysconf(_SC_PAGESIZE));
        const size_t from = (static_cast<size_t>(firstRow) * lineStride + page - 1) / page * page;
        const size_t to = static_cast<size_t>(endRow) * lineStride / page * page;
        if (to > from)
            madvise(base + from, to - from, MADV_DONTNEED);
    }

private:
    uint8_t* base;
    size_t bytes;
    int lineStride;
};
} // namespace

juce::Image PSparseImage::create(int width, int height)
{
    if (width < 1 || height < 1 || width > std::numeric_limits<int>::max() / bytesPerPixel - 3)
        return {};
    // Rows start on four bytes, as the library's own pictures do.
    const int stride = (width * bytesPerPixel + 3) & ~3;
    const size_t bytes = static_cast<size_t>(stride) * static_cast<size_t>(height);
    // No swap is reserved for the mapping: the pages a strip touches are the only ones ever used.
    void* mapping = mmap(nullptr, bytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS | MAP_NORESERVE, -1, 0);
    if (mapping == MAP_FAILED)
        return {};
    return juce::Image(juce::ImagePixelData::Ptr(new ReservedPixels(width, height, mapping, bytes, stride)));
}

void PSparseImage::release(const juce::Image& image, int firstRow, int rowCount)
{
    if (auto* pixels = dynamic_cast<ReservedPixels*>(image.getPixelData()))
        pixels->release(firstRow, rowCount);
}

bool PSparseImage::isSparse(const juce::Image& image)
{
    return dynamic_cast<const ReservedPixels*>(image.getPixelData()) != nullptr;
}
