#include "mkrec_camera.h"

#include <cmath>
#include <cstdio>
#include <cstring>

namespace {

constexpr std::size_t kFreeGpsBlockSize = 256;
constexpr double kStandardGravity = 9.80665;
constexpr int kGpmfRate = 10;  // samples a second

void PutFloatLE(Bytes& b, float value)
{
    std::uint32_t bits;
    std::memcpy(&bits, &value, 4);
    PutLE32(b, bits);
}

// DDMM.mmmm as a number, the way the freeGPS records hold coordinates.
float Ddmm(double degrees)
{
    const double a = std::fabs(degrees);
    const double whole = std::floor(a);
    return static_cast<float>(whole * 100 + (a - whole) * 60);
}

void PutClock(Bytes& b, std::time_t when)
{
    std::tm t {};
    gmtime_r(&when, &t);
    for (int v : {t.tm_hour, t.tm_min, t.tm_sec, t.tm_year + 1900 - 2000, t.tm_mon + 1, t.tm_mday})
        PutLE32(b, static_cast<std::uint32_t>(v));
}

void PutStatus(Bytes& b, const RoutePoint& p)
{
    b.push_back(p.fix ? 'A' : 'V');
    b.push_back(p.fix ? (p.latitude < 0 ? 'S' : 'N') : 0);
    b.push_back(p.fix ? (p.longitude < 0 ? 'W' : 'E') : 0);
    b.push_back(0);
}

void PutFix(Bytes& b, const RoutePoint& p)
{
    PutFloatLE(b, p.fix ? Ddmm(p.latitude) : 0.0f);
    PutFloatLE(b, p.fix ? Ddmm(p.longitude) : 0.0f);
    PutFloatLE(b, p.fix ? static_cast<float>(p.knots) : 0.0f);
    PutFloatLE(b, p.fix ? static_cast<float>(p.course) : 0.0f);
}

// The text layout: the camera's clock as 14 digits (or zeros), the
// accelerometer in counts of 1/256 g, then the sentences.
Bytes FreeGpsTextBlock(const RoutePoint& p, std::time_t when, bool dated)
{
    Bytes b;
    PutBE32(b, kFreeGpsBlockSize);
    PutText(b, "freeGPS ");
    PutLE32(b, 0x140);
    PutZeros(b, 0x34 - b.size());
    std::tm t {};
    gmtime_r(&when, &t);
    char digits[32];
    std::snprintf(digits, sizeof digits, "%04d%02d%02d%02d%02d%02d", t.tm_year + 1900, t.tm_mon + 1, t.tm_mday, t.tm_hour,
                  t.tm_min, t.tm_sec);
    if (dated)
        PutText(b, digits);
    PutZeros(b, 0x44 - b.size());
    for (double g : {p.gx, p.gy, p.gz})
        PutLE32(b, static_cast<std::uint32_t>(static_cast<std::int32_t>(std::lround(g * 256))));
    PutZeros(b, 0x50 - b.size());
    PutText(b, RmcSentence(p, when) + "\r\n" + GgaSentence(p, when) + "\r\n");
    b.resize(kFreeGpsBlockSize, 0);
    return b;
}

Bytes FreeGpsBlock(const RoutePoint& p, std::time_t when, FreeGpsLayout layout)
{
    if (layout == FreeGpsLayout::Text || layout == FreeGpsLayout::TextUndated)
        return FreeGpsTextBlock(p, when, layout == FreeGpsLayout::Text);
    Bytes b;
    PutBE32(b, kFreeGpsBlockSize);
    PutText(b, "freeGPS ");
    PutLE32(b, layout == FreeGpsLayout::Plain ? 0x4c : 0x3f0);
    if (layout == FreeGpsLayout::Plain) {
        PutZeros(b, 0x30 - b.size());
        PutClock(b, when);
        PutStatus(b, p);
        PutFix(b, p);
    } else {
        PutClock(b, when);
        PutZeros(b, 0x28 - b.size());
        PutStatus(b, p);
        PutFix(b, p);
        for (double g : {p.gx, p.gy, p.gz})
            PutLE32(b, static_cast<std::uint32_t>(static_cast<std::int32_t>(std::lround(g * 256))));
    }
    b.resize(kFreeGpsBlockSize, 0);
    return b;
}

}  // namespace

Bytes Klv(const char* key, char type, std::size_t structSize, std::size_t repeat, const Bytes& data)
{
    Bytes b;
    PutText(b, key);
    b.push_back(static_cast<std::uint8_t>(type));
    b.push_back(static_cast<std::uint8_t>(structSize));
    PutBE16(b, static_cast<std::uint32_t>(repeat));
    PutBytes(b, data);
    PutZeros(b, (4 - data.size() % 4) % 4);
    return b;
}

namespace {

Bytes KlvText(const char* key, const std::string& text)
{
    return Klv(key, 'c', text.size(), 1, Bytes(text.begin(), text.end()));
}

Bytes KlvLongs(const char* key, char type, const std::vector<std::int64_t>& values)
{
    Bytes data;
    for (std::int64_t v : values)
        PutBE32(data, static_cast<std::uint32_t>(v));
    return Klv(key, type, 4, values.size(), data);
}

Bytes Nest(const char* key, const std::vector<Bytes>& children)
{
    Bytes data;
    for (const Bytes& c : children)
        PutBytes(data, c);
    return Klv(key, 0, 1, data.size(), data);  // nested: the repeat is the length
}

double Lerp(double a, double b, double f)
{
    return a + (b - a) * f;
}

std::string GpsuText(std::time_t when)
{
    std::tm t {};
    gmtime_r(&when, &t);
    char text[32];
    std::snprintf(text, sizeof text, "%02d%02d%02d%02d%02d%02d.000", t.tm_year % 100, t.tm_mon + 1, t.tm_mday, t.tm_hour,
                  t.tm_min, t.tm_sec);
    return text;
}

Bytes GpsStream(const RecordingSpec& spec, std::size_t s, bool gps9, bool noFix = false)
{
    RoutePoint p = spec.route[s];
    if (noFix)
        p = RoutePoint{false, 0, 0, 0, 0, p.gx, p.gy, p.gz};
    const RoutePoint& next = noFix ? p : s + 1 < spec.route.size() ? spec.route[s + 1] : p;
    const std::time_t when = spec.start + static_cast<std::time_t>(s);
    const double metresPerSecond = p.knots * 1.852 / 3.6;
    Bytes rows;
    for (int k = 0; k < kGpmfRate; ++k) {
        const double f = next.fix ? static_cast<double>(k) / kGpmfRate : 0.0;
        const std::vector<std::int64_t> values = {std::llround(Lerp(p.latitude, next.latitude, f) * 1e7),
                                                  std::llround(Lerp(p.longitude, next.longitude, f) * 1e7), 520000,
                                                  std::llround(metresPerSecond * 1000), std::llround(metresPerSecond * 100)};
        for (std::int64_t v : values)
            PutBE32(rows, static_cast<std::uint32_t>(v));
        if (gps9) {
            PutBE32(rows, static_cast<std::uint32_t>((when - 946684800) / 86400));  // days since 2000
            PutBE32(rows, static_cast<std::uint32_t>((when % 86400) * 1000 + k * 100));
            PutBE16(rows, 90);
            PutBE16(rows, p.fix ? 3 : 0);
        }
    }
    std::vector<Bytes> items = {KlvText("STNM", "GPS (Lat., Long., Alt., 2D speed, 3D speed)")};
    if (gps9) {
        items.push_back(KlvText("TYPE", "lllllllSS"));
        items.push_back(KlvLongs("SCAL", 'l', {10000000, 10000000, 1000, 1000, 100, 1, 1000, 100, 1}));
        items.push_back(Klv("GPS9", '?', 32, kGpmfRate, rows));
    } else {
        items.push_back(KlvLongs("SCAL", 'l', {10000000, 10000000, 1000, 1000, 100}));
        items.push_back(KlvLongs("GPSF", 'L', {p.fix ? 3 : 0}));
        const std::string gpsu = GpsuText(when);
        items.push_back(Klv("GPSU", 'U', 16, 1, Bytes(gpsu.begin(), gpsu.end())));
        items.push_back(Klv("GPS5", 'l', 20, kGpmfRate, rows));
    }
    return Nest("STRM", items);
}

// As today's cameras write it: channels in the order ORIN names, here Z, X
// and Y reversed.
Bytes AccelStream(const RoutePoint& p)
{
    Bytes rows;
    for (int k = 0; k < kGpmfRate; ++k) {
        for (double g : {p.gz, p.gx, -p.gy})
            PutBE16(rows, static_cast<std::uint32_t>(static_cast<std::int16_t>(std::lround(g * kStandardGravity * 100))));
    }
    Bytes scale;
    PutBE16(scale, 100);
    return Nest("STRM", {KlvText("STNM", "Accelerometer"), KlvText("ORIN", "ZXy"), Klv("SCAL", 's', 2, 1, scale),
                         Klv("ACCL", 's', 6, kGpmfRate, rows)});
}

// The Karma drone's own position: GLPI rows of time (ms of its clock),
// latitude, longitude, altitude, relative altitude, the velocity's three
// components and the heading, at 10 Hz moving to the next second's position;
// none where the drone has no fix either.
Bytes DroneStream(const RecordingSpec& spec, std::size_t s)
{
    const RoutePoint& p = spec.route[s];
    const RoutePoint& next = s + 1 < spec.route.size() && spec.route[s + 1].fix ? spec.route[s + 1] : p;
    if (!p.fix)
        return {};
    const double metresPerSecond = p.knots * 1.852 / 3.6;
    const double radians = p.course * 3.14159265358979323846 / 180;
    Bytes rows;
    for (int k = 0; k < kGpmfRate; ++k) {
        const double f = static_cast<double>(k) / kGpmfRate;
        PutBE32(rows, static_cast<std::uint32_t>(s * 1000 + static_cast<std::size_t>(k) * 100));
        PutBE32(rows, static_cast<std::uint32_t>(std::llround(Lerp(p.latitude, next.latitude, f) * 1e7)));
        PutBE32(rows, static_cast<std::uint32_t>(std::llround(Lerp(p.longitude, next.longitude, f) * 1e7)));
        PutBE32(rows, 52000);
        PutBE32(rows, 2000);
        PutBE16(rows, static_cast<std::uint32_t>(static_cast<std::int16_t>(std::lround(metresPerSecond * std::cos(radians) * 100))));
        PutBE16(rows, static_cast<std::uint32_t>(static_cast<std::int16_t>(std::lround(metresPerSecond * std::sin(radians) * 100))));
        PutBE16(rows, 0);
        PutBE16(rows, static_cast<std::uint32_t>(std::lround(p.course * 100)));
    }
    return Nest("STRM", {KlvText("STNM", "GPS position"), KlvText("TYPE", "LllllsssS"),
                         KlvLongs("SCAL", 'l', {1000, 10000000, 10000000, 1000, 1000, 100, 100, 100, 100}),
                         Klv("GLPI", '?', 28, kGpmfRate, rows)});
}

std::uint64_t StartMillis(const RecordingSpec& spec)
{
    return static_cast<std::uint64_t>(spec.start) * 1000;
}

}  // namespace

std::vector<Bytes> FreeGpsBlocks(const RecordingSpec& spec, FreeGpsLayout layout)
{
    std::vector<Bytes> blocks;
    for (std::size_t s = 0; s < spec.route.size(); ++s)
        blocks.push_back(FreeGpsBlock(spec.route[s], spec.start + static_cast<std::time_t>(s), layout));
    return blocks;
}

Bytes FreeGpsIndex(const std::vector<std::uint32_t>& offsets, const std::vector<std::uint32_t>& sizes)
{
    Bytes b;
    PutBE32(b, 0x00000101);
    PutBE32(b, static_cast<std::uint32_t>(offsets.size()));
    for (std::size_t i = 0; i < offsets.size(); ++i) {
        PutBE32(b, offsets[i]);
        PutBE32(b, sizes[i]);
    }
    return Atom("gps ", b);
}

std::vector<Bytes> GpmfPayloads(const RecordingSpec& spec, bool gps9)
{
    std::vector<Bytes> payloads;
    for (std::size_t s = 0; s < spec.route.size(); ++s) {
        payloads.push_back(Nest("DEVC", {KlvLongs("DVID", 'L', {1}), KlvText("DVNM", "DualDash test camera"),
                                         GpsStream(spec, s, gps9), AccelStream(spec.route[s])}));
    }
    return payloads;
}

std::vector<Bytes> KarmaPayloads(const RecordingSpec& spec)
{
    std::vector<Bytes> payloads;
    for (std::size_t s = 0; s < spec.route.size(); ++s) {
        Bytes payload = Nest("DEVC", {KlvLongs("DVID", 'L', {1}), KlvText("DVNM", "DualDash test camera"),
                                      GpsStream(spec, s, false, true), AccelStream(spec.route[s])});
        const Bytes drone = DroneStream(spec, s);
        if (!drone.empty())
            PutBytes(payload, Nest("DEVC", {KlvLongs("DVID", 'L', {2}), KlvText("DVNM", "Karma"), drone}));
        payloads.push_back(payload);
    }
    return payloads;
}

std::string BlackVueGpsLines(const RecordingSpec& spec)
{
    std::string text;
    for (std::size_t s = 0; s < spec.route.size(); ++s) {
        const std::time_t when = spec.start + static_cast<std::time_t>(s);
        const std::string stamp = "[" + std::to_string(StartMillis(spec) + s * 1000) + "]";
        text += stamp + RmcSentence(spec.route[s], when) + "\n";
        text += stamp + GgaSentence(spec.route[s], when) + "\n";
    }
    return text;
}

Bytes BlackVueThreeGf(const RecordingSpec& spec)
{
    Bytes b;
    for (std::size_t s = 0; s < spec.route.size(); ++s) {
        const RoutePoint& p = spec.route[s];
        for (int k = 0; k < 10; ++k) {
            PutBE32(b, static_cast<std::uint32_t>(s * 1000 + k * 100));
            for (double g : {p.gz, p.gx, p.gy})  // vertical, left-right, forward-back
                PutBE16(b, static_cast<std::uint32_t>(static_cast<std::int16_t>(std::lround(g * 128))));
        }
    }
    return b;
}

Bytes BlackVueFreeBox(const RecordingSpec& spec)
{
    Bytes sttm;
    PutBE32(sttm, static_cast<std::uint32_t>(StartMillis(spec) >> 32));
    PutBE32(sttm, static_cast<std::uint32_t>(StartMillis(spec)));
    const std::string lines = BlackVueGpsLines(spec);
    Bytes children = Atom("ptnm", Bytes{0, 0, 0, 0, 'D', 'D', 0});
    PutBytes(children, Atom("sttm", sttm));
    PutBytes(children, Atom("gps ", Bytes(lines.begin(), lines.end())));
    PutBytes(children, Atom("3gf ", BlackVueThreeGf(spec)));
    return Atom("free", children);
}

std::vector<Bytes> NmeaCues(const RecordingSpec& spec, bool dollar)
{
    std::vector<Bytes> cues;
    for (std::size_t s = 0; s < spec.route.size(); ++s) {
        const RoutePoint& p = spec.route[s];
        char accel[64];
        std::snprintf(accel, sizeof accel, "A:%.3f,%.3f,%.3f;", p.gx, p.gy, p.gz);
        std::string sentence = RmcSentence(p, spec.start + static_cast<std::time_t>(s));
        if (!dollar)
            sentence.erase(0, 1);
        const std::string text = accel + sentence;
        Bytes cue;
        PutBE16(cue, static_cast<std::uint32_t>(text.size()));
        PutText(cue, text);
        cues.push_back(cue);
    }
    return cues;
}

std::string NmeaLines(const RecordingSpec& spec)
{
    std::string text;
    for (std::size_t s = 0; s < spec.route.size(); ++s) {
        const std::time_t when = spec.start + static_cast<std::time_t>(s);
        text += RmcSentence(spec.route[s], when) + "\r\n" + GgaSentence(spec.route[s], when) + "\r\n";
    }
    return text;
}

namespace {

// ddmm.mmmmm (latitude, `degreeDigits` 2) or dddmm.mmmmm (longitude, 3).
std::string DdmmText(double degrees, int degreeDigits)
{
    const double a = std::fabs(degrees);
    const double whole = std::floor(a);
    char text[32];
    std::snprintf(text, sizeof text, "%0*.0f%08.5f", degreeDigits, whole, (a - whole) * 60);
    return text;
}

// Knots to the thousandth, rounded up: read back and truncated to whole
// km/h, a speed of exactly N km/h stays N.
double KnotsRoundedUp(double knots)
{
    return std::ceil(knots * 1000) / 1000;
}

}  // namespace

std::string DailyLogLines(const RecordingSpec& spec)
{
    std::string text;
    for (std::size_t s = 0; s < spec.route.size(); ++s) {
        const RoutePoint& p = spec.route[s];
        const std::time_t when = spec.start + static_cast<std::time_t>(s);
        std::tm t {};
        gmtime_r(&when, &t);
        char line[128];
        std::snprintf(line, sizeof line, "%04d%02d%02d%02d%02d%02d,%s,%c,%s,%c,%.3f,%.1f\r\n",
                      spec.logYear ? spec.logYear : t.tm_year + 1900, t.tm_mon + 1, t.tm_mday, t.tm_hour, t.tm_min, t.tm_sec,
                      p.fix ? DdmmText(p.latitude, 2).c_str() : "0000.00000", p.latitude < 0 ? 'S' : 'N',
                      p.fix ? DdmmText(p.longitude, 3).c_str() : "00000.00000", p.longitude < 0 ? 'W' : 'E',
                      p.fix ? KnotsRoundedUp(p.knots) : 0.0, p.fix ? 52.0 : 0.0);
        text += line;
    }
    return text;
}

namespace {

std::string SrtTime(double seconds)
{
    const long ms = std::lround(seconds * 1000);
    char text[32];
    std::snprintf(text, sizeof text, "%02ld:%02ld:%02ld,%03ld", ms / 3600000, ms / 60000 % 60, ms / 1000 % 60, ms % 1000);
    return text;
}

// The cue's text for `p` at `when` (UTC) in `dialect`, frame `frame` of the recording.
std::string DjiCueText(const RoutePoint& p, std::time_t when, const std::string& dialect, std::size_t frame)
{
    const double latitude = p.fix ? p.latitude : 0, longitude = p.fix ? p.longitude : 0;
    std::tm t {};
    gmtime_r(&when, &t);
    char text[512];
    if (dialect == "bracket") {
        std::snprintf(text, sizeof text,
                      "<font size=\"28\">FrameCnt: %zu, DiffTime: 33ms\n%04d-%02d-%02d %02d:%02d:%02d.%03zu\n"
                      "[iso: 100] [shutter: 1/500.0] [fnum: 2.8] [ev: 0] [ct: 5500] [color_md: default] [focal_len: 24.00] "
                      "[latitude: %.6f] [longitude: %.6f] [rel_alt: 1.300 abs_alt: 520.400] </font>",
                      frame + 1, t.tm_year + 1900, t.tm_mon + 1, t.tm_mday, t.tm_hour, t.tm_min, t.tm_sec, frame % 30 * 33,
                      latitude, longitude);
    } else if (dialect == "longtitude") {
        std::snprintf(text, sizeof text,
                      "<font size=\"36\">SrtCnt : %zu, DiffTime : 33ms\n%04d-%02d-%02d %02d:%02d:%02d,%03zu,000\n"
                      "[iso : 100] [shutter : 1/640.0] [fnum : 280] [ev : 0] [ct : 5500] [color_md : default] [focal_len : 280] "
                      "[latitude : %.6f] [longtitude : %.6f] [altitude: 520.400000] </font>",
                      frame + 1, t.tm_year + 1900, t.tm_mon + 1, t.tm_mday, t.tm_hour, t.tm_min, t.tm_sec, frame % 30 * 33,
                      latitude, longitude);
    } else if (dialect == "gps") {
        std::snprintf(text, sizeof text,
                      "HOME(%.6f,%.6f) %04d.%02d.%02d %02d:%02d:%02d\nGPS(%.6f,%.6f,16) BAROMETER:1.9\nISO:100 Shutter:60 EV: Fnum:2.2",
                      longitude + 0.01, latitude + 0.01, t.tm_year + 1900, t.tm_mon + 1, t.tm_mday, t.tm_hour, t.tm_min,
                      t.tm_sec, longitude, latitude);
    } else {
        // H.S to the hundredth of a m/s, rounded up: read back and truncated
        // to whole km/h, a speed of exactly N km/h stays N.
        std::snprintf(text, sizeof text,
                      "F/5.6, SS 400, ISO 100, EV 0, GPS (%.6f, %.6f, 15), HOME (%.6f, %.6f, -57.98m), D 698.70m, "
                      "H 85.80m, H.S %.2fm/s, V.S 0.00m/s, F.PRY (2.7\u00b0, -7.0\u00b0, 110.1\u00b0)",
                      longitude, latitude, longitude + 0.01, latitude + 0.01, p.fix ? std::ceil(p.knots * 1.852 / 3.6 * 100) / 100 : 0.0);
    }
    return text;
}

}  // namespace

std::string DjiSrtText(const RecordingSpec& spec, const std::string& dialect)
{
    if (dialect != "bracket" && dialect != "longtitude" && dialect != "gps" && dialect != "gps-speed")
        return {};
    const bool perFrame = dialect == "bracket" || dialect == "longtitude";
    const std::size_t cuesPerSecond = perFrame ? 30 : 1;
    std::string text;
    for (std::size_t s = 0; s < spec.route.size(); ++s) {
        for (std::size_t k = 0; k < cuesPerSecond; ++k) {
            const std::size_t cue = s * cuesPerSecond + k;
            const double from = s + static_cast<double>(k) / cuesPerSecond;
            text += std::to_string(cue + 1) + "\r\n" + SrtTime(from) + " --> " + SrtTime(from + 1.0 / cuesPerSecond) + "\r\n";
            std::string body = DjiCueText(spec.route[s], spec.start + static_cast<std::time_t>(s), dialect, cue);
            for (std::size_t at = 0; (at = body.find('\n', at)) != std::string::npos; at += 2)
                body.replace(at, 1, "\r\n");
            text += body + "\r\n\r\n";
        }
    }
    return text;
}

std::vector<Bytes> DjiCues(const RecordingSpec& spec)
{
    std::vector<Bytes> cues;
    for (std::size_t s = 0; s < spec.route.size(); ++s) {
        const std::string text = DjiCueText(spec.route[s], spec.start + static_cast<std::time_t>(s), "gps-speed", s);
        Bytes cue;
        PutBE16(cue, static_cast<std::uint32_t>(text.size()));
        PutText(cue, text);
        cues.push_back(cue);
    }
    return cues;
}
