// The newer readers on small hand-made fixtures: NMEA sentences as cameras
// write them, the rule from samples to slots, freeGPS layouts, GPMF payloads
// and hostile boxes.

#include "TestFiles.h"
#include "mkrec_bytes.h"
#include "mkrec_camera.h"
#include "track/BinaryFile.h"
#include "track/CameraTracks.h"
#include "track/FreeGpsTrack.h"
#include "track/GpmfTrack.h"
#include "track/MovieIndex.h"
#include "track/NmeaFix.h"
#include "track/TimedSamples.h"

#include <cmath>
#include <cstring>
#include <gtest/gtest.h>

namespace {

struct SentenceCase {
    const char* text;
    bool found;
    bool fix;
    double latitude, longitude, knots;
};

TEST(NmeaFix, SentencesAsCamerasWriteThem)
{
    const SentenceCase cases[] = {
        {"$GPRMC,081503.00,A,4807.0380,N,01131.0000,E,13.0,20.00,140526,,,A*67", true, true, 48.1173, 11.516666667, 13.0},
        {"$GNRMC,081503.00,A,4807.038,S,01131.000,W,1.5,,140526,,,A", true, true, -48.1173, -11.516666667, 1.5},
        {"A:0.010,-0.020,0.990;GPRMC,081503,A,4807.038000,N,01131.000000,E,0,0,140526,,", true, true, 48.1173, 11.516666667, 0},
        {"$GPRMC,081503.00,V,4807.0380,N,01131.0000,E,13.0,20.00,140526,,,N", true, false, 0, 0, 0},
        {"$GPGGA,081503.00,4807.0380,N,01131.0000,E,1,08,0.9,520.4,M,47.0,M,,", true, true, 48.1173, 11.516666667, 0},
        {"$GPGGA,081503.00,4807.0380,N,01131.0000,E,0,00,99.9,,M,,M,,", true, false, 0, 0, 0},
        {"$GPRMC,081503.00,A,4807.0380,N,01131.0000,E,13.0,20.00,140526,,,A*00", false, false, 0, 0, 0},  // checksum
        {"$GPRMC,081503.00,A,4875.0380,N,01131.0000,E,13.0,20.00,140526", true, false, 0, 0, 0},  // 75 minutes
        {"$GPRMC,081503.00,A,4807.0380,X,01131.0000,E,13.0,20.00,140526", true, false, 0, 0, 0},
        {"$GPRMC", false, false, 0, 0, 0},
        {"hello;world", false, false, 0, 0, 0},
    };
    for (const SentenceCase& c : cases) {
        const auto fix = ReadNmeaFix(c.text);
        ASSERT_EQ(fix.has_value(), c.found) << c.text;
        if (!fix)
            continue;
        EXPECT_EQ(fix->fix, c.fix) << c.text;
        if (c.fix) {
            EXPECT_NEAR(fix->latitude, c.latitude, 1e-9) << c.text;
            EXPECT_NEAR(fix->longitude, c.longitude, 1e-9) << c.text;
            EXPECT_DOUBLE_EQ(fix->knots, c.knots) << c.text;
        }
    }
    // Where nothing else says the bytes are NMEA: an RMC with '$' and a right checksum only.
    for (const char* unproven : {"$GPRMC,081503.00,A,4807.0380,N,01131.0000,E,10.0,45.50,140526,,,A",
                                 "GPRMC,081503.00,A,4807.0380,N,01131.0000,E,10.0,45.50,140526,,,A*62",
                                 "$GPRMC,081503.00,A,4807.0380,N,01131.0000,E,10.0,45.50,140526,,,A*26",
                                 "$GPGGA,081503.00,4807.0380,N,01131.0000,E,1,08,0.9,520.4,M,47.0,M,,*60"})
        EXPECT_FALSE(ReadCheckedRmc(unproven)) << unproven;
    const auto proven = ReadCheckedRmc("x$GPGGA,1*00$GPRMC,081503.00,A,4807.0380,N,01131.0000,E,10.0,45.50,140526,,,A*62");
    ASSERT_TRUE(proven && proven->fix && proven->isRmc);
    EXPECT_NEAR(proven->latitude, 48.1173, 1e-9);
    const auto timed = ReadNmeaFix("$GPRMC,235959.50,A,4807.0380,N,01131.0000,E,13.0,20.00,311299,,,A");
    ASSERT_TRUE(timed);
    EXPECT_DOUBLE_EQ(timed->UnixTime(), 946684799.5);
}

GpsSample Fix(double time, double latitude)
{
    return {time, true, latitude, 11.5, 50.0, 90.0};
}

TEST(SampleSlots, LatestSampleAtOrBeforeEachSlot)
{
    TimedSamples s;
    s.gps = {Fix(0.3, 48.0), Fix(1.0, 48.1), Fix(-0.5, 47.0), Fix(3.0, 49.0)};  // the last two outside
    s.g = {{0.05, 0.1f, 0.2f, 0.3f}, {0.99, 0.5f, 0.5f, 0.5f}};
    TrackSlots track;
    AppendSampleSlots(s, 2.05, track);
    ASSERT_EQ(track.size(), 21u);  // 0.0 .. 2.0
    EXPECT_TRUE(track[0].latitude.empty());
    EXPECT_TRUE(track[2].latitude.empty());
    EXPECT_EQ(track[3].latitude, "48.000000");
    EXPECT_EQ(track[9].latitude, "48.000000");
    EXPECT_EQ(track[10].latitude, "48.100000");
    EXPECT_EQ(track[20].latitude, "48.100000");
    EXPECT_EQ(track[3].speed, 50);
    EXPECT_FLOAT_EQ(track[0].x, 0.0f);
    EXPECT_FLOAT_EQ(track[1].x, 0.1f);
    EXPECT_FLOAT_EQ(track[10].z, 0.5f);
}

TEST(SampleSlots, HoldsASampleTwoSecondsAtMost)
{
    TimedSamples s;
    s.gps = {Fix(0, 48.0), Fix(5, 48.5)};
    TrackSlots track;
    AppendSampleSlots(s, 6, track);
    ASSERT_EQ(track.size(), 60u);
    EXPECT_EQ(track[20].latitude, "48.000000");
    EXPECT_TRUE(track[21].latitude.empty());
    EXPECT_EQ(track[50].latitude, "48.500000");
}

TEST(SampleSlots, EighteenHertzAndUnknownLength)
{
    TimedSamples s;
    for (int i = 0; i < 36; ++i)
        s.gps.push_back(Fix(i / 18.0, 40.0 + i / 1000.0));
    TrackSlots track;
    AppendSampleSlots(s, 0, track);  // the length from the last sample: 2 s
    ASSERT_EQ(track.size(), 20u);
    EXPECT_EQ(track[1].latitude, "40.001000");   // 0.1 s: sample 1 at 0.0556
    EXPECT_EQ(track[19].latitude, "40.034000");  // 1.9 s: sample 34 at 1.889
}

TEST(SampleSlots, DegreeTexts)
{
    EXPECT_EQ(DecimalDegreesText(-0.5, 90), "-0.500000");
    EXPECT_EQ(DecimalDegreesText(-0.0000001, 90), "0.000000");
    EXPECT_EQ(DecimalDegreesText(179.9999996, 180), "180.000000");
    EXPECT_EQ(DecimalDegreesText(90.5, 90), "");
    EXPECT_EQ(DecimalDegreesText(NAN, 90), "");
}

void PutFloat(Bytes& b, float f)
{
    std::uint32_t bits;
    std::memcpy(&bits, &f, 4);
    PutLE32(b, bits);
}

Bytes Block(std::size_t clockAt, std::size_t statusAt, const char* status)
{
    Bytes b;
    PutBE32(b, 128);
    PutText(b, "freeGPS ");
    b.resize(clockAt, 0);
    for (std::uint32_t v : {8u, 15u, 3u, 26u, 5u, 14u})
        PutLE32(b, v);
    b.resize(statusAt, 0);
    PutText(b, status);
    b.push_back(0);
    for (float f : {4807.038f, 1131.0f, 10.0f, 45.5f})
        PutFloat(b, f);
    b.resize(128, 0);
    return b;
}

TEST(FreeGps, LayoutsByTheirBytes)
{
    const Bytes plain = Block(0x30, 0x48, "ANE");
    auto r = DecodeFreeGpsBlock(plain.data(), plain.size());
    ASSERT_TRUE(r && r->fix);
    EXPECT_NEAR(r->latitude, 48.1173, 1e-5);
    EXPECT_NEAR(r->longitude, 11.516666, 1e-5);
    EXPECT_NEAR(r->kmh, 18.52, 1e-4);
    EXPECT_FLOAT_EQ(static_cast<float>(r->course), 45.5f);
    EXPECT_FALSE(r->hasG);

    const Bytes south = Block(0x30, 0x48, "ASW");
    r = DecodeFreeGpsBlock(south.data(), south.size());
    ASSERT_TRUE(r && r->fix);
    EXPECT_LT(r->latitude, 0);
    EXPECT_LT(r->longitude, 0);

    Bytes compact = Block(0x10, 0x28, "ANE");
    for (int i = 0; i < 3; ++i)
        std::memcpy(&compact[0x3c + 4 * i], "\x80\x00\x00\x00", 4);  // 128 / 256 g
    r = DecodeFreeGpsBlock(compact.data(), compact.size());
    ASSERT_TRUE(r && r->fix && r->hasG);
    EXPECT_FLOAT_EQ(r->gz, 0.5f);

    const Bytes voidFix = Block(0x30, 0x48, "V\0\0");
    r = DecodeFreeGpsBlock(voidFix.data(), voidFix.size());
    ASSERT_TRUE(r);
    EXPECT_FALSE(r->fix);

    // Encrypted and unknown layouts are left out, never read as positions.
    Bytes unknown = Block(0x30, 0x48, "ANE");
    unknown[0x48] = 0x12;
    EXPECT_FALSE(DecodeFreeGpsBlock(unknown.data(), unknown.size()));
    Bytes badClock = Block(0x30, 0x48, "ANE");
    badClock[0x30] = 77;  // hour 77
    EXPECT_FALSE(DecodeFreeGpsBlock(badClock.data(), badClock.size()));
    EXPECT_FALSE(DecodeFreeGpsBlock(plain.data(), 91));  // shorter than any record
}

// A text block: the camera's date digits at 0x34 (or zeros), a count of
// 128 / 256 g on each axis at 0x44, then `sentences` at 0x50.
Bytes TextBlock(bool dated, const std::string& sentences)
{
    Bytes b;
    PutBE32(b, 256);
    PutText(b, "freeGPS ");
    b.resize(0x34, 0);
    if (dated)
        PutText(b, "20260514081503");
    b.resize(0x44, 0);
    for (int i = 0; i < 3; ++i)
        PutLE32(b, 128);
    b.resize(0x50, 0);
    PutText(b, sentences);
    b.resize(256, 0);
    return b;
}

struct TextBlockCase {
    bool dated;
    const char* sentences;
    bool read;
    bool fix;
    bool hasG;
    double kmh = 18.52;  // a GGA has none
};

// Without the camera's date digits, only an RMC sentence that proves itself
// by its checksum makes the bytes a text block.
TEST(FreeGps, TextBlocksWithAndWithoutTheCamerasDate)
{
    const char* rmc = "$GPRMC,081503.00,A,4807.0380,N,01131.0000,E,10.0,45.50,140526,,,A*62\r\n";
    const TextBlockCase cases[] = {
        {true, rmc, true, true, true},
        {false, rmc, true, true, false},
        {true, "$GPRMC,081503.00,A,4807.0380,N,01131.0000,E,10.0,45.50,140526,,,A\r\n", true, true, true},
        {false, "$GPRMC,081503.00,A,4807.0380,N,01131.0000,E,10.0,45.50,140526,,,A\r\n", false, false, false},
        {false, "$GPRMC,081503.00,A,4807.0380,N,01131.0000,E,10.0,45.50,140526,,,A*61\r\n", false, false, false},
        {false, "GPRMC,081503.00,A,4807.0380,N,01131.0000,E,10.0,45.50,140526,,,A*62\r\n", false, false, false},
        {false, "$GPGGA,081503.00,4807.0380,N,01131.0000,E,1,08,0.9,520.4,M,47.0,M,,*60\r\n", false, false, false},
        {true, "$GPGGA,081503.00,4807.0380,N,01131.0000,E,1,08,0.9,520.4,M,47.0,M,,\r\n", true, true, true, 0},
        {false, "$GPRMC,081503.00,V,,,,,,,140526,,,N*76\r\n", true, false, false},
        // A broken sentence first, a proven one after it: the proven one.
        {false, "$GPRMC,081503.00,A,4807.0380,N,01131.0000,E,10.0,45.50,140526,,,A*00\r\n"
                "$GPRMC,081503.00,A,4807.0380,N,01131.0000,E,10.0,45.50,140526,,,A*62\r\n", true, true, false},
        {false, "", false, false, false},
    };
    for (const TextBlockCase& c : cases) {
        const Bytes block = TextBlock(c.dated, c.sentences);
        const auto r = DecodeFreeGpsBlock(block.data(), block.size());
        ASSERT_EQ(r.has_value(), c.read) << c.dated << " " << c.sentences;
        if (!r)
            continue;
        EXPECT_EQ(r->fix, c.fix) << c.dated << " " << c.sentences;
        EXPECT_EQ(r->hasG, c.hasG) << c.dated << " " << c.sentences;
        if (c.fix) {
            EXPECT_NEAR(r->latitude, 48.1173, 1e-9);
            EXPECT_NEAR(r->longitude, 11.516666667, 1e-9);
            EXPECT_NEAR(r->kmh, c.kmh, 1e-9);
        }
    }
}

// A movie of just ftyp, moov (mvhd and an optional extra box) and `tail`.
std::string Movie(const Bytes& moovExtra, const Bytes& tail)
{
    Bytes mvhd;
    PutBE32(mvhd, 0);
    PutZeros(mvhd, 8);
    PutBE32(mvhd, 1000);
    PutBE32(mvhd, 3000);  // three seconds
    PutZeros(mvhd, 80);
    Bytes moov = Atom("mvhd", mvhd);
    PutBytes(moov, moovExtra);
    Bytes file = Atom("ftyp", Bytes{'i', 's', 'o', 'm', 0, 0, 0, 0});
    PutBytes(file, Atom("moov", moov));
    PutBytes(file, tail);
    return std::string(file.begin(), file.end());
}

Bytes GpsIndex(std::uint32_t count, const std::vector<std::pair<std::uint32_t, std::uint32_t>>& entries)
{
    Bytes b;
    PutBE32(b, 0x101);
    PutBE32(b, count);
    for (auto [offset, size] : entries) {
        PutBE32(b, offset);
        PutBE32(b, size);
    }
    return Atom("gps ", b);
}

TrackSource Load(const TempDir& dir, const std::string& bytes, TrackSlots& track)
{
    WriteFile(dir / "r.mp4", bytes);
    return LoadCameraTrack(dir / "r.mp4", false, track);
}

TEST(FreeGps, HostileIndexesAndMarks)
{
    TempDir dir;
    const Bytes block = Block(0x30, 0x48, "ANE");
    const std::string base = Movie({}, {});
    TrackSlots track;

    // Top-level blocks found without an index; the index's claims checked.
    Bytes blocks = block;
    PutBytes(blocks, block);
    EXPECT_EQ(Load(dir, Movie({}, blocks), track), TrackSource::FreeGps);
    EXPECT_EQ(track.size(), 30u);
    EXPECT_FALSE(track[10].latitude.empty());

    track.clear();
    const std::size_t tailAt = Movie(GpsIndex(0, {{0, 0}}), {}).size();
    EXPECT_EQ(Load(dir, Movie(GpsIndex(0xFFFFFFFF, {{std::uint32_t(tailAt), 128}}), block), track), TrackSource::FreeGps);
    EXPECT_EQ(track.size(), 30u);  // a count past the box's end: the one entry there

    track.clear();  // an index pointing outside the file: the blocks are searched for
    EXPECT_EQ(Load(dir, Movie(GpsIndex(1, {{0x7FFFFFF0u, 128}}), block), track), TrackSource::FreeGps);
    EXPECT_EQ(track.size(), 30u);

    track.clear();  // a mark in the file's last bytes, its block cut off
    Bytes mdat;
    PutZeros(mdat, 64);
    PutText(mdat, "freeGPS ");
    Bytes cut = Atom("mdat", mdat);
    SetBE32(cut, cut.size() - 12, 0x8000);
    EXPECT_EQ(Load(dir, Movie({}, cut), track), TrackSource::None);
    EXPECT_TRUE(track.empty());

    track.clear();  // sizes below 8 end the walk
    Bytes tiny;
    PutBE32(tiny, 4);
    PutText(tiny, "free");
    PutBytes(tiny, block);
    EXPECT_EQ(Load(dir, Movie({}, tiny), track), TrackSource::None);
}

Bytes Longs(std::initializer_list<std::int32_t> values)
{
    Bytes b;
    for (std::int32_t v : values)
        PutBE32(b, static_cast<std::uint32_t>(v));
    return b;
}

Bytes GpmfPayload(std::int32_t fix, std::int32_t scale, const std::string& gpsu = "")
{
    Bytes strm = Klv("SCAL", 'l', 4, 5, Longs({scale, scale, 1000, 1000, 100}));
    PutBytes(strm, Klv("GPSF", 'L', 4, 1, Longs({fix})));
    if (!gpsu.empty())
        PutBytes(strm, Klv("GPSU", 'U', static_cast<int>(gpsu.size()), 1, Bytes(gpsu.begin(), gpsu.end())));
    PutBytes(strm, Klv("GPS5", 'l', 20, 2, Longs({481173000, 115166666, 520000, 10000, 1000, 481174000, 115167666, 520000, 10000, 1000})));
    const Bytes devc = Klv("STRM", 0, 1, strm.size(), strm);
    return Klv("DEVC", 0, 1, devc.size(), devc);
}

// The Karma drone's own device: GLPI rows of time, position, altitudes,
// velocity and heading (TYPE LllllsssS), `rows` of them from `latitude`.
Bytes DroneDevice(const std::vector<double>& latitudes)
{
    Bytes rows;
    for (std::size_t i = 0; i < latitudes.size(); ++i) {
        PutBytes(rows, Longs({static_cast<std::int32_t>(i * 100), static_cast<std::int32_t>(std::lround(latitudes[i] * 1e7)),
                              115166666, 52000, 2000}));
        for (int v : {300, 400, 0, 9000})  // 3 m/s and 4 m/s: 18 km/h over ground
            PutBE16(rows, static_cast<std::uint32_t>(v));
    }
    Bytes strm = Klv("TYPE", 'c', 9, 1, Bytes{'L', 'l', 'l', 'l', 'l', 's', 's', 's', 'S'});
    PutBytes(strm, Klv("SCAL", 'l', 4, 9, Longs({1000, 10000000, 10000000, 1000, 1000, 100, 100, 100, 100})));
    PutBytes(strm, Klv("GLPI", '?', 28, latitudes.size(), rows));
    const Bytes devc = Klv("STRM", 0, 1, strm.size(), strm);
    return Klv("DEVC", 0, 1, devc.size(), devc);
}

struct DroneCase {
    const char* name;
    std::int32_t cameraFix;             // GPSF of the camera's GPS5
    std::vector<double> droneLatitudes;
    std::vector<double> expected;        // latitudes read, in order
    bool expectFix;
};

// The drone stands in only where the camera has no fix, and a row lying far
// from its payload's others (a damaged value) is left out.
TEST(Gpmf, KarmaDroneFixesStandInForTheCameras)
{
    const DroneCase cases[] = {
        {"camera has a fix", 3, {47.0, 47.0, 47.0}, {48.1173, 48.1174}, true},
        {"camera has none", 0, {47.0, 47.00001, 47.00002}, {47.0, 47.00001, 47.00002}, true},
        {"a stray row", 0, {47.0, 47.00001, -0.0052, 47.00003}, {47.0, 47.00001, 47.00003}, true},
        {"drone has none either", 0, {91, 91, 91}, {48.1173, 48.1174}, false},
    };
    for (const DroneCase& c : cases) {
        Bytes payload = GpmfPayload(c.cameraFix, 10000000);
        PutBytes(payload, DroneDevice(c.droneLatitudes));
        TimedSamples s;
        ASSERT_TRUE(ReadGpmfPayload(payload.data(), payload.size(), 0, 1, s)) << c.name;
        ASSERT_EQ(s.gps.size(), c.expected.size()) << c.name;
        for (std::size_t i = 0; i < s.gps.size(); ++i) {
            EXPECT_NEAR(s.gps[i].latitude, c.expected[i], 1e-7) << c.name;
            EXPECT_EQ(s.gps[i].fix, c.expectFix) << c.name;
        }
        if (c.cameraFix == 0 && c.expectFix) {
            EXPECT_NEAR(s.gps[0].kmh, 18.0, 1e-6) << c.name;
        }
    }
}

TEST(Gpmf, PayloadsAndTheirFix)
{
    TimedSamples s;
    const Bytes good = GpmfPayload(3, 10000000);
    ASSERT_TRUE(ReadGpmfPayload(good.data(), good.size(), 2.0, 1.0, s));
    ASSERT_EQ(s.gps.size(), 2u);
    EXPECT_TRUE(s.gps[0].fix);
    EXPECT_DOUBLE_EQ(s.gps[1].time, 2.5);
    EXPECT_NEAR(s.gps[0].latitude, 48.1173, 1e-9);
    EXPECT_NEAR(s.gps[0].kmh, 36.0, 1e-9);

    TimedSamples noFix;  // GPSF 0: no position, whatever the coordinates say
    const Bytes lost = GpmfPayload(0, 10000000);
    ASSERT_TRUE(ReadGpmfPayload(lost.data(), lost.size(), 0, 1, noFix));
    EXPECT_FALSE(noFix.gps.at(0).fix);

    TimedSamples zeroScale;
    const Bytes divide = GpmfPayload(3, 0);
    ASSERT_TRUE(ReadGpmfPayload(divide.data(), divide.size(), 0, 1, zeroScale));
    EXPECT_FALSE(zeroScale.gps.at(0).fix);

    TimedSamples other;  // not GPMF at all, and a repeat past the end
    const std::string text = "$GPRMC,081503.00,A,4807.0380,N";
    EXPECT_FALSE(ReadGpmfPayload(reinterpret_cast<const unsigned char*>(text.data()), text.size(), 0, 1, other));
    Bytes cut = good;
    cut.resize(cut.size() - 8);
    EXPECT_FALSE(ReadGpmfPayload(cut.data(), cut.size(), 0, 1, other));
    EXPECT_TRUE(other.Empty());
}

// ORIN says which camera axis each accelerometer channel holds; without it
// the first cameras' order, Z, X, Y, is taken. x, y and z then mean the same
// axes for every source.
TEST(Gpmf, AccelerometerAxesFollowOrin)
{
    struct Case {
        const char* orin;  // nullptr: none written
        float x, y, z;     // of the channels 1 g, 2 g, 3 g
    };
    const Case cases[] = {
        {"XYZ", 1, 2, 3}, {"ZXY", 2, 3, 1}, {"YxZ", -2, 1, 3}, {"zXy", 2, -3, -1},
        {nullptr, 2, 3, 1},  // the first cameras' order
        {"XXZ", 2, 3, 1},    // not three axes: as if none were given
        {"XY", 2, 3, 1},
    };
    for (const Case& c : cases) {
        Bytes row;
        for (int g : {1, 2, 3})
            PutBE16(row, static_cast<std::uint32_t>(std::lround(g * 9.80665 * 100)));
        Bytes scale;
        PutBE16(scale, 100);
        std::vector<Bytes> items;
        if (c.orin)
            items.push_back(Klv("ORIN", 'c', std::strlen(c.orin), 1, Bytes(c.orin, c.orin + std::strlen(c.orin))));
        items.push_back(Klv("SCAL", 's', 2, 1, scale));
        items.push_back(Klv("ACCL", 's', 6, 1, row));
        Bytes stream;
        for (const Bytes& item : items)
            PutBytes(stream, item);
        const Bytes strm = Klv("STRM", 0, 1, stream.size(), stream);
        const Bytes payload = Klv("DEVC", 0, 1, strm.size(), strm);
        TimedSamples s;
        ASSERT_TRUE(ReadGpmfPayload(payload.data(), payload.size(), 0, 1, s)) << (c.orin ? c.orin : "none");
        ASSERT_EQ(s.g.size(), 1u);
        EXPECT_NEAR(s.g[0].x, c.x, 1e-3) << (c.orin ? c.orin : "none");
        EXPECT_NEAR(s.g[0].y, c.y, 1e-3) << (c.orin ? c.orin : "none");
        EXPECT_NEAR(s.g[0].z, c.z, 1e-3) << (c.orin ? c.orin : "none");
    }
}

// GPSU dates a GPS5 payload's first fix; the others follow by their place.
TEST(Gpmf, GpsuDatesTheFixes)
{
    const struct {
        const char* gpsu;
        double utc;  // of the first fix; -1: not dated
    } cases[] = {
        {"160514081500.000", 1463213700.0},
        {"160514081500.500", 1463213700.5},
        {"161332081500.000", -1},  // no 32nd of the 13th month
        {"160514251500.000", -1},  // hour 25
        {"16-514081500.000", -1},
        {"1605140815xx.000", -1},
        {"160514", -1},            // too short
    };
    for (const auto& c : cases) {
        TimedSamples s;
        const Bytes payload = GpmfPayload(3, 10000000, c.gpsu);
        ASSERT_TRUE(ReadGpmfPayload(payload.data(), payload.size(), 2.0, 1.0, s)) << c.gpsu;
        ASSERT_EQ(s.gps.size(), 2u);
        EXPECT_DOUBLE_EQ(s.gps[0].utc, c.utc) << c.gpsu;
        EXPECT_DOUBLE_EQ(s.gps[1].utc, c.utc < 0 ? -1 : c.utc + 0.5) << c.gpsu;
    }
}

TEST(MovieIndex, BoxSizesOfEveryKind)
{
    TempDir dir;
    Bytes file = Atom("ftyp", Bytes(8, 0));
    Bytes big;  // a 64-bit size
    PutBE32(big, 1);
    PutText(big, "wide");
    PutBE32(big, 0);
    PutBE32(big, 24);
    PutZeros(big, 8);
    PutBytes(file, big);
    PutBE32(file, 0);  // runs to the end of the file
    PutText(file, "mdat");
    PutZeros(file, 100);
    WriteFile(dir / "f.mp4", std::string(file.begin(), file.end()));
    BinaryFile f(dir / "f.mp4");
    const auto boxes = ReadBoxes(f, 0, f.Size());
    ASSERT_EQ(boxes.size(), 3u);
    EXPECT_EQ(boxes[1].header, 16u);
    EXPECT_EQ(boxes[1].size, 24u);
    EXPECT_EQ(boxes[2].size, 108u);
    const auto past = ReadBoxes(f, 0, f.Size() + 1000);
    EXPECT_EQ(past.size(), 3u);
}

}  // namespace

TEST(GpsClock, DatesAndTheRecordingsStart)
{
    EXPECT_DOUBLE_EQ(UtcSeconds(2016, 5, 14, 8 * 3600 + 15 * 60), 1463213700);
    EXPECT_DOUBLE_EQ(UtcSeconds(16, 5, 14, 8 * 3600 + 15 * 60), 1463213700);  // two-digit years from 2000
    EXPECT_DOUBLE_EQ(UtcSeconds(2024, 2, 29, 0.5), 1709164800.5);
    EXPECT_EQ(UtcSeconds(2023, 2, 29, 0), -1);  // no such day
    EXPECT_EQ(UtcSeconds(2016, 13, 1, 0), -1);
    EXPECT_EQ(UtcSeconds(2016, 0, 1, 0), -1);
    EXPECT_EQ(UtcSeconds(2016, 5, 14, 90000), -1);
    TimedSamples samples;
    samples.gps.push_back({0.0, false, 0, 0, 0, 0, 1463213000});      // no fix: its date says nothing
    samples.gps.push_back({1.0, true, 48.1, 11.5, 30, 90, -1});       // undated
    samples.gps.push_back({2.5, true, 48.1, 11.5, 30, 90, 1463213702.5});
    EXPECT_DOUBLE_EQ(StartUtc(samples), 1463213700);
    samples.gps.pop_back();
    EXPECT_EQ(StartUtc(samples), -1);
    const auto rmc = ReadNmeaFix("$GPRMC,081503.00,A,4807.038,N,01131.000,E,022.4,084.4,140516,,");
    ASSERT_TRUE(rmc);
    EXPECT_DOUBLE_EQ(rmc->Sample(3).utc, 1463213703);
    const auto gga = ReadNmeaFix("$GPGGA,081503.00,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,");
    ASSERT_TRUE(gga);
    EXPECT_EQ(gga->Sample(3).utc, -1);  // GGA has no date
}
