// Side files: the scrambled .DAT lines, and the plain or stamped NMEA lines
// and accelerometer records of today's cameras' side files.
#include "FuzzFile.h"
#include "track/BinaryFile.h"
#include "track/BlackVueTrack.h"
#include "track/DatFile.h"
#include "track/Nmea.h"
#include "track/NmeaLog.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzFile file(data, size);
    TrackSlots track;
    LoadDatFile(file.Path(), track);
    // The same bytes as one line with every key.
    std::string line(reinterpret_cast<const char*>(data), size);
    TrackSlots one;
    ParseTrackLine(line.c_str(), size ? data[0] : 0, one);
    // As an NMEA side file and as accelerometer records, made into slots.
    BinaryFile binary(file.Path());
    NmeaLogReader reader;
    ReadLines(binary, 0, binary.Size(), reader);
    ReadThreeGf(binary, 0, binary.Size(), reader.Samples());
    TrackSlots samples;
    AppendSampleSlots(reader.Samples(), 0, samples);
    return 0;
}
