#include "draw/ascii85.h"

namespace
{
constexpr int groupBytes = 4;
constexpr int groupCharacters = 5;
constexpr uint32_t base = 85;
constexpr char firstDigit = '!';
} // namespace

void PAscii85::add(uint8_t byte, std::string& out)
{
    word |= static_cast<uint32_t>(byte) << (8 * (groupBytes - 1 - count));
    if (++count < groupBytes)
        return;
    if (word == 0)
        out += 'z';
    else
        writeGroup(out, groupCharacters);
    reset();
}

void PAscii85::finish(std::string& out)
{
    // A partial group is never z: a reader would take it for four whole zero bytes.
    if (count > 0)
        writeGroup(out, count + 1);
    reset();
}

void PAscii85::reset()
{
    word = 0;
    count = 0;
}

void PAscii85::writeGroup(std::string& out, int characters)
{
    char digits[groupCharacters];
    uint32_t rest = word;
    for (int i = groupCharacters - 1; i >= 0; --i)
    {
        digits[i] = static_cast<char>(firstDigit + rest % base);
        rest /= base;
    }
    out.append(digits, static_cast<size_t>(characters));
}

std::string PAscii85::encode(const uint8_t* bytes, size_t n)
{
    PAscii85 encoder;
    std::string out;
    for (size_t i = 0; i < n; ++i)
        encoder.add(bytes[i], out);
    encoder.finish(out);
    return out;
}
