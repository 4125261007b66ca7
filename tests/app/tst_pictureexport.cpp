// Picture export: the file's bytes follow its type whichever command wrote
// it, PNG beside BMP and JPEG, and the print resolutions draw the same card
// sharper (a thin line lands where the screen picture has it).

#include "app/TExportResolution.h"
#include "app/TMainScreen.h"
#include "app/model/TPictureExport.h"
#include "design/TGImageBrowser.h"
#include "design/model/TBCShapes.h"
#include "design/model/TGImage.h"
#include "design/model/TGLineShape.h"
#include "support/BlockCompare.h"
#include "support/ScriptedInteraction.h"
#include "support/TestFolder.h"

#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QPainter>
#include <QRadioButton>
#include <QTest>

using namespace cw;
using namespace cw::ui;
using model::TExportType;
using model::TPictureExport;

namespace {

QByteArray bytesOf(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool isPng(const QByteArray &b)
{
    return b.startsWith("\x89PNG\r\n\x1a\n");
}
bool isJpeg(const QByteArray &b)
{
    return b.startsWith("\xFF\xD8\xFF");
}
bool isBmp(const QByteArray &b)
{
    return b.startsWith("BM");
}

// The centre of the dark rows of column x (-1 when there are none).
double darkRowCentre(const QImage &image, int x)
{
    double sum = 0;
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        if (qGray(image.pixel(x, y)) < 128) {
            sum += y;
            ++count;
        }
    return count ? sum / count : -1;
}

} // namespace

class TestPictureExport : public QObject
{
    Q_OBJECT

    std::unique_ptr<test::TestFolder> folder;
    std::unique_ptr<test::ScriptedInteraction> script;

    std::unique_ptr<TMainScreen> window()
    {
        auto w = std::make_unique<TMainScreen>();
        w->FormActivate();
        // A thin horizontal line across the card and a framed ellipse.
        auto line = std::make_unique<model::TGLineShape>();
        line->SetLineStyle(model::stHorizontal);
        w->BusinessCardPanel()->PlaceNewObject(std::move(line), QRect(40, 90, 250, 12));
        auto shape = std::make_unique<model::TBCShapes>();
        shape->SetShape(model::stEllipse);
        w->BusinessCardPanel()->PlaceNewObject(std::move(shape), QRect(20, 20, 80, 50));
        script->log.clear();
        script->informations.clear();
        return w;
    }

    void exportAs(TMainScreen &w, void (TMainScreen::*command)(), const QString &path, int dpi = 96)
    {
        script->fileNames.enqueue(path);
        script->dialogs.enqueue([dpi](QDialog &d) {
            static_cast<TExportResolution &>(d).SetDpi(dpi);
            return int(QDialog::Accepted);
        });
        script->answers.enqueue(false); // no border
        (w.*command)();
    }

private slots:
    void init()
    {
        folder = std::make_unique<test::TestFolder>();
        script = std::make_unique<test::ScriptedInteraction>();
    }
    void cleanup()
    {
        script.reset();
        folder.reset();
    }

    void typesFollowTheFileName()
    {
        QCOMPARE(TPictureExport::TypeOfName("a/card.PNG"), TExportType::Png);
        QCOMPARE(TPictureExport::TypeOfName("card.jpeg"), TExportType::Jpeg);
        QCOMPARE(TPictureExport::TypeOfName("card.Bmp"), TExportType::Bitmap);
        QVERIFY(!TPictureExport::TypeOfName("card.gif"));
        QCOMPARE(TPictureExport::TypeFor("card.gif", TExportType::Png), TExportType::Png);
        QImage card(40, 20, QImage::Format_RGB32);
        card.fill(Qt::red);
        QVERIFY(isPng(TPictureExport::Encode(card, TExportType::Png)));
        QVERIFY(isJpeg(TPictureExport::Encode(card, TExportType::Jpeg)));
        QVERIFY(isBmp(TPictureExport::Encode(card, TExportType::Bitmap)));
        QVERIFY(TPictureExport::Encode(QImage(), TExportType::Png).isEmpty());
        // The resolution is in the header, so other programs size the card.
        QImage back = QImage::fromData(TPictureExport::Encode(card, TExportType::Png, 600));
        QCOMPARE(qRound(back.dotsPerMeterX() * 0.0254), 600);
    }

    void contentsFollowTheChosenType()
    {
        auto w = window();
        // A PNG name under the bitmap command gets PNG bytes, not BMP.
        exportAs(*w, &TMainScreen::mnuSaveAsBitmapClick, folder->file("fromBitmap.png"));
        QVERIFY(isPng(bytesOf(folder->file("fromBitmap.png"))));
        QVERIFY(script->informations.contains("Saved as " + folder->file("fromBitmap.png")));
        exportAs(*w, &TMainScreen::mnuSaveAsPNGClick, folder->file("card.png"));
        QVERIFY(script->log.contains("save[Save Card As PNG]: " + folder->file("BusinessCard.PNG")));
        QVERIFY(isPng(bytesOf(folder->file("card.png"))));
        exportAs(*w, &TMainScreen::mnuSaveAsPNGClick, folder->file("card.jpg"));
        QVERIFY(isJpeg(bytesOf(folder->file("card.jpg"))));
        exportAs(*w, &TMainScreen::mnuSaveAsJPGClick, folder->file("card.bmp"));
        QVERIFY(isBmp(bytesOf(folder->file("card.bmp"))));
        // A name of no picture type gets the command's extension.
        exportAs(*w, &TMainScreen::mnuSaveAsPNGClick, folder->file("card.gif"));
        QVERIFY(isPng(bytesOf(folder->file("card.gif.PNG"))));
        QVERIFY(!QFile::exists(folder->file("card.gif")));
        QCOMPARE(QImage(folder->file("card.png")).size(), QSize(336, 192));

        // Cancel in the resolution dialog writes nothing and says nothing.
        script->informations.clear();
        script->fileNames.enqueue(folder->file("never.png"));
        w->mnuSaveAsPNGClick();
        QVERIFY(!QFile::exists(folder->file("never.png")));
        QVERIFY(script->informations.isEmpty());
    }

    void fineResolutionIsTheScreenPictureSharper()
    {
        auto w = window();
        w->ZoomIn();
        const float zoom = w->BusinessCardPanel()->Zoom();
        exportAs(*w, &TMainScreen::mnuSaveAsPNGClick, folder->file("screen.png"));
        exportAs(*w, &TMainScreen::mnuSaveAsPNGClick, folder->file("fine.png"), 600);
        QCOMPARE(w->BusinessCardPanel()->Zoom(), zoom); // the zoom in force comes back
        QCOMPARE(TExportResolution::RememberedDpi(), 600);

        const QImage screen(folder->file("screen.png"));
        const QImage fine(folder->file("fine.png"));
        QCOMPARE(screen.size(), QSize(336, 192));
        QCOMPARE(fine.size(), QSize(2100, 1200)); // 3.5 x 2 inches at 600 dpi
        QCOMPARE(qRound(fine.dotsPerMeterX() * 0.0254), 600);

        // The line: one screen row, 6.25 times as far down and about as
        // thick as that row covers at 600 dpi.
        const double screenRow = darkRowCentre(screen, 150);
        QVERIFY(screenRow > 0);
        const double fineRow = darkRowCentre(fine, qRound(150 * 6.25));
        QVERIFY2(std::abs(fineRow - (screenRow + 0.5) * 6.25) <= 3.5,
                 qPrintable(QStringLiteral("screen row %1, fine row %2").arg(screenRow).arg(fineRow)));
        int thick = 0;
        for (int y = 0; y < fine.height(); ++y)
            thick += qGray(fine.pixel(qRound(150 * 6.25), y)) < 128;
        QVERIFY2(thick >= 4 && thick <= 8, qPrintable(QString::number(thick)));

        // Scaled back to the screen's size, the fine picture is the screen
        // picture, block by block.
        const QImage down = fine.scaled(screen.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        const test::BlockCompare compare;
        const test::BlockDifference worst = compare.Worst(screen, down);
        QVERIFY2(worst.distance < 60, qPrintable(test::BlockCompare::Describe(worst, "screen", "fine")));
        // … and the comparison sees a line moved by five screen pixels.
        QImage moved(screen.size(), QImage::Format_RGB32);
        moved.fill(Qt::white);
        QPainter(&moved).drawImage(0, 5, down);
        const test::BlockDifference shifted = compare.Worst(screen, moved);
        QVERIFY2(shifted.distance > 120,
                 qPrintable(test::BlockCompare::Describe(shifted, "screen", "moved")));

        // The next export offers the resolution chosen last.
        TExportResolution again;
        again.SetDpi(TExportResolution::RememberedDpi());
        QVERIFY(again.FineButton->isChecked());
    }

    // A PNG logo with see-through parts placed as clip art on a card with a
    // background: the background shows around the logo on screen and in a
    // 600 dpi export.  With CW_SHOTS_DIR set, the window and the export are
    // kept there to be looked at.
    void seeThroughLogoOnABackground()
    {
        QImage logo(160, 80, QImage::Format_ARGB32);
        logo.fill(Qt::transparent);
        {
            QPainter p(&logo);
            p.setRenderHint(QPainter::Antialiasing);
            p.setBrush(QColor(150, 0, 0));
            p.setPen(Qt::NoPen);
            p.drawEllipse(QRect(4, 4, 72, 72));
            p.setBrush(QColor(0, 60, 150, 160)); // half see-through
            p.drawRect(QRect(84, 20, 70, 40));
        }
        QVERIFY(logo.save(folder->file("logo.png"), "PNG"));
        QImage ground(336, 192, QImage::Format_RGB32);
        ground.fill(QColor(250, 220, 120));
        QVERIFY(ground.save(folder->file("ground.bmp"), "BMP"));

        auto w = std::make_unique<TMainScreen>();
        w->FormActivate();
        w->BackgroundFile = folder->file("ground.bmp");
        w->BusinessCardPanel()->LoadColorPicture(w->BackgroundFile);
        auto owned = std::make_unique<model::TGImage>();
        auto *image = owned.get();
        w->BusinessCardPanel()->PlaceNewObject(std::move(owned), QRect(100, 60, 160, 80));
        script->dialogs.enqueue([this](QDialog &d) {
            auto &browser = static_cast<TGImageBrowser &>(d);
            browser.PathEdit->setText(folder->file("logo.png"));
            browser.PathEditEnter();
            browser.AutoSizeCheck->click();
            return int(QDialog::Accepted);
        });
        QVERIFY(TGImageBrowser::LoadImageFromDisk(*image));
        QCOMPARE(image->BoundsRect(), QRect(100, 60, 160, 80));

        const QImage card = w->BusinessCardPanel()->RenderToBitmap();
        QCOMPARE(card.pixelColor(100 + 40, 60 + 40), QColor(150, 0, 0));     // the logo
        QCOMPARE(card.pixelColor(100 + 2, 60 + 78), QColor(250, 220, 120));  // around it
        QCOMPARE(card.pixelColor(100 + 80, 60 + 40), QColor(250, 220, 120)); // between its parts
        const QColor blended = card.pixelColor(100 + 120, 60 + 40);          // over the ground
        QVERIFY2(blended.red() > 60 && blended.red() < 200 && blended.blue() > 90,
                 qPrintable(blended.name()));

        exportAs(*w, &TMainScreen::mnuSaveAsPNGClick, folder->file("logo-card.png"), 600);
        const QImage fine(folder->file("logo-card.png"));
        QCOMPARE(fine.size(), QSize(2100, 1200));
        QCOMPARE(fine.pixelColor(qRound(140 * 6.25), qRound(100 * 6.25)), QColor(150, 0, 0));
        QCOMPARE(fine.pixelColor(qRound(180 * 6.25), qRound(100 * 6.25)), QColor(250, 220, 120));

        const QString shots = qEnvironmentVariable("CW_SHOTS_DIR");
        if (!shots.isEmpty()) {
            QDir().mkpath(shots);
            w->resize(900, 600);
            w->show();
            QVERIFY(QTest::qWaitForWindowExposed(w.get()));
            w->grab().save(shots + "/logo-clipart-window.png");
            QFile::remove(shots + "/export-600dpi.png");
            QFile::copy(folder->file("logo-card.png"), shots + "/export-600dpi.png");
            QVERIFY(w->SaveBCFile(shots + "/logo-card.cwr"));
        }
    }

    void borderIsOneScreenPixelWide()
    {
        auto w = window();
        script->fileNames.enqueue(folder->file("framed.png"));
        script->dialogs.enqueue([](QDialog &d) {
            static_cast<TExportResolution &>(d).PrintButton->setChecked(true);
            return int(QDialog::Accepted);
        });
        script->answers.enqueue(true); // with a border
        w->mnuSaveAsPNGClick();
        const QImage framed(folder->file("framed.png"));
        QCOMPARE(framed.size(), QSize(1050, 600));
        for (int x : {0, 2})
            QCOMPARE(framed.pixelColor(x, 300), QColor(Qt::black));
        QCOMPARE(framed.pixelColor(1049 - 2, 300), QColor(Qt::black));
        QCOMPARE(framed.pixelColor(4, 300), QColor(Qt::white));
    }
};

QTEST_MAIN(TestPictureExport)
#include "tst_pictureexport.moc"
