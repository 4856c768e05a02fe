#include "Import.h"

#include "track/BlackVueTrack.h"

#include <algorithm>
#include <cstring>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <strings.h>
#include <system_error>

namespace fs = std::filesystem;

namespace {

std::string Upper(std::string text)
{
    for (char& c : text)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

struct FolderFile {
    fs::path path;
    std::string base;
    std::string extension;  // upper-cased
};

// The regular files of a folder (no sub-folders), unordered.
std::vector<FolderFile> ListFiles(const fs::path& folder)
{
    std::vector<FolderFile> files;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code typeError;
        if (it->is_directory(typeError))
            continue;
        const fs::path& p = it->path();
        files.push_back({p, p.stem().string(), Upper(p.extension().string())});
    }
    return files;
}

bool EndsWith(const std::string& text, const char* tail)
{
    const std::size_t n = std::strlen(tail);
    return text.size() >= n && text.compare(text.size() - n, n, tail) == 0;
}

// The camera letter of today's cameras' pairs: BlackVue's
// YYYYMMDD_HHMMSS_<type><camera> and a "_F" / "_R" suffix.
bool NamesCamera(const std::string& base, char camera)
{
    const char suffix[] = {'_', camera, '\0'};
    return IsBlackVueName(base, camera) || EndsWith(base, suffix);
}

// An MP4 is a recording of its own unless its name marks the rear camera:
// B where the MOV names put the camera letter, or R in the pairs above.
bool IsRearMp4Name(const std::string& base)
{
    const std::size_t n = base.size();
    return n > 0 && (base[n - 1] == 'B' || (n >= 17 && base[n - 17] == 'B') || NamesCamera(base, 'R'));
}

// A repaired recording keeps its camera's name, ".repaired" before the
// extension (NAME.repaired.EXT): the camera's letter is read without it.
std::string RecordedName(const std::string& base)
{
    constexpr const char* kRepaired = ".repaired";
    const std::size_t n = std::strlen(kRepaired);
    if (base.size() > n && strcasecmp(base.c_str() + base.size() - n, kRepaired) == 0)
        return base.substr(0, base.size() - n);
    return base;
}

}  // namespace

bool IsCardFrontFile(const std::string& name, const std::string& extension)
{
    const std::string baseName = RecordedName(name);
    if (extension == ".MP4")
        return !baseName.empty() && baseName[0] != 'B' && !IsRearMp4Name(baseName);
    return extension == ".MOV" && !baseName.empty() && baseName[0] == 'A';
}

bool IsImportFrontFile(const std::string& name, const std::string& extension)
{
    const std::string baseName = RecordedName(name);
    if (extension == ".MP4")
        return !baseName.empty() && !IsRearMp4Name(baseName);
    if (extension != ".MOV" && extension != ".AVI")
        return false;
    const std::size_t n = baseName.size();
    // The front letter is last, or 16 places before the last (naming by time).
    return n > 0 && (baseName[n - 1] == 'A' || (n >= 17 && baseName[n - 17] == 'A'));
}

namespace {

void AddCardFolderFiles(const std::string& folder, std::vector<ImportCandidate>& out)
{
    std::vector<FolderFile> files = ListFiles(folder);
    std::sort(files.begin(), files.end(),
              [](const FolderFile& a, const FolderFile& b) { return a.path.string() < b.path.string(); });
    for (const FolderFile& f : files) {
        if (IsCardFrontFile(f.base, f.extension))
            out.push_back({f.path.string(), f.base + f.extension, f.extension});
    }
}

// How many were new to the list.
int AddAll(const std::vector<ImportCandidate>& candidates, CRecordingList& recordings)
{
    int added = 0;
    for (const ImportCandidate& c : candidates)
        added += recordings.AddFile(c.path, c.name, c.extension) == 0;
    return added;
}

}  // namespace

void ScanCardFolder(const std::string& folder, CRecordingList& recordings)
{
    std::vector<ImportCandidate> candidates;
    AddCardFolderFiles(folder, candidates);
    AddAll(candidates, recordings);
}

std::vector<ImportCandidate> ListCardFiles(const std::string& root)
{
    std::vector<ImportCandidate> candidates;
    for (const std::string& folder : CardFolders(root))
        AddCardFolderFiles(folder, candidates);
    return candidates;
}

std::vector<std::string> CardFolders(const std::string& root)
{
    const fs::path r(root);
    std::vector<std::string> folders;
    for (int i = 0; i <= 4; ++i)
        folders.push_back((r / "DCIM" / ("10" + std::to_string(i) + "MEDIA")).string());
    folders.push_back((r / "NORMAL").string());
    folders.push_back((r / "EVENT").string());
    return folders;
}

void ScanCard(const std::string& root, CRecordingList& recordings)
{
    AddAll(ListCardFiles(root), recordings);
}

std::vector<ImportCandidate> ListImportFiles(const std::string& folder)
{
    std::vector<FolderFile> files = ListFiles(folder);
    // Name order, ignoring case, as the recorders' own file systems list them.
    std::sort(files.begin(), files.end(), [](const FolderFile& a, const FolderFile& b) {
        int c = strcasecmp(a.path.filename().c_str(), b.path.filename().c_str());
        return c != 0 ? c < 0 : a.path.filename() < b.path.filename();
    });
    std::vector<ImportCandidate> candidates;
    for (const FolderFile& f : files) {
        if (IsImportFrontFile(f.base, f.extension))
            candidates.push_back({f.path.string(), f.path.filename().string(), f.extension});
    }
    return candidates;
}

std::vector<ImportCandidate> ListImportFilesBelow(const std::string& folder)
{
    constexpr int kDeepest = 6;
    std::vector<std::string> folders = {folder};
    std::error_code ec;
    for (auto it = std::filesystem::recursive_directory_iterator(
             folder, std::filesystem::directory_options::skip_permission_denied, ec);
         !ec && it != std::filesystem::recursive_directory_iterator(); it.increment(ec)) {
        if (it.depth() >= kDeepest)
            it.disable_recursion_pending();
        if (it->is_directory(ec) && !it->is_symlink(ec))
            folders.push_back(it->path().string());
    }
    std::sort(folders.begin() + 1, folders.end());
    std::vector<ImportCandidate> candidates;
    for (const std::string& f : folders) {
        const std::vector<ImportCandidate> here = ListImportFiles(f);
        candidates.insert(candidates.end(), here.begin(), here.end());
    }
    return candidates;
}

int ImportFolder(const std::string& folder, CRecordingList& recordings)
{
    return AddAll(ListImportFiles(folder), recordings);
}

namespace {

// /proc/self/mounts escapes blanks and backslashes as octal.
std::string UnescapeMountField(const std::string& field)
{
    auto octal = [&](std::size_t i) { return i < field.size() && field[i] >= '0' && field[i] <= '7'; };
    std::string out;
    for (std::size_t i = 0; i < field.size(); ++i) {
        if (field[i] == '\\' && octal(i + 1) && octal(i + 2) && octal(i + 3)) {
            out += static_cast<char>((field[i + 1] - '0') * 64 + (field[i + 2] - '0') * 8 + (field[i + 3] - '0'));
            i += 3;
        } else {
            out += field[i];
        }
    }
    return out;
}

bool StartsWith(const std::string& text, const char* head)
{
    return text.rfind(head, 0) == 0;
}

// What the kernel's device tree says of the block device behind a mount:
// the removable flag of its disk, and the bus it hangs on (the device's
// place in /sys/devices names the USB or MMC host on the way).
void DescribeDevice(const std::string& device, const fs::path& sys, MountedVolume& volume)
{
    if (!StartsWith(device, "/dev/"))
        return;
    std::error_code ec;
    const fs::path dev = fs::weakly_canonical(device, ec);  // /dev/disk/by-label/... to /dev/sdb1
    const std::string name = (ec ? fs::path(device) : dev).filename().string();
    fs::path node = fs::canonical(sys / "class" / "block" / name, ec);
    if (ec)
        return;
    if (fs::exists(node / "partition", ec))
        node = node.parent_path();
    std::ifstream flag(node / "removable");
    int removable = 0;
    volume.removable = (flag >> removable) && removable == 1;
    const std::string where = node.string();
    volume.sdSlot = StartsWith(name, "mmcblk") || where.find("/mmc_host/") != std::string::npos;
    volume.usb = where.find("/usb") != std::string::npos;
}

}  // namespace

std::vector<MountedVolume> ListMountedVolumes(const SystemPaths& paths)
{
    std::vector<MountedVolume> volumes;
    std::ifstream mounts(paths.mounts);
    std::string line;
    while (std::getline(mounts, line)) {
        std::istringstream fields(line);
        std::string device, mountPoint;
        if (!(fields >> device >> mountPoint))
            continue;
        MountedVolume volume;
        volume.root = UnescapeMountField(mountPoint);
        // udisks mounts what the user plugs in under /media/$USER or /run/media/$USER.
        volume.desktopMount = StartsWith(volume.root, "/media/") || StartsWith(volume.root, "/run/media/");
        DescribeDevice(UnescapeMountField(device), paths.sys, volume);
        volumes.push_back(volume);
    }
    return volumes;
}

int FindCardRoot(const std::vector<MountedVolume>& volumes, std::string& root)
{
    for (const MountedVolume& v : volumes) {
        std::error_code ec;
        if (v.MayBeCard() && fs::is_directory(fs::path(v.root) / "DCIM", ec)) {
            root = v.root;
            return 1;
        }
    }
    return 0;
}
