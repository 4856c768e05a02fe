// Recordings a power loss cut off, in the window: listed with a mark that
// says what is wrong, opening one offers the repair, the repaired copy joins
// the list and its drive and plays, with its route on the map; the damaged
// file is never changed, and a repair refused or cancelled writes nothing.

#include "WaitFor.h"
#include "MapPage.h"
#include "MediaFiles.h"
#include "PlayerTestMain.h"
#include "app/ClipProgressPanel.h"
#include "app/PlayerDlg.h"
#include "skin/SkinListCtrl.h"
#include "widgets/DlgVideoView.h"
#include "track/TrackLoader.h"

#include <QAbstractButton>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <chrono>
#include <set>
#include <thread>

namespace {

constexpr qint64 kStart = 1463213700;  // 2016-05-14 08:15:00 UTC
constexpr int kSeconds = 4;            // each recording's length

QByteArray Slurp(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool Spill(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

// Everything in `folder`, hidden files too.
QStringList Contents(const QString& folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

// Where a power loss cuts a recording whose index comes last (`bytes`).
enum class Cut { InsideIndex, BeforeIndex, MediaOfIndexFirst };

int CutAt(const QByteArray& bytes, Cut cut)
{
    const int index = static_cast<int>(bytes.lastIndexOf("moov")) - 4;
    switch (cut) {
    case Cut::InsideIndex: return index + 100;
    case Cut::BeforeIndex: return index;
    case Cut::MediaOfIndexFirst: return static_cast<int>(bytes.size()) / 2;
    }
    return 0;
}

// The recording's slots that carry a position (what its route draws), and
// the first of them.
struct Route {
    int positions = 0;
    QString firstLatitude;
};

Route RouteOf(const QString& path)
{
    CTrackLoader loader;
    LoadNodeTrack(loader, FileNodeOf(path.toStdString()));
    Route route;
    for (const tagAssistInfo& slot : loader.Slots()) {
        if (!HasPosition(slot))
            continue;
        if (route.positions++ == 0)
            route.firstLatitude = QString::fromStdString(slot.latitude);
    }
    return route;
}

QAbstractButton* ButtonOf(QMessageBox& box, const QString& text)
{
    for (QAbstractButton* button : box.buttons()) {
        if (button->text() == text)
            return button;
    }
    return nullptr;
}

}  // namespace

class PlayerRepairTest : public QObject {
    Q_OBJECT
private:
    QTemporaryDir dir_;
    QStringList said_;

    // The `k`th recording of the drive (seconds k*4 .. k*4+4 of the route),
    // its index last when `indexLast`.
    QString Mkrec(const QString& path, int k, bool indexLast = false)
    {
        QDir().mkpath(QFileInfo(path).absolutePath());
        const int from = k * kSeconds;
        QStringList args = {"mov", path, "--layout", "gpmf", "--video", dir_.filePath("v.mov"), "--route",
                            dir_.filePath("route.csv"), "--from", QString::number(from), "--seconds",
                            QString::number(kSeconds), "--start", QString::number(kStart + from)};
        if (indexLast)
            args << "--index-last";
        return QProcess::execute(MKREC_PATH, args) == 0 ? path : QString();
    }

    // The `k`th recording as a power loss leaves it at `path`; written last
    // when its recording ended, as the camera writes it. The whole recording
    // is kept beside the test's folders, to compare with.
    QString Damaged(const QString& path, int k, Cut cut)
    {
        const QString whole = Mkrec(dir_.filePath("whole/" + QFileInfo(path).fileName()), k, cut != Cut::MediaOfIndexFirst);
        const QByteArray bytes = Slurp(whole);
        QDir().mkpath(QFileInfo(path).absolutePath());
        if (whole.isEmpty() || !Spill(path, bytes.left(CutAt(bytes, cut))))
            return {};
        QFile file(path);
        const QDateTime ended = QDateTime::fromSecsSinceEpoch(kStart + (k + 1) * kSeconds);
        return file.open(QIODevice::ReadWrite) && file.setFileTime(ended, QFileDevice::FileModificationTime) ? path
                                                                                                             : QString();
    }

    std::unique_ptr<CPlayerDlg> Window(const QString& folder)
    {
        auto dlg = std::make_unique<CPlayerDlg>();
        dlg->SetMessageHook([this](const QString& text, bool) { said_ << text; });
        dlg->show();
        dlg->ImportFolder(folder);
        WaitFor([&] { return !dlg->Importing(); });
        return dlg;
    }

    static int Row(CPlayerDlg& dlg, const QString& path) { return dlg.Recordings().IndexOf(path.toStdString()); }

    // Opens the row of `path` as a double-click does, answering the repair's
    // question with the button `answer`: the question's text.
    static QString Answer(CPlayerDlg& dlg, const QString& path, const QString& answer, QStringList* buttons = nullptr)
    {
        QString asked;
        dlg.SetRepairQuestionHook([&](QMessageBox& box) {
            asked = box.text();
            if (buttons) {
                for (QAbstractButton* b : box.buttons())
                    *buttons << b->text();
            }
            if (QAbstractButton* button = ButtonOf(box, answer))
                button->click();
        });
        emit dlg.ListView()->rowDoubleClicked(Row(dlg, path));
        WaitFor([&] { return !asked.isEmpty(); });
        dlg.SetRepairQuestionHook({});
        return asked;
    }

private slots:
    void init()
    {
        ForgetPlayerSettings();
        said_.clear();
    }

    void initTestCase()
    {
        QVERIFY(dir_.isValid());
        QCOMPARE(QProcess::execute(MKREC_PATH, {"route", dir_.filePath("route.csv"), "--seconds", "30"}), 0);
        QVERIFY(MakeVideo(dir_.filePath("v.mov"), kSeconds, "320x240", false, true));
    }

    // Each way a power loss leaves a recording is listed, not hidden, with
    // the mark and what is wrong; the healthy one beside them is unmarked.
    void damagedRecordingsAreListedWithTheirMark()
    {
        const QString folder = dir_.filePath("kinds");
        QVERIFY(!Mkrec(folder + "/GH010001.MP4", 0).isEmpty());
        const std::pair<QString, QString> damaged[] = {
            {Damaged(folder + "/GH010002.MP4", 1, Cut::InsideIndex), "Damaged: index cut short"},
            {Damaged(folder + "/GH010003.MP4", 2, Cut::BeforeIndex), "Damaged: no index"},
            {Damaged(folder + "/GH010004.MP4", 3, Cut::MediaOfIndexFirst), "Damaged: media data past the file's end"},
        };
        auto dlg = Window(folder);
        QCOMPARE(dlg->Recordings().GetCount(), 4);
        QVERIFY(!dlg->ListView()->RowMarkedDamaged(0));
        QCOMPARE(dlg->ListView()->topLevelItem(0)->toolTip(1), QString());
        for (const auto& [path, note] : damaged) {
            QVERIFY2(!path.isEmpty(), "the damaged recording was not written");
            const int row = Row(*dlg, path);
            QVERIFY2(row > 0, qPrintable(path));
            QVERIFY2(dlg->ListView()->RowMarkedDamaged(row), qPrintable(path));
            for (int column = 0; column < 3; ++column) {
                const QString tip = dlg->ListView()->topLevelItem(row)->toolTip(column);
                QVERIFY2(tip.startsWith(note + " — a power loss cut this recording off"), qPrintable(tip));
                QVERIFY2(tip.contains("Double-click to repair it."), qPrintable(tip));
            }
        }
    }

    // Opening the damaged recording asks, naming its healthy neighbour; the
    // repaired copy is written beside it, listed after it and played: its
    // pictures reach the view, its route the map, and it stands in the
    // drive in the damaged one's place. The damaged one stays as it was.
    void aRepairedRecordingJoinsItsDriveAndPlays()
    {
        const QString folder = dir_.filePath("drive");
        const QString healthy = Mkrec(folder + "/GH010001.MP4", 0);
        const QString damaged = Damaged(folder + "/GH010002.MP4", 1, Cut::InsideIndex);
        QVERIFY(!healthy.isEmpty() && !damaged.isEmpty());
        const QByteArray before = Slurp(damaged);
        auto dlg = Window(folder);
        QSignalSpy finished(dlg.get(), &CPlayerDlg::repairFinished);
        std::set<int> shown;
        connect(&dlg->MainPlayer(), &CMediaPlayer::frameShown, [&] {
            const int number = FrameNumberShown(dlg->MainView()->grab().toImage(), dlg->MainPlayer().VideoRect());
            if (number >= 0)
                shown.insert(number);
        });

        const QString asked = Answer(*dlg, damaged, "Repair…");
        QVERIFY2(asked.contains("GH010002.MP4 is damaged: index cut short"), qPrintable(asked));
        QVERIFY2(asked.contains("rebuilt from GH010001.MP4") && asked.contains("into GH010002.repaired.MP4"),
                 qPrintable(asked));
        QVERIFY(WaitFor([&] { return !finished.isEmpty(); }));
        const QString repaired = folder + "/GH010002.repaired.MP4";
        QCOMPARE(finished[0][0].toString(), damaged);
        QCOMPARE(finished[0][1].toString(), repaired);
        QCOMPARE(finished[0][2].toBool(), true);
        QVERIFY(QFileInfo(repaired).isFile());
        QVERIFY2(!said_.join('\n').contains("failed"), qPrintable(said_.join('\n')));

        // Listed right after the damaged one, which keeps its row and mark.
        QCOMPARE(dlg->Recordings().GetCount(), 3);
        QCOMPARE(Row(*dlg, repaired), Row(*dlg, damaged) + 1);
        QVERIFY(dlg->ListView()->RowMarkedDamaged(Row(*dlg, damaged)));
        QVERIFY(!dlg->ListView()->RowMarkedDamaged(Row(*dlg, repaired)));
        QCOMPARE(dlg->CurrentIndex(), Row(*dlg, repaired));

        QVERIFY(WaitFor([&] { return dlg->TrackReady() && dlg->DriveShown().size() == 2 && dlg->BackgroundReads() == 0; }));
        QCOMPARE(dlg->MainPlayer().FileName(), repaired);
        QCOMPARE(dlg->DriveShown(), (std::vector<std::string>{healthy.toStdString(), repaired.toStdString()}));
        // Its route is the whole recording's, from its first fix on (the
        // sound, a little longer than the pictures, may add a last slot).
        const Route whole = RouteOf(dir_.filePath("whole/GH010002.MP4"));
        const Route route = RouteOf(repaired);
        QVERIFY(whole.positions > 0);
        QVERIFY(route.positions >= whole.positions && route.positions <= whole.positions + 1);
        QCOMPARE(route.firstLatitude, whole.firstLatitude);
        QVERIFY(WaitForMapPage(*dlg->MapView()));
        QTRY_COMPARE(Evaluate(dlg->MapView(), "polyLine.getLatLngs().length").toInt(), route.positions);
        QCOMPARE(Evaluate(dlg->MapView(), "polyLine.getLatLngs()[0].lat.toFixed(6)").toString(), whole.firstLatitude);
        // Its pictures, numbered as recorded, reach the view one after another.
        QVERIFY(WaitFor([&] { return shown.size() >= 10; }));
        QVERIFY2(*shown.rbegin() < kSeconds * 30, qPrintable(QString::number(*shown.rbegin())));

        QVERIFY(Slurp(damaged) == before);
    }

    // The question is answered otherwise: no neighbour to rebuild from, one
    // chosen instead, or a folder that cannot be written. `written`: where
    // the repaired copy goes, empty when nothing is.
    void whatTheQuestionLeadsTo_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<bool>("neighbour");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("said");
        QTest::addColumn<QString>("written");
        QTest::newRow("no neighbour, cancelled")
            << "alone" << false << "Cancel" << "No healthy recording of the same camera lies beside it" << "";
        QTest::newRow("no neighbour, one chosen")
            << "chosen" << false << "Choose a recording…" << "Choose one the same camera made" << "chosen";
        QTest::newRow("folder locked") << "locked" << true << "Repair…" << "rebuilt from GH010001.MP4" << "elsewhere";
    }

    void whatTheQuestionLeadsTo()
    {
        QFETCH(QString, folder);
        QFETCH(bool, neighbour);
        QFETCH(QString, answer);
        QFETCH(QString, said);
        QFETCH(QString, written);
        const QString here = dir_.filePath(folder);
        const QString elsewhere = dir_.filePath("elsewhere");
        QDir().mkpath(elsewhere);
        if (neighbour)
            QVERIFY(!Mkrec(here + "/GH010001.MP4", 0).isEmpty());
        const QString damaged = Damaged(here + "/GH010002.MP4", 1, Cut::InsideIndex);
        QVERIFY(!damaged.isEmpty());
        const QString reference = Mkrec(dir_.filePath("references/GH010001.MP4"), 0);
        if (written == "elsewhere") {
            QFile::setPermissions(here, QFile::ReadOwner | QFile::ExeOwner);
            if (QFileInfo(here).isWritable()) {
                QFile::setPermissions(here, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
                QSKIP("this user writes into any folder");
            }
        }
        const QStringList contents = Contents(here);
        const QByteArray before = Slurp(damaged);
        auto dlg = Window(here);
        QSignalSpy finished(dlg.get(), &CPlayerDlg::repairFinished);
        dlg->SetReferenceHook([&](const QString& from) {
            return from == here ? reference : QString();
        });
        dlg->SetFolderHook([&] { return elsewhere; });
        QStringList buttons;
        const QString asked = Answer(*dlg, damaged, answer, &buttons);
        QVERIFY2(asked.contains(said), qPrintable(asked));
        QCOMPARE(buttons.contains("Repair…"), neighbour);
        QVERIFY(buttons.contains("Cancel"));
        if (written.isEmpty()) {
            QTest::qWait(0);  // what the answer started, had it started anything
            QVERIFY(!dlg->RepairRunning());
            QVERIFY(finished.isEmpty());
        } else {
            QVERIFY(WaitFor([&] { return !finished.isEmpty(); }));
            QVERIFY2(finished[0][2].toBool(), qPrintable(said_.join('\n')));
            const QString repaired = dir_.filePath(written + "/GH010002.repaired.MP4");
            QCOMPARE(finished[0][1].toString(), repaired);
            QVERIFY(QFileInfo(repaired).isFile());
            QVERIFY(WaitFor([&] { return dlg->MainPlayer().FileName() == repaired && dlg->TrackReady(); }));
        }
        QFile::setPermissions(here, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QVERIFY(!said_.join('\n').contains("Play file failed"));
        if (written != folder)
            QCOMPARE(Contents(here), contents);
        QVERIFY(Slurp(damaged) == before);
    }

    // A repair cancelled once under way, with Cancel or by closing the
    // window: nothing left in the folder, not even a hidden partial file.
    void aCancelledRepairLeavesNothingBehind_data()
    {
        QTest::addColumn<bool>("closing");
        QTest::newRow("Cancel") << false;
        QTest::newRow("closing the window") << true;
    }

    void aCancelledRepairLeavesNothingBehind()
    {
        QFETCH(bool, closing);
        const QString here = dir_.filePath(closing ? "closed" : "cancelled");
        QVERIFY(!Mkrec(here + "/GH010001.MP4", 0).isEmpty());
        const QString damaged = Damaged(here + "/GH010002.MP4", 1, Cut::InsideIndex);
        QVERIFY(!damaged.isEmpty());
        const QStringList contents = Contents(here);
        const QByteArray before = Slurp(damaged);
        auto dlg = Window(here);
        // The repair holds on until cancelled: a long recording's, caught halfway.
        dlg->SetRepairStartHook([](const std::function<bool()>& goOn) {
            while (goOn())
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
        });
        QSignalSpy finished(dlg.get(), &CPlayerDlg::repairFinished);
        Answer(*dlg, damaged, "Repair…");
        ClipProgressPanel* panel = dlg->RepairProgress();
        QVERIFY(dlg->RepairRunning());
        QVERIFY(WaitFor([&] { return panel->isVisible(); }));
        QVERIFY2(panel->Text()->text().startsWith("Repairing GH010002.MP4"), qPrintable(panel->Text()->text()));
        if (closing) {
            dlg->reject();  // returns once the repair's thread has ended
            QVERIFY(!dlg->RepairRunning());
        } else {
            QTest::mouseClick(panel->CancelButton(), Qt::LeftButton);
            QVERIFY(WaitFor([&] { return !finished.isEmpty(); }));
            QCOMPARE(finished[0][2].toBool(), false);
            QCOMPARE(finished[0][3].toBool(), true);
            QVERIFY(!panel->isVisible());
            QVERIFY(!said_.isEmpty() && said_.last().contains("was cancelled; nothing was written"));
            QCOMPARE(dlg->Recordings().GetCount(), 2);
        }
        QCOMPARE(Contents(here), contents);
        QVERIFY(Slurp(damaged) == before);
    }
};

DUALDASH_PLAYER_TEST_MAIN(PlayerRepairTest)
#include "player_repair_test.moc"
