#include "Utf8Text.h"

namespace {

const char kReplacement[] = "\xEF\xBF\xBD";  // U+FFFD

// The length of the well-formed sequence at `at` and its code point, or 0.
std::size_t SequenceAt(std::string_view s, std::size_t at, char32_t& code)
{
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(s[i]); };
    const unsigned char lead = byte(at);
    std::size_t length = 0;
    char32_t least = 0;
    if (lead < 0x80) {
        code = lead;
        return 1;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2, code = lead & 0x1F, least = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3, code = lead & 0x0F, least = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4, code = lead & 0x07, least = 0x10000;
    } else {
        return 0;
    }
    if (at + length > s.size())
        return 0;
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(at + i) & 0xC0) != 0x80)
            return 0;
        code = (code << 6) | (byte(at + i) & 0x3F);
    }
    const bool surrogate = code >= 0xD800 && code <= 0xDFFF;
    return code < least || code > 0x10FFFF || surrogate ? 0 : length;
}

bool AllowedInXml(char32_t code)
{
    if (code < 0x20)
        return code == '\t' || code == '\n' || code == '\r';
    return code != 0xFFFE && code != 0xFFFF;
}

}  // namespace

std::string ValidUtf8(std::string_view bytes)
{
    std::string out;
    out.reserve(bytes.size());
    for (std::size_t at = 0; at < bytes.size();) {
        char32_t code = 0;
        const std::size_t length = SequenceAt(bytes, at, code);
        if (length == 0) {
            out += kReplacement;
            ++at;
            continue;
        }
        out.append(bytes.substr(at, length));
        at += length;
    }
    return out;
}

std::string XmlText(std::string_view bytes)
{
    const std::string text = ValidUtf8(bytes);
    std::string out;
    out.reserve(text.size());
    for (std::size_t at = 0; at < text.size();) {
        char32_t code = 0;
        const std::size_t length = SequenceAt(text, at, code);
        const std::string_view sequence = std::string_view(text).substr(at, length);
        at += length;
        switch (code) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        case '\'': out += "&apos;"; break;
        default: out += AllowedInXml(code) ? std::string(sequence) : std::string(kReplacement);
        }
    }
    return out;
}
