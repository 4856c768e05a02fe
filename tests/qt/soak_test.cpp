// Two hundred short recordings played end to end with Cycle on, each sought
// to just before its end: every one is reached in order, nothing is left
// running, and memory does not grow along the way. Resident memory moves by
// tens of megabytes from one recording to the next (the web view's caches and
// the players' pools fill and are given back; with the next recording prepared
// on a standby engine of each player, four engines' pools take about a hundred
// recordings to fill), so a leak is looked for in the median of the 80th to
// 120th recordings against that of the last forty.

#include "MediaFiles.h"
#include "PlayerTestMain.h"
#include "app/PlayerDlg.h"
#include "skin/SkinListCtrl.h"

#include <QFile>
#include <algorithm>
#include <numeric>
#include <fstream>
#include <unistd.h>

namespace {

long ResidentKiB()
{
    std::ifstream statm("/proc/self/statm");
    long pages = 0, resident = 0;
    statm >> pages >> resident;
    return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

}  // namespace

class SoakTest : public QObject {
    Q_OBJECT
private slots:
    void init() { ForgetPlayerSettings(); }

    void twoHundredRecordingsInOrder()
    {
        constexpr int kCount = 200;
        QTemporaryDir dir;
        QVERIFY(MakeVideo(dir.filePath("front.mov"), 1, "96x72"));
        QVERIFY(MakeVideo(dir.filePath("rear.mov"), 1, "96x72", true));
        const QString folder = dir.filePath("card");
        QDir().mkpath(folder);
        for (int i = 0; i < kCount; ++i) {
            const QString time = QString::asprintf("0514%02d%02d%02d", 8 + i / 3600, (i / 60) % 60, i % 60);
            QVERIFY(QFile::copy(dir.filePath("front.mov"), folder + QString::asprintf("/A6%s_%04d.MOV", qPrintable(time), 2 * i + 1)));
            QVERIFY(QFile::copy(dir.filePath("rear.mov"), folder + QString::asprintf("/B6%s_%04d.MOV", qPrintable(time), 2 * i + 2)));
        }
        CPlayerDlg dlg;
        dlg.SetMessageHook([](const QString& text, bool) { QFAIL(qPrintable(text)); });
        dlg.show();
        dlg.ImportFolder(folder);
        QTRY_COMPARE(dlg.Recordings().GetCount(), kCount);
        std::vector<int> reached;
        std::vector<long> resident;  // at the start of each recording
        emit dlg.ListView()->rowDoubleClicked(0);
        QDeadlineTimer deadline(600000);
        while (!deadline.hasExpired()) {
            const int index = dlg.CurrentIndex();
            if (reached.empty() || reached.back() != index) {
                reached.push_back(index);
                resident.push_back(ResidentKiB());
            }
            CMediaPlayer& main = dlg.MainPlayer();
            if (main.GetState() == Running && main.GetPosition() < 0.5)
                main.SetPosition(0.8);  // near the end: on to the next
            if (index == kCount - 1 && main.GetState() == Stopped)
                break;
            QTest::qWait(20);
        }
        std::vector<int> expected(kCount);
        std::iota(expected.begin(), expected.end(), 0);
        QCOMPARE(reached, expected);
        QCOMPARE(dlg.MainPlayer().GetState(), Stopped);
        QVERIFY(dlg.SecondPlayer().GetState() != Running);
        auto median = [&](int from, int to) {
            std::vector<long> part(resident.begin() + from, resident.begin() + to);
            std::nth_element(part.begin(), part.begin() + part.size() / 2, part.end());
            return part[part.size() / 2];
        };
        const long early = median(80, 120), late = median(kCount - 40, kCount);
        const double growth = 100.0 * (late - early) / early;
        qInfo("resident memory: median %ld KiB over the 80th to 120th recordings, %ld KiB over the last forty (%+.1f%%)",
              early, late, growth);
        QVERIFY2(growth < 8.0, qPrintable(QString::number(growth)));
    }
};

DUALDASH_PLAYER_TEST_MAIN(SoakTest)
#include "soak_test.moc"
