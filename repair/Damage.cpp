#include "Damage.h"

#include "track/BinaryFile.h"

#include <cstring>

namespace {

// A camera leaves a box or two a second at most: more is not a recording.
constexpr std::size_t kMaxTopLevelBoxes = 1u << 17;

bool BeginsMovie(const char* type)
{
    for (const char* t : {"ftyp", "mdat", "moov", "wide", "free", "skip"}) {
        if (std::memcmp(type, t, 4) == 0)
            return true;
    }
    return false;
}

struct TopBox {
    char type[5] = {};
    std::uint64_t start = 0, header = 8, size = 0;  // size as claimed, 0 when it runs to the end
};

bool ReadTopBox(BinaryFile& file, std::uint64_t at, TopBox& box)
{
    unsigned char h[16];
    if (!file.Seek(at) || !file.ReadExact(h, 8))
        return false;
    box.start = at;
    box.size = LoadBE32(h);
    std::memcpy(box.type, h + 4, 4);
    if (box.size == 1) {
        if (!file.ReadExact(h + 8, 8))
            return false;
        box.header = 16;
        box.size = (std::uint64_t(LoadBE32(h + 8)) << 32) | LoadBE32(h + 12);
    }
    // A size of 0 is what a camera leaves in mdat's header until the file ends.
    if (box.size == 0)
        box.size = file.Size() - at;
    return box.size >= box.header;
}

void Note(const TopBox& box, std::uint64_t fileSize, MediaExtent& extent)
{
    const bool cut = box.size > fileSize - box.start;
    const std::uint64_t end = cut ? fileSize : box.start + box.size;
    if (std::memcmp(box.type, "ftyp", 4) == 0 && !extent.ftypStart && !cut) {
        extent.ftypStart = box.start;
        extent.ftypSize = box.size;
    } else if (std::memcmp(box.type, "mdat", 4) == 0 && !extent.hasMedia) {
        extent.hasMedia = true;
        extent.mediaStart = box.start + box.header;
        extent.mediaEnd = end;
        extent.mediaCut = cut;
    } else if (std::memcmp(box.type, "moov", 4) == 0) {
        extent.hasIndex = extent.hasIndex || !cut;
        extent.indexCut = extent.indexCut || cut;
    }
}

}  // namespace

const char* DamageText(Damage damage)
{
    switch (damage) {
    case Damage::None: return "none";
    case Damage::NoIndex: return "no index";
    case Damage::IndexCutShort: return "index cut short";
    case Damage::MediaPastEnd: return "media past the file's end";
    }
    return "none";
}

MediaExtent ReadMediaExtent(BinaryFile& file)
{
    MediaExtent extent;
    TopBox box;
    if (!file.IsOpen() || !ReadTopBox(file, 0, box) || !BeginsMovie(box.type))
        return extent;
    extent.isMovie = true;
    std::uint64_t at = 0;
    for (std::size_t n = 0; n < kMaxTopLevelBoxes && ReadTopBox(file, at, box); ++n) {
        Note(box, file.Size(), extent);
        if (box.size >= file.Size() - at)
            break;
        at += box.size;
    }
    return extent;
}

Damage DamageOf(const MediaExtent& extent)
{
    if (!extent.isMovie)
        return Damage::None;
    if (extent.hasIndex)
        return extent.mediaCut ? Damage::MediaPastEnd : Damage::None;
    if (extent.indexCut)
        return Damage::IndexCutShort;
    return Damage::NoIndex;
}

Damage DamageOf(const std::string& path)
{
    BinaryFile file(path);
    return DamageOf(ReadMediaExtent(file));
}
