#pragma once
// The imported recordings in the order they were added, mirrored row by row
// in a list view when one is attached.

#include "FileNode.h"
#include "RecordingListView.h"

#include <functional>
#include <string>
#include <unordered_map>
#include <vector>

struct MovHeaderTime {
    int hour = 0, minute = 0, second = 0;
    int month = 1, day = 0, year = 1900;  // what an unreadable file shows
    int isProtected = 0;
};

// The movie header's creation time (big-endian at offset 44, seconds since
// 1904) broken down in UTC, and the file's protection.
MovHeaderTime ReadMovHeader(const std::string& path);
MovHeaderTime ReadMovHeader(class BinaryFile& file);

// "%02d:%02d:%02d %02d-%02d-%04d"
std::string FormatTimeText(int hour, int minute, int second, int month, int day, int year);

// The one name of the file `path` leads to: symbolic links, "." and ".."
// resolved; a path that leads nowhere, made absolute and clean.
std::string CanonicalFilePath(const std::string& path);

// The last non-empty piece of `path` after a separator.
std::string GetFileName(const std::string& path);

class CRecordingList {
public:
    void SetView(IRecordingListView* view) { view_ = view; }
    // What is wrong with the recording at a path, asked of each file as it
    // is added (the node's `damage`); empty: nothing. The list itself cannot
    // tell: the player knows what a power loss leaves.
    using DamageCheck = std::function<std::string(const std::string& path)>;
    void SetDamageCheck(DamageCheck check) { damageCheck_ = std::move(check); }

    // Builds the node (side file or chip, time stamp, protection) and appends
    // it. `extension` has its point, as the import found it (".MOV", ".AVI").
    // A recording is listed once: 0 when added, 1 when it was listed already
    // (by another path to the same file, too).
    int AddFile(const std::string& path, const std::string& name, const std::string& extension);
    bool Append(const tagFileNode& node);  // false: listed already
    // The node in row `row` (0..count), the rows after it moving down;
    // false: listed already. Its damage is checked as AddFile checks it.
    bool Insert(int row, tagFileNode node);
    // The row of the recording at `path` (any path to that file), or -1.
    int IndexOf(const std::string& path) const;
    int GetCount() const { return static_cast<int>(nodes_.size()); }
    int GetNode(int index, tagFileNode& out) const;
    // Every recording's path, in the list's order.
    std::vector<std::string> Paths() const;
    // The same without the damaged ones: what can be played, and make a drive.
    std::vector<std::string> UndamagedPaths() const;
    void RemoveAll();

private:
    void InsertAs(int row, const std::string& file, tagFileNode node);
    void ShowRow(int row);
    void NumberRows(int from);

    IRecordingListView* view_ = nullptr;
    DamageCheck damageCheck_;
    std::vector<tagFileNode> nodes_;
    std::unordered_map<std::string, int> rowOfFile_;  // by the file's canonical path
};

// Builds the node exactly as AddFile does, without appending it.
tagFileNode MakeFileNode(const std::string& path, const std::string& name, const std::string& extension);

// The node an import would build for `path`, its extension upper-cased.
tagFileNode FileNodeOf(const std::string& path);

// The node's track loaded as the player loads it: the NT96650A chip's own
// reader, else the side file or the recording itself. The loader's result.
int LoadNodeTrack(class CTrackLoader& loader, const tagFileNode& node);
