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

void CDlgVideoView::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (player_) {
        // The flag turns whether or not the player could switch.
        player_->SetFullScreen(!fullScreen_);
        fullScreen_ = !fullScreen_;
    }
    QWidget::mouseDoubleClickEvent(event);
}

void CDlgVideoView::keyPressEvent(QKeyEvent* event)
{
    if (fullScreen_ && player_ && event->key() == Qt::Key_Escape) {
        player_->SetFullScreen(false);
        fullScreen_ = 0;
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}
