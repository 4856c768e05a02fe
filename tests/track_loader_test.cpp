#include "TestFiles.h"
#include "track/TrackLoader.h"

#include <gtest/gtest.h>

namespace {

std::string OneLineSideFile(const std::string& sentence, int seconds = 1)
{
    std::string text = "11111111\n";
    for (int i = 0; i < seconds; ++i)
        text += ScrambledLine("1\t2\t3\t" + sentence, 10);
    return text;
}

TEST(CTrackLoader, LookUpOutsideTheTrackGivesTheDefaultSlot)
{
    CTrackLoader loader;
    tagAssistInfo out;
    out.latitude = "x";
    out.speed = 9;
    out.x = 4;
    out.course = 123.5;
    for (int index : {-1, 0, 1}) {
        EXPECT_EQ(loader.GetAssistInfo(index, out), -1);
        EXPECT_EQ(out.latitude, "0");
        EXPECT_EQ(out.longitude, "0");
        EXPECT_EQ(out.speed, 0);
        EXPECT_EQ(out.x, 0.0f);
        EXPECT_EQ(out.course, 123.5);  // left as it was
    }
}

TEST(CTrackLoader, LooksUpLoadedSlotsAndClears)
{
    TempDir dir;
    WriteFile(dir / "a.DAT", OneLineSideFile("$GPRMC,1,A,4807.0380,N,01131.0000,E,10.0,84.4,230394", 2));
    CTrackLoader loader;
    EXPECT_EQ(loader.LoadTrack(dir / "a.DAT", dir / "a.MOV"), 20);
    tagAssistInfo out;
    EXPECT_EQ(loader.GetAssistInfo(19, out), 0);
    EXPECT_EQ(out.latitude, "48.117300");
    EXPECT_DOUBLE_EQ(out.course, 84.4);
    EXPECT_EQ(loader.GetAssistInfo(20, out), -1);
    loader.Clear();
    EXPECT_EQ(loader.GetCount(), 0);
    EXPECT_EQ(loader.GetAssistInfo(0, out), -1);
}

TEST(CTrackLoader, SecondLoadLeavesNothingOfTheFirst)
{
    TempDir dir;
    WriteFile(dir / "a.DAT", OneLineSideFile("$GPRMC,1,A,4807.0380,N,01131.0000,E,10.0,84.4,230394", 3));
    WriteFile(dir / "b.DAT", OneLineSideFile("$GPGSV,1", 1));
    CTrackLoader loader;
    loader.LoadTrack(dir / "a.DAT", dir / "a.MOV");
    EXPECT_EQ(loader.LoadTrack(dir / "b.DAT", dir / "b.MOV"), 10);
    tagAssistInfo out;
    loader.GetAssistInfo(0, out);
    EXPECT_TRUE(out.latitude.empty());
}

TEST(CTrackLoader, SideFileWinsOverTheName)
{
    TempDir dir;
    WriteFile(dir / "a.DAT", OneLineSideFile("$GPRMC,1,A,4807.0380,N,01131.0000,E,10.0,84.4,230394"));
    CTrackLoader loader;
    // No marker test for a recording with a side file, whatever its name.
    EXPECT_EQ(loader.IsSupported(dir / "a.DAT", dir / "a.AVI"), 1);
    EXPECT_EQ(loader.LoadTrack(dir / "a.DAT", dir / "a.AVI"), 10);
}

TEST(CTrackLoader, IsSupportedEmptiesTheTrack)
{
    TempDir dir;
    WriteFile(dir / "a.DAT", OneLineSideFile("$GPGSV,1"));
    CTrackLoader loader;
    loader.LoadTrack(dir / "a.DAT", dir / "a.MOV");
    ASSERT_EQ(loader.GetCount(), 10);
    loader.IsSupported("", dir / "a.MOV");
    EXPECT_EQ(loader.GetCount(), 0);
}

TEST(CTrackLoader, UnknownKindWithoutSideFileFails)
{
    CTrackLoader loader;
    EXPECT_EQ(loader.IsSupported("", "/tmp/x.MP4"), 1);
    EXPECT_EQ(loader.LoadTrack("", "/tmp/x.MP4"), -1);
    EXPECT_EQ(loader.LoadTrack("/nonexistent/x.DAT", "/tmp/x.MOV"), -1);
    EXPECT_EQ(loader.GetCount(), 0);
}

TEST(CTrackLoader, AviCaseRules)
{
    TempDir dir;
    WriteFile(dir / "plain.avi", std::string(600, 'x'));
    WriteFile(dir / "plain.AVI", std::string(600, 'x'));
    CTrackLoader loader;
    // Upper case only for the marker test; the load ignores case and finds no marker.
    EXPECT_EQ(loader.IsSupported("", dir / "plain.avi"), 1);
    EXPECT_EQ(loader.IsSupported("", dir / "plain.AVI"), 0);
    EXPECT_EQ(loader.LoadTrack("", dir / "plain.avi"), 0);
    EXPECT_EQ(loader.GetCount(), 0);
    EXPECT_EQ(loader.LoadTrack("", dir / "missing.MOV"), 0);
}

}  // namespace
