#include "SampleTables.h"

#include <algorithm>

namespace {

struct Chunk {
    std::uint64_t offset = 0;
    std::uint32_t samples = 0;
};

// Samples that follow each other in the file make one chunk.
std::vector<Chunk> ChunksOf(const std::vector<FoundSample>& samples)
{
    std::vector<Chunk> chunks;
    std::uint64_t end = 0;
    for (const FoundSample& s : samples) {
        if (chunks.empty() || s.offset != end)
            chunks.push_back({s.offset, 0});
        chunks.back().samples += s.count;
        end = s.offset + s.size;
    }
    return chunks;
}

ByteString SampleSizes(const TemplateTrack& track, const std::vector<FoundSample>& samples)
{
    ByteString b;
    if (track.kind == SampleKind::Pcm) {
        PutU32(b, track.pcmFrameBytes);
        PutU32(b, static_cast<std::uint32_t>(SampleCount(samples)));
        return FullBox("stsz", b);
    }
    PutU32(b, 0);
    PutU32(b, static_cast<std::uint32_t>(samples.size()));
    for (const FoundSample& s : samples)
        PutU32(b, s.size);
    return FullBox("stsz", b);
}

ByteString SamplesToChunks(const std::vector<Chunk>& chunks)
{
    ByteString entries;
    std::uint32_t count = 0, last = 0;
    for (std::size_t i = 0; i < chunks.size(); ++i) {
        if (chunks[i].samples == last)
            continue;
        PutU32(entries, static_cast<std::uint32_t>(i + 1));
        PutU32(entries, chunks[i].samples);
        PutU32(entries, 1);
        last = chunks[i].samples;
        ++count;
    }
    ByteString b;
    PutU32(b, count);
    Append(b, entries);
    return FullBox("stsc", b);
}

ByteString ChunkOffsets(const std::vector<Chunk>& chunks, std::int64_t moveBy, bool wide)
{
    ByteString b;
    PutU32(b, static_cast<std::uint32_t>(chunks.size()));
    for (const Chunk& c : chunks) {
        const auto offset = static_cast<std::uint64_t>(static_cast<std::int64_t>(c.offset) + moveBy);
        if (wide)
            PutU64(b, offset);
        else
            PutU32(b, static_cast<std::uint32_t>(offset));
    }
    return FullBox(wide ? "co64" : "stco", b);
}

ByteString TimeToSample(const TemplateTrack& track, std::uint64_t count)
{
    ByteString b;
    PutU32(b, count ? 1 : 0);
    if (count) {
        PutU32(b, static_cast<std::uint32_t>(count));
        PutU32(b, track.sampleDelta);
    }
    return FullBox("stts", b);
}

ByteString SyncSamples(const std::vector<FoundSample>& samples)
{
    ByteString entries;
    std::uint32_t count = 0;
    for (std::size_t i = 0; i < samples.size(); ++i) {
        if (samples[i].key) {
            PutU32(entries, static_cast<std::uint32_t>(i + 1));
            ++count;
        }
    }
    ByteString b;
    PutU32(b, count);
    Append(b, entries);
    return FullBox("stss", b);
}

ByteString CompositionTable(const std::vector<std::uint32_t>& offsets)
{
    ByteString entries;
    std::uint32_t runs = 0;
    for (std::size_t i = 0; i < offsets.size();) {
        std::size_t same = i;
        while (same < offsets.size() && offsets[same] == offsets[i])
            ++same;
        PutU32(entries, static_cast<std::uint32_t>(same - i));
        PutU32(entries, offsets[i]);
        ++runs;
        i = same;
    }
    ByteString b;
    PutU32(b, runs);
    Append(b, entries);
    return FullBox("ctts", b);
}

}  // namespace

std::vector<std::uint32_t> CompositionOffsets(const std::vector<std::uint32_t>& showingOrder, std::uint32_t delta,
                                              std::uint32_t& shift)
{
    std::int64_t earliest = 0;
    for (std::size_t i = 0; i < showingOrder.size(); ++i)
        earliest = std::min(earliest, (std::int64_t(showingOrder[i]) - std::int64_t(i)) * delta);
    shift = static_cast<std::uint32_t>(-earliest);
    std::vector<std::uint32_t> offsets;
    for (std::size_t i = 0; i < showingOrder.size(); ++i)
        offsets.push_back(static_cast<std::uint32_t>((std::int64_t(showingOrder[i]) - std::int64_t(i)) * delta + shift));
    return offsets;
}

std::uint64_t SampleCount(const std::vector<FoundSample>& samples)
{
    std::uint64_t count = 0;
    for (const FoundSample& s : samples)
        count += s.count;
    return count;
}

ByteString SampleTableBox(const TemplateTrack& track, const std::vector<FoundSample>& samples, std::int64_t moveBy,
                          bool wide, const std::vector<std::uint32_t>& compositionOffsets)
{
    const std::vector<Chunk> chunks = ChunksOf(samples);
    ByteString stbl = track.stsd;
    Append(stbl, TimeToSample(track, SampleCount(samples)));
    if (!compositionOffsets.empty())
        Append(stbl, CompositionTable(compositionOffsets));
    if (track.hasSyncTable)
        Append(stbl, SyncSamples(samples));
    Append(stbl, SamplesToChunks(chunks));
    Append(stbl, SampleSizes(track, samples));
    Append(stbl, ChunkOffsets(chunks, moveBy, wide));
    return Box("stbl", stbl);
}
