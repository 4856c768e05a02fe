#include "TrackCache.h"

#include "FileStamp.h"
#include "RecordingList.h"

namespace {

// What the track depends on: the recording, its side file and its folder.
std::string KeyOf(const tagFileNode& node)
{
    return node.path + '\n' + node.datPath + '\n' + TrackSourcesStamp(node.path, node.datPath);
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
