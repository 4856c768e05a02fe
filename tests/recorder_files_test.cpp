// Recorder files written by mkrec, read back through dashtrack: the track
// must equal the route that was written, for every kind of recording.

#include "DashtrackRun.h"
#include "TestFiles.h"
#include "tools/mkrec_route.h"

#include <cmath>
#include <cstdio>
#include <gtest/gtest.h>
#include <sstream>
#include <sys/wait.h>

namespace {

class RecorderFiles : public testing::Test {
protected:
    static constexpr int kSeconds = 4;

    static void SetUpTestSuite()
    {
        dir_ = new TempDir;
        ASSERT_EQ(Mkrec("route " + Quote(*dir_ / "route.csv") + " --seconds 12"), 0);
        ASSERT_EQ(Mkrec("video " + Quote(*dir_ / "v.mov") + " --seconds 4 --size 160x120"), 0);
        ASSERT_EQ(Mkrec("video " + Quote(*dir_ / "v.avi") + " --seconds 4 --size 160x120"), 0);
        ASSERT_TRUE(LoadRoute(*dir_ / "route.csv", route_));
    }
    static void TearDownTestSuite() { delete dir_; }

    static int Mkrec(const std::string& args) { return Execute(std::string(MKREC_PATH) + " " + args).status; }

    // Writes one recording of the route's seconds 2..5 (the fix begins at 3).
    static std::string Write(const std::string& name, const std::string& args)
    {
        const std::string path = *dir_ / name;
        const std::string common = " --route " + Quote(*dir_ / "route.csv") + " --from 2 --seconds " + std::to_string(kSeconds);
        EXPECT_EQ(Mkrec(args + " " + Quote(path) + common), 0) << args;
        return path;
    }

    static CommandResult Dashtrack(const std::string& args) { return Execute(std::string(DASHTRACK_PATH) + " " + args); }

    static bool Playable(const std::string& path)
    {
        CommandResult streams = Execute("ffprobe -v error -show_entries stream=codec_type -of csv=p=0 " + Quote(path));
        CommandResult decode = Execute("ffmpeg -nostdin -v error -i " + Quote(path) + " -f null -");
        return streams.out.find("video") != std::string::npos && streams.out.find("audio") != std::string::npos &&
               decode.status == 0;
    }

    enum class Source { Nmea, Avi };

    static void ExpectRoute(const std::vector<Slot>& slots, Source source)
    {
        ASSERT_EQ(slots.size(), std::size_t(kSeconds * 10));
        for (int s = 0; s < kSeconds; ++s) {
            const RoutePoint& p = route_[std::size_t(s + 2)];
            for (int k = 10 * s; k < 10 * s + 10; ++k) {
                const Slot& slot = slots[std::size_t(k)];
                const double gTolerance = source == Source::Avi ? 0.004 : 1e-6;
                EXPECT_NEAR(slot.y, std::round(p.gy * 1000) / 1000, gTolerance) << k;
                EXPECT_NEAR(slot.z, std::round(p.gz * 1000) / 1000, gTolerance) << k;
                if (!p.fix) {
                    EXPECT_LE(std::min(slot.latitude.size(), slot.longitude.size()), 6u) << k;
                    continue;
                }
                EXPECT_NEAR(std::stod(slot.latitude), p.latitude, 3e-6) << k;
                EXPECT_NEAR(std::stod(slot.longitude), p.longitude, 3e-6) << k;
                if (source == Source::Avi) {
                    EXPECT_EQ(slot.speed, int(std::lround(p.knots * 100) / 100 * 1.85)) << k;
                    EXPECT_FLOAT_EQ(slot.aux, 30.0f);
                } else {
                    EXPECT_EQ(slot.speed, int(std::round(p.knots * 10) / 10 * 1.85)) << k;
                    EXPECT_NEAR(slot.course, p.course, 0.005) << k;
                }
            }
        }
    }

    static TempDir* dir_;
    static Route route_;
};

TempDir* RecorderFiles::dir_ = nullptr;
Route RecorderFiles::route_;

// One kind of recording: what mkrec writes and what dashtrack must say of it.
struct Kind {
    const char* name;
    const char* file;
    const char* writer;  // mkrec's arguments before the path; {video} is the video to carry
    const char* video;
    bool avi;
    std::vector<std::string> infoLines;  // among `dashtrack info`'s lines
};

const Kind kKinds[] = {
    {"GenericMov", "A60514081500_0001.MOV", "mov --layout generic", "v.mov", false, {}},
    {"GenericMovWithKeySampleLate", "A60514081500_0003.MOV", "mov --layout a7l --key-at 2", "v.mov", false, {"isA7L: 1"}},
    {"NT96650AMov", "20260514_081500_001A.MOV", "mov --layout nt96650a", "v.mov", false,
     {"isNT96650A: 1", "timeText: 08:15:00 05-14-2026", "loadResult: 40\nslots: 40"}},
    {"Avi", "A60514081500_0005.AVI", "avi", "v.avi", true, {}},
};

class RecorderKinds : public RecorderFiles, public testing::WithParamInterface<Kind> {};

// Written, the recording plays (a video and a sound stream, decoded without
// error) and its track reads back as the route that was written.
TEST_P(RecorderKinds, PlaysAndReadsBackTheRoute)
{
    const Kind& kind = GetParam();
    const std::string path = Write(kind.file, std::string(kind.writer) + " --video " + Quote(*dir_ / kind.video));
    EXPECT_TRUE(Playable(path));
    const CommandResult info = Dashtrack("info " + Quote(path));
    for (const std::string& line : kind.infoLines)
        EXPECT_NE(info.out.find(line + "\n"), std::string::npos) << line << " in\n" << info.out;
    const CommandResult run = Dashtrack("slots " + Quote(path));
    ASSERT_EQ(run.status, 0);
    ExpectRoute(ParseSlots(run.out), kind.avi ? Source::Avi : Source::Nmea);
}

INSTANTIATE_TEST_SUITE_P(Kinds, RecorderKinds, testing::ValuesIn(kKinds),
                         [](const testing::TestParamInfo<Kind>& info) { return std::string(info.param.name); });

TEST_F(RecorderFiles, SideFilesBesideAndInGpsFolder)
{
    const std::string plain = Write("A60514081500_0007.MOV", "mov --layout plain --video " + Quote(*dir_ / "v.mov"));
    Write("gps/A60514081500_0007.DAT", "dat");
    CommandResult info = Dashtrack("info " + Quote(plain));
    EXPECT_NE(info.out.find("datPath: " + *dir_ / "gps/A60514081500_0007.DAT\n"), std::string::npos) << info.out;
    ExpectRoute(ParseSlots(Dashtrack("slots " + Quote(plain)).out), Source::Nmea);
    Write("A60514081500_0007.DAT", "dat --gga");  // beside the recording wins
    const auto slots = ParseSlots(Dashtrack("slots " + Quote(plain)).out);
    ASSERT_EQ(slots.size(), std::size_t(kSeconds * 10));
    EXPECT_EQ(slots[39].speed, 0);  // GGA carries no speed
    EXPECT_NEAR(std::stod(slots[39].latitude), route_[5].latitude, 3e-6);
}

TEST_F(RecorderFiles, AviWithoutMarkerIsUnsupported)
{
    const std::string path = Write("A60514081500_0009.AVI", "avi --marker Lavf59 --video " + Quote(*dir_ / "v.avi"));
    CommandResult slots = Dashtrack("slots " + Quote(path));
    EXPECT_EQ(slots.status, 2);
    EXPECT_TRUE(slots.out.empty());
    CommandResult info = Dashtrack("info " + Quote(path));
    EXPECT_NE(info.out.find("supported: 0\nloadResult: -\nslots: 0\n"), std::string::npos) << info.out;
}

// What dashtrack says when it cannot do what it is asked, on stderr and
// in its status: a path it cannot read in one line, a recording it cannot
// read as the player says it, a command it does not know with its usage.
TEST_F(RecorderFiles, DashtrackErrors)
{
    const std::string missing = *dir_ / "missing.MOV", folder = dir_->Path().string();
    const std::string unsupported = Write("A60514081500_0019.AVI", "avi --marker Lavf59 --video " + Quote(*dir_ / "v.avi"));
    const std::string usage = "usage: dashtrack slots PATH    the track as CSV, one line per 100 ms slot\n";
    struct Case {
        std::string args;
        int status;
        std::string said;  // all of it, or its first line for the usage
    };
    const Case cases[] = {
        {"slots " + Quote(missing), 1, "dashtrack: " + missing + ": No such file or directory\n"},
        {"slots " + Quote(folder), 1, "dashtrack: " + folder + ": Is a directory\n"},
        {"drives " + Quote(missing), 1, "dashtrack: " + missing + ": No such file or directory\n"},
        {"import " + Quote(missing), 1, "dashtrack: " + missing + ": No such file or directory\n"},
        {"card " + Quote(missing), 1, "dashtrack: " + missing + ": No such file or directory\n"},
        {"slots " + Quote(unsupported), 2, "UnSupported file!\n"},
        {"frobnicate x", 64, usage},
        {"", 64, usage},
        {"slots", 64, usage},
        {"export --format xyz " + Quote(unsupported), 64, usage},
        {"export --format gpx --units furlongs " + Quote(unsupported), 64, usage},
    };
    for (const Case& c : cases) {
        const CommandResult run = RunSaying(std::string(DASHTRACK_PATH) + " " + c.args);
        EXPECT_EQ(run.status, c.status) << c.args;
        EXPECT_EQ(c.said == usage ? run.out.substr(0, run.out.find('\n') + 1) : run.out, c.said) << c.args;
    }
}

TEST_F(RecorderFiles, DashtrackInfoFieldOrder)
{
    const std::string path = *dir_ / "route.csv";
    CommandResult info = Dashtrack("info " + Quote(path));
    std::istringstream lines(info.out);
    std::vector<std::string> keys;
    for (std::string line; std::getline(lines, line);)
        keys.push_back(line.substr(0, line.find(':')));
    EXPECT_EQ(keys, (std::vector<std::string>{"path", "name", "datPath", "timeText", "isProtected", "isA7L",
                                              "isNT96650A", "supported", "loadResult", "slots", "source"}));
}

std::uint64_t Fnv1a(const std::string& bytes)
{
    std::uint64_t h = 0xcbf29ce484222325ull;
    for (unsigned char b : bytes)
        h = (h ^ b) * 0x100000001b3ull;
    return h;
}

// The older recorders' fixtures read exactly as they did before the newer
// readers came: the whole CSV, by length and FNV-1a hash.
TEST(ExistingFixtures, ReadAsBefore)
{
    const struct {
        const char* file;
        std::size_t length;
        std::uint64_t hash;
    } fixtures[] = {
        {"mov/generic.mov", 1024, 0xbd2169884564cb1full},
        {"mov/late.mov", 1024, 0xbd2169884564cb1full},
        {"mov/nt.mov", 634, 0x7ddb143682555fcaull},
        {"avi/rec.avi", 1034, 0xc0c91e857dc8961dull},
    };
    for (const auto& f : fixtures) {
        CommandResult run = Execute(std::string(DASHTRACK_PATH) + " slots " + Quote(std::string(CORPUS_DIR) + "/" + f.file));
        EXPECT_EQ(run.status, 0) << f.file;
        EXPECT_EQ(run.out.size(), f.length) << f.file;
        EXPECT_EQ(Fnv1a(run.out), f.hash) << f.file;
    }
}

// The demo's card: three consecutive recordings with their tracks, one drive.
TEST(Demo, DrivesOfTheCard)
{
    TempDir dir;
    ASSERT_EQ(Execute(std::string(MKREC_PATH) + " demo " + Quote(dir.Path().string()) + " --seconds 4").status, 0);
    CommandResult drives = Execute(std::string(DASHTRACK_PATH) + " drives " + Quote(dir / "card/DCIM/100MEDIA"));
    ASSERT_EQ(drives.status, 0);
    std::istringstream lines(drives.out);
    std::vector<std::string> fields;
    for (std::string f; std::getline(lines, f, '\t');)
        fields.push_back(f);
    ASSERT_EQ(fields.size(), 7u) << drives.out;
    EXPECT_EQ(fields[0], "1");
    EXPECT_EQ(fields[1], "A60514081500_0001.MOV");
    EXPECT_EQ(fields[2], "A60514081508_0005.MOV");
    EXPECT_EQ(fields[3], "2026-05-14T08:15:00Z");
    EXPECT_EQ(fields[4], "2026-05-14T08:15:12Z");
    EXPECT_EQ(fields[5], "00:00:12");
    EXPECT_GT(std::stod(fields[6]), 0.01);  // the route's first metres
    EXPECT_EQ(Execute(std::string(DASHTRACK_PATH) + " drives /nonexistent").status, 1);
}

TEST(Demo, CardAndImportFoldersAreListed)
{
    TempDir dir;
    ASSERT_EQ(Execute(std::string(MKREC_PATH) + " demo " + Quote(dir.Path().string()) + " --seconds 2").status, 0);
    CommandResult card = Execute(std::string(DASHTRACK_PATH) + " card " + Quote(dir / "card"));
    CommandResult import = Execute(std::string(DASHTRACK_PATH) + " import " + Quote(dir / "import"));
    EXPECT_EQ(std::count(card.out.begin(), card.out.end(), '\n'), 3) << card.out;
    EXPECT_EQ(std::count(import.out.begin(), import.out.end(), '\n'), 13) << import.out;
    // One recording of each of today's layouts, the rear cameras not listed.
    for (const char* row : {"20260514_081526_NF.mp4", "2026_0514_081522_001.MP4", "2026_0514_081530_002.MP4",
                            "DRIVE_20260514_081528_F.mp4", "GH010017.MP4"})
        EXPECT_NE(import.out.find(std::string("\t") + row + "\t"), std::string::npos) << row << "\n" << import.out;
    EXPECT_NE(card.out.find(" 1\tA60514081500_0001.MOV\t08:15:00 05-14-2026\n"), std::string::npos) << card.out;
}

}  // namespace
