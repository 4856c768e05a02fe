#include "FuzzFile.h"
#include "track/AviTrackReader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzFile file(data, size);
    CAviTrackReader reader;
    TrackSlots track;
    reader.LoadTrack(file.Path(), track);
    return 0;
}
