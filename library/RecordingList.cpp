#include "RecordingList.h"

#include "track/BinaryFile.h"
#include "track/DatFile.h"
#include "track/MovTrack.h"
#include "track/TrackLoader.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <filesystem>
#include <ctime>
#include <sys/stat.h>

namespace {

constexpr std::uint32_t kSeconds1904To1970 = 2082844800u;

int ProtectionOf(const struct stat& info)
{
    return (info.st_mode & 0222) == 0 ? 1 : 0;
}

std::string FormatTm(const std::tm& t)
{
    return FormatTimeText(t.tm_hour, t.tm_min, t.tm_sec, t.tm_mon + 1, t.tm_mday, t.tm_year + 1900);
}

// Other kinds: the last-write time in local time (TZ), and the protection.
void StampFromFileSystem(tagFileNode& node)
{
    struct stat info {};
    if (stat(node.path.c_str(), &info) != 0)
        return;
    std::tm local {};
    const std::time_t written = info.st_mtime;
    if (localtime_r(&written, &local))
        node.timeText = FormatTm(local);
    node.isProtected = ProtectionOf(info);
}

}  // namespace

std::string FormatTimeText(int hour, int minute, int second, int month, int day, int year)
{
    char text[64];
    std::snprintf(text, sizeof text, "%02d:%02d:%02d %02d-%02d-%04d", hour, minute, second, month, day, year);
    return text;
}

std::string GetFileName(const std::string& path)
{
    std::size_t end = path.find_last_not_of('/');
    if (end == std::string::npos)
        return {};
    std::size_t start = path.find_last_of('/', end);
    start = start == std::string::npos ? 0 : start + 1;
    return path.substr(start, end + 1 - start);
}

MovHeaderTime ReadMovHeader(const std::string& path)
{
    BinaryFile file(path);
    return ReadMovHeader(file);
}

MovHeaderTime ReadMovHeader(BinaryFile& file)
{
    MovHeaderTime result;
    std::uint32_t creation = 0;
    if (!file.IsOpen() || !file.Seek(44) || !file.ReadBE32(creation))
        return result;
    // Computed in 32 bits and taken as an unsigned count, as the recorders do.
    const std::time_t seconds = static_cast<std::uint32_t>(creation - kSeconds1904To1970);
    std::tm utc {};
    if (gmtime_r(&seconds, &utc)) {
        result.hour = utc.tm_hour;
        result.minute = utc.tm_min;
        result.second = utc.tm_sec;
        result.month = utc.tm_mon + 1;
        result.day = utc.tm_mday;
        result.year = utc.tm_year + 1900;
    }
    result.isProtected = (file.Mode() & 0222) == 0 ? 1 : 0;
    return result;
}

tagFileNode MakeFileNode(const std::string& path, const std::string& name, const std::string& extension)
{
    tagFileNode node;
    node.path = path;
    node.name = name.empty() ? GetFileName(path) : name;
    // One open serves the chip and the movie header.
    BinaryFile file(path);
    // A side file wins; so does a path too short to have one (no chip either).
    if (FindDatFile(path, node.datPath) != 0) {
        const ChipFlags chip = DetectChipset(file);
        node.isA7L = chip.isA7L;
        node.isNT96650A = chip.isNT96650A;
    }
    if (extension == ".MOV") {
        const MovHeaderTime t = ReadMovHeader(file);
        node.timeText = FormatTimeText(t.hour, t.minute, t.second, t.month, t.day, t.year);
        node.isProtected = t.isProtected;
    } else {
        StampFromFileSystem(node);
    }
    return node;
}

std::string CanonicalFilePath(const std::string& path)
{
    std::error_code error;
    std::filesystem::path canonical = std::filesystem::weakly_canonical(path, error);
    if (error)
        canonical = std::filesystem::absolute(path, error).lexically_normal();
    return error ? path : canonical.string();
}

int CRecordingList::AddFile(const std::string& path, const std::string& name, const std::string& extension)
{
    const std::string file = CanonicalFilePath(path);
    if (rowOfFile_.count(file))
        return 1;
    InsertAs(GetCount(), file, MakeFileNode(path, name, extension));
    return 0;
}

int CRecordingList::IndexOf(const std::string& path) const
{
    const auto row = rowOfFile_.find(CanonicalFilePath(path));
    return row == rowOfFile_.end() ? -1 : row->second;
}

bool CRecordingList::Append(const tagFileNode& node)
{
    return Insert(GetCount(), node);
}

bool CRecordingList::Insert(int row, tagFileNode node)
{
    const std::string file = CanonicalFilePath(node.path);
    if (rowOfFile_.count(file))
        return false;
    InsertAs(std::clamp(row, 0, GetCount()), file, std::move(node));
    return true;
}

void CRecordingList::InsertAs(int row, const std::string& file, tagFileNode node)
{
    if (damageCheck_)
        node.damage = damageCheck_(node.path);
    if (row < GetCount()) {  // an import appends: only an insertion moves rows
        for (auto& [path, at] : rowOfFile_)
            at += at >= row;
    }
    rowOfFile_.emplace(file, row);
    nodes_.insert(nodes_.begin() + row, std::move(node));
    if (!view_)
        return;
    view_->InsertRow(row, "");
    ShowRow(row);
    NumberRows(row);
}

void CRecordingList::ShowRow(int row)
{
    const tagFileNode& node = nodes_[static_cast<std::size_t>(row)];
    view_->SetRowText(row, 1, node.name);
    view_->SetRowText(row, 2, node.timeText);
    if (!node.damage.empty())
        view_->MarkDamaged(row, node.damage);
}

// Column 0 counts the rows from 1, a protected recording's number starred.
void CRecordingList::NumberRows(int from)
{
    for (int row = from; row < GetCount(); ++row) {
        char number[32];
        std::snprintf(number, sizeof number, nodes_[static_cast<std::size_t>(row)].isProtected ? "*%d" : " %d", row + 1);
        view_->SetRowText(row, 0, number);
    }
}

int CRecordingList::GetNode(int index, tagFileNode& out) const
{
    if (index < 0 || index >= GetCount())
        return -1;
    out = nodes_[static_cast<std::size_t>(index)];
    return 0;
}

std::vector<std::string> CRecordingList::Paths() const
{
    std::vector<std::string> paths;
    paths.reserve(nodes_.size());
    for (const tagFileNode& node : nodes_)
        paths.push_back(node.path);
    return paths;
}

std::vector<std::string> CRecordingList::UndamagedPaths() const
{
    std::vector<std::string> paths;
    for (const tagFileNode& node : nodes_) {
        if (node.damage.empty())
            paths.push_back(node.path);
    }
    return paths;
}

void CRecordingList::RemoveAll()
{
    nodes_.clear();
    rowOfFile_.clear();
    if (view_)
        view_->DeleteAllRows();
}

tagFileNode FileNodeOf(const std::string& path)
{
    std::string extension = std::filesystem::path(path).extension().string();
    for (char& c : extension)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return MakeFileNode(path, "", extension);
}

int LoadNodeTrack(CTrackLoader& loader, const tagFileNode& node)
{
    return node.isNT96650A ? loader.LoadNT96650ATrack(node.path) : loader.LoadTrack(node.datPath, node.path);
}
