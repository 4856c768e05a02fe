#include "Repair.h"

#include "RepairTemplate.h"
#include "RepairedIndex.h"
#include "SampleTables.h"

#include "library/PartialFile.h"
#include "library/SafeWrite.h"
#include "track/BinaryFile.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <sys/stat.h>

namespace fs = std::filesystem;

namespace {

constexpr std::uint32_t kSeconds1904To1970 = 2082844800u;
// Recordings beside the damaged one looked at for a reference, nearest first.
constexpr std::size_t kReferencesTried = 16;
// Enough of the media data to see a few pictures of the camera's kind.
constexpr std::uint64_t kTrialBytes = 8u << 20;
constexpr std::size_t kCopyBlock = 4u << 20;

std::string Lower(std::string s)
{
    for (char& c : s)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

std::int64_t ModifiedTime(const std::string& path)
{
    struct stat info {};
    return stat(path.c_str(), &info) == 0 ? static_cast<std::int64_t>(info.st_mtime) : 0;
}

// The repaired copy carries the recording's time, not the repair's: lists
// order it, and drives take it in, by that time.
void KeepModifiedTime(const std::string& from, const std::string& to)
{
    std::error_code ignored;
    fs::last_write_time(to, fs::last_write_time(from, ignored), ignored);
}

bool IsRepairedName(const fs::path& path)
{
    return Lower(path.stem().string()).ends_with(".repaired");
}

// Whether the template finds pictures at the start of the damaged file's
// media, the first a key picture as every recording begins: another codec's
// bytes may pass for a picture or two, seldom for a key one.
bool FindsPictures(const std::string& damaged, const RepairTemplate& tmpl)
{
    BinaryFile file(damaged);
    const MediaExtent extent = ReadMediaExtent(file);
    if (!extent.hasMedia)
        return false;
    const MediaWalk walk =
        WalkMedia(file, tmpl, extent.mediaStart, std::min(extent.mediaEnd, extent.mediaStart + kTrialBytes));
    const auto byTrack = SamplesByTrack(tmpl, walk);
    const TemplateTrack* video = tmpl.Video();
    if (!video)
        return false;
    const auto& pictures = byTrack[static_cast<std::size_t>(video - tmpl.tracks.data())];
    return pictures.size() >= 2 && pictures.front().key;
}

std::vector<fs::path> Neighbours(const std::string& damaged)
{
    const fs::path path(damaged);
    const std::string ext = Lower(path.extension().string());
    const std::int64_t when = ModifiedTime(damaged);
    std::vector<std::pair<std::int64_t, fs::path>> found;
    std::error_code ec;
    for (const fs::directory_entry& e : fs::directory_iterator(path.parent_path().empty() ? "." : path.parent_path(), ec)) {
        const fs::path p = e.path();
        if (!e.is_regular_file(ec) || Lower(p.extension().string()) != ext || IsRepairedName(p) || SameFile(p, damaged))
            continue;
        found.push_back({std::llabs(ModifiedTime(p.string()) - when), p});
    }
    std::sort(found.begin(), found.end());
    std::vector<fs::path> paths;
    for (const auto& [distance, p] : found)
        paths.push_back(p);
    return paths;
}

struct Measured {
    std::uint64_t samples = 0;
    double seconds = 0;
};

Measured Measure(const TemplateTrack& t, const std::vector<FoundSample>& samples)
{
    const std::uint64_t count = SampleCount(samples);
    return {count, t.timescale ? double(count) * t.sampleDelta / t.timescale : 0};
}

void Summarise(const RepairTemplate& tmpl, const MediaWalk& walk, RepairReport& report)
{
    const auto byTrack = SamplesByTrack(tmpl, walk);
    for (std::size_t i = 0; i < tmpl.tracks.size(); ++i) {
        const TemplateTrack& t = tmpl.tracks[i];
        const Measured m = Measure(t, byTrack[i]);
        if (&t == tmpl.Video()) {
            report.pictures = m.samples;
            report.videoSeconds = m.seconds;
        } else if (&t == tmpl.Audio()) {
            report.soundSamples = m.samples;
            report.soundSeconds = m.seconds;
        } else if (t.kind == SampleKind::Gpmf || t.kind == SampleKind::Text) {
            report.dataSamples += m.samples;
        }
    }
    report.freeGpsBlocks = walk.freeGpsBlocks.size();
    report.stop = walk.stop;
}

ByteString ReadBytes(BinaryFile& file, std::uint64_t at, std::uint64_t size)
{
    ByteString bytes(static_cast<std::size_t>(size));
    if (!file.Seek(at) || !file.ReadExact(bytes.data(), bytes.size()))
        return {};
    return bytes;
}

// The damaged file's own ftyp when it has one, else the template's.
ByteString FileType(BinaryFile& file, const MediaExtent& extent, const RepairTemplate& tmpl)
{
    if (extent.ftypStart && *extent.ftypSize <= 4096) {
        ByteString ftyp = ReadBytes(file, *extent.ftypStart, *extent.ftypSize);
        if (!ftyp.empty())
            return ftyp;
    }
    return tmpl.ftyp;
}

ByteString MediaHeader(std::uint64_t payload)
{
    ByteString b;
    if (payload + 8 <= UINT32_MAX) {
        PutU32(b, static_cast<std::uint32_t>(payload + 8));
        b.insert(b.end(), {'m', 'd', 'a', 't'});
    } else {
        PutU32(b, 1);
        b.insert(b.end(), {'m', 'd', 'a', 't'});
        PutU64(b, payload + 16);
    }
    return b;
}

std::string CopyMedia(BinaryFile& file, std::uint64_t from, std::uint64_t to, PartialFile& out,
                      const RepairProgress& progress)
{
    // A block at a time, for the progress and Cancel.
    for (std::uint64_t at = from; at < to;) {
        const std::uint64_t count = std::min<std::uint64_t>(kCopyBlock, to - at);
        if (!out.CopyFrom(file.Descriptor(), at, count))
            return "cannot copy the media data: " + out.Error();
        at += count;
        if (progress && !progress(0.5 + 0.5 * double(at - from) / double(to - from)))
            return "cancelled";
    }
    return {};
}

std::string WriteRepaired(BinaryFile& file, const MediaExtent& extent, const RepairTemplate& tmpl, const MediaWalk& walk,
                          const std::string& output, bool replace, std::uint32_t created, const RepairProgress& progress)
{
    const ByteString ftyp = FileType(file, extent, tmpl);
    const std::uint64_t kept = walk.keptEnd - extent.mediaStart;
    const ByteString mdat = MediaHeader(kept);
    IndexPlacement placement;
    placement.created = created;
    const std::uint64_t measured = RepairedIndex(tmpl, walk, placement).size();
    // 64-bit offsets make the index larger: measure again with them.
    placement.wide = ftyp.size() + measured + mdat.size() + kept > UINT32_MAX;
    const std::uint64_t indexSize = placement.wide ? RepairedIndex(tmpl, walk, placement).size() : measured;
    const std::uint64_t newMediaStart = ftyp.size() + indexSize + mdat.size();
    placement.moveBy = static_cast<std::int64_t>(newMediaStart) - static_cast<std::int64_t>(extent.mediaStart);
    const ByteString moov = RepairedIndex(tmpl, walk, placement);
    PartialFile out(output);
    if (!out.IsOpen())
        return output + ": " + out.Error();
    if (!out.Write(ftyp.data(), ftyp.size()) || !out.Write(moov.data(), moov.size()) || !out.Write(mdat.data(), mdat.size()))
        return output + ": " + out.Error();
    if (std::string error = CopyMedia(file, extent.mediaStart, walk.keptEnd, out, progress); !error.empty())
        return error == "cancelled" ? error : output + ": " + error;
    if (!out.Commit(replace))
        return output + ": " + out.Error();
    return {};
}

std::string NotTheSameCamera(const std::string& reference, const std::string& damaged)
{
    return "no pictures like those of " + fs::path(reference).filename().string() + " in " +
           fs::path(damaged).filename().string() + ": not a recording of the same camera";
}

}  // namespace

std::string RepairedPath(const std::string& damaged, const std::string& folder)
{
    const fs::path path(damaged);
    const std::string name = path.stem().string() + ".repaired" + path.extension().string();
    return ((folder.empty() ? path.parent_path() : fs::path(folder)) / name).string();
}

std::string NearestReference(const std::string& damaged, std::string& error)
{
    std::size_t tried = 0;
    for (const fs::path& candidate : Neighbours(damaged)) {
        if (tried == kReferencesTried)
            break;
        if (DamageOf(candidate.string()) != Damage::None)
            continue;
        ++tried;
        std::string ignored;
        if (auto tmpl = ReadRepairTemplate(candidate.string(), ignored); tmpl && FindsPictures(damaged, *tmpl))
            return candidate.string();
    }
    error = "no healthy recording of the same camera beside " + fs::path(damaged).filename().string() +
            " to rebuild it from; name one made by the same camera";
    return {};
}

std::string RepairRecording(const RepairRequest& request, RepairReport& report)
{
    BinaryFile file(request.damaged);
    if (!file.IsOpen())
        return "cannot read " + request.damaged;
    const MediaExtent extent = ReadMediaExtent(file);
    report.damage = DamageOf(extent);
    if (report.damage == Damage::None)
        return request.damaged + " is not damaged: nothing to repair";
    if (!extent.hasMedia || extent.mediaEnd <= extent.mediaStart)
        return request.damaged + " holds no media data: nothing to keep";
    std::string error;
    report.reference = request.reference.empty() ? NearestReference(request.damaged, error) : request.reference;
    if (report.reference.empty())
        return error;
    const auto tmpl = ReadRepairTemplate(report.reference, error);
    if (!tmpl)
        return error;
    if (!FindsPictures(request.damaged, *tmpl))
        return NotTheSameCamera(report.reference, request.damaged);
    std::error_code ec;
    report.output = fs::is_directory(request.output, ec) ? RepairedPath(request.damaged, request.output)
                    : request.output.empty()            ? RepairedPath(request.damaged)
                                                        : request.output;
    if (SameFile(report.output, request.damaged) || SameFile(report.output, report.reference))
        return report.output + " is one of the recordings read: it is never written over";
    if (!request.replace && fs::exists(report.output, ec))
        return report.output + " exists already";
    auto walkProgress = [&](double share) { return !request.progress || request.progress(0.5 * share); };
    const MediaWalk walk = WalkMedia(file, *tmpl, extent.mediaStart, extent.mediaEnd, walkProgress);
    if (walk.cancelled)
        return "cancelled";
    Summarise(*tmpl, walk, report);
    if (report.pictures == 0)
        return NotTheSameCamera(report.reference, request.damaged);
    const auto created = static_cast<std::uint32_t>(ModifiedTime(request.damaged) + kSeconds1904To1970 -
                                                    static_cast<std::int64_t>(report.videoSeconds));
    std::string written = WriteRepaired(file, extent, *tmpl, walk, report.output, request.replace, created, request.progress);
    if (written.empty())
        KeepModifiedTime(request.damaged, report.output);
    return written;
}
