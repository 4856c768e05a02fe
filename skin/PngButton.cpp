#include "PngButton.h"

#include "ResourceImage.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>

namespace {

// Where a labelled strip's icon ends and how much edge its rounded cap keeps.
constexpr int kLabelLeft = 24, kLabelRight = 4, kCapEdge = 8;
// The icons' colours in the four states, as the skin draws them.
const QColor kLabelColours[4] = {QColor(176, 190, 212), QColor(255, 255, 255), QColor(232, 242, 255),
                                 QColor(70, 78, 92)};

}  // namespace

CPngButton::CPngButton(QWidget* parent, int id) : QAbstractButton(parent), id_(id)
{
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_Hover);
}

void CPngButton::LoadImage(int pngId)
{
    const bool reload = !image_.isNull();
    image_ = QImage();
    if (!LoadResourceImage(pngId, "PNG", image_))
        return;
    imageWidth_ = SkinSize(image_).width();
    imageHeight_ = SkinSize(image_).height();
    stateWidth_ = imageWidth_ / 4;
    if (!reload)
        resize(stateWidth_, imageHeight_);
    update();
}

QSize CPngButton::sizeHint() const
{
    if (drawsLabel_)
        return QSize(std::max(stateWidth_, kLabelLeft + QFontMetrics(LabelFont()).horizontalAdvance(text()) + kLabelRight),
                     imageHeight_);
    return QSize(stateWidth_, imageHeight_);
}

QFont CPngButton::LabelFont()
{
    QFont font("Liberation Sans");
    font.setPixelSize(11);
    font.setWeight(QFont::DemiBold);
    return font;
}

void CPngButton::SetLabel(const QString& label)
{
    drawsLabel_ = true;
    setText(label);
    resize(sizeHint());
    update();
}

int CPngButton::LabelRoom() const
{
    return width() - kLabelLeft - kLabelRight;
}

void CPngButton::Show(int state)
{
    currentState_ = state;
    update();
}

void CPngButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (background_)  // the skin is 96 dpi: its pixels are the parent's
        painter.drawImage(rect(), *background_, PicturePart(*background_, QRect(mapToParent(QPoint(0, 0)), size())));
    if (image_.isNull())
        return;
    const int shown = !isEnabled() ? 3 : currentState_;
    if (shown == 1)
        DrawState(painter, 2);  // pressed lies over the focus picture
    DrawState(painter, shown);
    if (drawsLabel_)
        DrawLabel(painter, shown);  // once, in the colour of the state on top
}

// A button wider than its picture keeps the picture's ends and stretches its middle.
void CPngButton::DrawState(QPainter& painter, int n) const
{
    const auto part = [&](int x, int w) { return PicturePart(image_, QRect(n * stateWidth_ + x, 0, w, imageHeight_)); };
    if (width() <= stateWidth_ || stateWidth_ <= kLabelLeft + kCapEdge) {
        painter.drawImage(rect(), image_, part(0, stateWidth_));
        return;
    }
    const int right = stateWidth_ - kCapEdge;
    painter.drawImage(QRect(0, 0, kLabelLeft, height()), image_, part(0, kLabelLeft));
    painter.drawImage(QRect(kLabelLeft, 0, width() - kLabelLeft - kCapEdge, height()), image_, part(kLabelLeft, 1));
    painter.drawImage(QRect(width() - kCapEdge, 0, kCapEdge, height()), image_, part(right, kCapEdge));
}

void CPngButton::DrawLabel(QPainter& painter, int n) const
{
    painter.setFont(LabelFont());
    painter.setPen(kLabelColours[n]);
    const int shift = n == 1 ? 1 : 0;  // pressed sinks by a pixel, as its picture does
    painter.drawText(QRect(kLabelLeft + shift, shift, LabelRoom(), height()), Qt::AlignVCenter | Qt::AlignLeft, text());
}

void CPngButton::enterEvent(QEnterEvent* event)
{
    QAbstractButton::enterEvent(event);
    if (!(QApplication::mouseButtons() & Qt::LeftButton) || hovering_) {
        hovering_ = true;
        Show(isDown() ? 1 : 2);
    }
}

void CPngButton::leaveEvent(QEvent* event)
{
    QAbstractButton::leaveEvent(event);
    Leave();
}

void CPngButton::Leave()
{
    hovering_ = false;
    Show(0);
}

void CPngButton::mousePressEvent(QMouseEvent* event)
{
    QAbstractButton::mousePressEvent(event);
    if (isDown())
        Show(1);
}

void CPngButton::mouseReleaseEvent(QMouseEvent* event)
{
    QAbstractButton::mouseReleaseEvent(event);
    // Released inside: the focused picture; the mouse leaving later shows 0.
    Show(rect().contains(event->position().toPoint()) && hasFocus() ? 2 : 0);
}

void CPngButton::focusInEvent(QFocusEvent* event)
{
    QAbstractButton::focusInEvent(event);
    Show(2);
}

void CPngButton::focusOutEvent(QFocusEvent* event)
{
    QAbstractButton::focusOutEvent(event);
    Leave();
}

void CPngButton::changeEvent(QEvent* event)
{
    QAbstractButton::changeEvent(event);
    if (event->type() == QEvent::EnabledChange && !isEnabled()) {
        MoveFocusOnward();
        Leave();
    }
}

// A disabled button hands the keyboard focus to the next tab stop after it,
// or to its parent, whether or not it had the focus.
void CPngButton::MoveFocusOnward()
{
    QWidget* parent = parentWidget();
    if (!parent)
        return;
    for (QWidget* w = nextInFocusChain(); w && w != this; w = w->nextInFocusChain()) {
        if (w != parent && parent->isAncestorOf(w) && w->isEnabled() && w->isVisibleTo(parent) &&
            (w->focusPolicy() & Qt::TabFocus)) {
            w->setFocus(Qt::TabFocusReason);
            return;
        }
    }
    parent->setFocus(Qt::OtherFocusReason);
}
