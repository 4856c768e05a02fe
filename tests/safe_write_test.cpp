// Files written whole or not at all, and an output never one of the inputs.

#include "TestFiles.h"
#include "library/SafeWrite.h"

#include <gtest/gtest.h>
#include <sys/mount.h>
#include <unistd.h>

namespace {

std::vector<std::string> Entries(const std::filesystem::path& folder)
{
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

auto Text(const std::string& text)
{
    return [text](std::ostream& out) { out << text; };
}

// A tiny file system filled to the last byte, while the test runs as root
// (as CI does); none otherwise.
class FullDisk {
public:
    explicit FullDisk(const std::string& folder) : folder_(folder)
    {
        std::filesystem::create_directories(folder);
        mounted_ = mount("tmpfs", folder.c_str(), "tmpfs", 0, "size=16k") == 0;
    }
    ~FullDisk()
    {
        if (mounted_)
            umount(folder_.c_str());
    }
    bool Mounted() const { return mounted_; }
    void Fill() const
    {
        std::ofstream filler(folder_ + "/filler", std::ios::binary);
        const std::string block(1024, 'x');
        while (filler.write(block.data(), static_cast<std::streamsize>(block.size())) && filler.flush()) {
        }
    }

private:
    std::string folder_;
    bool mounted_ = false;
};

}  // namespace

TEST(WriteFileSafely, ReplacesTheTargetWholeAndLeavesNothingElse)
{
    TempDir dir;
    WriteFile(dir / "track.gpx", "old");
    std::string error;
    EXPECT_TRUE(WriteFileSafely(dir / "track.gpx", Text("new"), error)) << error;
    EXPECT_EQ(ReadFile(dir / "track.gpx"), "new");
    EXPECT_TRUE(WriteFileSafely(dir / "fresh.kml", Text("made"), error)) << error;
    EXPECT_EQ(Entries(dir.Path()), (std::vector<std::string>{"fresh.kml", "track.gpx"}));
}

TEST(WriteFileSafely, AFailureIsSaidAndKeepsWhatWasThere)
{
    TempDir dir;
    std::string error;
    EXPECT_FALSE(WriteFileSafely(dir / "no/such/folder/x.gpx", Text("x"), error));
    EXPECT_FALSE(error.empty());
    std::filesystem::create_directories(dir / "taken.gpx");
    error.clear();
    EXPECT_FALSE(WriteFileSafely(dir / "taken.gpx", Text("x"), error));
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(Entries(dir.Path()), std::vector<std::string>{"taken.gpx"});

    FullDisk disk(dir / "full");
    if (!disk.Mounted())
        GTEST_SKIP() << "no file system could be mounted (not root): the full disk is left out";
    WriteFile(dir / "full/track.gpx", "the previous export");
    disk.Fill();
    error.clear();
    EXPECT_FALSE(WriteFileSafely(dir / "full/track.gpx", Text(std::string(64 * 1024, 'y')), error));
    EXPECT_EQ(error, "No space left on device");
    EXPECT_EQ(ReadFile(dir / "full/track.gpx"), "the previous export");
    EXPECT_EQ(Entries(dir / "full"), (std::vector<std::string>{"filler", "track.gpx"}));
}

// A device is written where it is, and its refusal is a failure.
TEST(WriteFileSafely, DevicesAreWrittenInPlace)
{
    std::string error;
    EXPECT_TRUE(WriteFileSafely("/dev/null", Text("gone"), error)) << error;
    EXPECT_FALSE(WriteFileSafely("/dev/full", Text("small"), error));
    EXPECT_EQ(error, "No space left on device");
}

TEST(SameFile, EveryPathToOneFile)
{
    TempDir dir;
    WriteFile(dir / "rec/A.MP4", "movie");
    WriteFile(dir / "rec/B.MP4", "movie");
    std::filesystem::create_symlink(dir / "rec/A.MP4", dir / "link.MP4");
    std::filesystem::create_hard_link(dir / "rec/A.MP4", dir / "hard.gpx");
    for (const std::string& other : {dir / "rec/A.MP4", dir / "rec/./A.MP4", dir / "rec/../rec/A.MP4", dir / "link.MP4",
                                     dir / "hard.gpx"})
        EXPECT_TRUE(SameFile(dir / "rec/A.MP4", other)) << other;
    EXPECT_FALSE(SameFile(dir / "rec/A.MP4", dir / "rec/B.MP4"));
    EXPECT_FALSE(SameFile(dir / "rec/A.MP4", dir / "new.gpx"));
    EXPECT_TRUE(SameFile(dir / "new.gpx", dir / "rec/../new.gpx"));  // neither there yet: by the name
}
