#include "ExportFormats.h"

#include "Utf8Text.h"

#include <nlohmann/json.hpp>

#include <array>
#include <charconv>
#include <cmath>
#include <ctime>

namespace {

constexpr double kKmhPerMph = 1.609344;

// `value` with `decimals` places and a '.', never the locale's comma.
std::string Fixed(double value, int decimals)
{
    std::array<char, 64> text {};
    const auto result = std::to_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed, decimals);
    std::string s(text.data(), result.ptr);
    if (s.find_first_not_of("-0.") == std::string::npos && s.front() == '-')
        s.erase(0, 1);  // "-0.0" reads oddly and some readers refuse it
    return s;
}

// A course in [0, 360) once rounded to `decimals` places, as GPX requires.
std::string CourseText(double course, int decimals)
{
    const double scale = std::pow(10.0, decimals);
    double rounded = std::round(course * scale) / scale;
    rounded = std::fmod(rounded, 360.0);
    if (rounded < 0)
        rounded += 360.0;
    if (rounded >= 360.0)
        rounded = 0;
    return Fixed(rounded, decimals);
}

// Longitudes in [-180, 180), as GPX requires (180 east is 180 west).
double WrappedLongitude(double longitude)
{
    return longitude >= 180.0 ? longitude - 360.0 : longitude;
}

void WriteGpx(std::ostream& out, const std::vector<std::vector<ExportPoint>>& segments, const ExportOptions& options)
{
    out << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
           "<gpx version=\"1.1\" creator=\"" << XmlText(options.creator) << "\"\n"
           "     xmlns=\"http://www.topografix.com/GPX/1/1\"\n"
           "     xmlns:gpxtpx=\"http://www.garmin.com/xmlschemas/TrackPointExtension/v2\"\n"
           "     xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\"\n"
           "     xsi:schemaLocation=\"http://www.topografix.com/GPX/1/1 http://www.topografix.com/GPX/1/1/gpx.xsd "
           "http://www.garmin.com/xmlschemas/TrackPointExtension/v2 "
           "http://www.garmin.com/xmlschemas/TrackPointExtensionv2.xsd\">\n"
           "  <trk>\n    <name>" << XmlText(options.name) << "</name>\n";
    for (const auto& segment : segments) {
        out << "    <trkseg>\n";
        for (const ExportPoint& p : segment) {
            out << "      <trkpt lat=\"" << Fixed(p.latitude, 6) << "\" lon=\"" << Fixed(WrappedLongitude(p.longitude), 6)
                << "\"><time>" << IsoUtcText(p.time) << "</time><extensions><gpxtpx:TrackPointExtension><gpxtpx:speed>"
                << Fixed(p.speedKmh / 3.6, 2) << "</gpxtpx:speed><gpxtpx:course>" << CourseText(p.course, 1)
                << "</gpxtpx:course></gpxtpx:TrackPointExtension></extensions></trkpt>\n";
        }
        out << "    </trkseg>\n";
    }
    out << "  </trk>\n</gpx>\n";
}

std::string KmlCoordinates(const ExportPoint& p, char separator)
{
    return Fixed(WrappedLongitude(p.longitude), 6) + separator + Fixed(p.latitude, 6) + separator + "0";
}

// A gx:Track per segment (times with the positions), then the same as plain
// LineStrings for tools that do not read Google's extension.
void WriteKml(std::ostream& out, const std::vector<std::vector<ExportPoint>>& segments, const ExportOptions& options)
{
    out << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
           "<kml xmlns=\"http://www.opengis.net/kml/2.2\" xmlns:gx=\"http://www.google.com/kml/ext/2.2\">\n"
           "  <Document>\n    <name>" << XmlText(options.name) << "</name>\n"
           "    <Style id=\"route\"><LineStyle><color>ff0000ff</color><width>4</width></LineStyle></Style>\n"
           "    <Folder>\n      <name>Track</name>\n";
    for (const auto& segment : segments) {
        out << "      <Placemark>\n        <styleUrl>#route</styleUrl>\n        <gx:Track>\n";
        for (const ExportPoint& p : segment)
            out << "          <when>" << IsoUtcText(p.time) << "</when>\n";
        for (const ExportPoint& p : segment)
            out << "          <gx:coord>" << KmlCoordinates(p, ' ') << "</gx:coord>\n";
        out << "        </gx:Track>\n      </Placemark>\n";
    }
    out << "    </Folder>\n    <Folder>\n      <name>Route</name>\n      <visibility>0</visibility>\n";
    for (const auto& segment : segments) {
        out << "      <Placemark>\n        <visibility>0</visibility>\n        <styleUrl>#route</styleUrl>\n";
        if (segment.size() == 1) {  // a line needs two positions
            out << "        <Point><coordinates>" << KmlCoordinates(segment.front(), ',')
                << "</coordinates></Point>\n      </Placemark>\n";
            continue;
        }
        out << "        <LineString>\n          <tessellate>1</tessellate>\n          <coordinates>\n";
        for (const ExportPoint& p : segment)
            out << "            " << KmlCoordinates(p, ',') << "\n";
        out << "          </coordinates>\n        </LineString>\n      </Placemark>\n";
    }
    out << "    </Folder>\n  </Document>\n</kml>\n";
}

// Every slot, so the G-sensor's curves come along at their full rate; slots
// without a fix leave the position, speed, course and segment empty.
void WriteCsv(std::ostream& out, const std::vector<ExportPoint>& points, const ExportOptions& options)
{
    const bool mph = options.csvSpeedUnit == ExportSpeedUnit::Mph;
    out << "time_utc,latitude_deg,longitude_deg," << (mph ? "speed_mph" : "speed_kmh")
        << ",course_deg,g_x,g_y,g_z,segment\n";
    for (const ExportPoint& p : points) {
        out << IsoUtcText(p.time) << ',';
        if (p.fix) {
            out << Fixed(p.latitude, 6) << ',' << Fixed(p.longitude, 6) << ','
                << (mph ? Fixed(p.speedKmh / kKmhPerMph, 1) : std::to_string(p.speedKmh)) << ',' << Fixed(p.course, 1);
        } else {
            out << ",,,";
        }
        out << ',' << Fixed(p.gx, 3) << ',' << Fixed(p.gy, 3) << ',' << Fixed(p.gz, 3) << ',';
        if (p.fix)
            out << p.segment + 1;
        out << '\n';
    }
}

// A LineString a segment (a Point for a segment of one position, as a
// LineString needs two), the times and speeds alongside in the properties.
void WriteGeoJson(std::ostream& out, const std::vector<std::vector<ExportPoint>>& segments, const ExportOptions& options)
{
    nlohmann::ordered_json features = nlohmann::ordered_json::array();
    int number = 0;
    for (const auto& segment : segments) {
        nlohmann::ordered_json coordinates = nlohmann::ordered_json::array(), times = nlohmann::ordered_json::array(),
                               speeds = nlohmann::ordered_json::array(), courses = nlohmann::ordered_json::array();
        for (const ExportPoint& p : segment) {
            coordinates.push_back({std::round(WrappedLongitude(p.longitude) * 1e6) / 1e6, std::round(p.latitude * 1e6) / 1e6});
            times.push_back(IsoUtcText(p.time));
            speeds.push_back(p.speedKmh);
            courses.push_back(std::round(p.course * 10) / 10);
        }
        const bool line = segment.size() >= 2;
        nlohmann::ordered_json feature = {
            {"type", "Feature"},
            {"geometry", {{"type", line ? "LineString" : "Point"}, {"coordinates", line ? coordinates : coordinates[0]}}},
            {"properties",
             {{"name", ValidUtf8(options.name)}, {"segment", ++number}, {"start", times.front()}, {"end", times.back()},
              {"times", times}, {"speeds_kmh", speeds}, {"courses_deg", courses}}}};
        features.push_back(feature);
    }
    out << nlohmann::ordered_json {{"type", "FeatureCollection"}, {"features", features}}.dump() << '\n';
}

}  // namespace

std::optional<ExportFormat> ExportFormatNamed(const std::string& name)
{
    std::string lower;
    for (char c : name)
        lower += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (lower == "gpx")
        return ExportFormat::Gpx;
    if (lower == "kml")
        return ExportFormat::Kml;
    if (lower == "csv")
        return ExportFormat::Csv;
    if (lower == "geojson" || lower == "json")
        return ExportFormat::GeoJson;
    return std::nullopt;
}

const char* ExportExtension(ExportFormat format)
{
    switch (format) {
    case ExportFormat::Gpx: return ".gpx";
    case ExportFormat::Kml: return ".kml";
    case ExportFormat::Csv: return ".csv";
    case ExportFormat::GeoJson: return ".geojson";
    }
    return "";
}

std::optional<ExportFormat> ExportFormatOfPath(const std::string& path)
{
    const std::size_t dot = path.find_last_of('.');
    const std::size_t slash = path.find_last_of('/');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash))
        return std::nullopt;
    return ExportFormatNamed(path.substr(dot + 1));
}

std::string IsoUtcText(double seconds)
{
    const double whole = std::floor(seconds);
    const int millis = static_cast<int>(std::lround((seconds - whole) * 1000));
    const std::time_t t = static_cast<std::time_t>(whole) + (millis == 1000 ? 1 : 0);
    std::tm utc {};
    gmtime_r(&t, &utc);
    char text[40];
    std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%S", &utc);
    std::string s = text;
    if (millis % 1000 != 0) {
        char fraction[8];
        std::snprintf(fraction, sizeof fraction, ".%03d", millis);
        s += fraction;
    }
    return s + "Z";
}

void WriteExport(std::ostream& out, ExportFormat format, const std::vector<ExportPoint>& points,
                 const ExportOptions& options)
{
    switch (format) {
    case ExportFormat::Gpx: WriteGpx(out, ExportSegments(points), options); break;
    case ExportFormat::Kml: WriteKml(out, ExportSegments(points), options); break;
    case ExportFormat::Csv: WriteCsv(out, points, options); break;
    case ExportFormat::GeoJson: WriteGeoJson(out, ExportSegments(points), options); break;
    }
}
