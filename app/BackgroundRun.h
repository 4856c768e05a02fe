#pragma once
// Long work on a thread of its own (a clip made, a recording repaired), shown
// by a progress panel: how far it has come, whether the user cancelled it,
// and the thread the window waits for before it goes.

#include "ClipProgressPanel.h"

#include <QElapsedTimer>
#include <atomic>
#include <memory>
#include <thread>

struct BackgroundRun {
    std::thread thread;
    std::atomic<double> fraction{0};
    std::atomic<bool> cancelled{false};
    QElapsedTimer clock;
};

// The panel says how far `run` has come; no run or a cancelled one leaves it as it is.
inline void ShowRunProgress(const BackgroundRun* run, ClipProgressPanel& panel)
{
    if (run && !run->cancelled)
        panel.ShowProgress(run->fraction, run->clock.elapsed());
}

// The work stops at its next step; the panel says so until it has.
inline void CancelRun(BackgroundRun* run, ClipProgressPanel& panel)
{
    if (!run)
        return;
    run->cancelled = true;
    panel.ShowCancelling();
}

// Cancelled, waited for and forgotten, its panel hidden: the window may go.
template <class Run>
void StopRunAndWait(std::shared_ptr<Run>& slot, ClipProgressPanel& panel)
{
    if (!slot)
        return;
    const std::shared_ptr<Run> run = std::move(slot);
    run->cancelled = true;
    run->thread.join();
    panel.hide();
}
