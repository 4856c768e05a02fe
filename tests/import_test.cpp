#include "TestFiles.h"
#include "library/Import.h"
#include "library/MemoryListView.h"

#include <gtest/gtest.h>

namespace {

struct NameCase {
    const char* base;
    const char* extension;
    bool card;
    bool import;
};

class FrontCameraTest : public testing::TestWithParam<NameCase> {};

TEST_P(FrontCameraTest, AppliesTheNameRules)
{
    EXPECT_EQ(IsCardFrontFile(GetParam().base, GetParam().extension), GetParam().card);
    EXPECT_EQ(IsImportFrontFile(GetParam().base, GetParam().extension), GetParam().import);
}

INSTANTIATE_TEST_SUITE_P(Cases, FrontCameraTest,
                         testing::Values(NameCase{"A40101120000_0007", ".MOV", true, true},
                                         NameCase{"B40101120000_0008", ".MOV", false, false},
                                         NameCase{"A40101120000_0007", ".AVI", false, true},
                                         NameCase{"20140101_120000_007A", ".MOV", false, true},
                                         NameCase{"20140101_120000_007B", ".MOV", false, false},
                                         NameCase{"XA0101120000_0007", ".MOV", false, false},
                                         NameCase{"A0101120000_0007", ".MOV", true, false},  // 16 characters
                                         NameCase{"A", ".MOV", true, true},
                                         NameCase{"A40101120000_0007", ".MP4", true, true},
                                         NameCase{"B40101120000_0008", ".MP4", false, false},
                                         NameCase{"20260514_081500_NF", ".MP4", true, true},
                                         NameCase{"20260514_081500_NR", ".MP4", false, false},
                                         NameCase{"20260514_081500_ER", ".MP4", false, false},
                                         NameCase{"drive_F", ".MP4", true, true},
                                         NameCase{"drive_R", ".MP4", false, false},
                                         NameCase{"2026_0514_081500_001", ".MP4", true, true},  // one camera
                                         NameCase{"GH010123", ".MP4", true, true},
                                         NameCase{"20140101_120000_007B", ".MP4", false, false},
                                         NameCase{"", ".MOV", false, false}));

std::vector<std::string> Names(const CMemoryListView& view)
{
    std::vector<std::string> names;
    for (const auto& row : view.Rows())
        names.push_back(row[1]);
    return names;
}

TEST(ScanCard, FolderOrderSortingAndCardRules)
{
    TempDir card;
    for (const char* f : {"DCIM/101MEDIA/A0002.MOV", "DCIM/100MEDIA/A0009.MOV", "DCIM/100MEDIA/A0003.mov",
                          "DCIM/100MEDIA/B0003.MOV", "DCIM/100MEDIA/A0004.AVI", "DCIM/104MEDIA/A0005.MOV",
                          "DCIM/105MEDIA/A0006.MOV", "EVENT/A0007.MOV", "NORMAL/A0008.MOV"})
        WriteFile(card / f, "");
    std::filesystem::create_directories(card / "DCIM/100MEDIA/A0010.MOV");  // a folder, not a file
    CMemoryListView view;
    CRecordingList list;
    list.SetView(&view);
    ScanCard(card.Path().string(), list);
    EXPECT_EQ(Names(view), (std::vector<std::string>{"A0003.MOV", "A0009.MOV", "A0002.MOV", "A0005.MOV",
                                                     "A0008.MOV", "A0007.MOV"}));
    EXPECT_EQ(view.Rows()[5][0], " 6");
}

TEST(ImportFolder, KeepsNamesAsStoredAndAppends)
{
    TempDir dir;
    for (const char* f : {"a40101120000_0007.avi", "A40101120000_0007.MOV", "B40101120000_0008.MOV",
                          "20140101_120000_007A.mov", "notes.txt", "20140101_120000_008B.MOV"})
        WriteFile(dir / f, "");
    std::filesystem::create_directories(dir / "sub_A.MOV");
    CMemoryListView view;
    CRecordingList list;
    list.SetView(&view);
    EXPECT_EQ(ImportFolder(dir.Path().string(), list), 2);
    EXPECT_EQ(Names(view), (std::vector<std::string>{"20140101_120000_007A.mov", "A40101120000_0007.MOV"}));
    ImportFolder(dir.Path().string(), list);  // twice: listed twice
    EXPECT_EQ(list.GetCount(), 4);
    EXPECT_EQ(view.Rows()[3][0], " 4");
}

TEST(ImportFolder, MissingFolderAddsNothing)
{
    CRecordingList list;
    EXPECT_EQ(ImportFolder("/nonexistent/folder", list), 0);
    ScanCardFolder("/nonexistent/folder", list);
    EXPECT_EQ(list.GetCount(), 0);
}

TEST(FindCardRoot, FirstRemovableVolumeWithDcimWins)
{
    TempDir a, b, c;
    std::filesystem::create_directories(a / "DCIM");
    std::filesystem::create_directories(b / "DCIM");
    std::filesystem::create_directories(c / "DCIM");
    std::vector<MountedVolume> volumes = {
        {a.Path().string(), false}, {"/nonexistent", true}, {b.Path().string(), true}, {c.Path().string(), true}};
    std::string root;
    EXPECT_EQ(FindCardRoot(volumes, root), 1);
    EXPECT_EQ(root, b.Path().string());
    std::string none;
    EXPECT_EQ(FindCardRoot({{a.Path().string(), false}}, none), 0);
    EXPECT_TRUE(none.empty());
}

TEST(ListMountedVolumes, ListsTheRoot)
{
    bool root = false;
    for (const MountedVolume& v : ListMountedVolumes())
        root = root || v.root == "/";
    EXPECT_TRUE(root);
}

}  // namespace
