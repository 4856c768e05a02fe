// The events of a card of 2,000 one-minute recordings: the first look (each
// track read, its events found and kept in a new catalogue) next to loading
// the 2,000 tracks alone, and the second look (from the catalogue) next to
// the first, in the same run. The aims: the first at most 1.5 times the
// loading, the second at most a tenth of the first.
// Run: events_bench [ROUNDS] (the recordings are made under the temp folder once)

#include "Median.h"
#include "events/Catalogue.h"
#include "events/RecordingEvents.h"
#include "library/ExportTrack.h"
#include "mkrec_route.h"
#include "mkrec_writers.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

constexpr int kRecordings = 2000;
constexpr int kSeconds = 60;

// A minute with a knock in it, copied under 2,000 names of one card.
std::vector<std::string> Card(std::string& error)
{
    const fs::path dir = fs::temp_directory_path() / "dualdash-events-bench";
    const fs::path card = dir / "DCIM" / "100MEDIA";
    std::vector<std::string> paths;
    for (int i = 0; i < kRecordings; ++i) {
        char name[64];
        std::snprintf(name, sizeof name, "A6%04d%06d_%04d.MOV", 514, 80000 + i, i);
        paths.push_back((card / name).string());
    }
    if (fs::exists(paths.back()))
        return paths;
    fs::create_directories(card);
    SyntheticVideo video;
    video.seconds = kSeconds;
    video.size = "96x72";
    RecordingSpec spec;
    spec.videoPath = (dir / "v.mov").string();
    Incidents incidents;
    incidents.impacts = {30};
    spec.route = MakeDemoRoute(kSeconds, incidents);
    spec.start = 1778746500;
    spec.keyDigits = KeyDigitsFor(1);
    const std::string one = (dir / "one.MOV").string();
    if (error = MakeSyntheticVideo(spec.videoPath, video); error.empty())
        error = WriteRecorderMov(one, MovLayout::Generic, spec);
    for (std::size_t i = 0; error.empty() && i < paths.size(); ++i)
        fs::copy_file(one, paths[i], fs::copy_options::overwrite_existing);
    return paths;
}

double Seconds(const std::chrono::steady_clock::time_point& since)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - since).count();
}

// Each side's work, timed; the count it gives checks that it did the work.
double LoadTracks(const std::vector<std::string>& paths, std::size_t& slots)
{
    const auto start = std::chrono::steady_clock::now();
    slots = 0;
    for (const std::string& path : paths)
        slots += ReadRecordingTrack(path).track.size();
    return Seconds(start);
}

double FindEvents(const std::vector<std::string>& paths, EventCatalogue& catalogue, std::size_t& events)
{
    const auto start = std::chrono::steady_clock::now();
    events = 0;
    for (const std::string& path : paths)
        events += FindRecordingEvents(path, {}, &catalogue).size();
    return Seconds(start);
}

int Fail(const std::string& why)
{
    std::fprintf(stderr, "events_bench: %s\n", why.c_str());
    return 1;
}

}  // namespace

int main(int argc, char** argv)
{
    const int rounds = argc > 1 ? std::atoi(argv[1]) : 3;
    if (rounds < 1)
        return Fail("rounds must be at least 1");
    std::string error;
    const std::vector<std::string> paths = Card(error);
    if (!error.empty())
        return Fail("the card could not be made: " + error);
    std::vector<double> loading, first, second;
    for (int round = 0; round < rounds; ++round) {
        std::size_t slots = 0, found = 0, again = 0;
        loading.push_back(LoadTracks(paths, slots));
        const fs::path catalogueFile = fs::temp_directory_path() / "dualdash-events-bench.sqlite";
        fs::remove(catalogueFile);
        {
            EventCatalogue catalogue(catalogueFile.string());
            first.push_back(FindEvents(paths, catalogue, found));
        }
        EventCatalogue catalogue(catalogueFile.string());  // as the next session opens it
        second.push_back(FindEvents(paths, catalogue, again));
        if (slots != std::size_t(kRecordings) * kSeconds * 10)
            return Fail("the tracks gave " + std::to_string(slots) + " slots");
        if (found != std::size_t(kRecordings) || again != found)
            return Fail("events found " + std::to_string(found) + ", then " + std::to_string(again) + ", not one a recording");
    }
    const double load = Median(loading), look = Median(first), relook = Median(second);
    std::printf("%d one-minute recordings, median of %d rounds:\n", kRecordings, rounds);
    std::printf("  loading their tracks alone:   %8.1f ms\n", load * 1000);
    std::printf("  events, first look:           %8.1f ms  (%.2fx the loading; aim: at most 1.5)\n", look * 1000, look / load);
    std::printf("  events, from the catalogue:   %8.1f ms  (%.3fx the first look; aim: at most 0.1)\n", relook * 1000,
                relook / look);
    return 0;
}
