#include "Nmea.h"

#include "CoordText.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string_view>

namespace {

// Splits at commas, skipping empty fields: a run of commas is one separator and
// later fields move forward. Recorders rely on this reading of their sentences.
// Only the first ten fields are ever used.
struct Tokens {
    std::array<std::string_view, 10> items;
    std::size_t count = 0;
    std::size_t size() const { return count; }
    bool empty() const { return count == 0; }
    std::string_view operator[](std::size_t i) const { return items[i]; }
};

Tokens SplitSkippingEmpty(std::string_view text)
{
    Tokens tokens;
    std::size_t pos = 0;
    while (pos < text.size() && tokens.count < tokens.items.size()) {
        std::size_t end = text.find(',', pos);
        if (end == std::string_view::npos)
            end = text.size();
        if (end > pos)
            tokens.items[tokens.count++] = text.substr(pos, end - pos);
        pos = end + 1;
    }
    return tokens;
}

bool Shorter33(const Tokens& t, std::size_t i)
{
    return i < t.size() && t[i].size() < 33;
}

// A NUL-terminated copy for the C number readers; longer tokens are cut
// (only tokens checked to be shorter than 33 characters are read as numbers).
struct TokenText {
    explicit TokenText(std::string_view token)
    {
        const std::size_t n = std::min(token.size(), sizeof text - 1);
        token.copy(text, n);
        text[n] = '\0';
    }
    char text[64];
};

bool IsSpace(char c)
{
    return c == ' ' || (c >= '\t' && c <= '\r');
}

double ToDouble(std::string_view token)
{
    // Plain decimals (the sentences' speeds and courses) take the fast exact
    // reader; anything else goes to atof, whose reading is the rule.
    const bool plain = !token.empty() && token.find_first_not_of("0123456789.") == std::string_view::npos;
    double value = 0;
    if (plain && std::from_chars(token.data(), token.data() + token.size(), value).ptr == token.data() + token.size())
        return value;
    return std::atof(TokenText(token).text);
}

// strtol's reading: blanks, a sign, digits up to the first other character,
// saturating; then clamped to int.
int ToInt(std::string_view token)
{
    std::size_t i = 0;
    while (i < token.size() && IsSpace(token[i]))
        ++i;
    bool negative = false;
    if (i < token.size() && (token[i] == '+' || token[i] == '-'))
        negative = token[i++] == '-';
    constexpr long long kBeyondInt = 1LL << 32;
    long long value = 0;
    for (; i < token.size() && token[i] >= '0' && token[i] <= '9'; ++i)
        value = std::min(kBeyondInt, value * 10 + (token[i] - '0'));
    if (negative)
        value = -value;
    return static_cast<int>(std::clamp<long long>(value, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
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

namespace {

void DescrambleBytes(char* begin, char* end, int key)
{
    for (char* c = begin; c != end; ++c) {
        if (*c == '\r' || *c == '\n')
            break;
        *c = static_cast<char>(static_cast<unsigned char>(*c) - key);
    }
}

}  // namespace

void Descramble(std::string& line, int key)
{
    DescrambleBytes(line.data(), line.data() + line.size(), key);
}

std::string NmeaCoordToText(std::string_view text, char hemisphere)
{
    const bool negative = hemisphere == 'W' || hemisphere == 'S';
    const std::size_t point = text.find('.');
    if (point == std::string_view::npos)
        return "0";
    const std::string_view decimals = text.substr(point + 1);
    const int whole = ToInt(text.substr(0, point));
    const int degrees = whole / 100;
    const int minutes = whole % 100;
    if (decimals.size() == 4) {
        int v = static_cast<int>(static_cast<float>(ToInt(decimals) + minutes * 10000));
        return DegreesText(negative, degrees, v * 100 / 60, 6);
    }
    if (decimals.size() == 5) {
        int v = static_cast<int>(static_cast<float>(ToInt(decimals) + minutes * 100000));
        return DegreesText(negative, degrees, v * 100 / 60, 7);
    }
    return {};
}

void ParseGPRMC(std::string_view sentence, std::string& latitude, std::string& longitude,
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
    longitude = NmeaCoordToText(t[5], t[6][0]);
    latitude = NmeaCoordToText(t[3], t[4][0]);
    speed = KnotsToKmh(ToDouble(t[7]));
    course = ToDouble(t[8]);
    if (!(course <= 360.0))  // above 360, and NaN, mean no course
        course = 0.0;
}

void ParseGPGGA(std::string_view sentence, std::string& latitude, std::string& longitude)
{
    const auto t = SplitSkippingEmpty(sentence);
    // Tokens: id, time, lat, N/S, lon, E/W.
    if (t.empty() || t[0] != "$GPGGA" || t.size() < 2)
        return;
    if (!Shorter33(t, 2) || t.size() < 4 || !Shorter33(t, 4) || t.size() < 6)
        return;
    latitude = NmeaCoordToText(t[2], t[3][0]);
    longitude = NmeaCoordToText(t[4], t[5][0]);
}

void ParseSentence(std::string_view sentence, tagAssistInfo& slot)
{
    if (sentence.substr(0, 6) == "$GPGGA")
        ParseGPGGA(sentence, slot.latitude, slot.longitude);
    else
        ParseGPRMC(sentence, slot.latitude, slot.longitude, slot.speed, slot.course);
}

namespace {

const char* SkipSpace(const char* p)
{
    while (IsSpace(*p))
        ++p;
    return p;
}

// scanf's %d: white space, a sign, at least one digit; the value saturates as
// strtol's does and is then narrowed to int, as scanf stores it.
bool ScanInt(const char*& p, int& out)
{
    p = SkipSpace(p);
    const bool negative = *p == '-';
    if (*p == '-' || *p == '+')
        ++p;
    if (*p < '0' || *p > '9')
        return false;
    unsigned long magnitude = 0;
    const unsigned long limit = negative ? 0ul - static_cast<unsigned long>(std::numeric_limits<long>::min())
                                         : static_cast<unsigned long>(std::numeric_limits<long>::max());
    for (; *p >= '0' && *p <= '9'; ++p) {
        const unsigned digit = static_cast<unsigned>(*p - '0');
        magnitude = magnitude > (limit - digit) / 10 ? limit : magnitude * 10 + digit;
    }
    const long value = negative ? static_cast<long>(0ul - magnitude) : static_cast<long>(magnitude);
    out = static_cast<int>(value);
    return true;
}

}  // namespace

ScannedLine ScanTrackLine(const char* p)
{
    ScannedLine line;
    if (!ScanInt(p, line.x) || !ScanInt(p, line.y) || !ScanInt(p, line.z))
        return line;
    p = SkipSpace(p);
    const char* end = p;
    while (*end && !IsSpace(*end) && end - p < 1023)
        ++end;
    line.sentence = std::string_view(p, static_cast<std::size_t>(end - p));
    return line;
}

int ParseTrackLine(const char* line, int key, TrackSlots& track)
{
    if (line == nullptr)
        return -1;
    // Our own copy, so the caller's line stays as it was; lines as the readers
    // hand them over fit the stack buffer.
    const std::size_t length = std::strlen(line);
    char small[1024];
    std::string large;
    char* text = small;
    if (length < sizeof small) {
        std::memcpy(small, line, length + 1);
    } else {
        large.assign(line, length);
        text = large.data();
    }
    DescrambleBytes(text, text + length, key);
    const ScannedLine scanned = ScanTrackLine(text);
    tagAssistInfo slot;
    slot.x = static_cast<float>(scanned.x) / 1000.0f;
    slot.y = static_cast<float>(scanned.y) / 1000.0f;
    slot.z = static_cast<float>(scanned.z) / 1000.0f;
    ParseSentence(scanned.sentence, slot);
    AppendSlots(track, slot, 10);
    return 0;
}
