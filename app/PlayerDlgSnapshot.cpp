// Capture (the large view's frame as a JPEG file) and Print (one page about
// the current moment).

#include "PlayerDlg.h"

#include "widgets/WaveFormCtrl.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>

namespace {

// Windows-style rectangles: right and bottom are exclusive edges.
struct Box {
    int left, top, right, bottom;
    int Width() const { return right - left; }
    QRect Rect() const { return QRect(QPoint(left, top), QPoint(right - 1, bottom - 1)); }
};

}  // namespace

// Both commands act only on a loaded recording, pause a running pair for
// their length and let it run on afterwards.
void CPlayerDlg::WithPairPaused(const std::function<void()>& command)
{
    const PlayState s = mainPlayer_.GetState();
    if (s == Stopped || s == Closed)
        return;
    const bool resume = s == Running;
    if (resume) {
        mainPlayer_.Pause();
        secondPlayer_.Pause();
    }
    command();
    if (resume) {
        mainPlayer_.TogglePlayPause();
        secondPlayer_.TogglePlayPause();
    }
}

void CPlayerDlg::OnBnClickedCapture()
{
    WithPairPaused([this] {
        const QString folder = captureFolder_.isEmpty() ? QDir::homePath() : captureFolder_;
        const QString name = saveNameHook_
            ? saveNameHook_(folder)
            : QFileDialog::getSaveFileName(this, tr("Set file name..."), folder, tr("Photo File(*.jpg)"));
        if (name.isEmpty())
            return;
        captureFolder_ = QFileInfo(name).absolutePath();
        settings_.SetCaptureFolder(captureFolder_);
        QApplication::setOverrideCursor(Qt::WaitCursor);
        const bool written = LargePlayer().CaptureImage(name);  // the picture in the large view
        QApplication::restoreOverrideCursor();
        if (!written)
            ShowMessage(tr("Capture failed! %1 could not be written.").arg(name), true);
    });
}

void CPlayerDlg::OnBnClickedPrint()
{
    WithPairPaused([this] {
        QPrinter printer(QPrinter::HighResolution);
        if (printerHook_) {
            if (!printerHook_(printer))
                return;
        } else {
            QPrintDialog dialog(&printer, this);
            dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize);
            if (dialog.exec() != QDialog::Accepted)
                return;
        }
        PrintInformation(printer);
    });
}

void CPlayerDlg::PrintInformation(QPrinter& printer)
{
    const std::string path = playingPath_.toStdString();  // what plays, whichever row is current
    printer.setDocName(tr("Player print information"));
    if (printer.outputFormat() == QPrinter::PdfFormat)
        printer.setResolution(300);  // a printer's pixels: the page's layout is given in them
    QPainter p;
    if (!p.begin(&printer))
        return;
    const int W = printer.width() - 80, H = printer.height() - 100;
    QFont font("Liberation Sans");
    font.setPointSize(10);
    p.setFont(font);
    p.setPen(QPen(Qt::black, 1));
    const int centred = Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap | Qt::TextExpandTabs | Qt::TextDontClip;
    p.drawText(Box{40, 60, W, H}.Rect(), centred, tr("Player print information"));
    p.drawLine(40, 120, W, 120);

    Box t{80, 160, W - 80, 320};
    float x = 0, y = 0, z = 0;
    std::string longitude, latitude;
    waveform_->GetCursorValues(x, y, z, longitude, latitude);
    const auto g = [](float value) { return QString::asprintf("%0.3f", value); };
    const QString text =
        tr("File: %1\n\nG-Sensor data:  x - %2  y - %3  z - %4]\n\nGPS coordinate: Longitude - %5  Latitude - %6")
            .arg(QString::fromStdString(path), g(x), g(y), g(z), QString::fromStdString(longitude),
                 QString::fromStdString(latitude));
    const int left = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap | Qt::TextExpandTabs | Qt::TextDontClip;
    p.drawText(t.Rect(), left, text);
    // The pictures start below the text even when it needs more than its box,
    // so that no frame is drawn over the coordinates.
    t.bottom = std::max(t.bottom, p.boundingRect(t.Rect(), left, text).bottom() + 1);

    // The frames straight from memory, the main one full width, the other
    // half width and centred, each keeping its proportions.
    const QImage front = mainPlayer_.GetCurrentImage();
    if (!front.isNull()) {
        t.top = t.bottom + 10;
        t.bottom = static_cast<int>(t.Width() * (static_cast<double>(front.height()) / front.width()) + t.top);
        p.drawImage(t.Rect(), front);
    }
    const QImage rear = secondPlayer_.GetCurrentImage();
    if (!rear.isNull()) {
        t.top = t.bottom + 10;
        t.bottom = static_cast<int>((t.Width() / 2) * (static_cast<double>(rear.height()) / rear.width()) + t.top);
        t.left = t.left + t.Width() / 4;
        t.right = W - t.left;
        p.drawImage(t.Rect(), rear);
    }
    t.left = 80;
    t.right = W - 80;
    const QSize q = waveform_->size();
    t.top = t.bottom + 10;
    t.bottom = static_cast<int>(static_cast<double>(q.height()) / q.width() * t.Width() + t.top);
    QImage wave(q, QImage::Format_RGB32);
    QPainter wavePainter(&wave);
    waveform_->DrawTo(wavePainter);
    wavePainter.end();
    p.drawImage(t.Rect(), wave);

    p.drawText(Box{10, H - 50, W, H}.Rect(), centred,
               tr("Print time: %1").arg(QDateTime::currentDateTime().toString("yyyy-MM-dd hh:mm:ss")));
    p.drawLine(10, H - 60, W, H - 60);
    p.end();
}
