#include "Bookmarks.h"

#include "track/BinaryFile.h"

#include <cinttypes>
#include <cstdio>

namespace {

const char* const kSchema =
    "CREATE TABLE IF NOT EXISTS bookmarks(id INTEGER PRIMARY KEY, content TEXT NOT NULL, slot INTEGER NOT NULL,"
    " speed INTEGER, latitude TEXT, longitude TEXT, note TEXT);"
    "CREATE INDEX IF NOT EXISTS bookmarks_of_content ON bookmarks(content);";

// The user's own: every write reaches the disk.
const KeptDatabaseKind kBookmarks = {"bookmark store", 0x4444626b /* "DDbk" */, 1, kSchema, "FULL",
                                     "The bookmarks kept in it are in that file."};

constexpr std::size_t kEdge = 64 * 1024;

// FNV-1a, 64 bits: a fixed function, so the key stays the same across
// versions and machines.
std::uint64_t Fnv1a(const std::vector<unsigned char>& bytes, std::uint64_t hash)
{
    for (unsigned char b : bytes) {
        hash ^= b;
        hash *= 0x100000001b3ULL;
    }
    return hash;
}

bool ReadAt(BinaryFile& file, std::uint64_t at, std::size_t size, std::vector<unsigned char>& bytes)
{
    bytes.resize(size);
    return file.Seek(at) && file.ReadExact(bytes.data(), size);
}

}  // namespace

std::string ContentKey(const std::string& path)
{
    BinaryFile file(path);
    if (!file.IsOpen())
        return {};
    const std::uint64_t size = file.Size();
    const std::size_t head = static_cast<std::size_t>(std::min<std::uint64_t>(size, kEdge));
    const std::size_t tail = static_cast<std::size_t>(std::min<std::uint64_t>(size - head, kEdge));
    std::vector<unsigned char> bytes;
    std::uint64_t hash = 0xcbf29ce484222325ULL;
    if (!ReadAt(file, 0, head, bytes))
        return {};
    hash = Fnv1a(bytes, hash);
    if (!ReadAt(file, size - tail, tail, bytes))
        return {};
    hash = Fnv1a(bytes, hash);
    char key[64];
    std::snprintf(key, sizeof key, "%" PRIu64 ":%016" PRIx64, size, hash);
    return key;
}

BookmarkStore::BookmarkStore(const std::string& path) : db_(path, kBookmarks) {}

std::string BookmarkStore::DefaultPath()
{
    return KeptFilePath("DATA", "bookmarks.sqlite");
}

std::optional<long long> BookmarkStore::Add(const std::string& recording, const TrackEvent& moment)
{
    const std::string content = ContentKey(recording);
    if (!IsOpen() || content.empty())
        return std::nullopt;
    Statement add(db_.Prepared("INSERT INTO bookmarks(content, slot, speed, latitude, longitude, note) VALUES(?1, ?2, ?3, ?4, ?5, ?6)"));
    add.Bind(1, content);
    add.Bind(2, static_cast<long long>(moment.slot));
    add.Bind(3, static_cast<long long>(moment.speedKmh));
    add.Bind(4, moment.latitude);
    add.Bind(5, moment.longitude);
    add.Bind(6, moment.note);
    if (add.Step() != SQLITE_DONE)
        return std::nullopt;
    return sqlite3_last_insert_rowid(db_.Db());
}

bool BookmarkStore::Remove(long long id)
{
    Statement remove(db_.Prepared("DELETE FROM bookmarks WHERE id=?1"));
    remove.Bind(1, id);
    return IsOpen() && remove.Step() == SQLITE_DONE && sqlite3_changes(db_.Db()) == 1;
}

std::vector<Bookmark> BookmarkStore::Of(const std::string& recording)
{
    const std::string content = ContentKey(recording);
    std::vector<Bookmark> found;
    if (!IsOpen() || content.empty())
        return found;
    Statement of(db_.Prepared("SELECT id, slot, speed, latitude, longitude, note FROM bookmarks WHERE content=?1 ORDER BY slot, id"));
    of.Bind(1, content);
    while (of.Step() == SQLITE_ROW) {
        Bookmark b;
        b.id = of.Integer(0);
        b.moment.kind = EventKind::Bookmark;
        b.moment.slot = static_cast<int>(of.Integer(1));
        b.moment.speedKmh = static_cast<int>(of.Integer(2));
        b.moment.latitude = of.Text(3);
        b.moment.longitude = of.Text(4);
        b.moment.note = of.Text(5);
        found.push_back(b);
    }
    return found;
}
