#include "TextLines.h"

#include "BinaryFile.h"

#include <algorithm>
#include <string>
#include <vector>

namespace {

// The first CR, LF or NUL (a plain loop: find_first_of asks memchr per byte).
std::size_t LineEnd(std::string_view text)
{
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n' || text[i] == '\r' || text[i] == '\0')
            return i;
    }
    return std::string_view::npos;
}

}  // namespace

void ForEachLine(BinaryFile& file, std::uint64_t from, std::uint64_t end, const std::function<void(std::string_view)>& line)
{
    ForEachLineUntil(file, from, end, [&](std::string_view text) {
        line(text);
        return true;
    });
}

void ForEachLineUntil(BinaryFile& file, std::uint64_t from, std::uint64_t end,
                      const std::function<bool(std::string_view)>& line)
{
    end = std::min(end, file.Size());
    std::vector<char> chunk(1 << 16);
    std::string carried;  // the start of a line that runs on into the next chunk
    bool going = true;
    auto feed = [&](std::string_view text) {
        if (going && !text.empty())
            going = line(text.substr(0, kMaxTextLine));
    };
    for (std::uint64_t at = from; going && at < end && file.Seek(at);) {
        const std::size_t got = file.Read(chunk.data(), static_cast<std::size_t>(std::min<std::uint64_t>(chunk.size(), end - at)));
        if (got == 0)
            break;
        std::string_view rest(chunk.data(), got);
        for (std::size_t stop; going && (stop = LineEnd(rest)) != std::string_view::npos;) {
            if (carried.empty()) {
                feed(rest.substr(0, stop));
            } else {
                carried.append(rest.substr(0, std::min(stop, kMaxTextLine)));
                feed(carried);
                carried.clear();
            }
            rest.remove_prefix(stop + 1);
        }
        if (carried.size() < kMaxTextLine)
            carried.append(rest.substr(0, kMaxTextLine - carried.size()));
        at += got;
    }
    feed(carried);
}
