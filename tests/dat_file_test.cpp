#include "TestFiles.h"
#include "track/DatFile.h"
#include "track/TrackLoader.h"

#include <gtest/gtest.h>

namespace {

const char* kRmc = "$GPRMC,1,A,4807.0380,N,01131.0000,E,10.0,84.4,230394*00";

std::string SideFile(const std::string& header, int key, int seconds)
{
    std::string text = header + "\r\n";
    for (int i = 0; i < seconds; ++i)
        text += ScrambledLine(std::to_string(i) + "\t0\t1000\t" + kRmc, key);
    return text;
}

// Where the side file of A0001.MOV is looked for: beside it first, then in
// its gps folder, whatever the names' case.
struct SideFileCase {
    const char* name;
    std::vector<std::string> files;  // beside the recording
    const char* found;
};

class FindDatFileTest : public testing::TestWithParam<SideFileCase> {};

TEST_P(FindDatFileTest, FindsTheSideFile)
{
    TempDir dir;
    WriteFile(dir / "A0001.MOV", "");
    for (const std::string& file : GetParam().files)
        WriteFile(dir / file, "");
    std::string datPath;
    EXPECT_EQ(FindDatFile(dir / "A0001.MOV", datPath), 0);
    EXPECT_EQ(datPath, dir / GetParam().found);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FindDatFileTest,
    testing::Values(SideFileCase{"BesideTheRecordingFirst", {"A0001.DAT", "gps/A0001.DAT"}, "A0001.DAT"},
                    SideFileCase{"ThenInTheGpsFolder", {"gps/A0001.DAT"}, "gps/A0001.DAT"},
                    SideFileCase{"CaseChangedNames", {"GPS/a0001.dat"}, "GPS/a0001.dat"},
                    SideFileCase{"CaseChangedBeside", {"a0001.Dat", "gps/A0001.DAT"}, "a0001.Dat"}),
    [](const testing::TestParamInfo<SideFileCase>& info) { return std::string(info.param.name); });

TEST(FindDatFile, NoticesFilesAddedAfterALookUp)
{
    TempDir dir;
    std::string datPath;
    EXPECT_EQ(FindDatFile(dir / "A0001.MOV", datPath), -1);
    WriteFile(dir / "a0001.Dat", "");
    EXPECT_EQ(FindDatFile(dir / "A0001.MOV", datPath), 0);
    EXPECT_EQ(datPath, dir / "a0001.Dat");
}

TEST(FindDatFile, MissingAndShortPaths)
{
    TempDir dir;
    std::string datPath;
    EXPECT_EQ(FindDatFile(dir / "A0001.MOV", datPath), -1);
    EXPECT_TRUE(datPath.empty());
    EXPECT_EQ(FindDatFile("a/b.MOV", datPath), 0);  // 7 characters: no side file looked for
    EXPECT_TRUE(datPath.empty());
}

TEST(LoadDatFile, ReadsOneSecondPerLine)
{
    TempDir dir;
    WriteFile(dir / "t.DAT", SideFile("12345678 GPS", 49, 3));
    TrackSlots track;
    EXPECT_EQ(LoadDatFile(dir / "t.DAT", track), 30);
    EXPECT_FLOAT_EQ(track[0].x, 0.0f);
    EXPECT_FLOAT_EQ(track[10].x, 0.001f);
    EXPECT_FLOAT_EQ(track[29].x, 0.002f);
    EXPECT_FLOAT_EQ(track[29].z, 1.0f);
    EXPECT_EQ(track[29].latitude, "48.117300");
    EXPECT_EQ(track[29].speed, 18);
}

struct HeaderCase {
    const char* header;
    int slots;
};

class DatHeaderTest : public testing::TestWithParam<HeaderCase> {};

TEST_P(DatHeaderTest, OnlyEightNonZeroDigitsOpenTheFile)
{
    TempDir dir;
    WriteFile(dir / "t.DAT", SideFile(GetParam().header, 49, 2));
    TrackSlots track;
    EXPECT_EQ(LoadDatFile(dir / "t.DAT", track), GetParam().slots);
}

INSTANTIATE_TEST_SUITE_P(Cases, DatHeaderTest,
                         testing::Values(HeaderCase{"12345678", 20}, HeaderCase{"20131015", 0},
                                         HeaderCase{"1234567", 0}, HeaderCase{"1234a678", 0},
                                         HeaderCase{"", 0}));

TEST(LoadDatFile, EmptyAndMissingFiles)
{
    TempDir dir;
    WriteFile(dir / "empty.DAT", "");
    TrackSlots track;
    EXPECT_EQ(LoadDatFile(dir / "empty.DAT", track), 0);
    EXPECT_EQ(LoadDatFile(dir / "missing.DAT", track), -1);
}

TEST(LoadDatFile, LongLinesAreReadInPieces)
{
    TempDir dir;
    // 2500 bytes then CR LF: pieces of 1023, 1023 and 456 bytes (the last with CR LF).
    WriteFile(dir / "t.DAT", "11111111\n" + std::string(2500, 'z') + "\r\n");
    TrackSlots track;
    EXPECT_EQ(LoadDatFile(dir / "t.DAT", track), 30);
}

TEST(LoadDatFile, LineWithoutEndIsStillRead)
{
    TempDir dir;
    std::string text = SideFile("11111111", 10, 1);
    text.resize(text.size() - 2);
    WriteFile(dir / "t.DAT", text);
    TrackSlots track;
    EXPECT_EQ(LoadDatFile(dir / "t.DAT", track), 10);
    EXPECT_EQ(track[0].latitude, "48.117300");
}

TEST(LoadDatFile, TrackIsCappedAtADay)
{
    TempDir dir;
    // A file of empty lines would otherwise ask ten slots per byte.
    WriteFile(dir / "t.DAT", "11111111\n" + std::string(kMaxTrackSlots / 10 + 500, '\n'));
    TrackSlots track;
    EXPECT_EQ(LoadDatFile(dir / "t.DAT", track), static_cast<int>(kMaxTrackSlots));
}

}  // namespace
