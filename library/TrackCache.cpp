#include "TrackCache.h"

#include "RecordingList.h"

#include <filesystem>
#include <sys/stat.h>

namespace {

std::string Stamp(const std::string& path)
{
    struct stat info {};
    if (path.empty() || stat(path.c_str(), &info) != 0)
        return "-";
    return std::to_string(info.st_size) + "@" + std::to_string(info.st_mtim.tv_sec) + "." +
           std::to_string(info.st_mtim.tv_nsec);
}

// What the track depends on: the recording, its side file and its folder.
std::string KeyOf(const tagFileNode& node)
{
    const std::string folder = std::filesystem::path(node.path).parent_path().string();
    return node.path + '\n' + node.datPath + '\n' + Stamp(node.path) + '\n' + Stamp(node.datPath) + '\n' +
           Stamp(folder.empty() ? "." : folder);
}

}  // namespace

CTrackLoader TrackCache::Load(const tagFileNode& node, int* result)
{
    const std::string key = KeyOf(node);
    {
        std::lock_guard<std::mutex> hold(lock_);
        for (auto it = kept_.begin(); it != kept_.end(); ++it) {
            if (it->key != key)
                continue;
            kept_.splice(kept_.begin(), kept_, it);
            if (result)
                *result = it->result;
            return it->track;
        }
    }
    Kept fresh{key, {}, 0};
    fresh.result = LoadNodeTrack(fresh.track, node);
    if (result)
        *result = fresh.result;
    std::lock_guard<std::mutex> hold(lock_);
    kept_.push_front(fresh);
    if (kept_.size() > capacity_)
        kept_.pop_back();
    return fresh.track;
}
