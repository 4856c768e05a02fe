#pragma once
// What a power loss leaves of a recording: cameras write the index (moov)
// when a file ends, so a recording cut off has its media data and no index,
// or an index cut short, or media data that claims more than the file holds.

#include <cstdint>
#include <optional>
#include <string>

class BinaryFile;

enum class Damage {
    None,           // whole, or not a QuickTime/MP4 file at all
    NoIndex,        // no moov
    IndexCutShort,  // moov begins but the file ends inside it
    MediaPastEnd,   // the index is whole but mdat runs past the file's end
};

// A few words for the user: "no index", "index cut short", ...
const char* DamageText(Damage damage);

// Where a recording's media data lies and what its top level says.
struct MediaExtent {
    bool isMovie = false;               // its first box is one a movie begins with
    std::optional<std::uint64_t> ftypStart, ftypSize;
    std::uint64_t mediaStart = 0;       // mdat's payload
    std::uint64_t mediaEnd = 0;         // mdat's end, at most the file's end
    bool hasMedia = false;
    bool mediaCut = false;              // mdat claims more than the file holds
    bool hasIndex = false;              // a whole moov
    bool indexCut = false;              // a moov cut off by the file's end
};

// The top level of the file, every size checked against the file's.
MediaExtent ReadMediaExtent(BinaryFile& file);
Damage DamageOf(const MediaExtent& extent);
Damage DamageOf(const std::string& path);
