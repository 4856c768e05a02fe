#include "ExportFile.h"

#include "RecordingList.h"
#include "SafeWrite.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

namespace {

bool HasRecordingName(const std::string& path)
{
    std::string extension = std::filesystem::path(path).extension().string();
    for (char& c : extension)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return extension == ".MOV" || extension == ".MP4" || extension == ".AVI";
}

}  // namespace

std::vector<ExportPoint> ReadExport(const std::vector<std::string>& recordings, ExportOptions& options)
{
    std::vector<RecordingTrack> tracks;
    for (const std::string& recording : recordings)
        tracks.push_back(ReadRecordingTrack(recording));
    if (!tracks.empty())
        options.name = GetFileName(std::min_element(tracks.begin(), tracks.end(), [](const auto& a, const auto& b) {
                                       return a.span.start < b.span.start;
                                   })->span.path);
    return ExportPoints(std::move(tracks));
}

std::string RefusedExportTarget(const std::string& target, const std::vector<std::string>& recordings)
{
    for (const std::string& recording : recordings) {
        if (SameFile(target, recording))
            return "is one of the recordings read; not written";
    }
    return HasRecordingName(target) ? "is named as a recording; not written" : "";
}

std::string WriteExportFile(const std::string& target, ExportFormat format, const std::vector<std::string>& recordings,
                            ExportOptions options)
{
    if (std::string refused = RefusedExportTarget(target, recordings); !refused.empty())
        return refused;
    const std::vector<ExportPoint> points = ReadExport(recordings, options);
    std::string error;
    WriteFileSafely(target, [&](std::ostream& out) { WriteExport(out, format, points, options); }, error);
    return error;
}
