#pragma once
// A file written as the program writes every file: into a hidden file of its
// own beside the target, which takes the target's name only when whole and
// on the disk. Dropped before Commit, it leaves nothing behind.

#include <cstddef>
#include <cstdint>
#include <string>

class PartialFile {
public:
    explicit PartialFile(const std::string& target);
    ~PartialFile();
    PartialFile(const PartialFile&) = delete;
    PartialFile& operator=(const PartialFile&) = delete;

    bool IsOpen() const { return fd_ >= 0; }
    // The hidden file, for writers that open it by name (it is synced through
    // this one's descriptor all the same).
    const std::string& Path() const { return partial_; }
    bool Write(const void* bytes, std::size_t count);
    // `count` bytes of the open file `source` from `from` on, appended.
    bool CopyFrom(int source, std::uint64_t from, std::uint64_t count);
    // Synced, given the usual permissions, and renamed to the target; over an
    // existing target only when `replace`.
    bool Commit(bool replace = true);
    // Why the last step failed, in a few words.
    const std::string& Error() const { return error_; }

private:
    bool Fail(int number);

    std::string target_, partial_;
    int fd_ = -1;
    bool kernelCopies_ = true;  // until the kernel says it cannot copy between these two
    std::string error_;
};
