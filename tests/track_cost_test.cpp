// What opening a recording reads from disk: a recording without GPS is not
// searched through, and one opened again is not read again while unchanged.

#include "TestFiles.h"
#include "library/RecordingList.h"
#include "library/TrackCache.h"
#include "mkrec_route.h"
#include "mkrec_writers.h"
#include "track/BinaryFile.h"

#include <gtest/gtest.h>

namespace {

std::uint64_t BytesReadBy(const std::function<void()>& work)
{
    const std::uint64_t before = BinaryFile::BytesReadByAll();
    work();
    return BinaryFile::BytesReadByAll() - before;
}

class TrackCost : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        dir_ = new TempDir;
        SyntheticVideo video;
        video.seconds = 6;
        video.size = "640x480";
        ASSERT_EQ(MakeSyntheticVideo(*dir_ / "v.mov", video), "");
        RecordingSpec spec;
        spec.videoPath = *dir_ / "v.mov";
        spec.route = MakeDemoRoute(6);
        spec.start = 1463213700;
        ASSERT_EQ(WriteRecorderMov(*dir_ / "plain.mp4", MovLayout::Plain, spec), "");
        ASSERT_EQ(WriteRecorderMov(*dir_ / "gps.mp4", MovLayout::FreeGps, spec), "");
        spec.freeGpsPlace = FreeGpsPlace::MediaData;
        ASSERT_EQ(WriteRecorderMov(*dir_ / "scanned.mp4", MovLayout::FreeGps, spec), "");
    }
    static void TearDownTestSuite() { delete dir_; }
    static TempDir* dir_;
};

TempDir* TrackCost::dir_ = nullptr;

}  // namespace

// Its media data is all pictures and sound, as the movie's tables say: there
// is nothing to search for blocks of a camera's own.
TEST_F(TrackCost, ARecordingWithoutGpsIsNotSearchedThrough)
{
    const std::string plain = *dir_ / "plain.mp4";
    const auto size = std::filesystem::file_size(plain);
    ASSERT_GT(size, 400u * 1024);
    CTrackLoader track;
    const std::uint64_t read = BytesReadBy([&] { LoadNodeTrack(track, FileNodeOf(plain)); });
    EXPECT_EQ(track.Source(), TrackSource::None);
    EXPECT_LT(read, 64u * 1024) << "of " << size;
    // Blocks between the pictures are still found where the tables leave room.
    CTrackLoader scanned;
    LoadNodeTrack(scanned, FileNodeOf(*dir_ / "scanned.mp4"));
    EXPECT_EQ(scanned.Source(), TrackSource::FreeGps);
    EXPECT_GT(scanned.GetCount(), 0);
}

TEST_F(TrackCost, AnUnchangedRecordingIsReadOnce)
{
    TrackCache cache;
    for (const char* name : {"plain.mp4", "gps.mp4"}) {
        const tagFileNode node = FileNodeOf(*dir_ / name);
        CTrackLoader first, again;
        EXPECT_GT(BytesReadBy([&] { first = cache.Load(node); }), 0u);
        EXPECT_EQ(BytesReadBy([&] { again = cache.Load(node); }), 0u) << name;
        EXPECT_EQ(again.GetCount(), first.GetCount());
        EXPECT_EQ(again.Source(), first.Source());
    }
    // Changed, it is read again.
    const std::string copy = *dir_ / "copy.mp4";
    std::filesystem::copy_file(*dir_ / "gps.mp4", copy);
    const tagFileNode node = FileNodeOf(copy);
    EXPECT_GT(cache.Load(node).GetCount(), 0);
    std::filesystem::copy_file(*dir_ / "plain.mp4", copy, std::filesystem::copy_options::overwrite_existing);
    EXPECT_EQ(cache.Load(node).GetCount(), 0);
}

// Files made to waste a reader's time cost no more than reading them: no
// byte is parsed twice, and no table is followed past the file's end.
TEST_F(TrackCost, AHostileTrackCostsNoMoreThanItsBytes)
{
    const std::pair<const char*, long> kinds[] = {{"overlap", 600}, {"past-end", 600}, {"deep", 20000}, {"million", 200000}};
    for (const auto& [kind, scale] : kinds) {
        const std::string path = *dir_ / (std::string("hostile-") + kind + ".mp4");
        ASSERT_EQ(WriteHostileMov(path, kind, scale), "");
        const auto size = std::filesystem::file_size(path);
        CTrackLoader track;
        const std::uint64_t read = BytesReadBy([&] { LoadNodeTrack(track, FileNodeOf(path)); });
        EXPECT_LE(read, 2 * size) << kind;
    }
}
