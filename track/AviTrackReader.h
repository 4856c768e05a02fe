#pragma once
// Tracks carried inside recorder AVI files: G-sensor records in "03gs" chunks
// and GPS fixes in "04gp" chunks, found through the top-level idx1 index.

#include "AssistInfo.h"

#include <cstdint>
#include <string>
#include <vector>

struct AVIINDEXENTRY {
    char ckid[4];
    std::uint32_t dwFlags;
    std::uint32_t dwChunkOffset;  // of the chunk's 8-byte header, from the file's start
    std::uint32_t dwChunkLength;
};

struct _GSENSOR_RECORD {
    std::uint32_t time;  // ms from the start of the recording
    std::int16_t x, y, z;  // units of 0.00391 g
    std::int8_t aux;
    std::uint8_t status;
};

struct _GPS_RECORD {
    std::int32_t latitude;   // degrees * 1000000 + minutes * 10000
    std::int32_t longitude;
    std::uint32_t speed;     // hundredths of a knot
};

class CAviTrackReader {
public:
    // 1 when the file is a RIFF AVI whose ISFT text, within the first 512
    // bytes, names a supported recorder; else 0.
    int HasMarker(const std::string& path) const;

    // Appends the file's slots to `track` (already emptied by the caller).
    void LoadTrack(const std::string& path, TrackSlots& track);

    static std::string PackedCoordToText(std::int32_t value);

    const std::vector<_GSENSOR_RECORD>& GSensorRecords() const { return gsensorRecords_; }
    const std::vector<_GPS_RECORD>& GpsRecords() const { return gpsRecords_; }

private:
    void Reset();
    void ReadIndex(class BinaryFile& file);
    void ReadRecords(BinaryFile& file);
    void FillGSensorSlots(TrackSlots& track) const;
    void FillGps(TrackSlots& track) const;

    std::vector<AVIINDEXENTRY> gsensorIndex_;
    std::vector<AVIINDEXENTRY> gpsIndex_;
    std::vector<_GSENSOR_RECORD> gsensorRecords_;
    std::vector<_GPS_RECORD> gpsRecords_;
};
