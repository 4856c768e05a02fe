#include "ExportTrack.h"

#include <algorithm>
#include <cstdlib>

namespace {

ExportPoint PointOf(const tagAssistInfo& slot, double time)
{
    ExportPoint p;
    p.time = time;
    p.gx = slot.x;
    p.gy = slot.y;
    p.gz = slot.z;
    p.fix = HasPosition(slot);
    if (p.fix) {
        p.latitude = std::strtod(slot.latitude.c_str(), nullptr);
        p.longitude = std::strtod(slot.longitude.c_str(), nullptr);
        p.speedKmh = slot.speed;
        p.course = slot.course;
    }
    return p;
}

}  // namespace

RecordingTrack ReadRecordingTrack(const std::string& path)
{
    RecordingTrack recording;
    recording.span = DescribeRecording(path, &recording.track);
    return recording;
}

std::vector<ExportPoint> ExportPoints(std::vector<RecordingTrack> recordings)
{
    std::stable_sort(recordings.begin(), recordings.end(),
                     [](const RecordingTrack& a, const RecordingTrack& b) { return a.span.start < b.span.start; });
    std::vector<ExportPoint> points;
    int segment = -1;
    bool broken = true;  // the next fix begins a segment
    double previousEnd = 0;
    for (const RecordingTrack& r : recordings) {
        if (!points.empty() && static_cast<double>(r.span.start) - previousEnd > kSegmentGapSeconds)
            broken = true;
        previousEnd = r.span.End();
        const tagAssistInfo* before = nullptr;
        for (std::size_t i = 0; i < r.track.size(); ++i) {
            ExportPoint p = PointOf(r.track[i], static_cast<double>(r.span.start) + static_cast<double>(i) / 10);
            if (p.fix) {
                if (broken)
                    ++segment;
                broken = false;
                p.segment = segment;
                p.fresh = !before || !SameGpsSample(*before, r.track[i]);
            } else {
                broken = true;
            }
            before = &r.track[i];
            points.push_back(p);
        }
    }
    return points;
}

std::vector<std::vector<ExportPoint>> ExportSegments(const std::vector<ExportPoint>& points)
{
    std::vector<std::vector<ExportPoint>> segments;
    for (const ExportPoint& p : points) {
        if (!p.fix || !p.fresh)
            continue;
        if (segments.size() <= static_cast<std::size_t>(p.segment))
            segments.resize(static_cast<std::size_t>(p.segment) + 1);
        segments[static_cast<std::size_t>(p.segment)].push_back(p);
    }
    return segments;
}
