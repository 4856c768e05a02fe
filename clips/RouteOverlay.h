#pragma once
// The clip's route drawn into its pictures: the fixes as a line in a dimmed
// square, and a dot where the car is. Vector drawing from the track only; no
// map tiles, so a clip can be made without a network.

#include "ClipOutput.h"
#include "Composition.h"

#include <utility>
#include <vector>

struct RouteBox {
    int x = 0, y = 0, size = 0;  // the square, in the clip's pixels
    int padding = 0;             // between its edge and the route
};

// The square's place: on the right, above the inset picture when there is one.
RouteBox PlaceRouteBox(const Placement& placement);

class RouteOverlay {
public:
    // `route`: the fixes with their time in the clip, in order.
    RouteOverlay(std::vector<std::pair<double, ClipPlace>> route, RouteBox box);

    bool Empty() const { return points_.empty(); }
    // The route into `frame` (yuv420p, writable), the dot at `clipSeconds`.
    void Draw(AVFrame* frame, double clipSeconds) const;
    // Where a place falls in the clip's pixels.
    std::pair<double, double> PixelOf(const ClipPlace& place) const;

private:
    std::vector<std::pair<double, ClipPlace>> route_;
    std::vector<std::pair<double, double>> points_;  // in pixels
    RouteBox box_;
    double scale_ = 1, originX_ = 0, originY_ = 0, cosLatitude_ = 1;
};
