#include "library/CompanionPath.h"

#include <QTest>
#include <set>

class CompanionPathTest : public QObject {
    Q_OBJECT
private slots:
    void names_data()
    {
        QTest::addColumn<QString>("front");
        QTest::addColumn<bool>("nt");
        QTest::addColumn<QString>("existing");
        QTest::addColumn<QString>("rear");
        QTest::newRow("counter and letter") << "/c/A40101120000_0007.MOV" << false << "/c/B40101120000_0008.MOV"
                                            << "/c/B40101120000_0008.MOV";
        QTest::newRow("one second later") << "/c/A40101120000_0007.MOV" << false << "" << "/c/B40101120001_0008.MOV";
        QTest::newRow("9999 wraps") << "/c/A40101120000_9999.MOV" << false << "/c/B40101120000_0000.MOV"
                                    << "/c/B40101120000_0000.MOV";
        QTest::newRow("nt counter") << "/c/20140101_120000_007A.MOV" << true << "/c/20140101_120000_008B.MOV"
                                    << "/c/20140101_120000_008B.MOV";
        QTest::newRow("nt 999 wraps") << "/c/20140101_120000_999A.MOV" << true << "/c/20140101_120000_000B.MOV"
                                      << "/c/20140101_120000_000B.MOV";
        QTest::newRow("nt second later") << "/c/20140101_120059_007A.MOV" << true << ""
                                         << "/c/20140101_120100_008B.MOV";
        QTest::newRow("minute carry") << "/c/A40101125959_0001.MOV" << false << "" << "/c/B40101130000_0002.MOV";
        QTest::newRow("clock hours 09") << "/c/A40101095959_0001.MOV" << false << "" << "/c/B40101100000_0002.MOV";
        QTest::newRow("clock hours 23") << "/c/A40101235959_0001.MOV" << false << "" << "/c/B40101000000_0002.MOV";
        QTest::newRow("no letter: same file") << "/c/X40101120000_0007.MOV" << false << "/c/X40101120000_0007.MOV"
                                              << "/c/X40101120000_0007.MOV";
        QTest::newRow("short name") << "A1.MOV" << false << "" << "A1.MOV";
        QTest::newRow("blackvue front") << "/c/20260514_081500_NF.mp4" << false << "" << "/c/20260514_081500_NR.mp4";
        QTest::newRow("blackvue event") << "/c/20260514_081500_EF.MP4" << false << "" << "/c/20260514_081500_ER.MP4";
        QTest::newRow("_F suffix") << "/c/drive_F.mp4" << false << "" << "/c/drive_R.mp4";
        QTest::newRow("mp4 A/B rule") << "/c/A40101120000_0007.mp4" << false << "/c/B40101120000_0008.mp4"
                                      << "/c/B40101120000_0008.mp4";
        QTest::newRow("F without a pair rule") << "/c/GOPRO_LIFE.mp4" << false << "" << "/c/GOPRO_LIFE.mp4";
        QTest::newRow("mov keeps its rules") << "/c/drive_F.MOV" << false << "" << "/c/drive_F.MOV";
    }

    void names()
    {
        QFETCH(QString, front);
        QFETCH(bool, nt);
        QFETCH(QString, existing);
        QFETCH(QString, rear);
        const std::string there = existing.toStdString();
        const auto exists = [&](const std::string& path) { return path == there; };
        QCOMPARE(QString::fromStdString(DeriveCompanionPath(front.toStdString(), nt, exists)), rear);
    }
};

QTEST_GUILESS_MAIN(CompanionPathTest)
#include "companion_path_test.moc"
