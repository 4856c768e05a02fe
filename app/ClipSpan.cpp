#include "ClipSpan.h"

#include <algorithm>

ClipMoment CarriedMoment(ClipMoment moment, int recordings, const RecordingLength& lengthOf)
{
    if (recordings <= 0)
        return {};
    moment.recording = std::clamp(moment.recording, 0, recordings - 1);
    while (moment.seconds < 0) {
        if (moment.recording == 0)
            return {0, 0.0};
        --moment.recording;
        moment.seconds += lengthOf(moment.recording);
    }
    for (double length = lengthOf(moment.recording); moment.seconds > length; length = lengthOf(moment.recording)) {
        if (moment.recording == recordings - 1)
            return {moment.recording, length};
        moment.seconds -= length;
        ++moment.recording;
    }
    return moment;
}

std::vector<ClipSource> ClipSources(const std::vector<std::string>& drive, int first, int last,
                                    const RecordingLength& lengthOf)
{
    std::vector<ClipSource> sources;
    for (std::size_t i = 0; i < drive.size(); ++i) {
        const int index = static_cast<int>(i);
        sources.push_back({drive[i], index >= first && index <= last ? lengthOf(index) : 0.0});
    }
    return sources;
}
