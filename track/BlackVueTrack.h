#pragma once
// BlackVue recordings: a top-level "free" box holding a "gps " box of NMEA
// lines, each after its "[epoch-ms]" stamp, a "3gf " box of accelerometer
// records and "sttm", the recording's start stamp. The same data comes as
// side files beside YYYYMMDD_HHMMSS_<type><camera>.mp4, named without the
// camera letter: YYYYMMDD_HHMMSS_<type>.gps and .3gf.

#include "TimedSamples.h"

#include <string>

class BinaryFile;
struct MovieIndex;

// 3gf records: a 32-bit big-endian time in ms from the start of the recording,
// then the vertical, left-right and forward-back axes as signed 16-bit
// counts of 1/128 g; they become z, x and y. A time of all ones ends the list.
void ReadThreeGf(BinaryFile& file, std::uint64_t from, std::uint64_t end, TimedSamples& out);

// False when the file has no such box. Without GPS lines (parked, no fix)
// the track is empty, whatever the accelerometer holds.
bool ReadBlackVueBoxes(BinaryFile& file, const MovieIndex& index, TimedSamples& out);

// YYYYMMDD_HHMMSS_, a type letter (N normal, E event, P parking, M manual...)
// and the camera letter, F front or R rear: BlackVue's recording names.
bool IsBlackVueName(const std::string& baseName, char camera);

// The side files' base for a recording named in BlackVue's way, else empty.
std::string BlackVueSideBase(const std::string& mediaPath);
bool ReadBlackVueSideFiles(const std::string& mediaPath, TimedSamples& out);
