#include "Catalogue.h"

#include "library/FileStamp.h"

#include <cstdio>

namespace {

const char* const kSchema =
    "CREATE TABLE IF NOT EXISTS recordings(path TEXT PRIMARY KEY, stamp TEXT NOT NULL, settings TEXT NOT NULL,"
    " start REAL, seconds REAL, km REAL, timed INTEGER, gps_timed INTEGER);"
    "CREATE TABLE IF NOT EXISTS events(path TEXT NOT NULL, kind INTEGER, slot INTEGER, strength REAL,"
    " speed INTEGER, latitude TEXT, longitude TEXT);"
    "CREATE INDEX IF NOT EXISTS events_of_recording ON events(path);";

// As a cache it need not reach the disk at every write: a power loss may
// lose the last few recordings kept, never the file's consistency.
const KeptDatabaseKind kCatalogue = {"event catalogue", 0x44446576 /* "DDev" */, 2, kSchema, "NORMAL",
                                     "Events are found again from the recordings.", true};

// What the recording's track is read from, as it is now: as the track cache
// knows it (the recording and its folder, where side files come and go);
// empty when the recording is not there.
std::string StampOf(const std::string& path)
{
    return FileStamp(path) == "-" ? std::string() : TrackSourcesStamp(path, {});
}

// The settings as kept beside what they found: other settings, other events.
std::string SettingsKey(const EventSettings& s)
{
    char key[128];
    std::snprintf(key, sizeof key, "%.3f/%.3f/%.3f/%.3f/%.3f", s.impactG, s.brakingG, s.accelerationG, s.heldSeconds,
                  s.quietSeconds);
    return key;
}

}  // namespace

EventCatalogue::EventCatalogue(const std::string& path) : db_(path, kCatalogue) {}

EventCatalogue::~EventCatalogue()
{
    Flush();
}

std::string EventCatalogue::DefaultPath()
{
    return KeptFilePath("CACHE", "events.sqlite");
}

std::optional<CataloguedRecording> EventCatalogue::Find(const std::string& path, const EventSettings& settings)
{
    if (!IsOpen())
        return std::nullopt;
    const std::string stamp = StampOf(path);
    for (auto p = pending_.rbegin(); p != pending_.rend(); ++p) {
        if (p->path == path)
            return p->stamp == stamp && p->settings == SettingsKey(settings) ? std::optional(p->recording) : std::nullopt;
    }
    Statement recording(db_.Prepared("SELECT start, seconds, km, timed, gps_timed FROM recordings"
                                     " WHERE path=?1 AND stamp=?2 AND settings=?3"));
    recording.Bind(1, path);
    recording.Bind(2, stamp);
    recording.Bind(3, SettingsKey(settings));
    if (stamp.empty() || recording.Step() != SQLITE_ROW)
        return std::nullopt;
    CataloguedRecording kept;
    kept.span = {path, recording.Real(0), recording.Real(1), recording.Real(2), recording.Integer(3) != 0,
                 recording.Integer(4) != 0};
    Statement events(db_.Prepared("SELECT kind, slot, strength, speed, latitude, longitude FROM events WHERE path=?1 ORDER BY rowid"));
    events.Bind(1, path);
    while (events.Step() == SQLITE_ROW) {
        TrackEvent e;
        e.kind = static_cast<EventKind>(events.Integer(0));
        e.slot = static_cast<int>(events.Integer(1));
        e.strength = events.Real(2);
        e.speedKmh = static_cast<int>(events.Integer(3));
        e.latitude = events.Text(4);
        e.longitude = events.Text(5);
        kept.events.push_back(e);
    }
    return kept;
}

void EventCatalogue::Keep(const std::string& path, const EventSettings& settings, const CataloguedRecording& kept)
{
    constexpr std::size_t kBatch = 100;
    const std::string stamp = StampOf(path);
    if (!IsOpen() || stamp.empty())
        return;
    pending_.push_back({path, SettingsKey(settings), stamp, kept});
    if (pending_.size() >= kBatch)
        Flush();
}

void EventCatalogue::Flush()
{
    if (!IsOpen() || pending_.empty())
        return;
    bool ok = db_.Exec("BEGIN IMMEDIATE");
    for (const Pending& pending : pending_)
        ok = ok && Write(pending);
    db_.Exec(ok ? "COMMIT" : "ROLLBACK");
    pending_.clear();  // what could not be written is found again next time
}

bool EventCatalogue::Write(const Pending& p)
{
    Statement recording(db_.Prepared("INSERT OR REPLACE INTO recordings VALUES(?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8)"));
    recording.Bind(1, p.path);
    recording.Bind(2, p.stamp);
    recording.Bind(3, p.settings);
    recording.Bind(4, p.recording.span.start);
    recording.Bind(5, p.recording.span.seconds);
    recording.Bind(6, p.recording.span.kilometres);
    recording.Bind(7, static_cast<long long>(p.recording.span.timed));
    recording.Bind(8, static_cast<long long>(p.recording.span.gpsTimed));
    Statement clear(db_.Prepared("DELETE FROM events WHERE path=?1"));
    clear.Bind(1, p.path);
    bool ok = recording.Step() == SQLITE_DONE && clear.Step() == SQLITE_DONE;
    Statement event(db_.Prepared("INSERT INTO events VALUES(?1, ?2, ?3, ?4, ?5, ?6, ?7)"));
    for (const TrackEvent& e : p.recording.events) {
        event.Reset();
        event.Bind(1, p.path);
        event.Bind(2, static_cast<long long>(e.kind));
        event.Bind(3, static_cast<long long>(e.slot));
        event.Bind(4, e.strength);
        event.Bind(5, static_cast<long long>(e.speedKmh));
        event.Bind(6, e.latitude);
        event.Bind(7, e.longitude);
        ok = ok && event.Step() == SQLITE_DONE;
    }
    return ok;
}
