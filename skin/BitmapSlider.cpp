#include "BitmapSlider.h"

#include "ResourceImage.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionFocusRect>
#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

// Loads bitmap `id`; when transparent, pixels of the transparent colour are
// made see-through once here (the mask), not on every paint.
bool LoadPicture(int id, bool transparent, quint32 transColour, int x, int y, QImage& out)
{
    QImage picture;
    if (!LoadResourceImage(id, "BMP", picture))
        return false;
    picture = picture.convertToFormat(QImage::Format_ARGB32);
    if (transparent) {
        const QPoint at = PicturePart(picture, QRectF(x, y, 1, 1)).topLeft().toPoint();
        const QRgb key = transColour == 0xFF000000u ? picture.pixel(at) : (transColour | 0xFF000000u);
        for (int row = 0; row < picture.height(); ++row) {
            auto* line = reinterpret_cast<QRgb*>(picture.scanLine(row));
            for (int col = 0; col < picture.width(); ++col)
                if (line[col] == key)
                    line[col] = 0;
        }
    }
    out = picture;
    return true;
}

// A picture and its optional second one (0: none). Id 0 empties both; a
// second picture that fails to load drops the first as well.
bool LoadPicturePair(int normalId, int activeId, bool transparent, quint32 transColour, int x, int y, QImage& normal,
                     QImage& active)
{
    normal = active = QImage();
    if (normalId == 0)
        return true;
    if (!LoadPicture(normalId, transparent, transColour, x, y, normal))
        return false;
    if (activeId != 0 && !LoadPicture(activeId, transparent, transColour, x, y, active)) {
        normal = QImage();
        return false;
    }
    return true;
}

}  // namespace

CBitmapSlider::CBitmapSlider(QWidget* parent, int id) : QWidget(parent), id_(id)
{
    setFocusPolicy(Qt::StrongFocus);
}

bool CBitmapSlider::SetChannelBitmaps(int normalId, int activeId, bool transparent, quint32 transColour, int x, int y)
{
    if (!LoadPicturePair(normalId, activeId, transparent, transColour, x, y, channel_, channelActive_))
        return false;
    if (!channel_.isNull()) {
        width_ = SkinSize(channel_).width();
        height_ = SkinSize(channel_).height();
        resize(width_, height_);
    }
    return true;
}

bool CBitmapSlider::SetThumbBitmaps(int normalId, int activeId, bool transparent, quint32 transColour, int x, int y)
{
    if (!LoadPicturePair(normalId, activeId, transparent, transColour, x, y, thumb_, thumbActive_))
        return false;
    thumbWidth_ = SkinSize(thumb_).width();
    thumbHeight_ = SkinSize(thumb_).height();
    if (channel_.isNull()) {
        width_ = width();
        height_ = height();
    }
    return true;
}

void CBitmapSlider::SetRange(int min, int max, bool redraw)
{
    min_ = min;
    max_ = max;
    if (redraw)
        update();
}

void CBitmapSlider::SetPos(int pos)
{
    pos_ = pos;
    if (pos_ > max_)
        pos_ = max_;
    if (pos_ < min_)
        pos_ = min_;
    update();
}

void CBitmapSlider::SetMargins(int left, int top, int right, int bottom)
{
    marginLeft_ = left;
    marginTop_ = top;
    marginRight_ = right;
    marginBottom_ = bottom;
}

void CBitmapSlider::SetFocusRect(bool draw, bool redraw)
{
    drawFocusRect_ = draw;
    if (redraw)
        update();
}

int CBitmapSlider::PositionToPixel(int pos) const
{
    if (max_ == min_)
        return marginLeft_ + thumbWidth_ / 2;
    const double travel = width_ - marginLeft_ - marginRight_ - thumbWidth_;
    return marginLeft_ + thumbWidth_ / 2 + static_cast<int>(travel * (pos - min_) / (max_ - min_));
}

int CBitmapSlider::PixelToPosition(int x) const
{
    const double travel = width_ - marginLeft_ - marginRight_ - thumbWidth_;
    if (travel <= 0)
        return min_;
    return static_cast<int>(min_ + (x - marginLeft_ - thumbWidth_ / 2) / travel * (max_ - min_));
}

void CBitmapSlider::SetMarks(std::vector<TimeMark> marks)
{
    marks_ = std::move(marks);
    update();
}

void CBitmapSlider::SetSpan(std::optional<TimeSpan> span)
{
    span_ = std::move(span);
    update();
}

// The stretch is shaded see-through so that the passed part of the channel
// still shows under it; its ends are solid, a bracket's arms pointing inwards.
void CBitmapSlider::PaintSpan(QPainter& painter) const
{
    if (!span_)
        return;
    const int left = PositionToPixel(span_->from), right = PositionToPixel(span_->to);
    QColor shade = span_->colour;
    shade.setAlpha(110);
    if (right > left)
        painter.fillRect(left, 0, right - left, height_, shade);
    constexpr int kArm = 4;
    const int arm = std::min(2, std::max(1, height_ / 4));
    const auto bracket = [&](int x, int inwards) {
        painter.fillRect(x - kMarkWidth / 2, 0, kMarkWidth, height_, span_->colour);
        const int armLeft = inwards > 0 ? x + kMarkWidth / 2 + 1 : x - kMarkWidth / 2 - kArm;
        painter.fillRect(armLeft, 0, kArm, arm, span_->colour);
        painter.fillRect(armLeft, height_ - arm, kArm, arm, span_->colour);
    };
    if (span_->fromShown)
        bracket(left, 1);
    if (span_->toShown)
        bracket(right, -1);
}

void CBitmapSlider::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const int centreX = PositionToPixel(pos_);
    if (!channel_.isNull()) {
        if (channelActive_.isNull()) {
            painter.drawImage(0, 0, channel_);
        } else {
            // The passed part, left of the thumb centre, from the second picture.
            painter.drawImage(QPoint(centreX, 0), channel_, PicturePart(channel_, QRect(centreX, 0, width_ - centreX, height_)));
            painter.drawImage(QPoint(0, 0), channelActive_, PicturePart(channelActive_, QRect(0, 0, centreX, height_)));
        }
    }
    PaintSpan(painter);
    for (const TimeMark& mark : marks_)
        painter.fillRect(PositionToPixel(mark.at) - kMarkWidth / 2, 0, kMarkWidth, height_, mark.colour);
    if (!thumb_.isNull()) {
        const QImage& picture = dragging_ && !thumbActive_.isNull() ? thumbActive_ : thumb_;
        painter.drawImage(QPoint(centreX - thumbWidth_ / 2, marginTop_), picture, PicturePart(picture, QRect(0, 0, thumbWidth_, thumbHeight_)));
    }
    if (drawFocusRect_ && hasFocus_) {
        QStyleOptionFocusRect option;
        option.initFrom(this);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
    }
}

void CBitmapSlider::Post(bool moved)
{
    const int id = id_, pos = pos_;
    QMetaObject::invokeMethod(
        this, [this, moved, id, pos] { moved ? emit sliderMoved(id, pos) : emit sliderMoving(id, pos); },
        Qt::QueuedConnection);
}

void CBitmapSlider::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return QWidget::mousePressEvent(event);
    setFocus(Qt::MouseFocusReason);
    dragging_ = true;
    const int x = static_cast<int>(event->position().x());
    const int fromCentre = x - PositionToPixel(pos_);
    // Beside the thumb, the thumb centres on the click; on it, it keeps the grab point.
    grabOffset_ = std::abs(fromCentre) > thumbWidth_ / 2 ? 0 : fromCentre;
    MoveThumbTo(x);
    update();
}

void CBitmapSlider::MoveThumbTo(int x)
{
    int d = x - grabOffset_;
    d = std::max(d, marginLeft_ + thumbWidth_ / 2);
    d = std::min(d, width_ - marginRight_ - thumbWidth_ / 2);
    if (d != PositionToPixel(pos_)) {
        SetPos(PixelToPosition(d));
        Post(false);
    }
}

void CBitmapSlider::mouseMoveEvent(QMouseEvent* event)
{
    if (dragging_)
        MoveThumbTo(static_cast<int>(event->position().x()));
}

void CBitmapSlider::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return QWidget::mouseReleaseEvent(event);
    dragging_ = false;
    update();
    Post(true);
}

void CBitmapSlider::keyPressEvent(QKeyEvent* event)
{
    int next = pos_;
    switch (event->key()) {
    case Qt::Key_PageUp: next = pos_ - pageSize_; break;
    case Qt::Key_PageDown: next = pos_ + pageSize_; break;
    case Qt::Key_End: next = max_; break;
    case Qt::Key_Home: next = min_; break;
    case Qt::Key_Left:
    case Qt::Key_Up: next = pos_ - 1; break;
    case Qt::Key_Right:
    case Qt::Key_Down: next = pos_ + 1; break;
    default: return QWidget::keyPressEvent(event);
    }
    SetPos(next);
    Post(true);
    event->accept();
}

void CBitmapSlider::focusInEvent(QFocusEvent* event)
{
    hasFocus_ = true;
    update();
    QWidget::focusInEvent(event);
}

void CBitmapSlider::focusOutEvent(QFocusEvent* event)
{
    hasFocus_ = false;
    update();
    QWidget::focusOutEvent(event);
}
