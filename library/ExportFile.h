#pragma once
// The track of some recordings as one export, read and written as both the
// player and dashtrack do it: named after the earliest recording, written
// whole or not at all, and never over a recording.

#include "ExportFormats.h"
#include "ExportTrack.h"

#include <string>
#include <vector>

// The points of `recordings` in time order; `options.name` becomes the
// earliest one's file name.
std::vector<ExportPoint> ReadExport(const std::vector<std::string>& recordings, ExportOptions& options);

// Why `target` may not take the export of `recordings`: it is one of them,
// or it has a recording's name (a slip of the command line would replace a
// movie with text). Empty when it may.
std::string RefusedExportTarget(const std::string& target, const std::vector<std::string>& recordings);

// The export into `target`, written beside it and renamed into place when
// whole. Empty when written, else why not.
std::string WriteExportFile(const std::string& target, ExportFormat format, const std::vector<std::string>& recordings,
                            ExportOptions options);
