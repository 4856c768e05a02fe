#pragma once
// A moment marked along a time axis (the seek bar, the waveform), in the
// axis's own units, drawn in its colour.

#include <QColor>

struct TimeMark {
    int at = 0;
    QColor colour;
};
