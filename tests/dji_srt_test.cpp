// DJI's subtitles line by line: cue times, and the position in each dialect
// DJI's aircraft have written, on small hand-made lines.

#include "track/DjiSrt.h"

#include <cmath>
#include <gtest/gtest.h>

namespace {

struct CueCase {
    const char* line;
    double start;  // -1: not a time line
};

TEST(DjiSrt, CueStarts)
{
    const CueCase cases[] = {
        {"00:00:00,000 --> 00:00:00,033", 0},
        {"00:00:01,033 --> 00:00:01,066", 1.033},
        {"01:02:03,5 --> 01:02:04,0", 3723.5},
        {"00:00:02.100 --> 00:00:02.200", 2.1},
        {"123:00:00,000 --> 123:00:01,000", 442800},
        {"00:60:00,000 --> 00:60:01,000", -1},
        {"00:00:60,000 --> 00:00:61,000", -1},
        {"00:00:01,000", -1},
        {"00:0:01,000 --> 00:00:02,000", -1},
        {"00:00:01, --> 00:00:02,000", -1},
        {"1", -1},
        {"2026-05-14 08:15:02.123", -1},
        {"", -1},
    };
    for (const CueCase& c : cases) {
        const auto start = SrtCueStart(c.line);
        EXPECT_EQ(start.has_value(), c.start >= 0) << c.line;
        if (start && c.start >= 0) {
            EXPECT_NEAR(*start, c.start, 1e-9) << c.line;
        }
    }
}

struct PositionCase {
    const char* line;
    bool marked;
    double latitude, longitude;  // NAN: not read
    double metresPerSecond;      // NAN: none
};

TEST(DjiSrt, PositionsInEachDialect)
{
    const PositionCase cases[] = {
        {"[focal_len: 24.00] [latitude: 48.137168] [longitude: 11.576131] [rel_alt: 1.300 abs_alt: 520.400] </font>", true,
         48.137168, 11.576131, NAN},
        {"[focal_len : 280] [latitude : -34.237922] [longtitude : -58.851745] [altitude: 520.400000] </font>", true,
         -34.237922, -58.851745, NAN},
        {"[latitude:48.1] [longitude:+11.5]", true, 48.1, 11.5, NAN},
        // Longitude first; the home point is not the aircraft.
        {"GPS(149.0251,-20.2533,16) BAROMETER:1.9", true, -20.2533, 149.0251, NAN},
        {"HOME(149.0251,-20.2532) 2017.08.05 14:11:51", false, NAN, NAN, NAN},
        {"F/5.6, SS 400, ISO 100, EV 0, GPS (-58.851745, -34.237922, 15), HOME (-58.847509, -34.232707, -57.98m), "
         "D 698.70m, H 85.80m, H.S 2.88m/s, V.S 0.00m/s",
         true, -34.237922, -58.851745, 2.88},
        // Marked but unreadable: a cue without a position.
        {"[latitude: nan] [longitude: inf]", true, NAN, NAN, NAN},
        {"[latitude 48.1] [longitude 11.5]", true, NAN, NAN, NAN},
        {"GPS(,,16)", true, NAN, NAN, NAN},
        {"GPS (11.5)", true, NAN, NAN, NAN},
        {"H.S 1e400m/s", false, NAN, NAN, NAN},
        {"H.S -3.00m/s", false, NAN, NAN, NAN},
        // Not a position.
        {"GPSFIX 3", false, NAN, NAN, NAN},
        {"<font size=\"28\">FrameCnt: 1, DiffTime: 33ms", false, NAN, NAN, NAN},
        {"ISO:100 Shutter:60 EV: Fnum:2.2", false, NAN, NAN, NAN},
    };
    for (const PositionCase& c : cases) {
        const DjiPositionText text = ReadDjiPositionLine(c.line);
        EXPECT_EQ(text.marked, c.marked) << c.line;
        for (auto [read, want] : {std::pair{text.latitude, c.latitude}, std::pair{text.longitude, c.longitude},
                                  std::pair{text.metresPerSecond, c.metresPerSecond}}) {
            EXPECT_EQ(read.has_value(), !std::isnan(want)) << c.line;
            if (read && !std::isnan(want)) {
                EXPECT_DOUBLE_EQ(*read, want) << c.line;
            }
        }
    }
}

}  // namespace
