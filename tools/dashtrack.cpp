// dashtrack: prints the track of a recording, what the player knows of it, and
// the rows an import would list.

#include "dashtrack_clip.h"
#include "dashtrack_events.h"
#include "dashtrack_repair.h"
#include "library/Drives.h"
#include "library/ExportFile.h"
#include "library/Import.h"
#include "library/MemoryListView.h"
#include "library/RecordingList.h"
#include "repair/Damage.h"
#include "track/TrackLoader.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cmath>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <optional>
#include <set>
#include <string>
#include <sys/stat.h>

namespace {

constexpr int kExitUnreadable = 1;
constexpr int kExitUnsupported = 2;
constexpr int kExitUsage = 64;

int Usage()
{
    std::fputs("usage: dashtrack slots PATH    the track as CSV, one line per 100 ms slot\n"
               "       dashtrack --version      the version of DualDash it comes with\n"
               "       dashtrack info PATH     what the player works out for a recording, and what a power loss\n"
               "                               left damaged (damaged: no index, index cut short, ...)\n"
               "       dashtrack import FOLDER the list rows (No., Files, Time) after importing FOLDER\n"
               "       dashtrack card ROOT     the list rows after scanning a memory card at ROOT\n"
               "       dashtrack drives FOLDER... the drives the folders' recordings make: number, first and\n"
               "                               last file, start, end (UTC), duration, km\n"
               "       dashtrack export --format gpx|kml|csv|geojson [--output FILE] [--units kmh|mph] PATH...\n"
               "                               the track of the recordings (and folders' recordings) named,\n"
               "                               in time order, as one file (standard output without --output)\n"
               "       dashtrack events [--format csv|json] [--threshold G|off] PATH...\n"
               "                               the events of the recordings named and of every recording in\n"
               "                               and below the folders named: time (UTC), file, offset (s),\n"
               "                               kind, strength (g), speed (km/h), position; G from 0.1 to 2.\n"
               "                               What was found is kept in $XDG_CACHE_HOME/DualDash/events.sqlite\n"
               "       dashtrack clip --from T --to T [--cameras front|rear|both] [--layout pip|side|stack]\n"
               "                      [--overlay time,speed,position,g,route] [--no-audio] [--quality CRF]\n"
               "                      [--size source|1080|720] [--swap] [--local-time] [--mph] [--replace]\n"
               "                      --output OUT.mp4 PATH...\n"
               "                               the stretch from T to T of the recordings (front camera's; the\n"
               "                               rear's found beside them) as one MP4 and a GPX beside it; T in\n"
               "                               seconds from the first one's start or UTC (2026-05-14T08:15:10Z).\n"
               "                               One camera without overlays is copied from the key frame before T\n"
               "       dashtrack repair [--reference HEALTHY] [--output OUT] DAMAGED\n"
               "                               a recording a power loss left without its index rebuilt, its\n"
               "                               tracks set as in HEALTHY (by default the nearest healthy one\n"
               "                               beside it), as NAME.repaired.EXT beside it (or OUT, a file or\n"
               "                               folder); prints what it kept\n",
               stderr);
    return kExitUsage;
}

// A one-line reason when `path` cannot be read as a file (or folder), else empty.
std::string Unreadable(const std::string& path, bool wantFolder)
{
    struct stat info {};
    if (stat(path.c_str(), &info) != 0)
        return std::strerror(errno);
    if (wantFolder != S_ISDIR(info.st_mode))
        return wantFolder ? "Not a directory" : "Is a directory";
    if (!wantFolder) {
        std::FILE* f = std::fopen(path.c_str(), "rb");
        if (!f)
            return std::strerror(errno);
        std::fclose(f);
    }
    return {};
}


int PrintSlots(const std::string& path)
{
    const tagFileNode node = FileNodeOf(path);
    CTrackLoader loader;
    if (!loader.IsSupported(node.datPath, node.path)) {
        std::fputs("UnSupported file!\n", stderr);
        return kExitUnsupported;
    }
    LoadNodeTrack(loader, node);
    std::puts("slot,x,y,z,aux,status,latitude,longitude,speed,course");
    int index = 0;
    for (const tagAssistInfo& s : loader.Slots()) {
        std::printf("%d,%.9g,%.9g,%.9g,%.9g,%u,%s,%s,%d,%.17g\n", index++, s.x, s.y, s.z, s.aux, s.status,
                    s.latitude.c_str(), s.longitude.c_str(), s.speed, s.course);
    }
    return 0;
}

int PrintInfo(const std::string& path)
{
    const tagFileNode node = FileNodeOf(path);
    CTrackLoader loader;
    const int supported = loader.IsSupported(node.datPath, node.path);
    std::string loadResult = "-";
    if (supported)
        loadResult = std::to_string(LoadNodeTrack(loader, node));
    std::printf("path: %s\nname: %s\ndatPath: %s\ntimeText: %s\nisProtected: %d\nisA7L: %d\n"
                "isNT96650A: %d\nsupported: %d\nloadResult: %s\nslots: %d\nsource: %s\n",
                node.path.c_str(), node.name.c_str(), node.datPath.c_str(), node.timeText.c_str(),
                node.isProtected, node.isA7L, node.isNT96650A, supported, loadResult.c_str(), loader.GetCount(),
                TrackSourceName(loader.Source()));
    // Only a damaged recording says so: the lines of a healthy one stay as they were.
    if (const Damage damage = DamageOf(path); damage != Damage::None)
        std::printf("damaged: %s\n", DamageText(damage));
    return 0;
}

std::string UtcText(double seconds)
{
    const std::time_t t = static_cast<std::time_t>(seconds);
    std::tm utc {};
    gmtime_r(&t, &utc);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%SZ", &utc);
    return text;
}

std::string DurationText(double seconds)
{
    const long s = std::lround(seconds);
    char text[32];
    std::snprintf(text, sizeof text, "%02ld:%02ld:%02ld", s / 3600, s / 60 % 60, s % 60);
    return text;
}

// One line a drive: number, first and last file, start, end, duration, km.
int PrintDrives(const std::vector<std::string>& folders)
{
    std::vector<RecordingSpan> recordings;
    for (const std::string& folder : folders) {
        for (const ImportCandidate& c : ListImportFiles(folder))
            recordings.push_back(DescribeRecording(c.path));
    }
    int number = 0;
    for (const Drive& drive : GroupDrives(recordings)) {
        const bool timed = drive.recordings.front().timed;
        std::printf("%d\t%s\t%s\t%s\t%s\t%s\t%.2f\n", ++number, GetFileName(drive.recordings.front().path).c_str(),
                    GetFileName(drive.recordings.back().path).c_str(), timed ? UtcText(drive.Start()).c_str() : "-",
                    timed ? UtcText(drive.End()).c_str() : "-", DurationText(drive.End() - drive.Start()).c_str(),
                    drive.Kilometres());
    }
    return 0;
}

int PrintRows(const CMemoryListView& view)
{
    for (const auto& row : view.Rows())
        std::printf("%s\t%s\t%s\n", row[0].c_str(), row[1].c_str(), row[2].c_str());
    return 0;
}

struct ExportRequest {
    std::optional<ExportFormat> format;
    std::string output;
    ExportOptions options;
    std::vector<std::string> paths;
};

// False on an unknown option or a missing value.
bool ParseExport(int argc, char** argv, ExportRequest& request)
{
    for (int i = 2; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool hasValue = i + 1 < argc;
        if (arg == "--format" && hasValue) {
            request.format = ExportFormatNamed(argv[++i]);
            if (!request.format)
                return false;
        } else if (arg == "--output" && hasValue) {
            request.output = argv[++i];
        } else if (arg == "--units" && hasValue) {
            const std::string unit = argv[++i];
            if (unit != "kmh" && unit != "mph")
                return false;
            request.options.csvSpeedUnit = unit == "mph" ? ExportSpeedUnit::Mph : ExportSpeedUnit::Kmh;
        } else if (arg.rfind("--", 0) == 0) {
            return false;
        } else {
            request.paths.push_back(arg);
        }
    }
    if (!request.format && !request.output.empty())
        request.format = ExportFormatOfPath(request.output);
    return request.format && !request.paths.empty();
}

int Failed(const std::string& what, const std::string& reason)
{
    std::fprintf(stderr, "dashtrack: %s: %s\n", what.c_str(), reason.c_str());
    return kExitUnreadable;
}

bool IsFolder(const std::string& path)
{
    std::error_code ec;
    return std::filesystem::is_directory(path, ec);
}

// The recordings a path names: itself, or a folder's front recordings (and
// those of the folders below it).
std::vector<std::string> RecordingsNamed(const std::string& path, bool below)
{
    if (!IsFolder(path))
        return {path};
    std::vector<std::string> paths;
    for (const ImportCandidate& c : below ? ListImportFilesBelow(path) : ListImportFiles(path))
        paths.push_back(c.path);
    return paths;
}

// Each recording once, however many paths lead to it: twice in the list,
// its points would be written twice with the time running back.
std::vector<std::string> DistinctRecordings(const std::vector<std::string>& paths, std::string& unreadable,
                                            bool below = false)
{
    std::vector<std::string> recordings;
    std::set<std::string> seen;
    for (const std::string& path : paths) {
        if (std::string reason = Unreadable(path, IsFolder(path)); !reason.empty()) {
            unreadable = path + ": " + reason;
            return {};
        }
        for (const std::string& recording : RecordingsNamed(path, below)) {
            if (seen.insert(CanonicalFilePath(recording)).second)
                recordings.push_back(recording);
        }
    }
    return recordings;
}

// To standard output, or into the file named; every failure said, and none
// of the recordings ever written over.
int Export(const ExportRequest& request)
{
    std::string unreadable;
    const std::vector<std::string> inputs = DistinctRecordings(request.paths, unreadable);
    if (!unreadable.empty()) {
        std::fprintf(stderr, "dashtrack: %s\n", unreadable.c_str());
        return kExitUnreadable;
    }
    ExportOptions options = request.options;
    if (request.output.empty()) {
        WriteExport(std::cout, *request.format, ReadExport(inputs, options), options);
        std::cout.flush();
        return std::cout.good() ? 0 : Failed("standard output", std::strerror(errno));
    }
    if (std::string error = WriteExportFile(request.output, *request.format, inputs, options); !error.empty())
        return Failed(request.output, error);
    return 0;
}

int Events(const EventsRequest& request)
{
    std::string unreadable;
    const std::vector<std::string> recordings = DistinctRecordings(request.paths, unreadable, true);
    if (!unreadable.empty()) {
        std::fprintf(stderr, "dashtrack: %s\n", unreadable.c_str());
        return kExitUnreadable;
    }
    WriteEvents(std::cout, recordings, request);
    std::cout.flush();
    return std::cout.good() ? 0 : Failed("standard output", std::strerror(errno));
}

int Run(int argc, char** argv)
{
    if (argc == 2 && std::string(argv[1]) == "--version") {
        std::printf("dashtrack %s\n", DUALDASH_VERSION);
        return 0;
    }
    if (argc >= 2 && std::string(argv[1]) == "events") {
        EventsRequest request;
        return ParseEvents(argc, argv, request) ? Events(request) : Usage();
    }
    if (argc >= 2 && std::string(argv[1]) == "repair") {
        RepairRequest request;
        return ParseRepair(argc, argv, request) ? RunRepair(request) : Usage();
    }
    if (argc >= 2 && std::string(argv[1]) == "clip") {
        ClipCommand command;
        return ParseClip(argc, argv, command) ? RunClip(command) : Usage();
    }
    if (argc >= 2 && std::string(argv[1]) == "export") {
        ExportRequest request;
        if (!ParseExport(argc, argv, request))
            return Usage();
        return Export(request);
    }
    if (argc >= 3 && std::string(argv[1]) == "drives") {
        std::vector<std::string> folders(argv + 2, argv + argc);
        for (const std::string& folder : folders) {
            if (std::string reason = Unreadable(folder, true); !reason.empty()) {
                std::fprintf(stderr, "dashtrack: %s: %s\n", folder.c_str(), reason.c_str());
                return kExitUnreadable;
            }
        }
        return PrintDrives(folders);
    }
    if (argc != 3)
        return Usage();
    const std::string command = argv[1];
    const std::string path = argv[2];
    const bool wantFolder = command == "import" || command == "card";
    if (!wantFolder && command != "slots" && command != "info")
        return Usage();
    if (std::string reason = Unreadable(path, wantFolder); !reason.empty()) {
        std::fprintf(stderr, "dashtrack: %s: %s\n", path.c_str(), reason.c_str());
        return kExitUnreadable;
    }
    if (command == "slots")
        return PrintSlots(path);
    if (command == "info")
        return PrintInfo(path);
    CMemoryListView view;
    CRecordingList recordings;
    recordings.SetView(&view);
    if (command == "import")
        ImportFolder(path, recordings);
    else
        ScanCard(path, recordings);
    return PrintRows(view);
}

}  // namespace

int main(int argc, char** argv)
{
    try {
        return Run(argc, argv);
    } catch (const std::filesystem::filesystem_error& e) {
        // A folder that cannot be walked: a loop of links, no permission.
        return Failed(e.path1().string(), e.code().message());
    }
}
