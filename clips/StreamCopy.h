#pragma once
// A clip of one camera with nothing drawn in: the recorded packets copied,
// not encoded again, from the key frame at or before the start.

#include "Clip.h"

ClipResult CopyClip(const ClipRequest& request, const ClipProgress& progress);
