#pragma once
// The FFmpeg libraries tell only of errors: their encoders' statistics are
// not for the user.
void SilenceMediaLibraries();
