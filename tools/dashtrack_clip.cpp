#include "dashtrack_clip.h"

#include "clips/MediaLibraries.h"
#include "library/CompanionPath.h"
#include "library/Drives.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <map>
#include <optional>
#include <sstream>
#include <unistd.h>

namespace {

bool ParseOverlays(const std::string& list, ClipOverlays& overlays)
{
    overlays = ClipOverlays{false, false, false, false, false, overlays.localTime, overlays.mph};
    std::stringstream items(list);
    for (std::string item; std::getline(items, item, ',');) {
        static const std::map<std::string, bool ClipOverlays::*> kNames = {
            {"time", &ClipOverlays::time}, {"speed", &ClipOverlays::speed}, {"position", &ClipOverlays::position},
            {"g", &ClipOverlays::g}, {"route", &ClipOverlays::route}};
        const auto named = kNames.find(item);
        if (named == kNames.end())
            return false;
        overlays.*(named->second) = true;
    }
    return true;
}

template <typename T>
bool Choose(const std::string& text, const std::map<std::string, T>& choices, T& chosen)
{
    const auto found = choices.find(text);
    if (found == choices.end())
        return false;
    chosen = found->second;
    return true;
}

bool ParseOption(const std::string& name, const std::string& value, ClipCommand& c)
{
    ClipRequest& r = c.request;
    if (name == "--from")
        c.from = value;
    else if (name == "--to")
        c.to = value;
    else if (name == "--output")
        r.output = value;
    else if (name == "--cameras")
        return Choose<ClipCameras>(value, {{"front", ClipCameras::Front}, {"rear", ClipCameras::Rear}, {"both", ClipCameras::Both}},
                                   r.cameras);
    else if (name == "--layout")
        return Choose<ClipLayout>(value, {{"pip", ClipLayout::PictureInPicture}, {"side", ClipLayout::SideBySide},
                                          {"stack", ClipLayout::Stacked}},
                                  r.layout);
    else if (name == "--overlay")
        return ParseOverlays(value, r.overlays);
    else if (name == "--quality")
        return (r.quality = std::atoi(value.c_str())) >= 0 && r.quality <= 51 && !value.empty();
    else if (name == "--size")
        return Choose<int>(value, {{"source", 0}, {"1080", 1080}, {"720", 720}}, r.height);
    else
        return false;
    return true;
}

}  // namespace

bool ParseClip(int argc, char** argv, ClipCommand& command)
{
    ClipRequest& r = command.request;
    r.overlays = ClipOverlays{false, false, false, false, false};
    for (int i = 2; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--no-audio")
            r.sound = false;
        else if (a == "--swap")
            r.swapped = true;
        else if (a == "--local-time")
            r.overlays.localTime = true;
        else if (a == "--mph")
            r.overlays.mph = true;
        else if (a == "--replace")
            r.replace = true;
        else if (a.rfind("--", 0) == 0 && (i + 1 >= argc || !ParseOption(a, argv[++i], command)))
            return false;
        else if (a.rfind("--", 0) != 0)
            command.paths.push_back(a);
    }
    return !command.paths.empty() && !command.from.empty() && !command.to.empty() && !r.output.empty();
}

namespace {

// 2026-05-14T08:15:10Z (or with a fraction) as UTC seconds.
std::optional<double> UtcOf(const std::string& text)
{
    std::tm t{};
    double second = 0;
    char zone = 0;
    if (std::sscanf(text.c_str(), "%d-%d-%dT%d:%d:%lf%c", &t.tm_year, &t.tm_mon, &t.tm_mday, &t.tm_hour, &t.tm_min,
                    &second, &zone) != 7 || zone != 'Z')
        return std::nullopt;
    t.tm_year -= 1900;
    t.tm_mon -= 1;
    return static_cast<double>(timegm(&t)) + second;
}

// A time of the command line as a moment of the drive `spans` make.
std::optional<ClipMoment> MomentOf(const std::string& text, const std::vector<RecordingSpan>& spans)
{
    char* end = nullptr;
    double offset = std::strtod(text.c_str(), &end);
    if (end == text.c_str() || *end != '\0') {
        const std::optional<double> utc = UtcOf(text);
        if (!utc || !spans.front().timed)
            return std::nullopt;
        offset = *utc - spans.front().start;
    }
    if (!(offset >= 0))
        return std::nullopt;
    // Offsets go on from file to file as the drive plays.
    for (std::size_t r = 0; r < spans.size(); ++r) {
        if (offset < spans[r].seconds || r + 1 == spans.size())
            return ClipMoment{static_cast<int>(r), std::min(offset, spans[r].seconds)};
        offset -= spans[r].seconds;
    }
    return std::nullopt;
}

}  // namespace

int RunClip(ClipCommand& command)
{
    SilenceMediaLibraries();
    std::vector<RecordingSpan> spans;
    for (const std::string& path : command.paths)
        spans.push_back(RecordingTimes(path));
    std::stable_sort(spans.begin(), spans.end(), [](const RecordingSpan& a, const RecordingSpan& b) { return a.start < b.start; });
    const std::optional<ClipMoment> from = MomentOf(command.from, spans), to = MomentOf(command.to, spans);
    if (!from || !to) {
        std::fprintf(stderr, "dashtrack: --from and --to take seconds from the first recording's start or a UTC time\n");
        return 64;
    }
    std::vector<ClipSource> drive;
    for (const RecordingSpan& span : spans)
        drive.push_back({span.path, span.seconds});
    command.request.pieces = ClipPieces(drive, *from, *to, RearCameraFile);
    // On a terminal one line counting up; in a log a line every tenth.
    const bool terminal = isatty(STDERR_FILENO) != 0;
    int shown = -1;
    const ClipResult result = MakeClip(command.request, [&shown, terminal](double fraction) {
        const int percent = static_cast<int>(fraction * 100);
        if (percent != shown && (terminal || percent % 10 == 0))
            std::fprintf(stderr, terminal ? "\rclip: %3d%%" : "clip: %3d%%\n", shown = percent);
        return true;
    });
    if (shown >= 0 && terminal)
        std::fputs("\n", stderr);
    if (!result.written) {
        std::fprintf(stderr, "dashtrack: %s\n", result.error.c_str());
        return 1;
    }
    if (!result.error.empty())
        std::fprintf(stderr, "dashtrack: %s\n", result.error.c_str());
    std::printf("%s: %.3f s", command.request.output.c_str(), result.seconds);
    if (result.copied)
        std::printf(", copied from the key frame at %.3f s", result.copiedFrom);
    if (!result.gpx.empty())
        std::printf(", track in %s", result.gpx.c_str());
    std::printf("\n");
    return result.error.empty() ? 0 : 1;
}
