// Backgrounds from anywhere: the background dialog walks other folders and
// takes PNG and JPEG pictures; a card whose background lies in the program
// folder's BG folder names it "BG/<name>" in its sidecar, so the card finds
// it again on another installation.

#include "app/TLoadBackGround.h"
#include "app/TMainScreen.h"
#include "app/model/TCardFiles.h"
#include "design/TGBusinessCardPanel32.h"
#include "design/TSmartImage.h"
#include "design/model/TBackgroundArt.h"
#include "support/ScriptedInteraction.h"
#include "support/TestFolder.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>

using namespace cw;
using namespace cw::ui;
using model::TBackgroundArt;

namespace {

void writePicture(const QString &path, QColor colour, const char *format)
{
    QImage image(16, 8, QImage::Format_RGB32);
    image.fill(colour);
    QVERIFY(image.save(path, format));
}

QByteArray bytesOf(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class TestBackgroundFolders : public QObject
{
    Q_OBJECT

private slots:
    void dialogWalksFoldersAndTakesPhotos()
    {
        test::TestFolder folder;
        test::ScriptedInteraction ui;
        QDir().mkpath(folder.file("Photos/Old"));
        writePicture(folder.file("Photos/logo.PNG"), Qt::green, "png");
        writePicture(folder.file("Photos/beach.jpeg"), Qt::blue, "jpeg");
        writePicture(folder.file("Photos/sea.jpg"), Qt::blue, "jpeg");
        writePicture(folder.file("Photos/icon.ico"), Qt::blue, "ico");

        TLoadBackGround dialog;
        dialog.SetFolder(folder.file("Photos"));
        QCOMPARE(dialog.FileNames(), QStringList({"beach.jpeg", "logo.PNG", "sea.jpg"}));
        QCOMPARE(dialog.FolderNames(), QStringList({"..", "Old"}));
        QCOMPARE(dialog.PathEdit->text(), QDir::toNativeSeparators(folder.file("Photos")));
        dialog.DirectoryListBox1Open(dialog.DirectoryListBox1->item(1));
        QCOMPARE(QDir(dialog.Folder()), QDir(folder.file("Photos/Old")));
        QVERIFY(dialog.FileNames().isEmpty());
        dialog.DirectoryListBox1Open(dialog.DirectoryListBox1->item(0));
        QCOMPARE(QDir(dialog.Folder()), QDir(folder.file("Photos")));

        // The path field: a folder is shown, a picture selected and previewed.
        dialog.PathEdit->setText(folder.file("Photos/Old"));
        dialog.PathEditEnter();
        QCOMPARE(QDir(dialog.Folder()), QDir(folder.file("Photos/Old")));
        dialog.PathEdit->setText(folder.file("Photos/logo.PNG"));
        dialog.PathEditEnter();
        QCOMPARE(dialog.SelectedFile(), folder.file("Photos/logo.PNG"));
        QCOMPARE(dialog.Image1->Picture().Size(), QSize(16, 8));
        QVERIFY(ui.log.isEmpty());

        // Enter in the path field does not close the dialog.
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        dialog.PathEdit->setFocus();
        dialog.PathEdit->setText(folder.file("Photos/Old"));
        QTest::keyClick(dialog.PathEdit, Qt::Key_Return);
        QVERIFY(dialog.isVisible());
        QCOMPARE(QDir(dialog.Folder()), QDir(folder.file("Photos/Old")));
    }

    void photoFromElsewhereBecomesTheBackground()
    {
        test::TestFolder folder;
        test::ScriptedInteraction ui;
        writePicture(folder.file("logo.png"), Qt::green, "png");
        TGBusinessCardPanel32 panel;
        panel.setCardSize(336, 192);
        QString background;
        ui.dialogs.enqueue([&folder](QDialog &d) {
            auto &dialog = static_cast<TLoadBackGround &>(d);
            dialog.SelectFile(folder.file("logo.png"));
            return int(QDialog::Accepted);
        });
        QVERIFY(TLoadBackGround::Execute(nullptr, panel, background));
        QCOMPARE(background, folder.file("logo.png"));
        QVERIFY(panel.BackgroundPicture().IsBitmap());
        QCOMPARE(panel.RenderToBitmap().pixelColor(168, 96), QColor(Qt::green));

        // Opened again, the dialog shows that folder with the picture selected.
        QString seen;
        ui.dialogs.enqueue([&seen](QDialog &d) {
            seen = static_cast<TLoadBackGround &>(d).SelectedFile();
            return int(QDialog::Rejected);
        });
        QVERIFY(!TLoadBackGround::Execute(nullptr, panel, background));
        QCOMPARE(seen, folder.file("logo.png"));
    }

    void sidecarNamesBgPicturesRelatively()
    {
        test::TestFolder folder;
        const QString bg = TBackgroundArt::Folder();
        QDir().mkpath(bg);
        writePicture(bg + "Mine.png", Qt::red, "png");
        writePicture(folder.file("Elsewhere.png"), Qt::red, "png");
        QCOMPARE(TBackgroundArt::SidecarLine(bg + "Mine.png"), QString("BG/Mine.png"));
        QCOMPARE(TBackgroundArt::SidecarLine(folder.file("BG/../BG/Mine.png")), QString("BG/Mine.png"));
        QCOMPARE(TBackgroundArt::SidecarLine(folder.file("Elsewhere.png")), folder.file("Elsewhere.png"));
        QCOMPARE(TBackgroundArt::SidecarLine("BG/Sky.bmp"), QString("BG/Sky.bmp"));
        QCOMPARE(TBackgroundArt::SidecarLine(QString()), QString());

        // Saved and opened again: the sidecar holds the relative line, the
        // design the full path of this installation's picture.
        test::ScriptedInteraction script;
        TMainScreen::hasPrinters = [] { return true; };
        TMainScreen::defaultPrinterName = [] { return QStringLiteral("Office"); };
        TMainScreen window;
        window.FormActivate();
        const QString card = folder.file("Saved/moving.cwr");
        window.BackgroundFile = bg + "Mine.png";
        QVERIFY(window.SaveBCFile(card));
        QCOMPARE(bytesOf(model::TCardFiles::SidecarPath(card)), QByteArray("BG/Mine.png\r\n"));
        window.OpenBCFile(card);
        QCOMPARE(window.BackgroundFile, bg + "Mine.png");
        QVERIFY(window.BusinessCardPanel()->BackgroundPicture().IsBitmap());

        // A picture outside BG keeps its full path.
        window.BackgroundFile = folder.file("Elsewhere.png");
        QVERIFY(window.SaveBCFile(card));
        QCOMPARE(bytesOf(model::TCardFiles::SidecarPath(card)),
                 (folder.file("Elsewhere.png") + "\r\n").toUtf8());
    }
};

QTEST_MAIN(TestBackgroundFolders)
#include "tst_backgroundfolders.moc"
