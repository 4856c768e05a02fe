#pragma once
// A read-only file for the container readers. Every read is checked and
// bounded by the file's size; a failed read leaves the caller's bytes alone.
// Reads go through a small window so that walking headers costs few calls,
// while a jump elsewhere costs one positioned read, not a seek and a read.

#include <array>
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <string>

class BinaryFile {
public:
    explicit BinaryFile(const std::string& path);
    ~BinaryFile();
    BinaryFile(const BinaryFile&) = delete;
    BinaryFile& operator=(const BinaryFile&) = delete;

    bool IsOpen() const { return fd_ >= 0; }
    std::uint64_t Size() const { return size_; }
    unsigned Mode() const { return mode_; }  // st_mode of the open file
    // For copies the kernel makes from it (its position is not moved by them).
    int Descriptor() const { return fd_; }
    std::uint64_t Tell() const { return pos_; }
    std::uint64_t Remaining() const { return pos_ < size_ ? size_ - pos_ : 0; }

    // Moves to `offset`; false (and no move) when it lies past the end.
    bool Seek(std::uint64_t offset);
    // Reads up to `count` bytes at the current position; returns how many came.
    std::size_t Read(void* buffer, std::size_t count);
    bool ReadExact(void* buffer, std::size_t count) { return Read(buffer, count) == count; }
    bool ReadBE16(std::uint16_t& value);
    bool ReadBE32(std::uint32_t& value);
    bool ReadLE32(std::uint32_t& value);

    // Bytes read from disk by every BinaryFile of the process so far: what a
    // reader costs, for the tests that bound it.
    static std::uint64_t BytesReadByAll() { return bytesReadByAll_; }

private:
    std::size_t ReadDirect(void* buffer, std::size_t count, std::uint64_t at);
    bool Fill(std::uint64_t at);

    int fd_ = -1;
    std::uint64_t size_ = 0;
    unsigned mode_ = 0;
    std::uint64_t pos_ = 0;
    std::array<unsigned char, 2048> window_{};
    std::uint64_t windowStart_ = 0;
    std::size_t windowSize_ = 0;
    static std::atomic<std::uint64_t> bytesReadByAll_;
};

inline std::uint32_t LoadBE32(const unsigned char* p)
{
    return (std::uint32_t(p[0]) << 24) | (std::uint32_t(p[1]) << 16) | (std::uint32_t(p[2]) << 8) | p[3];
}

inline std::uint32_t LoadLE32(const unsigned char* p)
{
    return (std::uint32_t(p[3]) << 24) | (std::uint32_t(p[2]) << 16) | (std::uint32_t(p[1]) << 8) | p[0];
}

inline std::uint16_t LoadLE16(const unsigned char* p)
{
    return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}
