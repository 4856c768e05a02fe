// The main window: construction, layout, painting, keys and dragging.

#include "PlayerDlg.h"

#include "MprisService.h"
#include "map/DlgMap.h"
#include "skin/BitmapSlider.h"
#include "skin/Layout.h"
#include "skin/PngButton.h"
#include "skin/ResourceImage.h"
#include "skin/SkinListCtrl.h"
#include "widgets/DlgVideoView.h"
#include "widgets/SpeedDash.h"
#include "widgets/WaveFormCtrl.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPainter>
#include <QWindow>
#include <cmath>

namespace {

const QColor kStaticText(130, 149, 179);

// Control 1000: the idle picture over the main view until the first recording
// opens, with what to do first in the user's language.
class IdlePicture : public QWidget {
public:
    IdlePicture(QWidget* parent, const QImage& picture) : QWidget(parent), picture_(picture)
    {
        setAttribute(Qt::WA_NoMousePropagation);
        setAccessibleName(CPlayerDlg::tr("Front camera"));
        setAccessibleDescription(Hint());
    }

    static QString Hint() { return CPlayerDlg::tr("Import a folder, then double-click a recording"); }
    static QFont HintFont()
    {
        QFont font("Liberation Sans");
        font.setPixelSize(14);
        return font;
    }
    static QRect HintRect() { return QRect(0, 232, 680, 24); }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.fillRect(rect(), Qt::black);
        p.drawImage(0, 0, picture_);
        p.setFont(HintFont());
        p.setPen(kStaticText);
        p.drawText(HintRect(), Qt::AlignCenter, Hint());
    }

private:
    const QImage& picture_;
};

// Words on the skin: drawn over it, not taking its presses (the title drags the window).
QLabel* SkinText(QWidget* parent, const QString& text, QRect rect, int pixels, QColor colour)
{
    auto* label = new QLabel(text, parent);
    label->setGeometry(rect);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    QFont font("Liberation Sans");
    font.setPixelSize(pixels);
    font.setWeight(QFont::DemiBold);
    label->setFont(font);
    label->setStyleSheet(QString("background: transparent; color: %1;").arg(colour.name()));
    return label;
}

QLabel* StaticText(QWidget* parent, const QString& text, QRect rect, Qt::Alignment alignment, QColor back)
{
    auto* label = new QLabel(text, parent);
    label->setGeometry(rect);
    label->setAlignment(alignment);
    label->setAttribute(Qt::WA_NoMousePropagation);  // a press on a control never drags
    label->setAutoFillBackground(true);
    QPalette colours = label->palette();
    colours.setColor(QPalette::WindowText, kStaticText);
    colours.setColor(QPalette::Window, back);
    label->setPalette(colours);
    return label;
}

}  // namespace

CPlayerDlg::CPlayerDlg(QWidget* parent) : QDialog(parent, Qt::Window | Qt::FramelessWindowHint)
{
    LoadResourceImage(150, "PNG", skinImage_);
    LoadResourceImage(168, "JPG", idleImage_);
    LoadResourceImage(169, "BMP", compassNeedle_);
    LoadResourceImage(174, "PNG", mphFace_);
    setWindowTitle(tr("Player"));
    QImage icon;
    if (LoadResourceImage(128, "PNG", icon))
        setWindowIcon(QIcon(QPixmap::fromImage(icon)));
    setFixedSize(Layout::kSkinWidth, Layout::kSkinHeight);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAcceptDrops(true);
    CreateControls();
    InitDialog();
    RouteKeys();
    mpris_ = new MprisService(this);
    // What the last session left.
    volumeLevel_ = settings_.Volume();
    captureFolder_ = settings_.CaptureFolder();
    if (settings_.CycleMode() != cycleMode_)
        OnBnClickedCycle();
    if (settings_.SpeedInMph())
        SetSpeedUnit(SpeedDash::SpeedUnit::Mph);
    speedColours_ = settings_.RouteSpeedColours();
}

CPlayerDlg::~CPlayerDlg()
{
    StopClipAndWait();
    recordings_.SetView(nullptr);  // the list view goes first; the nodes need no view to die
    clock_.stop();
    needleTimer_.stop();
    cardTimer_.stop();
    importTimer_.stop();
}

void CPlayerDlg::CreateControls()
{
    using namespace Layout;
    mapPlaceholder_ = StaticText(this, tr("Loading..."), kMap.Rect(), Qt::AlignCenter, Qt::black);
    titleText_ = SkinText(this, windowTitle(), QRect(28, 1, 200, 29), 13, QColor(200, 212, 230));
    volumeText_ = SkinText(this, tr("VOLUME"), QRect(22, kPlay.Rect().top() - 4, 120, 14), 9, kStaticText);
    listView_ = new CSkinListCtrl(this);
    listView_->setGeometry(kList.Rect());
    // A long import's progress, over the foot of the list.
    const QRect list = kList.Rect();
    importProgress_ = StaticText(this, "", QRect(list.left(), list.bottom() - 21, list.width(), 22), Qt::AlignCenter,
                                 QColor(32, 32, 32));
    importProgress_->setStyleSheet("background: rgba(224, 234, 244, 230); color: rgb(32, 32, 32);");
    importProgress_->hide();
    eventsView_ = new CSkinListCtrl(this);
    eventsView_->setGeometry(kList.Rect());
    eventsProgress_ = StaticText(this, "", importProgress_->geometry(), Qt::AlignCenter, QColor(32, 32, 32));
    eventsProgress_->setStyleSheet(importProgress_->styleSheet());
    eventsProgress_->hide();
    const QRect video = kVideo.Rect();
    keyHelp_ = StaticText(this, KeyHelpText(), video.adjusted(90, 40, -90, -40), Qt::AlignCenter, QColor(0, 0, 0));
    keyHelp_->setStyleSheet("background: rgba(16, 22, 30, 235); color: rgb(214, 224, 236); font-size: 13px;");
    // A language with longer words or taller letters widens the box, within the picture.
    keyHelp_->ensurePolished();
    QRect help(QPoint(), keyHelp_->size().expandedTo(keyHelp_->sizeHint() + QSize(24, 16)).boundedTo(video.size()));
    help.moveCenter(video.center());
    keyHelp_->setGeometry(help);
    keyHelp_->hide();
    rateText_ = StaticText(this, "", QRect(video.right() - 60, video.top() + 8, 52, 24), Qt::AlignCenter, QColor(0, 0, 0));
    rateText_->setStyleSheet("background: rgba(16, 22, 30, 200); color: rgb(255, 255, 255); font-weight: bold;");
    rateText_->hide();
    waveform_ = new CWaveFormCtrl(this);
    waveform_->setGeometry(kWaveform.Rect());
    waveform_->SetTrack(&track_);
    seekBar_ = new CBitmapSlider(this, kSeekBar.id);
    seekBar_->setGeometry(kSeekBar.Rect());
    seekBar_->installEventFilter(this);  // a press on the bar pauses the pair first
    speedText_ = StaticText(this, "0Km/H", kSpeedText.Rect(), Qt::AlignRight | Qt::AlignVCenter, QColor(32, 32, 32));
    for (int k = 0; k < 10; ++k) {
        volumeBars_[static_cast<std::size_t>(k)] =
            StaticText(this, QString(), QRect(Layout::VolumeBar(k).Rect().topLeft(), QSize(2, 11)), Qt::AlignLeft, Qt::black);
    }
    CreateButtons();
}

CPngButton* CPlayerDlg::MakeButton(int id, int png, bool onSkin, void (CPlayerDlg::*handler)())
{
    auto* button = new CPngButton(this, id);
    button->setGeometry(Layout::ButtonRect(id));
    if (onSkin)
        button->SetBackground(&skinImage_);
    button->LoadImage(png);
    if (handler)
        connect(button, &QAbstractButton::clicked, this, [this, handler] { (this->*handler)(); });
    buttons_.push_back(button);
    return button;
}

void CPlayerDlg::CreateButtons()
{
    MakeButton(1024, 165, false, nullptr);
    MakeButton(1025, 163, false, nullptr);
    connect(Button(1024), &QAbstractButton::clicked, this, &QWidget::showMinimized);
    connect(Button(1025), &QAbstractButton::clicked, this, &QDialog::reject);
    MakeButton(1005, 164, true, &CPlayerDlg::OnBnClickedImport);
    MakeButton(1007, 162, true, &CPlayerDlg::OnBnClickedClear);
    MakeButton(1026, 160, true, &CPlayerDlg::OnBnClickedVolumeDown);
    MakeButton(1027, 159, true, &CPlayerDlg::OnBnClickedVolumeUp);
    MakeButton(1018, 149, true, &CPlayerDlg::OnBnClickedCycle);
    MakeButton(1010, 153, true, &CPlayerDlg::OnBnClickedPrev);
    MakeButton(1008, 152, true, &CPlayerDlg::OnBnClickedPlay);
    MakeButton(1009, 155, true, &CPlayerDlg::OnBnClickedStop);
    MakeButton(1011, 151, true, &CPlayerDlg::OnBnClickedNext);
    MakeButton(1012, 158, true, &CPlayerDlg::OnBnClickedPrint);
    MakeButton(1013, 161, true, &CPlayerDlg::OnBnClickedCapture);
    MakeButton(1043, 173, true, &CPlayerDlg::OnBnClickedVideo);
    Button(1005)->SetLabel(tr("Import"));
    Button(1007)->SetLabel(tr("Clear"));
    Button(1043)->SetLabel(tr("Video"));
    PlaceLabelledButtons();
    MakeButton(1039, 172, true, &CPlayerDlg::OnBnClickedSwap);
    Button(1008)->setText(tr("Play"));
    Button(1026)->setEnabled(false);
    Button(1027)->setEnabled(false);
}

// Import and Clear from the left of the list's header, Video/List at its
// right: a longer word widens its button, and Import pushes Clear along.
void CPlayerDlg::PlaceLabelledButtons()
{
    CPngButton *import = Button(1005), *clear = Button(1007), *video = Button(1043);
    const QRect home = Layout::ButtonRect(1043);
    const int gap = Layout::ButtonRect(1007).left() - Layout::ButtonRect(1005).left() - import->StateWidth();
    clear->move(import->geometry().right() + 1 + gap, clear->y());
    video->move(home.left() + video->StateWidth() - video->width(), video->y());
}

CPngButton* CPlayerDlg::Button(int id) const
{
    for (CPngButton* b : buttons_)
        if (b->ControlId() == id)
            return b;
    return nullptr;
}

void CPlayerDlg::CreateViews()
{
    const QRect video = Layout::kVideo.Rect();
    mainView_ = new CDlgVideoView(this);
    mainView_->SetPlayer(&mainPlayer_);
    mainView_->setGeometry(video);
    mainView_->show();
    secondView_ = new CDlgVideoView(this);
    secondView_->SetPlayer(&secondPlayer_);
    secondView_->setGeometry(Layout::SecondViewRect());
    secondView_->hide();
    secondView_->installEventFilter(this);  // its player's notices pass the window too
    // Presses on the pictures and the waveform are theirs: they never drag.
    for (QWidget* w : std::initializer_list<QWidget*>{mainView_, secondView_, waveform_})
        w->setAttribute(Qt::WA_NoMousePropagation);
    // Control 1000 lies over the main view until the first recording is opened.
    idlePlaceholder_ = new IdlePicture(this, idleImage_);
    idlePlaceholder_->setGeometry(video);
    idlePlaceholder_->installEventFilter(this);
    idlePlaceholder_->raise();
    mapView_ = new CDlgMap(mapPlaceholder_);
    connect(mapView_, &CDlgMap::routeClicked, this, &CPlayerDlg::SeekToRoutePoint);
    // What was opened before the page was ready goes to it now.
    connect(mapView_, &CDlgMap::pageReady, this, [this] {
        mapView_->SetSpeedInMph(speedUnit_ == SpeedDash::SpeedUnit::Mph);
        mapView_->SetSpeedColours(speedColours_);
        if (IsOpen(mainPlayer_.GetState())) {
            SendRoute();
            SendDrive();
        }
        ShowDriveEvents();
    });
}

void CPlayerDlg::InitDialog()
{
    connect(&needleTimer_, &QTimer::timeout, this, [this] {
        DrawSpeedNeedle(lastSpeed_);
        DrawCompassNeedle(lastCourse_);
        CheckRecordingPresent();
    });
    needleTimer_.start(1000);
    cardTimer_.setSingleShot(true);
    connect(&cardTimer_, &QTimer::timeout, this, &CPlayerDlg::ScanCard);
    cardTimer_.start(1000);
    importTimer_.setSingleShot(true);
    connect(&importTimer_, &QTimer::timeout, this, &CPlayerDlg::ImportSome);
    CreateViews();
    listView_->Init();
    listView_->SetColumns();
    recordings_.SetView(listView_);
    CreateEventsPanel();
    CreateClipControls();
    CreateRepairControls();
    DescribeControls();
    connect(listView_, &CSkinListCtrl::rowDoubleClicked, this, [this](int row) {
        if (row < 0)
            return;
        currentIndex_ = row;
        PlayFile(0);
    });
    connect(&clock_, &QTimer::timeout, this, &CPlayerDlg::OnTimer1);
    clock_.start(100);
    seekBar_->SetChannelBitmaps(129, 130, false, 0xFF000000, 0, 0);
    seekBar_->SetThumbBitmaps(131, 132, true, 0xFF000000, 0, 0);
    seekBar_->SetFocusRect(false, false);
    seekBar_->SetRange(0, 100, false);
    seekBar_->SetPos(0);
    seekBar_->SetMargins(0, -5, 0, 5);
    connect(seekBar_, &CBitmapSlider::sliderMoved, this, &CPlayerDlg::OnSliderMoved);
    QImage unlit;
    LoadResourceImage(157, "BMP", unlit);
    const QPixmap unlitBar = QPixmap::fromImage(unlit);
    for (QLabel* bar : volumeBars_)
        bar->setPixmap(unlitBar);
    ShowSecondView(false);
}

// The Video/List button offers the other of the two.
void CPlayerDlg::ShowSecondView(bool show)
{
    if (CPngButton* video = Button(1043); video && show != secondViewShown_) {
        video->LoadImage(show ? 171 : 173);
        video->SetLabel(show ? tr("List") : tr("Video"));
        PlaceLabelledButtons();
    }
    secondViewShown_ = show;
    secondView_->setVisible(show);
    listView_->setVisible(!show && !eventsShown_);
    eventsView_->setVisible(!show && eventsShown_);
}

void CPlayerDlg::paintEvent(QPaintEvent* event)
{
    QPainter p(this);
    p.setClipRegion(event->region());
    p.drawImage(0, 0, skinImage_);
    if (speedUnit_ == SpeedDash::SpeedUnit::Mph)
        p.drawImage(SpeedDash::kDialFaceRect.topLeft(), mphFace_);
    // The needles: the speed line in red, the compass through its magenta mask.
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(QColor(255, 0, 0), 2));
    p.drawLine(SpeedDash::kCentre, SpeedDash::SpeedNeedleEnd(lastSpeed_));
    if (event->region().intersects(SpeedDash::kCompassRect)) {
        // The turned needle depends only on the whole degrees: turn it once per change.
        const double degrees = std::trunc(lastCourse_);
        if (turnedNeedle_.isNull() || turnedNeedleDegrees_ != degrees) {
            turnedNeedle_ = SpeedDash::CompassNeedle(compassNeedle_, lastCourse_);
            turnedNeedleDegrees_ = degrees;
        }
        p.drawImage(SpeedDash::kCompassRect.topLeft(), turnedNeedle_);
    }
}

void CPlayerDlg::keyPressEvent(QKeyEvent* event)
{
    if (HandleKey(event))
        return;
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        event->accept();  // Enter never closes the window
        return;
    case Qt::Key_Escape:
        reject();
        return;
    default:
        QDialog::keyPressEvent(event);
    }
}

// Any uncovered point of the skin drags the caption-less window: the window
// manager moves it where it can (X11 and Wayland alike), else the window
// follows the pointer itself.
void CPlayerDlg::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        const bool systemMove = windowHandle() && windowHandle()->startSystemMove();
        dragging_ = !systemMove;
        dragOffset_ = event->globalPosition().toPoint() - frameGeometry().topLeft();
    }
    QDialog::mousePressEvent(event);
}

void CPlayerDlg::mouseMoveEvent(QMouseEvent* event)
{
    if (dragging_ && (event->buttons() & Qt::LeftButton))
        move(event->globalPosition().toPoint() - dragOffset_);
    QDialog::mouseMoveEvent(event);
}

void CPlayerDlg::mouseReleaseEvent(QMouseEvent* event)
{
    dragging_ = false;
    QDialog::mouseReleaseEvent(event);
}

// The window menu of a caption-less window: a right click on the skin.
void CPlayerDlg::contextMenuEvent(QContextMenuEvent* event)
{
    QMenu menu(this);
    menu.addAction(tr("About Player..."), this, &CPlayerDlg::ShowAbout);
    menu.addSeparator();
    for (const auto& [unit, text] : {std::pair{SpeedDash::SpeedUnit::Kmh, tr("Speed in km/h")},
                                     std::pair{SpeedDash::SpeedUnit::Mph, tr("Speed in mph")}}) {
        QAction* action = menu.addAction(text, this, [this, unit = unit] { SetSpeedUnit(unit); });
        action->setCheckable(true);
        action->setChecked(speedUnit_ == unit);
    }
    menu.addSeparator();
    const bool loaded = mainPlayer_.GetState() != Closed && mainPlayer_.GetState() != Stopped;
    menu.addAction(tr("Export track…"), this, [this] { ExportTrack(false); })->setEnabled(loaded);
    menu.addAction(tr("Export drive's track…"), this, [this] { ExportTrack(true); })->setEnabled(loaded);
    QAction* colours = menu.addAction(tr("Route coloured by speed"), this, [this](bool on) { SetSpeedColours(on); });
    colours->setCheckable(true);
    colours->setChecked(speedColours_);
    menu.addSeparator();
    AddEventsMenu(menu);
    menu.addSeparator();
    AddClipMenu(menu);
    menu.addSeparator();
    menu.addAction(tr("Minimize"), this, &QWidget::showMinimized);
    menu.addAction(tr("Close"), this, &QDialog::reject);
    menu.exec(event->globalPos());
}

void CPlayerDlg::ShowAbout()
{
    QMessageBox::about(this, tr("About Player"),
                       tr("<b>Player Version %1</b><br>DualDash plays the front and rear recordings of car video "
                          "recorders with their route, speed, course and G-sensor data.")
                           .arg(QStringLiteral(DUALDASH_VERSION)));
}
