#include "MovieIndex.h"

#include "DistinctRanges.h"

#include "BinaryFile.h"

#include <algorithm>
#include <cstring>

namespace {

std::uint64_t LoadBE64(const unsigned char* p)
{
    return (std::uint64_t(LoadBE32(p)) << 32) | LoadBE32(p + 4);
}

// The payload of `box` from `skip` bytes in, at most `limit` bytes.
std::vector<unsigned char> ReadPayload(BinaryFile& file, const BoxSpan& box, std::uint64_t skip, std::uint64_t limit)
{
    std::vector<unsigned char> bytes;
    if (box.PayloadSize() <= skip || !file.Seek(box.PayloadStart() + skip))
        return bytes;
    const std::uint64_t wanted = std::min({box.PayloadSize() - skip, limit, file.Remaining()});
    bytes.resize(static_cast<std::size_t>(wanted));
    bytes.resize(file.Read(bytes.data(), bytes.size()));
    return bytes;
}

// A full box's entry table: version and flags, a count, then entries of
// `entrySize` bytes. The count is cut to the entries actually present.
struct EntryTable {
    std::vector<unsigned char> bytes;
    std::size_t count = 0;
    std::size_t entrySize = 0;
    const unsigned char* Entry(std::size_t i) const { return bytes.data() + 8 + i * entrySize; }
};

EntryTable ReadEntryTable(BinaryFile& file, const BoxSpan& box, std::size_t entrySize, std::size_t maxEntries)
{
    EntryTable table;
    table.entrySize = entrySize;
    table.bytes = ReadPayload(file, box, 0, 8 + std::uint64_t(maxEntries) * entrySize);
    if (table.bytes.size() < 8)
        return table;
    const std::size_t present = (table.bytes.size() - 8) / entrySize;
    table.count = std::min<std::size_t>(LoadBE32(table.bytes.data() + 4), present);
    return table;
}

std::string FourCC(const unsigned char* p)
{
    return std::string(reinterpret_cast<const char*>(p), 4);
}

constexpr std::uint64_t kSeconds1904To1970 = 2082844800u;

// mvhd's creation time, the first of its times, as seconds since 1970.
double CreatedSeconds(BinaryFile& file, const BoxSpan& mvhd)
{
    const auto b = ReadPayload(file, mvhd, 0, 12);
    if (b.size() < 8)
        return -1;
    const std::uint64_t since1904 = b[0] == 1 ? (b.size() >= 12 ? LoadBE64(&b[4]) : 0) : LoadBE32(&b[4]);
    if (since1904 <= kSeconds1904To1970 + 365u * 86400u || since1904 > kSeconds1904To1970 + 400ull * 365 * 86400)
        return -1;
    return static_cast<double>(since1904 - kSeconds1904To1970);
}

// mvhd and mdhd share their start: times, then timescale and duration.
bool ReadTimescale(BinaryFile& file, const BoxSpan& box, std::uint32_t& timescale, std::uint64_t& duration)
{
    const auto b = ReadPayload(file, box, 0, 32);
    if (b.size() < 20)
        return false;
    if (b[0] == 1) {
        if (b.size() < 32)
            return false;
        timescale = LoadBE32(&b[20]);
        duration = LoadBE64(&b[24]);
    } else {
        timescale = LoadBE32(&b[12]);
        duration = LoadBE32(&b[16]);
    }
    return timescale != 0;
}

std::optional<MediaTrack> ReadTrack(BinaryFile& file, const BoxSpan& trak)
{
    auto mdia = DescendBoxes(file, trak, {"mdia"});
    if (!mdia)
        return std::nullopt;
    const auto mdiaChildren = ReadBoxes(file, mdia->PayloadStart(), mdia->End());
    auto mdhd = FindBox(mdiaChildren, "mdhd");
    auto hdlr = FindBox(mdiaChildren, "hdlr");
    auto stbl = DescendBoxes(file, *mdia, {"minf", "stbl"});
    if (!mdhd || !hdlr || !stbl)
        return std::nullopt;
    MediaTrack track;
    std::uint64_t duration = 0;
    if (!ReadTimescale(file, *mdhd, track.timescale, duration))
        return std::nullopt;
    if (const auto h = ReadPayload(file, *hdlr, 8, 4); h.size() == 4)
        track.handler = FourCC(h.data());
    if (auto stsd = FindBox(ReadBoxes(file, stbl->PayloadStart(), stbl->End()), "stsd")) {
        if (const auto s = ReadPayload(file, *stsd, 8, 8); s.size() == 8)
            track.format = FourCC(s.data() + 4);
    }
    track.sampleTable = *stbl;
    return track;
}

}  // namespace

bool BoxSpan::Is(const char* fourcc) const
{
    return std::memcmp(type, fourcc, 4) == 0;
}

std::vector<BoxSpan> ReadBoxes(BinaryFile& file, std::uint64_t from, std::uint64_t end, std::size_t maxCount)
{
    std::vector<BoxSpan> boxes;
    end = std::min(end, file.Size());
    while (boxes.size() < maxCount && from + 8 <= end && file.Seek(from)) {
        unsigned char h[16];
        if (!file.ReadExact(h, 8))
            break;
        BoxSpan box;
        box.start = from;
        box.size = LoadBE32(h);
        std::memcpy(box.type, h + 4, 4);
        if (box.size == 1) {
            if (!file.ReadExact(h + 8, 8))
                break;
            box.header = 16;
            box.size = LoadBE64(h + 8);
        } else if (box.size == 0) {
            box.size = end - from;
        }
        if (box.size < box.header)
            break;
        // A box cut off by the end of the file (a recording that lost power)
        // keeps what is there and ends the list.
        box.cut = box.size > end - from;
        if (box.cut)
            box.size = end - from;
        boxes.push_back(box);
        if (box.cut)
            break;
        from += box.size;
    }
    return boxes;
}

std::optional<BoxSpan> FindBox(const std::vector<BoxSpan>& boxes, const char* type)
{
    for (const BoxSpan& box : boxes) {
        if (box.Is(type))
            return box;
    }
    return std::nullopt;
}

std::optional<BoxSpan> DescendBoxes(BinaryFile& file, const BoxSpan& parent, std::initializer_list<const char*> path)
{
    std::optional<BoxSpan> at = parent;
    for (const char* type : path) {
        if (at->size < at->header)
            return std::nullopt;
        at = FindBox(ReadBoxes(file, at->PayloadStart(), at->End()), type);
        if (!at)
            return std::nullopt;
    }
    return at;
}

const MediaTrack* MovieIndex::TrackWith(const char* handler, std::initializer_list<const char*> formats) const
{
    for (const MediaTrack& track : tracks) {
        if (handler && track.handler != handler)
            continue;
        for (const char* format : formats) {
            if (track.format == format)
                return &track;
        }
    }
    return nullptr;
}

MovieIndex ReadMovieIndex(BinaryFile& file)
{
    MovieIndex index;
    if (!file.IsOpen())
        return index;
    // Some cameras leave a top-level box a second: an hour's worth and more.
    index.topLevel = ReadBoxes(file, 0, file.Size(), 1u << 17);
    index.moov = FindBox(index.topLevel, "moov");
    if (!index.moov)
        return index;
    index.moovChildren = ReadBoxes(file, index.moov->PayloadStart(), index.moov->End());
    if (auto mvhd = FindBox(index.moovChildren, "mvhd")) {
        std::uint32_t timescale = 0;
        std::uint64_t duration = 0;
        if (ReadTimescale(file, *mvhd, timescale, duration))
            index.durationSeconds = static_cast<double>(duration) / timescale;
        index.createdSeconds = CreatedSeconds(file, *mvhd);
    }
    for (const BoxSpan& box : index.moovChildren) {
        if (box.Is("trak")) {
            if (auto track = ReadTrack(file, box))
                index.tracks.push_back(*track);
        }
    }
    return index;
}

namespace {

// Walks stts's runs: the time and duration of each sample in turn.
class SampleClock {
public:
    SampleClock(const EntryTable& stts, std::uint32_t timescale) : stts_(stts), timescale_(timescale) {}

    void Next(MediaSample& sample)
    {
        while (run_ < stts_.count && leftInRun_ == 0) {
            leftInRun_ = LoadBE32(stts_.Entry(run_));
            delta_ = LoadBE32(stts_.Entry(run_) + 4);
            ++run_;
        }
        sample.time = static_cast<double>(ticks_) / timescale_;
        sample.duration = static_cast<double>(delta_) / timescale_;
        ticks_ += delta_;
        if (leftInRun_ > 0)
            --leftInRun_;
    }

private:
    const EntryTable& stts_;
    std::uint32_t timescale_;
    std::size_t run_ = 0;
    std::uint32_t leftInRun_ = 0;
    std::uint32_t delta_ = 0;
    std::uint64_t ticks_ = 0;
};

}  // namespace

std::vector<MediaSample> ReadTrackSamples(BinaryFile& file, const MediaTrack& track, std::size_t maxSamples)
{
    std::vector<MediaSample> samples;
    const auto boxes = ReadBoxes(file, track.sampleTable.PayloadStart(), track.sampleTable.End());
    auto stsz = FindBox(boxes, "stsz");
    auto stsc = FindBox(boxes, "stsc");
    auto stts = FindBox(boxes, "stts");
    auto stco = FindBox(boxes, "stco");
    auto co64 = FindBox(boxes, "co64");
    if (!stsz || !stsc || !stts || (!stco && !co64) || track.timescale == 0)
        return samples;
    // stsz: version, one size for all (or 0), count, then the sizes.
    const auto sizeHead = ReadPayload(file, *stsz, 0, 12);
    if (sizeHead.size() < 12)
        return samples;
    const std::uint32_t uniformSize = LoadBE32(&sizeHead[4]);
    std::size_t sampleCount = std::min<std::size_t>(LoadBE32(&sizeHead[8]), maxSamples);
    std::vector<unsigned char> sizes;
    if (uniformSize == 0) {
        sizes = ReadPayload(file, *stsz, 12, std::uint64_t(sampleCount) * 4);
        sampleCount = sizes.size() / 4;
    }
    const EntryTable chunks = stco ? ReadEntryTable(file, *stco, 4, maxSamples) : ReadEntryTable(file, *co64, 8, maxSamples);
    const EntryTable runs = ReadEntryTable(file, *stsc, 12, maxSamples);
    const EntryTable times = ReadEntryTable(file, *stts, 8, maxSamples);
    SampleClock clock(times, track.timescale);
    std::size_t next = 0;  // sample index
    std::size_t run = 0;
    for (std::size_t chunk = 0; chunk < chunks.count && next < sampleCount; ++chunk) {
        // The run of stsc that holds this chunk (its first chunks are 1-based).
        while (run + 1 < runs.count && LoadBE32(runs.Entry(run + 1)) <= chunk + 1)
            ++run;
        const std::uint32_t perChunk = runs.count ? LoadBE32(runs.Entry(run) + 4) : 0;
        std::uint64_t offset = stco ? LoadBE32(chunks.Entry(chunk)) : LoadBE64(chunks.Entry(chunk));
        for (std::uint32_t i = 0; i < perChunk && next < sampleCount; ++i, ++next) {
            MediaSample sample;
            sample.offset = offset;
            sample.size = uniformSize ? uniformSize : LoadBE32(&sizes[next * 4]);
            clock.Next(sample);
            offset += sample.size;
            if (sample.offset + sample.size <= file.Size())
                samples.push_back(sample);
        }
    }
    DropOverlapping(samples, [](const MediaSample& s) { return s.offset; }, [](const MediaSample& s) { return s.size; });
    return samples;
}
