#pragma once
// A clip encoded anew: the cameras composed, the overlays drawn, the
// pictures encoded as H.264 and the sound as AAC.

#include "Clip.h"

ClipResult ComposeClip(const ClipRequest& request, const ClipProgress& progress);
