#pragma once
// Where the main window's controls lie on its 1024 x 768 skin. The window's
// template is laid out in dialog units; at the template's font a unit is
// 1.75 pixels both ways, which maps the 585 x 439 template onto the skin.

#include <QRect>
#include <cmath>

inline int DialogUnitsToPixels(int units)
{
    return static_cast<int>(std::lround(units * 1.75));
}

// Each edge is converted on its own, as dialog rectangles are.
inline QRect DialogRect(int x, int y, int w, int h)
{
    const int left = DialogUnitsToPixels(x), top = DialogUnitsToPixels(y);
    return QRect(left, top, DialogUnitsToPixels(x + w) - left, DialogUnitsToPixels(y + h) - top);
}

namespace Layout {

inline constexpr int kSkinWidth = 1024;
inline constexpr int kSkinHeight = 768;

struct Control {
    int id;
    int x, y, w, h;  // dialog units
    QRect Rect() const { return DialogRect(x, y, w, h); }
};

inline constexpr Control kVideo{1000, 4, 21, 388, 274};
inline constexpr Control kMap{1002, 396, 180, 184, 162};
inline constexpr Control kList{1004, 397, 39, 176, 131};
inline constexpr Control kImport{1005, 396, 21, 39, 14};
inline constexpr Control kClear{1007, 435, 21, 37, 14};
inline constexpr Control kWaveform{1021, 4, 343, 387, 92};
inline constexpr Control kPlay{1008, 177, 301, 30, 26};
inline constexpr Control kStop{1009, 208, 301, 30, 26};
inline constexpr Control kPrev{1010, 146, 301, 30, 26};
inline constexpr Control kNext{1011, 239, 301, 30, 26};
inline constexpr Control kPrint{1012, 325, 301, 32, 26};
inline constexpr Control kCapture{1013, 359, 301, 30, 26};
inline constexpr Control kCycle{1018, 115, 301, 31, 26};
inline constexpr Control kSeekBar{1023, 5, 337, 386, 5};
inline constexpr Control kClose{1025, 566, 3, 13, 12};
inline constexpr Control kMinimize{1024, 548, 3, 13, 12};
inline constexpr Control kVolumeDown{1026, 13, 309, 14, 15};
inline constexpr Control kVolumeUp{1027, 69, 309, 17, 15};
inline constexpr Control kSpeedText{1040, 428, 414, 31, 9};
inline constexpr Control kVideoSwitch{1043, 543, 21, 34, 14};
inline constexpr Control kSwap{1039, 282, 301, 31, 26};

// The place of button `id` (an empty rectangle for another id).
inline QRect ButtonRect(int id)
{
    for (const Control& c : {kCycle, kPrev, kPlay, kStop, kNext, kPrint, kCapture, kImport, kClear, kMinimize,
                             kClose, kVolumeDown, kVolumeUp, kSwap, kVideoSwitch})
        if (c.id == id)
            return c.Rect();
    return {};
}

// The ten volume bars 1028..1037, left to right.
inline Control VolumeBar(int k)
{
    return {1028 + k, 29 + 4 * k, 311, 2, 11};
}

// The secondary view: right of the main view, over the list.
inline QRect SecondViewRect()
{
    const QRect r = kVideo.Rect();
    return QRect(r.right() + 1 + 8, r.top() + 32, 320, 240);
}

// Instruments drawn on the skin.
inline constexpr int kSpeedCentreX = 776;
inline constexpr int kSpeedCentreY = 684;
inline constexpr int kCompassLeft = 900;
inline constexpr int kCompassTop = 645;

}  // namespace Layout
