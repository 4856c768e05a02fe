#pragma once
// The program's own pictures, found by resource number and kind.

#include <QImage>

// 1 and `out` set when picture `id` of kind `type` ("PNG", "JPG", "BMP") is
// carried by the program; 0 and `out` unchanged otherwise.
int LoadResourceImage(int id, const char* type, QImage& out);
