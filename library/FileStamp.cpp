#include "FileStamp.h"

#include <filesystem>
#include <sys/stat.h>

std::string FileStamp(const std::string& path)
{
    struct stat info {};
    if (path.empty() || stat(path.c_str(), &info) != 0)
        return "-";
    return std::to_string(info.st_size) + "@" + std::to_string(info.st_mtim.tv_sec) + "." +
           std::to_string(info.st_mtim.tv_nsec);
}

std::string TrackSourcesStamp(const std::string& path, const std::string& sidePath)
{
    const std::string folder = std::filesystem::path(path).parent_path().string();
    return FileStamp(path) + '\n' + FileStamp(sidePath) + '\n' + FileStamp(folder.empty() ? "." : folder);
}
