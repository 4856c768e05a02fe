// Clips of mkrec recordings whose pictures carry their frame numbers, read
// back by ffmpeg, ffprobe, tesseract and xmllint: the pictures from the start
// mark to the end mark across a file cut, both cameras in their places, the
// overlay's text and route, the sound, the MP4's tags and the GPX beside it.

#include "BurntFrames.h"
#include "clips/Clip.h"
#include "clips/MediaLibraries.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <regex>

namespace fs = std::filesystem;

namespace {

constexpr long kStart = 1778746500;  // 2026-05-14 08:15:00 UTC, the first recording's start
constexpr int kRate = 30;            // mkrec's pictures a second
const std::string kFrontSize = "640x360", kRearSize = "320x180";

std::string WithoutSpaces(std::string text)
{
    text.erase(std::remove(text.begin(), text.end(), ' '), text.end());
    return text;
}

std::string Probe(const std::string& clip, const std::string& entries)
{
    return Execute("ffprobe -v error -show_entries " + entries + " -of default=noprint_wrappers=1 " + Quote(clip)).out;
}

class ClipFiles : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        SilenceMediaLibraries();
        folder_ = new std::string(fs::temp_directory_path() / ("clip_files_" + std::to_string(getpid())));
        fs::create_directories(*folder_);
        const std::string route = *folder_ + "/route.csv";
        Execute(Mkrec("route " + Quote(route) + " --seconds 40"));
        // Two recordings of 20 s, front and rear, the frame numbers going on from one to the next.
        for (int file = 0; file < 2; ++file) {
            const std::string name = std::string(1, static_cast<char>('A' + file));
            const std::string first = " --first-frame " + std::to_string(file * 20 * kRate);
            const std::string front = *folder_ + "/" + name + "-front.mov";
            Execute(Mkrec("video " + Quote(front) + " --seconds 20 --size " + kFrontSize + first));
            Execute(Mkrec("video " + Quote(*folder_ + "/" + name + "_R.MP4") + " --seconds 20 --rear --size " +
                          kRearSize + first));
            Execute(Mkrec("mov " + Quote(FrontPath(file)) + " --layout freegps --video " + Quote(front) + " --route " +
                          Quote(route) + " --from " + std::to_string(file * 20) + " --seconds 20 --start " +
                          std::to_string(kStart + file * 20)));
            fs::remove(front);
        }
        // An AVI of MJPEG pictures and PCM sound, and an HEVC recording, of 6 s each.
        const std::string avi = *folder_ + "/mjpeg.avi", hevc = *folder_ + "/hevc.mov";
        Execute(Mkrec("video " + Quote(avi) + " --seconds 6 --size 320x240 --frame-numbers"));
        Execute(Mkrec("avi " + Quote(*folder_ + "/OTHER.AVI") + " --video " + Quote(avi) + " --route " + Quote(route) +
                      " --seconds 6 --start " + std::to_string(kStart)));
        Execute(Mkrec("video " + Quote(hevc) + " --seconds 6 --size 320x240 --frame-numbers --hevc"));
        Execute(Mkrec("mov " + Quote(*folder_ + "/HEVC_F.MP4") + " --layout freegps --video " + Quote(hevc) +
                      " --route " + Quote(route) + " --seconds 6 --start " + std::to_string(kStart)));
        fs::remove(avi);
        fs::remove(hevc);
        slots_ = new std::vector<Slot>(ParseSlots(Execute(Dashtrack("slots " + Quote(FrontPath(0)))).out));
    }

    static void TearDownTestSuite()
    {
        fs::remove_all(*folder_);
        delete folder_;
        delete slots_;
    }

    void SetUp() override { out_ = *folder_ + "/out-" + ::testing::UnitTest::GetInstance()->current_test_info()->name(); }
    void TearDown() override { RemoveClip(); }
    void RemoveClip()
    {
        for (const char* ext : {".mp4", ".gpx"})
            fs::remove(out_ + ext);
    }

    static std::string Mkrec(const std::string& args) { return std::string(MKREC_PATH) + " " + args; }
    static std::string Dashtrack(const std::string& args) { return std::string(DASHTRACK_PATH) + " " + args; }
    static std::string FrontPath(int file) { return *folder_ + "/" + std::string(1, static_cast<char>('A' + file)) + "_F.MP4"; }

    // dashtrack clip over both recordings; its status and what it said.
    CommandResult Clip(const std::string& options, const std::string& output)
    {
        return RunSaying(Dashtrack("clip " + options + " --output " + Quote(output) + " " + Quote(FrontPath(0)) + " " +
                                   Quote(FrontPath(1))));
    }

    // Files in the folder other than the recordings: what a clip left behind.
    static std::vector<std::string> Leftovers()
    {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(*folder_)) {
            const std::string name = entry.path().filename().string();
            if (name != "route.csv" && name.find(".MP4") == std::string::npos && name.find(".AVI") == std::string::npos)
                names.push_back(name);
        }
        return names;
    }

    static std::string* folder_;
    static std::vector<Slot>* slots_;  // the first recording's track
    std::string out_;
};

std::string* ClipFiles::folder_ = nullptr;
std::vector<Slot>* ClipFiles::slots_ = nullptr;

// From 15 s to 25 s: the second recording begins 5 s into the clip, at
// its picture 150.
TEST_F(ClipFiles, BothCamerasAcrossTheCutHoldExactlyThePicturesBetweenTheMarks)
{
    const std::string clip = out_ + ".mp4";
    ASSERT_EQ(Clip("--from 15 --to 25 --cameras both --layout pip", clip).status, 0);
    EXPECT_EQ(Probe(clip, "stream=codec_name,nb_frames"), "codec_name=h264\nnb_frames=300\ncodec_name=aac\nnb_frames=470\n");
    // The inset as the player's small view: a third of the width, a margin of
    // a fortieth of the height from the bottom right corner.
    const Region front{0, 0, 640, 360}, rear{640 - 214 - 10, 360 - 120 - 10, 214, 120};
    const std::vector<int> frames = {0, 1, 149, 150, 151, 299};
    const std::vector<Picture> pictures = Pictures(clip, frames, 640, 360);
    ASSERT_EQ(pictures.size(), frames.size());
    for (std::size_t i = 0; i < frames.size(); ++i) {
        const int expected = 15 * kRate + frames[i];
        EXPECT_EQ(FrameNumber(pictures[i], front), expected) << "picture " << frames[i];
        EXPECT_NEAR(FrameNumber(pictures[i], rear), expected, 1) << "picture " << frames[i];
    }
    EXPECT_EQ(Execute("ffmpeg -nostdin -v error -i " + Quote(clip) + " -f null - 2>&1").out, "");
}

TEST_F(ClipFiles, LayoutsPutEachCameraInItsPlace)
{
    struct Case {
        std::string options;
        int width, height;
        Region large, other;
    };
    const Case cases[] = {
        // The rear's 320x180 scaled to the front's height beside it, or its width under it.
        {"--layout side", 1280, 360, {0, 0, 640, 360}, {640, 0, 640, 360}},
        {"--layout stack", 640, 720, {0, 0, 640, 360}, {0, 360, 640, 360}},
        // Swap: the rear camera large, at the front's height, the front inset.
        {"--layout pip --swap", 640, 360, {0, 0, 640, 360}, {640 - 214 - 10, 360 - 120 - 10, 214, 120}},
        // 720p: the front scaled from 360 lines, the rear beside it at the same height.
        {"--layout side --size 720", 2560, 720, {0, 0, 1280, 720}, {1280, 0, 1280, 720}},
    };
    for (const Case& c : cases) {
        const std::string clip = out_ + ".mp4";
        ASSERT_EQ(Clip("--from 2 --to 3 --no-audio " + c.options, clip).status, 0) << c.options;
        EXPECT_EQ(Probe(clip, "stream=width,height"),
                  "width=" + std::to_string(c.width) + "\nheight=" + std::to_string(c.height) + "\n") << c.options;
        const std::vector<Picture> first = Pictures(clip, {0}, c.width, c.height);
        ASSERT_EQ(first.size(), 1u) << c.options;
        EXPECT_EQ(FrameNumber(first[0], c.large), 2 * kRate) << c.options;
        EXPECT_NEAR(FrameNumber(first[0], c.other), 2 * kRate, 1) << c.options;
        // Which camera is large: its picture, a little below the middle, is the front's or the rear's.
        const bool swapped = c.options.find("--swap") != std::string::npos;
        const Picture front = Pictures(FrontPath(0), {2 * kRate}, 640, 360).at(0);
        const Picture rear = Pictures(*folder_ + "/A_R.MP4", {2 * kRate}, 320, 180).at(0);
        const int x = c.large.x + c.large.width * 3 / 10, y = c.large.y + c.large.height * 8 / 10;
        const unsigned char* shown = first[0].At(x, y);
        const unsigned char* expected = swapped ? rear.At(96, 144) : front.At(192, 288);
        for (int channel = 0; channel < 3; ++channel)
            EXPECT_NEAR(shown[channel], expected[channel], 40) << c.options;
        RemoveClip();
    }
}

TEST_F(ClipFiles, OverlayTextReadsBackAsTheTrackSaysIt)
{
    const Slot& slot = (*slots_)[120];
    char position[64];
    std::snprintf(position, sizeof position, "%.5f° N %.5f° E", std::stod(slot.latitude), std::stod(slot.longitude));
    const std::string mph = std::to_string(static_cast<int>(std::lround(slot.speed / 1.609344))) + " mph";
    struct Case {
        std::string options, environment;
        std::vector<std::string> lines;
    };
    const Case cases[] = {
        {"--overlay time,speed,position,g", "",
         {"2026-05-14 08:15:12 UTC", std::to_string(slot.speed) + " km/h", position, "G x"}},
        {"--overlay time,speed --local-time --mph", "TZ=Europe/Berlin ", {"2026-05-14 10:15:12 CEST", mph}},
    };
    for (const Case& c : cases) {
        const std::string clip = out_ + ".mp4";
        ASSERT_EQ(RunSaying(c.environment + Dashtrack("clip --from 12 --to 13 --cameras front " + c.options + " --output " +
                                                      Quote(clip) + " " + Quote(FrontPath(0))))
                      .status,
                  0);
        // The bottom left corner read by tesseract, magnified three times.
        const std::string png = out_ + ".png";
        Execute("ffmpeg -nostdin -v error -y -i " + Quote(clip) + " -vf " +
                Quote("select=eq(n\\,0),crop=320:100:0:260,scale=iw*3:ih*3") + " -vsync 0 " + Quote(png));
        // Compared without spaces: tesseract reads the gap before a letter as it likes.
        const std::string text = WithoutSpaces(Execute("tesseract " + Quote(png) + " -").out);
        fs::remove(png);
        for (const std::string& line : c.lines)
            EXPECT_NE(text.find(WithoutSpaces(line)), std::string::npos) << "no \"" << line << "\" in:\n" << text;
        RemoveClip();
    }
}

TEST_F(ClipFiles, OtherRecordingKindsBecomeMp4sThatDecode)
{
    struct Case {
        std::string recording, options, streams;
        bool copied;
        int frames;
    };
    const Case cases[] = {
        // MJPEG plays in few places: encoded even without overlays; its PCM sound as AAC.
        {"OTHER.AVI", "--cameras front", "codec_name=h264\ncodec_name=aac\n", false, 75},
        {"OTHER.AVI", "--cameras front --overlay speed", "codec_name=h264\ncodec_name=aac\n", false, 75},
        // HEVC copied as hvc1 from its key frame at 1 s, with the key frame at 4 s its
        // last pictures refer to.
        {"HEVC_F.MP4", "--cameras front", "codec_name=hevc\ncodec_name=aac\n", true, 91},
        {"HEVC_F.MP4", "--cameras front --overlay time", "codec_name=h264\ncodec_name=aac\n", false, 75},
    };
    for (const Case& c : cases) {
        const std::string clip = out_ + ".mp4";
        const CommandResult run = RunSaying(Dashtrack("clip --from 1.5 --to 4 " + c.options + " --output " + Quote(clip) +
                                                      " " + Quote(*folder_ + "/" + c.recording)));
        ASSERT_EQ(run.status, 0) << c.recording << " " << c.options << "\n" << run.out;
        EXPECT_EQ(run.out.find("copied from the key frame") != std::string::npos, c.copied) << run.out;
        EXPECT_EQ(Probe(clip, "stream=codec_name"), c.streams) << c.recording << " " << c.options;
        EXPECT_EQ(Probe(clip, "stream=nb_frames").substr(0, 13), "nb_frames=" + std::to_string(c.frames) + "\n");
        EXPECT_EQ(Execute("ffmpeg -nostdin -v error -i " + Quote(clip) + " -f null - 2>&1").out, "") << c.recording;
        const int first = FrameNumber(Pictures(clip, {0}, 320, 240).at(0), {0, 0, 320, 240});
        EXPECT_EQ(first, c.copied ? 30 : 45) << c.recording << " " << c.options;
        if (c.streams.find("hevc") != std::string::npos) {
            EXPECT_EQ(Probe(clip, "stream=codec_tag_string").substr(0, 22), "codec_tag_string=hvc1\n");
        }
        RemoveClip();
    }
}

TEST_F(ClipFiles, RouteRunsFromTheCarsFirstPlaceToItsLast)
{
    const std::string clip = out_ + ".mp4";
    ASSERT_EQ(Clip("--from 5 --to 35 --cameras front --overlay route --no-audio", clip).status, 0);
    const std::vector<Picture> ends = Pictures(clip, {0, 899}, 640, 360);
    ASSERT_EQ(ends.size(), 2u);
    // The car: the red dot in the square on the right, a quarter of the height.
    auto car = [](const Picture& p, double& x, double& y) {
        int count = 0;
        x = y = 0;
        for (int py = 360 - 90 - 10; py < 360 - 10; ++py)
            for (int px = 640 - 90 - 10; px < 640 - 10; ++px)
                if (p.At(px, py)[0] > 180 && p.At(px, py)[1] < 90 && p.At(px, py)[2] < 90) {
                    x += px;
                    y += py;
                    ++count;
                }
        x /= std::max(count, 1);
        y /= std::max(count, 1);
        return count;
    };
    double x0, y0, x1, y1;
    ASSERT_GT(car(ends[0], x0, y0), 5);
    ASSERT_GT(car(ends[1], x1, y1), 5);
    // Its way across the square goes the way the track does: east is right, north is up.
    const std::vector<Slot> second = ParseSlots(Execute(Dashtrack("slots " + Quote(FrontPath(1)))).out);
    const double east = std::stod(second[150].longitude) - std::stod((*slots_)[50].longitude);
    const double north = std::stod(second[150].latitude) - std::stod((*slots_)[50].latitude);
    EXPECT_GT((x1 - x0) * east, 0) << x0 << "→" << x1;
    EXPECT_GT((y0 - y1) * north, 0) << y0 << "→" << y1;
    EXPECT_GT(std::hypot(x1 - x0, y1 - y0), 20);
}

TEST_F(ClipFiles, OneCameraWithoutOverlaysIsCopiedFromTheKeyFrameBefore)
{
    const std::string clip = out_ + ".mp4";
    // mkrec's key frames come every second: 15.5 s copies from 15 s.
    const CommandResult run = Clip("--from 15.5 --to 25 --cameras front", clip);
    ASSERT_EQ(run.status, 0) << run.out;
    EXPECT_NE(run.out.find("copied from the key frame at 15.000 s"), std::string::npos) << run.out;
    EXPECT_EQ(Probe(clip, "stream=codec_name,nb_frames"), "codec_name=h264\nnb_frames=300\ncodec_name=aac\nnb_frames=469\n");
    const std::vector<Picture> ends = Pictures(clip, {0, 150, 299}, 640, 360);
    ASSERT_EQ(ends.size(), 3u);
    EXPECT_EQ(FrameNumber(ends[0], {0, 0, 640, 360}), 450);
    EXPECT_EQ(FrameNumber(ends[1], {0, 0, 640, 360}), 600);
    EXPECT_EQ(FrameNumber(ends[2], {0, 0, 640, 360}), 749);
    // Copied, not encoded again: the packets are the recording's own.
    auto hashes = [](const std::string& path, const std::string& span) {
        const std::string out = Execute("ffmpeg -nostdin -v error " + span + " -i " + Quote(path) +
                                        " -map 0:v -c copy -f framemd5 -").out;
        std::vector<std::string> lines;
        std::istringstream in(out);
        for (std::string line; std::getline(in, line);)
            if (!line.empty() && line[0] != '#')
                lines.push_back(line.substr(line.rfind(',') + 1));
        return lines;
    };
    const std::vector<std::string> copied = hashes(clip, ""), recorded = hashes(FrontPath(0), "-ss 15");
    ASSERT_GE(copied.size(), 150u);
    ASSERT_GE(recorded.size(), 150u);
    EXPECT_EQ(std::vector<std::string>(copied.begin(), copied.begin() + 150),
              std::vector<std::string>(recorded.begin(), recorded.begin() + 150));
}

TEST_F(ClipFiles, SoundIsThereOrNotAsChosen)
{
    const std::string clip = out_ + ".mp4";
    ASSERT_EQ(Clip("--from 18 --to 22 --cameras both", clip).status, 0);
    const std::string withSound = Probe(clip, "stream=codec_type,duration");
    EXPECT_NE(withSound.find("codec_type=audio\nduration=4.0"), std::string::npos) << withSound;
    // The tone is there on both sides of the cut: not silence.
    const std::string levels = RunSaying("ffmpeg -nostdin -i " + Quote(clip) + " -af volumedetect -f null -").out;
    std::smatch mean;
    ASSERT_TRUE(std::regex_search(levels, mean, std::regex("mean_volume: (-?[0-9.]+) dB"))) << levels;
    EXPECT_GT(std::stod(mean[1]), -40);
    RemoveClip();
    ASSERT_EQ(Clip("--from 18 --to 22 --cameras both --no-audio", clip).status, 0);
    EXPECT_EQ(Probe(clip, "stream=codec_type"), "codec_type=video\n");
    RemoveClip();
    ASSERT_EQ(Clip("--from 18 --to 22 --cameras front --no-audio", clip).status, 0);
    EXPECT_EQ(Probe(clip, "stream=codec_type"), "codec_type=video\n");
}

TEST_F(ClipFiles, TheMp4IsTaggedAndStreamsAndItsGpxFollowsTheTrack)
{
    const std::string clip = out_ + ".mp4";
    ASSERT_EQ(Clip("--from 2026-05-14T08:15:15Z --to 2026-05-14T08:15:25Z --overlay speed", clip).status, 0);
    const std::string bytes = ReadFile(clip);
    EXPECT_LT(bytes.find("moov"), bytes.find("mdat")) << "the index is not before the media";
    const Slot& first = (*slots_)[150];
    char location[48];
    std::snprintf(location, sizeof location, "%+08.4f%+09.4f/", std::stod(first.latitude), std::stod(first.longitude));
    const std::string tags = Probe(clip, "format_tags=creation_time,location");
    EXPECT_NE(tags.find("creation_time=2026-05-14T08:15:15.000000Z"), std::string::npos) << tags;
    EXPECT_NE(tags.find(std::string("location=") + location), std::string::npos) << tags;

    const std::string gpx = out_ + ".gpx";
    ASSERT_TRUE(fs::exists(gpx));
    EXPECT_EQ(Execute("xmllint --noout --schema " + Quote(SCHEMA_DIR "/export.xsd") + " " + Quote(gpx)).status, 0);
    const std::string text = ReadFile(gpx);
    const std::regex point(R"re(<trkpt lat="([-0-9.]+)" lon="([-0-9.]+)">\s*<time>([^<]+)</time>)re");
    std::vector<std::smatch> points;
    for (std::sregex_iterator it(text.begin(), text.end(), point), end; it != end; ++it)
        points.push_back(*it);
    // mkrec's receiver gives a fix a second: ten of them in the clip, from its first second.
    ASSERT_EQ(points.size(), 10u) << text;
    EXPECT_EQ(points.front()[3].str(), "2026-05-14T08:15:15Z");
    EXPECT_EQ(points.back()[3].str(), "2026-05-14T08:15:24Z");
    EXPECT_NEAR(std::stod(points.front()[1]), std::stod(first.latitude), 1e-6);
    EXPECT_NEAR(std::stod(points.front()[2]), std::stod(first.longitude), 1e-6);
}

TEST_F(ClipFiles, CancelledOrRefusedClipsLeaveNothingBehind)
{
    ClipRequest request;
    request.pieces = ClipPieces({{FrontPath(0), 20}, {FrontPath(1), 20}}, {0, 10}, {1, 10}, [](const std::string& front) {
        return front.substr(0, front.size() - 6) + "_R.MP4";
    });
    ASSERT_EQ(request.pieces.size(), 2u);
    request.output = out_ + ".mp4";
    for (const ClipCameras cameras : {ClipCameras::Both, ClipCameras::Front}) {
        request.cameras = cameras;
        request.overlays = cameras == ClipCameras::Both ? ClipOverlays{} : ClipOverlays{false, false, false, false, false};
        double reached = 0;
        const ClipResult result = MakeClip(request, [&reached](double fraction) {
            reached = fraction;
            return fraction < 0.3;
        });
        EXPECT_TRUE(result.cancelled);
        EXPECT_FALSE(result.written);
        EXPECT_GE(reached, 0.3);
        EXPECT_EQ(Leftovers(), std::vector<std::string>{});
    }
    // A clip over one of its recordings, or over a file without asking.
    request.overlays = ClipOverlays{false, false, false, false, false};
    request.output = FrontPath(0);
    const std::string before = ReadFile(FrontPath(0));
    EXPECT_NE(MakeClip(request).error.find("is one of the recordings"), std::string::npos);
    WriteFile(out_ + ".mp4", "mine");
    request.output = out_ + ".mp4";
    EXPECT_NE(MakeClip(request).error.find("exists"), std::string::npos);
    EXPECT_EQ(ReadFile(out_ + ".mp4"), "mine");
    EXPECT_EQ(ReadFile(FrontPath(0)), before);
    request.replace = true;
    EXPECT_TRUE(MakeClip(request).written);
    EXPECT_NE(ReadFile(out_ + ".mp4"), "mine");
}

TEST_F(ClipFiles, RecordingsThatAreNotVideoGiveAnErrorAndNoFile)
{
    const std::string text = *folder_ + "/notes.MP4";
    WriteFile(text, std::string(100000, 'x'));
    ClipRequest request;
    request.pieces = {{text, "", 0, 5}};
    request.output = out_ + ".mp4";
    for (const ClipCameras cameras : {ClipCameras::Both, ClipCameras::Front, ClipCameras::Rear}) {
        request.cameras = cameras;
        request.overlays = ClipOverlays{false, false, false, false, false};
        const ClipResult result = MakeClip(request);
        EXPECT_FALSE(result.written);
        EXPECT_FALSE(result.error.empty());
    }
    fs::remove(text);
    EXPECT_EQ(Leftovers(), std::vector<std::string>{});
}

}  // namespace
