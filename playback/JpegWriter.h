#pragma once
// Writes a picture as a baseline JPEG file of quality 80 through libjpeg.

#include <string>

class QImage;

// 1 when the file was written whole; 0 otherwise, and nothing is left behind.
int WriteJpeg(const std::string& path, const QImage& picture);
