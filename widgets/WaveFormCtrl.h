#pragma once
// The three G-sensor axes of the whole recording, a cursor at the current
// moment, the values and speed of that moment and the elapsed and total time.

#include "SpeedDash.h"
#include "skin/TimeMark.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QWidget>
#include <string>
#include <vector>

class CTrackLoader;
struct tagAssistInfo;
class QPainter;

class CWaveFormCtrl : public QWidget {
    Q_OBJECT
public:
    explicit CWaveFormCtrl(QWidget* parent = nullptr);

    void SetTrack(const CTrackLoader* track) { track_ = track; }
    void Refresh();
    void SetTotalSeconds(int seconds) { totalSeconds_ = seconds; }
    void SetSpeedUnit(SpeedDash::SpeedUnit unit)
    {
        unit_ = unit;
        update();
    }
    void SetElapsedSeconds(int seconds);
    void SetCursor(int slot);
    // The cursor slot's values; outputs untouched when the cursor is off the track.
    void GetCursorValues(float& x, float& y, float& z, std::string& longitude, std::string& latitude) const;
    // The whole picture into any painter, at the control's size from (0, 0).
    void DrawTo(QPainter& painter);

    // Small flags above the curves at these slots, with a faint line down.
    void SetMarks(std::vector<TimeMark> marks);
    const std::vector<TimeMark>& Marks() const { return marks_; }
    int Cursor() const { return cursor_; }
    int Count() const { return count_; }
    QRect PlotRect() const;
    float XStep() const { return xStep_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void DrawCurves(QPainter& painter, const QRect& plot);
    void BuildCurves(const QRect& plot, const std::vector<struct tagAssistInfo>& samples);
    void DrawTexts(QPainter& painter, const QRect& plot);
    void DrawMarks(QPainter& painter, const QRect& plot);

    const CTrackLoader* track_ = nullptr;
    SpeedDash::SpeedUnit unit_ = SpeedDash::SpeedUnit::Kmh;
    QFont font_;
    float xStep_ = 0.0f;
    float yScale_ = 0.0f;
    int count_ = 0;
    int cursor_ = -1;
    int elapsedSeconds_ = 0;
    int totalSeconds_ = 0;
    std::vector<TimeMark> marks_;

    // The curves of the last track and size drawn.
    struct Curves {
        QRect plot;
        int count = -1;
        const void* data = nullptr;
        std::size_t size = 0;
        float xStep = 0, yScale = 0;
        QImage layer;
    } curves_;
};

// A polyline's points (x ascending) reduced, column by column, to the first,
// highest, lowest and last point in their order: drawn, it looks the same.
class ColumnReducer {
public:
    void Add(QPoint point);
    std::vector<QPoint> Take();

private:
    void Flush();
    std::vector<QPoint> points_;
    QPoint first_, low_, high_, last_;
    std::size_t lowAt_ = 0, highAt_ = 0, count_ = 0, flushedAt_ = 0;
};

std::vector<QPoint> ColumnExtremes(const std::vector<QPoint>& points);

// "%02d:%02d:%02d" of a number of seconds.
QString ClockText(int seconds);
