#include "PartialFile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

PartialFile::PartialFile(const std::string& target) : target_(target)
{
    const std::filesystem::path path(target);
    partial_ = (path.parent_path() / ("." + path.filename().string() + ".XXXXXX")).string();
    fd_ = mkstemp(partial_.data());
    if (fd_ < 0) {
        Fail(errno);
        partial_.clear();
    }
}

PartialFile::~PartialFile()
{
    if (fd_ >= 0)
        ::close(fd_);
    if (!partial_.empty())
        ::unlink(partial_.c_str());
}

bool PartialFile::Fail(int number)
{
    error_ = std::strerror(number);
    return false;
}

bool PartialFile::Write(const void* bytes, std::size_t count)
{
    if (fd_ < 0)
        return false;
    for (std::size_t done = 0; done < count;) {
        const ssize_t n = ::write(fd_, static_cast<const char*>(bytes) + done, count - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return Fail(n < 0 ? errno : ENOSPC);
        done += static_cast<std::size_t>(n);
    }
    return true;
}

// In the kernel, without the bytes passing through this process
// (copy_file_range); by reading and writing where it cannot (another file
// system, an old kernel).
bool PartialFile::CopyFrom(int source, std::uint64_t from, std::uint64_t count)
{
    if (fd_ < 0)
        return false;
    auto offset = static_cast<off_t>(from);
    std::uint64_t done = 0;
    while (done < count && kernelCopies_) {
        const ssize_t n = ::copy_file_range(source, &offset, fd_, nullptr, static_cast<std::size_t>(count - done), 0);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && (errno == EXDEV || errno == ENOSYS || errno == EINVAL || errno == EOPNOTSUPP)) {
            kernelCopies_ = false;
            break;
        }
        if (n <= 0)
            return Fail(n < 0 ? errno : EIO);  // 0: the source ended before `count`
        done += static_cast<std::uint64_t>(n);
    }
    std::vector<char> buffer(static_cast<std::size_t>(std::min<std::uint64_t>(count - done, 1u << 20)));
    while (done < count) {
        const ssize_t n = ::pread(source, buffer.data(), static_cast<std::size_t>(std::min<std::uint64_t>(buffer.size(), count - done)), offset);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return Fail(n < 0 ? errno : EIO);
        if (!Write(buffer.data(), static_cast<std::size_t>(n)))
            return false;
        offset += n;
        done += static_cast<std::uint64_t>(n);
    }
    return true;
}

bool PartialFile::Commit(bool replace)
{
    if (fd_ < 0)
        return false;
    const mode_t mask = umask(0);
    umask(mask);
    bool ok = (fchmod(fd_, 0666 & ~mask) == 0 || Fail(errno)) && (fsync(fd_) == 0 || Fail(errno));
    if (::close(fd_) != 0 && ok)
        ok = Fail(errno);
    fd_ = -1;
    if (ok && renameat2(AT_FDCWD, partial_.c_str(), AT_FDCWD, target_.c_str(), replace ? 0 : RENAME_NOREPLACE) != 0)
        ok = Fail(errno);
    if (ok)
        partial_.clear();
    return ok;
}
