#include "TrackLoader.h"

#include "DatFile.h"
#include "MovTrack.h"

#include <cctype>

namespace {

std::string LastThree(const std::string& path)
{
    return path.size() >= 3 ? path.substr(path.size() - 3) : path;
}

std::string Upper(std::string text)
{
    for (char& c : text)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

}  // namespace

int CTrackLoader::GetAssistInfo(int index, tagAssistInfo& out) const
{
    if (index >= 0 && index < GetCount()) {
        out = track_[static_cast<std::size_t>(index)];
        return 0;
    }
    out.latitude = "0";
    out.longitude = "0";
    out.x = out.y = out.z = out.aux = 0.0f;
    out.status = 0;
    out.speed = 0;
    return -1;
}

int CTrackLoader::IsSupported(const std::string& datPath, const std::string& mediaPath)
{
    Clear();
    if (datPath.empty() && LastThree(mediaPath) == "AVI")
        return aviReader_.HasMarker(mediaPath);
    return 1;
}

int CTrackLoader::LoadNT96650ATrack(const std::string& mediaPath)
{
    Clear();
    source_ = TrackSource::NT96650A;
    return ::LoadNT96650ATrack(mediaPath, track_);
}

int CTrackLoader::LoadTrack(const std::string& datPath, const std::string& mediaPath)
{
    Clear();
    if (!datPath.empty()) {
        source_ = TrackSource::SideFile;
        return LoadDatFile(datPath, track_);
    }
    const std::string kind = Upper(LastThree(mediaPath));
    if (kind == "AVI") {
        source_ = TrackSource::Avi;
        aviReader_.LoadTrack(mediaPath, track_);
        return 0;
    }
    source_ = LoadCameraTrack(mediaPath, kind == "MOV", track_, &startUtc_);
    return kind == "MOV" || source_ != TrackSource::None ? 0 : -1;
}
