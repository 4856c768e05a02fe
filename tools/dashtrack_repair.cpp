#include "dashtrack_repair.h"

#include <cstdio>
#include <string>

bool ParseRepair(int argc, char** argv, RepairRequest& request)
{
    for (int i = 2; i < argc; ++i) {
        const std::string a = argv[i];
        const bool hasValue = i + 1 < argc;
        if (a == "--reference" && hasValue)
            request.reference = argv[++i];
        else if (a == "--output" && hasValue)
            request.output = argv[++i];
        else if (a.rfind("--", 0) == 0 || !request.damaged.empty())
            return false;
        else
            request.damaged = a;
    }
    return !request.damaged.empty();
}

namespace {

void PrintKept(const RepairReport& r)
{
    std::printf("repaired: %s\nreference: %s\ndamaged: %s\n", r.output.c_str(), r.reference.c_str(),
                DamageText(r.damage));
    std::printf("pictures: %llu (%.3f s)\n", static_cast<unsigned long long>(r.pictures), r.videoSeconds);
    std::printf("sound: %llu samples (%.3f s)\n", static_cast<unsigned long long>(r.soundSamples), r.soundSeconds);
    std::printf("track samples: %llu\nfreeGPS blocks: %llu\n", static_cast<unsigned long long>(r.dataSamples),
                static_cast<unsigned long long>(r.freeGpsBlocks));
    if (!r.stop.empty())
        std::printf("stopped at: %s\n", r.stop.c_str());
}

}  // namespace

int RunRepair(const RepairRequest& request)
{
    RepairRequest withProgress = request;
    int told = -1;
    withProgress.progress = [&](double share) {
        const int percent = static_cast<int>(share * 100);
        if (percent != told)
            std::fprintf(stderr, "\r%3d %%", told = percent);
        return true;
    };
    RepairReport report;
    const std::string error = RepairRecording(withProgress, report);
    if (told >= 0)
        std::fputs("\n", stderr);
    if (!error.empty()) {
        std::fprintf(stderr, "dashtrack: %s\n", error.c_str());
        return 1;
    }
    PrintKept(report);
    return 0;
}
