// 70mai's data: the top-level "GPS " box of 36-byte records and the
// GPSData*.txt log lines, as the public descriptions of both give them.

#include "mkrec_camera.h"

#include <cmath>
#include <cstdio>

namespace {

constexpr std::size_t kRecordSize = 36;

// DDMM.mmm in thousandths.
std::uint32_t DdmmThousandths(double degrees)
{
    const double a = std::fabs(degrees);
    const double whole = std::floor(a);
    return static_cast<std::uint32_t>(whole * 100000 + std::lround((a - whole) * 60000));
}

Bytes Record(const RoutePoint& p, std::uint32_t second)
{
    Bytes r;
    PutLE32(r, 1);
    PutLE32(r, p.fix ? 1 : 0);
    PutLE32(r, second);
    PutLE32(r, p.fix ? static_cast<std::uint32_t>(std::lround(p.knots * 1.852 * 1000)) : 0);
    r.push_back(p.fix ? (p.latitude < 0 ? 'S' : 'N') : 0);
    PutLE32(r, p.fix ? DdmmThousandths(p.latitude) : 0);
    r.push_back(p.fix ? (p.longitude < 0 ? 'W' : 'E') : 0);
    PutLE32(r, p.fix ? DdmmThousandths(p.longitude) : 0);
    r.resize(kRecordSize, 0);
    return r;
}

}  // namespace

Bytes SeventyMaiGpsBox(const RecordingSpec& spec)
{
    Bytes records;
    for (std::size_t s = 0; s < spec.route.size(); ++s)
        PutBytes(records, Record(spec.route[s], static_cast<std::uint32_t>(s)));
    PutZeros(records, 2 * kRecordSize);  // the camera's box is larger than the drive: zero records end it
    return Atom("GPS ", records);
}

std::string SeventyMaiLogLines(const RecordingSpec& spec)
{
    std::string text = "$V02\n";
    for (std::size_t s = 0; s < spec.route.size(); ++s) {
        const RoutePoint& p = spec.route[s];
        char line[256];
        std::snprintf(line, sizeof line, "%lld,%c,%.6f,%.6f,%ld,%ld,%ld,%ld,%ld,%s,0,0,0\n",
                      static_cast<long long>(spec.start) + static_cast<long long>(s), p.fix ? 'A' : 'V',
                      p.fix ? p.latitude : 0.0, p.fix ? p.longitude : 0.0, p.fix ? std::lround(p.course * 100) : 0L,
                      p.fix ? std::lround(p.knots * 1.852 / 3.6 * 100) : 0L, std::lround(p.gx * 1000),
                      std::lround(p.gy * 1000), std::lround(p.gz * 1000), spec.recordingName.c_str());
        text += line;
    }
    return text;
}
