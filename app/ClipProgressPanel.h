#pragma once
// A clip being made, over the foot of the large picture: how far it has
// come, the time left and Cancel. The window plays on meanwhile.

#include <QFrame>

class QLabel;
class QProgressBar;
class QPushButton;

class ClipProgressPanel : public QFrame {
    Q_OBJECT
public:
    explicit ClipProgressPanel(QWidget* parent);

    void Start(const QString& file);
    // `fraction` of the clip made after `elapsedMs`.
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
    void ShowLines(const QString& pattern, const QString& state);
    QString file_;
    QProgressBar* bar_;
    QLabel* text_;
    QPushButton* cancel_;
};
