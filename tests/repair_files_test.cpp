// Recordings cut off as a power loss cuts them, written by mkrec and cut at
// chosen bytes: what dashtrack says of them, and what a repair keeps.

#include "BurntFrames.h"
#include "repair/Repair.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <filesystem>
#include <numeric>
#include <random>
#include <sstream>

namespace fs = std::filesystem;

namespace {

constexpr int kSeconds = 4;
constexpr int kWidth = 320, kHeight = 240;

// A packet of the whole recording, as ffprobe finds it through its index.
struct Packet {
    int stream = 0;
    double time = 0;  // when shown
    std::size_t pos = 0, size = 0;
    std::size_t End() const { return pos + size; }
};

std::vector<Packet> Packets(const std::string& path)
{
    const CommandResult run =
        Execute("ffprobe -v error -show_entries packet=stream_index,pts_time,pos,size -of csv=p=0 " + Quote(path));
    std::vector<Packet> packets;
    std::istringstream in(run.out);
    for (std::string line; std::getline(in, line);) {
        Packet p;
        char comma;
        std::istringstream fields(line);
        if (fields >> p.stream >> comma >> p.time >> comma >> p.size >> comma >> p.pos)
            packets.push_back(p);
    }
    return packets;
}

// The packets of `stream` wholly before `cut`.
std::size_t WholeBefore(const std::vector<Packet>& packets, int stream, std::size_t cut)
{
    return static_cast<std::size_t>(std::count_if(packets.begin(), packets.end(),
                                                  [&](const Packet& p) { return p.stream == stream && p.End() <= cut; }));
}

// The number of the last picture shown of those wholly before `cut`: with
// B-frames, not always the last one written.
int LastShownBefore(const std::vector<Packet>& packets, std::size_t cut)
{
    double last = 0;
    for (const Packet& p : packets) {
        if (p.stream == 0 && p.End() <= cut)
            last = std::max(last, p.time);
    }
    return static_cast<int>(std::lround(last * 30));
}

// For the first `count` pictures in the order written, the place of each in
// the order the index says to show them.
std::vector<std::size_t> ShowingPlaces(const std::vector<Packet>& packets, std::size_t count)
{
    std::vector<double> times;
    for (const Packet& p : packets) {
        if (p.stream == 0 && times.size() < count)
            times.push_back(p.time);
    }
    std::vector<std::size_t> order(times.size()), places(times.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) { return times[a] < times[b]; });
    for (std::size_t k = 0; k < order.size(); ++k)
        places[order[k]] = k;
    return places;
}

// The numbers mkrec burnt into the pictures numbered `frames`.
std::vector<int> FrameNumbers(const std::string& path, const std::vector<int>& frames)
{
    std::vector<int> numbers;
    for (const Picture& picture : Pictures(path, frames, kWidth, kHeight))
        numbers.push_back(FrameNumber(picture, {0, 0, kWidth, kHeight}));
    return numbers;
}

std::string Field(const std::string& out, const std::string& key)
{
    const std::size_t at = out.find(key + ": ");
    if (at == std::string::npos)
        return {};
    const std::size_t from = at + key.size() + 2;
    return out.substr(from, out.find('\n', from) - from);
}

std::vector<std::string> Lines(const std::string& text, std::size_t count)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; lines.size() < count && std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

class RepairFiles : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        dir_ = new TempDir;
        ASSERT_EQ(Mkrec("route " + Quote(*dir_ / "route.csv") + " --seconds 12"), 0);
        ASSERT_EQ(Mkrec("video " + Quote(*dir_ / "h264.mov") + " --seconds 4 --size 320x240 --frame-numbers"), 0);
        ASSERT_EQ(Mkrec("video " + Quote(*dir_ / "hevc.mov") + " --seconds 4 --size 320x240 --frame-numbers --hevc"), 0);
        ASSERT_EQ(Mkrec("video " + Quote(*dir_ / "h264-b.mov") + " --seconds 4 --size 320x240 --frame-numbers --bframes"), 0);
        ASSERT_EQ(Mkrec("video " + Quote(*dir_ / "pcm.mov") + " --seconds 4 --size 320x240 --frame-numbers --pcm"), 0);
    }
    static void TearDownTestSuite() { delete dir_; }

    static int Mkrec(const std::string& args) { return Execute(std::string(MKREC_PATH) + " " + args).status; }
    static CommandResult Dashtrack(const std::string& args) { return Execute(std::string(DASHTRACK_PATH) + " " + args); }

    // A recording of the route's seconds 2..5 as the camera writes it.
    static std::string Write(const std::string& name, const std::string& args, const std::string& video = "h264.mov",
                             int from = 2)
    {
        const std::string path = *dir_ / name;
        fs::create_directories(fs::path(path).parent_path());
        EXPECT_EQ(Mkrec("mov " + Quote(path) + " " + args + " --video " + Quote(*dir_ / video) + " --route " +
                        Quote(*dir_ / "route.csv") + " --from " + std::to_string(from) + " --seconds " +
                        std::to_string(kSeconds) + " --start " + std::to_string(1778746500 + from)),
                  0)
            << args;
        return path;
    }

    static CommandResult Repair(const std::string& args) { return RunSaying(std::string(DASHTRACK_PATH) + " repair " + args); }

    // The first `size` bytes of `path`, as a file of their own.
    static std::string Cut(const std::string& path, std::size_t size, const std::string& name)
    {
        const std::string cut = *dir_ / name;
        WriteFile(cut, ReadFile(path).substr(0, size));
        return cut;
    }

    static std::string DamageLine(const std::string& path)
    {
        const std::string out = Dashtrack("info " + Quote(path)).out;
        const std::size_t at = out.find("damaged: ");
        return at == std::string::npos ? "" : out.substr(at, out.find('\n', at) - at);
    }

    static TempDir* dir_;
};

TempDir* RepairFiles::dir_ = nullptr;

// Where a recording is cut decides what dashtrack info says of it; a whole
// recording, moov first or last, says nothing.
TEST_F(RepairFiles, InfoSaysWhatThePowerLossLeft)
{
    const std::string last = Write("last.mp4", "--layout gpmf --index-last");
    const std::string first = Write("first.mp4", "--layout gpmf");
    const std::string bytes = ReadFile(last);
    const std::size_t moov = bytes.rfind("moov") - 4;
    struct Case {
        std::string path;
        std::size_t size;
        const char* line;
    };
    const Case cases[] = {
        {last, bytes.size(), ""},
        {first, ReadFile(first).size(), ""},
        {last, 40, "damaged: no index"},          // just after mdat's header
        {last, bytes.size() / 2, "damaged: no index"},
        {last, moov, "damaged: no index"},        // mdat whole, nothing after it
        {last, moov + 100, "damaged: index cut short"},
        {last, bytes.size() - 1, "damaged: index cut short"},
        {first, ReadFile(first).size() / 2, "damaged: media past the file's end"},
    };
    for (const Case& c : cases) {
        const std::string cut = Cut(c.path, c.size, "cut.mp4");
        EXPECT_EQ(DamageLine(cut), c.line) << c.path << " cut at " << c.size;
    }
}

// The lines dashtrack info gives a healthy recording stay as they were.
TEST_F(RepairFiles, HealthyRecordingsSayNothingMore)
{
    const std::string path = Write("healthy.mp4", "--layout gpmf");
    const std::string out = Dashtrack("info " + Quote(path)).out;
    EXPECT_EQ(out.find("damaged"), std::string::npos);
    EXPECT_NE(out.find("\nsource: gpmf\n"), std::string::npos) << out;
    EXPECT_EQ(out.substr(out.find("\nsource: ")), "\nsource: gpmf\n");
}

// One kind of recording: how mkrec writes it and where its track's samples are.
struct Layout {
    const char* name;
    const char* args;
    int dataStream;  // the data track's stream for ffprobe, -1: freeGPS blocks in mdat
    const char* video = "h264.mov";
    bool pcm = false;  // ffmpeg's packets of PCM hold 1024 samples
};

const Layout kLayouts[] = {
    {"gpmf", "--layout gpmf", 2},
    {"freegps", "--layout freegps", -1},
    {"nmea-text", "--layout nmea-text", 2},
    {"hevc-gpmf", "--layout gpmf", 2, "hevc.mov"},  // B-frames: shown in another order than written
    {"h264-bframes-gpmf", "--layout gpmf", 2, "h264-b.mov"},
    {"pcm-gpmf", "--layout gpmf", 2, "pcm.mov", true},
};

// The freeGPS blocks wholly before `cut`.
std::size_t BlocksBefore(const std::string& bytes, std::size_t cut)
{
    std::size_t count = 0;
    for (std::size_t at = bytes.find("freeGPS "); at != std::string::npos; at = bytes.find("freeGPS ", at + 1))
        count += at + 252 <= cut;
    return count;
}

class RepairLayouts : public RepairFiles, public testing::WithParamInterface<Layout> {};

// Cut anywhere, a recording repaired from a healthy one of the same camera
// decodes without an error and holds every picture written before the cut,
// the sound with them, and the track as the whole recording has it.
TEST_P(RepairLayouts, KeepsWhatWasWrittenBeforeTheCut)
{
    const Layout& layout = GetParam();
    const std::string folder = std::string(layout.name) + "/";
    const std::string whole = Write(folder + "whole.mp4", std::string(layout.args) + " --index-last", layout.video);
    const std::string reference = Write(folder + "reference.mp4", layout.args, layout.video, 6);
    const std::string bytes = ReadFile(whole);
    const std::vector<Packet> packets = Packets(whole);
    std::vector<Packet> video, sound;
    for (const Packet& p : packets)
        (p.stream == 0 ? video : sound).push_back(p);
    ASSERT_GT(video.size(), 60u);
    const std::size_t moov = bytes.rfind("moov") - 4;
    const std::string wholeSlots = Dashtrack("slots " + Quote(whole)).out;
    const std::size_t cuts[] = {
        video[40].pos + video[40].size / 2,  // inside a picture
        video[70].End(),                      // just after one
        sound[60].pos + 3,                    // inside a frame of sound
        moov,                                 // after the whole of mdat
        moov + 60,                            // inside the index
        video[5].pos + 1,
    };
    for (std::size_t cut : cuts) {
        SCOPED_TRACE(std::string(layout.name) + " cut at " + std::to_string(cut));
        const std::string damaged = Cut(whole, cut, folder + "damaged.mp4");
        const std::string repaired = *dir_ / (folder + "repaired.mp4");
        fs::remove(repaired);
        const CommandResult run = Repair("--reference " + Quote(reference) + " --output " + Quote(repaired) + " " + Quote(damaged));
        ASSERT_EQ(run.status, 0) << run.out;
        EXPECT_EQ(Execute("ffmpeg -nostdin -v error -i " + Quote(repaired) + " -f null - 2>&1").out, "");
        const std::size_t pictures = WholeBefore(packets, 0, cut);
        EXPECT_EQ(Field(run.out, "pictures").substr(0, Field(run.out, "pictures").find(' ')), std::to_string(pictures)) << run.out;
        EXPECT_EQ(FrameNumbers(repaired, {0, int(pictures) - 1}), (std::vector<int>{0, LastShownBefore(packets, cut)}));
        // The index shows the pictures in the camera's order, B-frames included.
        EXPECT_EQ(ShowingPlaces(Packets(repaired), pictures), ShowingPlaces(packets, pictures));
        // The last AAC frame before a cut inside the next may be lost with it;
        // PCM is kept to the last whole sample.
        const std::size_t packetsBefore = WholeBefore(packets, 1, cut);
        const std::size_t kept = std::stoul(Field(run.out, "sound"));
        if (layout.pcm) {
            std::size_t bytesBefore = 0;  // mono, 16 bits: two bytes a sample
            for (const Packet& p : sound)
                bytesBefore += p.stream == 1 && p.End() <= cut ? p.size : 0;
            EXPECT_GE(kept, bytesBefore / 2);
            EXPECT_LE(kept, bytesBefore / 2 + 1024);
        } else {
            EXPECT_LE(kept, packetsBefore);
            EXPECT_GE(kept + 1, packetsBefore);
        }
        const std::size_t samples = layout.dataStream < 0 ? BlocksBefore(bytes, cut) : WholeBefore(packets, layout.dataStream, cut);
        EXPECT_EQ(std::stoul(Field(run.out, layout.dataStream < 0 ? "freeGPS blocks" : "track samples")), samples);
        EXPECT_EQ(Lines(Dashtrack("slots " + Quote(repaired)).out, 1 + 10 * samples), Lines(wholeSlots, 1 + 10 * samples));
    }
}

void SetModified(const std::string& path, int secondsAgo)
{
    fs::last_write_time(path, fs::file_time_type::clock::now() - std::chrono::seconds(secondsAgo));
}

std::vector<std::string> Names(const std::string& folder)
{
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(folder))
        names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

// Without a reference named, the nearest healthy recording beside the
// damaged one that is of the same camera is taken: another camera's, even
// nearer, is not. The damaged one is left as it was, the repaired one is
// beside it and never written over, and nothing else is left behind.
TEST_F(RepairFiles, TakesTheNearestRecordingOfTheSameCamera)
{
    const std::string whole = Write("auto/whole.mp4", "--layout gpmf --index-last");
    const std::string damaged = Cut(whole, ReadFile(whole).size() / 2, "auto/A_0003.mp4");
    fs::remove(whole);
    const std::string same = Write("auto/A_0001.mp4", "--layout gpmf", "h264.mov", 6);
    const std::string other = Write("auto/A_0002.mp4", "--layout gpmf", "hevc.mov", 6);
    const std::string alsoDamaged = Cut(same, ReadFile(same).size() / 3, "auto/A_0004.mp4");
    SetModified(same, 120);
    SetModified(other, 60);
    SetModified(alsoDamaged, 1);
    SetModified(damaged, 30);
    const std::string before = ReadFile(damaged);
    const CommandResult run = Repair(Quote(damaged));
    ASSERT_EQ(run.status, 0) << run.out;
    EXPECT_EQ(Field(run.out, "reference"), same);
    EXPECT_EQ(Field(run.out, "repaired"), *dir_ / "auto/A_0003.repaired.mp4");
    EXPECT_EQ(ReadFile(damaged), before);
    EXPECT_EQ(Names(*dir_ / "auto"), (std::vector<std::string>{"A_0001.mp4", "A_0002.mp4", "A_0003.mp4", "A_0003.repaired.mp4",
                                                                "A_0004.mp4"}));
    // It carries the recording's time, so that it sorts and joins its drive as the recording would.
    EXPECT_EQ(fs::last_write_time(*dir_ / "auto/A_0003.repaired.mp4"), fs::last_write_time(damaged));
    const std::string repaired = ReadFile(*dir_ / "auto/A_0003.repaired.mp4");
    const CommandResult again = Repair(Quote(damaged));
    EXPECT_EQ(again.status, 1);
    EXPECT_NE(again.out.find("exists already"), std::string::npos) << again.out;
    EXPECT_EQ(ReadFile(*dir_ / "auto/A_0003.repaired.mp4"), repaired);
}

// What cannot be repaired is said in words, and nothing is written.
TEST_F(RepairFiles, SaysWhyNothingCanBeKept)
{
    const std::string whole = Write("alone/whole.mp4", "--layout gpmf --index-last");
    const std::string healthy = Write("alone/healthy.mp4", "--layout gpmf", "h264.mov", 6);
    const std::string hevc = Write("hevc/healthy.mp4", "--layout gpmf", "hevc.mov", 6);
    const std::string damaged = Cut(whole, ReadFile(whole).size() / 2, "alone/damaged.mp4");
    const std::string empty = Cut(whole, 32, "alone/empty.mp4");  // just after mdat's header
    fs::remove(whole);
    struct Case {
        std::string args;
        const char* said;
    };
    const Case cases[] = {
        {Quote(damaged), "no healthy recording of the same camera"},
        {"--reference " + Quote(hevc) + " " + Quote(damaged), "not a recording of the same camera"},
        {"--reference " + Quote(healthy) + " " + Quote(empty), "holds no media data"},
        {"--reference " + Quote(healthy) + " " + Quote(healthy), "is not damaged"},
        {"--reference " + Quote(damaged) + " " + Quote(damaged), "is damaged itself"},
        {"--reference " + Quote(healthy) + " --output " + Quote(healthy) + " " + Quote(damaged), "never written over"},
    };
    fs::remove(healthy + ".keep");
    fs::rename(healthy, healthy + ".keep");  // out of the folder's choice for the first case
    for (const Case& c : cases) {
        if (c.args.find(Quote(healthy)) != std::string::npos && !fs::exists(healthy))
            fs::rename(healthy + ".keep", healthy);
        const CommandResult run = Repair(c.args);
        EXPECT_EQ(run.status, 1) << c.args;
        EXPECT_NE(run.out.find(c.said), std::string::npos) << c.args << ": " << run.out;
    }
    EXPECT_EQ(Names(*dir_ / "alone"), (std::vector<std::string>{"damaged.mp4", "empty.mp4", "healthy.mp4"}));
}

// A repair cancelled from its progress leaves nothing behind; one let run
// is told its progress up to the whole.
TEST_F(RepairFiles, CancelledRepairLeavesNothingBehind)
{
    const std::string whole = Write("cancel/whole.mp4", "--layout gpmf --index-last");
    const std::string reference = Write("cancel/reference.mp4", "--layout gpmf", "h264.mov", 6);
    RepairRequest request;
    request.damaged = Cut(whole, ReadFile(whole).size() * 3 / 4, "cancel/damaged.mp4");
    request.reference = reference;
    fs::remove(whole);
    double told = 0;
    request.progress = [&](double share) {
        told = share;
        return false;
    };
    RepairReport report;
    EXPECT_EQ(RepairRecording(request, report), "cancelled");
    EXPECT_GT(told, 0);
    EXPECT_EQ(Names(*dir_ / "cancel"), (std::vector<std::string>{"damaged.mp4", "reference.mp4"}));
    request.progress = [&](double share) {
        EXPECT_GE(share, told);
        told = share;
        return true;
    };
    told = 0;
    EXPECT_EQ(RepairRecording(request, report), "");
    EXPECT_EQ(told, 1.0);
    const std::string repaired = *dir_ / "cancel/damaged.repaired.mp4";
    EXPECT_TRUE(fs::exists(repaired));
    // Repaired again: refused over the first, unless the user said to replace it.
    const std::string first = ReadFile(repaired);
    WriteFile(repaired, "the user's own");
    EXPECT_NE(RepairRecording(request, report).find("exists already"), std::string::npos);
    EXPECT_EQ(ReadFile(repaired), "the user's own");
    request.replace = true;
    EXPECT_EQ(RepairRecording(request, report), "");
    EXPECT_EQ(ReadFile(repaired), first);
    EXPECT_EQ(Names(*dir_ / "cancel"), (std::vector<std::string>{"damaged.mp4", "damaged.repaired.mp4", "reference.mp4"}));
}

// Bytes made to mislead (random data, sizes claiming more than the file
// holds, a NAL unit claiming gigabytes) end the repair with what came
// before them, or with a word on why nothing could be kept.
TEST_F(RepairFiles, HostileMediaDataEndsWithWhatCouldBeKept)
{
    const std::string whole = Write("hostile/whole.mp4", "--layout gpmf --index-last");
    const std::string reference = Write("hostile/reference.mp4", "--layout gpmf", "h264.mov", 6);
    const std::string bytes = ReadFile(whole);
    const std::vector<Packet> packets = Packets(whole);
    std::mt19937 random(22);
    auto noise = [&](std::size_t size) {
        std::string b(size, '\0');
        for (char& c : b)
            c = static_cast<char>(random());
        return b;
    };
    const std::string ftyp = bytes.substr(0, 24);
    const std::string hugeMdat = std::string("\0\0\0\1mdat\0\0\x10\0\0\0\0\0", 16);  // 2^44 bytes claimed
    const std::size_t goodPart = packets[30].End();
    struct Case {
        const char* name;
        std::string bytes;
        std::size_t pictures;  // at least
    };
    const Case cases[] = {
        {"random", ftyp + hugeMdat + noise(3u << 20), 0},
        {"good then random", bytes.substr(0, goodPart) + noise(2u << 20), WholeBefore(packets, 0, goodPart)},
        {"huge NAL unit", ftyp + hugeMdat + std::string("\x7f\xff\xff\xf0\x65\x88", 6) + noise(1u << 20), 0},
        {"zeros", ftyp + hugeMdat + std::string(2u << 20, '\0'), 0},
    };
    for (const Case& c : cases) {
        const std::string damaged = *dir_ / "hostile/damaged.mp4";
        WriteFile(damaged, c.bytes);
        const std::string repaired = *dir_ / "hostile/repaired.mp4";
        fs::remove(repaired);
        const CommandResult run = Repair("--reference " + Quote(reference) + " --output " + Quote(repaired) + " " + Quote(damaged));
        if (c.pictures == 0) {
            EXPECT_TRUE(run.status == 1 ? run.out.find("dashtrack: ") != std::string::npos : fs::exists(repaired))
                << c.name << ": " << run.out;
            continue;
        }
        ASSERT_EQ(run.status, 0) << c.name << ": " << run.out;
        EXPECT_GE(std::stoul(Field(run.out, "pictures")), c.pictures) << c.name;
        EXPECT_EQ(FrameNumbers(repaired, {0, int(c.pictures) - 1}), (std::vector<int>{0, int(c.pictures) - 1})) << c.name;
    }
}

INSTANTIATE_TEST_SUITE_P(Layouts, RepairLayouts, testing::ValuesIn(kLayouts),
                         [](const testing::TestParamInfo<Layout>& info) {
                             std::string name = info.param.name;
                             std::replace(name.begin(), name.end(), '-', '_');
                             return name;
                         });

}  // namespace
