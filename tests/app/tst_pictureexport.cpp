// Picture export: the file's bytes follow its type whichever command wrote
// it, PNG beside BMP and JPEG, and the print resolutions draw the same card
// sharper (a thin line lands where the screen picture has it).

#include "app/TExportResolution.h"
#include "app/TMainScreen.h"
#include "app/model/TPictureExport.h"
#include "design/model/TBCShapes.h"
#include "design/model/TGLineShape.h"
#include "support/BlockCompare.h"
#include "support/ScriptedInteraction.h"
#include "support/TestFolder.h"

#include <QFile>
#include <QImageReader>
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
        QVERIFY2(shifted.distance > 120, qPrintable(test::BlockCompare::Describe(shifted, "screen", "moved")));

        // The next export offers the resolution chosen last.
        TExportResolution again;
        again.SetDpi(TExportResolution::RememberedDpi());
        QVERIFY(again.FineButton->isChecked());
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
