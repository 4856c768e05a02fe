#pragma once
// The lines of a stretch of a file, read in bounded chunks: the text side
// files and boxes of today's cameras, whatever their size.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string_view>

class BinaryFile;

// The longest line handed on: a longer one is cut there.
inline constexpr std::size_t kMaxTextLine = 4096;

// Calls `line` with each non-empty line of bytes [from, end) of `file`; a
// line ends at CR, LF or NUL.
void ForEachLine(BinaryFile& file, std::uint64_t from, std::uint64_t end, const std::function<void(std::string_view)>& line);
// The same until `line` returns false.
void ForEachLineUntil(BinaryFile& file, std::uint64_t from, std::uint64_t end,
                      const std::function<bool(std::string_view)>& line);
