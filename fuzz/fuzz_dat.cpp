#include "FuzzFile.h"
#include "track/DatFile.h"
#include "track/Nmea.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzFile file(data, size);
    TrackSlots track;
    LoadDatFile(file.Path(), track);
    // The same bytes as one line with every key.
    std::string line(reinterpret_cast<const char*>(data), size);
    TrackSlots one;
    ParseTrackLine(line.c_str(), size ? data[0] : 0, one);
    return 0;
}
