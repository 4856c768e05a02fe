// Events through `dashtrack events`, in recordings mkrec writes with
// incidents at known seconds of the route, and on cards laid out as cameras
// lay them out.

#include "DashtrackRun.h"
#include "TestFiles.h"
#include "events/Bookmarks.h"
#include "tools/mkrec_route.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <map>
#include <sstream>

namespace {

int Mkrec(const std::string& args)
{
    return Execute(std::string(MKREC_PATH) + " " + args).status;
}

CommandResult Dashtrack(const std::string& args)
{
    return RunSaying(std::string(DASHTRACK_PATH) + " " + args);
}

// Ten seconds of a 30-second route's seconds 10 to 20, started at
// 2026-05-14 08:15:10 UTC, written to `path` in `dir` (with the route as
// r.csv beside the video); the incidents are the route's.
bool WriteTenSeconds(const TempDir& dir, const std::string& path, const std::string& incidents)
{
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    return Mkrec("video " + Quote(dir / "v.mov") + " --seconds 10 --size 96x72") == 0 &&
           Mkrec("route " + Quote(dir / "r.csv") + " --seconds 30 --incidents '" + incidents + "'") == 0 &&
           Mkrec("mov " + Quote(path) + " --layout generic --video " + Quote(dir / "v.mov") + " --route " +
                 Quote(dir / "r.csv") + " --from 10 --seconds 10 --start 1778746510") == 0;
}

struct Found {
    std::string kind;
    double offset;
};

// Each recording is seconds 10 to 40 of a route with its incidents.
struct DetectionCase {
    const char* name;
    const char* incidents;
    const char* layout;
    const char* threshold;  // empty: the default
    std::vector<Found> expected;
};

class EventDetection : public testing::TestWithParam<DetectionCase> {
protected:
    static void SetUpTestSuite()
    {
        dir_ = new TempDir;
        ASSERT_EQ(Mkrec("video " + Quote(*dir_ / "v.mov") + " --seconds 30 --size 96x72"), 0);
    }
    static void TearDownTestSuite() { delete dir_; }
    static TempDir* dir_;
};

TempDir* EventDetection::dir_ = nullptr;

std::vector<Found> ParseEvents(const std::string& json)
{
    std::vector<Found> found;
    for (const auto& e : nlohmann::json::parse(json))
        found.push_back({e.at("kind").get<std::string>(), e.at("offset").get<double>()});
    return found;
}

TEST_P(EventDetection, FindsWhatHappenedAndNothingElse)
{
    const DetectionCase& c = GetParam();
    const std::string route = *dir_ / (std::string(c.name) + ".csv");
    ASSERT_EQ(Mkrec("route " + Quote(route) + " --seconds 60 --incidents '" + c.incidents + "'"), 0);
    const std::string recording = *dir_ / (std::string("A60514081510_") + c.name + ".MOV");
    ASSERT_EQ(Mkrec("mov " + Quote(recording) + " --layout " + c.layout + " --video " + Quote(*dir_ / "v.mov") +
                    " --route " + Quote(route) + " --from 10 --seconds 30"),
              0);
    const std::string threshold = *c.threshold ? std::string(" --threshold ") + c.threshold : "";
    const CommandResult run = Dashtrack("events --format json" + threshold + " " + Quote(recording));
    ASSERT_EQ(run.status, 0) << run.out;
    const std::vector<Found> found = ParseEvents(run.out);
    ASSERT_EQ(found.size(), c.expected.size()) << run.out;
    for (std::size_t i = 0; i < found.size(); ++i) {
        EXPECT_EQ(found[i].kind, c.expected[i].kind) << run.out;
        EXPECT_NEAR(found[i].offset, c.expected[i].offset, 0.2 + 1e-9) << run.out;
    }
}

// Route seconds: an incident at second S is at S - 10 in the recording. The
// drive itself brakes for lights and turns at 0.25 g and less: no event.
INSTANTIATE_TEST_SUITE_P(
    Cases, EventDetection,
    testing::Values(
        DetectionCase{"ordinary_drive", "", "generic", "", {}},
        DetectionCase{"two_impacts", "impact@15,impact@30", "generic", "", {{"impact", 5}, {"impact", 20}}},
        DetectionCase{"impact_in_gpmf", "impact@22", "gpmf", "", {{"impact", 12}}},
        DetectionCase{"impact_threshold_off", "impact@15", "generic", "off", {}},
        DetectionCase{"impact_over_a_high_threshold", "impact@15", "generic", "1.5", {}},
        DetectionCase{"bumpy_road", "bumpy@12-38", "generic", "", {}},  // through a bend at 35
        // From 48 km/h to a standstill at 16 km/h a second: one stretch, found
        // where the speed's second-long change first reaches 0.35 g.
        DetectionCase{"hard_stop", "stop@20", "generic", "", {{"braking", 9.5}}},
        DetectionCase{"hard_stop_and_start", "stop@20,start@28", "generic", "", {{"braking", 9.5}, {"acceleration", 17.5}}},
        DetectionCase{"tunnel", "tunnel@18-26", "generic", "", {}}),
    [](const testing::TestParamInfo<DetectionCase>& info) { return std::string(info.param.name); });

// The cards' recordings, each marked as its camera meant it.
TEST(CameraEvents, EveryCardLayoutIsMarked)
{
    TempDir dir;
    const CommandResult made = Execute(std::string(MKREC_PATH) + " cards " + Quote(dir.Path().string()));
    ASSERT_EQ(made.status, 0);
    std::map<std::string, std::string> meant;  // path: none, event or parking
    std::istringstream lines(made.out);
    for (std::string path, meaning; lines >> path >> meaning;)
        meant[path] = meaning;
    ASSERT_EQ(meant.size(), 17u);
    const CommandResult run = Dashtrack("events --format json " + Quote(dir.Path().string()));
    ASSERT_EQ(run.status, 0) << run.out;
    std::map<std::string, std::string> marked;
    for (const auto& e : nlohmann::json::parse(run.out))
        marked[e.at("file").get<std::string>()] = e.at("kind").get<std::string>();
    for (const auto& [path, meaning] : meant) {
        const std::string expected = meaning == "none" ? "" : meaning == "event" ? "camera-event" : "parking";
        EXPECT_EQ(marked.count(path) ? marked[path] : "", expected) << path;
    }
}

// The CSV's columns, for a marked recording with a known time and an impact.
TEST(EventsOutput, CsvGivesTimeFileOffsetKindStrengthSpeedAndPlace)
{
    TempDir dir;
    const std::string recording = dir / "EVENT/A60514081510_0001.MOV";
    ASSERT_TRUE(WriteTenSeconds(dir, recording, "impact@15"));
    const CommandResult run = Dashtrack("events " + Quote(dir.Path().string()));
    ASSERT_EQ(run.status, 0) << run.out;
    std::istringstream lines(run.out);
    std::string header, mark, impact, more;
    std::getline(lines, header);
    std::getline(lines, mark);
    std::getline(lines, impact);
    EXPECT_EQ(header, "time,file,offset,kind,strength,speed,latitude,longitude,note");
    EXPECT_EQ(mark, "2026-05-14T08:15:10.0Z," + recording + ",0.0,camera-event,,0,,,");
    Route route;
    ASSERT_TRUE(LoadRoute(dir / "r.csv", route));
    const RoutePoint& at = route[15];
    const int speed = static_cast<int>(std::round(at.knots * 10) / 10 * 1.85);  // as the recording stores it
    const std::string start = "2026-05-14T08:15:15.0Z," + recording + ",5.0,impact,1.00," + std::to_string(speed) + ",";
    ASSERT_EQ(impact.substr(0, start.size()), start);
    std::istringstream place(impact.substr(start.size()));
    double latitude = 0, longitude = 0;
    char comma = 0;
    ASSERT_TRUE(place >> latitude >> comma >> longitude);
    EXPECT_NEAR(latitude, at.latitude, 3e-6);
    EXPECT_NEAR(longitude, at.longitude, 3e-6);
    EXPECT_EQ(impact.back(), ',');  // no note
    EXPECT_FALSE(std::getline(lines, more)) << more;
}

// Two programs looking at one card at once share the catalogue: both list
// the same events, and so does a third run from what they kept, with
// nothing said of a damaged catalogue.
TEST(EventCatalogueShared, TwoRunsAtOnceLeaveItWhole)
{
    TempDir dir;
    ASSERT_TRUE(WriteTenSeconds(dir, dir / "card/A60514081510_0001.MOV", "impact@15"));
    for (int i = 2; i <= 24; ++i) {
        char name[64];
        std::snprintf(name, sizeof name, "card/A605140815%02d_%04d.MOV", 10 + i, i);
        std::filesystem::copy_file(dir / "card/A60514081510_0001.MOV", dir / name);
    }
    const std::string run = "XDG_CACHE_HOME=" + Quote(dir / "cache") + " " + DASHTRACK_PATH + " events " + Quote(dir / "card");
    const CommandResult both = RunSaying("{ " + run + " > " + Quote(dir / "one.csv") + " & one=$!; " + run + " > " +
                                         Quote(dir / "two.csv") + " & two=$!; wait $one && wait $two; }");
    ASSERT_EQ(both.status, 0) << both.out;
    EXPECT_EQ(both.out, "");
    const std::string one = ReadFile(dir / "one.csv");
    EXPECT_EQ(std::count(one.begin(), one.end(), '\n'), 25);  // the header and an impact a recording
    EXPECT_EQ(ReadFile(dir / "two.csv"), one);
    const CommandResult third = RunSaying(run);
    EXPECT_EQ(third.status, 0);
    EXPECT_EQ(third.out, one);
}

// The user's bookmarks are listed with the events, with their notes; a
// listing without any makes no bookmark store.
TEST(EventsOutput, BookmarksAreListedWithTheirNotes)
{
    TempDir dir;
    const std::string recording = dir / "card/A60514081510_0001.MOV";
    ASSERT_TRUE(WriteTenSeconds(dir, recording, ""));
    const std::string list = "XDG_DATA_HOME=" + Quote(dir / "data") + " " + DASHTRACK_PATH + " events " + Quote(recording);
    CommandResult run = RunSaying(list);
    ASSERT_EQ(run.status, 0) << run.out;
    EXPECT_EQ(run.out, "time,file,offset,kind,strength,speed,latitude,longitude,note\n");
    EXPECT_FALSE(std::filesystem::exists(dir / "data/DualDash/bookmarks.sqlite"));
    {
        BookmarkStore store(dir / "data/DualDash/bookmarks.sqlite");
        TrackEvent moment;
        moment.kind = EventKind::Bookmark;
        moment.slot = 62;
        moment.speedKmh = 30;
        moment.latitude = "48.1";
        moment.longitude = "11.5";
        moment.note = "the cyclist, \"left\"";
        ASSERT_TRUE(store.Add(recording, moment).has_value());
    }
    run = RunSaying(list);
    EXPECT_EQ(run.out, "time,file,offset,kind,strength,speed,latitude,longitude,note\n"
                       "2026-05-14T08:15:16.2Z," + recording + ",6.2,bookmark,,30,48.1,11.5,\"the cyclist, \"\"left\"\"\"\n");
}

}  // namespace
