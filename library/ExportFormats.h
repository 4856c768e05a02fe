#pragma once
// The track written for other tools: GPX 1.1, KML, CSV and GeoJSON. Numbers
// are written with '.' whatever the locale.

#include "ExportTrack.h"

#include <optional>
#include <ostream>
#include <string>
#include <vector>

enum class ExportFormat { Gpx, Kml, Csv, GeoJson };

// "gpx", "kml", "csv", "geojson" (any case); nullopt for anything else.
std::optional<ExportFormat> ExportFormatNamed(const std::string& name);
// The file name extension of a format, with its point.
const char* ExportExtension(ExportFormat format);
// The format a file name's extension asks for.
std::optional<ExportFormat> ExportFormatOfPath(const std::string& path);

enum class ExportSpeedUnit { Kmh, Mph };

struct ExportOptions {
    std::string name;  // the track's name: its first recording's
    std::string creator = "DualDash";
    ExportSpeedUnit csvSpeedUnit = ExportSpeedUnit::Kmh;
};

void WriteExport(std::ostream& out, ExportFormat format, const std::vector<ExportPoint>& points,
                 const ExportOptions& options);

// "2016-05-14T08:15:00Z", with ".100" milliseconds when the time has them.
std::string IsoUtcText(double seconds);
