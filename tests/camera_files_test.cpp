// Recordings in today's cameras' layouts, written by mkrec and read back
// through dashtrack: the track must equal the route that was written, hostile
// copies must give partial or empty tracks, and ExifTool must agree.

#include "DashtrackRun.h"
#include "TestFiles.h"
#include "tools/mkrec_route.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <gtest/gtest.h>
#include <ctime>
#include <map>
#include <sstream>

namespace {

constexpr int kFrom = 2;     // the route's first fix is at its second 3
constexpr int kSeconds = 5;

enum class GScale { None, Counts256, Gpmf, Counts128 };

struct Layout {
    const char* name;
    const char* args;  // for mkrec mov
    const char* source;
    GScale g;
    bool derivedCourse = false;  // GPMF has none: the bearing of the movement
    // The derived course's error: positions in thousandths of a minute (70mai)
    // make a bearing between one second's positions a few degrees off.
    double derivedCourseTolerance = 0.5;
    // The speed's, truncated to whole km/h: 1, more where the speed is the
    // length of a velocity whose parts are each rounded (Karma's GLPI).
    double speedTolerance = 1.0;
    bool speedless = false;      // the source carries no speed: 0
};

const Layout kLayouts[] = {
    {"freegps", "--layout freegps", "freegps", GScale::None},
    {"freegps-compact", "--layout freegps-compact", "freegps", GScale::Counts256},
    {"freegps-free-boxes", "--layout freegps --freegps-place free", "freegps", GScale::None},
    {"freegps-in-mdat", "--layout freegps --freegps-place mdat", "freegps", GScale::None},
    {"freegps-text", "--layout freegps-text", "freegps", GScale::None},  // G only beside a fix
    {"freegps-rmc", "--layout freegps-rmc", "freegps", GScale::None},
    {"freegps-rmc-in-mdat", "--layout freegps-rmc --freegps-place mdat", "freegps", GScale::None},
    {"gpmf", "--layout gpmf", "gpmf", GScale::Gpmf, true},
    {"gpmf9", "--layout gpmf9", "gpmf", GScale::Gpmf, true},
    {"blackvue", "--layout blackvue", "blackvue", GScale::Counts128},
    {"nmea-text", "--layout nmea-text", "nmea-track", GScale::None},
    {"nmea-text-no-dollar", "--layout nmea-text --no-dollar", "nmea-track", GScale::None},
    {"seventymai", "--layout 70mai", "70mai", GScale::None, true, 6.0},
    {"gpmf-karma", "--layout gpmf-karma", "gpmf", GScale::Gpmf, true, 0.5, 1.1},
};

double Stored(double g, GScale scale)
{
    switch (scale) {
    case GScale::Counts256: return std::round(g * 256) / 256;
    case GScale::Counts128: return std::round(g * 128) / 128;
    case GScale::Gpmf: return std::round(g * 9.80665 * 100) / 100 / 9.80665;
    case GScale::None: break;
    }
    return 0;
}

class CameraFiles : public testing::TestWithParam<Layout> {
protected:
    static void SetUpTestSuite()
    {
        dir_ = new TempDir;
        ASSERT_EQ(Mkrec("route " + Quote(*dir_ / "route.csv") + " --seconds 12"), 0);
        ASSERT_EQ(Mkrec("video " + Quote(*dir_ / "v.mov") + " --seconds 5 --size 160x120"), 0);
        ASSERT_TRUE(LoadRoute(*dir_ / "route.csv", route_));
    }
    static void TearDownTestSuite() { delete dir_; }

    static int Mkrec(const std::string& args) { return Execute(std::string(MKREC_PATH) + " " + args).status; }
    static CommandResult Dashtrack(const std::string& args) { return Execute(std::string(DASHTRACK_PATH) + " " + args); }

    static std::string Common()
    {
        return " --route " + Quote(*dir_ / "route.csv") + " --from " + std::to_string(kFrom) + " --seconds " +
               std::to_string(kSeconds);
    }

    static std::string Write(const std::string& name, const std::string& args)
    {
        const std::string path = *dir_ / name;
        std::filesystem::create_directories(std::filesystem::path(path).parent_path());
        EXPECT_EQ(Mkrec("mov " + Quote(path) + " " + args + " --video " + Quote(*dir_ / "v.mov") + Common()), 0) << args;
        return path;
    }

    static std::vector<Slot> Slots(const std::string& path)
    {
        CommandResult run = Dashtrack("slots " + Quote(path));
        EXPECT_EQ(run.status, 0) << path;
        return ParseSlots(run.out);
    }

    static std::string Info(const std::string& path, const std::string& key)
    {
        const std::string out = Dashtrack("info " + Quote(path)).out;
        const std::size_t at = out.find("\n" + key + ": ");
        if (at == std::string::npos)
            return {};
        const std::size_t from = at + key.size() + 3;
        return out.substr(from, out.find('\n', from) - from);
    }

    static const RoutePoint& Point(int second) { return route_[std::size_t(second + kFrom)]; }

    // Each slot of second s shows that second's sample: positions to 1e-5°,
    // speed by knots * 1.852 truncated, course, G values as the format stores them.
    static void ExpectRoute(const std::vector<Slot>& slots, const Layout& layout)
    {
        ASSERT_EQ(slots.size(), std::size_t(kSeconds * 10));
        for (int s = 0; s < kSeconds; ++s) {
            const RoutePoint& p = Point(s);
            const RoutePoint& next = s + 1 < kSeconds ? Point(s + 1) : p;
            for (int k = 0; k < 10; ++k) {
                const Slot& slot = slots[std::size_t(10 * s + k)];
                if (layout.g != GScale::None) {
                    EXPECT_NEAR(slot.x, Stored(p.gx, layout.g), 1e-4) << layout.name << " slot " << 10 * s + k;
                    EXPECT_NEAR(slot.z, Stored(p.gz, layout.g), 1e-4) << layout.name << " slot " << 10 * s + k;
                }
                if (!p.fix) {
                    // GPMF writes coordinates here too, under GPSF 0: no position.
                    EXPECT_TRUE(slot.latitude.empty()) << layout.name << " slot " << 10 * s + k;
                    continue;
                }
                // GPMF moves between the seconds at 10 Hz; the others hold a second.
                const double f = layout.g == GScale::Gpmf && next.fix ? k / 10.0 : 0.0;
                EXPECT_NEAR(std::stod(slot.latitude), p.latitude + (next.latitude - p.latitude) * f, 1e-5) << layout.name;
                EXPECT_NEAR(std::stod(slot.longitude), p.longitude + (next.longitude - p.longitude) * f, 1e-5) << layout.name;
                if (layout.speedless) {
                    EXPECT_EQ(slot.speed, 0) << layout.name << " slot " << 10 * s + k;
                } else {
                    EXPECT_NEAR(slot.speed, p.knots * 1.852, layout.speedTolerance) << layout.name << " slot " << 10 * s + k;
                }
                if (!layout.derivedCourse) {
                    EXPECT_NEAR(slot.course, p.course, 0.01) << layout.name;
                } else if (k > 0 && s > 0 && Point(s - 1).fix && p.course == next.course) {
                    EXPECT_NEAR(slot.course, p.course, layout.derivedCourseTolerance) << layout.name << " slot " << 10 * s + k;
                }
            }
        }
    }

    static TempDir* dir_;
    static Route route_;
};

TempDir* CameraFiles::dir_ = nullptr;
Route CameraFiles::route_;

TEST_P(CameraFiles, ReadsBackTheRoute)
{
    const Layout& layout = GetParam();
    const std::string path = Write(std::string(layout.name) + ".mp4", layout.args);
    EXPECT_EQ(Info(path, "source"), layout.source);
    EXPECT_EQ(Info(path, "loadResult"), "0");
    ExpectRoute(Slots(path), layout);
}

// Written as a camera writes while recording (the media first, moov last),
// a recording reads exactly as the same one written with moov first.
TEST_P(CameraFiles, IndexLastReadsAsIndexFirst)
{
    const Layout& layout = GetParam();
    const std::string first = Write(std::string(layout.name) + "-index-first.mp4", layout.args);
    const std::string last = Write(std::string(layout.name) + "-index-last.mp4", std::string(layout.args) + " --index-last");
    const std::string bytes = ReadFile(last);
    ASSERT_GT(bytes.size(), 32u);
    EXPECT_EQ(bytes.substr(28, 4), "mdat") << layout.name;
    EXPECT_EQ(Info(last, "source"), layout.source);
    EXPECT_EQ(Dashtrack("slots " + Quote(last)).out, Dashtrack("slots " + Quote(first)).out) << layout.name;
    EXPECT_EQ(Execute("ffmpeg -nostdin -v error -i " + Quote(last) + " -f null - 2>&1").out, "") << layout.name;
}

// Whether the whole file shows `slot`'s position at slot n or in the two
// seconds before: a lost sample lets the one before it hold on, never more.
bool ShownWithin(const std::vector<Slot>& whole, std::size_t n, const Slot& slot)
{
    for (std::size_t m = n >= 20 ? n - 20 : 0; m <= n && m < whole.size(); ++m) {
        if (whole[m].latitude == slot.latitude && whole[m].longitude == slot.longitude)
            return true;
    }
    return false;
}

std::size_t Fixes(const std::vector<Slot>& slots)
{
    return static_cast<std::size_t>(
        std::count_if(slots.begin(), slots.end(), [](const Slot& slot) { return !slot.latitude.empty(); }));
}

// A copy cut short, or with a field turned to all ones, reads as far as it
// can: every position it still shows is one the whole file shows there, and
// a copy missing only its last byte shows them all.
TEST_P(CameraFiles, DamagedCopiesGivePartialTracks)
{
    const Layout& layout = GetParam();
    const std::string path = Write(std::string(layout.name) + "-whole.mp4", layout.args);
    const auto whole = Slots(path);
    ASSERT_GT(Fixes(whole), 0u);
    const std::string bytes = ReadFile(path);
    const std::string lastByteLost = *dir_ / (std::string(layout.name) + "-last-byte-lost.mp4");
    WriteFile(lastByteLost, bytes.substr(0, bytes.size() - 1));
    EXPECT_EQ(Fixes(Slots(lastByteLost)), Fixes(whole)) << layout.name;
    std::vector<std::string> copies;
    for (double cut : {0.02, 0.3, 0.6, 0.9, 0.999})
        copies.push_back(bytes.substr(0, std::size_t(bytes.size() * cut)));
    for (std::size_t at = 0; at + 8 < bytes.size(); at += bytes.size() / 97) {
        std::string flipped = bytes;  // a count, size or value turned to all ones
        for (int i = 0; i < 4; ++i)
            flipped[at + i] = '\xff';
        copies.push_back(flipped);
    }
    for (std::size_t i = 0; i < copies.size(); ++i) {
        const std::string copy = *dir_ / (std::string(layout.name) + "-damaged.mp4");
        WriteFile(copy, copies[i]);
        CommandResult run = Dashtrack("slots " + Quote(copy));
        ASSERT_EQ(run.status, 0) << layout.name << " copy " << i;
        const auto slots = ParseSlots(run.out);
        for (std::size_t n = 0; n < slots.size(); ++n) {
            if (slots[n].latitude.empty() || n >= whole.size())
                continue;
            EXPECT_TRUE(ShownWithin(whole, n, slots[n])) << layout.name << " copy " << i << " slot " << n;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Layouts, CameraFiles, testing::ValuesIn(kLayouts),
                         [](const testing::TestParamInfo<Layout>& info) {
                             std::string name = info.param.name;
                             std::replace(name.begin(), name.end(), '-', '_');
                             return name;
                         });

class CameraSideFiles : public CameraFiles {
protected:
    // Each of `copies` in turn as the side file beside `media`: no position
    // that the whole file does not show there.
    static void ExpectOnlyTheWholesPositions(const std::string& media, const std::string& side,
                                             const std::vector<std::string>& copies, const std::vector<Slot>& whole)
    {
        for (std::size_t i = 0; i < copies.size(); ++i) {
            WriteFile(side, copies[i]);
            CommandResult run = Dashtrack("slots " + Quote(media));
            ASSERT_EQ(run.status, 0) << "copy " << i;
            const auto slots = ParseSlots(run.out);
            for (std::size_t n = 0; n < slots.size(); ++n) {
                if (!slots[n].latitude.empty()) {
                    EXPECT_TRUE(n < whole.size() && ShownWithin(whole, n, slots[n])) << "copy " << i << " slot " << n;
                }
            }
        }
    }
};

TEST_F(CameraSideFiles, NmeaSideFileBesideOrInGpsFolder)
{
    const std::string media = Write("2026_0514_081500_001.mp4", "--layout plain");
    ASSERT_EQ(Mkrec("side " + Quote(*dir_ / "gps/2026_0514_081500_001.NMEA") + " --format nmea" + Common()), 0);
    EXPECT_EQ(Info(media, "source"), "nmea-side");
    ExpectRoute(Slots(media), {"nmea-side", "", "nmea-side", GScale::None});
    const std::string other = Write("2026_0514_081600_002.mp4", "--layout plain");
    ASSERT_EQ(Mkrec("side " + Quote(*dir_ / "2026_0514_081600_002.nmea") + " --format nmea" + Common()), 0);
    EXPECT_EQ(Info(other, "source"), "nmea-side");
    ExpectRoute(Slots(other), {"nmea-side", "", "nmea-side", GScale::None});
}

TEST_F(CameraSideFiles, BlackVueSideFilesWithoutTheCameraLetter)
{
    const std::string front = Write("20260514_081500_NF.mp4", "--layout plain");
    ASSERT_EQ(Mkrec("side " + Quote(*dir_ / "20260514_081500_N.gps") + " --format blackvue-gps" + Common()), 0);
    ASSERT_EQ(Mkrec("side " + Quote(*dir_ / "20260514_081500_N.3gf") + " --format blackvue-3gf" + Common()), 0);
    EXPECT_EQ(Info(front, "source"), "blackvue");
    ExpectRoute(Slots(front), {"blackvue-side", "", "blackvue", GScale::Counts128});
}

TEST_F(CameraSideFiles, EmptyBlackVueGpsIsAnEmptyTrack)
{
    const std::string parked = Write("20260514_090000_PF.mp4", "--layout plain");
    WriteFile(*dir_ / "20260514_090000_P.gps", "");
    ASSERT_EQ(Mkrec("side " + Quote(*dir_ / "20260514_090000_P.3gf") + " --format blackvue-3gf" + Common()), 0);
    EXPECT_EQ(Info(parked, "source"), "blackvue");
    EXPECT_EQ(Info(parked, "slots"), "0");
}

// A Novatek camera's daily GPS log: the recording takes the lines of its own
// span, by the time stamp in its name or else its movie header's, wherever
// the camera put the log.
struct DailyLogCase {
    const char* recording;
    const char* startArgs;  // mkrec mov's --start: the movie header's clock
    const char* log;
    const char* logArgs;    // how the camera's clock writes the lines
};

TEST_F(CameraSideFiles, DailyGpsLogByTheRecordingsSpan)
{
    const DailyLogCase cases[] = {
        {"a/Movie/2026_0514_081502_F.MP4", "", "a/Movie/gps/20260514.dat", ""},
        {"b/Movie/20260514_081502_NF.mp4", "", "b/gps/20260514.dat", ""},
        {"c/2026_0514_081502_R.MP4", "", "c/20260514.DAT", ""},
        {"d/Movie/MOVI0001.MP4", "--start 1778746502", "d/gps/20260514.dat", ""},
        {"e/Movie/2026_0514_081502_F.MP4", "", "e/gps/20260514.dat", "--log-year 2099"},
        {"f/Movie/2026_0514_081502_F.MP4", "", "f/gps/20260514.dat", "--log-year 2000"},
    };
    for (const DailyLogCase& c : cases) {
        const std::string media = Write(std::string("daily/") + c.recording, std::string("--layout plain ") + c.startArgs);
        // The whole drive is in the day's log from 08:15:00: the recording starts 2 s into it.
        ASSERT_EQ(Mkrec("side " + Quote(*dir_ / (std::string("daily/") + c.log)) + " --format daily-log --route " +
                        Quote(*dir_ / "route.csv") + " --start 1778746500 " + c.logArgs),
                  0);
        EXPECT_EQ(Info(media, "source"), "daily-log") << c.recording;
        ExpectRoute(Slots(media), {c.recording, "", "daily-log", GScale::None, true});
    }
}

TEST_F(CameraSideFiles, DailyGpsLogsAcrossMidnight)
{
    // 23:59:58 to 00:00:03: the first two seconds in one day's log, the rest in the next's.
    const std::string media = Write("midnight/Movie/2026_0514_235958_F.MP4", "--layout plain");
    const std::string route = " --format daily-log --route " + Quote(*dir_ / "route.csv");
    ASSERT_EQ(Mkrec("side " + Quote(*dir_ / "midnight/gps/20260514.dat") + route + " --from 0 --seconds 4 --start 1778803196"), 0);
    ASSERT_EQ(Mkrec("side " + Quote(*dir_ / "midnight/gps/20260515.dat") + route + " --from 4 --seconds 8 --start 1778803200"), 0);
    EXPECT_EQ(Info(media, "source"), "daily-log");
    ExpectRoute(Slots(media), {"midnight", "", "daily-log", GScale::None, true});
}

// A log of another day, another span or another shape is not the recording's:
// its track comes from elsewhere or nowhere.
TEST_F(CameraSideFiles, DailyGpsLogOfAnotherSpanIsNotTheRecordings)
{
    const std::string route = " --format daily-log --route " + Quote(*dir_ / "route.csv") + " --start 1778746500";
    const std::string later = Write("other/Movie/2026_0514_091502_F.MP4", "--layout plain");
    const std::string dayAfter = Write("other/Movie/2026_0515_081502_F.MP4", "--layout plain");
    ASSERT_EQ(Mkrec("side " + Quote(*dir_ / "other/gps/20260514.dat") + route), 0);
    for (const std::string& media : {later, dayAfter}) {
        EXPECT_EQ(Info(media, "source"), "none") << media;
        EXPECT_EQ(Fixes(Slots(media)), 0u) << media;
    }
    // The day's lines under the recording's own name are no daily log, nor a scrambled side file's track.
    const std::string named = Write("other/2026_0514_081502_F.MP4", "--layout plain");
    ASSERT_EQ(Mkrec("side " + Quote(*dir_ / "other/2026_0514_081502_F.DAT") + route), 0);
    EXPECT_EQ(Fixes(Slots(named)), 0u);
}

// Damaged logs read as far as they go: lines cut, turned to garbage, swollen
// or dated off the day give no position that the whole log does not give there.
TEST_F(CameraSideFiles, DamagedDailyGpsLogsGivePartialTracks)
{
    const std::string media = Write("damaged/Movie/2026_0514_081502_F.MP4", "--layout plain");
    const std::string log = *dir_ / "damaged/gps/20260514.dat";
    ASSERT_EQ(Mkrec("side " + Quote(log) + " --format daily-log --route " + Quote(*dir_ / "route.csv") + " --start 1778746500"), 0);
    const auto whole = Slots(media);
    ASSERT_GT(Fixes(whole), 0u);
    const std::string bytes = ReadFile(log);
    std::vector<std::string> copies = {
        bytes.substr(0, bytes.size() / 2),
        bytes.substr(0, bytes.size() / 2 + 17),
        bytes.substr(bytes.size() / 3),
        std::string(bytes).replace(bytes.size() / 2, 30, std::string(30, '\xff')),
        std::string(bytes).insert(bytes.size() / 2, std::string(100000, '7')),
        std::string(bytes).insert(bytes.size() / 2, "20260514081504,4807.038,N,01131.000,E,13.5,520,9\n"),
        std::string(bytes).insert(0, "20260514081504,9999.99999,N,99999.99999,E,1e308,0\n"),
        std::string(bytes).insert(0, std::string(5000, '\n')),
        std::string(bytes).replace(0, 4, "2099"),
        "",
    };
    ExpectOnlyTheWholesPositions(media, log, copies, whole);
}

// DJI's subtitles beside the video, in each dialect its aircraft write: a
// cue per frame or per second, the position by the cue's start.
struct DjiCase {
    const char* dialect;
    bool speedless;  // only the dialect with H.S gives a speed
};

TEST_F(CameraSideFiles, DjiSubtitlesInEachDialect)
{
    for (const DjiCase& c : {DjiCase{"bracket", true}, DjiCase{"longtitude", true}, DjiCase{"gps", true},
                             DjiCase{"gps-speed", false}}) {
        const std::string base = std::string("dji/") + c.dialect + "/DJI_0001";
        const std::string media = Write(base + ".MP4", "--layout plain");
        ASSERT_EQ(Mkrec("side " + Quote(*dir_ / (base + ".SRT")) + " --format dji-srt-" + c.dialect + Common()), 0);
        EXPECT_EQ(Info(media, "source"), "dji-srt") << c.dialect;
        Layout layout{c.dialect, "", "dji-srt", GScale::None, true};
        layout.speedless = c.speedless;
        ExpectRoute(Slots(media), layout);
    }
}

// Subtitles of another kind beside a video are not a track.
TEST_F(CameraSideFiles, OtherSubtitlesAreNoTrack)
{
    const std::string media = Write("subtitles/film.mp4", "--layout plain");
    WriteFile(*dir_ / "subtitles/film.srt", "1\r\n00:00:01,000 --> 00:00:02,000\r\nGPS is on the way home (he said)\r\n\r\n");
    EXPECT_EQ(Info(media, "source"), "none");
}

// Damaged subtitles read as far as they go: no position that the whole file
// does not show there.
TEST_F(CameraSideFiles, DamagedDjiSubtitlesGivePartialTracks)
{
    const std::string media = Write("dji-damaged/DJI_0002.MP4", "--layout plain");
    const std::string srt = *dir_ / "dji-damaged/DJI_0002.SRT";
    ASSERT_EQ(Mkrec("side " + Quote(srt) + " --format dji-srt-bracket" + Common()), 0);
    const auto whole = Slots(media);
    ASSERT_GT(Fixes(whole), 0u);
    const std::string bytes = ReadFile(srt);
    const std::string cue = "1\n00:00:00,000 --> 00:00:00,033\n";
    std::vector<std::string> copies = {
        bytes.substr(0, bytes.size() / 2),
        bytes.substr(0, bytes.size() / 2 + 101),
        bytes.substr(bytes.size() / 3),
        std::string(bytes).replace(bytes.size() / 2, 300, std::string(300, '\xff')),
        std::string(bytes).insert(bytes.size() / 2, std::string(100000, '[')),
        cue + "[latitude: 1e308] [longitude: -1e308]\n" + bytes,
        cue + "[latitude: 91.0] [longitude: 11.0]\n" + bytes,
        cue + "GPS(nan,inf,0)\n" + bytes,
        "99999:59:59,999 --> 99999:59:59,999\n[latitude: 48.1] [longitude: 11.5]\n" + bytes,
        std::string(100000, '\n') + bytes,
        "",
    };
    ExpectOnlyTheWholesPositions(media, srt, copies, whole);
}

TEST_F(CameraSideFiles, PlainMp4WithoutDataHasNoSource)
{
    const std::string plain = Write("clip.mp4", "--layout plain");
    EXPECT_EQ(Info(plain, "source"), "none");
    EXPECT_EQ(Info(plain, "loadResult"), "-1");
    EXPECT_TRUE(Slots(plain).empty());
}

TEST_F(CameraSideFiles, RecordingsPlayInFfmpeg)
{
    for (const char* layout : {"freegps", "gpmf", "blackvue", "nmea-text"}) {
        const std::string path = Write(std::string("play-") + layout + ".mp4", std::string("--layout ") + layout);
        CommandResult streams = Execute("ffprobe -v error -show_entries stream=codec_type -of csv=p=0 " + Quote(path));
        EXPECT_NE(streams.out.find("video"), std::string::npos) << layout;
        EXPECT_EQ(Execute("ffmpeg -nostdin -v error -i " + Quote(path) + " -f null -").status, 0) << layout;
    }
}

// ExifTool's reading of the same files: its first position of each sample
// (each second) against our slot at that second.
struct ExifFix {
    double time = -1;
    double latitude = NAN, longitude = NAN, speed = NAN;
};

std::vector<ExifFix> ExifToolFixes(const std::string& path)
{
    CommandResult run = Execute("exiftool -ee -n -G3 -a -s -SampleTime -GPSLatitude -GPSLongitude -GPSSpeed " + Quote(path));
    std::map<int, ExifFix> docs;
    std::istringstream lines(run.out);
    for (std::string line; std::getline(lines, line);) {
        if (line.rfind("[Doc", 0) != 0)
            continue;
        const int doc = std::stoi(line.substr(4));
        std::istringstream fields(line.substr(line.find(']') + 1));
        std::string tag, colon;
        double value = 0;
        if (!(fields >> tag >> colon >> value))
            continue;
        ExifFix& fix = docs[doc];
        auto first = [&](double& field) {
            if (std::isnan(field))
                field = value;
        };
        if (tag == "SampleTime")
            fix.time = value;
        else if (tag == "GPSLatitude")
            first(fix.latitude);
        else if (tag == "GPSLongitude")
            first(fix.longitude);
        else if (tag == "GPSSpeed")
            first(fix.speed);
    }
    std::vector<ExifFix> fixes;
    for (const auto& [doc, fix] : docs) {
        if (!std::isnan(fix.latitude))
            fixes.push_back(fix);
    }
    return fixes;
}

struct ExifCase {
    const char* layout;
    double speedToKmh;  // ExifTool's unit: km/h, or m/s for GPMF
};

TEST_F(CameraSideFiles, ExifToolReadsTheSamePositionsAndSpeeds)
{
    for (const ExifCase& c : {ExifCase{"freegps", 1.0}, ExifCase{"freegps-compact", 1.0},
                              ExifCase{"freegps-text", 1.0}, ExifCase{"gpmf", 3.6},
                              ExifCase{"blackvue", 1.0}, ExifCase{"nmea-text", 1.0}, ExifCase{"70mai", 1.0}}) {
        const std::string path = Write(std::string("exif-") + c.layout + ".mp4", std::string("--layout ") + c.layout);
        const auto slots = Slots(path);
        const auto fixes = ExifToolFixes(path);
        // Ours: the slot at each whole second with a position, in order.
        std::vector<const Slot*> ours;
        for (std::size_t n = 0; n < slots.size(); n += 10) {
            if (!slots[n].latitude.empty())
                ours.push_back(&slots[n]);
        }
        ASSERT_GE(fixes.size(), ours.size()) << c.layout;
        ASSERT_EQ(ours.size(), std::size_t(kSeconds - 1)) << c.layout;
        // ExifTool reports GPMF's no-fix second too; its times place each fix.
        const std::size_t skip = fixes.size() - ours.size();
        for (std::size_t i = 0; i < ours.size(); ++i) {
            const ExifFix& e = fixes[i + skip];
            const Slot& slot = e.time >= 0 ? slots[std::size_t(std::lround(e.time * 10))] : *ours[i];
            EXPECT_NEAR(std::stod(slot.latitude), e.latitude, 1e-5) << c.layout << " fix " << i;
            EXPECT_NEAR(std::stod(slot.longitude), e.longitude, 1e-5) << c.layout << " fix " << i;
            EXPECT_NEAR(slot.speed, e.speed * c.speedToKmh, 1.0) << c.layout << " fix " << i;
        }
    }
}


// ExifTool's reading of the Karma drone's GLPI rows: each payload's first
// drone position and its horizontal speed against our slot at that time.
TEST_F(CameraSideFiles, ExifToolReadsTheSameDronePositions)
{
    const std::string path = Write("exif-gpmf-karma.mp4", "--layout gpmf-karma");
    const auto slots = Slots(path);
    CommandResult run = Execute("exiftool -ee -n -G3 -a -s -SampleTime -GPSLatitude -GPSLongitude -GPSSpeedX -GPSSpeedY " + Quote(path));
    std::map<int, std::map<std::string, double>> docs;  // the first nonzero value of each tag
    std::istringstream lines(run.out);
    for (std::string line; std::getline(lines, line);) {
        if (line.rfind("[Doc", 0) != 0)
            continue;
        std::istringstream fields(line.substr(line.find(']') + 1));
        std::string tag, colon;
        double value = 0;
        if (fields >> tag >> colon >> value && (value != 0 || tag == "SampleTime"))
            docs[std::stoi(line.substr(4))].emplace(tag, value);
    }
    int compared = 0;
    for (auto& [doc, tags] : docs) {
        if (!tags.count("GPSLatitude") || !tags.count("SampleTime"))
            continue;
        const Slot& slot = slots[std::size_t(std::lround(tags["SampleTime"] * 10))];
        ASSERT_FALSE(slot.latitude.empty()) << "doc " << doc;
        EXPECT_NEAR(std::stod(slot.latitude), tags["GPSLatitude"], 1e-5) << "doc " << doc;
        EXPECT_NEAR(std::stod(slot.longitude), tags["GPSLongitude"], 1e-5) << "doc " << doc;
        EXPECT_NEAR(slot.speed, std::hypot(tags["GPSSpeedX"], tags["GPSSpeedY"]) * 3.6, 1.0) << "doc " << doc;
        ++compared;
    }
    EXPECT_EQ(compared, kSeconds - 1);
}

// 70mai's GPSData logs on the card: the lines naming the recording are its
// track wherever the log lies (beside it, in a GPSData folder, at the card's
// root above Normal/Front), and the lines of other recordings stay out.
struct SeventyMaiLogPlace {
    const char* name;
    const char* log;  // relative to the card
};

const SeventyMaiLogPlace kSeventyMaiLogPlaces[] = {
    {"beside", "Normal/Front/GPSData000001.txt"},
    {"card-root", "GPSData000001.txt"},
    {"gpsdata-folder", "GPSData/GPSData000002.TXT"},
};

class SeventyMaiLogs : public CameraFiles {
protected:
    static std::string Log(const std::string& names, long from, std::time_t start)
    {
        const std::string path = *dir_ / "70mai-log.txt";
        const std::string args = "side " + Quote(path) + " --format 70mai-log --route " + Quote(*dir_ / "route.csv") +
                                 " --from " + std::to_string(from) + " --seconds " + std::to_string(kSeconds) +
                                 " --start " + std::to_string(start) + " --names " + Quote(names);
        EXPECT_EQ(Mkrec(args), 0);
        return ReadFile(path);
    }

    // A card with the recording in Normal/Front, its mvhd dated `created`.
    static std::string Recording(const std::string& card, const std::string& name, std::time_t created)
    {
        return Write(card + "/Normal/Front/" + name, "--layout plain --start " + std::to_string(created));
    }
};

constexpr std::time_t kDriveStart = 1778746500;

TEST_F(SeventyMaiLogs, LinesNamingTheRecordingAreItsTrackWhereverTheLogLies)
{
    for (const SeventyMaiLogPlace& place : kSeventyMaiLogPlaces) {
        const std::string card = std::string("card-") + place.name;
        // The movie's clock is an hour off the log's: the names decide.
        const std::string media = Recording(card, "NO20260514-081500-000002F.MP4", kDriveStart + 3600);
        const std::string earlier = Log("Normal/Front/NO20260514-081400-000001F.MP4", 0, kDriveStart - 60);
        WriteFile(*dir_ / (card + "/" + place.log), earlier + Log("NO20260514-081500-000002F.MP4", kFrom, kDriveStart));
        EXPECT_EQ(Info(media, "source"), "70mai") << place.name;
        ExpectRoute(Slots(media), {place.name, "", "70mai", GScale::None});
    }
}

TEST_F(SeventyMaiLogs, LinesWithoutNamesMatchTheMovieSpan)
{
    const std::string media = Recording("card-unnamed", "NO20260514-081500-000003F.MP4", kDriveStart);
    const std::string outside = Recording("card-unnamed", "NO20260514-091500-000004F.MP4", kDriveStart + 3600);
    WriteFile(*dir_ / "card-unnamed/GPSData000001.txt", Log("", kFrom, kDriveStart));
    EXPECT_EQ(Info(media, "source"), "70mai");
    ExpectRoute(Slots(media), {"unnamed", "", "70mai", GScale::None});
    EXPECT_EQ(Info(outside, "source"), "none");
}

// Garbage, cut and impossible lines among the good ones are left out; the
// good lines still give the whole route.
TEST_F(SeventyMaiLogs, BadLinesAreLeftOut)
{
    const std::string name = "NO20260514-081500-000005F.MP4";
    const std::string media = Recording("card-bad", name, kDriveStart);
    const std::string bad =
        "garbage without commas\n"
        ",,,,,,,,,NO20260514-081500-000005F.MP4,,,\n"
        "99999999999999999999,A,48.1,11.5,0,0,0,0,0," + name + ",0,0,0\n"
        "100,A,48.1,11.5,0,0,0,0,0," + name + ",0,0,0\n"  // 1970: no camera's clock
        "1778746502,A,95.0,11.5,0,0,0,0,0," + name + ",0,0,0\n"
        "1778746502,A,48.1,11.5,0,-5,0,0,0," + name + ",0,0,0\n"
        "1778746502,A,nan,inf,0,0,0,0,0," + name + ",0,0,0\n"
        "1778746502,A,48.1,11.5,0,999999999999,0,0,0," + name + ",0,0,0\n"
        "\x01\xff\xfe\n";
    const std::string good = Log(name, kFrom, kDriveStart);
    const std::string cutLast = "1778746509,A,48.1";
    WriteFile(*dir_ / "card-bad/GPSData000001.txt", bad + good + bad + cutLast);
    EXPECT_EQ(Info(media, "source"), "70mai");
    ExpectRoute(Slots(media), {"bad-lines", "", "70mai", GScale::None});
}

TEST_F(SeventyMaiLogs, ALogOfOtherRecordingsOnlyIsNoTrack)
{
    const std::string media = Recording("card-other", "NO20260514-081500-000006F.MP4", kDriveStart);
    WriteFile(*dir_ / "card-other/GPSData000001.txt", Log("NO20260514-071500-000001F.MP4", kFrom, kDriveStart - 3600));
    EXPECT_EQ(Info(media, "source"), "none");
    EXPECT_TRUE(Slots(media).empty());
}


// Garmin's FIT files beside a camera's videos, matched by time: the video's
// start is its movie header's creation time, each record's time its place.
struct FitCase {
    const char* name;
    const char* format;  // mkrec side --format
    const char* file;    // relative to the video's folder
};

const FitCase kFitCases[] = {
    {"same-name", "fit", "GRMN0001.fit"},
    {"other-name", "fit", "2026-05-14-08-14-00.FIT"},
    {"gmetrix-folder", "fit", "GMetrix/2026-05-14-08-14-00.fit"},
    {"compressed-timestamps", "fit-compressed", "GRMN0001.fit"},
    {"big-endian", "fit-big-endian", "GRMN0001.fit"},
};

class GarminFit : public CameraFiles {
protected:
    static std::string Fit(const std::string& path, const std::string& format, std::time_t start)
    {
        EXPECT_EQ(Mkrec("side " + Quote(path) + " --format " + format + Common() + " --start " + std::to_string(start)), 0);
        return path;
    }

    static std::string Video(const std::string& folder, std::time_t created)
    {
        return Write(folder + "/GRMN0001.MP4", "--layout plain --start " + std::to_string(created));
    }
};

constexpr std::time_t kFitStart = 1778746500;

TEST_F(GarminFit, RecordsBesideTheVideoAreItsTrack)
{
    for (const FitCase& c : kFitCases) {
        const std::string folder = std::string("garmin-") + c.name;
        const std::string video = Video(folder, kFitStart);
        Fit(*dir_ / (folder + "/" + c.file), c.format, kFitStart);
        EXPECT_EQ(Info(video, "source"), "fit") << c.name;
        ExpectRoute(Slots(video), {c.name, "", "fit", GScale::None, true});
    }
}

// A file of an earlier drive, and a video started later in the file's drive:
// only the seconds both cover are placed, each at its own time.
TEST_F(GarminFit, OnlyTheVideosSpanIsTaken)
{
    const std::string other = Video("garmin-other-drive", kFitStart + 3600);
    Fit(*dir_ / "garmin-other-drive/GRMN0001.fit", "fit", kFitStart);
    EXPECT_EQ(Info(other, "source"), "none");

    const std::string later = Video("garmin-later", kFitStart + 2);
    Fit(*dir_ / "garmin-later/GRMN0001.fit", "fit", kFitStart);
    const auto slots = Slots(later);
    ASSERT_EQ(slots.size(), std::size_t(kSeconds * 10));
    for (int s = 0; s + 2 < kSeconds; ++s) {
        const RoutePoint& p = Point(s + 2);
        ASSERT_FALSE(slots[std::size_t(10 * s)].latitude.empty()) << s;
        EXPECT_NEAR(std::stod(slots[std::size_t(10 * s)].latitude), p.latitude, 1e-6) << s;
    }
    // Past the file's end its last record holds (two seconds at most): no position is invented.
    const Slot& lastCovered = slots[std::size_t(10 * (kSeconds - 3))];
    for (std::size_t n = 10 * (kSeconds - 2); n < slots.size(); ++n)
        EXPECT_TRUE(slots[n].latitude.empty() || slots[n].latitude == lastCovered.latitude) << n;
}

// A cut file gives the records before the cut; a whole file changed after it
// was written (its CRC fails) gives none; a header claiming more data than
// the file holds reads what is there.
TEST_F(GarminFit, DamagedFilesGivePartialOrEmptyTracks)
{
    const std::string video = Video("garmin-damaged", kFitStart);
    const std::string fit = *dir_ / "garmin-damaged/GRMN0001.fit";
    const std::string bytes = ReadFile(Fit(fit, "fit-compressed", kFitStart));
    const auto whole = Slots(video);
    std::string claimsMore = bytes.substr(0, bytes.size() - 2);
    for (int i = 4; i < 8; ++i)
        claimsMore[std::size_t(i)] = '\xff';
    WriteFile(fit, claimsMore);
    EXPECT_EQ(Slots(video).size(), whole.size());
    EXPECT_EQ(Fixes(Slots(video)), Fixes(whole));
    for (std::size_t cut = 13; cut < bytes.size(); cut += 7) {
        WriteFile(fit, bytes.substr(0, cut));
        const auto slots = Slots(video);
        for (std::size_t n = 0; n < slots.size(); ++n) {
            if (!slots[n].latitude.empty()) {
                EXPECT_TRUE(ShownWithin(whole, n, slots[n])) << "cut " << cut << " slot " << n;
            }
        }
    }
    for (std::size_t at = 14; at + 4 < bytes.size() - 2; at += 5) {
        std::string flipped = bytes;
        for (int i = 0; i < 4; ++i)
            flipped[at + std::size_t(i)] = '\xff';
        WriteFile(fit, flipped);
        EXPECT_EQ(Fixes(Slots(video)), 0u) << "flipped at " << at;
    }
}

// GPSBabel's reading of the same file: its position, speed (m/s) and time of
// each record against our slot at that time.
TEST_F(GarminFit, GpsBabelReadsTheSamePositionsSpeedsAndTimes)
{
    const std::string video = Video("garmin-gpsbabel", kFitStart);
    const std::string fit = Fit(*dir_ / "garmin-gpsbabel/GRMN0001.fit", "fit", kFitStart);
    const auto slots = Slots(video);
    const CommandResult run = Execute("gpsbabel -t -i garmin_fit -f " + Quote(fit) + " -o unicsv,utc=0 -F -");
    ASSERT_EQ(run.status, 0);
    std::istringstream lines(run.out);
    std::string line;
    std::getline(lines, line);
    ASSERT_EQ(line.substr(0, line.find('\r')), "No,Latitude,Longitude,Speed,Date,Time");
    int rows = 0;
    while (std::getline(lines, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        std::vector<std::string> f;
        std::istringstream fields(line);
        for (std::string v; std::getline(fields, v, ',');)
            f.push_back(v);
        ASSERT_EQ(f.size(), 6u) << line;
        std::tm t {};
        ASSERT_TRUE(strptime((f[4] + " " + f[5]).c_str(), "%Y/%m/%d %H:%M:%S", &t)) << line;
        const long second = static_cast<long>(timegm(&t) - kFitStart);
        ASSERT_GE(second, 0);
        ASSERT_LT(second, kSeconds);
        const Slot& slot = slots[std::size_t(second * 10)];
        ASSERT_FALSE(slot.latitude.empty()) << line;
        EXPECT_NEAR(std::stod(slot.latitude), std::stod(f[1]), 1e-6) << line;
        EXPECT_NEAR(std::stod(slot.longitude), std::stod(f[2]), 1e-6) << line;
        EXPECT_NEAR(slot.speed, std::stod(f[3]) * 3.6, 1.0) << line;
        ++rows;
    }
    EXPECT_EQ(rows, kSeconds - 1);  // the first second has no fix
}

// ExifTool reads DJI's telemetry in a video's text track, not in an .SRT
// beside it: a DJI video carries both, the same cues. ExifTool's reading of
// the track and ours of the subtitles agree on every second with a fix.
TEST_F(CameraSideFiles, ExifToolReadsDjiTelemetryAsOurSubtitles)
{
    const std::string media = Write("dji-exif/DJI_0003.MP4", "--layout dji-text");
    ASSERT_EQ(Mkrec("side " + Quote(*dir_ / "dji-exif/DJI_0003.SRT") + " --format dji-srt-gps-speed" + Common()), 0);
    EXPECT_EQ(Info(media, "source"), "dji-srt");
    const auto slots = Slots(media);
    std::size_t compared = 0;
    for (const ExifFix& e : ExifToolFixes(media)) {
        ASSERT_GE(e.time, 0);
        const Slot& slot = slots.at(std::size_t(std::lround(e.time * 10)));
        if (e.latitude == 0 && e.longitude == 0) {  // DJI's zeros: no fix
            EXPECT_TRUE(slot.latitude.empty());
            continue;
        }
        ++compared;
        EXPECT_NEAR(std::stod(slot.latitude), e.latitude, 1e-6) << "at " << e.time;
        EXPECT_NEAR(std::stod(slot.longitude), e.longitude, 1e-6) << "at " << e.time;
        EXPECT_NEAR(slot.speed, e.speed, 1.0) << "at " << e.time;
    }
    EXPECT_EQ(compared, std::size_t(kSeconds - 1));
}

// ExifTool reads freeGPS text blocks only by the camera's date digits: the
// same blocks without them it does not read. Ours of those agree with its
// reading of the dated ones, second by second.
TEST_F(CameraSideFiles, ExifToolReadsDatedTextBlocksAsWeReadUndatedOnes)
{
    const std::string dated = Write("exif-text/dated.mp4", "--layout freegps-text");
    const std::string undated = Write("exif-text/undated.mp4", "--layout freegps-rmc");
    const auto slots = Slots(undated);
    ASSERT_EQ(slots.size(), std::size_t(kSeconds * 10));
    std::vector<const Slot*> ours;
    for (std::size_t n = 0; n < slots.size(); n += 10) {
        if (!slots[n].latitude.empty())
            ours.push_back(&slots[n]);
    }
    ASSERT_EQ(ours.size(), std::size_t(kSeconds - 1));
    std::vector<ExifFix> fixes;
    for (const ExifFix& e : ExifToolFixes(dated)) {
        if (e.latitude != 0 || e.longitude != 0)  // its reading of a block without a fix
            fixes.push_back(e);
    }
    ASSERT_EQ(fixes.size(), ours.size());
    for (std::size_t i = 0; i < ours.size(); ++i) {
        EXPECT_NEAR(std::stod(ours[i]->latitude), fixes[i].latitude, 1e-5) << "fix " << i;
        EXPECT_NEAR(std::stod(ours[i]->longitude), fixes[i].longitude, 1e-5) << "fix " << i;
        EXPECT_NEAR(ours[i]->speed, fixes[i].speed, 1.0) << "fix " << i;
    }
}

}  // namespace
