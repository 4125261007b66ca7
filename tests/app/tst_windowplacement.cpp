#include "app/model/TIniFile.h"
#include "app/model/TWindowPlacement.h"
#include "support/TestFolder.h"

#include <QFile>
#include <QTest>

using namespace cw;
using model::TIniFile;
using model::TWindowPlacement;

class TestWindowPlacement : public QObject
{
    Q_OBJECT
private slots:
    void sectionNames()
    {
        QCOMPARE(TWindowPlacement::SectionName("TMainScreen", 96), QString("TMainScreen_Placement"));
        QCOMPARE(TWindowPlacement::SectionName("TMainScreen", 72), QString("TMainScreen_Placement"));
        QCOMPARE(TWindowPlacement::SectionName("TMainScreen", 120), QString("TMainScreen_Placement120"));
        QCOMPARE(TWindowPlacement::SectionName("TPreviewForm", 144), QString("TPreviewForm_Placement144"));
    }

    void readAndWrite()
    {
        test::TestFolder folder;
        TIniFile ini(folder.file("CWR.INI"));
        TWindowPlacement none = TWindowPlacement::Read(ini, "TMainScreen", 96, true);
        QCOMPARE(none.Left, 0);
        QCOMPARE(none.Bottom, 0);
        QVERIFY(none.Maximized); // nothing stored: the window's state now
        QVERIFY(!TWindowPlacement::Read(ini, "TMainScreen", 96, false).Maximized);

        const TWindowPlacement stored = TWindowPlacement::FromRect(QRect(10, 20, 800, 600), false);
        QCOMPARE(stored.Right, 810);
        QCOMPARE(stored.Bottom, 620);
        QCOMPARE(stored.Rect(), QRect(10, 20, 800, 600));
        stored.Write(ini, "TMainScreen", 120);
        QFile file(folder.file("CWR.INI"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(
            file.readAll(),
            QByteArray("[TMainScreen_Placement120]\nLeft=10\nTop=20\nRight=810\nBottom=620\nMaximized=0\n"));

        const TWindowPlacement back = TWindowPlacement::Read(ini, "TMainScreen", 120, true);
        QCOMPARE(back.Rect(), stored.Rect());
        QVERIFY(!back.Maximized);
        // Each resolution keeps its own placement.
        QCOMPARE(TWindowPlacement::Read(ini, "TMainScreen", 96, false).Bottom, 0);
    }

    void unusableRectanglesReadAsNothingStored()
    {
        // Rectangles edited by hand into ones no window has: inverted, empty.
        test::TestFolder folder;
        TIniFile ini(folder.file("CWR.INI"));
        for (const QByteArray &keys : {QByteArray("Left=800\nTop=50\nRight=100\nBottom=600\n"),
                                       QByteArray("Left=100\nTop=600\nRight=800\nBottom=50\n"),
                                       QByteArray("Left=100\nTop=50\nRight=100\nBottom=600\n")}) {
            QFile file(folder.file("CWR.INI"));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("[TMainScreen_Placement]\n" + keys + "Maximized=0\n");
            file.close();
            const TWindowPlacement p = TWindowPlacement::Read(ini, "TMainScreen", 96, true);
            QCOMPARE(QRect(QPoint(p.Left, p.Top), QPoint(p.Right, p.Bottom)),
                     QRect(QPoint(0, 0), QPoint(0, 0)));
            QVERIFY(!p.Maximized);
            // Restored as nothing stored: the window centred on the screen.
            QCOMPARE(p.Compute(QRect(0, 0, 800, 600), QSize(1920, 1080)).Geometry, QRect(560, 240, 800, 600));
        }
    }

    void restore_data()
    {
        QTest::addColumn<QRect>("stored"); // Left/Top/Right/Bottom as a QRect's left/top/right+1/bottom+1
        QTest::addColumn<bool>("maximized");
        QTest::addColumn<QRect>("current");
        QTest::addColumn<QRect>("expected");
        const QRect window(0, 0, 801, 600);
        QTest::newRow("nothing stored: centred, halves cut")
            << QRect() << false << window << QRect(559, 240, 801, 600);
        QTest::newRow("stored rectangle on screen")
            << QRect(100, 50, 800, 600) << false << window << QRect(100, 50, 800, 600);
        QTest::newRow("right beyond the screen moves left")
            << QRect(1500, 50, 800, 600) << false << window << QRect(1120, 50, 800, 600);
        QTest::newRow("bottom beyond the screen moves up")
            << QRect(100, 900, 800, 600) << false << window << QRect(100, 480, 800, 600);
        QTest::newRow("wider than the screen: left becomes 1")
            << QRect(100, 50, 2000, 600) << false << window << QRect(1, 50, 2000, 600);
        QTest::newRow("taller than the screen: top becomes 1")
            << QRect(100, 50, 800, 1200) << false << window << QRect(100, 1, 800, 1200);
        QTest::newRow("negative left stays when right fits")
            << QRect(-50, 10, 800, 600) << false << window << QRect(1, 10, 800, 600);
    }
    void restore()
    {
        QFETCH(QRect, stored);
        QFETCH(bool, maximized);
        QFETCH(QRect, current);
        QFETCH(QRect, expected);
        TWindowPlacement p;
        if (!stored.isNull())
            p = TWindowPlacement::FromRect(stored, maximized);
        const auto result = p.Compute(current, QSize(1920, 1080));
        QVERIFY(!result.Maximize);
        QCOMPARE(result.Geometry, expected);
    }

    void maximizedWins()
    {
        TWindowPlacement p = TWindowPlacement::FromRect(QRect(5000, 5000, 10, 10), true);
        const auto result = p.Compute(QRect(1, 2, 3, 4), QSize(1920, 1080));
        QVERIFY(result.Maximize);
        QCOMPARE(result.Geometry, QRect(1, 2, 3, 4));
    }

    void absurdNumbersStayInRange()
    {
        TWindowPlacement p;
        p.Left = -2147483647 - 1;
        p.Top = 0;
        p.Right = 2147483647;
        p.Bottom = 2147483647;
        const auto result = p.Compute(QRect(0, 0, 100, 100), QSize(1920, 1080));
        QVERIFY(result.Geometry.left() >= -1000000 && result.Geometry.right() <= 1000000);
    }
};

QTEST_APPLESS_MAIN(TestWindowPlacement)
#include "tst_windowplacement.moc"
