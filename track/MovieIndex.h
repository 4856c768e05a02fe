#pragma once
// A bounded look into an MP4/QuickTime file for the readers of today's
// cameras: the top-level boxes, the movie's length, and each track's handler,
// sample format and samples. Every count a box claims is checked against the
// bytes it has, so a hostile file costs no more than its size.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

class BinaryFile;

struct BoxSpan {
    std::uint64_t start = 0;   // of the header
    std::uint64_t header = 8;  // 8, or 16 with a 64-bit size
    std::uint64_t size = 0;    // the whole box
    char type[5] = {};
    bool cut = false;          // its claimed size ran past the end: `size` is what is there

    std::uint64_t PayloadStart() const { return start + header; }
    std::uint64_t PayloadSize() const { return size - header; }
    std::uint64_t End() const { return start + size; }
    bool Is(const char* fourcc) const;
};

// The boxes between `from` and `end`, in order, at most `maxCount`. A size of 0
// runs to `end`; a size below the header or past `end` ends the list.
std::vector<BoxSpan> ReadBoxes(BinaryFile& file, std::uint64_t from, std::uint64_t end, std::size_t maxCount = 1024);
std::optional<BoxSpan> FindBox(const std::vector<BoxSpan>& boxes, const char* type);
// The child of `parent` along `path` ("mdia", "minf", ...).
std::optional<BoxSpan> DescendBoxes(BinaryFile& file, const BoxSpan& parent, std::initializer_list<const char*> path);

struct MediaSample {
    std::uint64_t offset = 0;
    std::uint32_t size = 0;
    double time = 0;      // seconds from the start of the track
    double duration = 0;  // seconds
};

struct MediaTrack {
    std::string handler;  // hdlr's type: "vide", "soun", "meta", "text", "sbtl", ...
    std::string format;   // the first sample entry's type: "avc1", "gpmd", "tx3g", ...
    std::uint32_t timescale = 0;
    BoxSpan sampleTable;  // stbl
};

struct MovieIndex {
    std::vector<BoxSpan> topLevel;
    std::optional<BoxSpan> moov;
    std::vector<BoxSpan> moovChildren;
    double durationSeconds = 0;  // mvhd's, 0 when unknown
    // mvhd's creation time as seconds since 1970 (cameras write their clock
    // there, most in UTC); -1 when unknown or before 1971.
    double createdSeconds = -1;
    std::vector<MediaTrack> tracks;

    const MediaTrack* TrackWith(const char* handler, std::initializer_list<const char*> formats) const;
};

MovieIndex ReadMovieIndex(BinaryFile& file);

// The samples of a track in decoding order, their times from its stts. At
// most `maxSamples`; a table that claims more than the file can hold is cut.
std::vector<MediaSample> ReadTrackSamples(BinaryFile& file, const MediaTrack& track, std::size_t maxSamples = 1u << 20);
