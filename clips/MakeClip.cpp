#include "Clip.h"

ClipResult MakeClip(const ClipRequest&, const ClipProgress&)
{
    ClipResult result;
    result.error = "not built yet";
    return result;
}
