#include "DatFile.h"

#include "FolderEntries.h"

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
    auto found = FindFolderEntry(folder, name, false);
    if (!found) {
        if (auto gps = FindFolderEntry(folder, "gps", true))
            found = FindFolderEntry(*gps, name, false);
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
