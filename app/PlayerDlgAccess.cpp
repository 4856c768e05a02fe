// What assistive technology is told about the window: a name and a purpose
// for every control, the states a toggle is in, and the order in which the
// Tab key visits the controls.

#include "PlayerDlg.h"

#include "map/DlgMap.h"
#include "skin/BitmapSlider.h"
#include "skin/Layout.h"
#include "skin/PngButton.h"
#include "skin/SkinListCtrl.h"
#include "widgets/DlgVideoView.h"
#include "widgets/SpeedDash.h"
#include "widgets/WaveFormCtrl.h"

#include <QLabel>
#include <cmath>

namespace {

struct Spoken {
    int id;
    const char* name;  // empty: the button's own label names it
    const char* description;
};

const Spoken kButtons[] = {
    {1024, QT_TRANSLATE_NOOP("CPlayerDlg", "Minimize"), QT_TRANSLATE_NOOP("CPlayerDlg", "Minimize the window")},
    {1025, QT_TRANSLATE_NOOP("CPlayerDlg", "Close"), QT_TRANSLATE_NOOP("CPlayerDlg", "Close the player")},
    {1005, "", QT_TRANSLATE_NOOP("CPlayerDlg", "Import the recordings of a folder or a memory card")},
    {1007, "", QT_TRANSLATE_NOOP("CPlayerDlg", "Stop playing and empty the list")},
    {1043, "", QT_TRANSLATE_NOOP("CPlayerDlg", "Show the rear camera or the list in the right-hand panel")},
    {1026, QT_TRANSLATE_NOOP("CPlayerDlg", "Volume down"), QT_TRANSLATE_NOOP("CPlayerDlg", "Make the sound quieter")},
    {1027, QT_TRANSLATE_NOOP("CPlayerDlg", "Volume up"), QT_TRANSLATE_NOOP("CPlayerDlg", "Make the sound louder")},
    {1018, QT_TRANSLATE_NOOP("CPlayerDlg", "Play on"),
     QT_TRANSLATE_NOOP("CPlayerDlg", "When on, the next recording plays when one ends")},
    {1010, QT_TRANSLATE_NOOP("CPlayerDlg", "Previous recording"), QT_TRANSLATE_NOOP("CPlayerDlg", "Play the recording before this one")},
    {1008, "", QT_TRANSLATE_NOOP("CPlayerDlg", "Play or pause both cameras")},
    {1009, QT_TRANSLATE_NOOP("CPlayerDlg", "Stop"), QT_TRANSLATE_NOOP("CPlayerDlg", "Stop both cameras")},
    {1011, QT_TRANSLATE_NOOP("CPlayerDlg", "Next recording"), QT_TRANSLATE_NOOP("CPlayerDlg", "Play the recording after this one")},
    {1039, QT_TRANSLATE_NOOP("CPlayerDlg", "Swap cameras"),
     QT_TRANSLATE_NOOP("CPlayerDlg", "When on, the rear camera plays in the large view")},
    {1012, QT_TRANSLATE_NOOP("CPlayerDlg", "Print"), QT_TRANSLATE_NOOP("CPlayerDlg", "Print the moment with its data")},
    {1013, QT_TRANSLATE_NOOP("CPlayerDlg", "Capture"), QT_TRANSLATE_NOOP("CPlayerDlg", "Save the large picture as a JPEG file")},
};

// The Tab key's round: the list's header, the lists, the transport strip left
// to right, the volume, the seek bar, then the window's own buttons.
const int kTabOrder[] = {1005, 1007, 1043, 0 /* the lists */, 1018, 1010, 1008, 1009, 1011, 1039, 1012, 1013, 1026, 1027,
                         1 /* the seek bar */, 1024, 1025};

void Describe(QWidget* widget, const QString& name, const QString& description)
{
    widget->setAccessibleName(name);
    widget->setAccessibleDescription(description);
}

}  // namespace

void CPlayerDlg::DescribeControls()
{
    for (const Spoken& s : kButtons) {
        CPngButton* button = Button(s.id);
        if (*s.name)
            button->setAccessibleName(tr(s.name));
        button->setAccessibleDescription(tr(s.description));
    }
    for (int id : {1018, 1039})
        Button(id)->setCheckable(true);
    Describe(seekBar_, tr("Position"), tr("Where the recording is; the marks are its events"));
    Describe(listView_, tr("Recordings"), tr("The recordings found; a double-click plays one"));
    Describe(eventsView_, tr("Events"), tr("The drive's events and bookmarks; a double-click plays from before one"));
    Describe(mainView_, tr("Large view"), tr("The front camera, or the rear one when swapped"));
    Describe(secondView_, tr("Small view"), tr("The rear camera, or the front one when swapped"));
    Describe(waveform_, tr("G-sensor"), tr("The G-sensor's readings over the recording, with the moment playing"));
    Describe(mapPlaceholder_, tr("Map"), tr("The route and where the car is"));
    Describe(speedText_, tr("Speed"), speedText_->text());
    Describe(importProgress_, tr("Import progress"), {});
    Describe(eventsProgress_, tr("Event search progress"), {});
    Describe(rateText_, tr("Playing speed"), {});
    Describe(keyHelp_, tr("Keys"), {});
    for (int k = 0; k < static_cast<int>(volumeBars_.size()); ++k)
        Describe(volumeBars_[static_cast<std::size_t>(k)], tr("Volume level %1 of %2").arg(k + 1).arg(volumeBars_.size()), {});
    compass_ = new QWidget(this);
    compass_->setGeometry(SpeedDash::kCompassRect.intersected(rect()));
    compass_->setAttribute(Qt::WA_TransparentForMouseEvents);  // the dialog draws it; this one only speaks
    Describe(compass_, tr("Compass"), {});
    SetTabOrder();
    ShowToggleStates();
}

void CPlayerDlg::SetTabOrder()
{
    QWidget* previous = nullptr;
    const auto chain = [&previous](QWidget* next) {
        if (previous)
            setTabOrder(previous, next);
        previous = next;
    };
    for (int id : kTabOrder) {
        if (id == 0) {
            chain(listView_);
            chain(eventsView_);
        } else if (id == 1) {
            chain(seekBar_);
        } else {
            chain(Button(id));
        }
    }
}

// The toggles' checked states follow the modes they stand for, however changed.
void CPlayerDlg::ShowToggleStates()
{
    Button(1018)->setChecked(cycleMode_ != 0);
    Button(1039)->setChecked(Swapped());
}

// Called with the clock: the descriptions change only when what they say does.
void CPlayerDlg::DescribeInstruments()
{
    if (!compass_)
        return;  // the needles are drawn before the controls are described
    if (speedText_->accessibleDescription() != speedText_->text())
        speedText_->setAccessibleDescription(speedText_->text());
    const int heading = static_cast<int>(std::lround(lastCourse_)) % 360;
    if (heading != describedHeading_) {
        describedHeading_ = heading;
        compass_->setAccessibleDescription(tr("Heading %1°").arg(heading));
    }
}
