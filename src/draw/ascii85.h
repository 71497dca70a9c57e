#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

/** The base-85 encoder of the PDF writer's inline images: four bytes become five printable
    characters, four zero bytes the single character z, and a short last group keeps only as
    many characters as it needs. The end marker is the caller's.

        PAscii85 a85;
        for (uint8_t b : bytes) a85.add(b, out);
        a85.finish(out);
*/
class PAscii85
{
public:
    void add(uint8_t byte, std::string& out);
    /** Writes the partial last group, if any, and starts afresh. */
    void finish(std::string& out);
    void reset();

    static std::string encode(const uint8_t* bytes, size_t count);

private:
    void writeGroup(std::string& out, int characters);

    uint32_t word = 0;
    int count = 0;
};
