#include "DlgVideoView.h"

#include "playback/MediaPlayer.h"

#include <QKeyEvent>
#include <QPainter>

CDlgVideoView::CDlgVideoView(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::ClickFocus);
}

void CDlgVideoView::paintEvent(QPaintEvent*)
{
    // Shown while no player draws here.
    QPainter(this).fillRect(rect(), Qt::black);
}

void CDlgVideoView::SetFullScreen(bool on)
{
    if (!player_)
        return;
    // The flag turns whether or not the player could switch.
    player_->SetFullScreen(on);
    fullScreen_ = on;
}

void CDlgVideoView::mouseDoubleClickEvent(QMouseEvent* event)
{
    SetFullScreen(!fullScreen_);
    QWidget::mouseDoubleClickEvent(event);
}

void CDlgVideoView::keyPressEvent(QKeyEvent* event)
{
    if (fullScreen_ && player_ && event->key() == Qt::Key_Escape) {
        SetFullScreen(false);
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}
