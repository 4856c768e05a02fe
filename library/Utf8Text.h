#pragma once
// File names are bytes; what the exports write is UTF-8 text. A name in
// another encoding (Latin-1 from an old card, a broken copy) is written with
// its invalid bytes replaced, never as invalid text that stops a reader.

#include <string>
#include <string_view>

// `bytes` with every byte that is not part of a well-formed UTF-8 sequence
// (overlong forms, surrogates and code points past U+10FFFF included)
// replaced by U+FFFD.
std::string ValidUtf8(std::string_view bytes);

// Valid UTF-8 escaped for XML 1.0 text and attribute values: the characters
// XML 1.0 does not allow at all (most C0 controls, U+FFFE, U+FFFF) replaced
// by U+FFFD.
std::string XmlText(std::string_view bytes);
