#pragma once
// A clip of one camera with nothing drawn in: the recorded packets copied,
// not encoded again, from the key frame at or before the start.

#include "Clip.h"

// Whether the camera's pictures go into an MP4 as they are and play
// anywhere: H.264 and HEVC do; others (an AVI's MJPEG) are encoded instead.
bool CopiesAsRecorded(const ClipRequest& request);

ClipResult CopyClip(const ClipRequest& request, const ClipProgress& progress);
