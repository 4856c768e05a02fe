#pragma once
// A moment marked along a time axis (the seek bar, the waveform), in the
// axis's own units, drawn in its colour; and a stretch of that axis.

#include <QColor>

struct TimeMark {
    int at = 0;
    QColor colour;
};

// A stretch between two moments, shaded, each end drawn as a bracket where
// it falls on the axis; a stretch that goes on beyond the axis shows no end
// there.
struct TimeSpan {
    int from = 0;
    int to = 0;
    bool fromShown = true;
    bool toShown = true;
    QColor colour;
};
