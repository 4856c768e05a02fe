#include "BinaryFile.h"

#include <sys/stat.h>

BinaryFile::BinaryFile(const std::string& path)
{
    file_ = std::fopen(path.c_str(), "rb");
    if (!file_)
        return;
    struct stat info {};
    if (fstat(fileno(file_), &info) != 0 || !S_ISREG(info.st_mode)) {
        std::fclose(file_);
        file_ = nullptr;
        return;
    }
    size_ = static_cast<std::uint64_t>(info.st_size);
}

BinaryFile::~BinaryFile()
{
    if (file_)
        std::fclose(file_);
}

bool BinaryFile::Seek(std::uint64_t offset)
{
    if (!file_ || offset > size_ || fseeko(file_, static_cast<off_t>(offset), SEEK_SET) != 0)
        return false;
    pos_ = offset;
    return true;
}

std::size_t BinaryFile::Read(void* buffer, std::size_t count)
{
    if (!file_)
        return 0;
    if (count > Remaining())
        count = static_cast<std::size_t>(Remaining());
    std::size_t got = count ? std::fread(buffer, 1, count, file_) : 0;
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
