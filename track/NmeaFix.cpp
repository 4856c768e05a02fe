#include "NmeaFix.h"

#include <array>
#include <charconv>

namespace {

constexpr std::size_t kMaxFields = 16;

struct Fields {
    std::array<std::string_view, kMaxFields> items;
    std::size_t count = 0;
    std::string_view operator[](std::size_t i) const { return i < count ? items[i] : std::string_view(); }
};

Fields Split(std::string_view body)
{
    Fields f;
    std::size_t pos = 0;
    while (f.count < kMaxFields) {
        const std::size_t comma = body.find(',', pos);
        f.items[f.count++] = body.substr(pos, comma == std::string_view::npos ? std::string_view::npos : comma - pos);
        if (comma == std::string_view::npos)
            break;
        pos = comma + 1;
    }
    return f;
}

bool Number(std::string_view text, double& value)
{
    if (text.empty() || text.find_first_not_of("0123456789.-") != std::string_view::npos)
        return false;
    return std::from_chars(text.data(), text.data() + text.size(), value).ptr == text.data() + text.size();
}

int TwoDigits(std::string_view text, std::size_t at)
{
    const char a = text[at], b = text[at + 1];
    if (a < '0' || a > '9' || b < '0' || b > '9')
        return -1;
    return (a - '0') * 10 + (b - '0');
}

// "hhmmss[.sss]"
double SecondOfDay(std::string_view text)
{
    if (text.size() < 6)
        return -1;
    const int h = TwoDigits(text, 0), m = TwoDigits(text, 2);
    double s = 0;
    if (h < 0 || h > 23 || m < 0 || m > 59 || !Number(text.substr(4), s) || s < 0 || s >= 61)
        return -1;
    return h * 3600.0 + m * 60.0 + s;
}

// "ddmmyy", years 80..99 in the last century.
int DaysSince1970(std::string_view text)
{
    if (text.size() != 6)
        return -1;
    const int d = TwoDigits(text, 0), m = TwoDigits(text, 2), y = TwoDigits(text, 4);
    if (d < 1 || m < 1 || y < 0)
        return -1;
    const double midnight = UtcSeconds(y < 80 ? 2000 + y : 1900 + y, m, d, 0);
    return midnight < 0 ? -1 : static_cast<int>(midnight / 86400);
}

int HexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

// The sentence from its talker to before its checksum; nothing when a
// checksum is present and does not match. `checked` tells whether one was.
std::optional<std::string_view> SentenceBody(std::string_view text, std::size_t talker, bool& checked)
{
    checked = false;
    std::size_t end = talker;
    while (end < text.size() && text[end] != '*' && text[end] != '\r' && text[end] != '\n' && text[end] != ';' &&
           text[end] != '\0')
        ++end;
    const std::string_view body = text.substr(talker, end - talker);
    if (end + 2 < text.size() && text[end] == '*' && HexDigit(text[end + 1]) >= 0 && HexDigit(text[end + 2]) >= 0) {
        unsigned sum = 0;
        for (char c : body)
            sum ^= static_cast<unsigned char>(c);
        if (sum != static_cast<unsigned>(HexDigit(text[end + 1]) * 16 + HexDigit(text[end + 2])))
            return std::nullopt;
        checked = true;
    }
    return body;
}

bool IsTalker(std::string_view text, std::size_t at)
{
    auto upper = [](char c) { return c >= 'A' && c <= 'Z'; };
    return upper(text[at]) && upper(text[at + 1]);
}

bool ReadPosition(const Fields& f, std::size_t at, NmeaFix& fix)
{
    const std::string_view ns = f[at + 1], ew = f[at + 3];
    return ns.size() == 1 && ew.size() == 1 && NmeaToDegrees(f[at], ns[0], fix.latitude) &&
           NmeaToDegrees(f[at + 2], ew[0], fix.longitude) && fix.latitude >= -90 && fix.latitude <= 90 &&
           fix.longitude >= -180 && fix.longitude <= 180;
}

// RMC: time, status, lat, N/S, lon, E/W, knots, course, date.
NmeaFix ReadRmc(const Fields& f)
{
    NmeaFix fix;
    fix.isRmc = true;
    fix.secondOfDay = SecondOfDay(f[1]);
    fix.daysSince1970 = DaysSince1970(f[9]);
    fix.fix = f[2] == "A" && ReadPosition(f, 3, fix);
    if (!fix.fix)
        return fix;
    if (!Number(f[7], fix.knots) || fix.knots < 0)
        fix.knots = 0;
    fix.hasCourse = Number(f[8], fix.course) && fix.course >= 0 && fix.course <= 360;
    if (!fix.hasCourse)
        fix.course = 0;
    return fix;
}

// GGA: time, lat, N/S, lon, E/W, quality.
NmeaFix ReadGga(const Fields& f)
{
    NmeaFix fix;
    fix.secondOfDay = SecondOfDay(f[1]);
    fix.fix = !f[6].empty() && f[6] != "0" && ReadPosition(f, 2, fix);
    return fix;
}

struct SentenceRule {
    bool rmcOnly;
    bool checked;  // '$' and a right checksum required
};

// The earliest "RMC," (or "GGA,") that follows a two-letter talker and
// obeys `rule`: each comma is a candidate end of the sentence's name.
std::optional<NmeaFix> FirstSentence(std::string_view text, SentenceRule rule)
{
    for (std::size_t comma = text.find(',', 5); comma != std::string_view::npos; comma = text.find(',', comma + 1)) {
        const std::string_view type = text.substr(comma - 3, 3);
        if ((type != "RMC" && (rule.rmcOnly || type != "GGA")) || !IsTalker(text, comma - 5))
            continue;
        if (rule.checked && (comma < 6 || text[comma - 6] != '$'))
            continue;
        bool checked = false;
        const auto body = SentenceBody(text, comma - 5, checked);
        if (!body || (rule.checked && !checked))
            continue;
        const Fields f = Split(*body);
        return type == "RMC" ? ReadRmc(f) : ReadGga(f);
    }
    return std::nullopt;
}

}  // namespace

double NmeaFix::UnixTime() const
{
    if (secondOfDay < 0 || daysSince1970 < 0)
        return -1;
    return daysSince1970 * 86400.0 + secondOfDay;
}

std::optional<NmeaFix> ReadNmeaFix(std::string_view text)
{
    return FirstSentence(text, {false, false});
}

std::optional<NmeaFix> ReadCheckedRmc(std::string_view text)
{
    return FirstSentence(text, {true, true});
}
