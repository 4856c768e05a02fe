#pragma once
// The choice of reader for a recording without a .DAT side file, by what the
// file holds: one table of detectors, each naming the reader it stands for.

#include "AssistInfo.h"

#include <string>

enum class TrackSource {
    None,
    SideFile,   // .DAT beside the recording
    NT96650A,   // blocks in the second track
    MovText,    // scrambled lines in the third track
    Avi,        // 03gs / 04gp chunks
    FreeGps,    // Novatek freeGPS blocks
    Gpmf,       // GoPro metadata track
    BlackVue,   // free/gps and 3gf, or their side files
    NmeaTrack,  // NMEA in a text or subtitle track
    NmeaSide,   // <base>.nmea / .gps side file
    SeventyMai, // 70mai's top-level GPS box, or its GPSData*.txt logs
    Fit,        // a Garmin FIT file beside the video, matched by time
    DailyLog,   // Novatek's gps/YYYYMMDD.dat, a day's lines
    DjiSrt,     // DJI's <base>.SRT subtitles
};

const char* TrackSourceName(TrackSource source);

// Runs the detectors in order and appends the first one's track: embedded
// data found through the movie's boxes first (GPMF, BlackVue, a text track,
// 70mai's box, indexed or top-level freeGPS), then the scrambled text track
// of a recording named .MOV, then side files (BlackVue's, NMEA, 70mai's
// logs, Garmin's FIT, DJI's subtitles, the day's GPS log), and last a scan of
// mdat for freeGPS blocks. None when no detector finds its data; a reader
// that finds its data but no sample leaves the track empty.
// `startUtc`, when given, receives the UTC of the recording's time 0 by the
// GPS clock (-1 when the track dates no fix).
TrackSource LoadCameraTrack(const std::string& mediaPath, bool namedMov, TrackSlots& track, double* startUtc = nullptr);

