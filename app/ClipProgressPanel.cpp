#include "ClipProgressPanel.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <algorithm>
#include <cmath>

namespace {

constexpr int kSteps = 1000;
// Before this much is done the pace says little about the rest (opening the
// files, the encoder starting).
constexpr double kLeastToTell = 0.02;
constexpr qint64 kLeastMsToTell = 1000;

}  // namespace

ClipProgressPanel::ClipProgressPanel(QWidget* parent)
    : QFrame(parent), bar_(new QProgressBar(this)), text_(new QLabel(this)), cancel_(new QPushButton(tr("Cancel"), this))
{
    setAutoFillBackground(true);
    setStyleSheet("ClipProgressPanel { background: rgba(16, 22, 30, 235); } QLabel { color: rgb(214, 224, 236); }");
    setAttribute(Qt::WA_NoMousePropagation);  // a press on it never drags the window
    setAccessibleName(tr("Saving a clip"));
    bar_->setAccessibleName(tr("Clip progress"));
    text_->setAccessibleName(tr("Clip being saved"));
    bar_->setRange(0, kSteps);
    bar_->setTextVisible(false);
    bar_->setFixedWidth(150);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(8, 4, 8, 4);
    text_->setMinimumWidth(1);  // the panel's width is the label's, whatever the name: the name is shortened
    row->addWidget(text_, 1);
    row->addWidget(bar_);
    row->addWidget(cancel_);
    cancel_->setFocusPolicy(Qt::NoFocus);  // the keys stay the player's
    connect(cancel_, &QPushButton::clicked, this, &ClipProgressPanel::cancelRequested);
    hide();
}

void ClipProgressPanel::Start(const QString& doing, const QString& file)
{
    doing_ = doing;
    file_ = file;
    cancel_->setEnabled(true);
    show();
    raise();
    layout()->activate();  // the label's width, for the name's
    ShowProgress(0, 0);
}

void ClipProgressPanel::ShowProgress(double fraction, qint64 elapsedMs)
{
    bar_->setValue(static_cast<int>(std::lround(std::clamp(fraction, 0.0, 1.0) * kSteps)));
    const QString left = TimeLeft(fraction, elapsedMs);
    // Two lines: a long file name never hides the time left.
    ShowLines(left.isEmpty() ? tr("working out the time left") : left);
}

void ClipProgressPanel::ShowCancelling()
{
    cancel_->setEnabled(false);
    ShowLines(tr("cancelling…"));
}

// The file's name shortened in its middle when the first line would not fit the panel.
void ClipProgressPanel::ShowLines(const QString& state)
{
    const QFontMetrics metrics(text_->font());
    const int room = text_->contentsRect().width() - metrics.horizontalAdvance(QString(doing_).arg(QString()));
    text_->setText(QString(doing_).arg(metrics.elidedText(file_, Qt::ElideMiddle, std::max(room, 0))) + '\n' + state);
}

QString ClipProgressPanel::TimeLeft(double fraction, qint64 elapsedMs)
{
    if (fraction < kLeastToTell || elapsedMs < kLeastMsToTell)
        return {};
    const double leftSeconds = elapsedMs / 1000.0 * (1 - std::min(fraction, 1.0)) / fraction;
    const auto seconds = static_cast<long long>(std::ceil(leftSeconds));
    return tr("%1:%2 left").arg(seconds / 60).arg(seconds % 60, 2, 10, QChar('0'));
}
