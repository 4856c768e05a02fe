#pragma once
// Pictures of a video decoded by ffmpeg, and the frame numbers mkrec burnt
// into them (mkrec video --frame-numbers).

#include "DashtrackRun.h"
#include "TestFiles.h"

#include <filesystem>
#include <string>
#include <vector>

struct Picture {
    int width = 0, height = 0;
    std::vector<unsigned char> rgb;

    const unsigned char* At(int x, int y) const { return &rgb[(static_cast<std::size_t>(y) * width + x) * 3]; }
    int Grey(int x, int y) const { return (At(x, y)[0] + At(x, y)[1] + At(x, y)[2]) / 3; }
};

struct Region {
    int x = 0, y = 0, width = 0, height = 0;
};

// The number mkrec burnt into the picture shown in `r`: sixteen cells across
// its top sixth, white for a set bit, the lowest bit left.
inline int FrameNumber(const Picture& p, const Region& r)
{
    int number = 0;
    for (int bit = 0; bit < 16; ++bit) {
        const int x = r.x + (2 * bit + 1) * r.width / 32, y = r.y + r.height / 12;
        if (p.Grey(x, y) > 128)
            number |= 1 << bit;
    }
    return number;
}

// The video's pictures numbered `frames` (0 is the first, in the order
// shown), decoded by ffmpeg at their `width` x `height`.
inline std::vector<Picture> Pictures(const std::string& video, const std::vector<int>& frames, int width, int height)
{
    std::string select;
    for (int n : frames)
        select += (select.empty() ? "" : "+") + std::string("eq(n\\,") + std::to_string(n) + ")";
    const std::string raw = video + ".rgb";
    Execute("ffmpeg -nostdin -v error -y -i " + Quote(video) + " -vf " + Quote("select=" + select) +
            " -vsync 0 -f rawvideo -pix_fmt rgb24 " + Quote(raw));
    const std::string bytes = ReadFile(raw);
    std::filesystem::remove(raw);
    std::vector<Picture> pictures;
    const std::size_t size = static_cast<std::size_t>(width) * height * 3;
    for (std::size_t at = 0; at + size <= bytes.size(); at += size)
        pictures.push_back({width, height, std::vector<unsigned char>(bytes.begin() + at, bytes.begin() + at + size)});
    return pictures;
}
