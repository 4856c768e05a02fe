// Side files as the player finds them: beside a recording that carries no
// track of its own, the fuzzer's bytes as its NMEA log, BlackVue .gps or .3gf
// file (or both of those), DJI's subtitles, as the day's GPS log in the gps
// folder of a recording named by its start, or as 70mai's GPSData log,
// chosen by the first byte, read through the same entry the player uses.
#include "track/CameraTracks.h"

#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace {

// Named as a Novatek camera names it: 2026-05-14 08:15:00 by its clock, its
// day's log gps/20260514.dat.
constexpr const char* kLoggedRecording = "2026_0514_081500_F.MP4";

void PutBE32(std::string& out, std::uint32_t value)
{
    for (int shift = 24; shift >= 0; shift -= 8)
        out += static_cast<char>((value >> shift) & 0xff);
}

// A movie header and nothing else: ten minutes long.
void WriteTenMinuteMovie(const std::filesystem::path& path)
{
    std::string mvhd;
    PutBE32(mvhd, 108);
    mvhd += "mvhd";
    PutBE32(mvhd, 0);        // version, flags
    PutBE32(mvhd, 0);        // created
    PutBE32(mvhd, 0);        // modified
    PutBE32(mvhd, 1000);     // timescale
    PutBE32(mvhd, 600000);   // duration
    mvhd.append(80, '\0');
    std::string moov;
    PutBE32(moov, static_cast<std::uint32_t>(8 + mvhd.size()));
    moov += "moov" + mvhd;
    std::ofstream(path, std::ios::binary) << moov;
}

const std::filesystem::path& Folder()
{
    static const std::filesystem::path folder = [] {
        auto made = std::filesystem::temp_directory_path() / ("dualdash-fuzz-side-" + std::to_string(getpid()));
        std::filesystem::create_directories(made);
        std::ofstream(made / "rec.mp4", std::ios::binary) << "not a movie";
        std::filesystem::create_directories(made / "gps");
        WriteTenMinuteMovie(made / kLoggedRecording);
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
    for (const char* name : {"rec.nmea", "rec.gps", "rec.3gf", "rec.SRT", "gps/20260514.dat", "GPSData000001.txt"})
        std::filesystem::remove(Folder() / name);
    const std::uint8_t choice = data[0] % 7;
    ++data, --size;
    if (choice == 0)
        Write("rec.nmea", data, size);
    else if (choice == 1)
        Write("rec.gps", data, size);
    else if (choice == 2)
        Write("rec.3gf", data, size);
    else if (choice == 3) {
        Write("rec.gps", data, size / 2);
        Write("rec.3gf", data + size / 2, size - size / 2);
    } else if (choice == 4) {
        Write("gps/20260514.dat", data, size);
    } else if (choice == 5) {
        Write("rec.SRT", data, size);
    } else {
        Write("GPSData000001.txt", data, size);
    }
    TrackSlots track;
    LoadCameraTrack((Folder() / (choice == 4 ? kLoggedRecording : "rec.mp4")).string(), false, track);
    return 0;
}
