#pragma once
// Scrambled track lines and the NMEA sentences inside them.

#include "AssistInfo.h"

#include <string>
#include <string_view>

// Subtracts `key` from every byte before the first CR or LF, in place.
void Descramble(std::string& line, int key);

struct ScannedLine {
    int x = 0, y = 0, z = 0;
    std::string_view sentence;  // into the scanned text
};

// What sscanf(line, "%d\t%d\t%d\t%1023s") gives, without its cost: fields that
// do not match keep their initial values; the sentence is cut at 1023 characters.
ScannedLine ScanTrackLine(const char* line);

// Descrambles a copy of `line`, scans "X\tY\tZ\tSENTENCE" and appends ten slots
// (one second) to `track`, whether or not the sentence parsed.
// Returns -1 when `line` is null, else 0.
int ParseTrackLine(const char* line, int key, TrackSlots& track);

// Fill the given fields from a $GPRMC / $GPGGA sentence; on any failed check
// the outputs stay as they were.
void ParseGPRMC(std::string_view sentence, std::string& latitude, std::string& longitude,
                int& speed, double& course);
void ParseGPGGA(std::string_view sentence, std::string& latitude, std::string& longitude);

// Fills the slot's position from a sentence: $GPGGA when it begins so, else $GPRMC.
void ParseSentence(std::string_view sentence, tagAssistInfo& slot);

// ddmm.mmmm (4 or 5 decimals) with N/S/E/W to "%d.%06d" / "%d.%07d" degrees;
// "0" without a point, empty for any other number of decimals.
std::string NmeaCoordToText(std::string_view text, char hemisphere);

// Knots to whole km/h by the recorders' factor 1.85, truncated toward zero.
int KnotsToKmh(double knots);

// Truncates toward zero, clamping to int's range (NaN gives 0).
int TruncToInt(double value);
