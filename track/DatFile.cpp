#include "DatFile.h"

#include "DailyGpsLog.h"
#include "Nmea.h"
#include "ScrambleKey.h"

#include <cstdio>
#include <filesystem>
#include <memory>
#include <optional>
#include <algorithm>
#include <cctype>
#include <sys/stat.h>
#include <system_error>
#include <unordered_map>
#include <vector>

namespace fs = std::filesystem;

namespace {

std::string Lower(std::string text)
{
    for (char& c : text)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

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
        listing.names.emplace(Lower(it->path().filename().string()), it->path().filename().string());
    cache.push_back(std::move(listing));
    return cache.back().names;
}

// The entry of `folder` called `name`: the exact name first, else one that
// differs only in case (folders copied from a card may have been renamed by hand).
// Names come from the folder's cached listing, so a miss costs no look-up.
std::optional<fs::path> FindEntry(const fs::path& folder, const std::string& name, bool wantFolder)
{
    std::error_code ec;
    auto fits = [&](const fs::path& p) {
        return wantFolder ? fs::is_directory(p, ec) : fs::is_regular_file(p, ec);
    };
    auto [first, last] = NamesIn(folder).equal_range(Lower(name));
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

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};

}  // namespace

std::optional<std::string> FindSideFile(const std::string& mediaPath, const std::string& name)
{
    const fs::path media(mediaPath);
    fs::path folder = media.parent_path();
    if (folder.empty())
        folder = ".";
    auto found = FindEntry(folder, name, false);
    if (!found) {
        if (auto gps = FindEntry(folder, "gps", true))
            found = FindEntry(*gps, name, false);
    }
    if (!found)
        return std::nullopt;
    // Keep the folder as the caller wrote it.
    return (media.parent_path() / found->lexically_relative(folder)).string();
}

int FindDatFile(const std::string& mediaPath, std::string& datPath)
{
    if (mediaPath.size() <= 7)
        return 0;
    auto found = FindSideFile(mediaPath, fs::path(mediaPath).stem().string() + ".DAT");
    if (!found || IsDailyGpsLog(*found))
        return -1;
    datPath = *found;
    return 0;
}

int LoadDatFile(const std::string& datPath, TrackSlots& track)
{
    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(datPath.c_str(), "rb"));
    if (!file)
        return -1;
    char line[1024] = {};
    if (!std::fgets(line, sizeof line, file.get()))
        return static_cast<int>(track.size());
    for (int i = 0; i < 8; ++i) {
        if (KeyDigit(line[i]) == 0)  // every header digit is 1..9
            return static_cast<int>(track.size());
    }
    const int key = ScrambleKey(line);
    // A line longer than 1023 bytes arrives in pieces, each parsed as a line.
    while (std::fgets(line, sizeof line, file.get()) && track.size() < kMaxTrackSlots)
        ParseTrackLine(line, key, track);
    return static_cast<int>(track.size());
}
