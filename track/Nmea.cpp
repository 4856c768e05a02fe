#include "Nmea.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <string_view>
#include <vector>

namespace {

// Splits at commas, skipping empty fields: a run of commas is one separator and
// later fields move forward. Recorders rely on this reading of their sentences.
std::vector<std::string_view> SplitSkippingEmpty(std::string_view text)
{
    std::vector<std::string_view> tokens;
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t end = text.find(',', pos);
        if (end == std::string_view::npos)
            end = text.size();
        if (end > pos)
            tokens.push_back(text.substr(pos, end - pos));
        pos = end + 1;
    }
    return tokens;
}

bool Shorter33(const std::vector<std::string_view>& t, std::size_t i)
{
    return i < t.size() && t[i].size() < 33;
}

double ToDouble(std::string_view token)
{
    return std::atof(std::string(token).c_str());
}

int ToInt(std::string_view token)
{
    long value = std::strtol(std::string(token).c_str(), nullptr, 10);
    if (value > std::numeric_limits<int>::max())
        return std::numeric_limits<int>::max();
    if (value < std::numeric_limits<int>::min())
        return std::numeric_limits<int>::min();
    return static_cast<int>(value);
}

}  // namespace

int TruncToInt(double value)
{
    if (std::isnan(value))
        return 0;
    if (value >= 2147483647.0)
        return std::numeric_limits<int>::max();
    if (value <= -2147483648.0)
        return std::numeric_limits<int>::min();
    return static_cast<int>(value);
}

int KnotsToKmh(double knots)
{
    return TruncToInt(knots * 1.85);
}

void Descramble(std::string& line, int key)
{
    for (char& c : line) {
        if (c == '\r' || c == '\n')
            break;
        c = static_cast<char>(static_cast<unsigned char>(c) - key);
    }
}

std::string NmeaCoordToText(const std::string& text, char hemisphere)
{
    const bool negative = hemisphere == 'W' || hemisphere == 'S';
    const std::size_t point = text.find('.');
    if (point == std::string::npos)
        return "0";
    const std::string_view decimals = std::string_view(text).substr(point + 1);
    const int whole = ToInt(std::string_view(text).substr(0, point));
    const int degrees = whole / 100;
    const int minutes = whole % 100;
    char out[48];
    if (decimals.size() == 4) {
        int v = static_cast<int>(static_cast<float>(ToInt(decimals) + minutes * 10000));
        std::snprintf(out, sizeof out, "%s%d.%06d", negative ? "-" : "", degrees, v * 100 / 60);
    } else if (decimals.size() == 5) {
        int v = static_cast<int>(static_cast<float>(ToInt(decimals) + minutes * 100000));
        std::snprintf(out, sizeof out, "%s%d.%07d", negative ? "-" : "", degrees, v * 100 / 60);
    } else {
        return {};
    }
    return out;
}

void ParseGPRMC(const std::string& sentence, std::string& latitude, std::string& longitude,
                int& speed, double& course)
{
    const auto t = SplitSkippingEmpty(sentence);
    // Tokens: id, time, status (a void fix is read like a valid one), lat, N/S,
    // lon, E/W, knots, course, date.
    if (t.empty() || t[0] != "$GPRMC" || t.size() < 3)
        return;
    if (!Shorter33(t, 3) || t.size() < 5 || !Shorter33(t, 5) || t.size() < 7 ||
        !Shorter33(t, 7) || !Shorter33(t, 8))
        return;
    longitude = NmeaCoordToText(std::string(t[5]), t[6][0]);
    latitude = NmeaCoordToText(std::string(t[3]), t[4][0]);
    speed = KnotsToKmh(ToDouble(t[7]));
    course = ToDouble(t[8]);
    if (!(course <= 360.0))  // above 360, and NaN, mean no course
        course = 0.0;
}

void ParseGPGGA(const std::string& sentence, std::string& latitude, std::string& longitude)
{
    const auto t = SplitSkippingEmpty(sentence);
    // Tokens: id, time, lat, N/S, lon, E/W.
    if (t.empty() || t[0] != "$GPGGA" || t.size() < 2)
        return;
    if (!Shorter33(t, 2) || t.size() < 4 || !Shorter33(t, 4) || t.size() < 6)
        return;
    latitude = NmeaCoordToText(std::string(t[2]), t[3][0]);
    longitude = NmeaCoordToText(std::string(t[4]), t[5][0]);
}

void ParseSentence(const std::string& sentence, tagAssistInfo& slot)
{
    if (sentence.compare(0, 6, "$GPGGA") == 0)
        ParseGPGGA(sentence, slot.latitude, slot.longitude);
    else
        ParseGPRMC(sentence, slot.latitude, slot.longitude, slot.speed, slot.course);
}

int ParseTrackLine(const char* line, int key, TrackSlots& track)
{
    if (line == nullptr)
        return -1;
    std::string text(line);
    Descramble(text, key);
    int gx = 0, gy = 0, gz = 0;
    char sentence[1024] = {};
    std::sscanf(text.c_str(), "%d\t%d\t%d\t%1023s", &gx, &gy, &gz, sentence);
    tagAssistInfo slot;
    slot.x = static_cast<float>(gx) / 1000.0f;
    slot.y = static_cast<float>(gy) / 1000.0f;
    slot.z = static_cast<float>(gz) / 1000.0f;
    ParseSentence(sentence, slot);
    AppendSlots(track, slot, 10);
    return 0;
}
