#include "SafeWrite.h"

#include "PartialFile.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool Fail(std::string& error, int number)
{
    error = std::strerror(number);
    return false;
}

bool WriteAll(int fd, const std::string& bytes, std::string& error)
{
    for (std::size_t done = 0; done < bytes.size();) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return Fail(error, n < 0 ? errno : ENOSPC);
        done += static_cast<std::size_t>(n);
    }
    return true;
}

bool IsOtherThanRegularFile(const std::string& path)
{
    struct stat info {};
    return stat(path.c_str(), &info) == 0 && !S_ISREG(info.st_mode);
}

// A device or a pipe: written where it is.
bool WriteInPlace(const std::string& target, const std::string& bytes, std::string& error)
{
    const int fd = ::open(target.c_str(), O_WRONLY | O_CLOEXEC);
    if (fd < 0)
        return Fail(error, errno);
    const bool written = WriteAll(fd, bytes, error);
    if (::close(fd) != 0 && written)
        return Fail(error, errno);
    return written;
}

bool WriteBesideAndRename(const std::string& target, const std::string& bytes, std::string& error)
{
    PartialFile partial(target);
    if (!partial.Write(bytes.data(), bytes.size()) || !partial.Commit()) {
        error = partial.Error();
        return false;
    }
    return true;
}

}  // namespace

bool WriteFileSafely(const std::string& target, const std::function<void(std::ostream&)>& write, std::string& error)
{
    std::ostringstream contents;
    write(contents);
    if (!contents)
        return Fail(error, ENOMEM);
    if (IsOtherThanRegularFile(target))
        return WriteInPlace(target, contents.str(), error);
    return WriteBesideAndRename(target, contents.str(), error);
}

bool SameFile(const std::string& a, const std::string& b)
{
    struct stat first {}, second {};
    if (stat(a.c_str(), &first) == 0 && stat(b.c_str(), &second) == 0)
        return first.st_dev == second.st_dev && first.st_ino == second.st_ino;
    std::error_code ec;
    return std::filesystem::weakly_canonical(a, ec) == std::filesystem::weakly_canonical(b, ec);
}
