#pragma once
// The tracks of the recordings opened lately. A drive played through opens
// each recording again at every cut, and the window reads the same drive's
// tracks for the map and the exports: a file that has not changed since (its
// size and time, and its folder's, where side files come and go) is not
// read again. Safe to use from several threads.

#include "FileNode.h"
#include "track/TrackLoader.h"

#include <list>
#include <mutex>
#include <string>

class TrackCache {
public:
    explicit TrackCache(std::size_t capacity = 32) : capacity_(capacity) {}

    // `node`'s track as LoadNodeTrack reads it, and its result.
    CTrackLoader Load(const tagFileNode& node, int* result = nullptr);

private:
    struct Kept {
        std::string key;
        CTrackLoader track;
        int result = 0;
    };
    std::mutex lock_;
    std::list<Kept> kept_;  // the latest first
    std::size_t capacity_;
};
