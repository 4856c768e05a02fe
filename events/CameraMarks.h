#pragma once
// What a camera's own filing says of a recording: an event it locked or
// saved apart, or a parking-mode recording. Read from the path alone, as the
// cameras mark them: folders named for events or parking, letters in the
// file's name, and the protection the camera sets.

#include <string>

enum class CameraMark { None, Event, Parking };

CameraMark CameraMarkOf(const std::string& path, bool isProtected);
