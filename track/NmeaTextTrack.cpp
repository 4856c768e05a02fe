#include "NmeaTextTrack.h"

#include "BinaryFile.h"
#include "MovieIndex.h"
#include "NmeaFix.h"

#include <algorithm>
#include <array>

namespace {

constexpr std::size_t kMaxCue = 4096;

bool IsTextTrack(const MediaTrack& t)
{
    return (t.handler == "text" || t.handler == "sbtl" || t.handler == "subt") && (t.format == "text" || t.format == "tx3g");
}

}  // namespace

bool ReadNmeaTextTrack(BinaryFile& file, const MovieIndex& index, TimedSamples& out)
{
    bool found = false;
    std::array<char, kMaxCue> cue{};
    for (const MediaTrack& track : index.tracks) {
        if (!IsTextTrack(track))
            continue;
        for (const MediaSample& sample : ReadTrackSamples(file, track)) {
            std::uint16_t length = 0;
            if (out.gps.size() >= kMaxTimedSamples || !file.Seek(sample.offset) || !file.ReadBE16(length))
                continue;
            const std::size_t size = std::min<std::size_t>({std::size_t(length), std::size_t(sample.size >= 2 ? sample.size - 2u : 0u), cue.size()});
            const std::size_t got = file.Read(cue.data(), size);
            const auto fix = ReadNmeaFix(std::string_view(cue.data(), got));
            if (!fix)
                continue;
            found = true;
            out.gps.push_back(fix->Sample(sample.time));
        }
        if (found)
            return true;
    }
    return false;
}
