#pragma once
// Where a video of a given size goes in a window: as large as fits, centred,
// keeping its shape; an odd spare pixel goes to the right or bottom.

#include <QRect>
#include <QSize>

inline QRect LetterboxRect(QSize video, QSize window)
{
    const int W = window.width(), H = window.height();
    if (video.width() < 1 || video.height() < 1)
        return QRect(0, 0, W, H);
    const float ratio = static_cast<float>(video.width()) / static_cast<float>(video.height());
    int w = static_cast<int>(H * ratio);
    int h = H;
    if (w > W) {
        w = W;
        h = static_cast<int>(W / ratio);
        if (h > H)
            h = H;
    }
    return QRect((W - w) / 2, (H - h) / 2, w, h);
}
