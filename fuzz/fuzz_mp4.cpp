// Today's cameras' MP4/MOV layouts: the box index and every reader the
// detectors reach (GPMF, BlackVue, NMEA text track, 70mai's GPS box, freeGPS
// by index, free boxes and mdat scan), through the same entry the player uses.
#include "FuzzFile.h"
#include "track/BinaryFile.h"
#include "track/CameraTracks.h"
#include "track/MovieIndex.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzFile file(data, size);
    BinaryFile binary(file.Path());
    const MovieIndex index = ReadMovieIndex(binary);
    for (const MediaTrack& track : index.tracks)
        ReadTrackSamples(binary, track);
    TrackSlots track;
    LoadCameraTrack(file.Path(), true, track);
    return 0;
}
