// The designer's "Save Sheet As PDF" command: enabled without any printer,
// it composes what Print composes (selection, sheets, layout, nudges, 100 %
// whatever the zoom) into the PDF file the user names, the same sheet the
// command-line program writes; a sheet that cannot be written leaves the
// old file as it was and shows the program's message.
#include "app/TMainScreen.h"
#include "design/model/TBCShapes.h"
#include "print/SheetPdfCheck.h"
#include "print/TLabelPrinter.h"
#include "print/TSelectSpecificLabels.h"
#include "support/FileSizeLimit.h"
#include "support/ScriptedInteraction.h"
#include "support/TestFolder.h"

#include <QAction>
#include <QMenuBar>
#include <QProcess>
#include <QStandardPaths>
#include <QtTest>

using namespace cw;
using namespace cw::model;

namespace {

// The "Print Cards" dialog as a user answers it: the positions clicked on
// the miniature after "None", and the number of sheets.
std::function<int(QDialog &)> chooseCards(QList<int> positions, int sheets, QString *printer = nullptr,
                                          bool *setupShown = nullptr)
{
    return [=](QDialog &d) {
        auto &dialog = dynamic_cast<ui::TSelectSpecificLabels &>(d);
        if (printer)
            *printer = dialog.PrinterText();
        if (setupShown)
            *setupShown = dialog.PrinterSetupShown();
        dialog.SelectnoneClick();
        for (int k : positions)
            dialog.PaintBox1MouseDown(dialog.Sheet.Rectangle(k - 1).center());
        dialog.SetPages(sheets);
        dialog.OKbuttonClick();
        return d.result();
    };
}

// The print status dialog runs its job as when it is shown.
std::function<int(QDialog &)> runJob(QString *status = nullptr)
{
    return [=](QDialog &d) {
        auto &dialog = dynamic_cast<ui::TLabelPrinter &>(d);
        dialog.FormActivate();
        if (status)
            *status = dialog.StatusText();
        return int(QDialog::Accepted);
    };
}

QStringList partFiles(const QString &folder)
{
    return QDir(folder).entryList({QStringLiteral("*.part"), QStringLiteral(".cwsheet-*")},
                                  QDir::Files | QDir::Hidden);
}

} // namespace

class TestSheetPdf : public QObject
{
    Q_OBJECT

    test::TestFolder *m_folder = nullptr;
    test::ScriptedInteraction *m_script = nullptr;

    // The main window after its first activation, with a black box covering
    // its card (w x h pixels, no outline).
    std::unique_ptr<ui::TMainScreen> window(const TCardLayout &layout, int w, int h)
    {
        auto screen = std::make_unique<ui::TMainScreen>();
        screen->FormActivate();
        screen->Layout() = layout;
        screen->SetCardSizeFromInches();
        auto *box = static_cast<TBCShapes *>(
            screen->BusinessCardPanel()->PlaceNewObject(std::make_unique<TBCShapes>(), QRect(0, 0, w, h)));
        box->SetBounds(0, 0, w, h);
        box->SetBrush(TGBrush{clBlack, bsSolid});
        box->SetPen(TGPen{clBlack, pmCopy, psClear, 1});
        m_script->log.clear();
        m_script->informations.clear();
        return screen;
    }
    QList<QImage> pages(const QString &pdf) { return test::RasterisePdf(pdf, m_folder->file("raster")); }

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
        ui::TMainScreen::hasPrinters = [] { return false; };
        PrinterNudges() = TPrinterNudges{};
    }
    void cleanup()
    {
        delete m_script;
        delete m_folder;
        PrinterNudges() = TPrinterNudges{};
    }

    // No printer: Print and the other printer commands are off, this one is
    // on.  The chosen positions and two sheets come out at 100 % although
    // the design is zoomed; the name gets ".pdf"; the command-line program
    // writes the very same pages from the saved card and settings.
    void letterSheetWithoutPrinter()
    {
        auto w = window(test::LetterLayoutWithGaps(), 336, 192);
        QVERIFY(!w->PrinterReady());
        auto *command = w->findChild<QAction *>(QStringLiteral("mnuSaveSheetAsPdf"));
        QVERIFY(command);
        QVERIFY(command->isEnabled());
        QVERIFY(!w->findChild<QAction *>(QStringLiteral("mnuPrint"))->isEnabled());
        QVERIFY(w->menuBar()->actions().first()->menu()->actions().contains(command));
        w->ZoomIn();

        const TPrinterNudges nudges{3, -2, 2, -4};
        PrinterNudges() = nudges;
        const QString chosen = m_folder->file("sheet");
        m_script->fileNames.enqueue(chosen);
        QString printer;
        bool setupShown = true;
        QString status;
        // The window is busy while the command runs (a card file handed over
        // by another start waits), and no longer afterwards.
        bool busyDuringCommand = false;
        const auto choose = chooseCards({1, 3, 4, 8}, 2, &printer, &setupShown);
        m_script->dialogs.enqueue([&busyDuringCommand, &w, choose](QDialog &dialog) {
            busyDuringCommand = w->Busy;
            return choose(dialog);
        });
        m_script->dialogs.enqueue(runJob(&status));
        command->trigger();
        QVERIFY(busyDuringCommand);
        QVERIFY(!w->Busy);

        QCOMPARE(m_script->log.first(),
                 QStringLiteral("save[Save Sheet As PDF]: ") + m_folder->file("Saved/BusinessCards.pdf"));
        QCOMPARE(printer, QStringLiteral("PDF"));
        QVERIFY(!setupShown);
        // One message ends the command, and it names the file.
        const QString pdf = chosen + QStringLiteral(".pdf");
        QCOMPARE(status, QStringLiteral("\nBusiness Card sheet saved as\n") + pdf);
        QVERIFY(m_script->informations.isEmpty());
        QCOMPARE(w->BusinessCardPanel()->Zoom(), 1.1f);
        // Positions 1 to 10 as chosen; the others keep their start (selected).
        model::TCardSelection selection;
        for (int k : {1, 4, 5, 6})
            selection[std::size_t(k)] = false;
        QCOMPARE(w->SelectedCards, selection);

        const QList<QImage> sheets = pages(pdf);
        QCOMPARE(sheets.size(), 2);
        for (const QImage &page : sheets) {
            QCOMPARE(page.size(), QSize(2550, 3300));
            const QString fault =
                test::CheckSheet(page, test::ExpectedSheet(test::LetterLayoutWithGaps(), nudges, selection),
                                 {3.5, 2.0, false});
            QVERIFY2(fault.isEmpty(), qPrintable(fault));
        }

        // The same sheet from the command line.
        QVERIFY(w->SaveBCFile(m_folder->file("card.cwr")));
        w->SavePreferences();
        QProcess cli;
        cli.start(QCoreApplication::applicationDirPath() + "/../cardwright-cli",
                  {"--folder", m_folder->path(), "sheet", m_folder->file("card.cwr"),
                   m_folder->file("cli.pdf"), "--cards", "1,3,4,8", "--copies", "2"});
        QVERIFY2(cli.waitForFinished(120000) && cli.exitCode() == 0, cli.readAllStandardError().constData());
        const QList<QImage> fromCli =
            test::RasterisePdf(m_folder->file("cli.pdf"), m_folder->file("raster-cli"));
        QCOMPARE(fromCli.size(), 2);
        QVERIFY(fromCli.at(0) == sheets.at(0));
        QVERIFY(fromCli.at(1) == sheets.at(1));
    }

    // An A4 layout with nudges, every position; with a printer installed the
    // command still writes the file and leaves the printer's own output alone.
    void a4SheetBesideAPrinter()
    {
        ui::TMainScreen::hasPrinters = [] { return true; };
        ui::TMainScreen::defaultPrinterName = [] { return QStringLiteral("Office"); };
        TCardLayout layout;
        QVERIFY(layout.ApplyPredefined(9));
        auto w = window(layout, 340, 192);
        QVERIFY(w->ReportPrinter);
        const TPrinterNudges nudges{-2, 1, 4, 8};
        PrinterNudges() = nudges;
        const QString pdf = m_folder->file("a4.PDF");
        m_script->fileNames.enqueue(pdf);
        m_script->dialogs.enqueue(chooseCards({1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, 1));
        QString status;
        m_script->dialogs.enqueue(runJob(&status));
        w->mnuSaveSheetAsPdfClick();

        QCOMPARE(status, QStringLiteral("\nBusiness Card sheet saved as\n") + pdf);
        QVERIFY(m_script->informations.isEmpty());
        QVERIFY(w->ReportPrinter->OutputFileName().isEmpty());
        const QList<QImage> sheets = pages(pdf);
        QCOMPARE(sheets.size(), 1);
        QCOMPARE(sheets.first().width(), 2480);
        QVERIFY(std::abs(sheets.first().height() - 3508) <= 1); // 842 points, as rounded
        std::array<bool, 10> all;
        all.fill(true);
        const QString fault = test::CheckSheet(sheets.first(), test::ExpectedSheet(layout, nudges, all),
                                               {340 / 96.0, 2.0, false});
        QVERIFY2(fault.isEmpty(), qPrintable(fault));
    }

    // The disk fills up while the sheet is written: the program's message,
    // a cancelled job, the old PDF untouched, nothing left beside it.
    void failedSheetKeepsTheOldPdf()
    {
        auto w = window(test::LetterLayoutWithGaps(), 336, 192);
        const QString folder = m_folder->file("keep");
        QDir().mkpath(folder);
        const QString target = folder + QStringLiteral("/sheet.pdf");
        const QByteArray old("%PDF-1.4 last week's sheet");
        {
            QFile f(target);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(old);
        }
        m_script->fileNames.enqueue(target);
        m_script->dialogs.enqueue(chooseCards({1, 2, 3}, 1));
        QString status;
        m_script->dialogs.enqueue(runJob(&status));
        {
            test::FileSizeLimit full(600);
            QVERIFY(full.active());
            w->mnuSaveSheetAsPdfClick();
        }
        QCOMPARE(m_script->log.last(),
                 QStringLiteral("error[Cardwright]: The file %1 could not be written.").arg(target));
        QCOMPARE(
            status,
            QStringLiteral("\nThe sheet was not saved.\n\nThe file %1 could not be written.").arg(target));
        QVERIFY(m_script->informations.isEmpty());
        QFile f(target);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), old);
        QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden), QStringList{"sheet.pdf"});
    }

    // Three cards across on Letter: before the sheet is written the user is
    // asked, naming the cards that would come out cut off; No writes
    // nothing, Yes writes the sheet.
    void cardsOffThePaperAreConfirmedFirst()
    {
        TCardLayout layout = test::LetterLayoutWithGaps();
        layout.Across = 3;
        layout.LeftMargin = 0.25f;
        layout.HPitch = 3.5f;
        auto w = window(layout, 336, 192);
        const QString pdf = m_folder->file("three.pdf");
        m_script->fileNames.enqueue(pdf);
        m_script->dialogs.enqueue(chooseCards({1, 2, 3, 6}, 1));
        m_script->answers.enqueue(false);
        w->mnuSaveSheetAsPdfClick();
        QCOMPARE(m_script->questions,
                 QStringList{QStringLiteral("Cards 3 and 6 run off the printable area of the page and would "
                                            "print cut off.\n\nPrint anyway?")});
        QCOMPARE(m_script->dialogsRun, 1);
        QVERIFY(!QFile::exists(pdf));

        m_script->questions.clear();
        m_script->fileNames.enqueue(pdf);
        m_script->dialogs.enqueue(chooseCards({1, 2, 4}, 1));
        m_script->dialogs.enqueue(runJob());
        w->mnuSaveSheetAsPdfClick();
        QVERIFY(m_script->questions.isEmpty());
        QVERIFY(QFile::exists(pdf));
    }

    // Cancelling the file name or the card selection writes nothing; the
    // selection stays as it was.
    void cancelWritesNothing()
    {
        auto w = window(test::LetterLayoutWithGaps(), 336, 192);
        w->mnuSaveSheetAsPdfClick();
        QCOMPARE(m_script->dialogsRun, 0);

        m_script->fileNames.enqueue(m_folder->file("never.pdf"));
        m_script->dialogs.enqueue([](QDialog &d) {
            dynamic_cast<ui::TSelectSpecificLabels &>(d).SelectnoneClick();
            return int(QDialog::Rejected);
        });
        w->mnuSaveSheetAsPdfClick();
        QCOMPARE(m_script->dialogsRun, 1);
        QVERIFY(!QFile::exists(m_folder->file("never.pdf")));
        QVERIFY(partFiles(m_folder->path()).isEmpty());
        QCOMPARE(w->SelectedCards, model::TCardSelection());
    }
};

QTEST_MAIN(TestSheetPdf)
#include "tst_sheetpdf.moc"
