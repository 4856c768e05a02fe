#include "RecorderBytes.h"
#include "TestFiles.h"
#include "library/MemoryListView.h"
#include "library/RecordingList.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <utime.h>

namespace {

std::string MovWithCreation(std::uint32_t creation, const std::string& chip = "")
{
    MovParts p;
    p.creation = creation;
    if (!chip.empty()) {
        Bytes payload;
        PutZeros(payload, 4);
        PutText(payload, chip);
        p.udta = Atom("NVTK", payload);
    }
    return AsString(BuildMov(p));
}

class ScopedTimeZone {
public:
    explicit ScopedTimeZone(const char* zone)
    {
        const char* old = std::getenv("TZ");
        had_ = old != nullptr;
        if (had_)
            old_ = old;
        setenv("TZ", zone, 1);
        tzset();
    }
    ~ScopedTimeZone()
    {
        had_ ? setenv("TZ", old_.c_str(), 1) : unsetenv("TZ");
        tzset();
    }

private:
    bool had_ = false;
    std::string old_;
};

TEST(ReadMovHeader, CreationTimeIsShownInUtcWhateverTheZone)
{
    TempDir dir;
    WriteFile(dir / "A.MOV", MovWithCreation(0xCB78A8BF));
    for (const char* zone : {"UTC0", "America/New_York", "Asia/Tokyo"}) {
        ScopedTimeZone tz(zone);
        CRecordingList list;
        list.AddFile(dir / "A.MOV", "", ".MOV");
        tagFileNode node;
        ASSERT_EQ(list.GetNode(0, node), 0);
        EXPECT_EQ(node.timeText, "05:06:07 03-04-2012") << zone;
    }
}

TEST(ReadMovHeader, UnreadableFileShowsTheZeroTime)
{
    CRecordingList list;
    list.AddFile("/nonexistent/folder/A0001.MOV", "", ".MOV");
    tagFileNode node;
    list.GetNode(0, node);
    EXPECT_EQ(node.timeText, "00:00:00 01-00-1900");
    EXPECT_EQ(node.name, "A0001.MOV");
    EXPECT_EQ(node.isProtected, 0);
}

TEST(CRecordingList, OtherKindsUseTheLocalWriteTime)
{
    TempDir dir;
    WriteFile(dir / "A0001.mov", MovWithCreation(0xCB78A8BF));
    struct utimbuf times {1330837567, 1330837567};
    utime((dir / "A0001.mov").c_str(), &times);
    ScopedTimeZone tz("JST-9");
    CRecordingList list;
    list.AddFile(dir / "A0001.mov", "A0001.mov", ".mov");  // lower case: not the movie header
    tagFileNode node;
    list.GetNode(0, node);
    EXPECT_EQ(node.timeText, "14:06:07 03-04-2012");
}

TEST(CRecordingList, RowsMirrorNodesWithProtectionMarks)
{
    TempDir dir;
    WriteFile(dir / "A1.MOV", MovWithCreation(0));
    WriteFile(dir / "A2.MOV", MovWithCreation(0));
    WriteFile(dir / "A3.MOV", MovWithCreation(0));
    chmod((dir / "A3.MOV").c_str(), 0444);
    CMemoryListView view;
    CRecordingList list;
    list.SetView(&view);
    for (const char* name : {"A1.MOV", "A2.MOV", "A3.MOV"})
        list.AddFile(dir / name, "", ".MOV");
    ASSERT_EQ(view.Rows().size(), 3u);
    EXPECT_EQ(view.Rows()[1][0], " 2");
    EXPECT_EQ(view.Rows()[2][0], "*3");
    EXPECT_EQ(view.Rows()[2][1], "A3.MOV");
    // A zero creation field wraps in 32 bits, as the recorders compute it.
    EXPECT_EQ(view.Rows()[2][2], "06:28:16 02-06-2040");
    list.RemoveAll();
    EXPECT_EQ(list.GetCount(), 0);
    EXPECT_TRUE(view.Rows().empty());
}

TEST(CRecordingList, GetNodeOutsideTheListLeavesOutAlone)
{
    CRecordingList list;
    list.AddFile("/nonexistent/A0001.AVI", "shown", ".AVI");
    tagFileNode node;
    node.name = "untouched";
    EXPECT_EQ(list.GetNode(-1, node), -1);
    EXPECT_EQ(list.GetNode(1, node), -1);
    EXPECT_EQ(node.name, "untouched");
    EXPECT_EQ(list.GetNode(0, node), 0);
    EXPECT_EQ(node.name, "shown");
    EXPECT_TRUE(node.timeText.empty());  // attributes unreadable
}

TEST(CRecordingList, SideFileMeansNoChipIdentification)
{
    TempDir dir;
    WriteFile(dir / "20140101_120000_007A.MOV", MovWithCreation(0, "NT96650A"));
    WriteFile(dir / "20140101_120100_009A.MOV", MovWithCreation(0, "NT96650A"));
    WriteFile(dir / "gps/20140101_120100_009A.DAT", "11111111\n");
    CRecordingList list;
    list.AddFile(dir / "20140101_120000_007A.MOV", "", ".MOV");
    list.AddFile(dir / "20140101_120100_009A.MOV", "", ".MOV");
    tagFileNode plain, withSide;
    list.GetNode(0, plain);
    list.GetNode(1, withSide);
    EXPECT_EQ(plain.isNT96650A, 1);
    EXPECT_TRUE(plain.datPath.empty());
    EXPECT_EQ(withSide.isNT96650A, 0);
    EXPECT_EQ(withSide.datPath, dir / "gps/20140101_120100_009A.DAT");
}

TEST(GetFileName, KeepsTheLastNonEmptyPiece)
{
    EXPECT_EQ(GetFileName("/card/DCIM/A1.MOV"), "A1.MOV");
    EXPECT_EQ(GetFileName("/card/DCIM/"), "DCIM");
    EXPECT_EQ(GetFileName("A1.MOV"), "A1.MOV");
    EXPECT_EQ(GetFileName(""), "");
}

}  // namespace

// A file reached by several paths is one recording: listing it twice made
// every export of its drive write each point twice, with time going back.
TEST(CRecordingList, ListsEachFileOnce)
{
    TempDir dir;
    WriteFile(dir / "rec/A1.MOV", MovWithCreation(0));
    WriteFile(dir / "rec/A2.MOV", MovWithCreation(0));
    std::filesystem::create_symlink(dir / "rec", dir / "link");
    CMemoryListView view;
    CRecordingList list;
    list.SetView(&view);
    EXPECT_EQ(list.AddFile(dir / "rec/A1.MOV", "", ".MOV"), 0);
    for (const std::string& again : {dir / "rec/A1.MOV", dir / "rec/./A1.MOV", dir / "rec/../rec/A1.MOV",
                                     dir / "link/A1.MOV", dir / "rec//A1.MOV"})
        EXPECT_EQ(list.AddFile(again, "", ".MOV"), 1) << again;
    EXPECT_EQ(list.AddFile(dir / "link/A2.MOV", "", ".MOV"), 0);
    EXPECT_EQ(list.GetCount(), 2);
    EXPECT_EQ(view.Rows().size(), 2u);
    EXPECT_EQ(list.IndexOf(dir / "rec/A2.MOV"), 1);
    EXPECT_EQ(list.IndexOf(dir / "rec/A3.MOV"), -1);
    list.RemoveAll();
    EXPECT_EQ(list.AddFile(dir / "rec/A1.MOV", "", ".MOV"), 0);  // a cleared list takes it again
}

// A recording the damage check finds wrong is listed with its note and left
// out of what can make a drive; one inserted between rows moves the rows
// after it, their numbers and their places following.
TEST(CRecordingList, DamagedRowsAreMarkedAndInsertedRowsRenumbered)
{
    TempDir dir;
    for (const char* name : {"A1.MOV", "A2.MOV", "A3.MOV", "A1.repaired.MOV"})
        WriteFile(dir / name, MovWithCreation(0));
    chmod((dir / "A3.MOV").c_str(), 0444);
    CMemoryListView view;
    CRecordingList list;
    list.SetView(&view);
    list.SetDamageCheck([](const std::string& path) { return path.ends_with("A1.MOV") ? "no index" : ""; });
    for (const char* name : {"A1.MOV", "A2.MOV", "A3.MOV"})
        list.AddFile(dir / name, "", ".MOV");
    EXPECT_EQ(view.Damage(), (std::vector<std::string>{"no index", "", ""}));
    EXPECT_EQ(list.UndamagedPaths(), (std::vector<std::string>{dir / "A2.MOV", dir / "A3.MOV"}));

    ASSERT_TRUE(list.Insert(1, FileNodeOf(dir / "A1.repaired.MOV")));
    EXPECT_FALSE(list.Insert(0, FileNodeOf(dir / "A1.repaired.MOV")));  // listed once
    const std::vector<std::pair<std::string, std::string>> rows = {
        {" 1", "A1.MOV"}, {" 2", "A1.repaired.MOV"}, {" 3", "A2.MOV"}, {"*4", "A3.MOV"}};
    ASSERT_EQ(view.Rows().size(), rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(view.Rows()[i][0], rows[i].first) << i;
        EXPECT_EQ(view.Rows()[i][1], rows[i].second) << i;
        EXPECT_EQ(list.IndexOf(dir / rows[i].second), static_cast<int>(i)) << rows[i].second;
    }
    EXPECT_EQ(view.Damage(), (std::vector<std::string>{"no index", "", "", ""}));
}
