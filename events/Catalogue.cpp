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

// A prepared statement, finalized when it goes; or one kept prepared, reset
// for the next use when it goes.
class Statement {
public:
    Statement(sqlite3* db, const char* sql) { sqlite3_prepare_v2(db, sql, -1, &statement_, nullptr); }
    explicit Statement(sqlite3_stmt* kept) : statement_(kept), owned_(false) {}
    ~Statement()
    {
        if (owned_)
            sqlite3_finalize(statement_);
        else
            Reset();
    }
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
    bool owned_ = true;
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
    Flush();
    Close();
}

void EventCatalogue::Close()
{
    for (const auto& [sql, statement] : prepared_)
        sqlite3_finalize(statement);
    prepared_.clear();
    sqlite3_close(db_);
    db_ = nullptr;
}

sqlite3_stmt* EventCatalogue::Prepared(const char* sql) const
{
    sqlite3_stmt*& statement = prepared_[sql];
    if (!statement)
        sqlite3_prepare_v2(db_, sql, -1, &statement, nullptr);
    return statement;
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
    // Readers do not wait for a writer; and as a cache it need not reach the
    // disk at every recording (a power loss may lose the last few, never
    // the file's consistency).
    sqlite3_exec(db_, "PRAGMA journal_mode=WAL; PRAGMA synchronous=NORMAL", nullptr, nullptr, nullptr);
    return sqlite3_exec(db_, kSchema, nullptr, nullptr, nullptr) == SQLITE_OK;
}

void EventCatalogue::SetAside(const std::string& path, const std::string& why)
{
    Close();
    const std::string aside = path + ".set-aside-" + NowStamp();
    std::error_code ec;
    std::filesystem::rename(path, aside, ec);
    for (const char* companion : {"-wal", "-shm"})
        std::filesystem::remove(path + companion, ec);
    Open(path);
    if (db_ && !Prepare())
        Close();
    notice_ = "The event catalogue was set aside as " + aside + ": " + why + ". Events are found again from the recordings.";
}

std::optional<CataloguedRecording> EventCatalogue::Find(const std::string& path, const EventSettings& settings)
{
    if (!db_)
        return std::nullopt;
    const FileStamp stamp = StampOf(path);
    for (auto p = pending_.rbegin(); p != pending_.rend(); ++p) {
        if (p->path == path)
            return p->size == stamp.size && p->mtimeNs == stamp.mtimeNs && p->settings == SettingsKey(settings)
                       ? std::optional(p->recording)
                       : std::nullopt;
    }
    Statement recording(Prepared("SELECT start, seconds, km, timed, gps_timed FROM recordings"
                                 " WHERE path=?1 AND size=?2 AND mtime=?3 AND settings=?4"));
    recording.Bind(1, path);
    recording.Bind(2, stamp.size);
    recording.Bind(3, stamp.mtimeNs);
    recording.Bind(4, SettingsKey(settings));
    if (stamp.size < 0 || recording.Step() != SQLITE_ROW)
        return std::nullopt;
    CataloguedRecording kept;
    kept.span = {path, recording.Real(0), recording.Real(1), recording.Real(2), recording.Integer(3) != 0,
                 recording.Integer(4) != 0};
    Statement events(Prepared("SELECT kind, slot, strength, speed, latitude, longitude FROM events WHERE path=?1 ORDER BY rowid"));
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
    const FileStamp stamp = StampOf(path);
    if (!db_ || stamp.size < 0)
        return;
    pending_.push_back({path, SettingsKey(settings), stamp.size, stamp.mtimeNs, kept});
    if (pending_.size() >= kBatch)
        Flush();
}

void EventCatalogue::Flush()
{
    if (!db_ || pending_.empty())
        return;
    bool ok = sqlite3_exec(db_, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr) == SQLITE_OK;
    for (const Pending& pending : pending_)
        ok = ok && Write(pending);
    sqlite3_exec(db_, ok ? "COMMIT" : "ROLLBACK", nullptr, nullptr, nullptr);
    pending_.clear();  // what could not be written is found again next time
}

bool EventCatalogue::Write(const Pending& p)
{
    Statement recording(Prepared("INSERT OR REPLACE INTO recordings VALUES(?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9)"));
    recording.Bind(1, p.path);
    recording.Bind(2, p.size);
    recording.Bind(3, p.mtimeNs);
    recording.Bind(4, p.settings);
    recording.Bind(5, p.recording.span.start);
    recording.Bind(6, p.recording.span.seconds);
    recording.Bind(7, p.recording.span.kilometres);
    recording.Bind(8, static_cast<long long>(p.recording.span.timed));
    recording.Bind(9, static_cast<long long>(p.recording.span.gpsTimed));
    Statement clear(Prepared("DELETE FROM events WHERE path=?1"));
    clear.Bind(1, p.path);
    bool ok = recording.Step() == SQLITE_DONE && clear.Step() == SQLITE_DONE;
    Statement event(Prepared("INSERT INTO events VALUES(?1, ?2, ?3, ?4, ?5, ?6, ?7)"));
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
