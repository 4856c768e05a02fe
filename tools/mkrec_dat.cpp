// Side files, synthetic video, and the small file helpers.

#include "mkrec_bytes.h"
#include "mkrec_camera.h"
#include "mkrec_writers.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sys/wait.h>
#include <unistd.h>

bool ReadWholeFile(const std::string& path, Bytes& out)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    out.assign(std::istreambuf_iterator<char>(in), {});
    return true;
}

bool WriteWholeFile(const std::string& path, const Bytes& bytes)
{
    std::error_code ec;
    if (auto folder = std::filesystem::path(path).parent_path(); !folder.empty())
        std::filesystem::create_directories(folder, ec);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

std::string WriteSideFile(const std::string& outPath, const RecordingSpec& spec)
{
    const int key = KeyOf(spec.keyDigits);
    std::string text = spec.keyDigits + " GPS DATA\r\n";
    for (std::size_t s = 0; s < spec.route.size(); ++s) {
        const std::time_t when = spec.start + static_cast<std::time_t>(s);
        const RoutePoint& p = spec.route[s];
        text += Scramble(TrackLine(p, spec.gga ? GgaSentence(p, when) : RmcSentence(p, when)), key) + "\r\n";
    }
    return WriteWholeFile(outPath, Bytes(text.begin(), text.end())) ? "" : "cannot write " + outPath;
}

namespace {

constexpr int kFrameNumberBits = 16;

// The drawing of the frame number over the test picture: a black band, a
// white cell per set bit, and the digits in the middle.
std::string FrameNumberFilters(const std::string& size, int first)
{
    const int height = std::atoi(size.substr(size.find('x') + 1).c_str());
    const std::string number = "(n+" + std::to_string(first) + ")";
    std::string filters = "drawbox=x=0:y=0:w=iw:h=ih/6:color=black:t=fill";
    for (int bit = 0; bit < kFrameNumberBits; ++bit) {
        filters += ",drawbox=x=iw*" + std::to_string(bit) + "/16:y=0:w=iw/16:h=ih/6:color=white:t=fill:enable='eq(mod(floor(" +
                   number + "/" + std::to_string(1 << bit) + ")\\,2)\\,1)'";
    }
    filters += ",drawtext=fontfile=/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf:text='%{eif\\:n+" +
               std::to_string(first) + "\\:d}':fontsize=" +
               std::to_string(std::max(12, height / 4)) + ":fontcolor=white:box=1:boxcolor=black:x=(w-tw)/2:y=(h-th)/2";
    return filters;
}

}  // namespace

std::string MakeSyntheticVideo(const std::string& outPath, int seconds, const std::string& size, bool rear)
{
    SyntheticVideo video;
    video.seconds = seconds;
    video.size = size;
    video.rear = rear;
    return MakeSyntheticVideo(outPath, video);
}

std::string MakeSyntheticVideo(const std::string& outPath, const SyntheticVideo& video)
{
    const bool avi = outPath.size() > 4 && (outPath.substr(outPath.size() - 4) == ".avi" || outPath.substr(outPath.size() - 4) == ".AVI");
    const std::string duration = std::to_string(video.seconds);
    const std::string picture = std::string(video.rear ? "testsrc" : "testsrc2") + "=size=" + video.size +
                                ":rate=30:duration=" + duration;
    const std::string tone = std::string("sine=frequency=") + (video.rear ? "660" : "440") +
                             ":sample_rate=48000:duration=" + duration;
    std::vector<std::string> args = {"ffmpeg", "-nostdin", "-loglevel", "error", "-y", "-f", "lavfi", "-i", picture,
                                     "-f", "lavfi", "-i", tone};
    if (video.frameNumbers)
        args.insert(args.end(), {"-vf", FrameNumberFilters(video.size, video.firstFrameNumber)});
    const std::vector<std::string> codecs = avi
        ? std::vector<std::string>{"-c:v", "mjpeg", "-q:v", "5", "-pix_fmt", "yuvj420p", "-c:a", "pcm_s16le"}
        : video.hevc ? std::vector<std::string>{"-c:v", "libx265", "-preset", "ultrafast", "-x265-params", "log-level=error",
                                                "-g", "30", "-tag:v", "hvc1", "-pix_fmt", "yuv420p", "-c:a", "aac", "-b:a", "64k"}
                     : std::vector<std::string>{"-c:v", "libx264", "-preset", "ultrafast", "-g", "30", "-pix_fmt", "yuv420p",
                                                "-c:a", "aac", "-b:a", "64k"};
    args.insert(args.end(), codecs.begin(), codecs.end());
    if (video.bFrames && !video.hevc && !avi)
        args.insert(args.end(), {"-bf", "2"});
    if (video.pcm && !avi)
        args.insert(args.end(), {"-c:a", "pcm_s16le"});
    args.insert(args.end(), {"-shortest", outPath});
    std::vector<char*> argv;
    for (std::string& a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    const pid_t child = fork();
    if (child == 0) {
        execvp("ffmpeg", argv.data());
        _exit(127);
    }
    int status = 0;
    if (child < 0 || waitpid(child, &status, 0) < 0 || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return "ffmpeg failed to make " + outPath;
    return {};
}

std::string WriteCameraSideFile(const std::string& outPath, const std::string& format, const RecordingSpec& spec)
{
    Bytes bytes;
    if (format == "nmea") {
        const std::string text = NmeaLines(spec);
        bytes.assign(text.begin(), text.end());
    } else if (format == "blackvue-gps") {
        const std::string text = BlackVueGpsLines(spec);
        bytes.assign(text.begin(), text.end());
    } else if (format == "fit") {
        bytes = FitActivity(spec, FitStyle::Plain);
    } else if (format == "fit-compressed") {
        bytes = FitActivity(spec, FitStyle::Compressed);
    } else if (format == "fit-big-endian") {
        bytes = FitActivity(spec, FitStyle::CompressedBigEndian);
    } else if (format == "70mai-log") {
        const std::string text = SeventyMaiLogLines(spec);
        bytes.assign(text.begin(), text.end());
    } else if (format == "daily-log") {
        const std::string text = DailyLogLines(spec);
        bytes.assign(text.begin(), text.end());
    } else if (format.rfind("dji-srt-", 0) == 0 && !DjiSrtText(spec, format.substr(8)).empty()) {
        const std::string text = DjiSrtText(spec, format.substr(8));
        bytes.assign(text.begin(), text.end());
    } else if (format == "blackvue-3gf") {
        bytes = BlackVueThreeGf(spec);
    } else {
        return "unknown side file format " + format;
    }
    return WriteWholeFile(outPath, bytes) ? "" : "cannot write " + outPath;
}
