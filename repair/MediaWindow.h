#pragma once
// The media data of a file read forward through one large buffer: a walk
// that looks at a few bytes here and there reads each byte from disk once.

#include <cstdint>
#include <vector>

class BinaryFile;

class MediaWindow {
public:
    MediaWindow(BinaryFile& file, std::uint64_t end, std::size_t size = 8u << 20);

    // At least `count` bytes from `at`, or nullptr when fewer lie before the end
    // (or `count` is more than the window holds).
    const std::uint8_t* At(std::uint64_t at, std::size_t count);
    // As many bytes from `at` as lie before the end, at most `count`; how many in `got`.
    const std::uint8_t* Upto(std::uint64_t at, std::size_t count, std::size_t& got);
    std::uint64_t End() const { return end_; }
    std::size_t Capacity() const { return buffer_.size(); }

private:
    bool Load(std::uint64_t at);

    BinaryFile& file_;
    std::uint64_t end_;
    std::vector<std::uint8_t> buffer_;
    std::uint64_t start_ = 0;
    std::size_t filled_ = 0;
};
