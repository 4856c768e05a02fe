#include "CompanionPath.h"

#include "track/BlackVueTrack.h"
#include "track/DatFile.h"
#include "track/MovTrack.h"

#include <filesystem>
#include <optional>

namespace {

// Adds one to the digits b[from..to] (to is the units), dropping a carry out
// of the leftmost digit: 999 becomes 000.
void IncrementCounter(std::string& b, std::size_t from, std::size_t to)
{
    for (std::size_t i = to + 1; i-- > from;) {
        if (b[i] < '9') {
            ++b[i];
            return;
        }
        b[i] = '0';
    }
}

// One digit of a clock: below `top` it goes up and the carry stops.
bool Tick(char& digit, char top)
{
    if (digit < top) {
        ++digit;
        return false;
    }
    digit = '0';
    return true;
}

// One second later in the time stamp b[L-16..L-10] (seconds units at L-10).
void AddOneSecond(std::string& b)
{
    const std::size_t L = b.size();
    if (Tick(b[L - 10], '9') && Tick(b[L - 11], '5') && Tick(b[L - 12], '9') && Tick(b[L - 13], '5')) {
        // The hours carry as a clock's do, 00 to 23; 23 becomes 00 and the
        // carry stops there, since the stamp is a time of day.
        char& tens = b[L - 15];
        char& units = b[L - 14];
        const int hour = (tens - '0') * 10 + (units - '0');
        const int next = hour >= 23 || hour < 0 ? 0 : hour + 1;
        tens = static_cast<char>('0' + next / 10);
        units = static_cast<char>('0' + next % 10);
    }
}

bool IsMp4(const std::string& path)
{
    const std::size_t L = path.size();
    return L >= 4 && path[L - 4] == '.' && (path[L - 3] | 0x20) == 'm' && (path[L - 2] | 0x20) == 'p' && path[L - 1] == '4';
}

// Today's pairs name the camera by its letter just before the extension:
// YYYYMMDD_HHMMSS_<type>F / R (BlackVue) and name_F / name_R.
std::optional<std::string> Mp4Companion(const std::string& path)
{
    const std::size_t L = path.size();
    if (!IsMp4(path) || L < 6 || path[L - 5] != 'F')
        return std::nullopt;
    if (path[L - 6] != '_' && !IsBlackVueName(std::filesystem::path(path).stem().string(), 'F'))
        return std::nullopt;
    std::string rear = path;
    rear[L - 5] = 'R';
    return rear;
}

}  // namespace

std::string DeriveCompanionPath(const std::string& path, bool isNT96650A,
                                const std::function<bool(const std::string&)>& exists)
{
    if (auto rear = Mp4Companion(path))
        return *rear;
    std::string b = path;
    const std::size_t L = b.size();
    if (isNT96650A) {
        // The camera letter last before the extension, a three-digit counter before it.
        if (L > 8 && b[L - 5] == 'A') {
            b[L - 5] = 'B';
            IncrementCounter(b, L - 8, L - 6);
        }
    } else if (L >= 21 && b[L - 21] == 'A') {
        // The letter sixteen places before the end of the name, a four-digit counter last.
        b[L - 21] = 'B';
        IncrementCounter(b, L - 8, L - 5);
    }
    // An MP4 no rule applies to is a single camera's recording: it has none.
    if (IsMp4(path) && b == path)
        return b;
    if (L >= 16 && !exists(b))
        AddOneSecond(b);
    return b;
}

std::string RearCameraFile(const std::string& path)
{
    std::string datPath;
    const bool nt96650a = FindDatFile(path, datPath) != 0 && DetectChipset(path).isNT96650A;
    auto exists = [](const std::string& p) {
        std::error_code error;
        return std::filesystem::is_regular_file(p, error);
    };
    const std::string rear = DeriveCompanionPath(path, nt96650a, exists);
    return rear != path && exists(rear) ? rear : std::string();
}
