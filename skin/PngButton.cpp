#include "PngButton.h"

#include "ResourceImage.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>

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
    return QSize(stateWidth_, imageHeight_);
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
    auto draw = [&](int n) {
        painter.drawImage(rect(), image_, PicturePart(image_, QRect(n * stateWidth_, 0, stateWidth_, imageHeight_)));
    };
    if (!isEnabled()) {
        draw(3);
    } else if (currentState_ == 1) {
        draw(2);  // pressed lies over the focus picture
        draw(1);
    } else {
        draw(currentState_);
    }
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
