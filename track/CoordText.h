#pragma once
// Decimal-degree texts as the recorders' software prints them: the same
// output as printf("%s%d.%0*d", sign, degrees, width, fraction), without the
// cost of printf on every second of a long track.

#include <charconv>
#include <cstdlib>
#include <string>

inline void AppendZeroPadded(std::string& out, long value, int width)
{
    char digits[24];
    const unsigned long magnitude = value < 0 ? 0ul - static_cast<unsigned long>(value) : static_cast<unsigned long>(value);
    const auto end = std::to_chars(digits, digits + sizeof digits, magnitude).ptr;
    const int length = static_cast<int>(end - digits) + (value < 0 ? 1 : 0);
    if (value < 0)
        out += '-';
    if (width > length)
        out.append(static_cast<std::size_t>(width - length), '0');
    out.append(digits, end);
}

inline std::string DegreesText(bool negative, int degrees, int fraction, int width)
{
    std::string out;
    if (negative)
        out += '-';
    AppendZeroPadded(out, degrees, 0);
    out += '.';
    AppendZeroPadded(out, fraction, width);
    return out;
}
