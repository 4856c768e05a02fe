#include "RecorderBytes.h"
#include "TestFiles.h"
#include "track/AviTrackReader.h"

#include <gtest/gtest.h>

namespace {

std::string WriteAvi(const TempDir& dir, const AviParts& parts)
{
    WriteFile(dir / "rec.AVI", AsString(BuildAvi(parts)));
    return dir / "rec.AVI";
}

Bytes Records(std::initializer_list<Bytes> records)
{
    Bytes b;
    for (const Bytes& r : records)
        PutBytes(b, r);
    return b;
}

struct MarkerCase {
    const char* name;
    std::string marker;
    std::size_t pad;
    int expected;
};

class HasMarkerTest : public testing::TestWithParam<MarkerCase> {};

TEST_P(HasMarkerTest, LooksForTheRecorderName)
{
    TempDir dir;
    AviParts p;
    p.marker = GetParam().marker;
    p.padBeforeInfo = GetParam().pad;
    CAviTrackReader reader;
    EXPECT_EQ(reader.HasMarker(WriteAvi(dir, p)), GetParam().expected);
}

// INFO list header (12) + ISFT header (8) follow the padding chunk (8 + pad):
// ISFT sits at 12 + 8 + pad + 12 = 32 + pad.
INSTANTIATE_TEST_SUITE_P(Cases, HasMarkerTest,
                         testing::Values(MarkerCase{"Brenix", "BrenixNTG-2", 0, 1},
                                         MarkerCase{"BrxNtg", "BRXNTG-", 0, 1},
                                         MarkerCase{"BrxNtd", "BRXNTD-1.0", 0, 1},
                                         MarkerCase{"Other", "Lavf59.27.100", 0, 0},
                                         MarkerCase{"LowerCase", "brxntg-", 0, 0},
                                         MarkerCase{"IsftAt506", "BRXNTG-", 474, 0},
                                         MarkerCase{"IsftAt476", "BRXNTG-", 444, 1},
                                         MarkerCase{"IsftAt508", "BRXNTG-", 476, 0}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(HasMarker, ShortOrForeignFiles)
{
    TempDir dir;
    CAviTrackReader reader;
    WriteFile(dir / "short.AVI", "RIFF\0\0\0\0AVI LIST");
    EXPECT_EQ(reader.HasMarker(dir / "short.AVI"), 0);
    Bytes wave = BuildAvi({});
    std::copy_n("WAVE", 4, wave.begin() + 8);
    WriteFile(dir / "wave.AVI", AsString(wave));
    EXPECT_EQ(reader.HasMarker(dir / "wave.AVI"), 0);
    EXPECT_EQ(reader.HasMarker(dir / "missing.AVI"), 0);
}

TEST(AviLoadTrack, GSensorTimesSetTheSlotCount)
{
    TempDir dir;
    const std::uint32_t times[] = {0, 50, 100, 250};
    const std::size_t expected[] = {0, 0, 1, 2};
    for (std::size_t n = 1; n <= 4; ++n) {
        AviParts p;
        Bytes chunk;
        for (std::size_t i = 0; i < n; ++i)
            PutBytes(chunk, GSensorRecordBytes(times[i], static_cast<std::int16_t>(i), 0, 0));
        p.gsensorChunks = {chunk};
        CAviTrackReader reader;
        TrackSlots track;
        reader.LoadTrack(WriteAvi(dir, p), track);
        EXPECT_EQ(track.size(), expected[n - 1]) << n << " records";
        if (n == 4) {
            EXPECT_FLOAT_EQ(track[0].x, static_cast<float>(2 / 1000.0 * double(3.91f)));
            EXPECT_FLOAT_EQ(track[1].x, static_cast<float>(3 / 1000.0 * double(3.91f)));
        }
    }
}

TEST(AviLoadTrack, ConvertsGSensorRecords)
{
    TempDir dir;
    AviParts p;
    p.gsensorChunks = {GSensorRecordBytes(100, 256, -256, 1000, -7, 200)};
    CAviTrackReader reader;
    TrackSlots track;
    reader.LoadTrack(WriteAvi(dir, p), track);
    ASSERT_EQ(track.size(), 1u);
    EXPECT_FLOAT_EQ(track[0].x, static_cast<float>(256 / 1000.0 * 3.9100000858306885));
    EXPECT_FLOAT_EQ(track[0].y, -track[0].x);
    EXPECT_FLOAT_EQ(track[0].aux, 20.5f);  // -7 / 2 + 24
    EXPECT_EQ(track[0].status, 200u);
    EXPECT_TRUE(track[0].latitude.empty());
}

TEST(AviLoadTrack, TimeGoingBackwardsRepeatsSlots)
{
    TempDir dir;
    AviParts p;
    p.gsensorChunks = {Records({GSensorRecordBytes(300, 1, 0, 0), GSensorRecordBytes(100, 2, 0, 0),
                                GSensorRecordBytes(200, 3, 0, 0)})};
    CAviTrackReader reader;
    TrackSlots track;
    reader.LoadTrack(WriteAvi(dir, p), track);
    EXPECT_EQ(track.size(), 4u);  // 3, then none (prev drops to 1), then one more
}

TEST(AviLoadTrack, GpsRecordFillsItsSecond)
{
    TempDir dir;
    AviParts p;
    Bytes g;
    for (int i = 1; i <= 30; ++i)
        PutBytes(g, GSensorRecordBytes(static_cast<std::uint32_t>(i * 100), 5, 0, 0));
    p.gsensorChunks = {g};
    p.gpsChunks = {Records({GpsRecordBytes(0, 0, 0), GpsRecordBytes(5000, 5000, 0),
                            GpsRecordBytes(48070380, 11310000, 1099), GpsRecordBytes(48070380, 11310000, 500)})};
    CAviTrackReader reader;
    TrackSlots track;
    reader.LoadTrack(WriteAvi(dir, p), track);
    ASSERT_EQ(track.size(), 30u);
    EXPECT_EQ(track[0].latitude, "0");
    EXPECT_EQ(track[19].latitude, "0");
    for (int k = 20; k < 30; ++k) {
        EXPECT_EQ(track[k].latitude, "48.117300");
        EXPECT_EQ(track[k].longitude, "11.516666");
        EXPECT_EQ(track[k].speed, 18);  // 10 whole knots
        EXPECT_FLOAT_EQ(track[k].x, track[0].x);
    }
    EXPECT_EQ(reader.GpsRecords().size(), 4u);
}

TEST(AviLoadTrack, WithoutGSensorNothingIsFilled)
{
    TempDir dir;
    AviParts p;
    p.gpsChunks = {GpsRecordBytes(48070380, 11310000, 1000)};
    CAviTrackReader reader;
    TrackSlots track;
    reader.LoadTrack(WriteAvi(dir, p), track);
    EXPECT_TRUE(track.empty());
}

TEST(AviLoadTrack, WithoutMarkerNothingIsRead)
{
    TempDir dir;
    AviParts p;
    p.marker = "Lavf";
    p.gsensorChunks = {GSensorRecordBytes(500, 1, 1, 1)};
    CAviTrackReader reader;
    TrackSlots track;
    reader.LoadTrack(WriteAvi(dir, p), track);
    EXPECT_TRUE(track.empty());
    EXPECT_TRUE(reader.GSensorRecords().empty());
}

TEST(AviLoadTrack, PartialRecordsAreIgnored)
{
    TempDir dir;
    AviParts p;
    Bytes chunk = Records({GSensorRecordBytes(100, 1, 1, 1), GSensorRecordBytes(200, 1, 1, 1)});
    chunk.resize(chunk.size() + 9, 0);
    p.gsensorChunks = {chunk};
    CAviTrackReader reader;
    TrackSlots track;
    reader.LoadTrack(WriteAvi(dir, p), track);
    EXPECT_EQ(reader.GSensorRecords().size(), 2u);
}

// Index entries are patched after building: offsets and lengths that lie.
TEST(AviLoadTrack, HostileIndexEntries)
{
    TempDir dir;
    AviParts p;
    p.gsensorChunks = {Records({GSensorRecordBytes(100, 1, 1, 1), GSensorRecordBytes(200, 1, 1, 1)})};
    const Bytes good = BuildAvi(p);
    const std::size_t idx = AsString(good).find("idx1");
    ASSERT_NE(idx, std::string::npos);
    struct Patch {
        std::size_t at;
        std::uint32_t value;
    };
    for (Patch patch : {Patch{idx + 8 + 8, 0xFFFFFFF0u}, Patch{idx + 8 + 12, 0xFFFFFFFFu}, Patch{idx + 4, 0xFFFFFFF0u},
                        Patch{idx + 8 + 8, 0u}}) {
        Bytes bad = good;
        for (int i = 0; i < 4; ++i)
            bad[patch.at + i] = static_cast<std::uint8_t>(patch.value >> (8 * i));
        WriteFile(dir / "bad.AVI", AsString(bad));
        CAviTrackReader reader;
        TrackSlots track;
        reader.LoadTrack(dir / "bad.AVI", track);
        EXPECT_LE(track.size(), kMaxTrackSlots);
    }
}

TEST(AviLoadTrack, HugeTimeIsCapped)
{
    TempDir dir;
    AviParts p;
    p.gsensorChunks = {GSensorRecordBytes(0xFFFFFFFF, 1, 1, 1)};
    CAviTrackReader reader;
    TrackSlots track;
    reader.LoadTrack(WriteAvi(dir, p), track);
    EXPECT_EQ(track.size(), kMaxTrackSlots);
}

// Cut into its index (at the end of the file), a recording keeps the
// G-sensor chunks whose entries are still whole: here two of five.
TEST(AviLoadTrack, TruncatedFileKeepsWhatWasRead)
{
    TempDir dir;
    AviParts p;
    for (int chunk = 0; chunk < 5; ++chunk) {
        Bytes g;
        for (int i = 1; i <= 10; ++i)
            PutBytes(g, GSensorRecordBytes(static_cast<std::uint32_t>((chunk * 10 + i) * 100), 5, 0, 0));
        p.gsensorChunks.push_back(g);
    }
    Bytes file = BuildAvi(p);
    constexpr std::size_t kEntry = 16;
    file.resize(file.size() - 2 * kEntry - kEntry / 2);  // two and a half entries lost
    WriteFile(dir / "cut.AVI", AsString(file));
    CAviTrackReader reader;
    TrackSlots track;
    reader.LoadTrack(dir / "cut.AVI", track);
    ASSERT_EQ(track.size(), 20u);
    EXPECT_FLOAT_EQ(track.back().x, static_cast<float>(5 / 1000.0 * double(3.91f)));
}

struct PackedCase {
    std::int32_t value;
    const char* text;
};

class PackedCoordTest : public testing::TestWithParam<PackedCase> {};

TEST_P(PackedCoordTest, Converts)
{
    EXPECT_EQ(CAviTrackReader::PackedCoordToText(GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Cases, PackedCoordTest,
                         testing::Values(PackedCase{48070380, "48.117300"}, PackedCase{35412000, "35.686666"},
                                         PackedCase{10000, "0"}, PackedCase{10001, "0.016668"}, PackedCase{0, "0"},
                                         PackedCase{-48070380, "0"}, PackedCase{2147483647, "2147.806078"}));

}  // namespace
