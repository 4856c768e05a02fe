#include "TestFiles.h"
#include "library/Drives.h"
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
                                         NameCase{"A40101120000_0007.repaired", ".MOV", true, true},
                                         NameCase{"B40101120000_0008.repaired", ".MOV", false, false},
                                         NameCase{"20140101_120000_007A.REPAIRED", ".MOV", false, true},
                                         NameCase{"20140101_120000_007B.repaired", ".MOV", false, false},
                                         NameCase{"20240101_120000_NF.repaired", ".MP4", true, true},
                                         NameCase{"20240101_120000_NR.repaired", ".MP4", false, false},
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
    // Again, and by another path to the same folder: nothing new.
    EXPECT_EQ(ImportFolder(dir.Path().string(), list), 0);
    EXPECT_EQ(ImportFolder((dir.Path() / "sub_A.MOV" / "..").string(), list), 0);
    EXPECT_EQ(list.GetCount(), 2);
    EXPECT_EQ(view.Rows().size(), 2u);
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

// A fake kernel device tree: a block device (and its partition) at the place
// its bus gives it, with its removable flag, linked from class/block.
void FakeBlockDevice(const TempDir& sys, const std::string& busPath, const std::string& disk, const std::string& part,
                     int removable)
{
    namespace fs = std::filesystem;
    const fs::path diskDir = sys.Path() / "devices" / busPath / "block" / disk;
    fs::create_directories(diskDir / part);
    WriteFile((diskDir / "removable").string(), std::to_string(removable) + "\n");
    WriteFile((diskDir / part / "partition").string(), "1\n");
    fs::create_directories(sys.Path() / "class" / "block");
    fs::create_symlink(fs::relative(diskDir, sys.Path() / "class" / "block"), sys.Path() / "class" / "block" / disk);
    fs::create_symlink(fs::relative(diskDir / part, sys.Path() / "class" / "block"), sys.Path() / "class" / "block" / part);
}

struct CardCase {
    const char* name;
    const char* busPath;
    const char* disk;
    int removable;
    const char* mountPoint;  // where the card is mounted
};

TEST(ListMountedVolumes, FindsCardsWhereverTheyAreMounted)
{
    const CardCase cases[] = {
        // A laptop's own SD slot: the kernel calls it fixed.
        {"sd slot", "platform/80860F14:01/mmc_host/mmc0/mmc0:aaaa", "mmcblk0", 0, "/media/ann/3131-6262"},
        // A USB card reader.
        {"usb reader", "pci0000:00/0000:00:14.0/usb2/2-1/2-1:1.0/host6/target6:0:0/6:0:0:0", "sdb", 1, "/mnt/card"},
        // The recorder itself as USB mass storage, flag 0, mounted by the desktop.
        {"recorder", "pci0000:00/0000:00:14.0/usb1/1-3/1-3:1.0/host7/target7:0:0/7:0:0:0", "sdc", 0,
         "/run/media/ann/RECORDER"},
    };
    for (const CardCase& c : cases) {
        TempDir sys, cards;
        // The internal disk comes first and has a DCIM folder of its own.
        FakeBlockDevice(sys, "pci0000:00/0000:00:1d.0/0000:3d:00.0/nvme/nvme0/nvme0n1", "nvme0n1", "nvme0n1p2", 0);
        const std::string part = std::string(c.disk) + (c.disk[0] == 'm' ? "p1" : "1");
        FakeBlockDevice(sys, c.busPath, c.disk, part, c.removable);
        const std::string fixed = cards / "home", card = cards / "card";
        std::filesystem::create_directories(fixed + "/DCIM");
        std::filesystem::create_directories(card + "/DCIM");
        WriteFile(cards / "mounts", "/dev/nvme0n1p2 " + fixed + " ext4 rw 0 0\n/dev/" + part + " " + card +
                                        " vfat rw 0 0\n");
        auto volumes = ListMountedVolumes({cards / "mounts", sys.Path().string()});
        ASSERT_EQ(volumes.size(), 2u) << c.name;
        EXPECT_FALSE(volumes[0].MayBeCard()) << c.name;
        EXPECT_TRUE(volumes[1].MayBeCard()) << c.name;
        std::string root;
        EXPECT_EQ(FindCardRoot(volumes, root), 1) << c.name;
        EXPECT_EQ(root, card) << c.name;
        // The desktop's mount points say so by themselves.
        WriteFile(cards / "mounts", std::string("/dev/") + part + " " + c.mountPoint + " vfat rw 0 0\n");
        volumes = ListMountedVolumes({cards / "mounts", sys.Path().string()});
        ASSERT_EQ(volumes.size(), 1u);
        EXPECT_EQ(volumes[0].desktopMount, std::string(c.mountPoint) != "/mnt/card") << c.name;
        EXPECT_EQ(volumes[0].sdSlot, std::string(c.disk) == "mmcblk0") << c.name;
        EXPECT_EQ(volumes[0].usb, std::string(c.busPath).find("/usb") != std::string::npos) << c.name;
        EXPECT_EQ(volumes[0].removable, c.removable == 1) << c.name;
    }
}

RecordingSpan Span(const char* name, std::time_t start, double seconds, double km = 0, bool timed = true)
{
    return {name, static_cast<double>(start), seconds, km, timed};
}

std::vector<std::vector<std::string>> Names(const std::vector<Drive>& drives)
{
    std::vector<std::vector<std::string>> out;
    for (const Drive& d : drives) {
        out.emplace_back();
        for (const RecordingSpan& r : d.recordings)
            out.back().push_back(r.path);
    }
    return out;
}

TEST(GroupDrives, TimesThatFollowEachOther)
{
    constexpr std::time_t t = 1778746500;  // 2026-05-14 08:15:00 UTC
    const struct {
        const char* what;
        std::vector<RecordingSpan> recordings;
        std::vector<std::vector<std::string>> drives;
    } cases[] = {
        {"29 s joins, 31 s parts", {Span("a", t, 60), Span("b", t + 89, 60), Span("c", t + 89 + 60 + 31, 60)}, {{"a", "b"}, {"c"}}},
        {"exactly 30 s joins", {Span("a", t, 60), Span("b", t + 90, 60)}, {{"a", "b"}}},
        {"overlaps join", {Span("a", t, 60), Span("b", t + 55, 60)}, {{"a", "b"}}},
        {"out of order", {Span("c", t + 120, 60), Span("a", t, 60), Span("b", t + 60, 60)}, {{"a", "b", "c"}}},
        {"across midnight", {Span("a", 1778803170, 60), Span("b", 1778803230, 60)}, {{"a", "b"}}},  // 23:59:30, 00:00:30
        {"a long file's end counts", {Span("a", t, 300), Span("b", t + 30, 10), Span("c", t + 320, 60)}, {{"a", "b", "c"}}},
        {"untimed alone, last", {Span("x", 0, 60, 0, false), Span("a", t, 60), Span("b", t + 60, 60)}, {{"a", "b"}, {"x"}}},
        {"none", {}, {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Names(GroupDrives(c.recordings)), c.drives) << c.what;
    const auto drives = GroupDrives({Span("a", t, 60, 1.5), Span("b", t + 60, 45, 0), Span("c", t + 110, 60, 0.25)});
    ASSERT_EQ(drives.size(), 1u);
    EXPECT_EQ(drives[0].Start(), t);
    EXPECT_DOUBLE_EQ(drives[0].End(), t + 170.0);
    EXPECT_DOUBLE_EQ(drives[0].Kilometres(), 1.75);  // a file without track adds nothing
}

TEST(ListMountedVolumes, ListsTheRoot)
{
    bool root = false;
    for (const MountedVolume& v : ListMountedVolumes())
        root = root || v.root == "/";
    EXPECT_TRUE(root);
}

}  // namespace
