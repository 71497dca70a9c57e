#pragma once

#include <juce_graphics/juce_graphics.h>

#include <string>
#include <string_view>
#include <vector>

/** The byte sink of the PDF and SVG writers. It counts every byte itself, so that PDF offsets
    and stream lengths never depend on what a stream reports, and it remembers a failed write
    until finish() tells the caller. Line ends are always CR LF, whatever the system.

        PVectorOut out(stream);
        out.text("<path d=\"").text(" M ").number(x, 3).endLine();
        bool ok = out.finish();
*/
class PVectorOut
{
public:
    /** One element of a path, quadratic segments already raised to cubics. */
    struct PathItem
    {
        enum Kind
        {
            move,
            line,
            cubic,
            close
        };
        Kind kind = move;
        float p[6] = {};
    };

    explicit PVectorOut(juce::OutputStream& target);
    ~PVectorOut();
    PVectorOut(const PVectorOut&) = delete;
    PVectorOut& operator=(const PVectorOut&) = delete;

    PVectorOut& text(std::string_view s);
    PVectorOut& number(double v, int decimals);
    PVectorOut& integer(long long v);
    PVectorOut& endLine();
    /** Bytes handed to the sink so far. */
    int64_t position() const { return written; }
    /** Keeps what follows aside instead of passing it on, until takeCaptured(): a writer that
        compresses a stream must see all of it first. position() stands still meanwhile. */
    void startCapture();
    std::string takeCaptured();
    /** Passes on what is buffered; true when every byte reached the stream. */
    bool finish();
    bool ok() const { return good; }

    /** A number as printf's "%.Nf" prints it in the C locale; NaN and infinity print as 0. */
    static std::string formatNumber(double v, int decimals);
    static std::vector<PathItem> itemsOf(const juce::Path& path);

private:
    void flushBuffer();

    juce::OutputStream& stream;
    std::string buffer, captured;
    int64_t written = 0;
    bool good = true, capturing = false;
};
