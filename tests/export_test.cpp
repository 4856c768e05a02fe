// The exported track: which slots become points, where segments break, and
// the formats' edge values (course at 360, the date line, names needing escapes).

#include "library/ExportFormats.h"
#include "library/Utf8Text.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <sstream>

namespace {

constexpr std::time_t kStart = 1463213700;  // 2016-05-14 08:15:00 UTC

tagAssistInfo Fix(const char* latitude, const char* longitude, int speed = 50, double course = 90)
{
    tagAssistInfo slot;
    slot.latitude = latitude;
    slot.longitude = longitude;
    slot.speed = speed;
    slot.course = course;
    return slot;
}

const tagAssistInfo kNoFix;

RecordingTrack Recording(std::time_t start, TrackSlots slots)
{
    RecordingTrack r;
    r.span.path = "rec" + std::to_string(start);
    r.span.start = start;
    r.span.seconds = static_cast<double>(slots.size()) / 10;
    r.track = std::move(slots);
    return r;
}

std::size_t Count(const std::string& text, const std::string& part)
{
    std::size_t n = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++n;
    return n;
}

// The segment of each point, -1 for a slot without a fix.
std::vector<int> SegmentsOf(const std::vector<ExportPoint>& points)
{
    std::vector<int> segments;
    for (const ExportPoint& p : points)
        segments.push_back(p.segment);
    return segments;
}

std::string Written(ExportFormat format, const std::vector<ExportPoint>& points, ExportOptions options = {})
{
    std::ostringstream out;
    WriteExport(out, format, points, options);
    return out.str();
}

}  // namespace

TEST(ExportPoints, SegmentsBreakAtALostFixAndAtAGapBetweenRecordings)
{
    const tagAssistInfo a = Fix("48.100000", "11.500000"), b = Fix("48.100100", "11.500100");
    const struct {
        const char* what;
        std::vector<RecordingTrack> recordings;
        std::vector<int> segments;
    } cases[] = {
        {"one recording, fix throughout", {Recording(kStart, {a, a, b})}, {0, 0, 0}},
        {"fix lost and found", {Recording(kStart, {a, kNoFix, kNoFix, b})}, {0, -1, -1, 1}},
        {"no fix at the start", {Recording(kStart, {kNoFix, a})}, {-1, 0}},
        {"consecutive recordings: one segment", {Recording(kStart, {a, b}), Recording(kStart + 1, {a})}, {0, 0, 0}},
        {"5 s apart: one segment", {Recording(kStart, {a}), Recording(kStart + 5, {b})}, {0, 0}},
        {"6 s apart: two", {Recording(kStart, {a}), Recording(kStart + 6, {b})}, {0, 1}},
        {"given out of order", {Recording(kStart + 60, {b}), Recording(kStart, {a})}, {0, 1}},
        {"a recording without a track", {Recording(kStart, {a}), Recording(kStart + 1, {}), Recording(kStart + 2, {b})}, {0, 0}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SegmentsOf(ExportPoints(c.recordings)), c.segments) << c.what;
}

TEST(ExportPoints, TimesFollowTheSlotsAndPositionsOnlyNewSamples)
{
    const tagAssistInfo a = Fix("48.100000", "11.500000"), b = Fix("48.100100", "11.500100");
    const tagAssistInfo faster = Fix("48.100100", "11.500100", 51);
    const auto points = ExportPoints({Recording(kStart + 60, {b, b, faster}), Recording(kStart, {a, a, a, b})});
    ASSERT_EQ(points.size(), 7u);
    EXPECT_DOUBLE_EQ(points[0].time, kStart);
    EXPECT_DOUBLE_EQ(points[3].time, kStart + 0.3);
    EXPECT_DOUBLE_EQ(points[4].time, kStart + 60);
    EXPECT_DOUBLE_EQ(points[3].latitude, 48.1001);
    EXPECT_DOUBLE_EQ(points[3].longitude, 11.5001);
    const auto segments = ExportSegments(points);
    ASSERT_EQ(segments.size(), 2u);
    ASSERT_EQ(segments[0].size(), 2u);  // a once, b once
    EXPECT_DOUBLE_EQ(segments[0][1].time, kStart + 0.3);
    ASSERT_EQ(segments[1].size(), 2u);  // b at the start of its file, then the speed change
    EXPECT_EQ(segments[1][1].speedKmh, 51);
}

TEST(ExportFormats, NamesAndTimeTexts)
{
    EXPECT_EQ(ExportFormatNamed("GPX"), ExportFormat::Gpx);
    EXPECT_EQ(ExportFormatNamed("geojson"), ExportFormat::GeoJson);
    EXPECT_EQ(ExportFormatNamed("shp"), std::nullopt);
    EXPECT_EQ(ExportFormatOfPath("/tmp/drive.kml"), ExportFormat::Kml);
    EXPECT_EQ(ExportFormatOfPath("/tmp/a.b/drive"), std::nullopt);
    EXPECT_EQ(IsoUtcText(kStart), "2016-05-14T08:15:00Z");
    EXPECT_EQ(IsoUtcText(kStart + 0.1), "2016-05-14T08:15:00.100Z");
    EXPECT_EQ(IsoUtcText(kStart + 59.9996), "2016-05-14T08:16:00Z");  // rounds into the next second
    EXPECT_EQ(IsoUtcText(kStart + 16 * 3600 - 0.5), "2016-05-15T00:14:59.500Z");
}

TEST(ExportFormats, EdgeValuesStayWithinWhatTheFormatsAllow)
{
    const auto points =
        ExportPoints({Recording(kStart, {Fix("-33.900000", "180.000000", 0, 359.96), Fix("-33.900100", "179.999900", 7, 0)})});
    ExportOptions options;
    options.name = "A&B <drive>";
    const std::string gpx = Written(ExportFormat::Gpx, points, options);
    EXPECT_NE(gpx.find("<name>A&amp;B &lt;drive&gt;</name>"), std::string::npos);
    EXPECT_NE(gpx.find("lat=\"-33.900000\" lon=\"-180.000000\""), std::string::npos);  // lon < 180
    EXPECT_NE(gpx.find("<gpxtpx:course>0.0</gpxtpx:course>"), std::string::npos);     // course < 360
    EXPECT_EQ(gpx.find("<gpxtpx:course>360"), std::string::npos);
    EXPECT_NE(gpx.find("<gpxtpx:speed>1.94</gpxtpx:speed>"), std::string::npos);      // 7 km/h in m/s
    EXPECT_NE(Written(ExportFormat::Kml, points, options).find("<name>A&amp;B &lt;drive&gt;</name>"), std::string::npos);
}

TEST(ExportFormats, CsvKeepsEverySlotWithItsUnits)
{
    tagAssistInfo shaken = Fix("48.100000", "11.500000", 100, 12.25);
    shaken.x = -1.5f;
    shaken.z = 0.981f;
    const auto points = ExportPoints({Recording(kStart, {kNoFix, shaken})});
    EXPECT_EQ(Written(ExportFormat::Csv, points),
              "time_utc,latitude_deg,longitude_deg,speed_kmh,course_deg,g_x,g_y,g_z,segment\n"
              "2016-05-14T08:15:00Z,,,,,0.000,0.000,0.000,\n"
              "2016-05-14T08:15:00.100Z,48.100000,11.500000,100,12.2,-1.500,0.000,0.981,1\n");
    ExportOptions mph;
    mph.csvSpeedUnit = ExportSpeedUnit::Mph;
    const std::string csv = Written(ExportFormat::Csv, points, mph);
    EXPECT_EQ(csv.substr(0, csv.find('\n')), "time_utc,latitude_deg,longitude_deg,speed_mph,course_deg,g_x,g_y,g_z,segment");
    EXPECT_NE(csv.find(",62.1,"), std::string::npos);  // 100 km/h
}

TEST(ExportFormats, GeoJsonHasALineAPointOrNothingPerSegment)
{
    const tagAssistInfo a = Fix("48.100000", "11.500000"), b = Fix("48.100100", "11.500100");
    const auto points = ExportPoints({Recording(kStart, {a, b, kNoFix, a})});
    const auto json = nlohmann::json::parse(Written(ExportFormat::GeoJson, points));
    EXPECT_EQ(json["type"], "FeatureCollection");
    ASSERT_EQ(json["features"].size(), 2u);
    const auto& line = json["features"][0];
    EXPECT_EQ(line["geometry"]["type"], "LineString");
    EXPECT_EQ(line["geometry"]["coordinates"][1], nlohmann::json({11.5001, 48.1001}));  // longitude first
    EXPECT_EQ(line["properties"]["times"][1], "2016-05-14T08:15:00.100Z");
    EXPECT_EQ(json["features"][1]["geometry"]["type"], "Point");  // one position is no line
    EXPECT_EQ(nlohmann::json::parse(Written(ExportFormat::GeoJson, {}))["features"].size(), 0u);
}

TEST(ExportFormats, KmlShowsAOnePositionSegmentAsAPoint)
{
    const tagAssistInfo a = Fix("48.100000", "11.500000"), b = Fix("48.100100", "11.500100");
    const std::string kml = Written(ExportFormat::Kml, ExportPoints({Recording(kStart, {a, b, kNoFix, a})}));
    const std::size_t route = kml.find("<name>Route</name>");
    ASSERT_NE(route, std::string::npos);
    const std::string plain = kml.substr(route);
    EXPECT_EQ(Count(plain, "<LineString>"), 1u);
    EXPECT_EQ(Count(plain, "<Point><coordinates>11.500000,48.100000,0</coordinates></Point>"), 1u);
}

// Names are bytes; what is written is valid text whatever they hold.
TEST(ExportFormats, AnyBytesInANameGiveValidText)
{
    struct Case {
        std::string name, utf8, xml;
    };
    const std::string r = "\xEF\xBF\xBD";  // U+FFFD
    const Case cases[] = {
        {"caf\xE9.MOV", "caf" + r + ".MOV", "caf" + r + ".MOV"},             // Latin-1
        {"\xC3\xA9t\xC3", "\xC3\xA9t" + r, "\xC3\xA9t" + r},                 // cut short
        {"\xC0\xAF", r + r, r + r},                                         // overlong
        {"\xED\xA0\x80", r + r + r, r + r + r},                             // a surrogate
        {"\xF4\x90\x80\x80", r + r + r + r, r + r + r + r},                 // past U+10FFFF
        {"a\x01" "b\tc", "a\x01" "b\tc", "a" + r + "b\tc"},                 // controls XML cannot hold
        {"]]>&<\"'", "]]>&<\"'", "]]&gt;&amp;&lt;&quot;&apos;"},
        {"\xF0\x9F\x9A\x97 \xE6\x9D\xB1", "\xF0\x9F\x9A\x97 \xE6\x9D\xB1", "\xF0\x9F\x9A\x97 \xE6\x9D\xB1"},
    };
    const auto points = ExportPoints({Recording(kStart, {Fix("48.100000", "11.500000"), Fix("48.100100", "11.500100")})});
    for (const Case& c : cases) {
        EXPECT_EQ(ValidUtf8(c.name), c.utf8) << c.name;
        EXPECT_EQ(XmlText(c.name), c.xml) << c.name;
        ExportOptions options;
        options.name = c.name;
        EXPECT_NE(Written(ExportFormat::Gpx, points, options).find("<name>" + c.xml + "</name>"), std::string::npos);
        EXPECT_NE(Written(ExportFormat::Kml, points, options).find("<name>" + c.xml + "</name>"), std::string::npos);
        std::string json;
        EXPECT_NO_THROW(json = Written(ExportFormat::GeoJson, points, options)) << c.name;
        EXPECT_EQ(nlohmann::json::parse(json)["features"][0]["properties"]["name"], c.utf8);
    }
}
