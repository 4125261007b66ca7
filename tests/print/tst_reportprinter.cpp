// Printing to a PDF file, rasterised with pdftoppm: card outlines and fills
// fall where the inch arithmetic puts them, to the device pixel; recorded
// pages print the same through TFilePrinter.
#include "app/model/Exception.h"
#include "print/TPrinterDialogs.h"
#include "print/engine/TReportFiler.h"
#include "print/printer/TFilePrinter.h"
#include "print/printer/TCupsMargins.h"
#include "print/printer/TReportPrinter.h"
#include "support/ScriptedInteraction.h"

#include <QBuffer>
#include <QImage>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

using namespace cw::engine;
using namespace cw::printer;

namespace {

QRect InkBounds(const QImage &image, QRect within)
{
    within = within.intersected(image.rect());
    int left = INT_MAX, top = INT_MAX, right = -1, bottom = -1;
    for (int y = within.top(); y <= within.bottom(); ++y)
        for (int x = within.left(); x <= within.right(); ++x)
            if (qGray(image.pixel(x, y)) < 128) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
    return right < 0 ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
}

// Rasterises every page of a PDF at 300 dpi; empty when pdftoppm is missing.
QList<QImage> Rasterise(const QString &pdf, const QString &folder)
{
    QList<QImage> pages;
    QProcess tool;
    tool.start(QStringLiteral("pdftoppm"), {"-r", "300", "-png", pdf, folder + "/page"});
    if (!tool.waitForFinished(60000) || tool.exitCode() != 0)
        return pages;
    QDir dir(folder);
    for (const QString &name : dir.entryList({"page*.png"}, QDir::Files, QDir::Name))
        pages << QImage(dir.filePath(name));
    return pages;
}

// One card outline and a filled block, the way sheet composition draws them.
void DrawCard(TBaseReport &r)
{
    r.SetPen(Qt::black, Qt::SolidLine, 1, TPenMode::pmCopy);
    r.SetBrush(Qt::white, Qt::NoBrush);
    r.Rectangle(0.75, 0.5, 4.25, 2.5); // 225..1274 x 150..749 at 300 dpi
    r.SetPen(Qt::black, Qt::NoPen, 1, TPenMode::pmCopy);
    r.SetBrush(Qt::black, Qt::SolidPattern);
    r.Rectangle(1.0, 3.0, 2.0, 3.5); // fill 300..599 x 900..1049
    r.SetPen(Qt::black, Qt::SolidLine, -2, TPenMode::pmCopy);
    r.MoveTo(5.0, 1.0); // six pixels thick, centred on row 300
    r.LineTo(7.0, 1.0);
}

void CheckCard(const QImage &page)
{
    QCOMPARE(page.width(), 2550); // Letter at 300 dpi
    QCOMPARE(page.height(), 3300);
    const QRect outline = InkBounds(page, QRect(100, 100, 1300, 700));
    QVERIFY2(std::abs(outline.left() - 225) <= 1 && std::abs(outline.right() - 1274) <= 1 &&
                 std::abs(outline.top() - 150) <= 1 && std::abs(outline.bottom() - 749) <= 1,
             qPrintable(QStringLiteral("outline %1,%2 - %3,%4")
                            .arg(outline.left())
                            .arg(outline.top())
                            .arg(outline.right())
                            .arg(outline.bottom())));
    QVERIFY(qGray(page.pixel(700, 450)) > 200); // no fill inside the card
    const QRect block = InkBounds(page, QRect(250, 850, 400, 250));
    QVERIFY(std::abs(block.left() - 300) <= 1 && std::abs(block.right() - 599) <= 1);
    QVERIFY(std::abs(block.top() - 900) <= 1 && std::abs(block.bottom() - 1049) <= 1);
    const QRect line = InkBounds(page, QRect(1450, 250, 700, 100));
    QVERIFY(std::abs(line.left() - 1500) <= 3 && std::abs(line.right() - 2100) <= 3);
    QVERIFY(std::abs(line.height() - 6) <= 1);
    QVERIFY(line.top() <= 300 && line.bottom() >= 300);
}

} // namespace

class TestReportPrinter : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void pdfPagesHoldCardsWhereInchesSay();
    void recordedPagesPrintTheSame();
    void pageRangeLimitsPrintedPages();
    void sharedSettingsAndMetrics();
    void abortedPdfJobLeavesTheOldFile();
    void printDialogSetsCopiesAndRange();
    void noPrinterMessage();
    void noMarginsWithoutAnAnswerFromTheScheduler();

private:
    bool m_havePdftoppm = false;
};

void TestReportPrinter::initTestCase()
{
    m_havePdftoppm = !QStandardPaths::findExecutable(QStringLiteral("pdftoppm")).isEmpty();
}

void TestReportPrinter::pdfPagesHoldCardsWhereInchesSay()
{
    if (!m_havePdftoppm)
        QSKIP("pdftoppm (poppler-utils) is not installed");
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("sheet.pdf"));
    TReportPrinter report;
    report.SetOutputFileName(pdf);
    report.SetResolution(300);
    report.SetPaperSize(PaperLetter);
    report.SetOrientation(TOrientation::poPortrait);
    QCOMPARE(report.UnprintableLeft(), 0.0);
    QCOMPARE(report.MaxCopies(), 1);
    QStringList statuses;
    report.SetStatusFormat(QStringLiteral("Printing Page %p"));
    report.SetStatusLabel([&](const QString &text) { statuses << text; });
    report.OnPrint = [](TBaseReport &r) {
        DrawCard(r);
        r.NewPage();
        DrawCard(r);
    };
    report.Execute();
    QCOMPARE(statuses, (QStringList{"Printing Page 1", "Printing Page 2"}));

    const QList<QImage> pages = Rasterise(pdf, dir.path());
    QCOMPARE(pages.size(), 2);
    CheckCard(pages.at(0));
    CheckCard(pages.at(1));
}

void TestReportPrinter::recordedPagesPrintTheSame()
{
    if (!m_havePdftoppm)
        QSKIP("pdftoppm (poppler-utils) is not installed");
    QByteArray recorded;
    QBuffer stream(&recorded);
    TReportFiler filer;
    filer.SetStream(&stream);
    filer.SetPaperSize(PaperLetter);
    filer.OnPrint = [](TBaseReport &r) { DrawCard(r); };
    filer.Execute();
    stream.close();

    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("replay.pdf"));
    TFilePrinter printer;
    printer.SetOutputFileName(pdf);
    printer.SetResolution(300);
    QBuffer input(&recorded);
    printer.SetStream(&input);
    printer.Execute();
    QCOMPARE(printer.PageCount(), 1);
    const QList<QImage> pages = Rasterise(pdf, dir.path());
    QCOMPARE(pages.size(), 1);
    CheckCard(pages.at(0));
}

void TestReportPrinter::pageRangeLimitsPrintedPages()
{
    if (!m_havePdftoppm)
        QSKIP("pdftoppm (poppler-utils) is not installed");
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("range.pdf"));
    TReportPrinter report;
    report.SetOutputFileName(pdf);
    report.SetResolution(300);
    report.SetPageRange(2, 3);
    report.OnPrint = [](TBaseReport &r) {
        for (int page = 1; page <= 4; ++page) {
            if (page > 1)
                r.NewPage();
            // Page n carries a block n inches from the left.
            r.SetPen(Qt::black, Qt::NoPen, 1, TPenMode::pmCopy);
            r.SetBrush(Qt::black, Qt::SolidPattern);
            r.Rectangle(page, 5.0, page + 0.5, 5.5);
        }
    };
    report.Execute();
    QCOMPARE(report.CurrentPage(), 4);
    const QList<QImage> pages = Rasterise(pdf, dir.path());
    QCOMPARE(pages.size(), 2);
    QCOMPARE(InkBounds(pages.at(0), pages.at(0).rect()).left(), 600);
    QCOMPARE(InkBounds(pages.at(1), pages.at(1).rect()).left(), 900);
}

void TestReportPrinter::sharedSettingsAndMetrics()
{
    TReportPrinter first;
    first.SetPaperSize(PaperA4);
    first.SetCopies(3);
    TReportPrinter second; // the same system printer
    QCOMPARE(second.PaperSize(), PaperA4);
    QCOMPARE(second.Copies(), 3);
    QVERIFY(std::abs(second.PageWidth() - 8.2677) < 0.001);
    second.SetPaperSize(PaperLetter);
    second.SetCopies(1);
    first.RefreshDeviceMetrics();
    QCOMPARE(first.PaperSize(), PaperLetter);
    QCOMPARE(first.Copies(), 1);

    // A PDF target has no unprintable margins and the resolution asked for.
    QTemporaryDir dir;
    first.SetOutputFileName(dir.filePath(QStringLiteral("m.pdf")));
    first.SetResolution(600);
    first.RefreshDeviceMetrics();
    QCOMPARE(first.XDPI(), 600.0);
    QCOMPARE(first.UnprintableTopPixels(), 0);
    QCOMPARE(first.PrinterName(), QStringLiteral("PDF"));
    QVERIFY(first.HasPrinter());
}

void TestReportPrinter::abortedPdfJobLeavesTheOldFile()
{
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("card.pdf"));
    {
        QFile old(pdf);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("the earlier sheet");
    }
    TReportPrinter report;
    report.SetOutputFileName(pdf);
    report.OnPrint = [](TBaseReport &r) {
        DrawCard(r);
        r.NewPage();
        r.Abort();
        DrawCard(r);
    };
    report.Execute();
    QVERIFY(report.Aborted());
    QFile kept(pdf);
    QVERIFY(kept.open(QIODevice::ReadOnly));
    QCOMPARE(kept.readAll(), QByteArray("the earlier sheet"));
    kept.close();
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"card.pdf"});

    // A failing job leaves it too; a finished one replaces it.
    report.OnPrint = [](TBaseReport &) { throw cw::Exception(QStringLiteral("failed")); };
    QVERIFY_THROWS_EXCEPTION(cw::Exception, report.Execute());
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"card.pdf"});
    report.OnPrint = [](TBaseReport &r) { DrawCard(r); };
    report.Execute();
    QVERIFY(kept.open(QIODevice::ReadOnly));
    QVERIFY(kept.readAll().startsWith("%PDF"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"card.pdf"});
}

void TestReportPrinter::printDialogSetsCopiesAndRange()
{
    cw::test::ScriptedInteraction interaction;
    QTemporaryDir dir;
    TReportPrinter report;
    report.SetOutputFileName(dir.filePath(QStringLiteral("d.pdf")));
    report.SetCopies(1);
    // Cancel changes nothing.
    QVERIFY(!cw::ui::TPrinterDialogs::PrintDialog(report));
    QCOMPARE(report.Copies(), 1);
    // The user asks for 4 copies of pages 2 to 3.
    interaction.dialogs.enqueue([&](QDialog &) {
        report.Printer().setCopyCount(4);
        report.Printer().setPrintRange(QPrinter::PageRange);
        report.Printer().setFromTo(2, 3);
        return int(QDialog::Accepted);
    });
    QVERIFY(cw::ui::TPrinterDialogs::PrintDialog(report));
    QCOMPARE(report.Copies(), 4);
    QCOMPARE(report.FirstPage(), 2);
    QCOMPARE(report.LastPage(), 3);
    // The whole range again.
    interaction.dialogs.enqueue([](QDialog &) { return int(QDialog::Accepted); });
    QVERIFY(cw::ui::TPrinterDialogs::PrintDialog(report));
    QCOMPARE(report.FirstPage(), 1);
    QCOMPARE(report.LastPage(), 9999);
    QCOMPARE(interaction.dialogsRun, 3);
    report.SetCopies(1);
}

void TestReportPrinter::noPrinterMessage()
{
    TReportPrinter report;
    if (report.HasPrinter())
        QSKIP("a system printer is installed; the refusal needs none");
    QCOMPARE(report.PrinterIndex(), -1);
    try {
        report.Execute();
        QFAIL("a job ran without a printer");
    } catch (const cw::Exception &e) {
        QCOMPARE(e.message(), QStringLiteral("No printers are defined, aborting print job."));
    }
}

// Without an answer from the scheduler there are no margins, and the
// report falls back to printing from the sheet's corner.
void TestReportPrinter::noMarginsWithoutAnAnswerFromTheScheduler()
{
    const QByteArray server = qgetenv("CUPS_SERVER");
    qputenv("CUPS_SERVER", "/nonexistent/cups.sock");
    QVERIFY(TCupsMargins::Query(QStringLiteral("Office"), QSizeF(8.5, 11)).isNull());
    QVERIFY(TCupsMargins::Query(QString(), QSizeF(8.5, 11)).isNull());
    if (server.isEmpty())
        qunsetenv("CUPS_SERVER");
    else
        qputenv("CUPS_SERVER", server);
}

QTEST_MAIN(TestReportPrinter)
#include "tst_reportprinter.moc"
