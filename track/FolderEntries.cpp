#include "FolderEntries.h"

#include <algorithm>
#include <cctype>
#include <sys/stat.h>
#include <unordered_map>
#include <vector>

namespace fs = std::filesystem;

namespace {

// The names of a folder by their lower-case form.
using NameIndex = std::unordered_multimap<std::string, std::string>;

struct FolderListing {
    std::string folder;
    timespec modified {};
    NameIndex names;
};

bool SameTime(const timespec& a, const timespec& b)
{
    return a.tv_sec == b.tv_sec && a.tv_nsec == b.tv_nsec;
}

// The names in `folder`. An import asks once per recording, so the last few
// listings are kept while the folder's modification time says they still hold.
const NameIndex& NamesIn(const fs::path& folder)
{
    static const NameIndex none;
    thread_local std::vector<FolderListing> cache;
    struct stat info {};
    if (stat(folder.c_str(), &info) != 0)
        return none;
    for (const FolderListing& listing : cache) {
        if (listing.folder == folder.native() && SameTime(listing.modified, info.st_mtim))
            return listing.names;
    }
    if (cache.size() >= 4)
        cache.erase(cache.begin());
    FolderListing listing{folder.native(), info.st_mtim, {}};
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec))
        listing.names.emplace(LowerCase(it->path().filename().string()), it->path().filename().string());
    cache.push_back(std::move(listing));
    return cache.back().names;
}

}  // namespace

std::string LowerCase(std::string_view text)
{
    std::string lower(text);
    for (char& c : lower)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return lower;
}

// The entry of `folder` called `name`: the exact name first, else one that
// differs only in case (folders copied from a card may have been renamed by hand).
// Names come from the folder's cached listing, so a miss costs no look-up.
std::optional<fs::path> FindFolderEntry(const fs::path& folder, const std::string& name, bool wantFolder)
{
    std::error_code ec;
    auto fits = [&](const fs::path& p) {
        return wantFolder ? fs::is_directory(p, ec) : fs::is_regular_file(p, ec);
    };
    auto [first, last] = NamesIn(folder).equal_range(LowerCase(name));
    std::vector<std::string> candidates;
    for (auto it = first; it != last; ++it)
        candidates.push_back(it->second);
    // The exact spelling wins over other cases.
    std::stable_partition(candidates.begin(), candidates.end(), [&](const std::string& c) { return c == name; });
    for (const std::string& candidate : candidates) {
        if (fits(folder / candidate))
            return folder / candidate;
    }
    return std::nullopt;
}

