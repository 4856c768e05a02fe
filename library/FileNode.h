#pragma once
// One imported recording, worked out once when it is added.

#include <string>

struct tagFileNode {
    std::string path;      // full path of the recording
    std::string name;      // name shown in the list
    std::string datPath;   // side file, or empty
    std::string timeText;  // "%02d:%02d:%02d %02d-%02d-%04d": h, m, s, month, day, year
    int spare = 0;
    int isProtected = 0;   // the file has no write permission
    int isA7L = 0;
    int isNT96650A = 0;
    // What a power loss left wrong with it, in the user's words (the list's
    // mark and tooltip); empty: it is whole.
    std::string damage;
};
