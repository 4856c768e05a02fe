// Novatek's daily GPS logs line by line, the names they and the recordings
// carry, and which of them a recording takes, on small hand-made fixtures.

#include "TestFiles.h"
#include "mkrec_bytes.h"
#include "track/BinaryFile.h"
#include "track/DailyGpsLog.h"
#include "track/DatFile.h"
#include "track/MovieIndex.h"
#include "track/RecordingClock.h"
#include "track/TimedSamples.h"

#include <cmath>
#include <cstdio>
#include <gtest/gtest.h>
#include <optional>

namespace {

constexpr double kDay20240315 = 1710460800;  // 2024-03-15T00:00:00 by the camera's clock

struct NameCase {
    const char* name;
    double clock;  // -1: none
};

TEST(RecordingClock, TimeStampsInTheCamerasNames)
{
    const NameCase cases[] = {
        {"2024_0315_142501_F", kDay20240315 + 14 * 3600 + 25 * 60 + 1},
        {"2024_0315_142501_001", kDay20240315 + 14 * 3600 + 25 * 60 + 1},
        {"20240315_142501_NF", kDay20240315 + 14 * 3600 + 25 * 60 + 1},
        {"20240315-142501-000123F", kDay20240315 + 14 * 3600 + 25 * 60 + 1},
        {"DRIVE_20240315_142501_R", kDay20240315 + 14 * 3600 + 25 * 60 + 1},
        {"20240315142501", kDay20240315 + 14 * 3600 + 25 * 60 + 1},
        {"2024_0230_142501_F", -1},   // no 30 February
        {"2024_0315_242501_F", -1},   // no hour 24
        {"2024_0315_146001_F", -1},   // no minute 60
        {"120240315_142501", -1},     // nine digits before the separator
        {"20240315_1425011", -1},     // seven after it
        {"GH010017", -1},
        {"", -1},
    };
    for (const NameCase& c : cases) {
        const auto clock = NameClock(c.name);
        EXPECT_EQ(clock.has_value(), c.clock >= 0) << c.name;
        if (clock && c.clock >= 0) {
            EXPECT_DOUBLE_EQ(*clock, c.clock) << c.name;
        }
    }
}

struct LogNameCase {
    const char* name;
    double day;  // -1: not a daily log's name
};

TEST(DailyGpsLog, NamesOfTheDay)
{
    const LogNameCase cases[] = {
        {"20240315.dat", kDay20240315}, {"20240315.DAT", kDay20240315}, {"20240315.Dat", kDay20240315},
        {"20240230.dat", -1},           {"2024031.dat", -1},            {"202403150.dat", -1},
        {"20240315.nmea", -1},          {"2024_0315.dat", -1},          {"19690315.dat", -1},
        {"A4031514250.DAT", -1},
    };
    for (const LogNameCase& c : cases) {
        const auto day = DailyLogDay(c.name);
        EXPECT_EQ(day.has_value(), c.day >= 0) << c.name;
        if (day && c.day >= 0) {
            EXPECT_DOUBLE_EQ(*day, c.day) << c.name;
        }
    }
}

struct LineCase {
    const char* line;
    bool read;
    double clock;  // seconds after the log's midnight
    bool fix;
    double latitude, longitude, knots;
};

TEST(DailyGpsLog, LinesAsTheCamerasWriteThem)
{
    const LineCase cases[] = {
        {"20240315142501,4807.03800,N,01131.00000,E,13.500,520.4", true, 51901, true, 48.1173, 11.516666667, 13.5},
        {"20240315142501,4807.03800,S,01131.00000,W,0.000,520.4", true, 51901, true, -48.1173, -11.516666667, 0},
        {"20240316000003,4807.03800,N,01131.00000,E,1.0,0", true, 86403, true, 48.1173, 11.516666667, 1},  // past midnight
        // An impossible year (a reset clock, a GPS week gone round): the time of day in the log's day.
        {"20990315142501,4807.03800,N,01131.00000,E,13.5,520", true, 51901, true, 48.1173, 11.516666667, 13.5},
        {"20000101142501,4807.03800,N,01131.00000,E,13.5,520", true, 51901, true, 48.1173, 11.516666667, 13.5},
        {"20241399142501,4807.03800,N,01131.00000,E,13.5,520", true, 51901, true, 48.1173, 11.516666667, 13.5},
        // No fix: zeros, empty fields, minutes of 60, a place off the earth; the line still counts.
        {"20240315142501,0000.00000,N,00000.00000,E,0.000,0.0", true, 51901, false, 0, 0, 0},
        {"20240315142501,,,,,,", true, 51901, false, 0, 0, 0},
        {"20240315142501,4860.00000,N,01131.00000,E,13.5,520", true, 51901, false, 0, 0, 0},
        {"20240315142501,9107.03800,N,01131.00000,E,13.5,520", true, 51901, false, 0, 0, 0},
        {"20240315142501,4807.03800,X,01131.00000,E,13.5,520", true, 51901, false, 0, 0, 0},
        // A speed that is not one reads as standing still.
        {"20240315142501,4807.03800,N,01131.00000,E,-4,520", true, 51901, true, 48.1173, 11.516666667, 0},
        {"20240315142501,4807.03800,N,01131.00000,E,nan,520", true, 51901, true, 48.1173, 11.516666667, 0},
        {"20240315142501,4807.03800,N,01131.00000,E,1e9,520", true, 51901, true, 48.1173, 11.516666667, 0},
        // Not a log line.
        {"20240315142501,4807.03800,N,01131.00000,E,13.5", false, 0, false, 0, 0, 0},
        {"20240315142501,4807.03800,N,01131.00000,E,13.5,520,7", false, 0, false, 0, 0, 0},
        {"2024031514250,4807.03800,N,01131.00000,E,13.5,520", false, 0, false, 0, 0, 0},
        {"20240315246001,4807.03800,N,01131.00000,E,13.5,520", false, 0, false, 0, 0, 0},
        {"2024-0315142501,4807.03800,N,01131.00000,E,13.5,520", false, 0, false, 0, 0, 0},
        {"$GPRMC,142501.00,A,4807.0380,N,01131.0000,E,13.0,20.00,150324,,,A", false, 0, false, 0, 0, 0},
        {"34567812", false, 0, false, 0, 0, 0},  // a scrambled side file's key line
        {"", false, 0, false, 0, 0, 0},
    };
    for (const LineCase& c : cases) {
        const auto line = ReadDailyLogLine(c.line, kDay20240315);
        ASSERT_EQ(line.has_value(), c.read) << c.line;
        if (!line)
            continue;
        EXPECT_DOUBLE_EQ(line->clock, kDay20240315 + c.clock) << c.line;
        EXPECT_EQ(line->fix, c.fix) << c.line;
        EXPECT_NEAR(line->latitude, c.latitude, 1e-9) << c.line;
        EXPECT_NEAR(line->longitude, c.longitude, 1e-9) << c.line;
        EXPECT_DOUBLE_EQ(line->knots, c.knots) << c.line;
    }
}

// The scrambled side file of one recording and the day's log share the
// extension: each reader takes only its own.
TEST(DailyGpsLog, NeverTakenForTheScrambledSideFile)
{
    TempDir dir;
    const std::string log = "20240315142501,4807.03800,N,01131.00000,E,13.5,520\r\n";
    WriteFile(dir / "20240315.mp4", "");
    WriteFile(dir / "20240315.DAT", log);
    std::string datPath;
    EXPECT_EQ(FindDatFile(dir / "20240315.mp4", datPath), -1);
    EXPECT_TRUE(IsDailyGpsLog(dir / "20240315.DAT"));
    // A scrambled file of a recording named with eight digits stays its side file.
    WriteFile(dir / "20240316.mp4", "");
    WriteFile(dir / "20240316.DAT", "34567812\r\n" + ScrambledLine("1\t2\t3\t$GPRMC,,V,,,,,,,,,", 3));
    EXPECT_EQ(FindDatFile(dir / "20240316.mp4", datPath), 0);
    EXPECT_EQ(datPath, dir / "20240316.DAT");
    EXPECT_FALSE(IsDailyGpsLog(dir / "20240316.DAT"));
    // Log lines under another name are no daily log.
    WriteFile(dir / "2024_0315_142501_F.DAT", log);
    EXPECT_FALSE(IsDailyGpsLog(dir / "2024_0315_142501_F.DAT"));
}

// A movie header alone, `seconds` long.
void WriteMovieHeader(const std::string& path, std::uint32_t seconds)
{
    Bytes mvhd;
    PutBE32(mvhd, 0);
    PutZeros(mvhd, 8);
    PutBE32(mvhd, 1000);
    PutBE32(mvhd, seconds * 1000);
    PutZeros(mvhd, 80);
    const Bytes moov = Atom("moov", Atom("mvhd", mvhd));
    WriteFile(path, std::string(moov.begin(), moov.end()));
}

// A whole day's log: second s of the day at latitude 48 + s / 1e5 minutes.
std::string DayLog()
{
    std::string log;
    log.reserve(86400 * 52);
    char line[96];
    for (int s = 0; s < 86400; ++s) {
        std::snprintf(line, sizeof line, "20240315%02d%02d%02d,48%08.5f,N,01131.00000,E,10.000,520.0\r\n", s / 3600,
                      s / 60 % 60, s % 60, s / 1e5);
        log += line;
    }
    return log;
}

// A minute's recording takes its minute of a day's log, reading a little of
// it, wherever in the day the minute lies.
TEST(DailyGpsLog, AMinuteOfADayReadsLittleOfIt)
{
    TempDir dir;
    WriteFile(dir / "gps/20240315.dat", DayLog());
    const std::uint64_t logSize = std::filesystem::file_size(dir / "gps/20240315.dat");
    for (int startSecond : {0, 43200, 86340}) {
        char name[64];
        std::snprintf(name, sizeof name, "2024_0315_%02d%02d%02d_F.MP4", startSecond / 3600, startSecond / 60 % 60,
                      startSecond % 60);
        const std::string media = dir / name;
        WriteMovieHeader(media, 60);
        BinaryFile file(media);
        const MovieIndex index = ReadMovieIndex(file);
        TimedSamples samples;
        const std::uint64_t before = BinaryFile::BytesReadByAll();
        ASSERT_TRUE(ReadDailyGpsLog(media, index, samples)) << name;
        const std::uint64_t read = BinaryFile::BytesReadByAll() - before;
        EXPECT_LT(read, logSize / 16) << name;
        const std::size_t lines = startSecond + 60 < 86400 ? 61u : 60u;  // [start, start + 60], within the day
        ASSERT_EQ(samples.gps.size(), lines) << name;
        for (std::size_t i = 0; i < lines; ++i) {
            const GpsSample& g = samples.gps[i];
            EXPECT_DOUBLE_EQ(g.time, double(i)) << name;
            ASSERT_TRUE(g.fix) << name;
            EXPECT_NEAR(g.latitude, 48 + (startSecond + double(i)) / 1e5 / 60, 1e-9) << name;
        }
    }
}

}  // namespace
