#include "Clip.h"

#include <algorithm>
#include <utility>

bool IsStreamCopy(const ClipRequest& request)
{
    return request.cameras != ClipCameras::Both && !request.overlays.Any() && request.height == 0;
}

namespace {

bool Before(ClipMoment a, ClipMoment b)
{
    return a.recording != b.recording ? a.recording < b.recording : a.seconds < b.seconds;
}

}  // namespace

std::vector<ClipPiece> ClipPieces(const std::vector<ClipSource>& drive, ClipMoment from, ClipMoment to,
                                  const std::function<std::string(const std::string&)>& rearOf)
{
    if (Before(to, from))
        std::swap(from, to);
    std::vector<ClipPiece> pieces;
    const int last = std::min(to.recording, static_cast<int>(drive.size()) - 1);
    for (int r = std::max(from.recording, 0); r <= last; ++r) {
        const ClipSource& source = drive[static_cast<std::size_t>(r)];
        ClipPiece piece;
        piece.front = source.path;
        piece.rear = rearOf ? rearOf(source.path) : std::string();
        piece.from = r == from.recording ? std::clamp(from.seconds, 0.0, source.seconds) : 0.0;
        piece.to = r == to.recording ? std::clamp(to.seconds, 0.0, source.seconds) : source.seconds;
        if (piece.to > piece.from)
            pieces.push_back(std::move(piece));
    }
    return pieces;
}
