#include "Damage.h"

#include "track/BinaryFile.h"
#include "track/MovieIndex.h"

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

void Note(const BoxSpan& box, MediaExtent& extent)
{
    if (box.Is("ftyp") && !extent.ftypStart && !box.cut) {
        extent.ftypStart = box.start;
        extent.ftypSize = box.size;
    } else if (box.Is("mdat") && !extent.hasMedia) {
        extent.hasMedia = true;
        extent.mediaStart = box.PayloadStart();
        extent.mediaEnd = box.End();
        extent.mediaCut = box.cut;
    } else if (box.Is("moov")) {
        extent.hasIndex = extent.hasIndex || !box.cut;
        extent.indexCut = extent.indexCut || box.cut;
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
    if (!file.IsOpen())
        return extent;
    const std::vector<BoxSpan> boxes = ReadBoxes(file, 0, file.Size(), kMaxTopLevelBoxes);
    if (boxes.empty() || !BeginsMovie(boxes.front().type))
        return extent;
    extent.isMovie = true;
    for (const BoxSpan& box : boxes)
        Note(box, extent);
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
