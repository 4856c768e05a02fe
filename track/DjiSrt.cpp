#include "DjiSrt.h"

#include "BinaryFile.h"
#include "DatFile.h"
#include "GpmfTrack.h"
#include "TextLines.h"

#include <charconv>
#include <cmath>
#include <filesystem>

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Up to `most` digits at `at` (at least one), moving `at` past them; -1 for none.
long Digits(std::string_view text, std::size_t& at, std::size_t most)
{
    long value = 0;
    std::size_t taken = 0;
    for (; at < text.size() && IsDigit(text[at]) && taken < most; ++at, ++taken)
        value = value * 10 + (text[at] - '0');
    return taken ? value : -1;
}

bool Expect(std::string_view text, std::size_t& at, char c)
{
    if (at >= text.size() || text[at] != c)
        return false;
    ++at;
    return true;
}

void SkipSpaces(std::string_view text, std::size_t& at)
{
    while (at < text.size() && text[at] == ' ')
        ++at;
}

// A decimal number at `at` ("-12.5", "+3"), moving `at` past it.
std::optional<double> NumberAt(std::string_view text, std::size_t& at)
{
    SkipSpaces(text, at);
    if (at < text.size() && text[at] == '+')
        ++at;
    double value = 0;
    const char* begin = text.data() + at;
    const auto [end, error] = std::from_chars(begin, text.data() + text.size(), value, std::chars_format::fixed);
    if (error != std::errc() || !std::isfinite(value))
        return std::nullopt;
    at += static_cast<std::size_t>(end - begin);
    return value;
}

// "[name : value]" or "[name: value]": the value after the first of `names`.
std::optional<double> Bracketed(std::string_view line, std::initializer_list<std::string_view> names, bool& marked)
{
    for (std::string_view name : names) {
        const std::size_t found = line.find(name);
        if (found == std::string_view::npos)
            continue;
        marked = true;
        std::size_t at = found + name.size();
        SkipSpaces(line, at);
        if (!Expect(line, at, ':'))
            return std::nullopt;
        return NumberAt(line, at);
    }
    return std::nullopt;
}

// "GPS(lon,lat,alt)" or "GPS (lon, lat, alt)", longitude first.
void GpsTuple(std::string_view line, DjiPositionText& text)
{
    for (std::size_t found = line.find("GPS"); found != std::string_view::npos; found = line.find("GPS", found + 3)) {
        std::size_t at = found + 3;
        SkipSpaces(line, at);
        if (!Expect(line, at, '('))
            continue;
        text.marked = true;
        const auto longitude = NumberAt(line, at);
        SkipSpaces(line, at);
        if (!longitude || !Expect(line, at, ','))
            return;
        const auto latitude = NumberAt(line, at);
        if (!latitude)
            return;
        text.longitude = longitude;
        text.latitude = latitude;
        return;
    }
}

// "H.S 2.88m/s": the horizontal speed.
std::optional<double> HorizontalSpeed(std::string_view line)
{
    const std::size_t found = line.find("H.S ");
    if (found == std::string_view::npos)
        return std::nullopt;
    std::size_t at = found + 4;
    const auto speed = NumberAt(line, at);
    if (!speed || line.substr(at, 3) != "m/s" || *speed < 0 || *speed > 500)
        return std::nullopt;
    return speed;
}

bool Believable(double latitude, double longitude)
{
    return std::fabs(latitude) <= 90 && std::fabs(longitude) <= 180 && (latitude != 0 || longitude != 0);
}

// Gathers a cue's lines and hands on its sample when the next cue begins.
class SrtReader {
public:
    explicit SrtReader(TimedSamples& out) : out_(out) {}

    void Line(std::string_view line)
    {
        if (const auto start = SrtCueStart(line)) {
            Finish();
            cueStart_ = start;
            cue_ = {};
            return;
        }
        if (!cueStart_)
            return;
        const DjiPositionText text = ReadDjiPositionLine(line);
        cue_.marked = cue_.marked || text.marked;
        for (auto [from, to] : {std::pair{&text.latitude, &cue_.latitude}, std::pair{&text.longitude, &cue_.longitude},
                                std::pair{&text.metresPerSecond, &cue_.metresPerSecond}}) {
            if (*from && !*to)
                *to = *from;
        }
    }

    // The cue so far becomes a sample when it named a position.
    void Finish()
    {
        if (!cueStart_ || !cue_.marked || out_.gps.size() >= kMaxTimedSamples)
            return;
        found_ = true;
        GpsSample sample;
        sample.time = *cueStart_;
        sample.fix = cue_.latitude && cue_.longitude && Believable(*cue_.latitude, *cue_.longitude);
        if (sample.fix) {
            sample.latitude = *cue_.latitude;
            sample.longitude = *cue_.longitude;
            sample.kmh = cue_.metresPerSecond.value_or(0) * 3.6;
        }
        out_.gps.push_back(sample);
        cueStart_.reset();
    }

    bool Found() const { return found_; }

private:
    TimedSamples& out_;
    std::optional<double> cueStart_;
    DjiPositionText cue_;
    bool found_ = false;
};

}  // namespace

std::optional<double> SrtCueStart(std::string_view line)
{
    std::size_t at = 0;
    const long hours = Digits(line, at, 5);
    if (hours < 0 || !Expect(line, at, ':'))
        return std::nullopt;
    const std::size_t minutesAt = at;
    const long minutes = Digits(line, at, 2);
    if (at - minutesAt != 2 || minutes > 59 || !Expect(line, at, ':'))
        return std::nullopt;
    const std::size_t secondsAt = at;
    const long seconds = Digits(line, at, 2);
    if (at - secondsAt != 2 || seconds > 59 || at >= line.size() || (line[at] != ',' && line[at] != '.'))
        return std::nullopt;
    ++at;
    const std::size_t fractionAt = at;
    const long fraction = Digits(line, at, 3);
    if (fraction < 0)
        return std::nullopt;
    const double fractionScale = std::pow(10.0, static_cast<double>(at - fractionAt));
    SkipSpaces(line, at);
    if (line.substr(at, 3) != "-->")
        return std::nullopt;
    return hours * 3600.0 + minutes * 60.0 + seconds + fraction / fractionScale;
}

DjiPositionText ReadDjiPositionLine(std::string_view line)
{
    DjiPositionText text;
    text.latitude = Bracketed(line, {"[latitude"}, text.marked);
    text.longitude = Bracketed(line, {"[longitude", "[longtitude"}, text.marked);
    if (!text.latitude && !text.longitude)
        GpsTuple(line, text);
    text.metresPerSecond = HorizontalSpeed(line);
    return text;
}

bool ReadDjiSrtSideFile(const std::string& mediaPath, TimedSamples& out)
{
    const auto path = FindSideFile(mediaPath, std::filesystem::path(mediaPath).stem().string() + ".SRT");
    if (!path)
        return false;
    BinaryFile file(*path);
    TimedSamples found;
    SrtReader reader(found);
    ForEachLine(file, 0, file.Size(), [&](std::string_view line) { reader.Line(line); });
    reader.Finish();
    if (!reader.Found())
        return false;
    AddCoursesFromMovement(found.gps.begin(), found.gps.end());
    out = std::move(found);
    return true;
}
