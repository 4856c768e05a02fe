// gallery: every skinned control on the window skin, with sample data, for
// looking at the art and the controls together.

#include "mkrec_writers.h"
#include "skin/BitmapSlider.h"
#include "skin/Layout.h"
#include "skin/PngButton.h"
#include "skin/ResourceImage.h"
#include "skin/SkinListCtrl.h"
#include "track/TrackLoader.h"
#include "widgets/WaveFormCtrl.h"

#include <QApplication>
#include <QLabel>
#include <QPainter>
#include <QTemporaryDir>

namespace {

class SkinWindow : public QWidget {
public:
    SkinWindow()
    {
        LoadResourceImage(150, "PNG", skin_);
        LoadResourceImage(168, "JPG", idle_);
        QImage needle;
        LoadResourceImage(169, "BMP", needle);
        needle_ = needle.convertToFormat(QImage::Format_ARGB32);
        for (int y = 0; y < needle_.height(); ++y)
            for (int x = 0; x < needle_.width(); ++x)
                if (needle_.pixelColor(x, y) == QColor(255, 0, 255))
                    needle_.setPixel(x, y, 0);
        setFixedSize(skin_.size());
    }
    const QImage& Skin() const { return skin_; }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.drawImage(0, 0, skin_);
        p.drawImage(Layout::kVideo.Rect().topLeft(), idle_);
        p.setPen(QPen(QColor(255, 0, 0), 2));
        p.drawLine(776, 684, 806, 644);  // the speed needle near 90 km/h
        p.drawImage(Layout::kCompassLeft + 26, Layout::kCompassTop, needle_);
    }

private:
    QImage skin_, idle_, needle_;
};

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    SkinWindow window;
    window.setWindowTitle("DualDash controls");

    const std::pair<Layout::Control, int> buttons[] = {
        {Layout::kCycle, 149}, {Layout::kPrev, 153},   {Layout::kPlay, 152},   {Layout::kStop, 155},
        {Layout::kNext, 151},  {Layout::kPrint, 158},  {Layout::kCapture, 161}, {Layout::kSwap, 172},
        {Layout::kImport, 164}, {Layout::kClear, 162}, {Layout::kVideoSwitch, 173},
        {Layout::kVolumeDown, 160}, {Layout::kVolumeUp, 159}, {Layout::kMinimize, 165}, {Layout::kClose, 163}};
    for (const auto& [control, png] : buttons) {
        auto* button = new CPngButton(&window, control.id);
        button->move(control.Rect().topLeft());
        if (control.id != Layout::kMinimize.id && control.id != Layout::kClose.id)
            button->SetBackground(&window.Skin());
        button->LoadImage(png);
    }
    for (int k = 0; k < 10; ++k) {
        auto* bar = new QLabel(&window);
        QImage lit;
        LoadResourceImage(k < 6 ? 156 : 157, "BMP", lit);
        bar->setPixmap(QPixmap::fromImage(lit));
        bar->setGeometry(QRect(Layout::VolumeBar(k).Rect().topLeft(), lit.size()));
    }
    auto* seek = new CBitmapSlider(&window, Layout::kSeekBar.id);
    seek->move(Layout::kSeekBar.Rect().topLeft());
    seek->SetChannelBitmaps(129, 130, false, 0xFF000000, 0, 0);
    seek->SetThumbBitmaps(131, 132, true, 0xFF000000, 0, 0);
    seek->SetFocusRect(false, false);
    seek->SetMargins(0, -5, 0, 5);
    seek->SetRange(0, 300, false);
    seek->SetPos(110);

    auto* list = new CSkinListCtrl(&window);
    list->setGeometry(QRect(Layout::kList.Rect().topLeft(), QSize(308, 229)));
    list->SetColumns();
    list->Init();
    for (int i = 0; i < 14; ++i) {
        list->InsertRow(i, (i == 2 ? "*" : " ") + std::to_string(i + 1));
        list->SetRowText(i, 1, "A60514" + std::to_string(81500 + 30 * i) + "_00" + std::to_string(10 + 2 * i) + ".MOV");
        list->SetRowText(i, 2, "08:" + std::to_string(15 + i / 2) + ":00 05-14-2026");
    }
    list->SelectRow(1);

    auto* map = new QLabel("Loading...", &window);
    map->setGeometry(Layout::kMap.Rect());
    map->setAlignment(Qt::AlignCenter);
    map->setStyleSheet("color: rgb(130,149,179);");

    QTemporaryDir dir;
    RecordingSpec spec;
    spec.route = MakeDemoRoute(400);
    spec.keyDigits = "35761249";
    spec.start = 1778746500;
    const std::string dat = dir.filePath("gallery.DAT").toStdString();
    WriteSideFile(dat, spec);
    CTrackLoader track;
    track.LoadTrack(dat, "gallery.MOV");
    auto* wave = new CWaveFormCtrl(&window);
    wave->setGeometry(Layout::kWaveform.Rect());
    wave->SetTrack(&track);
    wave->SetTotalSeconds(400);
    wave->Refresh();
    wave->SetCursor(1250);
    wave->SetElapsedSeconds(125);

    auto* speed = new QLabel("90Km/H", &window);
    speed->setGeometry(Layout::kSpeedText.Rect());
    speed->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    speed->setStyleSheet("color: rgb(130,149,179); background: rgb(32,32,32);");

    window.show();
    return app.exec();
}
