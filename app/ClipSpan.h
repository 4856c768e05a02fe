#pragma once
// The stretch of a drive a clip takes, from moments that may lie before
// their file's start or past its end (15 s around an event near a cut
// between files): carried into the files beside, and held within the drive.

#include "clips/Clip.h"

#include <functional>
#include <string>
#include <vector>

// The length, in seconds, of the drive's `index`th recording.
using RecordingLength = std::function<double(int index)>;

// `moment` with its seconds carried into the recordings before or after it
// until they fall within one; no earlier than the drive's start, no later
// than its end.
ClipMoment CarriedMoment(ClipMoment moment, int recordings, const RecordingLength& lengthOf);

// The drive as ClipPieces takes it: only the recordings from `first` to
// `last` have their lengths looked up, the others are not cut from.
std::vector<ClipSource> ClipSources(const std::vector<std::string>& drive, int first, int last,
                                    const RecordingLength& lengthOf);
