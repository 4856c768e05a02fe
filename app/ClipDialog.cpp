#include "ClipDialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <cmath>
#include <cstdlib>

namespace {

struct QualityChoice {
    const char* title;
    int crf;
};
const QualityChoice kQualities[] = {
    {QT_TRANSLATE_NOOP("ClipDialog", "Visually lossless"), ClipRequest::kVisuallyLossless},
    {QT_TRANSLATE_NOOP("ClipDialog", "High"), 23},
    {QT_TRANSLATE_NOOP("ClipDialog", "Small"), 28},
};

struct SizeChoice {
    const char* title;
    int height;
};
const SizeChoice kSizes[] = {{QT_TRANSLATE_NOOP("ClipDialog", "As recorded"), 0}, {"1080p", 1080}, {"720p", 720}};

// The choice nearest a quality remembered from elsewhere (a hand-edited file).
int QualityIndex(int crf)
{
    int best = 0;
    for (int i = 1; i < static_cast<int>(std::size(kQualities)); ++i) {
        if (std::abs(kQualities[i].crf - crf) < std::abs(kQualities[best].crf - crf))
            best = i;
    }
    return best;
}

double ClipSeconds(const ClipRequest& request)
{
    double seconds = 0;
    for (const ClipPiece& piece : request.pieces)
        seconds += piece.to - piece.from;
    return seconds;
}

// Whole seconds, as the clock of the waveform shows them: a start at 7.7 s is 0:07.
QString MinutesAndSeconds(double seconds)
{
    const auto whole = static_cast<long long>(std::floor(seconds + 1e-6));
    return QString("%1:%2").arg(whole / 60).arg(whole % 60, 2, 10, QChar('0'));
}

}  // namespace

ClipDialog::ClipDialog(const ClipRequest& proposal, QWidget* parent) : QDialog(parent), proposal_(proposal)
{
    setWindowTitle(tr("Save clip"));
    for (const ClipPiece& piece : proposal_.pieces)
        hasRear_ = hasRear_ || !piece.rear.empty();
    auto* column = new QVBoxLayout(this);
    if (!proposal_.pieces.empty()) {
        const ClipPiece& first = proposal_.pieces.front();
        const int files = static_cast<int>(proposal_.pieces.size());
        column->addWidget(new QLabel(tr("%1 long, from %2 into %3%4")
                                         .arg(MinutesAndSeconds(ClipSeconds(proposal_)), MinutesAndSeconds(first.from),
                                              QFileInfo(QString::fromStdString(first.front)).fileName(),
                                              files > 1 ? tr(", across %1 files").arg(files) : QString()),
                                     this));
    }
    column->addWidget(MakeCameras());
    column->addWidget(MakeOverlays());
    auto* form = new QFormLayout;
    sound_ = new QCheckBox(tr("Sound as recorded (off: none, the cabin stays private)"), this);
    sound_->setObjectName("sound");
    form->addRow(tr("Sound:"), sound_);
    quality_ = new QComboBox(this);
    quality_->setObjectName("quality");
    for (const QualityChoice& q : kQualities)
        quality_->addItem(tr(q.title), q.crf);
    form->addRow(tr("Quality:"), quality_);
    size_ = new QComboBox(this);
    size_->setObjectName("size");
    for (const SizeChoice& s : kSizes)
        size_->addItem(tr(s.title), s.height);
    form->addRow(tr("Size:"), size_);
    form->addRow(tr("File:"), MakeOutput());
    column->addLayout(form);
    copyNote_ = new QLabel(tr("One camera without overlays: copied without re-encoding, from the key frame at or before the start."), this);
    copyNote_->setObjectName("copyNote");
    copyNote_->setWordWrap(true);
    column->addWidget(copyNote_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Save | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &ClipDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &ClipDialog::reject);
    column->addWidget(buttons);
    ShowChoices(proposal_);
    for (QCheckBox* box : {time_, speed_, position_, g_, route_, sound_})
        connect(box, &QCheckBox::toggled, this, &ClipDialog::FollowChoices);
    for (QComboBox* box : {layout_, zone_, quality_, size_})
        connect(box, &QComboBox::currentIndexChanged, this, &ClipDialog::FollowChoices);
    connect(cameras_, &QButtonGroup::idToggled, this, &ClipDialog::FollowChoices);
    FollowChoices();
}

QWidget* ClipDialog::MakeCameras()
{
    auto* box = new QGroupBox(tr("Cameras"), this);
    auto* grid = new QHBoxLayout(box);
    cameras_ = new QButtonGroup(this);
    const std::pair<ClipCameras, const char*> choices[] = {
        {ClipCameras::Front, QT_TR_NOOP("Front")}, {ClipCameras::Rear, QT_TR_NOOP("Rear")}, {ClipCameras::Both, QT_TR_NOOP("Both")}};
    for (const auto& [camera, title] : choices) {
        auto* button = new QRadioButton(tr(title), box);
        button->setObjectName(QString(title).toLower());
        button->setEnabled(camera == ClipCameras::Front || hasRear_);
        cameras_->addButton(button, static_cast<int>(camera));
        grid->addWidget(button);
    }
    layout_ = new QComboBox(box);
    layout_->setObjectName("layout");
    layout_->addItem(tr("Picture in picture, as the player shows them"), static_cast<int>(ClipLayout::PictureInPicture));
    layout_->addItem(tr("Side by side"), static_cast<int>(ClipLayout::SideBySide));
    layout_->addItem(tr("Stacked"), static_cast<int>(ClipLayout::Stacked));
    grid->addWidget(layout_, 1);
    return box;
}

QWidget* ClipDialog::MakeOverlays()
{
    auto* box = new QGroupBox(tr("Drawn in"), this);
    auto* grid = new QVBoxLayout(box);
    auto* timeRow = new QHBoxLayout;
    time_ = new QCheckBox(tr("Date and time"), box);
    time_->setObjectName("time");
    zone_ = new QComboBox(box);
    zone_->setObjectName("zone");
    zone_->addItems({tr("UTC"), tr("Local time")});
    timeRow->addWidget(time_);
    timeRow->addWidget(zone_);
    timeRow->addStretch(1);
    grid->addLayout(timeRow);
    speed_ = new QCheckBox(tr("Speed (%1)").arg(proposal_.overlays.mph ? "mph" : "km/h"), box);
    speed_->setObjectName("speed");
    position_ = new QCheckBox(tr("Position (degrees)"), box);
    position_->setObjectName("position");
    g_ = new QCheckBox(tr("G values"), box);
    g_->setObjectName("g");
    route_ = new QCheckBox(tr("Route of the clip, drawn from the track"), box);
    route_->setObjectName("route");
    for (QCheckBox* check : {speed_, position_, g_, route_})
        grid->addWidget(check);
    return box;
}

QWidget* ClipDialog::MakeOutput()
{
    auto* row = new QWidget(this);
    auto* line = new QHBoxLayout(row);
    line->setContentsMargins(0, 0, 0, 0);
    output_ = new QLineEdit(QString::fromStdString(proposal_.output), row);
    output_->setObjectName("output");
    output_->setMinimumWidth(360);
    auto* browse = new QPushButton(tr("Browse…"), row);
    connect(browse, &QPushButton::clicked, this, &ClipDialog::Browse);
    line->addWidget(output_, 1);
    line->addWidget(browse);
    return row;
}

void ClipDialog::ShowChoices(const ClipRequest& c)
{
    const ClipCameras camera = hasRear_ ? c.cameras : ClipCameras::Front;
    cameras_->button(static_cast<int>(camera))->setChecked(true);
    layout_->setCurrentIndex(layout_->findData(static_cast<int>(c.layout)));
    time_->setChecked(c.overlays.time);
    zone_->setCurrentIndex(c.overlays.localTime ? 1 : 0);
    speed_->setChecked(c.overlays.speed);
    position_->setChecked(c.overlays.position);
    g_->setChecked(c.overlays.g);
    route_->setChecked(c.overlays.route);
    sound_->setChecked(c.sound);
    quality_->setCurrentIndex(QualityIndex(c.quality));
    size_->setCurrentIndex(std::max(0, size_->findData(c.height)));
}

// What does not apply is greyed out; a copy has no quality of its own.
void ClipDialog::FollowChoices()
{
    const ClipRequest request = Request();
    layout_->setEnabled(request.cameras == ClipCameras::Both);
    zone_->setEnabled(request.overlays.time);
    const bool copy = IsStreamCopy(request);
    quality_->setEnabled(!copy);
    copyNote_->setVisible(copy);
}

ClipRequest ClipDialog::Request() const
{
    ClipRequest r = proposal_;
    r.cameras = static_cast<ClipCameras>(cameras_->checkedId());
    r.layout = static_cast<ClipLayout>(layout_->currentData().toInt());
    r.overlays.time = time_->isChecked();
    r.overlays.localTime = zone_->currentIndex() == 1;
    r.overlays.speed = speed_->isChecked();
    r.overlays.position = position_->isChecked();
    r.overlays.g = g_->isChecked();
    r.overlays.route = route_->isChecked();
    r.sound = sound_->isChecked();
    r.quality = quality_->currentData().toInt();
    r.height = size_->currentData().toInt();
    r.output = OutputPath().toStdString();
    return r;
}

// A name without an extension gets the MP4's.
QString ClipDialog::OutputPath() const
{
    const QString name = output_->text().trimmed();
    if (name.isEmpty() || !QFileInfo(name).suffix().isEmpty())
        return name;
    return name + ".mp4";
}

// The window asks about replacing a file, by the final name and for the
// GPX beside it too: the file dialog's own question is not asked.
void ClipDialog::Browse()
{
    const QString name = QFileDialog::getSaveFileName(this, tr("Save clip"), OutputPath(), tr("MP4 video (*.mp4)"), nullptr,
                                                      QFileDialog::DontConfirmOverwrite);
    if (!name.isEmpty())
        output_->setText(name);
}

void ClipDialog::accept()
{
    if (OutputPath().isEmpty()) {
        output_->setFocus();
        return;
    }
    QDialog::accept();
}
