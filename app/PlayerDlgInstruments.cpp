// The speed dial, the compass and the speed text.

#include "PlayerDlg.h"

#include "widgets/SpeedDash.h"

#include <QLabel>

void CPlayerDlg::DrawSpeedNeedle(int speed)
{
    lastSpeed_ = SpeedDash::ClampSpeed(speed);
    speedText_->setText(QString::asprintf("%dKm/H", lastSpeed_));
    update(SpeedDash::kDialRect);  // the skin under it is painted again, then the needle
}

void CPlayerDlg::DrawCompassNeedle(double course)
{
    lastCourse_ = course;
    update(SpeedDash::kCompassRect);
}
