#pragma once
// The recording list in the window's colours: a report view with a header
// drawn from bitmap pieces and bitmap scroll bars beside and below it.

#include "library/RecordingListView.h"

#include <QHeaderView>
#include <QTimer>
#include <QTreeWidget>

class QScrollBar;

class CSkinHeaderCtrl : public QHeaderView {
    Q_OBJECT
public:
    explicit CSkinHeaderCtrl(QWidget* parent = nullptr);
    QSize sizeHint() const override;

    static QFont TitleFont();
    // What a section needs to show `text` whole.
    static int TitleWidth(const QString& text);

protected:
    void paintEvent(QPaintEvent* event) override;
};

// What the two bars share: the thumb follows the list, the thumb drags the
// list, the arrows step it (held: again after 250 ms, then every 50 ms) and
// the channel pages it.
class CSkinScrollbar : public QWidget {
    Q_OBJECT
public:
    void SetList(QTreeWidget* list) { list_ = list; }
    void UpdateThumb();
    int Thumb() const { return thumb_; }

protected:
    struct Geometry {
        int start;           // thumb position at the start of the travel
        int spare;           // length not travelled by the thumb
        int farArrow;        // distance of the far arrow from the end
        bool arrowsNeedPress;  // an arrow acts on release only when pressed there
    };
    CSkinScrollbar(QWidget* parent, Geometry geometry);

    virtual QScrollBar* Bar() const = 0;
    virtual int Along(QPoint p) const = 0;
    virtual int Length() const = 0;
    virtual QRect LessArrow() const = 0;
    virtual QRect MoreArrow() const = 0;
    virtual QRect ThumbRect() const = 0;
    bool HasThumb() const;

    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

    QTreeWidget* list_ = nullptr;
    int thumb_;

private:
    void LimitThumb();
    double Ratio() const;
    void Step(QAbstractSlider::SliderAction action);
    void Repeat();

    Geometry geometry_;
    bool lessDown_ = false, moreDown_ = false, thumbGrabbed_ = false;
    QTimer delay_, repeat_;
};

class CSkinVerticleScrollbar : public CSkinScrollbar {
    Q_OBJECT
public:
    explicit CSkinVerticleScrollbar(QWidget* parent = nullptr);

protected:
    QScrollBar* Bar() const override;
    int Along(QPoint p) const override { return p.y(); }
    int Length() const override { return height(); }
    QRect LessArrow() const override { return QRect(0, 11, 12, 26); }
    QRect MoreArrow() const override { return QRect(0, height() - 37, 12, 26); }
    QRect ThumbRect() const override { return QRect(0, thumb_, 12, 26); }
    void paintEvent(QPaintEvent* event) override;
};

class CSkinHorizontalScrollbar : public CSkinScrollbar {
    Q_OBJECT
public:
    explicit CSkinHorizontalScrollbar(QWidget* parent = nullptr);

protected:
    QScrollBar* Bar() const override;
    int Along(QPoint p) const override { return p.x(); }
    int Length() const override { return width(); }
    QRect LessArrow() const override { return QRect(0, 0, 26, 20); }
    QRect MoreArrow() const override { return QRect(width() - 26, 0, 26, 20); }
    QRect ThumbRect() const override { return QRect(thumb_, 0, 26, 20); }
    void paintEvent(QPaintEvent* event) override;
};

class CSkinListCtrl : public QTreeWidget, public IRecordingListView {
    Q_OBJECT
public:
    explicit CSkinListCtrl(QWidget* parent = nullptr);

    // Creates the bars beside and below the list, in its parent.
    void Init();
    // "No." centred 32 wide, "Files" 140, "Time" 130.
    // What a cell needs to show `text` whole.
    int TextWidthWithMargins(const QString& text) const;
    void SetColumns();
    void SelectRow(int row);
    int SelectedRow() const;

    CSkinVerticleScrollbar* VerticalBar() const { return vScroll_; }
    CSkinHorizontalScrollbar* HorizontalBar() const { return hScroll_; }

    int RowCount() const override { return topLevelItemCount(); }
    void InsertRow(int row, const std::string& text) override;
    void SetRowText(int row, int column, const std::string& text) override;
    void DeleteAllRows() override { clear(); }
    // A warning mark before the name and `note` as the row's tooltip.
    void MarkDamaged(int row, const std::string& note) override;
    bool RowMarkedDamaged(int row) const;

signals:
    void rowDoubleClicked(int row);

protected:
    void drawRow(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void PlaceBars();
    void UpdateThumbs();

    CSkinVerticleScrollbar* vScroll_ = nullptr;
    CSkinHorizontalScrollbar* hScroll_ = nullptr;
};
