#pragma once
// NMEA sentences in a text or subtitle track of an MP4/MOV recording: each
// cue a 16-bit length and text, where cameras put several fields separated by
// ';' (an accelerometer field, then the RMC sentence, say), sometimes without
// the sentence's leading '$'.

#include "TimedSamples.h"

class BinaryFile;
struct MovieIndex;

// False unless a text track's cues carry sentences. Time rule: a cue's
// sentence lies at the cue's time in the track's sample table.
bool ReadNmeaTextTrack(BinaryFile& file, const MovieIndex& index, TimedSamples& out);
