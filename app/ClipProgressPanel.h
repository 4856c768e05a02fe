#pragma once
// Long work in the background (a clip being made, a recording repaired),
// over the foot of the large picture: how far it has come, the time left and
// Cancel. The window plays on meanwhile.

#include <QFrame>

class QLabel;
class QProgressBar;
class QPushButton;

class ClipProgressPanel : public QFrame {
    Q_OBJECT
public:
    explicit ClipProgressPanel(QWidget* parent);

    // The first line: what is being done (`doing`, with %1 for the file) to `file`.
    void Start(const QString& doing, const QString& file);
    // `fraction` of the work done after `elapsedMs`.
    void ShowProgress(double fraction, qint64 elapsedMs);
    void ShowCancelling();

    QProgressBar* Bar() const { return bar_; }
    QLabel* Text() const { return text_; }
    QPushButton* CancelButton() const { return cancel_; }

    // "1:23 left", from the pace so far; empty while too little is done to tell.
    static QString TimeLeft(double fraction, qint64 elapsedMs);

signals:
    void cancelRequested();

private:
    void ShowLines(const QString& state);
    QString doing_, file_;
    QProgressBar* bar_;
    QLabel* text_;
    QPushButton* cancel_;
};
