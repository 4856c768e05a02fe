#pragma once
// The entries of a folder found by name in any case: cards copied by hand
// and cameras that write GPS, GPSDATA or GMetrix in their own spelling.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

std::string LowerCase(std::string_view text);

// The entry of `folder` called `name`, a folder when `wantFolder`, else a
// file: the exact spelling first, else one that differs only in case.
std::optional<std::filesystem::path> FindFolderEntry(const std::filesystem::path& folder, const std::string& name,
                                                     bool wantFolder);
