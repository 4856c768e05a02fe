#pragma once
// The rear camera's file for a front camera's file: the camera letter turned
// from A to B, the counter one up, and, when no such file exists, the time
// stamp one second later. An MP4 named YYYYMMDD_HHMMSS_<type>F or name_F
// has its rear camera in ...R / name_R.

#include <functional>
#include <string>

// `exists` tells whether a file is there.
std::string DeriveCompanionPath(const std::string& path, bool isNT96650A,
                                const std::function<bool(const std::string&)>& exists);

// The rear camera's recording for the front one at `path` as the player pairs
// them (the chip read from the file where it names one); empty when the
// camera wrote none.
std::string RearCameraFile(const std::string& path);
