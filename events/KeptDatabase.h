#pragma once
// An SQLite file the program keeps things in (the event catalogue, the
// bookmarks): made on first use, marked as ours, shared safely by two
// programs at once (SQLite's locking, WAL), and set aside when it is damaged
// or not ours rather than used.

#include <sqlite3.h>

#include <map>
#include <string>

// $XDG_<kind>_HOME/DualDash/<name>, or ~/.cache or ~/.local/share when unset;
// `kind` is "CACHE" or "DATA".
std::string KeptFilePath(const char* kind, const std::string& name);

// A prepared statement, finalized when it goes; or one kept prepared by a
// KeptDatabase, reset for the next use when it goes.
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

struct KeptDatabaseKind {
    const char* what;         // for the user: "event catalogue", "bookmarks"
    int applicationId;        // marks the file as ours
    int version;              // of the tables below
    const char* schema;       // CREATE ... IF NOT EXISTS
    const char* synchronous;  // NORMAL for a cache, FULL for the user's own data
    const char* afterSetAside;  // what it means for the user, one sentence
    // An older version of ours is made anew without a word (a cache), not
    // set aside (the user's own data).
    bool remakeOlder = false;
};

class KeptDatabase {
public:
    KeptDatabase(const std::string& path, const KeptDatabaseKind& kind);
    ~KeptDatabase();
    KeptDatabase(const KeptDatabase&) = delete;
    KeptDatabase& operator=(const KeptDatabase&) = delete;

    sqlite3* Db() const { return db_; }
    // Empty, or one line for the user: set aside, or not opened at all.
    const std::string& Notice() const { return notice_; }
    // `sql` prepared once and kept: the same things are asked many times.
    sqlite3_stmt* Prepared(const char* sql);
    // Runs `sql` (no rows); true when it succeeded.
    bool Exec(const char* sql);

private:
    void Open();
    bool Prepare();
    void SetAside();
    bool OlderOfOurs();
    void Remake();
    void Close();

    std::string path_;
    KeptDatabaseKind kind_;
    sqlite3* db_ = nullptr;
    std::map<const char*, sqlite3_stmt*> prepared_;
    std::string notice_;
};
