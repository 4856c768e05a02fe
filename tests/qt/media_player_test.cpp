#include "WaitFor.h"
#include "MediaFiles.h"
#include "playback/MediaPlayer.h"
#include "playback/VideoPlacement.h"
#include "widgets/DlgVideoView.h"

#include <QApplication>
#include <QFile>
#include <QTest>
#include <QThread>

#include <mpv/client.h>

namespace {

// Counts the end-of-stream notifications it receives.
class NotifyWindow : public QWidget {
public:
    int notifications = 0;

protected:
    bool event(QEvent* e) override
    {
        if (e->type() == WM_GRAPHNOTIFY) {
            ++notifications;
            return true;
        }
        return QWidget::event(e);
    }
};

// Waits, without letting the window process anything, until libmpv has
// landed at `seconds` and stays there: the end of that seek then waits in
// its queue. Just after a seek is asked for, libmpv may for a moment give
// the target as its position before it has begun to seek.
bool EngineLandsWithoutTheWindow(const CMediaPlayer& player, double seconds)
{
    constexpr int kSteadyLooks = 10;
    const QDeadlineTimer deadline(kGenerousMs);
    for (int steady = 0; !deadline.hasExpired(); QThread::msleep(5)) {
        steady = std::abs(player.EngineLandedAt() - seconds) <= 0.001 ? steady + 1 : 0;
        if (steady == kSteadyLooks)
            return true;
    }
    return false;
}

}  // namespace

class MediaPlayerTest : public QObject {
    Q_OBJECT
private:
    QTemporaryDir dir_;
    QString mov_, avi_, text_;
    std::unique_ptr<QWidget> view_;
    NotifyWindow notify_;

    QString numbered_;  // a frame number in every picture

    QString Path(const QString& name) const { return dir_.filePath(name); }
    int FrameShown(CMediaPlayer& player) { return FrameNumberShown(view_->grab().toImage(), player.VideoRect()); }

private slots:
    void initTestCase()
    {
        QVERIFY(dir_.isValid());
        mov_ = Path("front.mov");
        avi_ = Path("front.avi");
        QVERIFY(MakeVideo(mov_, 4, "320x240"));
        QVERIFY(MakeVideo(avi_, 3, "320x180", true));
        numbered_ = Path("numbered.mov");
        QVERIFY(MakeVideo(numbered_, 6, "1280x720", false, true));
        text_ = Path("notes.MOV");
        QFile f(text_);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("this is not a video\n");
        view_ = std::make_unique<QWidget>();
        view_->resize(640, 360);
        view_->show();
    }

    void opensPausedOnTheFirstFrame()
    {
        CMediaPlayer player;
        QCOMPARE(player.GetState(), Closed);
        QCOMPARE(player.OpenFile(mov_, view_.get(), &notify_), S_OK);
        QCOMPARE(player.GetState(), Paused);
        QCOMPARE(player.GetRate(), 1.0);
        QVERIFY(std::abs(player.GetDuration() - 4.0) < 0.1);
        QCOMPARE(player.GetPosition(), 0.0);
        QVERIFY(WaitFor([&] { return player.FramesShown() > 0; }));
        QCOMPARE(player.GetCurrentImage().size(), QSize(320, 240));
        // 4:3 in a 16:9 window: bars left and right.
        QCOMPARE(player.VideoRect(), QRect(80, 0, 480, 360));
        const QImage shown = view_->grab().toImage();
        QCOMPARE(shown.pixelColor(10, 180), QColor(Qt::black));
        QVERIFY(shown.pixelColor(320, 180) != QColor(Qt::black));
    }

    void playsPausesSeeksAndStops()
    {
        CMediaPlayer player;
        QCOMPARE(player.OpenFile(mov_, view_.get(), &notify_), S_OK);
        player.TogglePlayPause();
        QCOMPARE(player.GetState(), Running);
        QVERIFY(WaitFor([&] { return player.GetPosition() > 0.3; }));
        player.Pause();
        QCOMPARE(player.GetState(), Paused);
        QTest::qWait(100);
        const double paused = player.GetPosition();
        QTest::qWait(300);
        QVERIFY(std::abs(player.GetPosition() - paused) < 0.05);
        QCOMPARE(player.SetPosition(2.0), S_OK);
        QCOMPARE(player.GetPosition(), 2.0);
        QVERIFY(WaitFor([&] { return std::abs(player.GetPosition() - 2.0) < 0.001; }));
        QTest::qWait(200);
        QVERIFY(std::abs(player.GetPosition() - 2.0) < 0.001);
        player.TogglePlayPause();
        QTest::qWait(200);
        player.StopClip();
        QCOMPARE(player.GetState(), Stopped);
        QVERIFY(WaitFor([&] { return player.GetPosition() < 0.001; }));
        player.StopClip();  // nothing more in Stopped
        QCOMPARE(player.GetState(), Stopped);
        player.TogglePlayPause();
        QCOMPARE(player.GetState(), Running);
    }

    void endOfStreamIsPostedAndRewinds()
    {
        CMediaPlayer player;
        notify_.notifications = 0;
        QCOMPARE(player.OpenFile(avi_, view_.get(), &notify_), S_OK);
        player.SetPosition(2.5);
        player.TogglePlayPause();
        QVERIFY(WaitFor([&] { return notify_.notifications == 1; }));
        player.HandleGraphEvent();
        QCOMPARE(player.GetState(), Stopped);
        QVERIFY(WaitFor([&] { return player.GetPosition() < 0.001; }));
        player.TogglePlayPause();
        QVERIFY(WaitFor([&] { return player.GetPosition() > 0.2; }));
        QCOMPARE(notify_.notifications, 1);
    }

    void failedOpensLeaveEveryCallHarmless()
    {
        for (const QString& path : {text_, Path("missing.MOV"), QString()}) {
            CMediaPlayer player;
            QVERIFY(player.OpenFile(path, view_.get(), &notify_) != S_OK);
            player.TogglePlayPause();
            player.Pause();
            player.StopClip();
            player.SetPosition(1.0);
            player.SetVolumeLevel(5);
            player.SetFullScreen(true);
            player.HandleGraphEvent();
            QCOMPARE(player.GetPosition(), 0.0);
            QCOMPARE(player.GetDuration(), 0.0);
            QCOMPARE(player.GetVolumeLevel(), 0);
            QCOMPARE(player.CaptureImage(Path("none.jpg")), 0);
            QVERIFY(!QFile::exists(Path("none.jpg")));
            QVERIFY(player.GetState() == Stopped || player.GetState() == Closed);
        }
        // A good file opens after a bad one in the same player.
        CMediaPlayer player;
        QVERIFY(player.OpenFile(text_, view_.get(), &notify_) != S_OK);
        QCOMPARE(player.OpenFile(mov_, view_.get(), &notify_), S_OK);
        QCOMPARE(player.GetState(), Paused);
    }

    // Files whose picture never comes: the open gives up, or opens (sound
    // only), and the next good file opens in the same player.
    void filesWithoutAPictureDoNotHoldTheWindow()
    {
        QFile source(mov_);
        QVERIFY(source.open(QIODevice::ReadOnly));
        const QStringList paths = WriteFilesWithoutAPicture(source.readAll(), QDir(dir_.path()));
        QCOMPARE(paths.size(), 5);
        for (const QString& path : paths) {
            CMediaPlayer player;
            const HRESULT hr = player.OpenFile(path, view_.get(), &notify_);
            if (hr == S_OK)
                QCOMPARE(player.GetState(), Paused);
            QCOMPARE(player.OpenFile(mov_, view_.get(), &notify_), S_OK);
        }
    }

    void volumeLevels()
    {
        QCOMPARE(VolumeLevelFromHundredths(-3000), 0);
        QCOMPARE(VolumeLevelFromHundredths(-2999), 1);
        QCOMPARE(VolumeLevelFromHundredths(0), 10);
        CMediaPlayer player;
        QCOMPARE(player.OpenFile(mov_, view_.get(), &notify_), S_OK);
        for (int level = 0; level <= 10; ++level) {
            player.SetVolumeLevel(level);
            QCOMPARE(player.GetVolumeLevel(), level);
        }
    }

    void rateTable()
    {
        CMediaPlayer player;
        QCOMPARE(player.OpenFile(mov_, view_.get(), &notify_), S_OK);
        const std::pair<int, double> cases[] = {{0, 1.0}, {3, 8.0}, {4, -1.0}, {8, 1.0}, {-1, 1.0}, {2, 3.0}};
        for (auto [index, rate] : cases) {
            player.SetRate(index);
            QCOMPARE(player.GetRate(), rate);
        }
        QCOMPARE(player.OpenFile(avi_, view_.get(), &notify_), S_OK);
        QCOMPARE(player.GetRate(), 1.0);
    }

    void twoPlayersAtOnce()
    {
        QWidget small;
        small.resize(320, 240);
        small.show();
        CMediaPlayer front, rear;
        QCOMPARE(front.OpenFile(mov_, view_.get(), &notify_), S_OK);
        QCOMPARE(rear.OpenFile(avi_, &small, &small), S_OK);
        front.TogglePlayPause();
        rear.TogglePlayPause();
        QVERIFY(WaitFor([&] { return front.GetPosition() > 0.5 && rear.GetPosition() > 0.5; }));
        QVERIFY(front.FramesShown() > 5);
        QVERIFY(rear.FramesShown() > 5);
        // 16:9 in 4:3: bars above and below, the odd pixel at the bottom.
        QCOMPARE(rear.VideoRect(), QRect(0, 30, 320, 180));
    }

    void letterboxRule_data()
    {
        QTest::addColumn<QSize>("video");
        QTest::addColumn<QSize>("window");
        QTest::addColumn<QRect>("expected");
        QTest::newRow("4:3 in 16:9") << QSize(640, 480) << QSize(640, 360) << QRect(80, 0, 480, 360);
        QTest::newRow("16:9 in 4:3, odd bar") << QSize(1280, 720) << QSize(400, 300) << QRect(0, 37, 400, 225);
        QTest::newRow("4:3 in wide, odd bar") << QSize(400, 300) << QSize(401, 240) << QRect(40, 0, 320, 240);
        QTest::newRow("unknown size") << QSize(0, 0) << QSize(300, 200) << QRect(0, 0, 300, 200);
    }

    void letterboxRule()
    {
        QFETCH(QSize, video);
        QFETCH(QSize, window);
        QFETCH(QRect, expected);
        QCOMPARE(LetterboxRect(video, window), expected);
    }

    void capturesTheCurrentFrameAsJpeg()
    {
        CMediaPlayer player;
        QCOMPARE(player.OpenFile(mov_, view_.get(), &notify_), S_OK);
        player.SetPosition(1.0);
        QVERIFY(WaitFor([&] { return std::abs(player.GetPosition() - 1.0) < 0.001; }));
        QTest::qWait(100);
        const QString jpeg = Path("frame.jpg");
        QCOMPARE(player.CaptureImage(jpeg), 1);
        const QImage written(jpeg);
        QCOMPARE(written.size(), QSize(320, 240));
        const QImage reference = ReferenceFrame(mov_, 1.0, Path("reference.png"));
        QVERIFY2(PixelDifference(written, reference) < 12, qPrintable(QString::number(PixelDifference(written, reference))));
        // The packed bitmap: header, then the rows bottom-up.
        const int size = player.GetImageSize();
        QCOMPARE(size, 40 + 320 * 240 * 4);
        std::vector<unsigned char> bitmap(static_cast<std::size_t>(size));
        QVERIFY(player.GetCurrentImage(bitmap.data(), size));
        const QImage frame = player.GetCurrentImage();
        const unsigned char* bottomLeft = bitmap.data() + 40;
        QCOMPARE(qBlue(frame.pixel(0, 239)), int(bottomLeft[0]));
        QCOMPARE(qRed(frame.pixel(0, 239)), int(bottomLeft[2]));
        QVERIFY(!player.GetCurrentImage(bitmap.data(), size - 1));
    }

    void failedCaptureLeavesNoFile()
    {
        CMediaPlayer player;
        QCOMPARE(player.OpenFile(mov_, view_.get(), &notify_), S_OK);
        QCOMPARE(player.CaptureImage(Path("no/such/folder/frame.jpg")), 0);
        QVERIFY(!QFile::exists(Path("no/such/folder/frame.jpg.part")));
        QCOMPARE(player.CaptureImage(""), 0);
    }

    void longAndNonAsciiPaths()
    {
        QString folder = dir_.path();
        for (int i = 0; i < 6; ++i)
            folder += "/" + QString(60, QChar(u'é')) + QString::number(i);
        QVERIFY(QDir().mkpath(folder));
        const QString copy = folder + "/Fahrt über Brücke 行车.mov";
        QVERIFY(copy.toUtf8().size() > 600);
        QVERIFY(QFile::copy(mov_, copy));
        CMediaPlayer player;
        QCOMPARE(player.OpenFile(copy, view_.get(), &notify_), S_OK);
        QCOMPARE(player.FileName(), copy);
        QCOMPARE(player.CaptureImage(folder + "/Bild ä.jpg"), 1);
        QCOMPARE(QImage(folder + "/Bild ä.jpg").size(), QSize(320, 240));
    }

    void viewTogglesFullScreen()
    {
        CMediaPlayer first, second;
        CDlgVideoView view;
        view.resize(320, 240);
        view.show();
        QTest::mouseDClick(&view, Qt::LeftButton);  // no player: nothing
        QVERIFY(!view.IsFullScreen());
        QCOMPARE(first.OpenFile(mov_, &view, &notify_), S_OK);
        view.SetPlayer(&first);
        QTest::keyClick(&view, Qt::Key_Escape);  // not in full screen: nothing
        QVERIFY(!view.IsFullScreen());
        QTest::mouseDClick(&view, Qt::LeftButton);
        QVERIFY(view.IsFullScreen());
        QWidget* full = QApplication::topLevelWidgets().last();
        QVERIFY(WaitFor([&] {
            for (QWidget* w : QApplication::topLevelWidgets())
                if (w->isFullScreen() && w->isVisible())
                    return true;
            return false;
        }));
        Q_UNUSED(full);
        QTest::keyClick(&view, Qt::Key_Escape);
        QVERIFY(!view.IsFullScreen());
        // The flag belongs to the view: it stays when the view gets another player.
        QTest::mouseDClick(&view, Qt::LeftButton);
        view.SetPlayer(&second);
        QVERIFY(view.IsFullScreen());
        QTest::mouseDClick(&view, Qt::LeftButton);
        QVERIFY(!view.IsFullScreen());
        first.SetFullScreen(false);
    }

    // libmpv holds its work until a frame it hands over has been drawn, and
    // gives up on the frame after a while. A window busy longer than that
    // while a seek lands must still show the frame it landed on.
    void aSeekLandedWhileTheWindowWasBusyShowsItsFrame()
    {
        CMediaPlayer player;
        QCOMPARE(player.OpenFile(numbered_, view_.get(), &notify_), S_OK);
        for (const int frame : {92, 31}) {
            player.SetPosition(frame / 30.0);
            QThread::msleep(600);  // the window does not get to its events
            QVERIFY2(WaitFor([&] { return FrameShown(player) == frame; }),
                     qPrintable(QString("frame %1 not shown; showing %2").arg(frame).arg(FrameShown(player))));
        }
    }

    // A seek asked for before the previous one's end has been read is not
    // ended by that end: it stays pending until its own frame is drawn.
    void aSeekIsNotEndedByThePreviousOnesEnd()
    {
        CMediaPlayer player;
        QCOMPARE(player.OpenFile(numbered_, view_.get(), &notify_), S_OK);
        for (const auto& [first, second] : {std::pair{150, 20}, std::pair{40, 170}, std::pair{100, 101}}) {
            player.SetPosition(first / 30.0);
            QVERIFY(EngineLandsWithoutTheWindow(player, first / 30.0));
            QVERIFY(player.SeekPending());  // its end is there to be read, and unread
            player.SetPosition(second / 30.0);
            const long shownBefore = player.FramesShown();
            QVERIFY(WaitFor([&] { return !player.SeekPending(); }));
            for (int i = 0; i < 3; ++i)  // what is already queued, without waiting
                QCoreApplication::processEvents();
            QVERIFY(player.FramesShown() > shownBefore);
            QCOMPARE(FrameShown(player), second);
        }
    }

    // In an HEVC file of open groups the picture before each key frame is
    // stored after it; a seek to it must show it, not the key frame.
    void seeksReachThePictureBeforeAKeyFrame()
    {
        const QString hevc = Path("numbered-hevc.mov");
        QVERIFY(MakeVideo(hevc, 5, "640x360", false, true, true));
        CMediaPlayer player;
        QCOMPARE(player.OpenFile(hevc, view_.get(), &notify_), S_OK);
        for (const int frame : {119, 58, 89, 30, 29}) {
            player.SetPosition(frame / 30.0);
            QVERIFY(WaitFor([&] { return !player.SeekPending(); }));
            QVERIFY2(std::abs(player.GetPosition() - frame / 30.0) < 0.001, qPrintable(QString::number(frame)));
            QVERIFY2(WaitFor([&] { return FrameShown(player) == frame; }),
                     qPrintable(QString("frame %1 not shown; showing %2").arg(frame).arg(FrameShown(player))));
        }
    }

    void cleanupTestCase() { view_.reset(); }
};

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    MediaPlayerTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "media_player_test.moc"
