#include "track/Nmea.h"
#include "track/ScrambleKey.h"

#include <cstdio>
#include <gtest/gtest.h>
#include <random>

namespace {

std::string Scramble(const std::string& plain, int key)
{
    std::string out = plain;
    for (char& c : out)
        c = static_cast<char>(static_cast<unsigned char>(c) + key);
    return out;
}

struct CoordCase {
    const char* text;
    char hemisphere;
    const char* expected;
};

class NmeaCoordTest : public testing::TestWithParam<CoordCase> {};

TEST_P(NmeaCoordTest, ConvertsToDecimalText)
{
    const CoordCase& c = GetParam();
    EXPECT_EQ(NmeaCoordToText(c.text, c.hemisphere), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, NmeaCoordTest,
                         testing::Values(CoordCase{"4807.0380", 'N', "48.117300"},
                                         CoordCase{"4807.0380", 'S', "-48.117300"},
                                         CoordCase{"01131.00000", 'E', "11.5166666"},
                                         CoordCase{"01131.00000", 'W', "-11.5166666"},
                                         CoordCase{"0030.0000", 'S', "-0.500000"},
                                         CoordCase{"0030.0000", 'N', "0.500000"},
                                         CoordCase{"4807.038", 'N', ""},        // three decimals
                                         CoordCase{"4807.038000", 'N', ""},     // six decimals
                                         CoordCase{"4807", 'N', "0"},           // no point
                                         CoordCase{"99999999999999999999.1234", 'N', "21474836.785390"}));

TEST(Descramble, SubtractsKeyUpToLineEnd)
{
    std::string line = Scramble("12\t$GP", 49) + "\r\n" + Scramble("x", 49);
    Descramble(line, 49);
    EXPECT_EQ(line.substr(0, 6), "12\t$GP");
    EXPECT_EQ(line.substr(6, 2), "\r\n");
    EXPECT_NE(line[8], 'x');  // bytes after the line end stay as stored
}

TEST(Descramble, WrapsModulo256)
{
    std::string line = "\x05";
    Descramble(line, 49);
    EXPECT_EQ(static_cast<unsigned char>(line[0]), (5 - 49) & 0xFF);
}

TEST(ScrambleKey, FifthAndEighthDigitsCountTwice)
{
    EXPECT_EQ(ScrambleKey("12345678"), 49);
    EXPECT_EQ(ScrambleKey("1234x678"), 1 + 2 + 3 + 4 + 6 + 7 + 8 + 8);
}

TEST(ParseGPRMC, ReadsPositionSpeedAndCourse)
{
    std::string lat, lon;
    int speed = -1;
    double course = -1;
    ParseGPRMC("$GPRMC,123519,A,4807.0380,N,01131.00000,E,10.0,84.4,230394,003.1,W*6A", lat, lon, speed, course);
    EXPECT_EQ(lat, "48.117300");
    EXPECT_EQ(lon, "11.5166666");
    EXPECT_EQ(speed, 18);  // 10 knots x 1.85 = 18.5, truncated
    EXPECT_DOUBLE_EQ(course, 84.4);
}

TEST(ParseGPRMC, VoidFixIsReadLikeAValidOne)
{
    std::string lat, lon;
    int speed = 0;
    double course = 0;
    ParseGPRMC("$GPRMC,123519,V,4807.0380,N,01131.0000,E,1.0,10.0,230394", lat, lon, speed, course);
    EXPECT_EQ(lat, "48.117300");
    EXPECT_EQ(speed, 1);
}

struct RmcFailure {
    const char* name;
    const char* sentence;
};

class ParseGPRMCFailure : public testing::TestWithParam<RmcFailure> {};

TEST_P(ParseGPRMCFailure, LeavesOutputsAlone)
{
    std::string lat = "keep", lon = "keep";
    int speed = 7;
    double course = 7.5;
    ParseGPRMC(GetParam().sentence, lat, lon, speed, course);
    EXPECT_EQ(lat, "keep");
    EXPECT_EQ(lon, "keep");
    EXPECT_EQ(speed, 7);
    EXPECT_EQ(course, 7.5);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ParseGPRMCFailure,
    testing::Values(RmcFailure{"EmptyFieldsShift", "$GPRMC,,V,,,,,,,,,,N*53"},
                    RmcFailure{"WrongId", "$GPGSV,3,1,11,03,03,111,00,04,15,270,00,06,01,010,00,13,06,292,00*74"},
                    RmcFailure{"LongLatitude", "$GPRMC,1,A,123456789012345678901234567890123.0,N,1.0,E,1,1,1"},
                    RmcFailure{"MissingCourse", "$GPRMC,1,A,4807.0380,N,01131.0000,E,1.0"},
                    RmcFailure{"Empty", ""}),
    [](const auto& info) { return std::string(info.param.name); });

struct CourseCase {
    const char* course;
    double expected;
};

class RmcCourseTest : public testing::TestWithParam<CourseCase> {};

TEST_P(RmcCourseTest, AboveFullCircleBecomesZero)
{
    std::string lat, lon;
    int speed = 0;
    double course = -1;
    ParseGPRMC(std::string("$GPRMC,1,A,4807.0380,N,01131.0000,E,0.0,") + GetParam().course + ",230394", lat, lon,
               speed, course);
    EXPECT_EQ(course, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, RmcCourseTest,
                         testing::Values(CourseCase{"361.0", 0.0}, CourseCase{"360.0", 360.0},
                                         CourseCase{"359.9", 359.9}, CourseCase{"nan", 0.0}));

TEST(ParseGPRMC, HugeSpeedDoesNotOverflow)
{
    std::string lat, lon;
    int speed = 0;
    double course = 0;
    ParseGPRMC("$GPRMC,1,A,4807.0380,N,01131.0000,E,1e300,1,1", lat, lon, speed, course);
    EXPECT_EQ(speed, 2147483647);
}

TEST(ParseGPGGA, ReadsPositionOnly)
{
    std::string lat, lon;
    ParseGPGGA("$GPGGA,123519,4807.0380,N,01131.0000,E,1,08,0.9,545.4,M,46.9,M,,*47", lat, lon);
    EXPECT_EQ(lat, "48.117300");
    EXPECT_EQ(lon, "11.516666");
}

TEST(ParseTrackLine, AppendsTenEqualSlots)
{
    TrackSlots track;
    const std::string line = Scramble("-120\t980\t15\t$GPRMC,1,A,4807.0380,N,01131.0000,E,10.0,84.4,230394*00", 49) + "\r\n";
    EXPECT_EQ(ParseTrackLine(line.c_str(), 49, track), 0);
    ASSERT_EQ(track.size(), 10u);
    for (const auto& slot : track) {
        EXPECT_FLOAT_EQ(slot.x, -0.12f);
        EXPECT_FLOAT_EQ(slot.y, 0.98f);
        EXPECT_FLOAT_EQ(slot.z, 0.015f);
        EXPECT_EQ(slot.latitude, "48.117300");
        EXPECT_EQ(slot.speed, 18);
    }
}

TEST(ParseTrackLine, UnparsableLineStillGivesOneSecond)
{
    TrackSlots track;
    EXPECT_EQ(ParseTrackLine("garbage", 3, track), 0);
    ASSERT_EQ(track.size(), 10u);
    EXPECT_EQ(track[0].x, 0.0f);
    EXPECT_TRUE(track[0].latitude.empty());
    EXPECT_EQ(ParseTrackLine(nullptr, 3, track), -1);
    EXPECT_EQ(track.size(), 10u);
}

TEST(ParseTrackLine, GsvSentenceGivesNoPosition)
{
    TrackSlots track;
    const std::string line = Scramble("1\t2\t3\t$GPGSV,3,1,11,03,03,111,00*74", 20);
    ParseTrackLine(line.c_str(), 20, track);
    ASSERT_EQ(track.size(), 10u);
    EXPECT_FALSE(HasPosition(track[0]));
    EXPECT_FLOAT_EQ(track[0].z, 0.003f);
}

TEST(ParseTrackLine, OverlongSentenceIsCutNotOverrun)
{
    TrackSlots track;
    std::string plain = "1\t2\t3\t$GPRMC," + std::string(5000, '9');
    const std::string line = Scramble(plain, 11);
    EXPECT_EQ(ParseTrackLine(line.c_str(), 11, track), 0);
    EXPECT_EQ(track.size(), 10u);
}

}  // namespace

namespace {

// The line scanner must read exactly what sscanf reads.
TEST(ScanTrackLine, AgreesWithSscanf)
{
    const char* pieces[] = {"12", "-7", "+3", "\t", " ", "\r\n", "x", "-", "$GPRMC,1,A", "99999999999999999999",
                            "2147483648", "0", "\v", "", "-00", "$GP\tRMC"};
    std::mt19937 random(42);
    for (int round = 0; round < 20000; ++round) {
        std::string line;
        const int count = static_cast<int>(random() % 9);
        for (int i = 0; i < count; ++i)
            line += pieces[random() % (sizeof pieces / sizeof pieces[0])];
        if (random() % 50 == 0)
            line += std::string(1500, 'k');
        int x = 0, y = 0, z = 0;
        char sentence[1024] = {};
        std::sscanf(line.c_str(), "%d\t%d\t%d\t%1023s", &x, &y, &z, sentence);
        const ScannedLine scanned = ScanTrackLine(line.c_str());
        ASSERT_EQ(scanned.x, x) << line;
        ASSERT_EQ(scanned.y, y) << line;
        ASSERT_EQ(scanned.z, z) << line;
        ASSERT_EQ(std::string(scanned.sentence), std::string(sentence)) << line;
    }
}

}  // namespace
