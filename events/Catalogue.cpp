#include "Catalogue.h"

#include <sqlite3.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <sys/stat.h>

namespace {

// Marks the file as ours, so that a foreign SQLite file is not taken for one.
constexpr int kApplicationId = 0x44446576;  // "DDev"
constexpr int kSchemaVersion = 1;
constexpr int kBusyMs = 5000;  // another player writing: wait this long for it

const char* const kSchema =
    "CREATE TABLE IF NOT EXISTS recordings(path TEXT PRIMARY KEY, size INTEGER NOT NULL, mtime INTEGER NOT NULL,"
    " settings TEXT NOT NULL, start REAL, seconds REAL, km REAL, timed INTEGER, gps_timed INTEGER);"
    "CREATE TABLE IF NOT EXISTS events(path TEXT NOT NULL, kind INTEGER, slot INTEGER, strength REAL,"
    " speed INTEGER, latitude TEXT, longitude TEXT);"
    "CREATE INDEX IF NOT EXISTS events_of_recording ON events(path);";

struct FileStamp {
    long long size = -1, mtimeNs = 0;
};

FileStamp StampOf(const std::string& path)
{
    struct stat info {};
    if (stat(path.c_str(), &info) != 0)
        return {};
    return {static_cast<long long>(info.st_size), static_cast<long long>(info.st_mtim.tv_sec) * 1000000000LL + info.st_mtim.tv_nsec};
}

// The settings as kept beside what they found: other settings, other events.
std::string SettingsKey(const EventSettings& s)
{
    char key[128];
    std::snprintf(key, sizeof key, "%.3f/%.3f/%.3f/%.3f/%.3f", s.impactG, s.brakingG, s.accelerationG, s.heldSeconds,
                  s.quietSeconds);
    return key;
}

// A prepared statement, finalized when it goes.
class Statement {
public:
    Statement(sqlite3* db, const char* sql) { sqlite3_prepare_v2(db, sql, -1, &statement_, nullptr); }
    ~Statement() { sqlite3_finalize(statement_); }
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    bool Ok() const { return statement_ != nullptr; }
    void Bind(int i, const std::string& text) { sqlite3_bind_text(statement_, i, text.c_str(), -1, SQLITE_TRANSIENT); }
    void Bind(int i, long long value) { sqlite3_bind_int64(statement_, i, value); }
    void Bind(int i, double value) { sqlite3_bind_double(statement_, i, value); }
    int Step() { return statement_ ? sqlite3_step(statement_) : SQLITE_ERROR; }
    void Reset()
    {
        sqlite3_reset(statement_);
        sqlite3_clear_bindings(statement_);
    }
    long long Integer(int column) const { return sqlite3_column_int64(statement_, column); }
    double Real(int column) const { return sqlite3_column_double(statement_, column); }
    std::string Text(int column) const
    {
        const unsigned char* text = sqlite3_column_text(statement_, column);
        return text ? reinterpret_cast<const char*>(text) : "";
    }

private:
    sqlite3_stmt* statement_ = nullptr;
};

int PragmaValue(sqlite3* db, const char* pragma)
{
    Statement read(db, pragma);
    return read.Step() == SQLITE_ROW ? static_cast<int>(read.Integer(0)) : -1;
}

bool IsEmptyFile(sqlite3* db)
{
    Statement count(db, "SELECT count(*) FROM sqlite_master");
    return count.Step() == SQLITE_ROW && count.Integer(0) == 0;
}

std::string NowStamp()
{
    const std::time_t now = std::time(nullptr);
    std::tm t {};
    localtime_r(&now, &t);
    char text[32];
    std::strftime(text, sizeof text, "%Y%m%d-%H%M%S", &t);
    return text;
}

}  // namespace

EventCatalogue::EventCatalogue(const std::string& path)
{
    std::error_code ec;
    std::filesystem::create_directories(std::filesystem::path(path).parent_path(), ec);
    Open(path);
    if (db_ && !Prepare())
        SetAside(path, "it is not an event catalogue of this program, or it is damaged");
}

EventCatalogue::~EventCatalogue()
{
    sqlite3_close(db_);
}

std::string EventCatalogue::DefaultPath()
{
    const char* cache = std::getenv("XDG_CACHE_HOME");
    const char* home = std::getenv("HOME");
    const std::string base = cache && *cache ? cache : std::string(home ? home : ".") + "/.cache";
    return base + "/DualDash/events.sqlite";
}

void EventCatalogue::Open(const std::string& path)
{
    if (sqlite3_open_v2(path.c_str(), &db_, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) != SQLITE_OK) {
        notice_ = "The event catalogue could not be opened (" + std::string(sqlite3_errmsg(db_)) + "): " + path;
        sqlite3_close(db_);
        db_ = nullptr;
        return;
    }
    sqlite3_busy_timeout(db_, kBusyMs);
}

// Ours, of this version, its tables there: true. A new file is made ours.
bool EventCatalogue::Prepare()
{
    if (IsEmptyFile(db_)) {
        const std::string setup = "PRAGMA application_id=" + std::to_string(kApplicationId) +
                                  ";PRAGMA user_version=" + std::to_string(kSchemaVersion) + ";";
        if (sqlite3_exec(db_, setup.c_str(), nullptr, nullptr, nullptr) != SQLITE_OK)
            return false;
    }
    if (PragmaValue(db_, "PRAGMA application_id") != kApplicationId || PragmaValue(db_, "PRAGMA user_version") != kSchemaVersion)
        return false;
    sqlite3_exec(db_, "PRAGMA journal_mode=WAL", nullptr, nullptr, nullptr);  // readers do not wait for a writer
    return sqlite3_exec(db_, kSchema, nullptr, nullptr, nullptr) == SQLITE_OK;
}

void EventCatalogue::SetAside(const std::string& path, const std::string& why)
{
    sqlite3_close(db_);
    db_ = nullptr;
    const std::string aside = path + ".set-aside-" + NowStamp();
    std::error_code ec;
    std::filesystem::rename(path, aside, ec);
    for (const char* companion : {"-wal", "-shm"})
        std::filesystem::remove(path + companion, ec);
    Open(path);
    if (db_ && !Prepare()) {
        sqlite3_close(db_);
        db_ = nullptr;
    }
    notice_ = "The event catalogue was set aside as " + aside + ": " + why + ". Events are found again from the recordings.";
}

std::optional<CataloguedRecording> EventCatalogue::Find(const std::string& path, const EventSettings& settings) const
{
    if (!db_)
        return std::nullopt;
    const FileStamp stamp = StampOf(path);
    Statement recording(db_, "SELECT start, seconds, km, timed, gps_timed FROM recordings"
                             " WHERE path=?1 AND size=?2 AND mtime=?3 AND settings=?4");
    recording.Bind(1, path);
    recording.Bind(2, stamp.size);
    recording.Bind(3, stamp.mtimeNs);
    recording.Bind(4, SettingsKey(settings));
    if (stamp.size < 0 || recording.Step() != SQLITE_ROW)
        return std::nullopt;
    CataloguedRecording kept;
    kept.span = {path, recording.Real(0), recording.Real(1), recording.Real(2), recording.Integer(3) != 0,
                 recording.Integer(4) != 0};
    Statement events(db_, "SELECT kind, slot, strength, speed, latitude, longitude FROM events WHERE path=?1 ORDER BY rowid");
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
    const FileStamp stamp = StampOf(path);
    if (!db_ || stamp.size < 0)
        return;
    sqlite3_exec(db_, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr);
    Statement recording(db_, "INSERT OR REPLACE INTO recordings VALUES(?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9)");
    recording.Bind(1, path);
    recording.Bind(2, stamp.size);
    recording.Bind(3, stamp.mtimeNs);
    recording.Bind(4, SettingsKey(settings));
    recording.Bind(5, kept.span.start);
    recording.Bind(6, kept.span.seconds);
    recording.Bind(7, kept.span.kilometres);
    recording.Bind(8, static_cast<long long>(kept.span.timed));
    recording.Bind(9, static_cast<long long>(kept.span.gpsTimed));
    Statement clear(db_, "DELETE FROM events WHERE path=?1");
    clear.Bind(1, path);
    bool ok = recording.Step() == SQLITE_DONE && clear.Step() == SQLITE_DONE;
    Statement event(db_, "INSERT INTO events VALUES(?1, ?2, ?3, ?4, ?5, ?6, ?7)");
    for (const TrackEvent& e : kept.events) {
        event.Reset();
        event.Bind(1, path);
        event.Bind(2, static_cast<long long>(e.kind));
        event.Bind(3, static_cast<long long>(e.slot));
        event.Bind(4, e.strength);
        event.Bind(5, static_cast<long long>(e.speedKmh));
        event.Bind(6, e.latitude);
        event.Bind(7, e.longitude);
        ok = ok && event.Step() == SQLITE_DONE;
    }
    sqlite3_exec(db_, ok ? "COMMIT" : "ROLLBACK", nullptr, nullptr, nullptr);
}
