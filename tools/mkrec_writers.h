#pragma once
// The recorder-file writers: each turns a synthetic video and a stretch of a
// route into a file laid out as a recorder lays it out.

#include "mkrec_route.h"

#include <ctime>
#include <string>

enum class MovLayout {
    Plain,     // no track inside (a side file carries it)
    Generic,   // text samples in the third track, no chip named
    A7L,       // generic layout, udta names the Ambarella A7L
    NT96650A,  // 204-byte blocks in the second track, udta names the NT96650A
    FreeGps,         // Novatek freeGPS blocks, plain record layout
    FreeGpsCompact,  // freeGPS blocks, compact layout with the accelerometer
    FreeGpsText,     // freeGPS blocks of text: the camera's date digits and NMEA sentences
    FreeGpsRmc,      // the same without the date digits
    Gpmf,            // a gpmd track of GPMF payloads with GPS5
    Gpmf9,           // the same with GPS9
    GpmfKarma,       // GPS5 without a fix, the Karma drone's GLPI beside it
    BlackVue,        // a top-level free box with gps and 3gf
    NmeaText,        // NMEA cues in a text track
    SeventyMai,      // 70mai's top-level GPS box after mdat
    DjiText,         // DJI's telemetry cues in a text track, as beside it in .SRT
};

// Where freeGPS blocks go: in mdat with moov's "gps " index, as top-level
// free boxes without an index, or in mdat without one.
enum class FreeGpsPlace { Index, FreeBoxes, MediaData };

struct RecordingSpec {
    std::string videoPath;   // made by `mkrec video`
    Route route;             // one point per second of the recording
    std::time_t start = 0;   // UTC time of the first second
    std::string keyDigits;   // eight digits 1..9
    bool gga = false;        // $GPGGA instead of $GPRMC
    int keyAt = 0;           // generic layout: index of the key sample
    FreeGpsPlace freeGpsPlace = FreeGpsPlace::Index;
    bool dollar = true;      // NMEA cues: the sentence's leading '$'
    // As cameras write while recording: mdat first, each second's video and
    // audio chunks followed by that second's data samples, moov at the end.
    bool indexLast = false;
    std::string recordingName;  // 70mai log: the video each line names
    int logYear = 0;  // a daily GPS log's stamps: the year the camera's clock writes (0: the true one)
};

// Each returns an empty text on success, else what went wrong.
std::string WriteRecorderMov(const std::string& outPath, MovLayout layout, const RecordingSpec& spec);
std::string WriteRecorderAvi(const std::string& outPath, const std::string& marker, const RecordingSpec& spec);
std::string WriteSideFile(const std::string& outPath, const RecordingSpec& spec);
// Files made to cost a reader far more than their size: `kind` is overlap,
// past-end, deep or million (see mkrec_hostile.cpp); `scale` (0: the
// default) is the seconds of GPMF, the levels of nesting or the entries.
std::string WriteHostileMov(const std::string& outPath, const std::string& kind, long scale = 0);
// Side files of today's cameras: "nmea" (plain RMC and GGA lines),
// "blackvue-gps" (stamped lines), "blackvue-3gf" (accelerometer records),
// "70mai-log" (GPSData*.txt lines naming spec.recordingName), "fit" (Garmin's
// FIT activity, dated from spec.start), "fit-compressed" (half its records
// under compressed timestamp headers), "fit-big-endian" (those big-endian),
// "daily-log" (a Novatek camera's gps/YYYYMMDD.dat lines), "dji-srt-DIALECT"
// (DJI's subtitles: bracket, longtitude, gps or gps-speed; see mkrec_camera.h).
std::string WriteCameraSideFile(const std::string& outPath, const std::string& format, const RecordingSpec& spec);

// Runs ffmpeg: testsrc2 (or testsrc for a rear camera) with a tone, H.264 and
// AAC for .mov, MJPEG and PCM for .avi.
std::string MakeSyntheticVideo(const std::string& outPath, int seconds, const std::string& size, bool rear);

struct SyntheticVideo {
    int seconds = 3;
    std::string size = "320x240";
    bool rear = false;
    bool hevc = false;          // H.265 instead of H.264 (.mov only)
    bool pcm = false;           // 16-bit PCM sound instead of AAC (.mov only)
    bool bFrames = false;       // H.264 with B-frames: pictures written out of showing order
    // The frame number burnt in: large digits to read by eye, and over the top
    // sixth of the picture 16 cells, white for a set bit (lowest bit left),
    // for a program to read from a screenshot.
    bool frameNumbers = false;
    int firstFrameNumber = 0;   // the number burnt into the first frame: files that follow each other go on counting
};
std::string MakeSyntheticVideo(const std::string& outPath, const SyntheticVideo& video);

