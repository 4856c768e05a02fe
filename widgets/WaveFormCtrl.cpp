#include "WaveFormCtrl.h"

#include "track/TrackLoader.h"

#include <QPainter>
#include <algorithm>
#include <vector>

namespace {

const QColor kTextColour(130, 149, 179);
constexpr int kTextGap = 10;  // between the speed and the times
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
    font_.setStyleStrategy(QFont::NoAntialias);  // draft quality: plain pixels
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
    curves_ = {};
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

void CWaveFormCtrl::SetMarks(std::vector<TimeMark> marks)
{
    marks_ = std::move(marks);
    update();
}

// A flag in the margin above the plot, where no curve or text lies, so the
// colour stays readable; a faint line shows where the moment falls.
void CWaveFormCtrl::DrawMarks(QPainter& painter, const QRect& plot)
{
    if (count_ < 2)
        return;
    for (const TimeMark& mark : marks_) {
        if (mark.at < 0 || mark.at > count_)
            continue;
        const int x = static_cast<int>(plot.left() + mark.at * xStep_);
        QColor faint = mark.colour;
        faint.setAlpha(110);
        painter.setPen(QPen(faint, 0));
        painter.drawLine(x, plot.top(), x, plot.bottom());
        const QPoint flag[] = {{x - 4, plot.top() - 8}, {x + 4, plot.top() - 8}, {x, plot.top() - 1}};
        painter.setPen(Qt::NoPen);
        painter.setBrush(mark.colour);
        painter.drawPolygon(flag, 3);
    }
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
    DrawMarks(p, plot);
    if (cursor_ >= 0 && track_ && cursor_ <= track_->GetCount()) {
        p.setPen(QPen(QColor(0, 255, 0), 0));
        const int x = static_cast<int>(L + cursor_ * xStep_);
        p.drawLine(x, T, x, B);
    }
    DrawTexts(p, plot);
    p.restore();
}

void ColumnReducer::Add(QPoint point)
{
    if (count_ == 0 || point.x() != first_.x()) {
        Flush();
        first_ = low_ = high_ = last_ = point;
        lowAt_ = highAt_ = count_;
    } else {
        if (point.y() < high_.y()) {
            high_ = point;
            highAt_ = count_;
        }
        if (point.y() > low_.y()) {
            low_ = point;
            lowAt_ = count_;
        }
        last_ = point;
    }
    ++count_;
}

void ColumnReducer::Flush()
{
    if (count_ == 0 || flushedAt_ == count_)
        return;
    flushedAt_ = count_;
    // First, the extremes in the order they came, last; each point once.
    const bool highFirst = highAt_ <= lowAt_;
    const QPoint& a = highFirst ? high_ : low_;
    const QPoint& b = highFirst ? low_ : high_;
    const std::size_t start = points_.size();
    const QPoint* const order[] = {&first_, &a, &b, &last_};
    for (const QPoint* p : order) {
        if (points_.size() == start || points_.back() != *p)
            points_.push_back(*p);
    }
}

std::vector<QPoint> ColumnReducer::Take()
{
    Flush();
    return std::move(points_);
}

std::vector<QPoint> ColumnExtremes(const std::vector<QPoint>& points)
{
    ColumnReducer reducer;
    for (const QPoint& p : points)
        reducer.Add(p);
    return reducer.Take();
}

// One curve per axis, through every slot's point; a column crowded with
// points is drawn through its extremes only, which gives the same picture
// at a cost set by the width, not by the length of the recording. The lines
// are drawn once into a transparent layer, kept until the track or the size
// changes, so that the ten repaints a second of playback cost one copy.
void CWaveFormCtrl::DrawCurves(QPainter& p, const QRect& plot)
{
    const TrackSlots& samples = track_->Slots();
    const bool fresh = curves_.plot == plot && curves_.count == count_ && curves_.data == samples.data() &&
                       curves_.size == samples.size() && curves_.layer.deviceIndependentSize() == QSizeF(size()) &&
                       curves_.layer.devicePixelRatio() == devicePixelRatioF();
    if (!fresh)
        BuildCurves(plot, samples);
    xStep_ = curves_.xStep;
    yScale_ = curves_.yScale;
    p.drawImage(0, 0, curves_.layer);
}

void CWaveFormCtrl::BuildCurves(const QRect& plot, const TrackSlots& samples)
{
    const int L = plot.left(), T = plot.top(), W = plot.right() + 1 - L, H = plot.bottom() + 1 - T;
    curves_.plot = plot;
    curves_.count = count_;
    curves_.data = samples.data();
    curves_.size = samples.size();
    curves_.xStep = static_cast<float>(W) / static_cast<float>(count_ - 1);
    curves_.yScale = static_cast<float>(H) / 40.0f;
    const int yMid = T + H / 2;
    const float perG = 10 * curves_.yScale;
    ColumnReducer reducers[3];
    for (int i = 0; i < count_; ++i) {
        const auto at = static_cast<std::size_t>(i);
        const int x = static_cast<int>(L + i * curves_.xStep);
        // A slot that cannot be read counts as zeros.
        const bool known = at < samples.size();
        const float values[3] = {known ? samples[at].x : 0.0f, known ? samples[at].y : 0.0f, known ? samples[at].z : 0.0f};
        for (int axis = 0; axis < 3; ++axis)
            reducers[axis].Add(QPoint(x, static_cast<int>(yMid - values[axis] * perG)));
    }
    // At the screen's own pixels: on a finer screen the curves are as fine.
    curves_.layer = QImage(size() * devicePixelRatioF(), QImage::Format_ARGB32_Premultiplied);
    curves_.layer.setDevicePixelRatio(devicePixelRatioF());
    curves_.layer.fill(Qt::transparent);
    QPainter layer(&curves_.layer);
    const QColor colours[3] = {kXColour, kYColour, kZColour};
    for (int axis = 0; axis < 3; ++axis) {
        const std::vector<QPoint> line = reducers[axis].Take();
        layer.setPen(QPen(colours[axis], 1));
        layer.drawPolyline(line.data(), static_cast<int>(line.size()));
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
    // The times end at the plot's right edge and the speed ends a gap before
    // them, so neither is clipped nor runs into the other at any length.
    const QString times = ClockText(elapsedSeconds_) + "/" + ClockText(totalSeconds_);
    const int timesLeft = R - metrics.horizontalAdvance(times);
    const QString speed = SpeedDash::SpeedText(slot.speed, unit_);
    text(timesLeft, kTextColour, times);
    text(timesLeft - kTextGap - metrics.horizontalAdvance(speed), kTextColour, speed);
}
