// Files around a card design: sidecar path and contents, automatic names,
// the recent-files list and its menu.

#include "app/TMRUFileList.h"
#include "app/model/TCardFiles.h"
#include "app/model/TIniFile.h"
#include "support/TestFolder.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>

using namespace cw;
using model::TCardFiles;

class TestCardFiles : public QObject
{
    Q_OBJECT

    static void touch(const QString &path)
    {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
    }

private slots:
    void sidecarPathRule()
    {
        QCOMPARE(TCardFiles::SidecarPath("/a/Saved/BC0001.CWR"), QStringLiteral("/a/Saved/BC0001.CWE"));
        QCOMPARE(TCardFiles::SidecarPath("/a/Saved/card.v2.cwr"), QStringLiteral("/a/Saved/card.v2.cwe"));
        QCOMPARE(TCardFiles::SidecarPath("/a/Saved/Mixed.Cwr"), QStringLiteral("/a/Saved/Mixed.CWE"));
        QCOMPARE(TCardFiles::SidecarPath("/a/b.c/noext"), QStringLiteral("/a/b.c/noext.CWE"));
        // The whole name belongs to the sidecar: two cards never share one.
        QCOMPARE(TCardFiles::SidecarPath("/a/J.Smith"), QStringLiteral("/a/J.Smith.CWE"));
        QVERIFY(TCardFiles::SidecarPath("/a/J.Smith") != TCardFiles::SidecarPath("/a/J.Doe"));
    }

    void sidecarFoundInAnyLetterCase()
    {
        test::TestFolder folder;
        auto write = [](const QString &path, const QByteArray &line) {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(line);
        };
        // Cards copied from other systems: the sidecar's case differs from
        // the card's.
        write(folder.file("TRIP.cwe"), "/bg/sea.bmp\r\n");
        write(folder.file("Fair.CWE"), "/bg/tent.bmp\r\n");
        QCOMPARE(TCardFiles::ReadSidecar(folder.file("TRIP.CWR")), QStringLiteral("/bg/sea.bmp"));
        QCOMPARE(TCardFiles::ReadSidecar(folder.file("Fair.cwr")), QStringLiteral("/bg/tent.bmp"));
        QCOMPARE(TCardFiles::ReadSidecar(folder.file("Other.CWR")), QString());

        // Saving keeps the sidecar under the name it has (no second file) …
        TCardFiles::WriteSidecar(folder.file("TRIP.CWR"), "/bg/sky.bmp");
        QCOMPARE(QDir(folder.path()).entryList({"trip.*"}, QDir::Files), QStringList{"TRIP.cwe"});
        QCOMPARE(TCardFiles::ReadSidecar(folder.file("TRIP.CWR")), QStringLiteral("/bg/sky.bmp"));
        // … and a design without background removes every spelling, so the
        // old picture cannot come back.
        write(folder.file("TRIP.CWE"), "/bg/sea.bmp\r\n");
        TCardFiles::WriteSidecar(folder.file("TRIP.CWR"), QString());
        QCOMPARE(TCardFiles::ReadSidecar(folder.file("TRIP.CWR")), QString());
        QCOMPARE(QDir(folder.path()).entryList({"trip.*"}, QDir::Files), QStringList{});
    }

    void sidecarHoldsExactlyOneLineAndIsRemovedWithoutBackground()
    {
        test::TestFolder folder;
        const QString card = folder.file("BC0001.CWR");
        TCardFiles::WriteSidecar(card, "/pictures/Marble Blue.bmp");
        QFile f(TCardFiles::SidecarPath(card));
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QByteArray("/pictures/Marble Blue.bmp\r\n"));
        f.close();
        QCOMPARE(TCardFiles::ReadSidecar(card), QStringLiteral("/pictures/Marble Blue.bmp"));
        TCardFiles::WriteSidecar(card, QString());
        QVERIFY(!QFile::exists(TCardFiles::SidecarPath(card)));
        QCOMPARE(TCardFiles::ReadSidecar(card), QString());
        TCardFiles::WriteSidecar(card, QString()); // nothing to delete: no error
    }

    void automaticNamesSkipPresentFilesIgnoringCase()
    {
        test::TestFolder folder;
        QCOMPARE(TCardFiles::AutomaticFileName(folder.path()), QStringLiteral("BC0001.CWR"));
        touch(folder.file("BC0001.CWR"));
        touch(folder.file("bc0002.cwr"));
        QCOMPARE(TCardFiles::AutomaticFileName(folder.path()), QStringLiteral("BC0003.CWR"));
    }

    void recentFilesMoveToTopAndKeepFive()
    {
        QMenu menu;
        menu.addAction("E&xit");
        ui::TMRUFileList list(&menu);
        for (int i = 1; i <= 5; ++i)
            list.Add(QStringLiteral("/cards/%1.cwr").arg(i));
        list.Add("/CARDS/2.CWR"); // same file, other case: moves to the top
        QCOMPARE(list.Items().size(), 5);
        QCOMPARE(list.Items().first(), QStringLiteral("/CARDS/2.CWR"));
        list.Add("/cards/6.cwr");
        QCOMPARE(list.Items().size(), 5);
        QVERIFY(!list.Items().contains("/cards/1.cwr")); // the oldest went
        // Menu: Exit, separator, "&1 path" …
        QCOMPARE(menu.actions().size(), 1 + 1 + 5);
        QVERIFY(menu.actions().at(1)->isSeparator());
        QCOMPARE(menu.actions().at(2)->text(), QStringLiteral("&1 /cards/6.cwr"));
        QCOMPARE(menu.actions().at(3)->text(), QStringLiteral("&2 /CARDS/2.CWR"));
    }

    void clickedEntryLeavesTheListAndIsReported()
    {
        QMenu menu;
        ui::TMRUFileList list(&menu);
        list.Add("/cards/a.cwr");
        list.Add("/cards/b.cwr");
        QSignalSpy clicked(&list, &ui::TMRUFileList::OnMRUItemClick);
        list.MenuActions().at(1)->trigger();
        QCOMPARE(clicked.count(), 1);
        QCOMPARE(clicked.at(0).at(0).toString(), QStringLiteral("/cards/a.cwr"));
        QCOMPARE(list.Items(), QStringList{"/cards/b.cwr"});
        // "&" in a path is shown, not taken for an accelerator; the click
        // reports the path itself.
        list.Add("/cards/Smith & Co.cwr");
        QCOMPARE(list.MenuActions().at(0)->iconText(), QStringLiteral("1 /cards/Smith & Co.cwr"));
        list.MenuActions().at(0)->trigger();
        QCOMPARE(clicked.at(1).at(0).toString(), QStringLiteral("/cards/Smith & Co.cwr"));
        list.Remove("/cards/b.cwr");
        QCOMPARE(menu.actions().size(), 0); // no separator for an empty list
    }

    void storedAsF0ToF4AndLoadedInFileOrder()
    {
        test::TestFolder folder;
        model::TIniFile ini(folder.file("CWR.INI"));
        ini.WriteString("MRU", "F9", "/stale.cwr");
        QMenu menu;
        ui::TMRUFileList list(&menu);
        list.Add("/x/old.cwr");
        list.Add("/x/new.cwr");
        list.Save(ini);
        QCOMPARE(ini.ReadSection("MRU"), (QStringList{"F0", "F1"}));
        QCOMPARE(ini.ReadString("MRU", "F0", ""), QStringLiteral("/x/new.cwr"));
        ui::TMRUFileList again(&menu);
        again.Load(model::TIniFile(folder.file("CWR.INI")));
        QCOMPARE(again.Items(), (QStringList{"/x/new.cwr", "/x/old.cwr"}));
        again.SetMaximum(1);
        QCOMPARE(again.Items(), QStringList{"/x/new.cwr"});
    }
};

QTEST_MAIN(TestCardFiles)
#include "tst_cardfiles.moc"
