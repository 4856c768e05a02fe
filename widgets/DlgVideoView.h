#pragma once
// The window one recording's picture is shown in: black, the video
// letterboxed in it by its player, full screen on a double click.

#include <QWidget>

class CMediaPlayer;

class CDlgVideoView : public QWidget {
    Q_OBJECT
public:
    explicit CDlgVideoView(QWidget* parent = nullptr);

    void SetPlayer(CMediaPlayer* player) { player_ = player; }
    CMediaPlayer* Player() const { return player_; }
    bool IsFullScreen() const { return fullScreen_ != 0; }
    // Full screen on or off, as a double click does.
    void SetFullScreen(bool on);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    CMediaPlayer* player_ = nullptr;  // owned by the main window
    int fullScreen_ = 0;              // stays with the view when players swap
};
