#include "draw/vectorout.h"

#include <cmath>
#include <cstdio>
#include <utility>

namespace
{
constexpr size_t bufferLimit = 1 << 16;
constexpr int maxDecimals = 9;
} // namespace

PVectorOut::PVectorOut(juce::OutputStream& target) : stream(target)
{
    buffer.reserve(bufferLimit + 256);
}

PVectorOut::~PVectorOut()
{
    flushBuffer();
}

PVectorOut& PVectorOut::text(std::string_view s)
{
    if (capturing)
    {
        captured.append(s);
        return *this;
    }
    buffer.append(s);
    written += static_cast<int64_t>(s.size());
    if (buffer.size() >= bufferLimit)
        flushBuffer();
    return *this;
}

PVectorOut& PVectorOut::number(double v, int decimals)
{
    return text(formatNumber(v, decimals));
}

PVectorOut& PVectorOut::integer(long long v)
{
    return text(std::to_string(v));
}

PVectorOut& PVectorOut::endLine()
{
    return text("\r\n");
}

void PVectorOut::startCapture()
{
    captured.clear();
    capturing = true;
}

std::string PVectorOut::takeCaptured()
{
    capturing = false;
    return std::exchange(captured, {});
}

bool PVectorOut::finish()
{
    // Flushing the stream itself is its owner's: a file flush also syncs it to disk.
    flushBuffer();
    return good;
}

void PVectorOut::flushBuffer()
{
    if (buffer.empty())
        return;
    if (!stream.write(buffer.data(), buffer.size()))
        good = false;
    buffer.clear();
}

std::string PVectorOut::formatNumber(double v, int decimals)
{
    // A damaged shape must not put "nan" or "inf" into a file that viewers then refuse: such a
    // coordinate lands on the page origin instead, as the curve builder does with its points.
    if (!std::isfinite(v))
        v = 0;
    char digits[400];
    const int n = std::snprintf(digits, sizeof digits, "%.*f", juce::jlimit(0, maxDecimals, decimals), v);
    std::string s(digits, static_cast<size_t>(juce::jlimit(0, static_cast<int>(sizeof digits) - 1, n)));
    // A host program may have switched the locale to one with a decimal comma.
    for (char& c : s)
        if (c == ',')
            c = '.';
    return s;
}

std::vector<PVectorOut::PathItem> PVectorOut::itemsOf(const juce::Path& path)
{
    std::vector<PathItem> items;
    juce::Path::Iterator it(path);
    float cx = 0, cy = 0, startX = 0, startY = 0;
    while (it.next())
    {
        PathItem item;
        switch (it.elementType)
        {
        case juce::Path::Iterator::startNewSubPath:
            item = {PathItem::move, {it.x1, it.y1}};
            startX = cx = it.x1, startY = cy = it.y1;
            break;
        case juce::Path::Iterator::lineTo:
            item = {PathItem::line, {it.x1, it.y1}};
            cx = it.x1, cy = it.y1;
            break;
        case juce::Path::Iterator::quadraticTo:
        {
            // The cubic with the same curve: control points two thirds of the way to the quadratic's.
            const float c1x = cx + 2.0f / 3.0f * (it.x1 - cx), c1y = cy + 2.0f / 3.0f * (it.y1 - cy);
            item = {PathItem::cubic, {c1x, c1y, c1x + (it.x2 - cx) / 3.0f, c1y + (it.y2 - cy) / 3.0f, it.x2, it.y2}};
            cx = it.x2, cy = it.y2;
            break;
        }
        case juce::Path::Iterator::cubicTo:
            item = {PathItem::cubic, {it.x1, it.y1, it.x2, it.y2, it.x3, it.y3}};
            cx = it.x3, cy = it.y3;
            break;
        case juce::Path::Iterator::closePath:
            item = {PathItem::close, {}};
            cx = startX, cy = startY;
            break;
        }
        items.push_back(item);
    }
    return items;
}
