#include "WaveFormCtrl.h"

#include "track/TrackLoader.h"

#include <QPainter>
#include <algorithm>
#include <vector>

namespace {

const QColor kTextColour(130, 149, 179);
const QColor kXColour(255, 255, 255);
const QColor kYColour(255, 0, 0);
const QColor kZColour(0, 255, 0);
const QColor kGrid(32, 37, 42);

tagAssistInfo SlotOrZeros(const CTrackLoader* track, int index)
{
    tagAssistInfo slot;
    if (!track || track->GetAssistInfo(index, slot) != 0)
        slot = tagAssistInfo();
    return slot;
}

}  // namespace

QString ClockText(int seconds)
{
    return QString::asprintf("%02d:%02d:%02d", seconds / 3600, (seconds % 3600) / 60, seconds % 60);
}

CWaveFormCtrl::CWaveFormCtrl(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    font_ = QFont("Arial");
    // A 14-pixel character cell, as the recorders' software sizes it: 12-pixel letters.
    font_.setPixelSize(12);
    font_.setWeight(QFont::Normal);
}

QRect CWaveFormCtrl::PlotRect() const
{
    // Edges as the recorders' software measures them: right and bottom exclusive.
    return QRect(QPoint(24, 14), QPoint(width() - 1 - 1, height() - 14 - 1));
}

void CWaveFormCtrl::Refresh()
{
    count_ = track_ ? track_->GetCount() : 0;
    cursor_ = 0;
    update();
}

void CWaveFormCtrl::SetElapsedSeconds(int seconds)
{
    elapsedSeconds_ = seconds;
    update();
}

void CWaveFormCtrl::SetCursor(int slot)
{
    if (slot < 0 || slot > count_)
        return;
    cursor_ = slot;
    update();
}

void CWaveFormCtrl::GetCursorValues(float& x, float& y, float& z, std::string& longitude, std::string& latitude) const
{
    if (cursor_ < 0 || cursor_ >= count_ || !track_)
        return;
    tagAssistInfo slot;
    if (track_->GetAssistInfo(cursor_, slot) != 0)
        return;
    x = slot.x;
    y = slot.y;
    z = slot.z;
    longitude = slot.longitude;
    latitude = slot.latitude;
}

void CWaveFormCtrl::paintEvent(QPaintEvent*)
{
    QPainter painter(this);  // Qt paints off screen already: no second buffer
    DrawTo(painter);
}

void CWaveFormCtrl::DrawTo(QPainter& p)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setFont(font_);
    const QRect plot = PlotRect();
    const int L = plot.left(), T = plot.top(), R = plot.right() + 1, B = plot.bottom() + 1;
    const int H = B - T;
    p.fillRect(rect(), QColor(10, 10, 10));
    p.fillRect(QRect(L, T, R - L, B - T), QColor(19, 19, 19));
    // Labels: top-left corners, y advancing by H / 4.
    p.setPen(kTextColour);
    const QFontMetrics metrics(font_);
    auto text = [&](int x, int y, const QString& s) { p.drawText(x, y + metrics.ascent(), s); };
    text(L - 22, T, "+2G");
    text(L - 22, T + H / 4 - 8, "+1G");
    text(L - 22, T + 2 * (H / 4) - 8, " 0G");
    text(L - 22, T + 3 * (H / 4) - 8, "-1G");
    text(L - 22, T + 4 * (H / 4) - 10, "-2G");
    const QPen solid(kGrid, 0), dotted(kGrid, 0, Qt::DotLine);
    p.setPen(dotted);
    p.drawLine(L, T + H / 4, R, T + H / 4);
    p.setPen(solid);
    p.drawLine(L, T, R, T);
    p.drawLine(L, T + 2 * (H / 4), R, T + 2 * (H / 4));
    p.drawLine(L, B, R, B);
    p.drawLine(L, T, L, B);
    p.drawLine(R, T, R, B);
    p.setPen(dotted);
    p.drawLine(L, T + 3 * (H / 4), R, T + 3 * (H / 4));
    if (count_ >= 2)
        DrawCurves(p, plot);
    if (cursor_ >= 0 && track_ && cursor_ <= track_->GetCount()) {
        p.setPen(QPen(QColor(0, 255, 0), 0));
        const int x = static_cast<int>(L + cursor_ * xStep_);
        p.drawLine(x, T, x, B);
    }
    DrawTexts(p, plot);
    p.restore();
}

std::vector<QPoint> ColumnExtremes(const std::vector<QPoint>& points)
{
    std::vector<QPoint> reduced;
    reduced.reserve(points.size() < 4096 ? points.size() : 4096);
    for (std::size_t i = 0; i < points.size();) {
        const std::size_t first = i;
        std::size_t low = i, high = i;
        for (; i < points.size() && points[i].x() == points[first].x(); ++i) {
            if (points[i].y() < points[high].y())
                high = i;
            if (points[i].y() > points[low].y())
                low = i;
        }
        const std::size_t last = i - 1;
        const std::size_t order[4] = {first, std::min(low, high), std::max(low, high), last};
        for (int k = 0; k < 4; ++k) {
            if (k == 0 || order[k] != order[k - 1])
                reduced.push_back(points[order[k]]);
        }
    }
    return reduced;
}

// One curve per axis, through every slot's point; a column crowded with
// points is drawn through its extremes only, which gives the same picture
// at a cost set by the width, not by the length of the recording.
void CWaveFormCtrl::DrawCurves(QPainter& p, const QRect& plot)
{
    const int L = plot.left(), T = plot.top(), W = plot.right() + 1 - L, H = plot.bottom() + 1 - T;
    xStep_ = static_cast<float>(W) / static_cast<float>(count_ - 1);
    yScale_ = static_cast<float>(H) / 40.0f;
    const int yMid = T + H / 2;
    // Read in place: a slot that cannot be read counts as zeros.
    const TrackSlots& samples = track_->Slots();
    const std::pair<float tagAssistInfo::*, QColor> axes[] = {
        {&tagAssistInfo::x, kXColour}, {&tagAssistInfo::y, kYColour}, {&tagAssistInfo::z, kZColour}};
    std::vector<QPoint> points(static_cast<std::size_t>(count_));
    for (const auto& [field, colour] : axes) {
        for (int i = 0; i < count_; ++i) {
            const auto at = static_cast<std::size_t>(i);
            const float v = at < samples.size() ? samples[at].*field : 0.0f;
            points[at] = QPoint(static_cast<int>(L + i * xStep_), static_cast<int>(yMid - v * 10 * yScale_));
        }
        const std::vector<QPoint> line = ColumnExtremes(points);
        p.setPen(QPen(colour, 1));
        p.drawPolyline(line.data(), static_cast<int>(line.size()));
    }
}

void CWaveFormCtrl::DrawTexts(QPainter& p, const QRect& plot)
{
    const int L = plot.left(), R = plot.right() + 1, B = plot.bottom() + 1;
    int index = cursor_;
    if (index < 0 || !track_ || index > track_->GetCount())
        index = 0;
    const tagAssistInfo slot = SlotOrZeros(track_, index);
    const QFontMetrics metrics(font_);
    auto text = [&](int x, const QColor& colour, const QString& s) {
        p.setPen(colour);
        p.drawText(x, B + metrics.ascent(), s);
    };
    text(L + 200, kXColour, QString::asprintf("X: %0.4f", slot.x));
    text(L + 280, kYColour, QString::asprintf("Y: %0.4f", slot.y));
    text(L + 360, kZColour, QString::asprintf("Z: %0.4f", slot.z));
    text(L + 520, kTextColour, QString::asprintf("%dKm/H", slot.speed));
    text(R - 92, kTextColour, ClockText(elapsedSeconds_) + "/" + ClockText(totalSeconds_));
}
