#include "GpmfTrack.h"

#include "BinaryFile.h"
#include "MovieIndex.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kStandardGravity = 9.80665;
constexpr int kMaxDepth = 4;
// A second of GPMF is a few kilobytes; a larger sample is not a payload.
constexpr std::uint32_t kMaxPayload = 16u << 20;

struct Item {
    char key[4];
    char type;
    std::size_t structSize;
    std::size_t repeat;
    const unsigned char* data;
    std::size_t Size() const { return structSize * repeat; }
    bool Is(const char* k) const { return std::memcmp(key, k, 4) == 0; }
};

// The item at `at`, when its header and padded data fit in `size`.
bool ReadItem(const unsigned char* base, std::size_t size, std::size_t at, Item& item, std::size_t& next)
{
    if (size < 8 || at > size - 8)
        return false;
    const unsigned char* h = base + at;
    for (int i = 0; i < 4; ++i) {
        const bool printable = (h[i] >= 'A' && h[i] <= 'Z') || (h[i] >= 'a' && h[i] <= 'z') ||
                               (h[i] >= '0' && h[i] <= '9') || h[i] == ' ';
        if (!printable)
            return false;
    }
    std::memcpy(item.key, h, 4);
    item.type = static_cast<char>(h[4]);
    item.structSize = h[5];
    item.repeat = static_cast<std::size_t>((h[6] << 8) | h[7]);
    item.data = h + 8;
    const std::size_t padded = (item.Size() + 3) & ~std::size_t(3);
    if (padded > size - at - 8)
        return false;
    next = at + 8 + padded;
    return true;
}

std::size_t TypeSize(char type)
{
    switch (type) {
    case 'b': case 'B': case 'c': return 1;
    case 's': case 'S': return 2;
    case 'l': case 'L': case 'f': case 'q': return 4;
    case 'd': case 'j': case 'J': case 'Q': return 8;
    default: return 0;
    }
}

double ReadNumber(const unsigned char* p, char type)
{
    auto be = [p](int n) {
        std::uint64_t v = 0;
        for (int i = 0; i < n; ++i)
            v = (v << 8) | p[i];
        return v;
    };
    switch (type) {
    case 'b': return static_cast<std::int8_t>(p[0]);
    case 'B': return p[0];
    case 's': return static_cast<std::int16_t>(be(2));
    case 'S': return static_cast<double>(be(2));
    case 'l': return static_cast<std::int32_t>(be(4));
    case 'L': return static_cast<double>(be(4));
    case 'q': return static_cast<std::int32_t>(be(4)) / 65536.0;
    case 'j': return static_cast<double>(static_cast<std::int64_t>(be(8)));
    case 'J': return static_cast<double>(be(8));
    case 'Q': return static_cast<double>(static_cast<std::int64_t>(be(8))) / 4294967296.0;
    case 'f': {
        const auto bits = static_cast<std::uint32_t>(be(4));
        float f;
        std::memcpy(&f, &bits, 4);
        return f;
    }
    case 'd': {
        const std::uint64_t bits = be(8);
        double d;
        std::memcpy(&d, &bits, 8);
        return d;
    }
    default: return 0;
    }
}

// The element types of one structure: TYPE's letters for a complex item,
// else the item's own type as often as it fits.
std::string ElementTypes(const Item& item, const std::string& complexType)
{
    if (item.type == '?')
        return complexType;
    const std::size_t each = TypeSize(item.type);
    return each ? std::string(item.structSize / each, item.type) : std::string();
}

constexpr std::size_t kMaxElements = 16;

// Calls visit(values, count, row, rows) for each structure of the item, its
// numbers divided by SCAL (one value for all, or one per element); nothing
// when the layout does not add up.
template <typename Visit>
void ForEachScaledRow(const Item& item, const std::string& types, const std::vector<double>& scale, Visit visit)
{
    std::size_t width = 0;
    for (char t : types)
        width += TypeSize(t);
    if (types.empty() || types.size() > kMaxElements || width != item.structSize || scale.empty())
        return;
    double row[kMaxElements];
    for (std::size_t r = 0; r < item.repeat; ++r) {
        const unsigned char* p = item.data + r * item.structSize;
        for (std::size_t e = 0; e < types.size(); ++e) {
            const double divisor = scale.size() == 1 ? scale[0] : (e < scale.size() ? scale[e] : 1.0);
            row[e] = divisor != 0 ? ReadNumber(p, types[e]) / divisor : std::nan("");
            p += TypeSize(types[e]);
        }
        if (!visit(row, types.size(), r, item.repeat))
            return;
    }
}

// What an item says applies to the items after it in the same stream.
struct StreamState {
    std::vector<double> scale;
    std::string complexType;
    int fix = -1;      // GPSF; -1 when not given
    double gpsu = -1;  // GPSU: the payload's first fix in UTC seconds; -1 when not given
    std::string orin;  // ORIN: the camera axis each channel holds, lower case when reversed
};

// Where the camera's X, Y and Z are among a sample's channels, and their
// signs. ORIN names the axis of each channel ("ZXY": Z first, then X, then
// Y; lower case for an axis reversed); the first cameras wrote none and
// kept Z, X, Y, which is taken where ORIN is missing or not three axes.
struct AxisOrder {
    std::array<int, 3> channel{1, 2, 0};
    std::array<double, 3> sign{1, 1, 1};
};

AxisOrder AxisOrderOf(const std::string& orin)
{
    AxisOrder order;
    if (orin.size() != 3)
        return order;
    AxisOrder named;
    std::array<bool, 3> seen{};
    for (int c = 0; c < 3; ++c) {
        const char letter = orin[static_cast<std::size_t>(c)];
        const int axis = std::toupper(static_cast<unsigned char>(letter)) - 'X';
        if (axis < 0 || axis > 2 || seen[static_cast<std::size_t>(axis)])
            return order;
        seen[static_cast<std::size_t>(axis)] = true;
        named.channel[static_cast<std::size_t>(axis)] = c;
        named.sign[static_cast<std::size_t>(axis)] = std::isupper(static_cast<unsigned char>(letter)) ? 1 : -1;
    }
    return named;
}

// GPSU's text "yymmddhhmmss.sss" as UTC seconds since 1970; -1 when it is not that.
double GpsuSeconds(const Item& item)
{
    if (item.type != 'U' || item.Size() < 16)
        return -1;
    const char* text = reinterpret_cast<const char*>(item.data);
    int field[5] = {};
    for (int i = 0; i < 5; ++i) {
        if (std::from_chars(text + 2 * i, text + 2 * i + 2, field[i]).ptr != text + 2 * i + 2 || field[i] < 0)
            return -1;
    }
    double seconds = 0;
    if (std::from_chars(text + 10, text + 16, seconds).ptr != text + 16 || seconds < 0 || seconds >= 61 ||
        field[3] > 23 || field[4] > 59)
        return -1;
    return UtcSeconds(field[0], field[1], field[2], field[3] * 3600.0 + field[4] * 60.0 + seconds);
}

// GPS9's own date and time: days since 2000 and seconds of the day.
double Gps9Seconds(const double* v)
{
    if (!std::isfinite(v[5]) || !std::isfinite(v[6]) || v[5] < 0 || v[5] > 100000 || v[6] < 0 || v[6] >= 86401)
        return -1;
    return kUtcYear2000 + std::floor(v[5]) * 86400.0 + v[6];
}

struct PayloadReader {
    double time, duration;
    TimedSamples& out;
    std::vector<GpsSample> drone{};  // GLPI: the Karma drone's own fixes

    double SampleTime(std::size_t k, std::size_t n) const { return time + duration * static_cast<double>(k) / static_cast<double>(n); }

    void Gps(const Item& item, const StreamState& s, bool nine)
    {
        ForEachScaledRow(item, ElementTypes(item, s.complexType), s.scale,
                         [&](const double* v, std::size_t n, std::size_t k, std::size_t rows) {
            if (n < (nine ? 9u : 5u) || out.gps.size() >= kMaxTimedSamples)
                return false;
            GpsSample g;
            g.time = SampleTime(k, rows);
            g.fix = s.fix != 0 && (!nine || v[8] > 0) && std::isfinite(v[0]) && std::isfinite(v[1]) &&
                    std::fabs(v[0]) <= 90 && std::fabs(v[1]) <= 180 && !(v[0] == 0 && v[1] == 0);
            g.latitude = v[0];
            g.longitude = v[1];
            g.kmh = std::isfinite(v[3]) ? v[3] * 3.6 : 0;
            // GPS9 dates every fix; GPSU dates a GPS5 payload's first one.
            g.utc = nine ? Gps9Seconds(v) : s.gpsu >= 0 ? s.gpsu + (g.time - time) : -1;
            out.gps.push_back(g);
            return true;
        });
    }

    // GLPI rows: time (the drone's clock), latitude, longitude, altitude,
    // relative altitude, velocity x, y, z, heading. The speed over ground is
    // the horizontal velocity's length, whichever way its axes point; the
    // heading is where the drone looks, not where it goes, so the course is
    // left to the movement.
    void DroneFix(const Item& item, const StreamState& s)
    {
        ForEachScaledRow(item, ElementTypes(item, s.complexType), s.scale,
                         [&](const double* v, std::size_t n, std::size_t k, std::size_t rows) {
            if (n < 9 || drone.size() >= kMaxTimedSamples)
                return false;
            GpsSample g;
            g.time = SampleTime(k, rows);
            g.fix = std::isfinite(v[1]) && std::isfinite(v[2]) && std::fabs(v[1]) <= 90 && std::fabs(v[2]) <= 180 &&
                    !(v[1] == 0 && v[2] == 0);
            g.latitude = v[1];
            g.longitude = v[2];
            const double kmh = std::hypot(v[5], v[6]) * 3.6;
            g.kmh = std::isfinite(kmh) && kmh < 2000 ? kmh : 0;
            drone.push_back(g);
            return true;
        });
    }

    void Accelerometer(const Item& item, const StreamState& s)
    {
        ForEachScaledRow(item, ElementTypes(item, s.complexType), s.scale,
                         [&](const double* v, std::size_t n, std::size_t k, std::size_t rows) {
            if (n < 3 || out.g.size() >= kMaxTimedSamples)
                return false;
            const AxisOrder order = AxisOrderOf(s.orin);
            auto g = [&](std::size_t axis) {
                const double value = v[order.channel[axis]] * order.sign[axis];
                return std::isfinite(value) ? static_cast<float>(value / kStandardGravity) : 0.0f;
            };
            out.g.push_back({SampleTime(k, rows), g(0), g(1), g(2)});
            return true;
        });
    }

    // The items of one container; nested ones start their own stream state.
    void Walk(const unsigned char* base, std::size_t size, int depth)
    {
        StreamState state;
        Item item;
        for (std::size_t at = 0, next = 0; depth <= kMaxDepth && ReadItem(base, size, at, item, next); at = next) {
            if (item.type == 0)
                Walk(item.data, item.Size(), depth + 1);
            else if (item.Is("SCAL"))
                state.scale = Flatten(item);
            else if (item.Is("TYPE") && item.type == 'c')
                state.complexType.assign(reinterpret_cast<const char*>(item.data), strnlen(reinterpret_cast<const char*>(item.data), item.Size()));
            else if (item.Is("GPSF") && item.Size() >= TypeSize(item.type) && TypeSize(item.type))
                state.fix = static_cast<int>(ReadNumber(item.data, item.type));
            else if (item.Is("GPSU"))
                state.gpsu = GpsuSeconds(item);
            else if (item.Is("ORIN") && item.type == 'c')
                state.orin.assign(reinterpret_cast<const char*>(item.data), strnlen(reinterpret_cast<const char*>(item.data), item.Size()));
            else if (item.Is("GPS5") || item.Is("GPS9"))
                Gps(item, state, item.Is("GPS9"));
            else if (item.Is("ACCL"))
                Accelerometer(item, state);
            else if (item.Is("GLPI"))
                DroneFix(item, state);
        }
    }

    static std::vector<double> Flatten(const Item& item)
    {
        std::vector<double> values;
        const std::size_t each = TypeSize(item.type);
        for (std::size_t i = 0; each && i + each <= item.Size(); i += each)
            values.push_back(ReadNumber(item.data + i, item.type));
        return values;
    }
};

// A payload holds a second of the drone's rows, all within a few dozen
// metres of each other: a row farther than this from their median position
// is damage, not flight.
constexpr double kDroneRowSpread = 200;

void DropStrayDroneRows(std::vector<GpsSample>& rows)
{
    std::vector<double> latitudes, longitudes;
    for (const GpsSample& g : rows) {
        if (g.fix) {
            latitudes.push_back(g.latitude);
            longitudes.push_back(g.longitude);
        }
    }
    if (latitudes.size() < 3)
        return;
    auto median = [](std::vector<double>& v) {
        std::nth_element(v.begin(), v.begin() + static_cast<long>(v.size() / 2), v.end());
        return v[v.size() / 2];
    };
    const double latitude = median(latitudes), longitude = median(longitudes);
    std::erase_if(rows, [&](const GpsSample& g) {
        return g.fix && DistanceMetres(latitude, longitude, g.latitude, g.longitude) > kDroneRowSpread;
    });
}

}  // namespace

bool ReadGpmfPayload(const unsigned char* data, std::size_t size, double time, double duration, TimedSamples& out)
{
    Item first;
    std::size_t next = 0;
    // A GPMF payload is a list of device containers.
    if (!ReadItem(data, size, 0, first, next) || !first.Is("DEVC") || first.type != 0)
        return false;
    const std::size_t firstGps = out.gps.size();
    PayloadReader reader{time, duration, out};
    reader.Walk(data, size, 0);
    // The camera's receiver has no fix in this payload: the drone's fixes
    // stand in for its samples.
    const bool cameraFix = std::any_of(out.gps.begin() + static_cast<long>(firstGps), out.gps.end(),
                                       [](const GpsSample& g) { return g.fix; });
    DropStrayDroneRows(reader.drone);
    const bool droneFix = std::any_of(reader.drone.begin(), reader.drone.end(), [](const GpsSample& g) { return g.fix; });
    if (!cameraFix && droneFix) {
        out.gps.resize(firstGps);
        for (const GpsSample& g : reader.drone) {
            if (out.gps.size() < kMaxTimedSamples)
                out.gps.push_back(g);
        }
    }
    return true;
}

bool ReadGpmfTrack(BinaryFile& file, const MovieIndex& index, TimedSamples& out)
{
    const MediaTrack* track = index.TrackWith(nullptr, {"gpmd"});
    if (!track)
        return false;
    const std::size_t firstGps = out.gps.size(), firstG = out.g.size();
    std::vector<unsigned char> payload;
    const auto samples = ReadTrackSamples(file, *track);
    for (std::size_t i = 0; i < samples.size(); ++i) {
        const MediaSample& sample = samples[i];
        if (sample.size > kMaxPayload)
            continue;
        payload.resize(sample.size);
        if (file.Seek(sample.offset) && file.ReadExact(payload.data(), payload.size()))
            ReadGpmfPayload(payload.data(), payload.size(), sample.time, sample.duration, out);
        if (i == 0) {
            // Payloads hold alike counts: room for all of them at once.
            out.gps.reserve(firstGps + std::min(kMaxTimedSamples, (out.gps.size() - firstGps) * samples.size()));
            out.g.reserve(firstG + std::min(kMaxTimedSamples, (out.g.size() - firstG) * samples.size()));
        }
    }
    AddCoursesFromMovement(out.gps.begin() + static_cast<long>(firstGps), out.gps.end());
    return true;
}

void AddCoursesFromMovement(std::vector<GpsSample>::iterator begin, std::vector<GpsSample>::iterator end)
{
    auto earlier = [](const GpsSample& a, const GpsSample& b) { return a.time < b.time; };
    if (!std::is_sorted(begin, end, earlier))
        std::stable_sort(begin, end, earlier);
    double fromLatitude = 0, fromLongitude = 0, course = 0;
    bool haveFrom = false;
    for (auto s = begin; s != end; ++s) {
        if (!s->fix)
            continue;
        if (!haveFrom) {
            haveFrom = true;
            fromLatitude = s->latitude;
            fromLongitude = s->longitude;
        } else if (DistanceMetres(fromLatitude, fromLongitude, s->latitude, s->longitude) >= 2.0) {
            course = BearingDegrees(fromLatitude, fromLongitude, s->latitude, s->longitude);
            fromLatitude = s->latitude;
            fromLongitude = s->longitude;
        }
        s->course = course;
    }
}

double BearingDegrees(double lat1, double lon1, double lat2, double lon2)
{
    const double p1 = lat1 * kPi / 180, p2 = lat2 * kPi / 180, dl = (lon2 - lon1) * kPi / 180;
    const double y = std::sin(dl) * std::cos(p2);
    const double x = std::cos(p1) * std::sin(p2) - std::sin(p1) * std::cos(p2) * std::cos(dl);
    const double degrees = std::atan2(y, x) * 180 / kPi;
    return degrees < 0 ? degrees + 360 : degrees;
}

double DistanceMetres(double lat1, double lon1, double lat2, double lon2)
{
    // Flat-earth distance: exact enough over the few metres it is asked about.
    constexpr double kMetresPerDegree = 6371000.0 * kPi / 180;
    const double dy = (lat2 - lat1) * kMetresPerDegree;
    const double dx = (lon2 - lon1) * kMetresPerDegree * std::cos((lat1 + lat2) / 2 * kPi / 180);
    return std::sqrt(dx * dx + dy * dy);
}
