#pragma once

#include <mutex>

/** Holds the program's one lock over glyph work (measuring text, taking glyph outlines) for as
    long as it lives. The library's typefaces load their glyphs lazily into unguarded lists and
    share one FreeType face between every font of a family, so two threads measuring or
    outlining text at once corrupt them; pages drawn in parallel take this lock around that work
    and nothing else. It may be taken again by the thread that holds it.

        const PGlyphLock lock;
        const float width = font.getStringWidthFloat(line);
*/
class PGlyphLock
{
public:
    PGlyphLock() : hold(mutex()) {}

private:
    static std::recursive_mutex& mutex()
    {
        static std::recursive_mutex glyphs;
        return glyphs;
    }

    std::scoped_lock<std::recursive_mutex> hold;
};
