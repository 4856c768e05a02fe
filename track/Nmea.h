#pragma once
// Scrambled track lines and the NMEA sentences inside them.

#include "AssistInfo.h"

#include <string>

// Subtracts `key` from every byte before the first CR or LF, in place.
void Descramble(std::string& line, int key);

// Descrambles a copy of `line`, scans "X\tY\tZ\tSENTENCE" and appends ten slots
// (one second) to `track`, whether or not the sentence parsed.
// Returns -1 when `line` is null, else 0.
int ParseTrackLine(const char* line, int key, TrackSlots& track);

// Fill the given fields from a $GPRMC / $GPGGA sentence; on any failed check
// the outputs stay as they were.
void ParseGPRMC(const std::string& sentence, std::string& latitude, std::string& longitude,
                int& speed, double& course);
void ParseGPGGA(const std::string& sentence, std::string& latitude, std::string& longitude);

// Fills the slot's position from a sentence: $GPGGA when it begins so, else $GPRMC.
void ParseSentence(const std::string& sentence, tagAssistInfo& slot);

// ddmm.mmmm (4 or 5 decimals) with N/S/E/W to "%d.%06d" / "%d.%07d" degrees;
// "0" without a point, empty for any other number of decimals.
std::string NmeaCoordToText(const std::string& text, char hemisphere);

// Knots to whole km/h by the recorders' factor 1.85, truncated toward zero.
int KnotsToKmh(double knots);

// Truncates toward zero, clamping to int's range (NaN gives 0).
int TruncToInt(double value);
