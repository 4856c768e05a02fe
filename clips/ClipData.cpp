#include "ClipData.h"

#include "library/ExportFormats.h"
#include "library/SafeWrite.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <filesystem>

ClipData::ClipData(const std::vector<ClipPiece>& pieces)
{
    for (const ClipPiece& p : pieces) {
        Piece piece;
        piece.clipStart = seconds_;
        piece.from = p.from;
        piece.to = p.to;
        piece.recording = ReadRecordingTrack(p.front);
        piece.points = ExportPoints({piece.recording});
        seconds_ += p.to - p.from;
        pieces_.push_back(std::move(piece));
    }
}

double ClipData::StartUtc() const
{
    if (pieces_.empty() || !pieces_.front().recording.span.timed)
        return -1;
    return pieces_.front().recording.span.start + pieces_.front().from;
}

const ClipData::Piece* ClipData::PieceAt(double clipSeconds) const
{
    const Piece* found = pieces_.empty() ? nullptr : &pieces_.front();
    for (const Piece& piece : pieces_)
        if (piece.clipStart <= clipSeconds)
            found = &piece;
    return found;
}

const ExportPoint* ClipData::PointAt(double clipSeconds) const
{
    const Piece* piece = PieceAt(clipSeconds);
    if (!piece)
        return nullptr;
    // A hair over the picture's time, so that a picture on a slot's border reads that slot.
    const double slot = std::floor((piece->from + clipSeconds - piece->clipStart) * 10 + 1e-6);
    if (slot < 0 || slot >= static_cast<double>(piece->points.size()))
        return nullptr;
    return &piece->points[static_cast<std::size_t>(slot)];
}

std::optional<ClipPlace> ClipData::FirstFix() const
{
    for (const auto& [when, place] : Route())
        return place;
    return std::nullopt;
}

std::vector<std::pair<double, ClipPlace>> ClipData::Route() const
{
    std::vector<std::pair<double, ClipPlace>> route;
    for (const Piece& piece : pieces_) {
        const auto first = static_cast<std::size_t>(std::max(0.0, std::floor(piece.from * 10)));
        const auto end = static_cast<std::size_t>(std::max(0.0, std::ceil(piece.to * 10)));
        for (std::size_t s = first; s < end && s < piece.points.size(); ++s)
            if (piece.points[s].fix)
                route.push_back({piece.clipStart + static_cast<double>(s) / 10 - piece.from,
                                 {piece.points[s].latitude, piece.points[s].longitude}});
    }
    return route;
}

namespace {

std::string TimeLine(double utc, bool local)
{
    const std::time_t whole = static_cast<std::time_t>(std::floor(utc));
    std::tm parts{};
    if (local)
        localtime_r(&whole, &parts);
    else
        gmtime_r(&whole, &parts);
    char text[64];
    std::strftime(text, sizeof text, local ? "%Y-%m-%d %H:%M:%S %Z" : "%Y-%m-%d %H:%M:%S UTC", &parts);
    return text;
}

std::string Format(const char* format, auto... values)
{
    char text[96];
    std::snprintf(text, sizeof text, format, values...);
    return text;
}

}  // namespace

std::string ClipData::TextAt(double clipSeconds, const ClipOverlays& overlays) const
{
    const ExportPoint* point = PointAt(clipSeconds);
    const bool fix = point && point->fix;
    std::string lines;
    auto add = [&lines](const std::string& line) { lines += (lines.empty() ? "" : "\n") + line; };
    if (overlays.time && StartUtc() >= 0)
        add(TimeLine(StartUtc() + clipSeconds, overlays.localTime));
    if (overlays.speed) {
        const char* unit = overlays.mph ? "mph" : "km/h";
        add(fix ? Format("%d %s", static_cast<int>(std::lround(point->speedKmh / (overlays.mph ? 1.609344 : 1.0))), unit)
                : Format("-- %s", unit));
    }
    if (overlays.position)
        add(fix ? Format("%.5f° %c  %.5f° %c", std::fabs(point->latitude), point->latitude < 0 ? 'S' : 'N',
                         std::fabs(point->longitude), point->longitude < 0 ? 'W' : 'E')
                : std::string("no GPS fix"));
    if (overlays.g && point)
        add(Format("G  x %+.2f  y %+.2f  z %+.2f", point->gx, point->gy, point->gz));
    return lines;
}

bool ClipData::InClip(double utc) const
{
    for (const Piece& piece : pieces_) {
        const double at = utc - piece.recording.span.start;
        if (at >= piece.from - 1e-6 && at < piece.to - 1e-6)
            return true;
    }
    return false;
}

std::string ClipGpxPath(const std::string& clipPath)
{
    return std::filesystem::path(clipPath).replace_extension(".gpx").string();
}

std::string ClipData::WriteGpx(const std::string& clipPath, bool replace, std::string& error) const
{
    // The drive's points as one (its segments go on across the files), then those in the clip.
    std::vector<RecordingTrack> recordings;
    for (const Piece& piece : pieces_)
        recordings.push_back(piece.recording);
    std::vector<ExportPoint> points;
    for (const ExportPoint& p : ExportPoints(std::move(recordings)))
        if (InClip(p.time))
            points.push_back(p);
    if (std::none_of(points.begin(), points.end(), [](const ExportPoint& p) { return p.fix; }))
        return {};
    const std::string target = ClipGpxPath(clipPath);
    if (!replace && std::filesystem::exists(target)) {
        error = target + " exists";
        return {};
    }
    ExportOptions options;
    options.name = std::filesystem::path(clipPath).stem().string();
    if (!WriteFileSafely(target, [&](std::ostream& out) { WriteExport(out, ExportFormat::Gpx, points, options); }, error))
        return {};
    return target;
}
