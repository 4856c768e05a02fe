#include "MediaWindow.h"

#include "track/BinaryFile.h"

#include <algorithm>

MediaWindow::MediaWindow(BinaryFile& file, std::uint64_t end, std::size_t size)
    : file_(file), end_(std::min(end, file.Size()))
{
    // A small file needs no more than its size.
    buffer_.resize(static_cast<std::size_t>(std::min<std::uint64_t>(size, end_)));
}

bool MediaWindow::Load(std::uint64_t at)
{
    filled_ = 0;
    start_ = at;
    if (!file_.Seek(at))
        return false;
    const std::size_t wanted = static_cast<std::size_t>(std::min<std::uint64_t>(buffer_.size(), end_ - at));
    filled_ = file_.Read(buffer_.data(), wanted);
    return filled_ > 0;
}

const std::uint8_t* MediaWindow::Upto(std::uint64_t at, std::size_t count, std::size_t& got)
{
    got = 0;
    if (at >= end_)
        return nullptr;
    count = static_cast<std::size_t>(std::min<std::uint64_t>({count, end_ - at, buffer_.size()}));
    const bool inside = at >= start_ && at + count <= start_ + filled_;
    if (!inside && !Load(at))
        return nullptr;
    const std::size_t offset = static_cast<std::size_t>(at - start_);
    got = std::min(count, filled_ - offset);
    return buffer_.data() + offset;
}

const std::uint8_t* MediaWindow::At(std::uint64_t at, std::size_t count)
{
    std::size_t got = 0;
    const std::uint8_t* bytes = Upto(at, count, got);
    return got == count ? bytes : nullptr;
}
