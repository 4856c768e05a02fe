#include "PartialFile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

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
