#pragma once
// A push button drawn from a four-picture strip (normal, pressed,
// hover/focus, disabled), over the part of its parent's skin that lies under it.

#include <QAbstractButton>
#include <QImage>

class CPngButton : public QAbstractButton {
    Q_OBJECT
public:
    explicit CPngButton(QWidget* parent = nullptr, int id = 0);

    // The parent's skin, drawn behind the picture (not owned; may be null).
    void SetBackground(const QImage* background) { background_ = background; }
    // Loads strip `pngId`. The first load sizes the button to one picture;
    // a later load keeps the size and shows the same state of the new strip.
    void LoadImage(int pngId);

    // A label drawn right of the strip's icon, in the colour of the icon's
    // state; the button widens to the label, its middle stretched. It is also
    // the button's text (and so its accessible name).
    void SetLabel(const QString& label);
    static QFont LabelFont();
    // The width the label may take.
    int LabelRoom() const;

    int ControlId() const { return id_; }
    int CurrentState() const { return currentState_; }
    int StateWidth() const { return stateWidth_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void changeEvent(QEvent* event) override;
    QSize sizeHint() const override;

private:
    void Show(int state);
    void DrawState(QPainter& painter, int n) const;
    void DrawLabel(QPainter& painter, int n) const;
    void Leave();
    void MoveFocusOnward();

    int id_;
    QImage image_;
    int imageWidth_ = 0;
    int imageHeight_ = 0;
    int stateWidth_ = 0;
    const QImage* background_ = nullptr;
    bool hovering_ = false;
    bool drawsLabel_ = false;
    int currentState_ = 0;
};
