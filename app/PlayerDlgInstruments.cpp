// The speed dial, the compass and the speed text.

#include "PlayerDlg.h"

#include "map/DlgMap.h"
#include "widgets/SpeedDash.h"
#include "widgets/WaveFormCtrl.h"

#include <QLabel>

void CPlayerDlg::DrawSpeedNeedle(int speed)
{
    lastSpeed_ = SpeedDash::ClampSpeed(speed);
    speedText_->setText(SpeedDash::SpeedText(lastSpeed_, speedUnit_));
    DescribeInstruments();
    update(SpeedDash::kDialRect);  // the skin under it is painted again, then the needle
}

void CPlayerDlg::SetSpeedUnit(SpeedDash::SpeedUnit unit)
{
    speedUnit_ = unit;
    settings_.SetSpeedInMph(unit == SpeedDash::SpeedUnit::Mph);
    waveform_->SetSpeedUnit(unit);
    if (eventsView_)
        FillEventsList();  // the speeds in the unit shown
    if (mapView_)
        mapView_->SetSpeedInMph(unit == SpeedDash::SpeedUnit::Mph);
    DrawSpeedNeedle(lastSpeed_);
    update(SpeedDash::kDialFaceRect);
}

void CPlayerDlg::DrawCompassNeedle(double course)
{
    lastCourse_ = course;
    DescribeInstruments();
    update(SpeedDash::kCompassRect);
}
