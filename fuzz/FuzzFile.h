#pragma once
// The readers take paths: hand them the fuzzer's bytes as an in-memory file.

#include <cstddef>
#include <cstdint>
#include <string>
#include <sys/mman.h>
#include <unistd.h>

class FuzzFile {
public:
    FuzzFile(const std::uint8_t* data, std::size_t size)
    {
        fd_ = memfd_create("fuzz", 0);
        if (fd_ >= 0 && size > 0 && write(fd_, data, size) != static_cast<ssize_t>(size)) {
            close(fd_);
            fd_ = -1;
        }
    }
    ~FuzzFile()
    {
        if (fd_ >= 0)
            close(fd_);
    }
    // /proc/self/fd/N is longer than the readers' shortest accepted path.
    std::string Path() const { return "/proc/self/fd/" + std::to_string(fd_); }

private:
    int fd_ = -1;
};
