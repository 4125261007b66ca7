// The texture browser lists every picture type the program reads, and its
// path field opens a typed folder or chooses a typed picture without
// closing the browser.

#include "objects/TTextureBrowser.h"
#include "objects/model/TSuperShape.h"
#include "support/TestFolder.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QTest>

using namespace cw;

class TestTextureBrowser : public QObject
{
    Q_OBJECT

private slots:
    void everyTypeListedAndPathFieldGoesThere()
    {
        test::TestFolder folder;
        const QString dir = folder.file("Textures");
        QDir().mkpath(dir + "/Sub");
        QImage tile(8, 8, QImage::Format_RGB32);
        tile.fill(Qt::darkGreen);
        for (const char *name : {"a.bmp", "b.png", "c.JPEG", "d.webp", "e.tif"})
            QVERIFY(tile.save(dir + "/" + name));
        QFile text(dir + "/notes.txt");
        QVERIFY(text.open(QIODevice::WriteOnly) && text.write("x") == 1);
        text.close();

        model::TSuperShape example;
        model::TGPicture shown;
        ui::TTextureBrowser browser(example, [&shown](const model::TGPicture &p) { shown = p; });
        browser.OpenFolder(dir);
        QCOMPARE(browser.Files(), QStringList({"a.bmp", "b.png", "c.JPEG", "d.webp", "e.tif"}));
        QCOMPARE(browser.PathEdit->text(), QDir::toNativeSeparators(dir));

        browser.show();
        QVERIFY(QTest::qWaitForWindowExposed(&browser));
        browser.PathEdit->setFocus();
        browser.PathEdit->setText(dir + "/Sub");
        QTest::keyClick(browser.PathEdit, Qt::Key_Return);
        QCOMPARE(browser.Folder(), dir + "/Sub");
        QVERIFY(browser.isVisible());
        browser.PathEdit->setText(dir + "/e.tif");
        QTest::keyClick(browser.PathEdit, Qt::Key_Return);
        QVERIFY(browser.isVisible());
        QCOMPARE(browser.Folder(), dir);
        QCOMPARE(browser.SelectedPath(), dir + "/e.tif");
        QCOMPARE(shown.Size(), QSize(8, 8));
        QCOMPARE(shown.Image().pixel(4, 4), QColor(Qt::darkGreen).rgb());
        // Somewhere that is not there: the field shows the folder again.
        browser.PathEdit->setText(dir + "/nowhere");
        browser.PathEditEnter();
        QCOMPARE(browser.Folder(), dir);
        QCOMPARE(browser.PathEdit->text(), QDir::toNativeSeparators(dir));
    }
};

QTEST_MAIN(TestTextureBrowser)
#include "tst_texturebrowser.moc"
