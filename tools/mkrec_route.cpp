#include "mkrec_route.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <sstream>

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kMetresPerDegree = 111320.0;

struct Leg {
    int seconds;
    double targetKmh;
    double turnDegrees;  // turned over the leg's first seconds
};

// Degrees and minutes rounded to 4 decimals, with the minutes carried.
void SplitDegrees(double value, int& degrees, long& minutesE4)
{
    value = std::fabs(value);
    degrees = static_cast<int>(value);
    minutesE4 = std::lround((value - degrees) * 60.0 * 10000.0);
    if (minutesE4 >= 600000) {
        minutesE4 -= 600000;
        ++degrees;
    }
}

std::string NmeaCoordinate(double value, int degreeDigits)
{
    int degrees = 0;
    long minutesE4 = 0;
    SplitDegrees(value, degrees, minutesE4);
    char text[48];
    std::snprintf(text, sizeof text, "%0*d%02ld.%04ld", degreeDigits, degrees, minutesE4 / 10000, minutesE4 % 10000);
    return text;
}

std::string WithChecksum(const std::string& body)
{
    unsigned sum = 0;
    for (char c : body.substr(1))
        sum ^= static_cast<unsigned char>(c);
    char tail[8];
    std::snprintf(tail, sizeof tail, "*%02X", sum);
    return body + tail;
}

std::string TimeOfDay(std::time_t when, bool withDate, std::string* date)
{
    std::tm t {};
    gmtime_r(&when, &t);
    char text[48];
    std::snprintf(text, sizeof text, "%02d%02d%02d.00", t.tm_hour, t.tm_min, t.tm_sec);
    if (withDate && date) {
        char d[32];
        std::snprintf(d, sizeof d, "%02d%02d%02d", t.tm_mday, t.tm_mon + 1, t.tm_year % 100);
        *date = d;
    }
    return text;
}

}  // namespace

namespace {

bool Within(const std::vector<std::pair<int, int>>& stretches, int second)
{
    return std::any_of(stretches.begin(), stretches.end(), [&](const auto& s) { return second >= s.first && second <= s.second; });
}

bool Listed(const std::vector<int>& seconds, int second)
{
    return std::find(seconds.begin(), seconds.end(), second) != seconds.end();
}

// Where a hard stop or start takes the speed, driving the legs otherwise.
struct Manoeuvre {
    int stoppedFor = -1;  // seconds at a standstill after a hard stop; -1: not stopping
    int startingFor = 0;  // seconds of a hard start left

    double Next(const Incidents& incidents, int second, double kmh, double legKmh)
    {
        if (Listed(incidents.hardStops, second))
            stoppedFor = 0;
        if (Listed(incidents.hardStarts, second))
            startingFor = 4;
        if (stoppedFor >= 0) {
            if (kmh > 0)
                return std::max(0.0, kmh - 16.0);
            if (++stoppedFor <= 5)
                return 0.0;
            stoppedFor = -1;
        }
        if (startingFor > 0) {
            --startingFor;
            return kmh + 12.0;
        }
        return kmh + std::clamp(legKmh - kmh, -9.0, 6.0);  // brake harder than it speeds up
    }
};

}  // namespace

Route MakeDemoRoute(int seconds, const Incidents& incidents)
{
    const Leg legs[] = {{35, 48, 0},  {25, 30, 90},  {8, 0, 0},    {40, 55, 0},  {20, 35, -90},
                        {30, 50, 0},  {10, 0, 0},    {45, 60, 45}, {25, 40, 90}, {35, 50, 0},
                        {15, 25, -90}, {40, 45, 0}};
    Route route;
    double lat = 48.137154, lon = 11.576124, heading = 20.0, kmh = 0.0;
    std::size_t leg = 0;
    int inLeg = 0;
    Manoeuvre manoeuvre;
    for (int s = 0; s < seconds; ++s) {
        const Leg& l = legs[leg % (sizeof legs / sizeof legs[0])];
        const double oldKmh = kmh, oldHeading = heading;
        kmh = manoeuvre.Next(incidents, s, kmh, l.targetKmh);
        // A turn spread over ten seconds, as a town driver takes a corner:
        // no more than 0.2 g sideways.
        if (inLeg < 10 && kmh > 3)
            heading = std::fmod(heading + l.turnDegrees / 10.0 + 360.0, 360.0);
        const double metres = kmh / 3.6;
        lat += metres * std::cos(heading * kPi / 180) / kMetresPerDegree;
        lon += metres * std::sin(heading * kPi / 180) / (kMetresPerDegree * std::cos(lat * kPi / 180));
        RoutePoint p;
        p.fix = s >= 3 && !Within(incidents.tunnels, s);  // the receiver needs a moment after power-up
        p.latitude = lat;
        p.longitude = lon;
        p.knots = kmh / 1.852;
        p.course = std::round(heading * 100) / 100;
        p.gy = (kmh - oldKmh) / 3.6 / 9.81;
        p.gx = metres * ((heading - oldHeading) * kPi / 180) / 9.81 + (Listed(incidents.impacts, s) ? 1.0 : 0.0);
        p.gz = Within(incidents.bumpy, s) ? 1.0 + (s % 2 ? 0.3 : -0.3) : 1.0 + 0.02 * std::sin(s * 1.7);
        route.push_back(p);
        if (++inLeg >= l.seconds) {
            inLeg = 0;
            ++leg;
        }
    }
    return route;
}

bool ParseIncidents(const std::string& text, Incidents& incidents)
{
    std::istringstream parts(text);
    for (std::string part; std::getline(parts, part, ',');) {
        const std::size_t at = part.find('@');
        if (at == std::string::npos)
            return false;
        const std::string kind = part.substr(0, at);
        int from = 0, to = 0;
        char dash = 0;
        std::istringstream when(part.substr(at + 1));
        if (!(when >> from) || from < 0)
            return false;
        const bool stretch = static_cast<bool>(when >> dash >> to) && dash == '-' && to >= from;
        if (kind == "impact" && !stretch)
            incidents.impacts.push_back(from);
        else if (kind == "stop" && !stretch)
            incidents.hardStops.push_back(from);
        else if (kind == "start" && !stretch)
            incidents.hardStarts.push_back(from);
        else if (kind == "bumpy" && stretch)
            incidents.bumpy.emplace_back(from, to);
        else if (kind == "tunnel" && stretch)
            incidents.tunnels.emplace_back(from, to);
        else
            return false;
    }
    return true;
}

bool SaveRoute(const std::string& path, const Route& route)
{
    std::ofstream out(path);
    out << "fix,latitude,longitude,knots,course,gx,gy,gz\n";
    out.precision(10);
    for (const RoutePoint& p : route) {
        out << (p.fix ? 1 : 0) << ',' << p.latitude << ',' << p.longitude << ',' << p.knots << ',' << p.course << ','
            << p.gx << ',' << p.gy << ',' << p.gz << '\n';
    }
    return static_cast<bool>(out);
}

bool LoadRoute(const std::string& path, Route& route)
{
    std::ifstream in(path);
    std::string line;
    if (!std::getline(in, line))
        return false;
    while (std::getline(in, line)) {
        std::istringstream fields(line);
        RoutePoint p;
        char comma = 0;
        int fix = 0;
        if (!(fields >> fix >> comma >> p.latitude >> comma >> p.longitude >> comma >> p.knots >> comma >>
              p.course >> comma >> p.gx >> comma >> p.gy >> comma >> p.gz))
            return false;
        p.fix = fix != 0;
        route.push_back(p);
    }
    return true;
}

std::string RmcSentence(const RoutePoint& p, std::time_t when)
{
    std::string date;
    const std::string time = TimeOfDay(when, true, &date);
    if (!p.fix)
        return WithChecksum("$GPRMC," + time + ",V,,,,,,," + date + ",,,N");
    char tail[64];
    std::snprintf(tail, sizeof tail, ",%.1f,%.2f,", p.knots, p.course);
    return WithChecksum("$GPRMC," + time + ",A," + NmeaCoordinate(p.latitude, 2) + (p.latitude < 0 ? ",S," : ",N,") +
                        NmeaCoordinate(p.longitude, 3) + (p.longitude < 0 ? ",W" : ",E") + tail + date + ",,,A");
}

std::string GgaSentence(const RoutePoint& p, std::time_t when)
{
    const std::string time = TimeOfDay(when, false, nullptr);
    if (!p.fix)
        return WithChecksum("$GPGGA," + time + ",,,,,0,00,99.9,,M,,M,,");
    return WithChecksum("$GPGGA," + time + "," + NmeaCoordinate(p.latitude, 2) + (p.latitude < 0 ? ",S," : ",N,") +
                        NmeaCoordinate(p.longitude, 3) + (p.longitude < 0 ? ",W" : ",E") + ",1,08,0.9,520.4,M,47.0,M,,");
}

std::string TrackLine(const RoutePoint& p, const std::string& sentence)
{
    char text[64];
    std::snprintf(text, sizeof text, "%ld\t%ld\t%ld\t", std::lround(p.gx * 1000), std::lround(p.gy * 1000),
                  std::lround(p.gz * 1000));
    return text + sentence;
}

std::string Scramble(const std::string& text, int key)
{
    std::string out = text;
    for (char& c : out)
        c = static_cast<char>(static_cast<unsigned char>(c) + key);
    return out;
}

std::string KeyDigitsFor(std::uint32_t seed)
{
    std::string digits;
    for (int i = 0; i < 8; ++i) {
        seed = seed * 1103515245u + 12345u;
        digits += static_cast<char>('1' + (seed >> 16) % 9);
    }
    return digits;
}

int KeyOf(const std::string& digits)
{
    int key = 0;
    for (char c : digits)
        key += c - '0';
    return key + (digits[4] - '0') + (digits[7] - '0');
}

std::int32_t PackedCoordinate(double degrees)
{
    int whole = 0;
    long minutesE4 = 0;
    SplitDegrees(degrees, whole, minutesE4);
    const std::int32_t packed = whole * 1000000 + static_cast<std::int32_t>(minutesE4);
    return degrees < 0 ? -packed : packed;
}
