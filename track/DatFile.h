#pragma once
// Side files: the track of a recording in a scrambled text file beside it
// (<folder>/<base>.DAT) or in a gps folder next to it (<folder>/gps/<base>.DAT).

#include "AssistInfo.h"

#include <optional>
#include <string>

// The file called `name` beside the recording or in the gps folder next to
// it, the exact spelling first, else in another case.
std::optional<std::string> FindSideFile(const std::string& mediaPath, const std::string& name);

// 0 with `datPath` set when a side file exists; -1 when none does. A
// recording named with eight digits is not given its day's GPS log
// (gps/YYYYMMDD.dat, another format) as its side file. Also 0,
// with `datPath` left alone, for a media path of 7 characters or fewer.
int FindDatFile(const std::string& mediaPath, std::string& datPath);

// Appends the side file's slots to `track`; returns the slot count afterwards,
// or -1 when the file cannot be opened.
int LoadDatFile(const std::string& datPath, TrackSlots& track);
