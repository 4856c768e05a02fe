#pragma once
// What the program writes never replaces a file half-way: the new contents go
// into a file of their own beside the target, reach the disk, and only then
// take the target's name. A failure leaves the target as it was and nothing
// else behind. A target that is not a regular file (a device, a pipe) cannot
// be replaced that way and is written directly, every write checked.

#include <functional>
#include <ostream>
#include <string>

// True when written whole; otherwise false with `error` saying why in a few words.
bool WriteFileSafely(const std::string& target, const std::function<void(std::ostream&)>& write, std::string& error);

// True when the two paths lead to one file (a link, another spelling, a hard
// link): an output must never be one of the inputs.
bool SameFile(const std::string& a, const std::string& b);
