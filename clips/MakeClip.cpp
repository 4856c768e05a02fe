#include "Clip.h"

#include "ClipData.h"
#include "ComposedClip.h"
#include "StreamCopy.h"
#include "library/SafeWrite.h"

#include <filesystem>

namespace {

// Why the clip may not be written to its output; empty when it may.
std::string RefusedOutput(const ClipRequest& request)
{
    if (request.pieces.empty())
        return "nothing between the marks";
    if (request.output.empty())
        return "no file to write the clip to";
    for (const ClipPiece& piece : request.pieces)
        if (SameFile(request.output, piece.front) || (!piece.rear.empty() && SameFile(request.output, piece.rear)))
            return request.output + " is one of the recordings";
    // The GPX goes with the clip: asked about together, refused together.
    for (const std::string& mine : {request.output, ClipGpxPath(request.output)})
        if (!request.replace && std::filesystem::exists(mine))
            return mine + " exists";
    return {};
}

}  // namespace

ClipResult MakeClip(const ClipRequest& request, const ClipProgress& progress)
{
    if (std::string refused = RefusedOutput(request); !refused.empty()) {
        ClipResult result;
        result.error = refused;
        return result;
    }
    return IsStreamCopy(request) && CopiesAsRecorded(request) ? CopyClip(request, progress) : ComposeClip(request, progress);
}
