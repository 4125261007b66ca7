// Composing card sheets: cell positions, selection, preview, sheets and
// copies, the outline test page, the background picture, the status dialog's
// texts, Cancel and Stop, and failures during a job.
#include "design/TGBusinessCardPanel32.h"
#include "print/TLabelPrinter.h"
#include "print/engine/TReportFiler.h"
#include "print/engine/TReportReader.h"
#include "print/model/TLabelPrintJob.h"
#include "support/ScriptedInteraction.h"

#include <QBuffer>
#include <QImage>
#include <QTemporaryDir>
#include <QtTest>

using namespace cw::engine;
using cw::model::TLabelPrintJob;
using cw::model::TLabelPrintSettings;
using cw::model::TSheetBackground;

namespace {

struct DrawnRect
{
    int page;
    double x1, y1, x2, y2;
    QColor pen;
    double penWidth;
    Qt::BrushStyle brush;
};

// A page recorder that also notes every rectangle drawn, the page it fell
// on, and the pen and brush it was drawn with.
class RecordingFiler : public TReportFiler
{
public:
    int maxCopies = 1;
    QList<DrawnRect> rects;
    std::function<void()> onRectangle;
    bool failOnRectangle = false;

    int MaxCopies() const override { return maxCopies; }
    void Rectangle(double x1, double y1, double x2, double y2) override
    {
        if (failOnRectangle)
            throw cw::Exception(QStringLiteral("The printer went away."));
        if (!Aborted())
            rects.append({CurrentPage(), x1, y1, x2, y2, PenColor(), PenWidth(), BrushStyle()});
        TReportFiler::Rectangle(x1, y1, x2, y2);
        if (onRectangle)
            onRectangle();
    }
};

TLabelPrintSettings Sheet2x5()
{
    TLabelPrintSettings s;
    s.CardHeight = 2.0;
    s.CardWidth = 3.5;
    s.Across = 2;
    s.Down = 5;
    s.TopMargin = 0.5 + 3 / 32.0;
    s.LeftMargin = 0.75 - 2 / 32.0;
    s.HorizontalPitch = 3.5 + 1 / 32.0;
    s.VerticalPitch = 2.0 + 4 / 32.0;
    return s;
}

// Runs the job on the recorder; returns the card positions announced.
QList<int> RunJob(TLabelPrintJob &job, RecordingFiler &filer, QList<QPointF> *objectsAt = nullptr)
{
    QList<int> cards;
    job.OnCard = [&cards](int position) { cards << position; };
    job.PrintObjects = [objectsAt](TBaseReport &, double x, double y) {
        if (objectsAt)
            *objectsAt << QPointF(x, y);
    };
    filer.OnBeforePrint = [&job](TBaseReport &r) { job.BeforePrintLabels(r); };
    filer.OnPrint = [&job](TBaseReport &r) { job.PrintLabels(r); };
    filer.Execute();
    return cards;
}

QRect InkBounds(const QImage &image, QRgb colour)
{
    int left = INT_MAX, top = INT_MAX, right = -1, bottom = -1;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if ((image.pixel(x, y) & 0xFFFFFF) == (colour & 0xFFFFFF)) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
    return right < 0 ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
}

// Saves a picture of a window into $CW_PRINT_SHOTS when that is set.
void SaveShot(QWidget &window, const QString &name)
{
    const QString folder = QString::fromLocal8Bit(qgetenv("CW_PRINT_SHOTS"));
    if (folder.isEmpty())
        return;
    QDir().mkpath(folder);
    window.adjustSize();
    window.show();
    QApplication::processEvents();
    window.grab().save(folder + QLatin1Char('/') + name + QStringLiteral(".png"));
    window.hide();
}

} // namespace

class TestLabelPrinter : public QObject
{
    Q_OBJECT

private slots:
    void testPageOutlinesFallOnTheNudgedCells();
    void designCardsFollowSelectionRowByRow();
    void everyPositionOfTheSheetPrints();
    void previewHoldsPositionOneOnly();
    void sheetsAndDriverCopies();
    void previewOutlineAndBackgroundSpanTheCard();
    void backgroundOnlyFromItsOwnTypes();
    void closingTextsOfFinishedJobs();
    void cancelAndStop();
    void failureStillEndsTheDialog();
    void screenshots();
};

void TestLabelPrinter::testPageOutlinesFallOnTheNudgedCells()
{
    TLabelPrintJob job;
    job.Settings = Sheet2x5();
    job.Settings.PrintToPrinter = true;
    job.Settings.PrintTestPage = true;
    RecordingFiler filer;
    QList<QPointF> objects;
    const QList<int> cards = RunJob(job, filer, &objects);
    QCOMPARE(cards, (QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
    QVERIFY(objects.isEmpty()); // no design objects on a test page
    QCOMPARE(filer.rects.size(), 10);
    QCOMPARE(filer.PagesRecorded(), 1);
    for (int k = 0; k < 10; ++k) {
        const DrawnRect &r = filer.rects.at(k);
        const double x = 0.75 - 2 / 32.0 + (k % 2) * (3.5 + 1 / 32.0);
        const double y = 0.5 + 3 / 32.0 + (k / 2) * 2.125;
        QCOMPARE(r.x1, x);
        QCOMPARE(r.y1, y);
        QCOMPARE(r.x2, x + 3.5);
        QCOMPARE(r.y2, y + 2.0);
        QCOMPARE(r.pen, QColor(Qt::black));
        QCOMPARE(r.penWidth, 1);
        QCOMPARE(r.brush, Qt::NoBrush);
    }
}

void TestLabelPrinter::designCardsFollowSelectionRowByRow()
{
    TLabelPrintJob job;
    job.Settings = Sheet2x5();
    job.Settings.PrintToPrinter = true;
    job.Settings.Selection[0] = false;
    job.Settings.Selection[5] = false;
    RecordingFiler filer;
    QList<QPointF> objects;
    const QList<int> cards = RunJob(job, filer, &objects);
    QCOMPARE(cards, (QList<int>{2, 3, 4, 5, 7, 8, 9, 10}));
    QCOMPARE(objects.size(), 8);
    QCOMPARE(objects.first(), QPointF(job.CardX(1), job.CardY(0)));
    QCOMPARE(objects.at(3), QPointF(job.CardX(0), job.CardY(2)));
    QVERIFY(filer.rects.isEmpty()); // printing draws no card outline
}

void TestLabelPrinter::everyPositionOfTheSheetPrints()
{
    TLabelPrintJob job;
    job.Settings = Sheet2x5();
    job.Settings.Across = 3;
    job.Settings.Down = 6; // 18 positions
    job.Settings.PrintToPrinter = true;
    job.Settings.PrintTestPage = true;
    RecordingFiler filer;
    QList<int> all;
    for (int p = 1; p <= 18; ++p)
        all << p;
    QCOMPARE(RunJob(job, filer), all);
    QCOMPARE(filer.PagesRecorded(), 1);

    // Positions past the tenth are chosen one by one, like the first ten.
    job.Settings.Selection.fill(false);
    job.Settings.Selection[0] = job.Settings.Selection[12] = job.Settings.Selection[17] = true;
    RecordingFiler some;
    QCOMPARE(RunJob(job, some), (QList<int>{1, 13, 18}));

    // A selection of the ten old flags prints those ten only.
    job.Settings.Selection = std::array<bool, 10>{true, true, true, true, true, true, true, true, true, true};
    RecordingFiler old;
    QCOMPARE(RunJob(job, old), (QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
}

void TestLabelPrinter::previewHoldsPositionOneOnly()
{
    for (int across : {2, 1}) {
        TLabelPrintJob job;
        job.Settings = Sheet2x5();
        job.Settings.Across = across;
        job.Settings.SheetCount = 3; // a copy count left over from printing changes nothing
        RecordingFiler filer;
        QList<QPointF> objects;
        QCOMPARE(RunJob(job, filer, &objects), QList<int>{1});
        QCOMPARE(objects, QList<QPointF>{QPointF(job.CardX(0), job.CardY(0))});
        QCOMPARE(filer.PagesRecorded(), 1);
    }
    // Position 1 not selected: an empty page, still a finished preview.
    TLabelPrintJob job;
    job.Settings = Sheet2x5();
    job.Settings.Selection[0] = false;
    RecordingFiler filer;
    QVERIFY(RunJob(job, filer).isEmpty());
    QCOMPARE(filer.PagesRecorded(), 1);
    QVERIFY(!filer.Aborted());
}

void TestLabelPrinter::sheetsAndDriverCopies()
{
    {
        TLabelPrintJob job;
        job.Settings = Sheet2x5();
        job.Settings.PrintToPrinter = true;
        job.Settings.SheetCount = 3;
        RecordingFiler filer;
        QCOMPARE(RunJob(job, filer).size(), 30);
        QCOMPARE(filer.PagesRecorded(), 3);
        QCOMPARE(filer.Copies(), 1);
        QCOMPARE(filer.StatusFormat(), QStringLiteral("Printing Page %p\r%0\r%1"));
    }
    {
        TLabelPrintJob job;
        job.Settings = Sheet2x5();
        job.Settings.PrintToPrinter = true;
        job.Settings.SheetCount = 3;
        RecordingFiler filer;
        filer.maxCopies = 9999;
        QCOMPARE(RunJob(job, filer).size(), 10);
        QCOMPARE(filer.PagesRecorded(), 1);
        QCOMPARE(filer.Copies(), 3);
    }
    {
        // A preview never hands copies to the driver.
        TLabelPrintJob job;
        job.Settings = Sheet2x5();
        job.Settings.SheetCount = 3;
        RecordingFiler filer;
        filer.maxCopies = 9999;
        RunJob(job, filer);
        QCOMPARE(filer.Copies(), 1);
        QCOMPARE(filer.StatusFormat(), QStringLiteral("Preparing Preview Page %p\r%0\r%1"));
    }
}

void TestLabelPrinter::previewOutlineAndBackgroundSpanTheCard()
{
    QTemporaryDir dir;
    const QString bmp = dir.filePath(QStringLiteral("Back.bmp"));
    QImage green(40, 20, QImage::Format_RGB32);
    green.fill(QColor(0, 0xFF, 0));
    QVERIFY(green.save(bmp, "BMP"));

    TLabelPrintJob job;
    job.Settings = Sheet2x5();
    job.Settings.CardWidth = 2.5;
    job.Settings.TopMargin = 1.0;
    job.Settings.LeftMargin = 1.0;
    job.Settings.BackgroundFile = bmp;
    job.LoadBackGround();
    QCOMPARE(job.Background.Kind(), TSheetBackground::TKind::Bitmap);
    RecordingFiler filer;
    RunJob(job, filer);
    QCOMPARE(filer.rects.size(), 1);
    const DrawnRect &outline = filer.rects.first();
    QCOMPARE(outline.pen, QColor(0xC0, 0xC0, 0xC0));
    QCOMPARE(outline.penWidth, -1);
    QCOMPARE(outline.brush, Qt::NoBrush);
    QCOMPARE(outline.x2 - outline.x1, 2.5);

    TReportReader reader;
    QVERIFY(reader.Load(filer.OwnStream()));
    QCOMPARE(reader.PageCount(), 1);
    const QImage page = reader.RenderPage(1, 100);
    const QRect background = InkBounds(page, qRgb(0, 0xFF, 0));
    QVERIFY2(std::abs(background.left() - 100) <= 1 && std::abs(background.right() - 349) <= 1,
             qPrintable(QStringLiteral("%1..%2").arg(background.left()).arg(background.right())));
    QVERIFY(std::abs(background.top() - 100) <= 1 && std::abs(background.bottom() - 299) <= 1);
}

void TestLabelPrinter::backgroundOnlyFromItsOwnTypes()
{
    QTemporaryDir dir;
    QImage image(8, 8, QImage::Format_RGB32);
    image.fill(Qt::red);
    const QString jpg = dir.filePath(QStringLiteral("pic.jpg"));
    const QString ico = dir.filePath(QStringLiteral("pic.ico"));
    const QString fakeBmp = dir.filePath(QStringLiteral("pic.bmp.jpg")); // a JPEG under a .BMP name
    const QString bmp = dir.filePath(QStringLiteral("PIC.BMP"));
    const QString badWmf = dir.filePath(QStringLiteral("bad.wmf"));
    QVERIFY(image.save(jpg, "JPG") && image.save(ico, "ICO") && image.save(fakeBmp, "JPG") &&
            image.save(bmp, "BMP"));
    QFile bad(badWmf);
    QVERIFY(bad.open(QIODevice::WriteOnly) && bad.write("not a metafile") > 0);
    bad.close();

    TSheetBackground background;
    for (const QString &path : {QString(), dir.filePath(QStringLiteral("gone.bmp")), ico, badWmf}) {
        background.Load(path);
        QVERIFY2(background.Kind() == TSheetBackground::TKind::None, qPrintable(path));
    }
    // JPEG pictures are backgrounds by their own extension.
    for (const QString &path : {jpg, fakeBmp}) {
        background.Load(path);
        QVERIFY2(background.Kind() == TSheetBackground::TKind::Bitmap, qPrintable(path));
        QCOMPARE(background.Picture().Size(), QSize(8, 8));
    }
    background.Load(bmp);
    QCOMPARE(background.Kind(), TSheetBackground::TKind::Bitmap);
    QCOMPARE(background.Picture().Size(), QSize(8, 8));
}

void TestLabelPrinter::closingTextsOfFinishedJobs()
{
    cw::test::ScriptedInteraction interaction;
    {
        cw::ui::TLabelPrinter dialog;
        dialog.Job.Settings = Sheet2x5();
        RecordingFiler filer;
        dialog.SetJobReport(&filer);
        dialog.Prepare(nullptr);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Preview Status"));
        QCOMPARE(dialog.ButtonText(), QStringLiteral("Stop"));
        dialog.FormActivate();
        QCOMPARE(
            dialog.StatusText(),
            QStringLiteral(
                "\nBusiness Card preview ready!\n\nNote: To save time, only a single card is previewed"));
        QCOMPARE(dialog.ButtonText(), QStringLiteral("OK"));
        QVERIFY(dialog.ExtraText().isEmpty());
        QVERIFY(dialog.Finished() && !dialog.Aborted());
    }
    {
        cw::ui::TLabelPrinter dialog;
        dialog.Job.Settings = Sheet2x5();
        dialog.Job.Settings.PrintToPrinter = true;
        RecordingFiler filer;
        dialog.SetJobReport(&filer);
        dialog.Prepare(nullptr);
        QCOMPARE(dialog.ButtonText(), QStringLiteral("Cancel"));
        dialog.FormActivate();
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Print Status "));
        QCOMPARE(dialog.StatusText(), QStringLiteral("Print job completed and sent to printer!"));
        QVERIFY(interaction.questions.isEmpty());
    }
    QVERIFY(TLabelPrintJob::ClosingText(false, true, true)
                .startsWith(QStringLiteral(
                    "Print job completed and sent to printer!\r\rNote: this design contains complex")));
    QVERIFY(TLabelPrintJob::ClosingText(false, false, true)
                .startsWith(QStringLiteral("Business Card preview ready to view!\r\rNote: To save time")));
}

void TestLabelPrinter::cancelAndStop()
{
    cw::test::ScriptedInteraction interaction;
    // Stop during a preview: composition ends, the preview counts as aborted.
    {
        cw::ui::TLabelPrinter dialog;
        dialog.Job.Settings = Sheet2x5();
        RecordingFiler filer;
        filer.onRectangle = [&dialog] { dialog.CancelButtonClick(); };
        dialog.SetJobReport(&filer);
        dialog.Prepare(nullptr);
        dialog.FormActivate();
        QVERIFY(dialog.Aborted());
        QVERIFY(dialog.Job.Stopped);
        QCOMPARE(dialog.StatusText(), QStringLiteral("\nBusiness Card Preview Canceled!"));
        QCOMPARE(filer.PagesRecorded(), 0);
    }
    // Cancel while printing, answered No then Yes: the second aborts; the
    // remaining cards are composed without reaching the device.
    for (bool yes : {false, true}) {
        cw::ui::TLabelPrinter dialog;
        dialog.Job.Settings = Sheet2x5();
        dialog.Job.Settings.PrintToPrinter = true;
        dialog.Job.Settings.PrintTestPage = true;
        RecordingFiler filer;
        bool asked = false;
        filer.onRectangle = [&] {
            if (!asked) {
                asked = true;
                interaction.answers.enqueue(yes);
                dialog.CancelButtonClick();
            }
        };
        dialog.SetJobReport(&filer);
        dialog.Prepare(nullptr);
        dialog.FormActivate();
        QCOMPARE(interaction.questions.last(), QStringLiteral("Cancel Business Card Printing?"));
        QCOMPARE(dialog.Aborted(), yes);
        QCOMPARE(filer.rects.size(), yes ? 1 : 10);
        QCOMPARE(dialog.StatusText(), yes ? QStringLiteral("\nBusiness Card Print Canceled!")
                                          : QStringLiteral("Print job completed and sent to printer!"));
        // OK closes the dialog once the job has ended.
        dialog.CancelButtonClick();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
    }
}

void TestLabelPrinter::failureStillEndsTheDialog()
{
    cw::test::ScriptedInteraction interaction;
    cw::ui::TGBusinessCardPanel32 surface;
    cw::ui::TLabelPrinter dialog;
    dialog.Surface = &surface;
    dialog.Job.Settings = Sheet2x5();
    dialog.Job.Settings.PrintToPrinter = true;
    dialog.Job.Settings.PrintTestPage = true;
    RecordingFiler filer;
    filer.failOnRectangle = true;
    dialog.SetJobReport(&filer);
    dialog.Prepare(nullptr);
    dialog.FormActivate();
    QCOMPARE(dialog.Failure(), QStringLiteral("The printer went away."));
    QCOMPARE(dialog.ButtonText(), QStringLiteral("OK"));
    // A failed job does not claim to have reached the printer, nor to have
    // been cancelled: it gives the reason.
    QCOMPARE(dialog.StatusText(), QStringLiteral("\nThe cards were not printed.\n\nThe printer went away."));
    QVERIFY(!surface.Printing());
    QCOMPARE(interaction.log.last(), QStringLiteral("error[Cardwright]: The printer went away."));
}

void TestLabelPrinter::screenshots()
{
    cw::test::ScriptedInteraction interaction;
    cw::ui::TLabelPrinter dialog;
    dialog.Job.Settings = Sheet2x5();
    dialog.Job.Settings.PrintToPrinter = true;
    RecordingFiler filer;
    bool shot = false;
    filer.onRectangle = [&] {
        if (!shot) {
            shot = true;
            SaveShot(dialog, QStringLiteral("print-status-running"));
        }
    };
    dialog.Job.Settings.PrintTestPage = true;
    dialog.SetJobReport(&filer);
    dialog.Prepare(nullptr);
    dialog.FormActivate();
    SaveShot(dialog, QStringLiteral("print-status"));
}

QTEST_MAIN(TestLabelPrinter)
#include "tst_labelprinter.moc"
