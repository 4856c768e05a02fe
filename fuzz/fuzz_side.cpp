// Side files as the player finds them: beside a recording that carries no
// track of its own, the fuzzer's bytes as its NMEA log, BlackVue .gps or .3gf
// file (or both of those) or 70mai's GPSData log, chosen by the first byte,
// read through the same entry the player uses.
#include "track/CameraTracks.h"

#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace {

const std::filesystem::path& Folder()
{
    static const std::filesystem::path folder = [] {
        auto made = std::filesystem::temp_directory_path() / ("dualdash-fuzz-side-" + std::to_string(getpid()));
        std::filesystem::create_directories(made);
        std::ofstream(made / "rec.mp4", std::ios::binary) << "not a movie";
        return made;
    }();
    return folder;
}

void Write(const std::string& name, const std::uint8_t* data, std::size_t size)
{
    std::ofstream(Folder() / name, std::ios::binary).write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    for (const char* name : {"rec.nmea", "rec.gps", "rec.3gf", "GPSData000001.txt"})
        std::filesystem::remove(Folder() / name);
    const std::uint8_t choice = data[0] % 5;
    ++data, --size;
    if (choice == 0)
        Write("rec.nmea", data, size);
    else if (choice == 1)
        Write("rec.gps", data, size);
    else if (choice == 2)
        Write("rec.3gf", data, size);
    else if (choice == 4)
        Write("GPSData000001.txt", data, size);
    else {
        Write("rec.gps", data, size / 2);
        Write("rec.3gf", data + size / 2, size - size / 2);
    }
    TrackSlots track;
    LoadCameraTrack((Folder() / "rec.mp4").string(), false, track);
    return 0;
}
