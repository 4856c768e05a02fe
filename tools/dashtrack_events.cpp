#include "dashtrack_events.h"

#include "events/Bookmarks.h"
#include "events/Catalogue.h"
#include "events/RecordingEvents.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <memory>
#include <optional>

namespace {

std::optional<double> Threshold(const std::string& text)
{
    if (text == "off")
        return 0.0;
    char* end = nullptr;
    const double g = std::strtod(text.c_str(), &end);
    if (end == text.c_str() || *end != '\0' || !(g >= kLowestImpactG && g <= kHighestImpactG))
        return std::nullopt;
    return g;
}

// 2026-05-14T08:15:03.2Z; empty for a recording whose time is not known.
std::string UtcText(const RecordingEvent& e)
{
    if (!e.timed)
        return {};
    const double utc = std::round(e.Utc() * 10) / 10;
    const auto whole = static_cast<std::time_t>(std::floor(utc));
    std::tm t {};
    gmtime_r(&whole, &t);
    char text[48];
    std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02d.%dZ", t.tm_year + 1900, t.tm_mon + 1, t.tm_mday,
                  t.tm_hour, t.tm_min, t.tm_sec, static_cast<int>(std::lround((utc - whole) * 10)) % 10);
    return text;
}

bool HasStrength(EventKind kind)
{
    return kind == EventKind::Impact || kind == EventKind::HardBraking || kind == EventKind::HardAcceleration;
}

// A field as CSV wants it: quoted when it holds a comma, a quote or a line end.
std::string CsvField(const std::string& text)
{
    if (text.find_first_of(",\"\r\n") == std::string::npos)
        return text;
    std::string quoted = "\"";
    for (char c : text)
        quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + "\"";
}

void WriteCsv(std::ostream& out, const std::vector<RecordingEvent>& events)
{
    out << "time,file,offset,kind,strength,speed,latitude,longitude,note\n";
    char numbers[64];
    for (const RecordingEvent& e : events) {
        std::snprintf(numbers, sizeof numbers, "%.1f", e.event.Seconds());
        out << UtcText(e) << ',' << CsvField(e.path) << ',' << numbers << ',' << EventKindName(e.event.kind) << ',';
        if (HasStrength(e.event.kind)) {
            std::snprintf(numbers, sizeof numbers, "%.2f", e.event.strength);
            out << numbers;
        }
        out << ',' << e.event.speedKmh << ',' << e.event.latitude << ',' << e.event.longitude << ','
            << CsvField(e.event.note) << '\n';
    }
}

nlohmann::json NumberOrNull(const std::string& text)
{
    return text.empty() ? nlohmann::json(nullptr) : nlohmann::json(std::stod(text));
}

void WriteJson(std::ostream& out, const std::vector<RecordingEvent>& events)
{
    nlohmann::json all = nlohmann::json::array();
    for (const RecordingEvent& e : events) {
        const std::string time = UtcText(e);
        all.push_back({{"time", time.empty() ? nlohmann::json(nullptr) : nlohmann::json(time)},
                       {"file", e.path},
                       {"offset", std::round(e.event.Seconds() * 10) / 10},
                       {"kind", EventKindName(e.event.kind)},
                       {"strength", HasStrength(e.event.kind) ? nlohmann::json(std::round(e.event.strength * 100) / 100)
                                                              : nlohmann::json(nullptr)},
                       {"speed", e.event.speedKmh},
                       {"latitude", NumberOrNull(e.event.latitude)},
                       {"longitude", NumberOrNull(e.event.longitude)},
                       {"note", e.event.note}});
    }
    out << all.dump(2, ' ', false, nlohmann::json::error_handler_t::replace) << '\n';
}

}  // namespace

bool ParseEvents(int argc, char** argv, EventsRequest& request)
{
    for (int i = 2; i < argc; ++i) {
        const std::string a = argv[i];
        if ((a == "--format" || a == "--threshold") && i + 1 >= argc)
            return false;
        if (a == "--format") {
            const std::string format = argv[++i];
            if (format != "csv" && format != "json")
                return false;
            request.json = format == "json";
        } else if (a == "--threshold") {
            const std::optional<double> g = Threshold(argv[++i]);
            if (!g)
                return false;
            request.settings.impactG = *g;
        } else if (a.rfind("--", 0) == 0) {
            return false;
        } else {
            request.paths.push_back(a);
        }
    }
    return !request.paths.empty();
}

void WriteEvents(std::ostream& out, const std::vector<std::string>& recordings, const EventsRequest& request)
{
    EventCatalogue catalogue(EventCatalogue::DefaultPath());
    if (!catalogue.Notice().empty())
        std::fprintf(stderr, "dashtrack: %s\n", catalogue.Notice().c_str());
    // The user's bookmarks when there are any: listing makes no store.
    std::unique_ptr<BookmarkStore> bookmarks;
    if (std::error_code ec; std::filesystem::exists(BookmarkStore::DefaultPath(), ec)) {
        bookmarks = std::make_unique<BookmarkStore>(BookmarkStore::DefaultPath());
        if (!bookmarks->Notice().empty())
            std::fprintf(stderr, "dashtrack: %s\n", bookmarks->Notice().c_str());
    }
    std::vector<RecordingEvent> events;
    for (const std::string& path : recordings) {
        const std::vector<RecordingEvent> found = FindRecordingEvents(path, request.settings, &catalogue, bookmarks.get());
        events.insert(events.end(), found.begin(), found.end());
    }
    std::stable_sort(events.begin(), events.end(), [](const RecordingEvent& a, const RecordingEvent& b) {
        return a.timed != b.timed ? a.timed : a.Utc() < b.Utc();
    });
    if (request.json)
        WriteJson(out, events);
    else
        WriteCsv(out, events);
}
