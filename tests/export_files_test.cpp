// Exported tracks of mkrec recordings, read back by other tools: the GPX
// validated against the GPX 1.1 and TrackPointExtension schemas, GPX and KML
// read by GPSBabel, the GeoJSON parsed, the CSV read back; every one giving
// the positions dashtrack reads from the recordings, at their UTC times.

#include "DashtrackRun.h"
#include "TestFiles.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cmath>
#include <regex>

namespace {

constexpr long kStart = 1463213700;  // 2016-05-14 08:15:00 UTC

struct Point {
    double time;  // seconds after kStart
    double latitude, longitude;
};

int RunTool(const std::string& tool, const std::string& args)
{
    return Execute(tool + " " + args).status;
}

// "2016-05-14T08:15:03.5Z" as seconds after kStart.
double SecondsOf(const std::string& iso)
{
    std::tm tm {};
    strptime(iso.c_str(), "%Y-%m-%dT%H:%M:%S", &tm);
    const std::size_t dot = iso.find('.');
    const double fraction = dot == std::string::npos ? 0 : std::stod("0" + iso.substr(dot, iso.size() - dot - 1));
    return static_cast<double>(timegm(&tm) - kStart) + fraction;
}

// Track points of a GPX file, segment by segment.
std::vector<std::vector<Point>> GpxSegments(const std::string& gpx)
{
    std::vector<std::vector<Point>> segments;
    const std::regex point(R"re(<trkpt lat="([-0-9.]+)" lon="([-0-9.]+)">\s*(?:<ele>[^<]*</ele>\s*)?<time>([^<]+)</time>)re");
    std::size_t at = 0;
    while ((at = gpx.find("<trkseg>", at)) != std::string::npos) {
        const std::size_t end = gpx.find("</trkseg>", at);
        const std::string segment = gpx.substr(at, end - at);
        segments.emplace_back();
        for (std::sregex_iterator it(segment.begin(), segment.end(), point), last; it != last; ++it)
            segments.back().push_back({SecondsOf((*it)[3]), std::stod((*it)[1]), std::stod((*it)[2])});
        at = end;
    }
    return segments;
}

std::vector<Point> Flat(const std::vector<std::vector<Point>>& segments)
{
    std::vector<Point> all;
    for (const auto& s : segments)
        all.insert(all.end(), s.begin(), s.end());
    return all;
}

void ExpectSamePoints(const std::vector<Point>& got, const std::vector<Point>& want, const char* what)
{
    ASSERT_EQ(got.size(), want.size()) << what;
    for (std::size_t i = 0; i < got.size(); ++i) {
        EXPECT_NEAR(got[i].time, want[i].time, 0.001) << what << " point " << i;
        EXPECT_NEAR(got[i].latitude, want[i].latitude, 1e-6) << what << " point " << i;
        EXPECT_NEAR(got[i].longitude, want[i].longitude, 1e-6) << what << " point " << i;
    }
}

class ExportFiles : public testing::Test {
protected:
    // A drive of three consecutive 20-s recordings, then one more after a
    // 40-s stop; each file's start in its movie header.
    static void SetUpTestSuite()
    {
        dir_ = new TempDir;
        ASSERT_EQ(RunTool(MKREC_PATH, "route " + Quote(*dir_ / "route.csv") + " --seconds 120"), 0);
        ASSERT_EQ(RunTool(MKREC_PATH, "video " + Quote(*dir_ / "v.mov") + " --seconds 20 --size 160x120"), 0);
        std::filesystem::create_directories(*dir_ / "drive");
        const int starts[] = {0, 20, 40, 100};
        for (int i = 0; i < 4; ++i) {
            const std::string name = "A605140815" + std::to_string(10 + i) + "_000" + std::to_string(i) + ".MOV";
            recordings_.push_back(*dir_ / ("drive/" + name));
            ASSERT_EQ(RunTool(MKREC_PATH, "mov " + Quote(recordings_.back()) + " --layout generic --video " +
                                          Quote(*dir_ / "v.mov") + " --route " + Quote(*dir_ / "route.csv") +
                                          " --from " + std::to_string(starts[i]) + " --seconds 20 --start " +
                                          std::to_string(kStart + starts[i])),
                      0);
            starts_.push_back(starts[i]);
        }
    }
    static void TearDownTestSuite()
    {
        delete dir_;
        recordings_.clear();
        starts_.clear();
    }

    // What dashtrack reads from the recordings: each new fix at its time,
    // one list a drive.
    static std::vector<std::vector<Point>> ExpectedSegments()
    {
        std::vector<std::vector<Point>> segments;
        for (std::size_t r = 0; r < recordings_.size(); ++r) {
            if (r == 0 || starts_[r] - starts_[r - 1] > 25)
                segments.emplace_back();
            const auto slots = ParseSlots(Execute(std::string(DASHTRACK_PATH) + " slots " + Quote(recordings_[r])).out);
            for (std::size_t i = 0; i < slots.size(); ++i) {
                const Slot& s = slots[i];
                const bool fresh = i == 0 || s.latitude != slots[i - 1].latitude || s.longitude != slots[i - 1].longitude ||
                                   s.speed != slots[i - 1].speed || s.course != slots[i - 1].course;
                if (s.latitude.size() > 6 && fresh)
                    segments.back().push_back({starts_[r] + i / 10.0, std::stod(s.latitude), std::stod(s.longitude)});
            }
        }
        return segments;
    }

    static std::string Export(const std::string& format, const std::string& extra = "")
    {
        const std::string out = *dir_ / ("drive." + format);
        EXPECT_EQ(RunTool(DASHTRACK_PATH, "export --format " + format + " --output " + Quote(out) + " " + extra + " " +
                                          Quote(*dir_ / "drive")),
                  0);
        return out;
    }

    static TempDir* dir_;
    static std::vector<std::string> recordings_;
    static std::vector<int> starts_;
};

TempDir* ExportFiles::dir_ = nullptr;
std::vector<std::string> ExportFiles::recordings_;
std::vector<int> ExportFiles::starts_;

}  // namespace

TEST_F(ExportFiles, GpxIsValidAndGpsBabelReadsTheSamePoints)
{
    const std::string gpx = Export("gpx");
    EXPECT_EQ(RunTool("xmllint", "--noout --schema " + Quote(SCHEMA_DIR "/export.xsd") + " " + Quote(gpx)), 0);
    const auto expected = ExpectedSegments();
    ASSERT_EQ(expected.size(), 2u);
    ASSERT_GT(expected[0].size(), 40u);
    const auto written = GpxSegments(ReadFile(gpx));
    ASSERT_EQ(written.size(), 2u);  // split at the stop between the drives
    ExpectSamePoints(written[0], expected[0], "first segment");
    ExpectSamePoints(written[1], expected[1], "second segment");
    const CommandResult babel = Execute("gpsbabel -t -i gpx -f " + Quote(gpx) + " -o gpx -F -");
    ASSERT_EQ(babel.status, 0);
    ExpectSamePoints(Flat(GpxSegments(babel.out)), Flat(expected), "GPSBabel's reading");
}

TEST_F(ExportFiles, GpxSpeedAndCourseInTheTrackPointExtension)
{
    const std::string gpx = ReadFile(Export("gpx"));
    const auto slots = ParseSlots(Execute(std::string(DASHTRACK_PATH) + " slots " + Quote(recordings_[0])).out);
    const auto first = std::find_if(slots.begin(), slots.end(), [](const Slot& s) { return s.latitude.size() > 6; });
    ASSERT_NE(first, slots.end());
    char want[160];
    std::snprintf(want, sizeof want, "<gpxtpx:speed>%.2f</gpxtpx:speed><gpxtpx:course>%.1f</gpxtpx:course>",
                  first->speed / 3.6, first->course);
    EXPECT_NE(gpx.find(want), std::string::npos) << want;
}

TEST_F(ExportFiles, KmlReadByGpsBabelGivesTheSameTimedPoints)
{
    const std::string kml = Export("kml");
    EXPECT_EQ(RunTool("xmllint", "--noout " + Quote(kml)), 0);
    const CommandResult babel = Execute("gpsbabel -t -i kml -f " + Quote(kml) + " -o gpx -F -");
    ASSERT_EQ(babel.status, 0);
    // GPSBabel reads the gx:Track with its times and the plain LineStrings
    // without; the timed ones are the track.
    ExpectSamePoints(Flat(GpxSegments(babel.out)), Flat(ExpectedSegments()), "GPSBabel's reading of the gx:Track");
}

TEST_F(ExportFiles, GeoJsonParsesToOneLinePerSegment)
{
    const auto json = nlohmann::json::parse(ReadFile(Export("geojson")));
    const auto expected = ExpectedSegments();
    ASSERT_EQ(json["features"].size(), expected.size());
    for (std::size_t s = 0; s < expected.size(); ++s) {
        const auto& feature = json["features"][s];
        EXPECT_EQ(feature["geometry"]["type"], "LineString");
        std::vector<Point> got;
        for (std::size_t i = 0; i < feature["geometry"]["coordinates"].size(); ++i) {
            const auto& c = feature["geometry"]["coordinates"][i];
            got.push_back({SecondsOf(feature["properties"]["times"][i]), c[1], c[0]});
        }
        ExpectSamePoints(got, expected[s], "GeoJSON segment");
    }
}

TEST_F(ExportFiles, CsvHoldsEverySlotAndReadsBack)
{
    const std::string csv = ReadFile(Export("csv"));
    std::vector<Point> fixes;
    std::size_t rows = 0;
    std::istringstream in(csv);
    std::string line;
    std::getline(in, line);
    EXPECT_EQ(line, "time_utc,latitude_deg,longitude_deg,speed_kmh,course_deg,g_x,g_y,g_z,segment");
    Point last {-1, 0, 0};
    while (std::getline(in, line)) {
        ++rows;
        std::vector<std::string> f;
        std::istringstream fields(line);
        for (std::string v; std::getline(fields, v, ',');)
            f.push_back(v);
        f.resize(9);
        if (f[1].empty())
            continue;
        const Point p {SecondsOf(f[0]), std::stod(f[1]), std::stod(f[2])};
        if (p.latitude != last.latitude || p.longitude != last.longitude)
            fixes.push_back(p);
        last = p;
    }
    EXPECT_EQ(rows, 4u * 200);  // four 20-s recordings
    // Positions only (a change of speed alone makes no new row here).
    std::vector<Point> moves;
    for (const Point& p : Flat(ExpectedSegments()))
        if (moves.empty() || p.latitude != moves.back().latitude || p.longitude != moves.back().longitude)
            moves.push_back(p);
    ExpectSamePoints(fixes, moves, "CSV");
    const std::string mph = ReadFile(Export("csv", "--units mph"));
    EXPECT_EQ(mph.substr(0, mph.find('\n')), "time_utc,latitude_deg,longitude_deg,speed_mph,course_deg,g_x,g_y,g_z,segment");
}

// A camera whose own clock is an hour behind: its movie header says 07:15,
// its GPS says 08:15. Where the track dates its fixes the GPS clock wins, in
// the export and in the drives; where it does not, the header's time is all
// there is.
TEST_F(ExportFiles, GpsClockOverTheCameraClock)
{
    const struct {
        const char* layout;
        bool dated;
    } cases[] = {{"freegps", true}, {"nmea-text", true}, {"blackvue", true}, {"gpmf", true}, {"gpmf9", true},
                 {"generic", false}};
    for (const auto& c : cases) {
        const std::string folder = *dir_ / (std::string("clock-") + c.layout);
        std::filesystem::create_directories(folder);
        // The older recorders' track is read from files named .MOV only.
        const std::string path = folder + (c.dated ? "/A60514071500_0001.MP4" : "/A60514071500_0001.MOV");
        ASSERT_EQ(RunTool(MKREC_PATH, "mov " + Quote(path) + " --layout " + c.layout + " --video " + Quote(*dir_ / "v.mov") +
                                          " --route " + Quote(*dir_ / "route.csv") + " --seconds 20 --start " +
                                          std::to_string(kStart)),
                  0);
        std::string bytes = ReadFile(path);
        const std::size_t mvhd = bytes.find("mvhd");
        ASSERT_NE(mvhd, std::string::npos);
        const std::uint32_t created = (std::uint8_t(bytes[mvhd + 8]) << 24 | std::uint8_t(bytes[mvhd + 9]) << 16 |
                                       std::uint8_t(bytes[mvhd + 10]) << 8 | std::uint8_t(bytes[mvhd + 11])) - 3600;
        for (int k = 0; k < 4; ++k)
            bytes[mvhd + 8 + k] = static_cast<char>(created >> (24 - 8 * k));
        WriteFile(path, bytes);
        const std::string csv = Execute(std::string(DASHTRACK_PATH) + " export --format csv " + Quote(path)).out;
        const std::size_t firstRow = csv.find('\n') + 1;
        const std::string expectedStart = c.dated ? "2016-05-14T08:15:00Z" : "2016-05-14T07:15:00Z";
        EXPECT_EQ(csv.substr(firstRow, expectedStart.size()), expectedStart) << c.layout;
        const std::string drives = Execute(std::string(DASHTRACK_PATH) + " drives " + Quote(folder)).out;
        EXPECT_NE(drives.find(expectedStart), std::string::npos) << c.layout << ": " << drives;
    }
}

TEST_F(ExportFiles, RefusesWhatItCannotDo)
{
    const std::string drive = Quote(*dir_ / "drive");
    EXPECT_EQ(RunTool(DASHTRACK_PATH, "export --format shp " + drive), 64);
    EXPECT_EQ(RunTool(DASHTRACK_PATH, "export --format gpx"), 64);
    EXPECT_EQ(RunTool(DASHTRACK_PATH, "export " + drive), 64);  // no format, none from a file name
    EXPECT_EQ(RunTool(DASHTRACK_PATH, "export --format gpx --units knots " + drive), 64);
    EXPECT_EQ(RunTool(DASHTRACK_PATH, "export --format gpx " + Quote(*dir_ / "missing.MOV")), 1);
    EXPECT_EQ(RunTool(DASHTRACK_PATH, "export --format gpx --output " + Quote(*dir_ / "no/such/dir.gpx") + " " + drive), 1);
    // The format from the output's name.
    EXPECT_EQ(RunTool(DASHTRACK_PATH, "export --output " + Quote(*dir_ / "named.kml") + " " + drive), 0);
    EXPECT_NE(ReadFile(*dir_ / "named.kml").find("<gx:Track>"), std::string::npos);
    // One recording, named alone.
    const CommandResult one = Execute(std::string(DASHTRACK_PATH) + " export --format gpx " + Quote(recordings_[3]));
    EXPECT_EQ(one.status, 0);
    ExpectSamePoints(Flat(GpxSegments(one.out)), ExpectedSegments()[1], "one recording");
}

namespace {

std::string DashtrackExport(const std::string& args)
{
    return std::string(DASHTRACK_PATH) + " export " + args;
}

}  // namespace

// No path to a recording may be the output: the recording would be replaced
// by the track.
TEST_F(ExportFiles, NeverWritesOverARecording)
{
    TempDir dir;
    const std::string victim = dir / "A60514081500_0001.MOV";
    std::filesystem::copy_file(recordings_[0], victim);
    std::filesystem::copy_file(recordings_[1], dir / "other.mp4");
    std::filesystem::create_symlink(victim, dir / "link.gpx");
    std::filesystem::create_hard_link(victim, dir / "hard.gpx");
    const std::string before = ReadFile(victim), other = ReadFile(dir / "other.mp4");
    for (const std::string& output : {victim, dir / "./A60514081500_0001.MOV", dir / "link.gpx", dir / "hard.gpx"}) {
        for (const std::string& input : {victim, dir.Path().string()}) {
            const CommandResult run = RunSaying(DashtrackExport("--format gpx --output " + Quote(output) + " " + Quote(input)));
            EXPECT_EQ(run.status, 1) << output << " from " << input;
            EXPECT_NE(run.out.find("is one of the recordings read"), std::string::npos) << run.out;
        }
    }
    // Nor over a recording that is not read: a track never takes a recording's name.
    const CommandResult run = RunSaying(DashtrackExport("--format gpx --output " + Quote(dir / "other.mp4") + " " + Quote(victim)));
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.out.find("is named as a recording"), std::string::npos) << run.out;
    EXPECT_EQ(ReadFile(victim), before);
    EXPECT_EQ(ReadFile(dir / "other.mp4"), other);
}

// A write that fails says so and exits 1, whatever the output's size; the
// file that was there stays as it was.
TEST_F(ExportFiles, AFailedWriteIsSaid)
{
    const std::string one = Quote(recordings_[0]), drive = Quote(*dir_ / "drive");
    for (const std::string& args : {"--format gpx --output /dev/full " + one, "--format csv --output /dev/full " + drive,
                                    "--format gpx " + one + " >/dev/full", "--format csv " + drive + " >/dev/full"}) {
        const CommandResult run = RunSaying(DashtrackExport(args));
        EXPECT_EQ(run.status, 1) << args;
        EXPECT_NE(run.out.find("No space left on device"), std::string::npos) << args << ": " << run.out;
    }
    TempDir dir;
    const std::string full = dir / "full";
    std::filesystem::create_directories(full);
    if (RunTool("mount", "-t tmpfs -o size=16k tmpfs " + Quote(full)) != 0)
        GTEST_SKIP() << "no file system could be mounted (not root): the full disk is left out";
    WriteFile(full + "/drive.csv", "the previous export");
    RunTool("dd", "if=/dev/zero of=" + Quote(full + "/filler") + " bs=1k count=64");
    const CommandResult run = RunSaying(DashtrackExport("--output " + Quote(full + "/drive.csv") + " " + drive));
    const std::string kept = ReadFile(full + "/drive.csv");
    std::vector<std::string> left;
    for (const auto& entry : std::filesystem::directory_iterator(full))
        left.push_back(entry.path().filename().string());
    RunTool("umount", Quote(full));
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.out.find("No space left on device"), std::string::npos) << run.out;
    EXPECT_EQ(kept, "the previous export");
    EXPECT_EQ(left.size(), 2u);  // the old file and the filler: no half-written one
}

// A loop of links is one line and exit 1, as a missing file is.
TEST_F(ExportFiles, UnreadablePathsAreSaidInOneLine)
{
    TempDir dir;
    std::filesystem::create_symlink(dir / "loop2", dir / "loop1");
    std::filesystem::create_symlink(dir / "loop1", dir / "loop2");
    for (const std::string& path : {dir / "loop1", dir / "loop1/A60514081500_0001.MOV"}) {
        const CommandResult run = RunSaying(DashtrackExport("--format gpx " + Quote(path)));
        EXPECT_EQ(run.status, 1) << path;
        EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), 1) << run.out;
        EXPECT_EQ(run.out.rfind("dashtrack: ", 0), 0u) << run.out;
    }
}

// Each recording once, however it is named.
TEST_F(ExportFiles, ARecordingNamedTwiceIsExportedOnce)
{
    TempDir dir;
    std::filesystem::create_symlink(*dir_ / "drive", dir / "linked");
    const std::string drive = Quote(*dir_ / "drive");
    const CommandResult once = Execute(DashtrackExport("--format gpx " + drive));
    const std::string again = drive + " " + Quote(recordings_[1]) + " " + Quote(*dir_ / ("drive/./" + std::filesystem::path(recordings_[1]).filename().string())) +
                              " " + Quote(dir / "linked");
    const CommandResult twice = Execute(DashtrackExport("--format gpx " + again));
    EXPECT_EQ(twice.status, 0);
    EXPECT_EQ(twice.out, once.out);
}

// Names in any bytes: the files stay valid XML and JSON.
TEST_F(ExportFiles, NamesInAnyBytesGiveValidFiles)
{
    TempDir dir;
    for (const std::string& name : {std::string("caf\xE9_A.MOV"), std::string("\x01\x1F]]>&<'\"_A.MOV"),
                                    std::string("\xC3_A.MOV")}) {
        const std::string copy = dir / name;
        std::filesystem::copy_file(recordings_[0], copy);
        for (const char* format : {"gpx", "kml", "geojson"}) {
            const std::string out = dir / (std::string("out.") + format);
            ASSERT_EQ(RunTool(DASHTRACK_PATH, "export --output " + Quote(out) + " " + Quote(copy)), 0) << format;
            if (std::string(format) == "geojson")
                EXPECT_TRUE(nlohmann::json::accept(ReadFile(out))) << name;
            else
                EXPECT_EQ(RunTool("xmllint", "--noout " + Quote(out)), 0) << name << " " << format;
        }
        std::filesystem::remove(copy);
    }
}
