// mkrec: writes recorder files (QuickTime and AVI recordings with their track
// inside, side files) from synthetic video and a route, for tests, benchmarks
// and the demo.

#include "mkrec_writers.h"

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <map>
#include <string>
#include <utime.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

int Usage()
{
    std::fputs(
        "usage: mkrec route OUT.csv --seconds N [--incidents LIST]\n"
        "           LIST: impact@S, stop@S, start@S (hard stop, hard start), bumpy@S-E, tunnel@S-E, comma-separated\n"
        "       mkrec video OUT.mov|OUT.avi --seconds N [--size WxH] [--rear] [--hevc] [--bframes] [--pcm] [--frame-numbers]\n"
        "           [--first-frame N] (numbers burnt from N, for files that follow each other)\n"
        "       mkrec mov OUT --layout LAYOUT --video V --route R [common]   (OUT.mp4 writes an MP4 type)\n"
        "           LAYOUT: plain, generic, a7l, nt96650a, freegps, freegps-compact, freegps-text, freegps-rmc (text\n"
        "           blocks without the camera's date digits), gpmf, gpmf9, blackvue, nmea-text,\n"
        "           70mai, gpmf-karma,\n"
        "           dji-text (DJI's cues of the gps-speed dialect in a text track)\n"
        "           --freegps-place index|free|mdat (freeGPS blocks), --no-dollar (NMEA cues without '$')\n"
        "           --index-last: written as cameras write it, the media first (each second's data after\n"
        "           its pictures and sound) and moov at the end, so that a cut at any byte is a power loss\n"
        "       mkrec avi OUT --video V --route R [--marker TEXT] [common]\n"
        "       mkrec dat OUT --route R [common]\n"
        "       mkrec side OUT --format nmea|blackvue-gps|blackvue-3gf|70mai-log|fit|fit-compressed|\n"
        "           fit-big-endian|daily-log|dji-srt-bracket|dji-srt-longtitude|dji-srt-gps|\n"
        "           dji-srt-gps-speed --route R [common]\n"
        "           [--names NAME] (70mai-log: the video each line names)\n"
        "           [--log-year Y] (daily-log: the year the camera's clock writes in each line)\n"
        "       mkrec demo FOLDER [--seconds N]   card and import folders of consecutive recordings\n"
        "       mkrec cards FOLDER   memory cards laid out as cameras lay them out, with their event and\n"
        "           parking recordings; prints each recording with what its camera meant (none, event, parking)\n"
        "       mkrec hostile OUT.mp4 --kind overlap|past-end|deep|million [--scale N]   a data track made to\n"
        "           waste a reader's time (N: seconds of GPMF, levels of nesting or table entries)\n"
        "common: --from SECOND --seconds N (stretch of the route), --start UNIXTIME (UTC of the first second),\n"
        "        --key DIGITS (eight digits 1-9), --key-at J (generic layout), --gga\n",
        stderr);
    return 64;
}

struct Options {
    std::vector<std::string> positional;
    std::map<std::string, std::string> named;
    bool Has(const std::string& k) const { return named.count(k) != 0; }
    std::string Get(const std::string& k, const std::string& fallback = "") const
    {
        auto it = named.find(k);
        return it == named.end() ? fallback : it->second;
    }
    long Number(const std::string& k, long fallback) const { return Has(k) ? std::stol(Get(k)) : fallback; }
};

Options Parse(int argc, char** argv)
{
    Options o;
    for (int i = 2; i < argc; ++i) {
        std::string a = argv[i];
        if (a == "--rear" || a == "--gga" || a == "--no-dollar" || a == "--hevc" || a == "--pcm" || a == "--frame-numbers" ||
            a == "--index-last" || a == "--bframes")
            o.named[a] = "1";
        else if (a.rfind("--", 0) == 0 && i + 1 < argc)
            o.named[a] = argv[++i];
        else
            o.positional.push_back(a);
    }
    return o;
}

bool ParseLayout(const std::string& name, MovLayout& layout)
{
    static const std::map<std::string, MovLayout> names = {
        {"plain", MovLayout::Plain},       {"generic", MovLayout::Generic},
        {"a7l", MovLayout::A7L},           {"nt96650a", MovLayout::NT96650A},
        {"freegps", MovLayout::FreeGps},   {"freegps-compact", MovLayout::FreeGpsCompact},
        {"freegps-text", MovLayout::FreeGpsText}, {"freegps-rmc", MovLayout::FreeGpsRmc},
        {"gpmf", MovLayout::Gpmf},         {"gpmf9", MovLayout::Gpmf9},
        {"blackvue", MovLayout::BlackVue}, {"nmea-text", MovLayout::NmeaText},
        {"70mai", MovLayout::SeventyMai},  {"gpmf-karma", MovLayout::GpmfKarma},
        {"dji-text", MovLayout::DjiText}};
    auto it = names.find(name);
    if (it == names.end())
        return false;
    layout = it->second;
    return true;
}

std::string SpecFromOptions(const Options& o, RecordingSpec& spec)
{
    Route route;
    if (!LoadRoute(o.Get("--route"), route))
        return "cannot read route " + o.Get("--route");
    const long from = o.Number("--from", 0);
    const long seconds = o.Number("--seconds", static_cast<long>(route.size()) - from);
    if (from < 0 || seconds < 0 || from + seconds > static_cast<long>(route.size()))
        return "the route is shorter than --from + --seconds";
    spec.route.assign(route.begin() + from, route.begin() + from + seconds);
    spec.videoPath = o.Get("--video");
    spec.start = static_cast<std::time_t>(o.Number("--start", 1778746500));  // 2026-05-14 08:15:00 UTC
    spec.keyDigits = o.Get("--key", KeyDigitsFor(static_cast<std::uint32_t>(spec.start)));
    spec.keyAt = static_cast<int>(o.Number("--key-at", 0));
    spec.gga = o.Has("--gga");
    spec.dollar = !o.Has("--no-dollar");
    spec.indexLast = o.Has("--index-last");
    spec.recordingName = o.Get("--names");
    spec.logYear = static_cast<int>(o.Number("--log-year", 0));
    static const std::map<std::string, FreeGpsPlace> places = {
        {"index", FreeGpsPlace::Index}, {"free", FreeGpsPlace::FreeBoxes}, {"mdat", FreeGpsPlace::MediaData}};
    auto place = places.find(o.Get("--freegps-place", "index"));
    if (place == places.end())
        return "--freegps-place takes index, free or mdat";
    spec.freeGpsPlace = place->second;
    if (spec.keyDigits.size() != 8 || spec.keyDigits.find_first_not_of("123456789") != std::string::npos)
        return "--key takes eight digits 1-9";
    return {};
}

void SetModifiedTime(const std::string& path, std::time_t when)
{
    struct utimbuf times {when, when};
    utime(path.c_str(), &times);
}

std::string TwoDigits(int v)
{
    char t[16];
    std::snprintf(t, sizeof t, "%02d", v);
    return t;
}

// "A6MMDDhhmmss_NNNN": the camera letter, the year's last digit, date and
// time, and a four-digit counter.
std::string TimeName(char camera, std::time_t when, int counter)
{
    std::tm t {};
    gmtime_r(&when, &t);
    char name[64];
    std::snprintf(name, sizeof name, "%c%d%s%s%s%s%s_%04d", camera, (t.tm_year + 1900) % 10, TwoDigits(t.tm_mon + 1).c_str(),
                  TwoDigits(t.tm_mday).c_str(), TwoDigits(t.tm_hour).c_str(), TwoDigits(t.tm_min).c_str(),
                  TwoDigits(t.tm_sec).c_str(), counter % 10000);
    return name;
}

// "YYYYMMDD_hhmmss_NNNA": date, time, a three-digit counter and the camera letter last.
std::string CounterName(char camera, std::time_t when, int counter)
{
    std::tm t {};
    gmtime_r(&when, &t);
    char name[64];
    std::snprintf(name, sizeof name, "%04d%02d%02d_%02d%02d%02d_%03d%c", t.tm_year + 1900, t.tm_mon + 1, t.tm_mday,
                  t.tm_hour, t.tm_min, t.tm_sec, counter % 1000, camera);
    return name;
}

struct DemoWriter {
    fs::path folder;
    Route route;
    int seconds = 30;
    std::time_t start = 1778746500;
    int segment = 0;
    std::map<std::string, std::string> videos;  // "front.mov" → path

    std::string Video(const std::string& kind)
    {
        const fs::path path = folder / ".video" / kind;
        if (!fs::exists(path)) {
            fs::create_directories(path.parent_path());
            const bool rear = kind.rfind("rear", 0) == 0;
            if (auto e = MakeSyntheticVideo(path.string(), seconds, rear ? "320x240" : "640x360", rear); !e.empty())
                return {};
        }
        return path.string();
    }

    RecordingSpec Next()
    {
        RecordingSpec spec;
        spec.start = start + static_cast<std::time_t>(segment) * seconds;
        spec.route.assign(route.begin() + segment * seconds, route.begin() + (segment + 1) * seconds);
        spec.keyDigits = KeyDigitsFor(static_cast<std::uint32_t>(spec.start));
        ++segment;
        return spec;
    }

    // One camera's recording in one of today's layouts.
    std::string Single(const fs::path& dir, const std::string& name, MovLayout layout, RecordingSpec spec,
                       bool rear = false)
    {
        fs::create_directories(dir);
        spec.videoPath = Video(rear ? "rear.mov" : "front.mov");
        if (spec.videoPath.empty())
            return "ffmpeg failed";
        const std::string out = (dir / name).string();
        std::string e = WriteRecorderMov(out, layout, spec);
        if (e.empty())
            SetModifiedTime(out, spec.start + seconds);
        return e;
    }

    // A front and rear pair; the rear's name is derived as the player derives it.
    std::string Pair(const fs::path& dir, const std::string& front, const std::string& rear, const std::string& ext,
                     MovLayout layout, RecordingSpec spec)
    {
        fs::create_directories(dir);
        for (const auto& [name, camera] : {std::pair{front, "front"}, std::pair{rear, "rear"}}) {
            const std::string out = (dir / (name + ext)).string();
            spec.videoPath = Video(std::string(camera) + (ext == ".AVI" ? ".avi" : ".mov"));
            if (spec.videoPath.empty())
                return "ffmpeg failed";
            std::string e = ext == ".AVI" ? WriteRecorderAvi(out, "BRXNTG-DVR 1.0", spec) : WriteRecorderMov(out, layout, spec);
            if (!e.empty())
                return e;
            SetModifiedTime(out, spec.start + seconds);
        }
        return {};
    }
};

std::string Stamp(const char* format, std::time_t when)
{
    std::tm t {};
    gmtime_r(&when, &t);
    char text[64];
    std::strftime(text, sizeof text, format, &t);
    return text;
}

// One recording of each of today's cameras' layouts, named as those cameras
// name them: front and rear pairs where the camera writes two.
std::string TodaysCameras(DemoWriter& w, const fs::path& import)
{
    auto time = [&] { return w.start + static_cast<std::time_t>(w.segment) * w.seconds; };
    // The name first: it is the stretch's start, before Next moves on.
    const std::string freeGps = Stamp("%Y_%m%d_%H%M%S_001.MP4", time());
    std::string e = w.Single(import, freeGps, MovLayout::FreeGps, w.Next());
    if (e.empty())
        e = w.Single(import, "GH010017.MP4", MovLayout::Gpmf, w.Next());
    // Both cameras of a pair record the same stretch under one time stamp.
    auto pair = [&](const char* format, MovLayout layout) {
        const std::string stamp = Stamp(format, time());
        const RecordingSpec spec = w.Next();
        for (const char* camera : {"F", "R"}) {
            if (e.empty())
                e = w.Single(import, stamp + camera + ".mp4", layout, spec, *camera == 'R');
        }
    };
    if (e.empty())
        pair("%Y%m%d_%H%M%S_N", MovLayout::BlackVue);
    if (e.empty())
        pair("DRIVE_%Y%m%d_%H%M%S_", MovLayout::NmeaText);
    if (e.empty()) {
        const std::string base = Stamp("%Y_%m%d_%H%M%S_002", time());
        const RecordingSpec spec = w.Next();
        e = w.Single(import, base + ".MP4", MovLayout::Plain, spec);
        if (e.empty())
            e = WriteCameraSideFile((import / (base + ".nmea")).string(), "nmea", spec);
    }
    return e;
}

int Demo(const Options& o)
{
    DemoWriter w;
    w.folder = o.positional.at(0);
    w.seconds = static_cast<int>(o.Number("--seconds", 30));
    // The card's drive has something to find: a knock in its second
    // recording and a hard stop in its third.
    Incidents incidents;
    incidents.impacts = {w.seconds + w.seconds / 2};
    incidents.hardStops = {2 * w.seconds + 2 * w.seconds / 3};
    w.route = MakeDemoRoute(w.seconds * 17, incidents);
    const fs::path card = w.folder / "card" / "DCIM" / "100MEDIA";
    const fs::path import = w.folder / "import";
    std::string e;
    auto time = [&] { return w.start + static_cast<std::time_t>(w.segment) * w.seconds; };
    for (int i = 0; i < 3 && e.empty(); ++i) {
        const std::time_t t = time();
        const int n = 2 * w.segment + 1;
        // The rear camera sometimes starts a second late.
        e = w.Pair(card, TimeName('A', t, n), TimeName('B', t + (i == 1), n + 1), ".MOV", MovLayout::A7L, w.Next());
    }
    for (int i = 0; i < 2 && e.empty(); ++i) {
        const std::time_t t = time();
        const int n = 2 * w.segment + 1;
        e = w.Pair(import, CounterName('A', t, n), CounterName('B', t, n + 1), ".MOV", MovLayout::NT96650A, w.Next());
    }
    for (int i = 0; i < 2 && e.empty(); ++i) {
        const std::time_t t = time();
        const int n = 2 * w.segment + 1;
        e = w.Pair(import, TimeName('A', t, n), TimeName('B', t + i, n + 1), ".MOV", MovLayout::Generic, w.Next());
    }
    for (int i = 0; i < 2 && e.empty(); ++i) {
        const std::time_t t = time();
        const int n = 2 * w.segment + 1;
        e = w.Pair(import, TimeName('A', t, n), TimeName('B', t, n + 1), ".AVI", MovLayout::Plain, w.Next());
    }
    for (const char* sideFolder : {"", "gps"}) {
        if (!e.empty())
            break;
        const std::time_t t = time();
        const int n = 2 * w.segment + 1;
        const std::string front = TimeName('A', t, n);
        RecordingSpec spec = w.Next();
        e = w.Pair(import, front, TimeName('B', t, n + 1), ".MOV", MovLayout::Plain, spec);
        fs::create_directories(import / sideFolder);
        if (e.empty())
            e = WriteSideFile((import / sideFolder / (front + ".DAT")).string(), spec);
    }
    if (e.empty())
        e = TodaysCameras(w, import);
    fs::remove_all(w.folder / ".video");
    if (!e.empty()) {
        std::fprintf(stderr, "mkrec: %s\n", e.c_str());
        return 1;
    }
    std::printf("%s\n%s\n", (w.folder / "card").c_str(), import.c_str());
    return 0;
}

// Memory cards laid out as cameras lay them out: beside the recordings of
// ordinary driving, those the camera filed as events (by folder, by a letter
// in the name, by write protection) or as parking-mode recordings. One short
// recording, copied to every place; the list of places on standard output
// with what the camera meant by each: "none", "event" or "parking".
int Cards(const Options& o)
{
    DemoWriter w;
    w.folder = o.positional.at(0);
    w.seconds = 2;
    w.route = MakeDemoRoute(w.seconds);
    const fs::path work = w.folder / ".work";
    std::string e = w.Single(work, "recording.MOV", MovLayout::Generic, w.Next());
    if (!e.empty()) {
        std::fprintf(stderr, "mkrec: %s\n", e.c_str());
        return 1;
    }
    const std::pair<const char*, const char*> places[] = {
        {"dcim/DCIM/100MEDIA/A60514081500_0001.MOV", "none"},
        {"dcim/EVENT/A60514081600_0003.MOV", "event"},
        {"folders/Normal/F/20260514_081500.MP4", "none"},
        {"folders/Event/F/20260514_081600.MP4", "event"},
        {"folders/Parking/F/20260514_081700.MP4", "parking"},
        {"ro/DCIM/Movie/2026_0514_081500_001.MP4", "none"},
        {"ro/DCIM/Movie/RO/2026_0514_081600_002.MP4", "event"},
        {"ro/DCIM/Movie/Parking/2026_0514_081700_003.MP4", "parking"},
        {"names/Record/20260514_081500_NF.mp4", "none"},
        {"names/Record/20260514_081600_EF.mp4", "event"},
        {"names/Record/20260514_081700_PF.mp4", "parking"},
        {"locked/Video/FILE0001.MP4", "none"},
        {"locked/LOCK/FILE0002.MP4", "event"},
        {"locked/Emergency/FILE0003.MP4", "event"},
        {"locked/Protected/FILE0004.MP4", "event"},
        {"locked/Video/EMER0005.MP4", "event"},
        {"locked/Video/FILE0006.MP4", "event"},  // write-protected by the camera
    };
    for (const auto& [place, meaning] : places) {
        const fs::path to = w.folder / place;
        fs::create_directories(to.parent_path());
        fs::copy_file(work / "recording.MOV", to, fs::copy_options::overwrite_existing);
        std::printf("%s %s\n", to.c_str(), meaning);
    }
    fs::permissions(w.folder / "locked/Video/FILE0006.MP4", fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    fs::remove_all(work);
    fs::remove_all(w.folder / ".video");
    return 0;
}

int Run(const std::string& command, const Options& o)
{
    if (o.positional.size() != 1)
        return Usage();
    const std::string out = o.positional[0];
    if (command == "demo")
        return Demo(o);
    if (command == "cards")
        return Cards(o);
    if (command == "route") {
        Incidents incidents;
        if (!ParseIncidents(o.Get("--incidents"), incidents))
            return Usage();
        return SaveRoute(out, MakeDemoRoute(static_cast<int>(o.Number("--seconds", 60)), incidents)) ? 0 : 1;
    }
    std::string error;
    if (command == "hostile") {
        error = WriteHostileMov(out, o.Get("--kind", "overlap"), o.Number("--scale", 0));
    } else if (command == "video") {
        SyntheticVideo video;
        video.seconds = static_cast<int>(o.Number("--seconds", 3));
        video.size = o.Get("--size", "320x240");
        video.rear = o.Has("--rear");
        video.hevc = o.Has("--hevc");
        video.pcm = o.Has("--pcm");
        video.bFrames = o.Has("--bframes");
        video.frameNumbers = o.Has("--frame-numbers") || o.Has("--first-frame");
        video.firstFrameNumber = static_cast<int>(o.Number("--first-frame", 0));
        error = MakeSyntheticVideo(out, video);
    } else {
        RecordingSpec spec;
        MovLayout layout = MovLayout::Generic;
        if (command == "mov" && !ParseLayout(o.Get("--layout", "generic"), layout))
            return Usage();
        error = SpecFromOptions(o, spec);
        if (error.empty() && command == "mov")
            error = WriteRecorderMov(out, layout, spec);
        else if (error.empty() && command == "avi")
            error = WriteRecorderAvi(out, o.Get("--marker", "BRXNTG-DVR 1.0"), spec);
        else if (error.empty() && command == "dat")
            error = WriteSideFile(out, spec);
        else if (error.empty() && command == "side")
            error = WriteCameraSideFile(out, o.Get("--format", "nmea"), spec);
        else if (error.empty())
            return Usage();
    }
    if (!error.empty()) {
        std::fprintf(stderr, "mkrec: %s\n", error.c_str());
        return 1;
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 3)
        return Usage();
    try {
        return Run(argv[1], Parse(argc, argv));
    } catch (const std::exception& e) {
        std::fprintf(stderr, "mkrec: %s\n", e.what());
        return 64;
    }
}
