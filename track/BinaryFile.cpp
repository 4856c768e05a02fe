#include "BinaryFile.h"

#include <cerrno>
#include <algorithm>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

BinaryFile::BinaryFile(const std::string& path)
{
    fd_ = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd_ < 0)
        return;
    struct stat info {};
    if (fstat(fd_, &info) != 0 || !S_ISREG(info.st_mode)) {
        close(fd_);
        fd_ = -1;
        return;
    }
    size_ = static_cast<std::uint64_t>(info.st_size);
    mode_ = info.st_mode;
}

BinaryFile::~BinaryFile()
{
    if (fd_ >= 0)
        close(fd_);
}

bool BinaryFile::Seek(std::uint64_t offset)
{
    if (fd_ < 0 || offset > size_)
        return false;
    pos_ = offset;
    return true;
}

std::atomic<std::uint64_t> BinaryFile::bytesReadByAll_{0};

std::size_t BinaryFile::ReadDirect(void* buffer, std::size_t count, std::uint64_t at)
{
    std::size_t done = 0;
    while (done < count) {
        const ssize_t got = pread(fd_, static_cast<char*>(buffer) + done, count - done, static_cast<off_t>(at + done));
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            break;
        done += static_cast<std::size_t>(got);
    }
    bytesReadByAll_ += done;
    return done;
}

bool BinaryFile::Fill(std::uint64_t at)
{
    windowStart_ = at;
    windowSize_ = ReadDirect(window_.data(), window_.size(), at);
    return windowSize_ > 0;
}

std::size_t BinaryFile::Read(void* buffer, std::size_t count)
{
    if (fd_ < 0)
        return 0;
    if (count > Remaining())
        count = static_cast<std::size_t>(Remaining());
    if (count == 0)
        return 0;
    std::size_t got = 0;
    if (count > window_.size()) {
        got = ReadDirect(buffer, count, pos_);
    } else {
        const bool inWindow = pos_ >= windowStart_ && pos_ + count <= windowStart_ + windowSize_;
        if (inWindow || Fill(pos_)) {
            const std::size_t offset = static_cast<std::size_t>(pos_ - windowStart_);
            got = std::min(count, windowSize_ - offset);
            std::memcpy(buffer, window_.data() + offset, got);
        }
    }
    pos_ += got;
    return got;
}

bool BinaryFile::ReadBE16(std::uint16_t& value)
{
    unsigned char b[2];
    if (!ReadExact(b, 2))
        return false;
    value = static_cast<std::uint16_t>((b[0] << 8) | b[1]);
    return true;
}

bool BinaryFile::ReadBE32(std::uint32_t& value)
{
    unsigned char b[4];
    if (!ReadExact(b, 4))
        return false;
    value = LoadBE32(b);
    return true;
}

bool BinaryFile::ReadLE32(std::uint32_t& value)
{
    unsigned char b[4];
    if (!ReadExact(b, 4))
        return false;
    value = LoadLE32(b);
    return true;
}
