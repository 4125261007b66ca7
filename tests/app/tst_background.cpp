// Background art: the BG folder and its shipped pictures, the dialog's list,
// pre-selection, Ok/Cancel/None, the surface painting the picture clipped to
// the card outline, and printing a background file.
#include "app/TLoadBackGround.h"
#include "app/TMainScreen.h"
#include "app/model/TCardFiles.h"
#include "design/TGBusinessCardPanel32.h"
#include "design/TSmartImage.h"
#include "design/model/TBackgroundArt.h"
#include "print/engine/TCanvasReport.h"
#include "support/ScriptedInteraction.h"
#include "support/TestFolder.h"

#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QPainter>
#include <QTest>

using namespace cw;
using namespace cw::ui;
using model::TBackgroundArt;

namespace {

void writeBitmap(const QString &path, QColor colour, QSize size = QSize(8, 4))
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    QVERIFY(image.save(path, "BMP"));
}

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QImage grab(QWidget &w)
{
    QImage image(w.size(), QImage::Format_RGB32);
    image.fill(Qt::magenta);
    w.render(&image);
    return image;
}

// A dark blue pixel in row y between x1 and x2 (the navy frame's edge).
bool navyBetween(const QImage &image, int x1, int x2, int y)
{
    for (int x = x1; x <= x2; ++x) {
        const QColor c = image.pixelColor(x, y);
        if (c.blue() > c.red() + 30 && c.value() < 160)
            return true;
    }
    return false;
}

QString shippedBg()
{
    return qEnvironmentVariable("CW_SOURCE_DIR") + "/content/BG/";
}

} // namespace

class TestBackground : public QObject
{
    Q_OBJECT
private slots:
    void everyShippedBackgroundLoads()
    {
        const QStringList names = TBackgroundArt::List(shippedBg());
        int bitmaps = 0, metafiles = 0;
        for (const QString &name : names) {
            model::TGPicture picture = model::TGPicture::FromFile(shippedBg() + name);
            QCOMPARE(picture.Size(), QSize(336, 192)); // 3.5 x 2 inches at 96 per inch
            bitmaps += picture.IsBitmap();
            metafiles += picture.IsMetafile();
            // Each one prints over a card's inch rectangle.
            QImage sheet(400, 250, QImage::Format_RGB32);
            sheet.fill(Qt::white);
            engine::TCanvasReport report(sheet, 96, 96);
            bool printed = false;
            report.OnPrint = [&](engine::TBaseReport &r) {
                printed = TBackgroundArt::Print(r, shippedBg() + name, 0.25, 0.25, 3.75, 2.25);
            };
            report.Execute();
            QVERIFY2(printed, qPrintable(name));
            int inked = 0;
            for (int y = 24; y < 216; y += 6)
                for (int x = 24; x < 360; x += 6)
                    inked += sheet.pixelColor(x, y) != QColor(Qt::white);
            QVERIFY2(inked > 10, qPrintable(name));
            QCOMPARE(sheet.pixelColor(10, 10), QColor(Qt::white)); // nothing outside the card
        }
        QVERIFY(bitmaps >= 8);
        QVERIFY(metafiles >= 2);
    }

    void backgroundCoversExactlyTheCardCellOnPaper()
    {
        // At 300 dots per inch on a magenta sheet: the card cell runs from
        // 0.25 to 3.75 inches across and 0.25 to 2.25 down, device pixels
        // 75..1124 and 75..674.  Nothing lands outside it (metafiles that draw
        // beyond their frame included, as the surface clips them to the card),
        // and a bitmap covers every pixel of its edges.
        const QRect cell(75, 75, 1050, 600);
        for (const QString &name : TBackgroundArt::List(shippedBg())) {
            QImage sheet(1200, 750, QImage::Format_RGB32);
            sheet.fill(Qt::magenta);
            engine::TCanvasReport report(sheet, 300, 300);
            report.OnPrint = [&](engine::TBaseReport &r) {
                TBackgroundArt::Print(r, shippedBg() + name, 0.25, 0.25, 3.75, 2.25);
            };
            report.Execute();
            const QRgb magenta = QColor(Qt::magenta).rgb();
            int outside = 0, uncoveredEdge = 0;
            for (int y = 0; y < sheet.height(); ++y) {
                const auto *line = reinterpret_cast<const QRgb *>(sheet.constScanLine(y));
                for (int x = 0; x < sheet.width(); ++x) {
                    const bool in = cell.contains(x, y);
                    const bool edge = in && (x == cell.left() || x == cell.right() || y == cell.top() ||
                                             y == cell.bottom());
                    outside += !in && line[x] != magenta;
                    uncoveredEdge += edge && line[x] == magenta;
                }
            }
            QVERIFY2(outside == 0, qPrintable(name + ": " + QString::number(outside)));
            if (name.endsWith(".bmp", Qt::CaseInsensitive))
                QVERIFY2(uncoveredEdge == 0, qPrintable(name + ": " + QString::number(uncoveredEdge)));
        }
    }

    void shippedPicturesAreCopiedOnce()
    {
        test::TestFolder folder;
        const QString bg = TBackgroundArt::Folder();
        QCOMPARE(bg, folder.file("BG/"));
        QDir().mkpath(bg);
        // The user's own picture of a shipped name is never replaced.
        writeBitmap(bg + "sky.BMP", Qt::red);
        const int shipped = TBackgroundArt::List(shippedBg()).size();
        QCOMPARE(TBackgroundArt::InstallShipped(), shipped - 1);
        QCOMPARE(TBackgroundArt::List(bg).size(), shipped);
        QCOMPARE(model::TGPicture::FromFile(bg + "sky.BMP").Image().pixelColor(0, 0), QColor(Qt::red));
        QCOMPARE(TBackgroundArt::InstallShipped(), 0);
    }

    void listAndPreselection()
    {
        test::TestFolder folder;
        const QString bg = folder.file("BG/");
        QDir().mkpath(bg + "Sub.bmp");
        writeBitmap(bg + "b.BMP", Qt::green);
        writeBitmap(bg + "A.bmp", Qt::blue);
        writeBytes(bg + "c.Wmf", QByteArray("not a metafile"));
        writeBytes(bg + "notes.txt", "x");
        writeBitmap(bg + "photo.png", Qt::red);
        QCOMPARE(TBackgroundArt::List(bg), QStringList({"A.bmp", "b.BMP", "c.Wmf", "photo.png"}));

        // An existing file is chosen as it is, wherever it lies.
        const QString elsewhere = folder.file("Other.bmp");
        writeBitmap(elsewhere, Qt::yellow);
        QCOMPARE(TBackgroundArt::Preselection(elsewhere, bg), elsewhere);
        // A file of another installation: the same name in this BG folder.
        QCOMPARE(TBackgroundArt::Preselection("/elsewhere/BG/a.BMP", bg), bg + "A.bmp");
        QCOMPARE(TBackgroundArt::Preselection("C:\\CARDS\\BG\\B.bmp", bg), bg + "b.BMP");
        QCOMPARE(TBackgroundArt::Preselection("/elsewhere/BG/gone.bmp", bg), QString());
        QCOMPARE(TBackgroundArt::Preselection(QString(), bg), QString());

        TLoadBackGround dialog;
        dialog.SetFolder(bg);
        QCOMPARE(dialog.FileNames(), QStringList({"A.bmp", "b.BMP", "c.Wmf", "photo.png"}));
        QCOMPARE(dialog.SelectedFile(), QString());
        QVERIFY(dialog.SelectFile(elsewhere));
        QCOMPARE(dialog.Folder(), folder.path().chopped(1));
        QCOMPARE(dialog.SelectedFile(), elsewhere);
        QCOMPARE(dialog.Image1->Picture().Size(), QSize(8, 4));
    }

    void clickingANamePreviewsIt()
    {
        test::TestFolder folder;
        const QString bg = folder.file("BG/");
        QDir().mkpath(bg);
        writeBitmap(bg + "one.bmp", Qt::blue, QSize(40, 20));
        writeBitmap(bg + "two.bmp", Qt::green, QSize(30, 10));
        TLoadBackGround dialog;
        dialog.SetFolder(bg);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QListWidget &list = *dialog.FileListBox1;
        // A click makes the row current before selecting it: the preview
        // must still show the picture clicked.
        QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, list.visualItemRect(list.item(1)).center());
        QCOMPARE(dialog.SelectedFile(), bg + "two.bmp");
        QCOMPARE(dialog.Image1->Picture().Size(), QSize(30, 10));
        QTest::keyClick(&list, Qt::Key_Up);
        QCOMPARE(dialog.Image1->Picture().Size(), QSize(40, 20));
    }

    void previewAndOkRules()
    {
        test::TestFolder folder;
        test::ScriptedInteraction ui;
        const QString bg = folder.file("BG/");
        QDir().mkpath(bg);
        writeBitmap(bg + "good.bmp", Qt::blue, QSize(40, 20));
        writeBytes(bg + "bad.wmf", QByteArray("not a metafile"));
        TLoadBackGround dialog;
        int beeps = 0;
        dialog.Beep = [&beeps] { ++beeps; };
        dialog.SetFolder(bg);
        dialog.OKButtonClick(); // nothing selected: a beep, still open
        QCOMPARE(beeps, 1);
        QCOMPARE(dialog.result(), 0);

        QVERIFY(dialog.SelectFile(bg + "good.bmp"));
        QCOMPARE(dialog.Image1->size(), QSize(40, 20)); // the preview takes the picture's size
        QVERIFY(dialog.SelectFile(bg + "bad.wmf"));
        QCOMPARE(ui.log, QStringList({"error[Error]: Error loading file!"}));
        QVERIFY(dialog.Image1->Picture().IsEmpty());
        // Ok still takes the file: the surface's own load decides.
        dialog.OKButtonClick();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(beeps, 1);
        dialog.NoneButtonClick();
        QCOMPARE(dialog.result(), TLoadBackGround::NoneResult);
    }

    void commandOkNoneCancel()
    {
        test::TestFolder folder;
        test::ScriptedInteraction ui;
        TGBusinessCardPanel32 panel;
        panel.setCardSize(336, 192);
        QString background;

        // Ok on a shipped picture (copied into BG on first use).
        ui.dialogs.enqueue([](QDialog &d) {
            auto &dialog = static_cast<TLoadBackGround &>(d);
            [&] { QVERIFY(dialog.FileNames().contains("Sky.bmp")); }();
            [&] { QCOMPARE(dialog.SelectedFile(), QString()); }();
            dialog.SelectFile(dialog.Folder() + "/Sky.bmp");
            return int(QDialog::Accepted);
        });
        QVERIFY(TLoadBackGround::Execute(nullptr, panel, background));
        QCOMPARE(background, folder.file("BG/Sky.bmp"));
        QVERIFY(panel.BackgroundPicture().IsBitmap());

        // Opening again pre-selects the current picture; Cancel changes nothing.
        QString seen;
        ui.dialogs.enqueue([&seen](QDialog &d) {
            seen = static_cast<TLoadBackGround &>(d).SelectedFile();
            return int(QDialog::Rejected);
        });
        QVERIFY(!TLoadBackGround::Execute(nullptr, panel, background));
        QCOMPARE(seen, background);
        QCOMPARE(background, folder.file("BG/Sky.bmp"));
        QVERIFY(!panel.BackgroundPicture().IsEmpty());

        // A metafile stays a metafile on the surface.
        ui.dialogs.enqueue([](QDialog &d) {
            auto &dialog = static_cast<TLoadBackGround &>(d);
            dialog.SelectFile(dialog.Folder() + "/Navy Frame.wmf");
            return int(QDialog::Accepted);
        });
        QVERIFY(TLoadBackGround::Execute(nullptr, panel, background));
        QVERIFY(panel.BackgroundPicture().IsMetafile());
        QVERIFY(panel.ColorPicture().isNull());

        // None clears it, and counts as a change even with no background.
        for (int i = 0; i < 2; ++i) {
            ui.dialogs.enqueue([](QDialog &) { return TLoadBackGround::NoneResult; });
            QVERIFY(TLoadBackGround::Execute(nullptr, panel, background));
            QCOMPARE(background, QString());
            QVERIFY(panel.BackgroundPicture().IsEmpty());
        }

        // A picture the surface cannot read is reported; the card shows none.
        writeBytes(folder.file("BG/broken.bmp"), "BM broken");
        ui.dialogs.enqueue([](QDialog &d) {
            auto &dialog = static_cast<TLoadBackGround &>(d);
            dialog.SelectFile(dialog.Folder() + "/broken.bmp");
            return int(QDialog::Accepted);
        });
        ui.log.clear();
        QVERIFY(TLoadBackGround::Execute(nullptr, panel, background));
        QCOMPARE(background, folder.file("BG/broken.bmp"));
        QVERIFY(panel.BackgroundPicture().IsEmpty());
        // The preview's message, then the surface's own.
        QCOMPARE(ui.log, QStringList({"dialog[Load  Business Card Background Art ]",
                                      "error[Error]: Error loading file!",
                                      "error[Cardwright]: Bitmap image is not valid"}));
    }

    void relativeSidecarLinesNameTheProgramFolder()
    {
        test::TestFolder folder;
        const QString bg = TBackgroundArt::Folder();
        QVERIFY(!QFileInfo::exists(bg));
        // A shipped picture named "BG/…": installed into BG first.
        QCOMPARE(TBackgroundArt::Resolve("BG/Sky.bmp"), bg + "Sky.bmp");
        QVERIFY(QFileInfo(bg + "Sky.bmp").isFile());
        QCOMPARE(TBackgroundArt::Resolve("bg/SKY.BMP"), bg + "Sky.bmp");
        writeBitmap(folder.file("Mine.bmp"), Qt::red);
        QCOMPARE(TBackgroundArt::Resolve("Mine.bmp"), folder.file("Mine.bmp"));
        QCOMPARE(TBackgroundArt::Resolve("BG/Nowhere.bmp"), QString());
        QCOMPARE(TBackgroundArt::Resolve("Other/Sky.bmp"), QString());
        // Absolute paths are taken as they are; a missing one, or one from
        // Windows, names nothing here (the dialog still finds its namesake).
        QCOMPARE(TBackgroundArt::Resolve(folder.file("Mine.bmp")), folder.file("Mine.bmp"));
        QCOMPARE(TBackgroundArt::Resolve("/nowhere/Sky.bmp"), QString());
        QCOMPARE(TBackgroundArt::Resolve("C:\\Cards\\BG\\Sky.bmp"), QString());
        QCOMPARE(TBackgroundArt::Resolve(QString()), QString());

        // A card whose sidecar says "BG/Linen.bmp" opens with that picture
        // from this program folder, on screen and for printing and saving.
        test::ScriptedInteraction script;
        TMainScreen::hasPrinters = [] { return true; };
        TMainScreen::defaultPrinterName = [] { return QStringLiteral("Office"); };
        TMainScreen window;
        window.FormActivate();
        const QString card = folder.file("Saved/sample.cwr");
        QVERIFY(window.SaveBCFile(card));
        QFile sidecar(model::TCardFiles::SidecarPath(card));
        QVERIFY(sidecar.open(QIODevice::WriteOnly));
        sidecar.write("BG/Linen.bmp\r\n");
        sidecar.close();
        window.OpenBCFile(card);
        QCOMPARE(window.BackgroundFile, bg + "Linen.bmp");
        QVERIFY(window.BusinessCardPanel()->BackgroundPicture().IsBitmap());
    }

    void everyShippedSampleFindsItsBackground()
    {
        // A sample card's sidecar must name a picture this installation has,
        // whatever folder the program runs from.
        const QDir samples(qEnvironmentVariable("CW_SOURCE_DIR") + "/content/samples");
        int withBackground = 0;
        for (const QFileInfo &card : samples.entryInfoList({"*.cwr", "*.CWR"}, QDir::Files)) {
            if (model::TCardFiles::ReadSidecar(card.absoluteFilePath()).isEmpty())
                continue;
            ++withBackground;
            test::TestFolder folder;
            test::ScriptedInteraction script;
            TMainScreen::hasPrinters = [] { return true; };
            TMainScreen::defaultPrinterName = [] { return QStringLiteral("Office"); };
            TMainScreen window;
            window.FormActivate();
            window.OpenBCFile(card.absoluteFilePath());
            QVERIFY2(QFileInfo(window.BackgroundFile).isFile(), qPrintable(card.fileName()));
            QVERIFY2(window.BackgroundFile.startsWith(folder.path()), qPrintable(window.BackgroundFile));
            QVERIFY2(!window.BusinessCardPanel()->BackgroundPicture().IsEmpty(), qPrintable(card.fileName()));
        }
        QVERIFY(withBackground >= 1);
    }

    void commandMarksTheDesignChangedOnOkAndNoneOnly()
    {
        test::TestFolder folder;
        test::ScriptedInteraction script;
        TMainScreen::hasPrinters = [] { return true; };
        TMainScreen::defaultPrinterName = [] { return QStringLiteral("Office"); };
        TMainScreen window;
        window.FormActivate();
        window.SetChangesMade(false);
        // None on a design without background is still a change.
        script.dialogs.enqueue([](QDialog &) { return TLoadBackGround::NoneResult; });
        window.SetBackgroundArtClick();
        QVERIFY(window.ChangesMade());
        QCOMPARE(window.BackgroundFile, QString());

        window.SetChangesMade(false);
        script.dialogs.enqueue([](QDialog &d) {
            auto &dialog = static_cast<TLoadBackGround &>(d);
            dialog.SelectFile(dialog.Folder() + "/Marble.bmp");
            return int(QDialog::Accepted);
        });
        window.SetBackgroundArtClick();
        QVERIFY(window.ChangesMade());
        QCOMPARE(window.BackgroundFile, TBackgroundArt::Folder() + "Marble.bmp");

        // Cancel leaves the picture and the changes-made state alone, also
        // after choosing another picture in the list.
        window.SetChangesMade(false);
        script.dialogs.enqueue([](QDialog &d) {
            auto &dialog = static_cast<TLoadBackGround &>(d);
            dialog.SelectFile(dialog.Folder() + "/Sky.bmp");
            return int(QDialog::Rejected);
        });
        window.SetBackgroundArtClick();
        QVERIFY(!window.ChangesMade());
        QCOMPARE(window.BackgroundFile, TBackgroundArt::Folder() + "Marble.bmp");
        QVERIFY(window.BusinessCardPanel()->BackgroundPicture().IsBitmap());
    }

    void backgroundClippedToTheOutline()
    {
        TGBusinessCardPanel32 panel;
        panel.setCardSize(336, 192);
        panel.setDrawOutline(false);
        panel.setShape(lsEllipse);
        panel.LoadColorPicture(shippedBg() + "Navy Frame.wmf");
        QImage shown = grab(panel);
        // The frame's corner diamond lies outside the ellipse: white there.
        QCOMPARE(shown.pixelColor(9, 9), QColor(Qt::white));
        // Its navy edge at the middle of the left side is inside the ellipse.
        QVERIFY(navyBetween(shown, 3, 10, 96));

        // At another zoom the metafile is played at the new size, not scaled pixels.
        panel.SetZoom(2.0f);
        shown = grab(panel);
        QCOMPARE(shown.size(), QSize(672, 384));
        QVERIFY(navyBetween(shown, 8, 18, 192));
        panel.SetZoom(1.0f);

        // The rendered card is rectangular: the background covers its corners.
        panel.LoadColorPicture(shippedBg() + "Sky.bmp");
        const QImage card = panel.RenderToBitmap();
        QVERIFY(card.pixelColor(1, 1) != QColor(Qt::white));
        QVERIFY(grab(panel).pixelColor(1, 1) == QColor(Qt::white));
        panel.LoadColorPicture(shippedBg() + "Soft Circles.wmf");
        QVERIFY(panel.RenderToBitmap().pixelColor(300, 60) != QColor(Qt::white));
    }

    void printOnlyPicturesThatDecodeByTheirType()
    {
        test::TestFolder folder;
        // Bitmap bytes under a PNG name, and a missing file: nothing printed.
        const QString fake = folder.file("photo.png");
        writeBitmap(fake, Qt::red);
        QImage sheet(200, 200, QImage::Format_RGB32);
        sheet.fill(Qt::white);
        engine::TCanvasReport report(sheet, 96, 96);
        bool printed = true;
        report.OnPrint = [&](engine::TBaseReport &r) {
            printed = TBackgroundArt::Print(r, fake, 0, 0, 1, 1) ||
                      TBackgroundArt::Print(r, folder.file("missing.bmp"), 0, 0, 1, 1);
        };
        report.Execute();
        QVERIFY(!printed);
        QCOMPARE(sheet.pixelColor(10, 10), QColor(Qt::white));

        // A real PNG prints over the inch.
        QImage red(8, 4, QImage::Format_RGB32);
        red.fill(Qt::red);
        QVERIFY(red.save(folder.file("real.png"), "PNG"));
        report.OnPrint = [&](engine::TBaseReport &r) {
            printed = TBackgroundArt::Print(r, folder.file("real.png"), 0, 0, 1, 1);
        };
        report.Execute();
        QVERIFY(printed);
        QCOMPARE(sheet.pixelColor(10, 10), QColor(Qt::red));
        QCOMPARE(sheet.pixelColor(150, 150), QColor(Qt::white));
    }
};

QTEST_MAIN(TestBackground)
#include "tst_background.moc"
