#include "CameraMarks.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <filesystem>
#include <string_view>

namespace {

std::string Upper(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return text;
}

// The folders cameras keep their event and parking recordings in.
constexpr std::array<std::string_view, 8> kEventFolders = {"EVENT", "EVENTS", "EMERGENCY", "EMER", "RO", "PROTECTED", "LOCK", "LOCKED"};
constexpr std::array<std::string_view, 2> kParkingFolders = {"PARK", "PARKING"};

template <std::size_t N>
bool OneOf(const std::string& name, const std::array<std::string_view, N>& names)
{
    return std::find(names.begin(), names.end(), name) != names.end();
}

CameraMark MarkOfFolder(const std::string& name)
{
    if (OneOf(name, kEventFolders))
        return CameraMark::Event;
    return OneOf(name, kParkingFolders) ? CameraMark::Parking : CameraMark::None;
}

// The file's own folder says it, or, where that folder is one camera's
// (Event/F/…), the folder above. Folders further up are the user's.
CameraMark MarkOfFolders(const std::filesystem::path& folder)
{
    constexpr std::array<std::string_view, 8> kCameraFolders = {"F", "R", "B", "I", "FRONT", "REAR", "BACK", "INTERIOR"};
    const std::string own = Upper(folder.filename().string());
    if (const CameraMark mark = MarkOfFolder(own); mark != CameraMark::None || !OneOf(own, kCameraFolders))
        return mark;
    return MarkOfFolder(Upper(folder.parent_path().filename().string()));
}

// The last part of YYYYMMDD_HHMMSS_<type><camera>: E (event) or P (parking)
// before a camera letter (F front, R rear, I interior, B back), or alone.
CameraMark MarkOfTypeLetter(const std::string& stem)
{
    const std::size_t underscore = stem.rfind('_');
    if (underscore == std::string::npos)
        return CameraMark::None;
    const std::string last = stem.substr(underscore + 1);
    const bool shaped = last.size() == 1 || (last.size() == 2 && std::string_view("FRIB").find(last[1]) != std::string_view::npos);
    if (!shaped)
        return CameraMark::None;
    return last[0] == 'E' ? CameraMark::Event : last[0] == 'P' ? CameraMark::Parking : CameraMark::None;
}

bool HasWord(const std::string& stem, std::string_view word)
{
    if (stem.rfind(word, 0) == 0)
        return true;
    const std::string marked = "_" + std::string(word);
    return stem.find(marked) != std::string::npos;
}

CameraMark MarkOfName(const std::string& stem)
{
    if (HasWord(stem, "EMER") || HasWord(stem, "EVT") || HasWord(stem, "EVENT"))
        return CameraMark::Event;
    if (HasWord(stem, "PARK"))
        return CameraMark::Parking;
    return MarkOfTypeLetter(stem);
}

}  // namespace

CameraMark CameraMarkOf(const std::string& path, bool isProtected)
{
    const std::filesystem::path file(path);
    const CameraMark byName = MarkOfName(Upper(file.stem().string()));
    if (byName != CameraMark::None)
        return byName;
    if (const CameraMark byFolder = MarkOfFolders(file.parent_path()); byFolder != CameraMark::None)
        return byFolder;
    return isProtected ? CameraMark::Event : CameraMark::None;
}
