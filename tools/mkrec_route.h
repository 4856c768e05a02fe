#pragma once
// A drive, one point per second, and the texts a recorder writes for it.

#include <cstdint>
#include <ctime>
#include <string>
#include <utility>
#include <vector>

struct RoutePoint {
    bool fix = true;
    double latitude = 0;   // decimal degrees, north positive
    double longitude = 0;  // east positive
    double knots = 0;
    double course = 0;     // degrees
    double gx = 0, gy = 0, gz = 1;  // g
};

using Route = std::vector<RoutePoint>;

// What may happen on the drive, at known seconds, for the event detection's
// tests and the demo.
struct Incidents {
    std::vector<int> impacts;     // a jolt of 1 g sideways, for that second
    std::vector<int> hardStops;   // from that second, 16 km/h a second (0.45 g) down to a standstill of 5 s
    std::vector<int> hardStarts;  // from that second, 12 km/h a second (0.34 g) for 4 s
    std::vector<std::pair<int, int>> bumpy;    // from, to: 0.3 g up and down, second by second
    std::vector<std::pair<int, int>> tunnels;  // from, to: no fix
};

// "impact@20,stop@40,start@50,bumpy@60-80,tunnel@90-100"; false when a part
// is none of these.
bool ParseIncidents(const std::string& text, Incidents& incidents);

// A believable town drive of `seconds` seconds: a GPS fix after a few seconds,
// speeding up, turning, stopping at lights; with the incidents asked for.
Route MakeDemoRoute(int seconds, const Incidents& incidents = {});

bool SaveRoute(const std::string& path, const Route& route);
bool LoadRoute(const std::string& path, Route& route);

// The NMEA sentence for `point`, recorded at UTC time `when`.
std::string RmcSentence(const RoutePoint& point, std::time_t when);
std::string GgaSentence(const RoutePoint& point, std::time_t when);

// "X\tY\tZ\tSENTENCE": G-sensor thousandths and the sentence.
std::string TrackLine(const RoutePoint& point, const std::string& sentence);

// Adds `key` to every byte, as the recorders scramble their text.
std::string Scramble(const std::string& text, int key);

// Eight digits 1..9 and the key they give.
std::string KeyDigitsFor(std::uint32_t seed);
int KeyOf(const std::string& digits);

// Packed AVI coordinate: degrees * 1000000 + minutes * 10000 (4 decimals).
std::int32_t PackedCoordinate(double degrees);
