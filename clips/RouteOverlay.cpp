#include "RouteOverlay.h"

#include <algorithm>
#include <cmath>

RouteBox PlaceRouteBox(const Placement& p)
{
    RouteBox box;
    box.size = std::max(24, p.large.height / 4);
    box.padding = std::max(3, box.size / 10);
    box.x = p.large.width - box.size - p.margin;
    const bool inset = p.other.width > 0 && p.otherX < p.large.width && p.otherY < p.large.height;
    box.y = (inset ? p.otherY : p.large.height) - box.size - p.margin;
    box.x = std::max(0, box.x);
    box.y = std::max(0, box.y);
    return box;
}

RouteOverlay::RouteOverlay(std::vector<std::pair<double, ClipPlace>> route, RouteBox box)
    : route_(std::move(route)), box_(box)
{
    if (route_.empty())
        return;
    // A flat projection fits a clip's few hundred metres: longitude shrunk
    // by the cosine of the latitude, so a turn keeps its angle.
    double minLat = 90, maxLat = -90, minLon = 180, maxLon = -180;
    for (const auto& [when, place] : route_) {
        minLat = std::min(minLat, place.latitude);
        maxLat = std::max(maxLat, place.latitude);
        minLon = std::min(minLon, place.longitude);
        maxLon = std::max(maxLon, place.longitude);
    }
    cosLatitude_ = std::cos((minLat + maxLat) / 2 * M_PI / 180);
    const double width = (maxLon - minLon) * cosLatitude_, height = maxLat - minLat;
    const double room = box_.size - 2 * box_.padding;
    scale_ = room / std::max({width, height, 1e-9});
    originX_ = box_.x + box_.padding + (room - width * scale_) / 2 - minLon * cosLatitude_ * scale_;
    originY_ = box_.y + box_.padding + (room - height * scale_) / 2 + maxLat * scale_;
    for (const auto& [when, place] : route_)
        points_.push_back(PixelOf(place));
}

std::pair<double, double> RouteOverlay::PixelOf(const ClipPlace& place) const
{
    return {originX_ + place.longitude * cosLatitude_ * scale_, originY_ - place.latitude * scale_};
}

namespace {

struct Colour {
    uint8_t y, u, v;
};
constexpr Colour kLine{235, 128, 128};   // white
constexpr Colour kCar{81, 90, 240};      // red

// The square darkened and its colour taken out, so the route reads over any picture.
void Dim(AVFrame* f, const RouteBox& box)
{
    const int right = std::min(f->width, box.x + box.size), bottom = std::min(f->height, box.y + box.size);
    for (int y = box.y; y < bottom; ++y)
        for (int x = box.x; x < right; ++x) {
            uint8_t& luma = f->data[0][y * f->linesize[0] + x];
            luma = static_cast<uint8_t>(16 + (luma - 16) / 3);
        }
    for (int y = box.y / 2; y < bottom / 2; ++y)
        for (int x = box.x / 2; x < right / 2; ++x)
            for (int plane = 1; plane <= 2; ++plane) {
                uint8_t& chroma = f->data[plane][y * f->linesize[plane] + x];
                chroma = 128;
            }
}

// A round dot of `radius`; chroma in the 2x2 blocks it covers.
void Dot(AVFrame* f, double cx, double cy, double radius, Colour c)
{
    const int x0 = static_cast<int>(std::floor(cx - radius)), x1 = static_cast<int>(std::ceil(cx + radius));
    const int y0 = static_cast<int>(std::floor(cy - radius)), y1 = static_cast<int>(std::ceil(cy + radius));
    for (int y = std::max(0, y0); y <= std::min(f->height - 1, y1); ++y)
        for (int x = std::max(0, x0); x <= std::min(f->width - 1, x1); ++x) {
            if ((x - cx) * (x - cx) + (y - cy) * (y - cy) > radius * radius)
                continue;
            f->data[0][y * f->linesize[0] + x] = c.y;
            f->data[1][(y / 2) * f->linesize[1] + x / 2] = c.u;
            f->data[2][(y / 2) * f->linesize[2] + x / 2] = c.v;
        }
}

void Line(AVFrame* f, std::pair<double, double> a, std::pair<double, double> b, double width, Colour c)
{
    const double length = std::hypot(b.first - a.first, b.second - a.second);
    const int steps = std::max(1, static_cast<int>(std::ceil(length)));
    for (int i = 0; i <= steps; ++i) {
        const double t = static_cast<double>(i) / steps;
        Dot(f, a.first + (b.first - a.first) * t, a.second + (b.second - a.second) * t, width / 2, c);
    }
}

}  // namespace

void RouteOverlay::Draw(AVFrame* frame, double clipSeconds) const
{
    if (points_.empty())
        return;
    Dim(frame, box_);
    const double width = std::max(2.0, box_.size / 40.0);
    for (std::size_t i = 1; i < points_.size(); ++i)
        Line(frame, points_[i - 1], points_[i], width, kLine);
    if (points_.size() == 1)
        Dot(frame, points_[0].first, points_[0].second, width, kLine);
    // The car at its last fix at or before the picture.
    std::size_t at = 0;
    while (at + 1 < route_.size() && route_[at + 1].first <= clipSeconds + 1e-6)
        ++at;
    Dot(frame, points_[at].first, points_[at].second, std::max(3.0, box_.size / 16.0), kCar);
}
