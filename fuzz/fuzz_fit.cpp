// Garmin's FIT files: the fuzzer's bytes as a FIT file, through the reader
// of its messages (the side-file search needs a movie's time to match, which
// the fuzzer's bytes cannot give).
#include "FuzzFile.h"
#include "track/BinaryFile.h"
#include "track/FitTrack.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzFile file(data, size);
    BinaryFile binary(file.Path());
    std::vector<FitFix> fixes;
    ReadFitFixes(binary, fixes);
    return 0;
}
