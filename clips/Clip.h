#pragma once
// A clip: a stretch of a drive, from one moment to another across its files,
// written as one MP4 anyone can play: one camera or both composed, with the
// time, speed, position, G values and the route drawn in, and a GPX of the
// same stretch beside it.

#include <functional>
#include <string>
#include <vector>

enum class ClipCameras { Front, Rear, Both };
enum class ClipLayout { PictureInPicture, SideBySide, Stacked };

struct ClipOverlays {
    bool time = true;      // date and time by the recording's clock (the GPS's where the track dates its fixes)
    bool speed = true;
    bool position = true;  // degrees
    bool g = false;        // the G-sensor's three values
    bool route = true;     // the clip's route, drawn from the track
    bool localTime = false;  // the time in the machine's time zone, else UTC
    bool mph = false;        // the speed in mph, else km/h

    bool Any() const { return time || speed || position || g || route; }
};

// The part of one recording (and its rear camera's file) a clip takes,
// in seconds into the files.
struct ClipPiece {
    std::string front;
    std::string rear;  // empty when the camera wrote none
    double from = 0;
    double to = 0;
};

struct ClipRequest {
    std::vector<ClipPiece> pieces;  // in drive order; a cut between them is seamless in the clip
    ClipCameras cameras = ClipCameras::Both;
    ClipLayout layout = ClipLayout::PictureInPicture;
    bool swapped = false;  // the rear camera in the large picture, as the player's Swap
    ClipOverlays overlays;
    bool sound = true;     // as recorded, or none
    int quality = kVisuallyLossless;  // the H.264 encoder's constant rate factor: lower is better
    int height = 0;        // 0: the source's; else 1080 or 720 (the large picture's height)
    std::string output;    // the MP4; the GPX goes beside it with the same name
    bool replace = false;  // whether an existing output (or its GPX) may be replaced: the caller asked

    static constexpr int kVisuallyLossless = 18;
};

// One camera without anything drawn in at its own size: its packets are
// copied, not encoded again, from the key frame at or before the start (when
// they are H.264 or HEVC, which play anywhere; others are encoded).
bool IsStreamCopy(const ClipRequest& request);

struct ClipResult {
    bool written = false;
    bool cancelled = false;
    std::string error;      // why not, in a few words
    double startUtc = -1;   // the clip's first picture, UTC seconds since 1970; -1 when unknown
    double seconds = 0;     // its length
    bool copied = false;    // the pictures copied as recorded, not encoded again
    double copiedFrom = 0;  // then: where it really starts in the first file (its key frame)
    std::string gpx;        // the GPX written beside it, empty when the track had no fix in the clip
};

// `fraction` of the work done, 0 to 1; answer false to stop. Asked often
// (every few frames), on the thread that makes the clip.
using ClipProgress = std::function<bool(double fraction)>;

// The GPX written beside a clip: its name with ".gpx" for its extension. It
// goes with the clip: an existing one is replaced only with the clip.
std::string ClipGpxPath(const std::string& clipPath);

// Makes the clip: written beside the output and renamed into place when
// whole, so that a cancelled or failed clip leaves nothing behind. Never
// replaces an input, and an existing file only when `replace` says so.
ClipResult MakeClip(const ClipRequest& request, const ClipProgress& progress = {});

// A recording of a drive: its path and length.
struct ClipSource {
    std::string path;
    double seconds = 0;
};

// A moment of the drive: the recording's place in it and the seconds into it.
struct ClipMoment {
    int recording = 0;
    double seconds = 0;
};

// The pieces from `from` to `to` (either way round) of the drive's
// recordings; `rearOf` gives a recording's rear camera file (empty: none).
std::vector<ClipPiece> ClipPieces(const std::vector<ClipSource>& drive, ClipMoment from, ClipMoment to,
                                  const std::function<std::string(const std::string&)>& rearOf);
