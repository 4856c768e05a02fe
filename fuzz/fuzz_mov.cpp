#include "FuzzFile.h"
#include "library/RecordingList.h"
#include "track/MovTrack.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzFile file(data, size);
    DetectChipset(file.Path());
    ReadMovHeader(file.Path());
    TrackSlots generic, nt;
    LoadMovTrack(file.Path(), generic);
    LoadNT96650ATrack(file.Path(), nt);
    return 0;
}
