#pragma once
// What the track says along a clip: the moment, speed, position and G values
// under each picture, the route, and the GPX of the clip's stretch.

#include "Clip.h"
#include "ClipOutput.h"
#include "library/ExportTrack.h"

#include <optional>
#include <string>
#include <vector>

class ClipData {
public:
    // The front recordings' tracks (the camera that holds the receiver and
    // the G-sensor) for the pieces.
    explicit ClipData(const std::vector<ClipPiece>& pieces);

    // The UTC of the clip's first picture: its recording's start (by the GPS
    // clock where the track dates its fixes) and the offset; -1 when unknown.
    double StartUtc() const;
    double Seconds() const { return seconds_; }
    // The slot under the picture `clipSeconds` into the clip; null without one.
    const ExportPoint* PointAt(double clipSeconds) const;
    std::optional<ClipPlace> FirstFix() const;
    // The fixes along the clip with their time in it, in order.
    std::vector<std::pair<double, ClipPlace>> Route() const;

    // The overlay's lines for the picture `clipSeconds` into the clip.
    std::string TextAt(double clipSeconds, const ClipOverlays& overlays) const;

    // The GPX of the clip beside `clipPath` (NAME.gpx): its path, or empty
    // without a fix in the clip; `error` set when it could not be written.
    std::string WriteGpx(const std::string& clipPath, bool replace, std::string& error) const;

private:
    struct Piece {
        double clipStart = 0;  // where the piece begins in the clip
        double from = 0, to = 0;
        RecordingTrack recording;
        std::vector<ExportPoint> points;  // one a slot
    };
    const Piece* PieceAt(double clipSeconds) const;
    bool InClip(double utc) const;

    std::vector<Piece> pieces_;
    double seconds_ = 0;
};
