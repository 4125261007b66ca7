// The outline test page command: the outlines come out on the layout's
// paper whatever paper the queue chosen in the print dialog has, and a job
// whose page range leaves nothing to print says so instead of reporting a
// job sent to the printer.  The print dialog's "print to file" stands in for
// a queue, so the sheet can be measured.
#include "app/TMainScreen.h"
#include "print/SheetPdfCheck.h"
#include "print/TLabelPrinter.h"
#include "print/printer/TReportPrinter.h"
#include "support/ScriptedInteraction.h"
#include "support/TestFolder.h"

#include <QPrintDialog>
#include <QPrinter>
#include <QStandardPaths>
#include <QtTest>

using namespace cw;
using namespace cw::model;

namespace {

// What the user does in the print dialog: picks a destination whose paper is
// `paper` (the file `pdf` stands in for a queue), `copies` and the pages
// from..to (0: all).
std::function<int(QDialog &)> PrintDialogChoice(const QString &pdf, QPageSize::PageSizeId paper,
                                                int copies = 1, int from = 0, int to = 0)
{
    return [=](QDialog &d) {
        QPrinter &printer = *dynamic_cast<QPrintDialog &>(d).printer();
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        printer.setPageSize(QPageSize(paper));
        printer.setCopyCount(copies);
        printer.setPrintRange(from > 0 ? QPrinter::PageRange : QPrinter::AllPages);
        printer.setFromTo(from, to);
        return int(QDialog::Accepted);
    };
}

std::function<int(QDialog &)> RunJob(QString *status)
{
    return [=](QDialog &d) {
        auto &dialog = dynamic_cast<ui::TLabelPrinter &>(d);
        dialog.FormActivate();
        *status = dialog.StatusText();
        return int(QDialog::Accepted);
    };
}

} // namespace

class TestTestPage : public QObject
{
    Q_OBJECT

    test::TestFolder *m_folder = nullptr;
    test::ScriptedInteraction *m_script = nullptr;

    std::unique_ptr<ui::TMainScreen> window(const TCardLayout &layout)
    {
        auto w = std::make_unique<ui::TMainScreen>();
        w->FormActivate();
        w->Layout() = layout;
        w->SetCardSizeFromInches();
        return w;
    }

private slots:
    void initTestCase()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftoppm")).isEmpty())
            QSKIP("pdftoppm is missing");
    }
    void init()
    {
        m_folder = new test::TestFolder;
        m_script = new test::ScriptedInteraction;
        ui::TMainScreen::hasPrinters = [] { return true; };
        ui::TMainScreen::defaultPrinterName = [] { return QStringLiteral("Office"); };
        PrinterNudges() = TPrinterNudges{};
    }
    void cleanup()
    {
        delete m_script;
        delete m_folder;
        PrinterNudges() = TPrinterNudges{};
    }

    // An A4 stock printed on a destination that starts with Letter paper,
    // and a Letter stock on one that starts with A4: the sheet has the
    // layout's paper and every outline sits where the layout and nudges put
    // it.  Positions 2 and 5 were deselected in the last "Print Cards".
    void outlinesOnTheLayoutsPaper()
    {
        struct Case
        {
            int predefined;
            QPageSize::PageSizeId queuePaper;
            QSize sheet; // 300 dpi
        };
        for (const Case &c :
             {Case{9, QPageSize::Letter, {2480, 3508}}, Case{0, QPageSize::A4, {2550, 3300}}}) {
            TCardLayout layout;
            QVERIFY(layout.ApplyPredefined(c.predefined));
            auto w = window(layout);
            const TPrinterNudges nudges{2, -1, 3, 3}; // gaps between the cells
            PrinterNudges() = nudges;
            w->SelectedCards[1] = false;
            w->SelectedCards[4] = false;
            const QString pdf = m_folder->file(QStringLiteral("outline-%1.pdf").arg(c.predefined));
            QString status;
            m_script->dialogs.enqueue(PrintDialogChoice(pdf, c.queuePaper));
            m_script->dialogs.enqueue(RunJob(&status));
            w->mnuPrintOutlineTestPageClick();
            QCOMPARE(status, QStringLiteral("\nBusiness Card sheet saved as\n") + pdf);

            const QList<QImage> pages = test::RasterisePdf(pdf, m_folder->file("raster"));
            QCOMPARE(pages.size(), 1);
            const QImage &page = pages.first();
            QVERIFY2(std::abs(page.width() - c.sheet.width()) <= 1 &&
                         std::abs(page.height() - c.sheet.height()) <= 1,
                     qPrintable(QStringLiteral("layout %1: sheet %2 x %3")
                                    .arg(c.predefined)
                                    .arg(page.width())
                                    .arg(page.height())));
            const QString fault =
                test::CheckSheet(page, test::ExpectedSheet(layout, nudges, w->SelectedCards),
                                 {layout.Width, layout.Height, true});
            QVERIFY2(fault.isEmpty(), qPrintable(fault));
        }
    }

    // Pages 2 to 3 of a one-sheet job: nothing is printed, the status says
    // so, and no file appears.  Two sheets with the same range print the
    // second one only.  A percent sign in the file's name shows as itself.
    void pageRangeThatLeavesNothing()
    {
        auto w = window(test::LetterLayoutWithGaps());
        const QString none = m_folder->file("none.pdf");
        QString status;
        m_script->dialogs.enqueue(PrintDialogChoice(none, QPageSize::Letter, 1, 2, 3));
        m_script->dialogs.enqueue(RunJob(&status));
        w->mnuPrintOutlineTestPageClick();
        QCOMPARE(status, QStringLiteral("\nNothing was printed!\n\nThe page range starts at page 2,\n"
                                        "but this job has only 1 page."));
        QVERIFY(!QFile::exists(none));
        QCOMPARE(m_script->log.filter(QStringLiteral("error")), QStringList());

        const QString second = m_folder->file("100%p of 2.pdf");
        m_script->dialogs.enqueue(PrintDialogChoice(second, QPageSize::Letter, 2, 2, 3));
        m_script->dialogs.enqueue(RunJob(&status));
        w->mnuPrintOutlineTestPageClick();
        QCOMPARE(status, QStringLiteral("\nBusiness Card sheet saved as\n") + second);
        QCOMPARE(test::RasterisePdf(second, m_folder->file("raster")).size(), 1);
    }
};

QTEST_MAIN(TestTestPage)
#include "tst_testpage.moc"
