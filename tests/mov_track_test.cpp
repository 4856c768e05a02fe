#include "RecorderBytes.h"
#include "TestFiles.h"
#include "track/MovTrack.h"
#include "track/ScrambleKey.h"

#include <gtest/gtest.h>

namespace {

const int kKey = 49;  // digits 12345678
const std::string kRmc = "$GPRMC,1,A,4807.0380,N,01131.0000,E,10.0,84.4,230394";

Bytes KeySample()
{
    return GenericSample(" 12345678\r\n");
}

Bytes DataSample(int x)
{
    return GenericSample(" " + ScrambledLine(std::to_string(x) + "\t0\t1000\t" + kRmc, kKey));
}

Bytes UdtaAtom(const std::string& type, const std::string& payload)
{
    Bytes b;
    PutText(b, payload);
    return Atom(type, b);
}

std::string WriteMov(const TempDir& dir, const MovParts& parts, const std::string& name = "rec.MOV")
{
    WriteFile(dir / name, AsString(BuildMov(parts)));
    return dir / name;
}

TEST(LoadMovTrack, ReadsGenericSamplesAtTenSlotsEach)
{
    TempDir dir;
    MovParts p;
    p.samples = {KeySample(), DataSample(100), DataSample(200)};
    TrackSlots track;
    EXPECT_EQ(LoadMovTrack(WriteMov(dir, p), track), 20);
    EXPECT_FLOAT_EQ(track[0].x, 0.1f);
    EXPECT_FLOAT_EQ(track[19].x, 0.2f);
    EXPECT_EQ(track[19].latitude, "48.117300");
    EXPECT_EQ(track[19].speed, 18);
}

TEST(LoadMovTrack, HeldSamplesAreParsedInOrderOnceTheKeyArrives)
{
    TempDir dir;
    MovParts p;
    p.samples = {DataSample(1), DataSample(2), KeySample(), DataSample(3)};
    TrackSlots track;
    EXPECT_EQ(LoadMovTrack(WriteMov(dir, p), track), 30);
    EXPECT_FLOAT_EQ(track[0].x, 0.001f);
    EXPECT_FLOAT_EQ(track[10].x, 0.002f);
    EXPECT_FLOAT_EQ(track[20].x, 0.003f);
}

TEST(LoadMovTrack, OnlyTheFirstTwentySamplesAreHeld)
{
    TempDir dir;
    MovParts p;
    for (int i = 0; i < 25; ++i)
        p.samples.push_back(DataSample(i));
    p.samples.push_back(KeySample());
    TrackSlots track;
    EXPECT_EQ(LoadMovTrack(WriteMov(dir, p), track), 200);
    EXPECT_FLOAT_EQ(track[199].x, 0.019f);
}

TEST(LoadMovTrack, WithoutKeySampleTheTrackIsEmpty)
{
    TempDir dir;
    MovParts p;
    p.samples = {DataSample(1), DataSample(2)};
    TrackSlots track;
    EXPECT_EQ(LoadMovTrack(WriteMov(dir, p), track), 0);
}

TEST(LoadMovTrack, TwoTracksGiveNothing)
{
    TempDir dir;
    MovParts p;
    p.trackCount = 2;
    p.dataTrack = 1;
    p.samples = {KeySample(), DataSample(1)};
    TrackSlots track;
    EXPECT_EQ(LoadMovTrack(WriteMov(dir, p), track), 0);
}

TEST(LoadMovTrack, OverlongSamplesAreSkipped)
{
    TempDir dir;
    MovParts p;
    p.samples = {KeySample(), GenericSample(std::string(128, 'x')), DataSample(5),
                 GenericSample(std::string(300, 'y'))};
    TrackSlots track;
    EXPECT_EQ(LoadMovTrack(WriteMov(dir, p), track), 10);
    EXPECT_FLOAT_EQ(track[0].x, 0.005f);
}

TEST(LoadMovTrack, ShortPathAndMissingFile)
{
    TrackSlots track;
    EXPECT_EQ(LoadMovTrack("a.M", track), -1);
    EXPECT_EQ(LoadMovTrack("/nonexistent/rec.MOV", track), -1);
}

Bytes NtChunk(std::int32_t x, const std::string& sentence, const std::string& digits = "12345678")
{
    Bytes chunk(65536 + 72, 0);
    Bytes block;
    PutZeros(block, 52);
    for (std::int32_t v : {x, 0, 1000})
        PutLE32(block, static_cast<std::uint32_t>(v));
    std::string text = ScrambledLine(" " + sentence, ScrambleKey(digits.c_str()));
    PutText(block, text);
    block.resize(192, 0);
    PutText(block, digits);
    block.resize(204, 0);
    PutBytes(chunk, block);
    return chunk;
}

TEST(LoadNT96650ATrack, ReadsBlocksFromTheSecondTrack)
{
    TempDir dir;
    MovParts p;
    p.dataTrack = 1;
    p.samples = {NtChunk(-250, kRmc), NtChunk(40, "$GPGGA,1,4807.0380,N,01131.0000,E,1", "99999999")};
    TrackSlots track;
    EXPECT_EQ(LoadNT96650ATrack(WriteMov(dir, p), track), 20);
    EXPECT_FLOAT_EQ(track[0].x, -0.25f);
    EXPECT_FLOAT_EQ(track[0].z, 1.0f);
    EXPECT_EQ(track[9].latitude, "48.117300");
    EXPECT_EQ(track[9].speed, 18);
    EXPECT_EQ(track[10].longitude, "11.516666");
    EXPECT_EQ(track[10].speed, 0);  // GGA carries no speed
}

TEST(LoadNT96650ATrack, ChunkPastTheEndGivesAnEmptySecond)
{
    TempDir dir;
    MovParts p;
    p.dataTrack = 1;
    p.samples = {NtChunk(10, kRmc)};
    p.extraOffsets = {0x7FFFFFF0};
    TrackSlots track;
    EXPECT_EQ(LoadNT96650ATrack(WriteMov(dir, p), track), 20);
    EXPECT_EQ(track[15].x, 0.0f);
    EXPECT_TRUE(track[15].latitude.empty());
}

// Hostile tables: the claimed entry count is far beyond what the file holds.
TEST(LoadNT96650ATrack, HugeEntryCountReadsOnlyWhatIsThere)
{
    TempDir dir;
    MovParts p;
    p.dataTrack = 1;
    p.samples = {NtChunk(10, kRmc)};
    p.claimedCount = 0xFFFFFFFF;
    TrackSlots track;
    const int slots = LoadNT96650ATrack(WriteMov(dir, p), track);
    EXPECT_GE(slots, 10);
    EXPECT_LE(static_cast<std::size_t>(slots), kMaxTrackSlots);
}

TEST(MovWalk, AtomSizesBelowEightOrPastTheEndEndTheWalk)
{
    TempDir dir;
    MovParts p;
    p.samples = {KeySample(), DataSample(1)};
    Bytes good = BuildMov(p);
    TrackSlots track;
    // A movie claiming more than the file holds is still read as far as it goes.
    const std::pair<std::uint32_t, int> cases[] = {{0u, 0}, {1u, 0}, {7u, 0}, {0xFFFFFFF0u, 10}};
    for (auto [badSize, slots] : cases) {
        Bytes bad = good;
        SetBE32(bad, 24, badSize);  // the moov header
        WriteFile(dir / "bad.MOV", AsString(bad));
        track.clear();
        EXPECT_EQ(LoadMovTrack(dir / "bad.MOV", track), slots) << badSize;
    }
}

TEST(MovWalk, GivesUpAfter128AtomsBeforeTheMovie)
{
    TempDir dir;
    MovParts p;
    p.samples = {KeySample(), DataSample(1)};
    Bytes mov = BuildMov(p);
    Bytes padded;
    for (int i = 0; i < 130; ++i)
        PutBytes(padded, Atom("free", {}));
    // Offsets move with the padding; the walk never gets that far anyway.
    PutBytes(padded, mov);
    WriteFile(dir / "pad.MOV", AsString(padded));
    TrackSlots track;
    EXPECT_EQ(LoadMovTrack(dir / "pad.MOV", track), 0);
    EXPECT_EQ(DetectChipset(dir / "pad.MOV").isA7L, 0);
}

// A file cut short keeps the samples that lie wholly before the cut: here
// the key and the first data sample (ten slots), once the index is whole.
TEST(MovWalk, TruncatedFilesKeepWhatWasRead)
{
    TempDir dir;
    MovParts p;
    p.samples = {KeySample(), DataSample(1), DataSample(2)};
    const Bytes mov = BuildMov(p);
    const std::size_t lastSample = mov.size() - DataSample(2).size();
    struct Cut {
        std::size_t at;
        int slots;
    };
    for (const Cut cut : {Cut{mov.size() - 5, 10}, Cut{lastSample, 10}, Cut{lastSample - 1, 0}, Cut{30, 0}, Cut{3, 0}}) {
        WriteFile(dir / "cut.MOV", AsString(Bytes(mov.begin(), mov.begin() + long(cut.at))));
        TrackSlots track;
        EXPECT_EQ(LoadMovTrack(dir / "cut.MOV", track), cut.slots) << "cut at " << cut.at;
        if (cut.slots > 0) {
            EXPECT_FLOAT_EQ(track.front().x, 0.001f);
            EXPECT_FLOAT_EQ(track.back().x, 0.001f);
        }
    }
}

struct ChipCase {
    const char* name;
    std::string type;
    std::string payload;
    int a7l;
    int nt;
};

class DetectChipsetTest : public testing::TestWithParam<ChipCase> {};

TEST_P(DetectChipsetTest, ReadsTheFirstUdtaAtom)
{
    TempDir dir;
    MovParts p;
    p.udta = UdtaAtom(GetParam().type, GetParam().payload);
    const ChipFlags flags = DetectChipset(WriteMov(dir, p));
    EXPECT_EQ(flags.isA7L, GetParam().a7l);
    EXPECT_EQ(flags.isNT96650A, GetParam().nt);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DetectChipsetTest,
    testing::Values(ChipCase{"AmbarellaFromTheType", "AMBA", "RELLA A7L v1", 1, 0},
                    ChipCase{"AmbarellaInPayload", "INFO", "AMBARELLA A7L", 1, 0},
                    ChipCase{"AmbarellaAfterZeroByte", "INFO", std::string("x\0AMBARELLA A7L", 15), 0, 0},
                    ChipCase{"Novatek", "NVTK", std::string("\0\0\0\0NT96650A", 12), 0, 1},
                    ChipCase{"NovatekTooEarly", "NT96", "650A", 0, 0},
                    ChipCase{"Other", "INFO", "DVR 1.0", 0, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DetectChipset, NoUdtaAndUnreadableFiles)
{
    TempDir dir;
    MovParts p;
    EXPECT_EQ(DetectChipset(WriteMov(dir, p)).isNT96650A, 0);
    EXPECT_EQ(DetectChipset(dir / "missing.MOV").isA7L, 0);
}

}  // namespace
