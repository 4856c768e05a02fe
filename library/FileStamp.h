#pragma once
// What says that what a track is read from has changed since it was read,
// for the caches that keep tracks and what was found in them.

#include <string>

// The file's size and modification time (to the nanosecond); "-" when it
// cannot be seen.
std::string FileStamp(const std::string& path);

// The recording, its side file (none: empty) and its folder, where side
// files come and go, in one stamp.
std::string TrackSourcesStamp(const std::string& path, const std::string& sidePath);
