// Clips next to the ffmpeg program doing the same work on the same
// recordings, in the same run:
//  - a stream copy of 30 s of one camera against `ffmpeg -ss … -to … -c copy`
//    (aim: at most 1.2 times its time);
//  - a 30 s picture-in-picture clip of a 1080p front and a 720p rear camera
//    with every overlay against ffmpeg composing it with overlay and
//    drawtext, with the same encoder (x264, even where VAAPI would be
//    used), preset and quality (aim: at most 1.1x).
// Run: clip_bench [ROUNDS] (the recordings are made under the temp folder once)

#include "Median.h"
#include "clips/Clip.h"
#include "clips/MediaLibraries.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

constexpr double kFrom = 10, kTo = 40;

const fs::path kFolder = fs::temp_directory_path() / "dualdash-clip-bench";

bool Run(const std::string& command) { return std::system(command.c_str()) == 0; }

// A minute of a 1080p front camera with its track and a 720p rear camera.
bool MakeRecordings()
{
    const std::string front = (kFolder / "BENCH_F.MP4").string(), rear = (kFolder / "BENCH_R.MP4").string();
    if (fs::exists(front) && fs::exists(rear))
        return true;
    fs::create_directories(kFolder);
    const std::string mkrec = MKREC_PATH, route = (kFolder / "route.csv").string(), video = (kFolder / "front.mov").string();
    return Run(mkrec + " route " + route + " --seconds 60") &&
           Run(mkrec + " video " + video + " --seconds 60 --size 1920x1080 --frame-numbers") &&
           Run(mkrec + " mov " + front + " --layout freegps --video " + video + " --route " + route) &&
           Run(mkrec + " video " + rear + " --seconds 60 --size 1280x720 --rear --frame-numbers");
}

// Seconds of the median round of `work`, which writes `output`; negative when
// a round failed or wrote nothing.
double Time(int rounds, const std::string& output, const std::function<bool()>& work)
{
    std::vector<double> seconds;
    for (int r = 0; r < rounds; ++r) {
        fs::remove(output);
        fs::remove(fs::path(output).replace_extension(".gpx"));
        const auto start = std::chrono::steady_clock::now();
        const bool done = work();
        seconds.push_back(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
        if (!done || !fs::exists(output) || fs::file_size(output) == 0) {
            std::fprintf(stderr, "clip_bench: %s was not written\n", output.c_str());
            return -1;
        }
    }
    return Median(seconds);
}

bool Ours(ClipRequest request, const std::string& output)
{
    const std::string front = (kFolder / "BENCH_F.MP4").string();
    request.pieces = {{front, (kFolder / "BENCH_R.MP4").string(), kFrom, kTo}};
    request.output = output;
    return MakeClip(request).written;
}

std::string Span() { return " -ss " + std::to_string(kFrom) + " -to " + std::to_string(kTo); }

bool FfmpegCopy(const std::string& output)
{
    return Run("ffmpeg -nostdin -v error -y" + Span() + " -i " + (kFolder / "BENCH_F.MP4").string() +
               " -map 0:v -map 0:a -c copy -movflags +faststart " + output);
}

// The same picture as ours: the rear a third of the width in the bottom right
// corner, the text in a box bottom left, x264 veryfast at CRF 18, AAC sound.
bool FfmpegComposition(const std::string& output)
{
    const std::string text = "drawtext=fontfile=/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf:expansion=normal:"
                             "text='%{pts\\:gmtime\\:1778746510}\n48 km/h\n48.13856 N  11.57689 E\nG  x +0.00  y +0.00  z +0.00':"
                             "fontsize=38:fontcolor=white:line_spacing=9:box=1:boxcolor=black@0.6:boxborderw=12:x=28:y=h-th-28";
    const std::string graph = "[1:v]scale=640:360,format=yuv420p[s];[0:v]scale=1920:1080,format=yuv420p[m];"
                              "[m][s]overlay=x=1252:y=692:eof_action=pass,format=yuv420p," + text;
    return Run("ffmpeg -nostdin -v error -y" + Span() + " -i " + (kFolder / "BENCH_F.MP4").string() + Span() + " -i " +
               (kFolder / "BENCH_R.MP4").string() + " -filter_complex \"" + graph +
               "\" -map 0:a -c:v libx264 -preset veryfast -crf 18 -c:a aac -b:a 128k -movflags +faststart " + output);
}

bool Report(const char* what, double ours, double theirs, double aim)
{
    if (ours < 0 || theirs < 0)
        return false;
    const double ratio = ours / theirs;
    std::printf("%-28s ours %7.3f s  ffmpeg %7.3f s  ratio %.2f (aim <= %.1f)%s\n", what, ours, theirs, ratio, aim,
                ratio <= aim ? "" : "  ABOVE AIM");
    return true;
}

}  // namespace

int main(int argc, char** argv)
{
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    SilenceMediaLibraries();
    setenv("DUALDASH_CLIP_ENCODER", "software", 1);  // x264 on both sides, whatever chip the machine has
    if (!MakeRecordings()) {
        std::fprintf(stderr, "clip_bench: cannot make the recordings\n");
        return 1;
    }
    const std::string ours = (kFolder / "ours.mp4").string(), theirs = (kFolder / "theirs.mp4").string();
    ClipRequest copy;
    copy.cameras = ClipCameras::Front;
    copy.overlays = ClipOverlays{false, false, false, false, false};
    ClipRequest composed;
    composed.overlays = ClipOverlays{true, true, true, true, true};
    const bool copied = Report("stream copy, 30 s", Time(rounds, ours, [&] { return Ours(copy, ours); }),
                               Time(rounds, theirs, [&] { return FfmpegCopy(theirs); }), 1.2);
    const bool encoded = Report("picture in picture, 30 s", Time(rounds, ours, [&] { return Ours(composed, ours); }),
                                Time(rounds, theirs, [&] { return FfmpegComposition(theirs); }), 1.1);
    return copied && encoded ? 0 : 1;
}
