#pragma once
// The data today's cameras keep with their recordings, built from a route:
// Novatek freeGPS blocks, GPMF payloads, BlackVue boxes and side files, NMEA
// cues for a text track and NMEA side files.

#include "mkrec_bytes.h"
#include "mkrec_writers.h"

#include <vector>

// Plain and Compact: binary records. Text: the camera's date and time as 14
// digits at 0x34, the accelerometer at 0x44, RMC and GGA sentences from 0x50.
// TextUndated: the same with zeros for the date digits.
enum class FreeGpsLayout { Plain, Compact, Text, TextUndated };

// One block per second: size, "free", "GPS ", then the record.
std::vector<Bytes> FreeGpsBlocks(const RecordingSpec& spec, FreeGpsLayout layout);
// moov's "gps " box: a version word, the count, then offset and size of each block.
Bytes FreeGpsIndex(const std::vector<std::uint32_t>& offsets, const std::vector<std::uint32_t>& sizes);

// A GPMF item: four-character key, type, structure size, repeat; the data
// padded to 32 bits. Type 0 nests items.
Bytes Klv(const char* key, char type, std::size_t structSize, std::size_t repeat, const Bytes& data);

// One GPMF payload per second: GPS5 (or GPS9) and ACCL at 10 Hz, the position
// moving in a straight line to the next second's.
std::vector<Bytes> GpmfPayloads(const RecordingSpec& spec, bool gps9);

// As a camera on GoPro's Karma drone writes them: the camera's GPS5 without
// a fix (GPSF 0, zeros), and a second device, the drone, with GLPI rows of
// its own position at 10 Hz where the route has a fix.
std::vector<Bytes> KarmaPayloads(const RecordingSpec& spec);

// BlackVue's top-level free box: sttm, "gps " (stamped NMEA lines), "3gf ".
Bytes BlackVueFreeBox(const RecordingSpec& spec);
std::string BlackVueGpsLines(const RecordingSpec& spec);
Bytes BlackVueThreeGf(const RecordingSpec& spec);

// Cues for a text track: "A:x,y,z;" then the RMC sentence, its '$' left out
// when `dollar` is false; a 16-bit length before each.
std::vector<Bytes> NmeaCues(const RecordingSpec& spec, bool dollar);

// Plain RMC and GGA lines, one pair per second.
std::string NmeaLines(const RecordingSpec& spec);

// 70mai's top-level "GPS " box: a 36-byte record a second, two zero records after.
Bytes SeventyMaiGpsBox(const RecordingSpec& spec);
// 70mai's GPSData log: "$V02", then a line a second naming spec.recordingName.
std::string SeventyMaiLogLines(const RecordingSpec& spec);

// Garmin's FIT activity: a record message a second (positions in semicircles,
// speed in mm/s); in the compressed styles half of them under compressed
// timestamp headers, their definition big-endian in the last.
enum class FitStyle { Plain, Compressed, CompressedBigEndian };
Bytes FitActivity(const RecordingSpec& spec, FitStyle style);

// A Novatek daily GPS log's lines, one a second from the recording's start
// by the camera's clock: "YYYYMMDDHHMMSS,ddmm.mmmmm,N,dddmm.mmmmm,E,knots,altitude";
// without a fix the coordinates are zeros. The stamps carry the year the
// camera's clock writes (logYear) when one is given: a clock gone wrong.
std::string DailyLogLines(const RecordingSpec& spec);

// DJI's subtitles for a recording, in one of the dialects its aircraft write:
// "bracket" ([latitude: x] [longitude: y], a cue per frame at 30 fps),
// "longtitude" ([latitude : x] [longtitude : y] (sic), per frame), "gps"
// (GPS(lon,lat,alt) with the home point, a cue a second) or "gps-speed"
// (GPS (lon, lat, alt), HOME (...), H.S m/s, a cue a second). Without a fix
// the coordinates are zeros. Empty text for an unknown dialect.
std::string DjiSrtText(const RecordingSpec& spec, const std::string& dialect);
// The "gps-speed" dialect's cues for a text track, one a second, a 16-bit
// length before each.
std::vector<Bytes> DjiCues(const RecordingSpec& spec);
