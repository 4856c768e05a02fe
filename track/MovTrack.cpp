#include "MovTrack.h"

#include "BinaryFile.h"
#include "Nmea.h"
#include "ScrambleKey.h"

#include <array>
#include <cstring>
#include <optional>
#include <vector>

namespace {

constexpr int kMaxAtomsPerLevel = 128;
constexpr std::uint64_t kNoBound = ~std::uint64_t(0);

struct Atom {
    std::uint64_t start = 0;
    std::uint32_t size = 0;
    char type[5] = {};
    std::uint64_t End() const { return start + size; }
};

// Reads the header at the current position. Sizes below 8 (to the end of the
// file, 64-bit sizes) are not written by the recorders served: the walk ends.
std::optional<Atom> ReadAtom(BinaryFile& file)
{
    Atom atom;
    atom.start = file.Tell();
    unsigned char header[8];
    if (!file.ReadExact(header, 8))
        return std::nullopt;
    atom.size = LoadBE32(header);
    std::memcpy(atom.type, header + 4, 4);
    if (atom.size < 8)
        return std::nullopt;
    return atom;
}

// Walks the siblings from the current position until one of `type`, leaving
// the file just after its header. Ends without result after 128 atoms, at an
// unreadable header, or once the position passes `bound`.
std::optional<Atom> FindAtom(BinaryFile& file, const char* type, std::uint64_t bound = kNoBound)
{
    for (int n = 0; n < kMaxAtomsPerLevel && file.Tell() <= bound; ++n) {
        auto atom = ReadAtom(file);
        if (!atom)
            return std::nullopt;
        if (std::strcmp(atom->type, type) == 0)
            return atom;
        if (!file.Seek(atom->End()))
            return std::nullopt;
    }
    return std::nullopt;
}

// Descends moov / trak[wanted] / mdia / minf / stbl / stco and returns the
// chunk offsets in table order.
std::vector<std::uint32_t> ReadChunkOffsets(BinaryFile& file, int wantedTrack)
{
    std::uint64_t bound = 0;
    std::optional<Atom> atom;
    for (int n = 0; n < kMaxAtomsPerLevel; ++n) {  // top level, summing sizes
        atom = ReadAtom(file);
        if (!atom)
            return {};
        bound += atom->size;
        if (std::strcmp(atom->type, "moov") == 0)
            break;
        if (!file.Seek(atom->End()))
            return {};
        atom.reset();
    }
    if (!atom)
        return {};
    int tracks = 0;
    std::optional<Atom> trak;
    for (int n = 0; n < kMaxAtomsPerLevel && !trak; ++n) {  // moov children
        atom = ReadAtom(file);
        if (!atom)
            return {};
        bound += atom->size;
        if (std::strcmp(atom->type, "trak") == 0 && tracks++ == wantedTrack)
            trak = atom;
        else if (!file.Seek(atom->End()))
            return {};
    }
    if (!trak)
        return {};
    for (const char* level : {"mdia", "minf", "stbl", "stco"}) {
        if (!FindAtom(file, level, bound))
            return {};
    }
    std::uint32_t version = 0, count = 0;
    if (!file.ReadBE32(version) || !file.ReadBE32(count))
        return {};
    // The table cannot hold more entries than the bytes left in the file.
    std::uint64_t possible = file.Remaining() / 4;
    std::vector<std::uint32_t> offsets;
    offsets.reserve(count < possible ? count : possible);
    for (std::uint32_t i = 0; i < count; ++i) {
        std::uint32_t offset = 0;
        if (!file.ReadBE32(offset))
            break;
        offsets.push_back(offset);
    }
    return offsets;
}

bool OpenableName(const std::string& path)
{
    return path.size() >= 4;
}

// One NT96650A chunk: a 204-byte block 64 KB + 72 bytes into the chunk.
tagAssistInfo ReadNT96650ABlock(BinaryFile& file, std::uint32_t chunkOffset)
{
    std::array<unsigned char, 205> b{};  // one spare zero ends the text
    if (file.Seek(std::uint64_t(chunkOffset) + 65536 + 72))
        file.Read(b.data(), 204);
    const int key = ScrambleKey(reinterpret_cast<const char*>(&b[192]));
    // The text region is 128 bytes from byte 64; a raw CR LF ends it.
    for (int i = 64, left = 128; left > 0; ++i, --left) {
        if (left >= 2 && b[i] == '\r' && b[i + 1] == '\n')
            break;
        b[i] = static_cast<unsigned char>(b[i] - key);
    }
    tagAssistInfo slot;
    slot.x = static_cast<float>(static_cast<std::int32_t>(LoadLE32(&b[52]))) / 1000.0f;
    slot.y = static_cast<float>(static_cast<std::int32_t>(LoadLE32(&b[56]))) / 1000.0f;
    slot.z = static_cast<float>(static_cast<std::int32_t>(LoadLE32(&b[60]))) / 1000.0f;
    ParseSentence(reinterpret_cast<const char*>(&b[65]), slot);
    return slot;
}

}  // namespace

ChipFlags DetectChipset(const std::string& path)
{
    BinaryFile file(path);
    return DetectChipset(file);
}

ChipFlags DetectChipset(BinaryFile& file)
{
    ChipFlags flags;
    if (!file.IsOpen() || !file.Seek(0) || !FindAtom(file, "moov") || !FindAtom(file, "udta"))
        return flags;
    std::uint32_t size = 0;
    if (!file.ReadBE32(size))
        return flags;
    char info[65] = {};  // the first udta atom from its type on, NUL-ended
    file.Read(info, size < 64 ? size : 64);
    if (std::strstr(info, "AMBARELLA A7L"))
        flags.isA7L = 1;
    else if (std::strstr(info + 8, "NT96650A"))
        flags.isNT96650A = 1;
    return flags;
}

int LoadNT96650ATrack(const std::string& mediaPath, TrackSlots& track)
{
    if (!OpenableName(mediaPath))
        return -1;
    BinaryFile file(mediaPath);
    if (!file.IsOpen())
        return -1;
    for (std::uint32_t offset : ReadChunkOffsets(file, 1)) {
        if (track.size() >= kMaxTrackSlots)
            break;
        AppendSlots(track, ReadNT96650ABlock(file, offset), 10);
    }
    return static_cast<int>(track.size());
}

namespace {

// Generic samples: a 16-bit length and text whose first byte is not used.
// The 11-byte sample carries the key; samples before it are held (the first
// 20) and parsed once it arrives.
class GenericSampleReader {
public:
    explicit GenericSampleReader(TrackSlots& track) : track_(track) {}

    void Read(BinaryFile& file, std::uint32_t offset, std::size_t index)
    {
        std::uint16_t length = 0;
        if (!file.Seek(offset) || !file.ReadBE16(length))
            return;
        // A line has room for 127 bytes; a longer sample cannot be a valid line.
        if (length > 127)
            return;
        std::array<char, 128> text{};
        if (!file.ReadExact(text.data(), length))
            return;
        text[0] = ' ';
        if (key_) {
            ParseTrackLine(&text[1], *key_, track_);
        } else if (length == 11) {
            key_ = ScrambleKey(&text[1]);
            for (const auto& held : held_)
                ParseTrackLine(&held[1], *key_, track_);
            held_.clear();
        } else if (index < 20) {
            held_.push_back(text);
        }
    }

private:
    TrackSlots& track_;
    std::optional<int> key_;
    std::vector<std::array<char, 128>> held_;
};

}  // namespace

int LoadMovTrack(const std::string& mediaPath, TrackSlots& track)
{
    if (!OpenableName(mediaPath))
        return -1;
    BinaryFile file(mediaPath);
    if (!file.IsOpen())
        return -1;
    GenericSampleReader reader(track);
    const auto offsets = ReadChunkOffsets(file, 2);
    for (std::size_t j = 0; j < offsets.size() && track.size() < kMaxTrackSlots; ++j)
        reader.Read(file, offsets[j], j);
    return static_cast<int>(track.size());
}
