#pragma once
// The program's own pictures, found by resource number and kind, at the
// screen's scale: on a screen of two device pixels to one the skin's @2x
// pictures, which say so by their device pixel ratio.

#include <QImage>
#include <QRectF>

// Device pixels per skin pixel of the pictures loaded: 2 when the screen asks
// for 1.5 or more, else 1.
qreal SkinScale();

// 1 and `out` set when picture `id` of kind `type` ("PNG", "JPG", "BMP") is
// carried by the program; 0 and `out` unchanged otherwise. At `scale` 2 the
// finer picture, where there is one.
int LoadResourceImage(int id, const char* type, QImage& out, qreal scale = SkinScale());

// The part of `picture` over `skin` (a rectangle in skin pixels), in the
// picture's own pixels: what drawImage takes as its source.
QRectF PicturePart(const QImage& picture, const QRectF& skin);

// The picture's size in skin pixels.
QSize SkinSize(const QImage& picture);
