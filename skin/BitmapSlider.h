#pragma once
// A horizontal slider drawn from bitmaps: a channel, a second channel for the
// part already passed, and a thumb with a second picture while dragging.

#include "TimeMark.h"

#include <QImage>
#include <QWidget>
#include <optional>
#include <vector>

class CBitmapSlider : public QWidget {
    Q_OBJECT
public:
    explicit CBitmapSlider(QWidget* parent = nullptr, int id = 0);

    // `transColour` 0xFF000000 stands for the colour of pixel (transX, transY).
    bool SetChannelBitmaps(int normalId, int activeId, bool transparent, quint32 transColour, int transX, int transY);
    bool SetThumbBitmaps(int normalId, int activeId, bool transparent, quint32 transColour, int transX, int transY);
    void SetRange(int min, int max, bool redraw);
    void SetPos(int pos);
    int GetPos() const { return pos_; }
    int GetRangeMax() const { return max_; }
    void SetMargins(int left, int top, int right, int bottom);
    void SetFocusRect(bool draw, bool redraw);

    int ControlId() const { return id_; }
    // The x of the thumb centre for a position, and the position for an x.
    int PositionToPixel(int pos) const;
    int PixelToPosition(int x) const;
    bool IsDragging() const { return dragging_; }
    // Ticks across the channel at these positions, under the thumb.
    void SetMarks(std::vector<TimeMark> marks);
    const std::vector<TimeMark>& Marks() const { return marks_; }
    static constexpr int kMarkWidth = 3;
    // A shaded stretch with brackets at its ends, under the ticks.
    void SetSpan(std::optional<TimeSpan> span);
    const std::optional<TimeSpan>& Span() const { return span_; }

signals:
    // Both are delivered after the slider's own handling is done, as posted
    // messages are: while dragging, and on release or after a key.
    void sliderMoving(int id, int pos);
    void sliderMoved(int id, int pos);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void Post(bool moved);
    void MoveThumbTo(int x);
    void PaintSpan(QPainter& painter) const;

    int id_;
    int max_ = 100, min_ = 0, pos_ = 0, pageSize_ = 20;
    int width_ = 0, height_ = 0, thumbWidth_ = 0, thumbHeight_ = 0;
    int marginLeft_ = 0, marginRight_ = 0, marginTop_ = 0, marginBottom_ = 0;
    int grabOffset_ = 0;
    bool dragging_ = false, hasFocus_ = false, drawFocusRect_ = true;
    std::vector<TimeMark> marks_;
    std::optional<TimeSpan> span_;
    QImage channel_, channelActive_, thumb_, thumbActive_;  // transparency as alpha
};
