#pragma once
// Which files of a folder or a memory card are front-camera recordings, and
// how they reach the recording list.

#include "RecordingList.h"

#include <string>
#include <vector>

// `extension` upper-cased, with its point. .MOV and .AVI need the front
// camera's letter where the recorders put it; an .MP4 is listed unless its
// name marks the rear camera (B as for .MOV, R in YYYYMMDD_HHMMSS_<type>R or
// a "_R" suffix), since single-camera recorders mark no camera at all.
bool IsCardFrontFile(const std::string& baseName, const std::string& extension);
bool IsImportFrontFile(const std::string& baseName, const std::string& extension);


// Adds the front recordings (.MOV, name beginning with A) of one card folder,
// sorted by path. A missing folder adds nothing.
void ScanCardFolder(const std::string& folder, CRecordingList& recordings);

// The card's folders in order: DCIM/100MEDIA..104MEDIA, NORMAL, EVENT.
std::vector<std::string> CardFolders(const std::string& root);
void ScanCard(const std::string& root, CRecordingList& recordings);

// Adds every front recording (.MOV or .AVI) of `folder`, in name order; names
// keep their case. Returns how many were added.
int ImportFolder(const std::string& folder, CRecordingList& recordings);

// The files an import of `folder` would add, in order, with the extension
// upper-cased; lets a caller add them one at a time and stay responsive.
struct ImportCandidate {
    std::string path;
    std::string name;
    std::string extension;
};
std::vector<ImportCandidate> ListImportFiles(const std::string& folder);
// The same for `folder` and every folder below it (a card's event and
// parking folders among them), the folders in path order; links are not
// followed, and no deeper than cameras nest their folders.
std::vector<ImportCandidate> ListImportFilesBelow(const std::string& folder);
// The same for a memory card: its folders in order, each sorted by path.
std::vector<ImportCandidate> ListCardFiles(const std::string& root);

struct MountedVolume {
    std::string root;        // mount point
    bool removable = false;  // the kernel's removable flag of the device's disk
    bool sdSlot = false;     // an SD card slot (mmcblk): its flag says 0
    bool usb = false;        // on the USB bus: a card reader or a recorder itself
    bool desktopMount = false;  // mounted by the desktop under /media or /run/media

    // Where a recorder's memory card may be.
    bool MayBeCard() const { return removable || sdSlot || usb || desktopMount; }
};

// Where the mount table and the kernel's device tree are read; tests give
// their own.
struct SystemPaths {
    std::string mounts = "/proc/self/mounts";
    std::string sys = "/sys";
};

// The mounted volumes, with what their device and mount point say of them.
std::vector<MountedVolume> ListMountedVolumes(const SystemPaths& paths = {});

// 1 and `root` set for the first volume that may be a card and holds a DCIM
// folder; else 0.
int FindCardRoot(const std::vector<MountedVolume>& volumes, std::string& root);
