// The keys of Linux video players (mpv, Celluloid, Haruna), applied to the
// pair: one table gives both what each key does and the help that lists them.

#include "PlayerDlg.h"

#include "skin/SkinListCtrl.h"
#include "widgets/DlgVideoView.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <algorithm>
#include <cmath>

namespace {

constexpr int kForwardRates = 4;  // the player's rates 1x, 2x, 3x, 8x
constexpr double kRates[kForwardRates] = {1, 2, 3, 8};

struct KeyBinding {
    int key;
    Qt::KeyboardModifiers modifiers;
    const char* keys;  // as the help shows them; empty: listed with the one before
    const char* what;
    void (*action)(CPlayerDlg&);
};

const KeyBinding kBindings[] = {
    {Qt::Key_Space, Qt::NoModifier, QT_TRANSLATE_NOOP("CPlayerDlg", "Space"), QT_TRANSLATE_NOOP("CPlayerDlg", "play / pause"), [](CPlayerDlg& d) { d.TogglePair(); }},
    {Qt::Key_Left, Qt::NoModifier, QT_TRANSLATE_NOOP("CPlayerDlg", "\u2190 / \u2192"), QT_TRANSLATE_NOOP("CPlayerDlg", "5 s back / forward"), [](CPlayerDlg& d) { d.SeekPairBy(-5); }},
    {Qt::Key_Right, Qt::NoModifier, "", "", [](CPlayerDlg& d) { d.SeekPairBy(5); }},
    {Qt::Key_Left, Qt::ShiftModifier, QT_TRANSLATE_NOOP("CPlayerDlg", "Shift+\u2190 / \u2192"), QT_TRANSLATE_NOOP("CPlayerDlg", "1 s back / forward"), [](CPlayerDlg& d) { d.SeekPairBy(-1); }},
    {Qt::Key_Right, Qt::ShiftModifier, "", "", [](CPlayerDlg& d) { d.SeekPairBy(1); }},
    {Qt::Key_Down, Qt::NoModifier, QT_TRANSLATE_NOOP("CPlayerDlg", "\u2193 / \u2191"), QT_TRANSLATE_NOOP("CPlayerDlg", "60 s back / forward"), [](CPlayerDlg& d) { d.SeekPairBy(-60); }},
    {Qt::Key_Up, Qt::NoModifier, "", "", [](CPlayerDlg& d) { d.SeekPairBy(60); }},
    {Qt::Key_Comma, Qt::NoModifier, QT_TRANSLATE_NOOP("CPlayerDlg", ", / ."), QT_TRANSLATE_NOOP("CPlayerDlg", "one frame back / forward"), [](CPlayerDlg& d) { d.StepPair(false); }},
    {Qt::Key_Period, Qt::NoModifier, "", "", [](CPlayerDlg& d) { d.StepPair(true); }},
    {Qt::Key_BracketLeft, Qt::NoModifier, QT_TRANSLATE_NOOP("CPlayerDlg", "[ / ]"), QT_TRANSLATE_NOOP("CPlayerDlg", "slower / faster"), [](CPlayerDlg& d) { d.SetPairRate(d.RateIndex() - 1); }},
    {Qt::Key_BracketRight, Qt::NoModifier, "", "", [](CPlayerDlg& d) { d.SetPairRate(d.RateIndex() + 1); }},
    {Qt::Key_Backspace, Qt::NoModifier, QT_TRANSLATE_NOOP("CPlayerDlg", "Backspace"), QT_TRANSLATE_NOOP("CPlayerDlg", "normal speed"), [](CPlayerDlg& d) { d.SetPairRate(0); }},
    {Qt::Key_M, Qt::NoModifier, QT_TRANSLATE_NOOP("CPlayerDlg", "m"), QT_TRANSLATE_NOOP("CPlayerDlg", "mute"), [](CPlayerDlg& d) { d.ToggleMute(); }},
    {Qt::Key_9, Qt::NoModifier, QT_TRANSLATE_NOOP("CPlayerDlg", "9 / 0"), QT_TRANSLATE_NOOP("CPlayerDlg", "volume down / up"), [](CPlayerDlg& d) { d.OnBnClickedVolumeDown(); }},
    {Qt::Key_0, Qt::NoModifier, "", "", [](CPlayerDlg& d) { d.OnBnClickedVolumeUp(); }},
    {Qt::Key_F, Qt::NoModifier, QT_TRANSLATE_NOOP("CPlayerDlg", "f, F11"), QT_TRANSLATE_NOOP("CPlayerDlg", "full screen (Escape leaves it)"), [](CPlayerDlg& d) { d.ToggleFullScreen(); }},
    {Qt::Key_F11, Qt::NoModifier, "", "", [](CPlayerDlg& d) { d.ToggleFullScreen(); }},
    {Qt::Key_PageUp, Qt::NoModifier, QT_TRANSLATE_NOOP("CPlayerDlg", "PgUp / PgDn"), QT_TRANSLATE_NOOP("CPlayerDlg", "previous / next recording"), [](CPlayerDlg& d) { d.OnBnClickedPrev(); }},
    {Qt::Key_PageDown, Qt::NoModifier, "", "", [](CPlayerDlg& d) { d.OnBnClickedNext(); }},
    {Qt::Key_E, Qt::NoModifier, QT_TRANSLATE_NOOP("CPlayerDlg", "e / Shift+E"), QT_TRANSLATE_NOOP("CPlayerDlg", "10 s before the next / previous event"), [](CPlayerDlg& d) { d.JumpToEvent(true); }},
    {Qt::Key_E, Qt::ShiftModifier, "", "", [](CPlayerDlg& d) { d.JumpToEvent(false); }},
    {Qt::Key_B, Qt::NoModifier, QT_TRANSLATE_NOOP("CPlayerDlg", "b / Shift+B"), QT_TRANSLATE_NOOP("CPlayerDlg", "bookmark the moment / with a note"), [](CPlayerDlg& d) { d.AddBookmark(false); }},
    {Qt::Key_B, Qt::ShiftModifier, "", "", [](CPlayerDlg& d) { d.AddBookmark(true); }},
    {Qt::Key_L, Qt::NoModifier, QT_TRANSLATE_NOOP("CPlayerDlg", "l"), QT_TRANSLATE_NOOP("CPlayerDlg", "events list / recordings"), [](CPlayerDlg& d) { d.ShowEventsList(!d.EventsListShown()); }},
    {Qt::Key_Delete, Qt::NoModifier, QT_TRANSLATE_NOOP("CPlayerDlg", "Delete"), QT_TRANSLATE_NOOP("CPlayerDlg", "remove the bookmark chosen in the events list"), [](CPlayerDlg& d) { d.RemoveChosenBookmark(); }},
    {Qt::Key_I, Qt::NoModifier, QT_TRANSLATE_NOOP("CPlayerDlg", "i / o"), QT_TRANSLATE_NOOP("CPlayerDlg", "clip start / end at this moment"), [](CPlayerDlg& d) { d.SetClipStart(); }},
    {Qt::Key_O, Qt::NoModifier, "", "", [](CPlayerDlg& d) { d.SetClipEnd(); }},
    {Qt::Key_S, Qt::ControlModifier, QT_TRANSLATE_NOOP("CPlayerDlg", "Ctrl+S"), QT_TRANSLATE_NOOP("CPlayerDlg", "save the clip between the marks"), [](CPlayerDlg& d) { d.SaveClip(); }},
    {Qt::Key_O, Qt::ControlModifier, QT_TRANSLATE_NOOP("CPlayerDlg", "Ctrl+O"), QT_TRANSLATE_NOOP("CPlayerDlg", "import a folder"), [](CPlayerDlg& d) { d.OnBnClickedImport(); }},
    {Qt::Key_S, Qt::NoModifier, QT_TRANSLATE_NOOP("CPlayerDlg", "s"), QT_TRANSLATE_NOOP("CPlayerDlg", "capture the large picture"), [](CPlayerDlg& d) { d.OnBnClickedCapture(); }},
    {Qt::Key_P, Qt::ControlModifier, QT_TRANSLATE_NOOP("CPlayerDlg", "Ctrl+P"), QT_TRANSLATE_NOOP("CPlayerDlg", "print the moment"), [](CPlayerDlg& d) { d.OnBnClickedPrint(); }},
    {Qt::Key_Question, Qt::NoModifier, QT_TRANSLATE_NOOP("CPlayerDlg", "? or F1"), QT_TRANSLATE_NOOP("CPlayerDlg", "this help"), [](CPlayerDlg& d) { d.ToggleKeyHelp(); }},
    {Qt::Key_F1, Qt::NoModifier, "", "", [](CPlayerDlg& d) { d.ToggleKeyHelp(); }},
};

// Shift is part of some keys themselves ('?' on most layouts).
Qt::KeyboardModifiers Relevant(const QKeyEvent* event)
{
    Qt::KeyboardModifiers m = event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
    if (event->key() == Qt::Key_Question)
        m &= ~Qt::ShiftModifier;
    return m;
}

}  // namespace

QString CPlayerDlg::KeyHelpText()
{
    QString rows;
    for (std::size_t i = 0; i < std::size(kBindings); ++i) {
        if (*kBindings[i].keys)
            rows += QString("<tr><td><b>%1</b></td><td>&nbsp;&nbsp;%2</td></tr>").arg(tr(kBindings[i].keys), tr(kBindings[i].what));
    }
    return "<table>" + rows + QString("<tr><td><b>%1</b></td><td>&nbsp;&nbsp;%2</td></tr></table>")
                                  .arg(tr("Escape"), tr("leave full screen, else clear the clip's marks, else close"));
}

bool CPlayerDlg::HandleKey(QKeyEvent* event)
{
    if (keyHelp_->isVisible() && event->key() != Qt::Key_Question && event->key() != Qt::Key_F1) {
        keyHelp_->hide();  // any key closes the help, Escape without closing the window
        if (event->key() == Qt::Key_Escape)
            return true;
    }
    if (event->key() == Qt::Key_Escape && (mainView_->IsFullScreen() || secondView_->IsFullScreen())) {
        mainView_->SetFullScreen(false);
        secondView_->SetFullScreen(false);
        return true;
    }
    if (event->key() == Qt::Key_Escape && HasClipMarks()) {
        ClearClipMarks();
        return true;
    }
    // The list, while it shows and has the keyboard, moves through its rows.
    const bool listKeys = event->key() == Qt::Key_Up || event->key() == Qt::Key_Down ||
                          event->key() == Qt::Key_PageUp || event->key() == Qt::Key_PageDown;
    for (CSkinListCtrl* list : {listView_, eventsView_}) {
        if (listKeys && list->isVisible() && list->hasFocus())
            return false;
    }
    for (const KeyBinding& b : kBindings) {
        if (b.key == event->key() && b.modifiers == Relevant(event)) {
            b.action(*this);
            return true;
        }
    }
    return false;
}

// The keys reach the window whichever of its parts has the keyboard (the
// map, the list, a button), and from a full-screen picture too (its window
// hands them to the view): the application's key presses pass here first.
class KeyRouter : public QObject {
public:
    explicit KeyRouter(CPlayerDlg* window) : QObject(window), window_(window) { qApp->installEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress || watched == window_)
            return false;  // the window's own keys come through keyPressEvent
        auto* widget = qobject_cast<QWidget*>(watched);
        return widget && widget->window() == window_ && window_->HandleKey(static_cast<QKeyEvent*>(event));
    }

private:
    CPlayerDlg* window_;
};

void CPlayerDlg::RouteKeys()
{
    new KeyRouter(this);
}

void CPlayerDlg::TogglePair()
{
    if (!IsOpen(mainPlayer_.GetState()) && mainPlayer_.GetState() != Stopped)
        return;
    const bool start = mainPlayer_.GetState() != Running;
    for (CMediaPlayer* p : {&mainPlayer_, &secondPlayer_}) {
        if (start && p->GetState() != Running)
            p->TogglePlayPause();
        else if (!start)
            p->Pause();
    }
    userStopped_ = 0;
}

void CPlayerDlg::SeekPairBy(double seconds)
{
    if (IsOpen(mainPlayer_.GetState()))
        SeekPairTo(mainPlayer_.GetPosition() + seconds);
}

void CPlayerDlg::StepPair(bool forward)
{
    mainPlayer_.StepFrame(forward);
    if (IsOpen(secondPlayer_.GetState()))
        secondPlayer_.StepFrame(forward);
}

int CPlayerDlg::NearestRateIndex(double rate)
{
    int best = 0;
    for (int i = 1; i < kForwardRates; ++i) {
        if (std::fabs(kRates[i] - rate) < std::fabs(kRates[best] - rate))
            best = i;
    }
    return best;
}

void CPlayerDlg::SetPairRate(int index)
{
    rateIndex_ = std::clamp(index, 0, kForwardRates - 1);
    mainPlayer_.SetRate(rateIndex_);
    secondPlayer_.SetRate(rateIndex_);
    // The speed stays on screen while it is not 1x.
    rateText_->setText(QString("%1x").arg(kRates[rateIndex_]));
    rateText_->setVisible(rateIndex_ != 0);
    rateText_->raise();
}

void CPlayerDlg::ToggleMute()
{
    mainPlayer_.SetMuted(!mainPlayer_.IsMuted());
}

void CPlayerDlg::ToggleFullScreen()
{
    if (IsOpen(mainPlayer_.GetState()))
        mainView_->SetFullScreen(!mainView_->IsFullScreen());
}

void CPlayerDlg::ToggleKeyHelp()
{
    keyHelp_->setVisible(!keyHelp_->isVisible());
    keyHelp_->raise();
}
