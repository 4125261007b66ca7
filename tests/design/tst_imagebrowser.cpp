// The clip art browser: folders and listed types, the preview and its error
// rules, the Stretch/AutoSize options, the "Load Image From Disk" flow and
// the image tool (object placed, then the browser).
#include "app/model/TIniFile.h"
#include "design/TGBusinessCardPanel32.h"
#include "design/TGImageBrowser.h"
#include "design/TImageTool.h"
#include "design/TSmartImage.h"
#include "design/model/TGImage.h"
#include "support/ScriptedInteraction.h"
#include "support/TestFolder.h"

#include <QBuffer>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QImageWriter>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>

using namespace cw;
using namespace cw::ui;

namespace {

void writeImage(const QString &path, QColor colour, QSize size, const char *format)
{
    QImage image(size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter(&image).fillRect(QRect(QPoint(0, 0), size / 2), colour);
    QImageWriter writer(path, format);
    QVERIFY2(writer.write(format == QByteArray("ico") ? image : image.convertToFormat(QImage::Format_RGB32)),
             qPrintable(writer.errorString()));
}

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QString clipart()
{
    return qEnvironmentVariable("CW_SOURCE_DIR") + "/content/clipart";
}

} // namespace

class TestImageBrowser : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;
    test::TestFolder program; // the settings file that remembers the folder

private slots:
    void initTestCase()
    {
        QDir(dir.path()).mkpath("Photos/Old");
        writeImage(dir.filePath("a.BMP"), Qt::red, QSize(30, 20), "bmp");
        writeImage(dir.filePath("b.jpg"), Qt::blue, QSize(40, 10), "jpeg");
        writeImage(dir.filePath("c.Ico"), Qt::green, QSize(16, 16), "ico");
        writeImage(dir.filePath("d.png"), Qt::red, QSize(4, 4), "png");
        writeImage(dir.filePath("e.JPEG"), Qt::red, QSize(4, 4), "jpeg");
        writeImage(dir.filePath("f.ppm"), Qt::red, QSize(4, 4), "ppm");
        writeImage(dir.filePath("g.tiff"), Qt::red, QSize(4, 4), "tiff");
        writeImage(dir.filePath("h.webp"), Qt::red, QSize(4, 4), "webp");
        writeBytes(dir.filePath("i.svg"), "<svg xmlns='http://www.w3.org/2000/svg' width='8' height='8'/>");
        QFile::copy(clipart() + "/Star.wmf", dir.filePath("j.emf")); // listed by name; content decides
        writeBytes(dir.filePath("bad.bmp"), "BM nothing");
        writeBytes(dir.filePath("bad.jpg"), "no jpeg");
        writeBytes(dir.filePath("bad.wmf"), "no metafile");
        writeBytes(dir.filePath("notes.txt"), "x");
        QFile::copy(clipart() + "/Star.wmf", dir.filePath("Star.wmf"));
    }

    void foldersAndListedTypes()
    {
        TGImageBrowser browser;
        QCOMPARE(browser.windowTitle(), QString("Load Image File "));
        // Nothing remembered yet: the shipped clip art.
        QCOMPARE(QDir(browser.Folder()), QDir(clipart()));
        QVERIFY(browser.FileNames().contains("Globe.wmf"));
        browser.SetFolder(dir.path());
        QCOMPARE(browser.FileNames(),
                 QStringList({"a.BMP", "b.jpg", "bad.bmp", "bad.jpg", "bad.wmf", "c.Ico", "d.png", "e.JPEG",
                              "f.ppm", "g.tiff", "h.webp", "i.svg", "j.emf", "Star.wmf"}));
        QCOMPARE(browser.PathEdit->text(), QDir::toNativeSeparators(dir.path()));
        QCOMPARE(browser.FolderNames(), QStringList({"..", "Photos"}));
        browser.DirectoryListBox1Open(browser.DirectoryListBox1->item(1));
        QCOMPARE(browser.Folder(), dir.filePath("Photos"));
        QCOMPARE(browser.FolderNames(), QStringList({"..", "Old"}));
        QVERIFY(browser.FileNames().isEmpty());
        browser.DirectoryListBox1Open(browser.DirectoryListBox1->item(0));
        QCOMPARE(browser.Folder(), dir.path());
        QCOMPARE(browser.SelectedFile(), QString());
    }

    void enterOpensAFolderWithoutClosingTheBrowser()
    {
        TGImageBrowser browser;
        browser.SetFolder(dir.path());
        browser.show();
        QVERIFY(QTest::qWaitForWindowExposed(&browser));
        browser.DirectoryListBox1->setFocus();
        browser.DirectoryListBox1->setCurrentRow(1); // "Photos"
        QTest::keyClick(browser.DirectoryListBox1, Qt::Key_Return);
        QCOMPARE(browser.Folder(), dir.filePath("Photos"));
        QVERIFY(browser.isVisible());
        QCOMPARE(browser.result(), 0);
        browser.DirectoryListBox1->setCurrentRow(0); // ".."
        QTest::keyClick(browser.DirectoryListBox1, Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(browser.Folder(), dir.path());
        QVERIFY(browser.isVisible());

        // In the file list, Return is the default button "Ok".
        QVERIFY(browser.SelectFile("a.BMP"));
        browser.FileListBox1->setFocus();
        QTest::keyClick(browser.FileListBox1, Qt::Key_Return);
        QCOMPARE(browser.result(), int(QDialog::Accepted));
        QVERIFY(!browser.isVisible());
    }

    void pathFieldGoesToFoldersAndFiles()
    {
        TGImageBrowser browser;
        browser.show();
        QVERIFY(QTest::qWaitForWindowExposed(&browser));
        browser.PathEdit->setFocus();
        browser.PathEdit->setText(dir.filePath("Photos"));
        QTest::keyClick(browser.PathEdit, Qt::Key_Return);
        QCOMPARE(browser.Folder(), dir.filePath("Photos"));
        QVERIFY(browser.isVisible()); // Enter there does not close the browser
        browser.PathEdit->setFocus();
        browser.PathEdit->setText(dir.filePath("d.png"));
        QTest::keyClick(browser.PathEdit, Qt::Key_Return);
        QCOMPARE(browser.Folder(), dir.path());
        QCOMPARE(browser.SelectedFile(), dir.filePath("d.png"));
        QCOMPARE(browser.Picture().Size(), QSize(4, 4));
        QVERIFY(browser.isVisible());
        // A place that does not exist changes nothing.
        browser.PathEdit->setText(dir.filePath("nowhere"));
        browser.PathEditEnter();
        QCOMPARE(browser.Folder(), dir.path());
        QCOMPARE(browser.PathEdit->text(), QDir::toNativeSeparators(dir.path()));
    }

    void previewAndErrorRules()
    {
        test::ScriptedInteraction ui;
        TGImageBrowser browser;
        browser.SetFolder(dir.path());
        QVERIFY(browser.SelectFile("a.BMP"));
        QVERIFY(browser.Picture().IsBitmap());
        QCOMPARE(browser.Picture().Size(), QSize(30, 20));
        QVERIFY(browser.SelectFile("Star.wmf"));
        QVERIFY(browser.Picture().IsMetafile());
        QVERIFY(browser.SelectFile("b.jpg"));
        QCOMPARE(browser.Picture().Size(), QSize(40, 10));
        // An icon is previewed as a bitmap of its size, drawn on white.
        QVERIFY(browser.SelectFile("c.Ico"));
        QVERIFY(browser.Picture().IsBitmap());
        QCOMPARE(browser.Picture().Size(), QSize(16, 16));
        QCOMPARE(browser.Picture().Image().pixelColor(12, 12), QColor(Qt::white));
        QVERIFY(ui.log.isEmpty());

        // Bitmaps and metafiles that fail say so; other types just show nothing.
        QVERIFY(browser.SelectFile("bad.jpg"));
        QVERIFY(browser.Picture().IsEmpty());
        QVERIFY(ui.log.isEmpty());
        QVERIFY(browser.SelectFile("bad.bmp"));
        QVERIFY(browser.Picture().IsEmpty());
        QVERIFY(browser.SelectFile("bad.wmf"));
        QCOMPARE(ui.log,
                 QStringList({"error[Error]: Error loading file!", "error[Error]: Error loading file!"}));
    }

    void optionsExcludeEachOther()
    {
        TGImageBrowser browser;
        QVERIFY(browser.Stretch() && !browser.AutoSize());
        QCOMPARE(browser.StretchCheck->toolTip(), QString("Stretch image to max display size"));
        QCOMPARE(browser.AutoSizeCheck->toolTip(), QString("AutoSize TImage"));
        browser.AutoSizeCheck->click();
        QVERIFY(browser.AutoSize() && !browser.Stretch());
        QVERIFY(browser.Image1->AutoSize());
        QVERIFY(!browser.Image1->Stretch());
        browser.StretchCheck->click();
        QVERIFY(browser.Stretch() && !browser.AutoSize());
        QVERIFY(browser.Image1->Stretch());
        browser.StretchCheck->click(); // both may be off
        QVERIFY(!browser.Stretch() && !browser.AutoSize());
        browser.SetOptions(false, true);
        QVERIFY(browser.AutoSize() && !browser.Stretch());
    }

    void loadImageFromDisk()
    {
        test::ScriptedInteraction ui;
        const QString before = QDir::currentPath();
        model::TGImage image;
        image.SetBounds(5, 5, 50, 50);
        image.Loaded();
        ui.dialogs.enqueue([this](QDialog &d) {
            auto &browser = static_cast<TGImageBrowser &>(d);
            [&] { QVERIFY(browser.Stretch() && !browser.AutoSize()); }(); // from the object
            browser.SetFolder(dir.path());
            browser.SelectFile("c.Ico");
            browser.AutoSizeCheck->click();
            return int(QDialog::Accepted);
        });
        QVERIFY(TGImageBrowser::LoadImageFromDisk(image));
        QVERIFY(image.Picture().IsBitmap()); // the icon is stored as a bitmap
        QVERIFY(image.AutoSize() && !image.Stretch());
        QCOMPARE(image.BoundsRect(), QRect(5, 5, 16, 16));
        QCOMPARE(QDir::currentPath(), before);
        // The folder of the picture taken is where the browser opens next.
        QCOMPARE(TGImageBrowser::StartFolder(), dir.path());
        QCOMPARE(TGImageBrowser().Folder(), dir.path());

        // Ok without a selection, and Cancel, leave the object as it was.
        ui.dialogs.enqueue([](QDialog &) { return int(QDialog::Accepted); });
        ui.dialogs.enqueue([this](QDialog &d) {
            static_cast<TGImageBrowser &>(d).SetFolder(dir.path());
            static_cast<TGImageBrowser &>(d).SelectFile("a.BMP");
            return int(QDialog::Rejected);
        });
        QVERIFY(!TGImageBrowser::LoadImageFromDisk(image));
        QVERIFY(!TGImageBrowser::LoadImageFromDisk(image));
        QCOMPARE(image.Picture().Size(), QSize(16, 16));

        // A file that could not be read: Ok keeps the picture the object
        // has, with its options, and says that the file could not be read.
        for (const char *bad : {"bad.jpg", "bad.bmp", "bad.wmf"}) {
            ui.log.clear();
            ui.dialogs.enqueue([this, bad](QDialog &d) {
                auto &browser = static_cast<TGImageBrowser &>(d);
                browser.SetFolder(dir.path());
                browser.SelectFile(bad);
                browser.StretchCheck->click();
                return int(QDialog::Accepted);
            });
            QVERIFY(!TGImageBrowser::LoadImageFromDisk(image));
            QVERIFY2(image.Picture().IsBitmap(), bad);
            QCOMPARE(image.Picture().Size(), QSize(16, 16));
            QVERIFY(image.AutoSize() && !image.Stretch());
            QCOMPARE(image.BoundsRect(), QRect(5, 5, 16, 16));
            QVERIFY2(ui.log.last().startsWith("error[Error]: Unable to read ") && ui.log.last().contains(bad),
                     qPrintable(ui.log.join('\n')));
        }
    }

    void imageToolPlacesThenBrowses()
    {
        test::ScriptedInteraction ui;
        RegisterImageTool();
        TGBusinessCardPanel32 panel;
        panel.setCardSize(336, 192);
        panel.SetPanelState(psImage);
        int objectsWhenBrowsing = -1;
        bool pointingWhenBrowsing = false;
        ui.dialogs.enqueue([&](QDialog &d) {
            objectsWhenBrowsing = panel.ObjectCount();
            pointingWhenBrowsing = panel.PanelState() == psPointing;
            auto &browser = static_cast<TGImageBrowser &>(d);
            browser.SetFolder(clipart());
            browser.SelectFile("Globe.wmf");
            return int(QDialog::Accepted);
        });
        model::TGGraphicControl *placed = panel.CreateObject(QRect(QPoint(20, 30), QPoint(120, 100)));
        QVERIFY(placed);
        QCOMPARE(objectsWhenBrowsing, 1);
        QVERIFY(pointingWhenBrowsing);
        auto *image = dynamic_cast<model::TGImage *>(placed);
        QVERIFY(image);
        QVERIFY(image->Picture().IsMetafile());
        QVERIFY(image->Stretch());
        QCOMPARE(image->BoundsRect(), QRect(20, 30, 100, 70)); // stretched: the drawn size stays

        // The object's own menu entry runs the same browser.
        ui.dialogs.enqueue([](QDialog &d) {
            auto &browser = static_cast<TGImageBrowser &>(d);
            browser.SetFolder(clipart());
            browser.SelectFile("Star.bmp");
            browser.AutoSizeCheck->click();
            return int(QDialog::Accepted);
        });
        model::TGMenuItem::Find(image->PopupMenu(), "Load Image From Disk")->Action();
        QVERIFY(image->Picture().IsBitmap());
        QCOMPARE(image->BoundsRect(), QRect(20, 30, 96, 96));
        QCOMPARE(ui.dialogsRun, 2);
        model::TGImage::LoadImageFromDiskHandler() = nullptr;
    }
};

QTEST_MAIN(TestImageBrowser)
#include "tst_imagebrowser.moc"
