#include "KeptDatabase.h"

#include <cstdlib>
#include <ctime>
#include <filesystem>

namespace {

constexpr int kBusyMs = 5000;  // another program writing: wait this long for it

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

std::string KeptFilePath(const char* kind, const std::string& name)
{
    const std::string variable = std::string("XDG_") + kind + "_HOME";
    const char* set = std::getenv(variable.c_str());
    const char* home = std::getenv("HOME");
    const std::string fallback = std::string(kind) == "DATA" ? "/.local/share" : "/.cache";
    const std::string base = set && *set ? set : std::string(home ? home : ".") + fallback;
    return base + "/DualDash/" + name;
}

KeptDatabase::KeptDatabase(const std::string& path, const KeptDatabaseKind& kind) : path_(path), kind_(kind)
{
    std::error_code ec;
    std::filesystem::create_directories(std::filesystem::path(path).parent_path(), ec);
    Open();
    if (db_ && !Prepare()) {
        if (kind_.remakeOlder && OlderOfOurs())
            Remake();
        else
            SetAside();
    }
}

KeptDatabase::~KeptDatabase()
{
    Close();
}

void KeptDatabase::Open()
{
    if (sqlite3_open_v2(path_.c_str(), &db_, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) != SQLITE_OK) {
        notice_ = "The " + std::string(kind_.what) + " could not be opened (" + sqlite3_errmsg(db_) + "): " + path_;
        sqlite3_close(db_);
        db_ = nullptr;
        return;
    }
    sqlite3_busy_timeout(db_, kBusyMs);
}

// Ours, of this version, its tables there: true. A new file is made ours.
bool KeptDatabase::Prepare()
{
    if (IsEmptyFile(db_)) {
        const std::string setup = "PRAGMA application_id=" + std::to_string(kind_.applicationId) +
                                  ";PRAGMA user_version=" + std::to_string(kind_.version) + ";";
        if (!Exec(setup.c_str()))
            return false;
    }
    if (PragmaValue(db_, "PRAGMA application_id") != kind_.applicationId || PragmaValue(db_, "PRAGMA user_version") != kind_.version)
        return false;
    // Readers do not wait for a writer.
    Exec("PRAGMA journal_mode=WAL");
    Exec(("PRAGMA synchronous=" + std::string(kind_.synchronous)).c_str());
    return Exec(kind_.schema);
}

bool KeptDatabase::OlderOfOurs()
{
    const int version = PragmaValue(db_, "PRAGMA user_version");
    return PragmaValue(db_, "PRAGMA application_id") == kind_.applicationId && version >= 0 && version < kind_.version;
}

// What an earlier version kept is found again from the recordings.
void KeptDatabase::Remake()
{
    Close();
    std::error_code ec;
    for (const char* part : {"", "-wal", "-shm"})
        std::filesystem::remove(path_ + part, ec);
    Open();
    if (db_ && !Prepare())
        SetAside();
}

void KeptDatabase::SetAside()
{
    Close();
    const std::string aside = path_ + ".set-aside-" + NowStamp();
    std::error_code ec;
    std::filesystem::rename(path_, aside, ec);
    for (const char* companion : {"-wal", "-shm"})
        std::filesystem::remove(path_ + companion, ec);
    Open();
    if (db_ && !Prepare())
        Close();
    notice_ = "The " + std::string(kind_.what) + " was set aside as " + aside +
              ": it is not this program's, or it is damaged. " + kind_.afterSetAside;
}

void KeptDatabase::Close()
{
    for (const auto& [sql, statement] : prepared_)
        sqlite3_finalize(statement);
    prepared_.clear();
    sqlite3_close(db_);
    db_ = nullptr;
}

sqlite3_stmt* KeptDatabase::Prepared(const char* sql)
{
    sqlite3_stmt*& statement = prepared_[sql];
    if (!statement && db_)
        sqlite3_prepare_v2(db_, sql, -1, &statement, nullptr);
    return statement;
}

bool KeptDatabase::Exec(const char* sql)
{
    return db_ && sqlite3_exec(db_, sql, nullptr, nullptr, nullptr) == SQLITE_OK;
}
