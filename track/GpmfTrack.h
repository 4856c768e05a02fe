#pragma once
// GoPro's GPMF metadata (a "gpmd" track, also written by some dashcams): a
// stream of key-length-value items, 32-bit aligned, where GPS5 / GPS9 carry
// positions scaled by SCAL, GPSF the fix and ACCL the accelerometer.

#include "TimedSamples.h"

class BinaryFile;
struct MovieIndex;

// One payload covering [time, time + duration): its samples are spread evenly
// over that span. In a payload where the camera's GPS5/GPS9 has no fix, the
// GoPro Karma drone's own positions (GLPI) stand in for them, less any row
// lying far from the payload's others (damage). False when the bytes are not
// GPMF (nothing is added).
bool ReadGpmfPayload(const unsigned char* data, std::size_t size, double time, double duration, TimedSamples& out);

// False when the movie has no gpmd track. Time rule: each payload's time and
// length come from the track's sample table; the receiver's UTC (GPS9's own
// date and time, or GPSU for a GPS5 payload's first fix) dates the fixes but
// does not place them. GPMF carries no course: it is the bearing from the
// last position at least 2 m away.
bool ReadGpmfTrack(BinaryFile& file, const MovieIndex& index, TimedSamples& out);

// Course from the movement, for sources that give none: each fix's course is
// the bearing from the last position at least 2 m away (sorted by time first).
void AddCoursesFromMovement(std::vector<GpsSample>::iterator begin, std::vector<GpsSample>::iterator end);

// Bearing in degrees (0..360) from one position to another.
double BearingDegrees(double lat1, double lon1, double lat2, double lon2);
// Over short distances (the course's 2 m), flat-earth.
double DistanceMetres(double lat1, double lon1, double lat2, double lon2);
