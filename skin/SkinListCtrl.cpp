#include "SkinListCtrl.h"

#include <QIcon>
#include <QPixmap>
#include <QStyle>
#include <algorithm>

#include "ResourceImage.h"

#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>

namespace {

const QColor kListBack(224, 234, 244);
const QColor kSelectedText(229, 229, 229);
const QColor kSelectedBack(115, 123, 165);
const QColor kGrid(196, 206, 220);

constexpr int kNameColumn = 1;

// The damaged mark: an amber warning triangle with a dark "!", drawn here
// at the row's height rather than taken from the skin.
QIcon DamagedMark(int size)
{
    QPixmap mark(size, size);
    mark.fill(Qt::transparent);
    QPainter p(&mark);
    p.setRenderHint(QPainter::Antialiasing);
    const double s = size;
    const QPolygonF triangle({QPointF(s / 2, 1), QPointF(s - 1, s - 1.5), QPointF(1, s - 1.5)});
    p.setPen(QPen(QColor(120, 60, 0), 1));
    p.setBrush(QColor(245, 170, 30));
    p.drawPolygon(triangle);
    p.setPen(QPen(QColor(40, 20, 0), std::max(1.5, s / 8), Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(s / 2, s * 0.35), QPointF(s / 2, s * 0.62));
    p.drawPoint(QPointF(s / 2, s * 0.78));
    return QIcon(mark);
}

QImage Piece(int id)
{
    QImage piece;
    LoadResourceImage(id, "BMP", piece);
    return piece;
}

}  // namespace

// ---- header --------------------------------------------------------------

CSkinHeaderCtrl::CSkinHeaderCtrl(QWidget* parent) : QHeaderView(Qt::Horizontal, parent)
{
    setAccessibleName(tr("Column titles"));
    setSectionsClickable(false);
    setHighlightSections(false);
}

QFont CSkinHeaderCtrl::TitleFont()
{
    QFont font("Arial");
    font.setPixelSize(16);
    return font;
}

// What a section needs to show `text` whole: the text and the margins it is drawn within.
int CSkinHeaderCtrl::TitleWidth(const QString& text)
{
    return QFontMetrics(TitleFont()).horizontalAdvance(text) + 4;
}

QSize CSkinHeaderCtrl::sizeHint() const
{
    return QSize(QHeaderView::sizeHint().width(), 24);
}

void CSkinHeaderCtrl::paintEvent(QPaintEvent*)
{
    QPainter p(viewport());
    const QImage strip = Piece(136), left = Piece(137), right = Piece(135);
    p.fillRect(viewport()->rect(), QColor(76, 85, 118));
    if (!strip.isNull())
        p.drawImage(QRect(2, 0, viewport()->width(), 24), strip, PicturePart(strip, QRect(0, 0, 1, 24)));
    p.setFont(TitleFont());
    for (int i = 0; i < count(); ++i) {
        const int x = sectionViewportPosition(i), w = sectionSize(i);
        if (isSectionHidden(i) || w <= 0)
            continue;
        if (visualIndex(i) == 0) {
            p.drawImage(QPoint(x, 0), left, PicturePart(left, QRect(0, 0, 2, 24)));
        } else {
            p.fillRect(QRect(x - 1, 0, 2, 24), QColor(90, 90, 90));
            p.drawImage(QRect(x + 1, 0, 1, 24), strip, PicturePart(strip, QRect(0, 0, 1, 24)));
        }
        p.drawImage(QPoint(x + w - 2, 0), right, PicturePart(right, QRect(0, 0, 2, 24)));
        p.setPen(Qt::white);
        const QString text = model() ? model()->headerData(i, Qt::Horizontal).toString().left(255) : QString();
        const QRect box = QRect(x, 0, w, 24).adjusted(2, 2, -2, -2);
        p.drawText(box, Qt::AlignHCenter | Qt::AlignTop | Qt::TextSingleLine,
                   p.fontMetrics().elidedText(text, Qt::ElideRight, box.width()));
    }
}

// ---- scroll bars ---------------------------------------------------------

CSkinScrollbar::CSkinScrollbar(QWidget* parent, Geometry geometry)
    : QWidget(parent), thumb_(geometry.start), geometry_(geometry)
{
    delay_.setSingleShot(true);
    delay_.setInterval(250);
    repeat_.setInterval(50);
    connect(&delay_, &QTimer::timeout, this, [this] {
        if (lessDown_ || moreDown_)
            repeat_.start();
    });
    connect(&repeat_, &QTimer::timeout, this, &CSkinScrollbar::Repeat);
}

bool CSkinScrollbar::HasThumb() const
{
    return list_ && Bar() && Bar()->maximum() != 0;
}

double CSkinScrollbar::Ratio() const
{
    const int limit = HasThumb() ? Bar()->maximum() : 0;
    return limit ? static_cast<double>(Length() - geometry_.spare) / limit : 0.0;
}

void CSkinScrollbar::LimitThumb()
{
    const int end = Length() - geometry_.farArrow;
    if (thumb_ + 26 > end)
        thumb_ = end - 25;
    if (thumb_ < geometry_.start)
        thumb_ = geometry_.start;
    update();
}

void CSkinScrollbar::UpdateThumb()
{
    if (HasThumb())
        thumb_ = static_cast<int>(Ratio() * Bar()->value()) + geometry_.start;
    LimitThumb();
}

void CSkinScrollbar::Step(QAbstractSlider::SliderAction action)
{
    if (list_ && Bar())
        Bar()->triggerAction(action);
    UpdateThumb();
}

void CSkinScrollbar::Repeat()
{
    if (moreDown_)
        Step(QAbstractSlider::SliderSingleStepAdd);
    if (lessDown_)
        Step(QAbstractSlider::SliderSingleStepSub);
}

void CSkinScrollbar::mousePressEvent(QMouseEvent* event)
{
    const QPoint p = event->position().toPoint();
    if (ThumbRect().contains(p)) {
        thumbGrabbed_ = true;
    } else if (MoreArrow().contains(p)) {
        moreDown_ = true;
        delay_.start();
    } else if (LessArrow().contains(p)) {
        lessDown_ = true;
        delay_.start();
    }
}

void CSkinScrollbar::mouseMoveEvent(QMouseEvent* event)
{
    if (!thumbGrabbed_ || !HasThumb())
        return;
    thumb_ = Along(event->position().toPoint()) - 13;
    const double ratio = Ratio();
    if (ratio > 0) {
        const int delta = static_cast<int>((thumb_ - geometry_.start) / ratio) - Bar()->value();
        Bar()->setValue(Bar()->value() + delta);
    }
    LimitThumb();
}

void CSkinScrollbar::mouseReleaseEvent(QMouseEvent* event)
{
    const QPoint p = event->position().toPoint();
    UpdateThumb();
    repeat_.stop();
    delay_.stop();
    const bool onLess = LessArrow().contains(p) && (lessDown_ || !geometry_.arrowsNeedPress);
    const bool onMore = MoreArrow().contains(p) && (moreDown_ || !geometry_.arrowsNeedPress);
    if (onLess) {
        Step(QAbstractSlider::SliderSingleStepSub);
    } else if (onMore) {
        Step(QAbstractSlider::SliderSingleStepAdd);
    } else if (!ThumbRect().contains(p) && !thumbGrabbed_) {
        Step(Along(p) > thumb_ ? QAbstractSlider::SliderPageStepAdd : QAbstractSlider::SliderPageStepSub);
    }
    lessDown_ = moreDown_ = thumbGrabbed_ = false;
}

CSkinVerticleScrollbar::CSkinVerticleScrollbar(QWidget* parent) : CSkinScrollbar(parent, {36, 98, 37, true})
{
    setAccessibleName(tr("Scroll up and down"));
}

QScrollBar* CSkinVerticleScrollbar::Bar() const
{
    return list_ ? list_->verticalScrollBar() : nullptr;
}

void CSkinVerticleScrollbar::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const int H = height();
    p.fillRect(rect(), QColor(74, 82, 107));
    p.drawImage(QPoint(0, 0), Piece(147));
    p.drawImage(QPoint(0, 11), Piece(148));
    p.drawImage(QRect(0, 37, 12, H - 37), Piece(145));
    p.drawImage(QPoint(0, H - 37), Piece(144));
    p.drawImage(QPoint(1, H - 11), Piece(143));
    if (HasThumb())
        p.drawImage(QPoint(0, thumb_), Piece(146));
}

CSkinHorizontalScrollbar::CSkinHorizontalScrollbar(QWidget* parent) : CSkinScrollbar(parent, {25, 75, 26, false})
{
    setAccessibleName(tr("Scroll left and right"));
}

QScrollBar* CSkinHorizontalScrollbar::Bar() const
{
    return list_ ? list_->horizontalScrollBar() : nullptr;
}

void CSkinHorizontalScrollbar::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const int W = width();
    p.fillRect(rect(), QColor(76, 85, 118));
    p.drawImage(QPoint(0, 0), Piece(138));
    p.drawImage(QRect(26, 0, W - 26, 12), Piece(140));
    p.drawImage(QPoint(W - 26, 0), Piece(139));
    if (HasThumb())
        p.drawImage(QPoint(thumb_, 0), Piece(141));
}

// ---- list ----------------------------------------------------------------

CSkinListCtrl::CSkinListCtrl(QWidget* parent) : QTreeWidget(parent)
{
    setHeader(new CSkinHeaderCtrl(this));
    setRootIsDecorated(false);
    setUniformRowHeights(true);
    setItemsExpandable(false);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setAllColumnsShowFocus(true);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setFrameShape(QFrame::NoFrame);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    header()->setStretchLastSection(false);
    QPalette colours = palette();
    colours.setColor(QPalette::Base, kListBack);
    colours.setColor(QPalette::Text, Qt::black);
    colours.setColor(QPalette::Highlight, kSelectedBack);
    colours.setColor(QPalette::HighlightedText, kSelectedText);
    colours.setColor(QPalette::Inactive, QPalette::Highlight, kSelectedBack);
    colours.setColor(QPalette::Inactive, QPalette::HighlightedText, kSelectedText);
    setPalette(colours);
    connect(this, &QTreeWidget::itemDoubleClicked, this,
            [this](QTreeWidgetItem* item) { emit rowDoubleClicked(indexOfTopLevelItem(item)); });
    for (QScrollBar* bar : {verticalScrollBar(), horizontalScrollBar()}) {
        connect(bar, &QScrollBar::valueChanged, this, &CSkinListCtrl::UpdateThumbs);
        connect(bar, &QScrollBar::rangeChanged, this, &CSkinListCtrl::UpdateThumbs);
    }
}

void CSkinListCtrl::Init()
{
    if (vScroll_ || !parentWidget())
        return;
    vScroll_ = new CSkinVerticleScrollbar(parentWidget());
    hScroll_ = new CSkinHorizontalScrollbar(parentWidget());
    vScroll_->SetList(this);
    hScroll_->SetList(this);
    PlaceBars();
    vScroll_->setVisible(isVisibleTo(parentWidget()));
    hScroll_->setVisible(isVisibleTo(parentWidget()));
}

int CSkinListCtrl::TextWidthWithMargins(const QString& text) const
{
    // The style's margin on each side of a cell's text, as the view draws it.
    const int margin = style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1;
    return fontMetrics().horizontalAdvance(text) + 2 * margin;
}

void CSkinListCtrl::SetColumns()
{
    const QString numberTitle = tr("No."), timeTitle = tr("Time");
    setHeaderLabels({numberTitle, tr("Files"), timeTitle});
    headerItem()->setTextAlignment(0, Qt::AlignCenter);
    // The whole time stamp and every title fit; the names take what is left of the list.
    const int number = std::max(32, CSkinHeaderCtrl::TitleWidth(numberTitle));
    const int time = std::max(TextWidthWithMargins("00:00:00 00-00-0000") + 2, CSkinHeaderCtrl::TitleWidth(timeTitle));
    setColumnWidth(0, number);
    setColumnWidth(2, time);
    setColumnWidth(1, std::max(80, contentsRect().width() - number - time));
}

void CSkinListCtrl::PlaceBars()
{
    if (!vScroll_)
        return;
    const QRect r = geometry();  // right and bottom as exclusive edges
    const int L = r.x(), T = r.y(), R = r.x() + r.width(), B = r.y() + r.height();
    vScroll_->setGeometry(R, T, 12, B + 12 - T);
    hScroll_->setGeometry(L, B, R + 1 - L, 12);
    UpdateThumbs();
}

void CSkinListCtrl::UpdateThumbs()
{
    if (vScroll_) {
        vScroll_->UpdateThumb();
        hScroll_->UpdateThumb();
    }
}

void CSkinListCtrl::InsertRow(int row, const std::string& text)
{
    auto* item = new QTreeWidgetItem({QString::fromStdString(text), QString(), QString()});
    item->setTextAlignment(0, Qt::AlignCenter);
    item->setSizeHint(0, QSize(0, fontMetrics().height() + 3));  // room for underscores above the grid line
    insertTopLevelItem(row, item);
}

void CSkinListCtrl::SetRowText(int row, int column, const std::string& text)
{
    if (QTreeWidgetItem* item = topLevelItem(row))
        item->setText(column, QString::fromStdString(text));
}

void CSkinListCtrl::MarkDamaged(int row, const std::string& note)
{
    QTreeWidgetItem* item = topLevelItem(row);
    if (!item)
        return;
    const int size = std::max(8, fontMetrics().height() - 2);
    setIconSize(QSize(size, size));
    item->setIcon(kNameColumn, DamagedMark(size));
    for (int c = 0; c < columnCount(); ++c)
        item->setToolTip(c, QString::fromStdString(note));
}

bool CSkinListCtrl::RowMarkedDamaged(int row) const
{
    const QTreeWidgetItem* item = topLevelItem(row);
    return item && !item->icon(kNameColumn).isNull();
}

void CSkinListCtrl::SelectRow(int row)
{
    if (QTreeWidgetItem* item = topLevelItem(row)) {
        setCurrentItem(item);
        item->setSelected(true);
        scrollToItem(item);
    }
}

int CSkinListCtrl::SelectedRow() const
{
    const auto items = selectedItems();
    return items.isEmpty() ? -1 : indexOfTopLevelItem(items.first());
}

void CSkinListCtrl::drawRow(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    QTreeWidget::drawRow(painter, option, index);
    painter->save();
    if (selectionModel()->isSelected(index)) {
        // The selected row in the list's own colours, not the style's highlight.
        painter->fillRect(option.rect, kSelectedBack);
        painter->setPen(kSelectedText);
        painter->setFont(font());
        for (int c = 0; c < columnCount(); ++c) {
            const QModelIndex cell = index.siblingAtColumn(c);
            QRect box = visualRect(cell).adjusted(3, 0, -3, 0);
            if (const QIcon mark = cell.data(Qt::DecorationRole).value<QIcon>(); !mark.isNull()) {
                const QRect place(box.left(), box.center().y() - iconSize().height() / 2, iconSize().width(),
                                  iconSize().height());
                mark.paint(painter, place);
                box.setLeft(place.right() + 4);
            }
            const auto alignment = Qt::Alignment(cell.data(Qt::TextAlignmentRole).toInt());
            painter->drawText(box, (alignment ? alignment : Qt::AlignLeft) | Qt::AlignVCenter,
                              painter->fontMetrics().elidedText(cell.data().toString(), Qt::ElideRight, box.width()));
        }
    }
    // Grid lines between rows and columns.
    painter->setPen(kGrid);
    painter->drawLine(option.rect.bottomLeft(), option.rect.bottomRight());
    for (int c = 0; c < columnCount(); ++c) {
        const int x = header()->sectionViewportPosition(c) + header()->sectionSize(c) - 1;
        painter->drawLine(x, option.rect.top(), x, option.rect.bottom());
    }
    painter->restore();
}

void CSkinListCtrl::showEvent(QShowEvent* event)
{
    QTreeWidget::showEvent(event);
    if (vScroll_) {
        vScroll_->show();
        hScroll_->show();
    }
}

void CSkinListCtrl::hideEvent(QHideEvent* event)
{
    QTreeWidget::hideEvent(event);
    if (vScroll_) {
        vScroll_->hide();
        hScroll_->hide();
    }
}

void CSkinListCtrl::moveEvent(QMoveEvent* event)
{
    QTreeWidget::moveEvent(event);
    PlaceBars();
}

void CSkinListCtrl::resizeEvent(QResizeEvent* event)
{
    QTreeWidget::resizeEvent(event);
    PlaceBars();
}
