#pragma once
// What goes into a clip: the cameras and how they are put together, what is
// drawn in, the sound, the quality and size, and the file it goes to. The
// dialog starts from the choices made last time and says when the clip will
// be copied rather than encoded again.

#include "clips/Clip.h"

#include <QDialog>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;

class ClipDialog : public QDialog {
    Q_OBJECT
public:
    // `proposal`: the clip's pieces, the last choices, the default output;
    // its speed unit is the player's, its swap the player's.
    ClipDialog(const ClipRequest& proposal, QWidget* parent = nullptr);

    // The proposal with the choices as they stand and the output named.
    ClipRequest Request() const;
    // Whether any piece has a rear camera's file: without one, the clip is
    // the front camera's.
    bool HasRear() const { return hasRear_; }
    QLineEdit* OutputEdit() const { return output_; }
    QLabel* CopyNote() const { return copyNote_; }

    void accept() override;

private:
    QWidget* MakeCameras();
    QWidget* MakeOverlays();
    QWidget* MakeOutput();
    void ShowChoices(const ClipRequest& choices);
    void FollowChoices();
    void Browse();
    QString OutputPath() const;

    ClipRequest proposal_;
    bool hasRear_ = false;
    QButtonGroup* cameras_ = nullptr;
    QComboBox* layout_ = nullptr;
    QCheckBox* time_ = nullptr;
    QComboBox* zone_ = nullptr;
    QCheckBox* speed_ = nullptr;
    QCheckBox* position_ = nullptr;
    QCheckBox* g_ = nullptr;
    QCheckBox* route_ = nullptr;
    QCheckBox* sound_ = nullptr;
    QComboBox* quality_ = nullptr;
    QComboBox* size_ = nullptr;
    QLineEdit* output_ = nullptr;
    QLabel* copyNote_ = nullptr;
};
