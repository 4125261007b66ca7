// Choosing the printer, remembering it, losing it, previewing without one and
// jobs the print system does not print.  The printers are cups-pdf queues of
// a private CUPS scheduler; the designer runs as it does for a user: its
// Printer Setup is the system print dialog, its print command goes through
// Print Cards and the status dialog.
#include "app/TMainScreen.h"
#include "app/model/TIniFile.h"
#include "print/TFilePreview.h"
#include "print/TLabelPrinter.h"
#include "print/TPreviewForm.h"
#include "print/TSelectSpecificLabels.h"
#include "print/TWarnBottomMargin.h"
#include "print/printer/TReportPrinter.h"
#include "support/PrivateCups.h"
#include "support/ScriptedInteraction.h"
#include "support/TestFolder.h"

#include <QAction>
#include <QComboBox>
#include <QPrintDialog>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTimer>
#include <QTemporaryDir>
#include <QtTest>

using namespace cw;

namespace {

const QString Ppd = QStringLiteral("/usr/share/ppd/cups-pdf/CUPS-PDF_noopt.ppd");
const QString First = QStringLiteral("CardwrightFirst");
const QString Second = QStringLiteral("CardwrightSecond");

// Runs a CUPS command line tool; its output, or a null string on failure.
QString Run(const QString &program, const QStringList &arguments)
{
    QProcess p;
    p.start(program, arguments);
    if (!p.waitForFinished(30000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
        return QString();
    return QString::fromLocal8Bit(p.readAllStandardOutput()) + QStringLiteral(" ");
}

// Jobs a queue has finished (completed, cancelled or aborted).
int FinishedJobs(const QString &queue)
{
    const QString out = Run(QStringLiteral("lpstat"), {"-W", "completed", "-o", queue});
    return out.isNull() ? -1 : int(out.split(QLatin1Char('\n'), Qt::SkipEmptyParts).filter(queue).size());
}

bool AddQueue(const QString &name)
{
    return !Run(QStringLiteral("lpadmin"), {"-p", name, "-E", "-v", "cups-pdf:/", "-P", Ppd}).isNull();
}

// With CW_PRINT_SHOTS set, a window as the user sees it is saved there.
void Shot(QWidget &w, const QString &name)
{
    const QString folder = qEnvironmentVariable("CW_PRINT_SHOTS");
    if (folder.isEmpty())
        return;
    QDir().mkpath(folder);
    w.show();
    QTest::qWait(200);
    w.grab().save(folder + QLatin1Char('/') + name);
}

QString SettingsPrinterName()
{
    return model::TIniFile(model::TIniFile::SettingsFileName())
        .ReadString(QStringLiteral("Printer"), QStringLiteral("PrinterName"), QStringLiteral("<none>"));
}

} // namespace

class TestPrinterChoice : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();
    void chosenPrinterGetsTheSheetAndIsRemembered();
    void removedPrinterFallsBackWithAMessage();
    void failedJobsGiveTheReason();
    void cancelWhileTheJobWaitsWithdrawsIt();
    void previewWithNoPrinterInstalled();

private:
    // Answers Print Cards with OK (recording the printer it names), any
    // bottom-margin warning with Continue, and runs the status dialog's job.
    void answerPrint();
    // Printer Setup: the system print dialog, with `queue` picked.
    void answerSetup(const QString &queue);

    QTemporaryDir m_root;
    test::PrivateCups m_cups;
    QString m_why;
    test::TestFolder *m_folder = nullptr;
    test::ScriptedInteraction *m_script = nullptr;
    QString m_shownPrinter;
    QString m_status;
    QStringList m_setupOffers; // what the setup dialog showed (for checking)
    QString m_shot;            // file name for a picture of the next Print Cards
    QString m_statusShot;      // file name for a picture of the next ended job
};

void TestPrinterChoice::initTestCase()
{
    // A copy of this program that stands for a desktop without printers
    // only previews (see previewWithNoPrinterInstalled).
    if (qEnvironmentVariableIsSet("CW_NO_PRINTER"))
        return;
    if (!QFile::exists(Ppd) || !QFile::exists(QStringLiteral("/usr/lib/cups/backend/cups-pdf")))
        m_why = QStringLiteral("printer-driver-cups-pdf is not installed");
    else if (QStandardPaths::findExecutable(QStringLiteral("cupsdisable")).isEmpty() ||
             QStandardPaths::findExecutable(QStringLiteral("cupsreject")).isEmpty())
        m_why = QStringLiteral("the CUPS command line tools are missing");
    else
        m_why = m_cups.Start(m_root.path()); // before any printer is looked up
    if (!m_why.isEmpty())
        return;
    if (!AddQueue(First) || !AddQueue(Second) || Run(QStringLiteral("lpadmin"), {"-d", First}).isNull())
        m_why = QStringLiteral("lpadmin could not set up the queues");
}

void TestPrinterChoice::cleanupTestCase()
{
    m_cups.Stop();
}

void TestPrinterChoice::init()
{
    m_folder = new test::TestFolder;
    m_script = new test::ScriptedInteraction;
    m_shownPrinter.clear();
    m_status.clear();
    m_setupOffers.clear();
    m_shot.clear();
    m_statusShot.clear();
    printer::TReportPrinter::ChoosePrinter(QString());
}

void TestPrinterChoice::cleanup()
{
    delete m_script;
    delete m_folder;
    m_script = nullptr;
    m_folder = nullptr;
}

void TestPrinterChoice::answerPrint()
{
    for (int i = 0; i < 3; ++i)
        m_script->dialogs.enqueue([this](QDialog &d) {
            if (auto *select = dynamic_cast<ui::TSelectSpecificLabels *>(&d)) {
                m_shownPrinter = select->PrinterText();
                if (!m_shot.isEmpty())
                    Shot(d, std::exchange(m_shot, QString()));
                select->OKbuttonClick();
                return d.result();
            }
            if (dynamic_cast<ui::TWarnBottomMargin *>(&d))
                return int(QDialog::Accepted);
            if (auto *status = dynamic_cast<ui::TLabelPrinter *>(&d)) {
                status->FormActivate();
                m_status = status->StatusText();
                if (!m_statusShot.isEmpty())
                    Shot(d, std::exchange(m_statusShot, QString()));
                return int(QDialog::Accepted);
            }
            return int(QDialog::Rejected);
        });
}

void TestPrinterChoice::answerSetup(const QString &queue)
{
    m_script->dialogs.enqueue([this, queue](QDialog &d) {
        auto *dialog = dynamic_cast<QPrintDialog *>(&d);
        if (!dialog)
            return int(QDialog::Rejected);
        auto *printers = d.findChild<QComboBox *>(QStringLiteral("printers"));
        auto *tabs = d.findChild<QTabWidget *>(QStringLiteral("tabs"));
        if (!printers || !tabs)
            return int(QDialog::Rejected);
        for (int i = 0; i < tabs->count(); ++i)
            if (tabs->isTabVisible(i))
                m_setupOffers << tabs->widget(i)->objectName();
        for (int i = 0; i < printers->count(); ++i)
            m_setupOffers << printers->itemText(i);
        printers->setCurrentIndex(printers->findText(queue));
        Shot(d, QStringLiteral("printer-setup.png"));
        if (!qEnvironmentVariableIsEmpty("CW_PRINT_SHOTS"))
            for (QPushButton *b : d.findChildren<QPushButton *>())
                if (b->text().startsWith(QStringLiteral("&Options"))) {
                    b->click();
                    Shot(d, QStringLiteral("printer-setup-options.png"));
                }
        d.accept();
        return d.result();
    });
}

// Printer Setup picks the second queue: Print Cards names it, the sheet is
// printed there (not on the default printer), and a new main window (the
// next start) has it chosen again.
void TestPrinterChoice::chosenPrinterGetsTheSheetAndIsRemembered()
{
    if (!m_why.isEmpty())
        QSKIP(qPrintable(m_why));
    {
        ui::TMainScreen w;
        w.FormActivate();
        QVERIFY(w.ReportPrinter);
        QCOMPARE(w.ReportPrinter->PrinterName(), First);

        answerSetup(Second);
        w.mnuPrinterSetupClick();
        QCOMPARE(m_script->dialogsRun, 1);
        // The printers are offered; copies and page ranges (Print Cards asks
        // for the sheets) are not.
        QVERIFY2(m_setupOffers.contains(First) && m_setupOffers.contains(Second),
                 qPrintable(m_setupOffers.join('|')));
        QVERIFY2(!m_setupOffers.contains(QStringLiteral("copiesTab")), qPrintable(m_setupOffers.join('|')));
        QCOMPARE(w.ReportPrinter->PrinterName(), Second);
        QCOMPARE(SettingsPrinterName(), Second);
        // Pages per sheet would shrink the cards: never sent with a job.
        for (const auto &option : printer::TReportPrinter::JobOptions())
            QVERIFY2(!option.first.startsWith(QStringLiteral("number-up")), qPrintable(option.first));

        const int firstBefore = FinishedJobs(First);
        const int secondBefore = FinishedJobs(Second);
        m_shot = QStringLiteral("print-cards-chosen-printer.png");
        answerPrint();
        w.mnuPrintClick();
        QCOMPARE(m_shownPrinter, Second);
        QCOMPARE(m_status, QStringLiteral("Print job completed and sent to printer!"));
        QTRY_COMPARE_WITH_TIMEOUT(FinishedJobs(Second), secondBefore + 1, 20000);
        QCOMPARE(FinishedJobs(First), firstBefore);
    }
    // The next start: the choice comes back from the settings, silently.
    printer::TReportPrinter::ChoosePrinter(QString());
    m_script->log.clear();
    ui::TMainScreen again;
    again.FormActivate();
    QVERIFY(again.ReportPrinter);
    QCOMPARE(again.ReportPrinter->PrinterName(), Second);
    QVERIFY2(m_script->informations.isEmpty(), qPrintable(m_script->log.join('|')));
}

// The remembered printer was removed while the designer was closed, and
// another one goes while it runs: both times the message names the printer
// that went and the default printer that serves instead, Print Cards names
// the default printer, and the settings forget the choice.
void TestPrinterChoice::removedPrinterFallsBackWithAMessage()
{
    if (!m_why.isEmpty())
        QSKIP(qPrintable(m_why));
    const QString expected =
        QStringLiteral("The printer %1 is no longer installed.\nCards now print on the default printer %2.")
            .arg(Second, First);
    {
        model::TIniFile ini(model::TIniFile::SettingsFileName());
        ini.WriteString(QStringLiteral("Printer"), QStringLiteral("PrinterName"), Second);
    }
    QVERIFY(!Run(QStringLiteral("lpadmin"), {"-x", Second}).isNull());
    {
        ui::TMainScreen w;
        w.FormActivate();
        QVERIFY(w.ReportPrinter);
        QCOMPARE(m_script->informations, QStringList{expected});
        QCOMPARE(w.ReportPrinter->PrinterName(), First);
        QCOMPARE(SettingsPrinterName(), QStringLiteral("<none>"));
    }
    QVERIFY(AddQueue(Second));

    // Chosen in this session, removed before the next print.
    m_script->informations.clear();
    ui::TMainScreen w;
    w.FormActivate();
    answerSetup(Second);
    w.mnuPrinterSetupClick();
    QCOMPARE(SettingsPrinterName(), Second);
    QVERIFY(!Run(QStringLiteral("lpadmin"), {"-x", Second}).isNull());
    const int firstBefore = FinishedJobs(First);
    answerPrint();
    w.mnuPrintClick();
    QCOMPARE(m_script->informations, QStringList{expected});
    QCOMPARE(m_shownPrinter, First);
    QCOMPARE(m_status, QStringLiteral("Print job completed and sent to printer!"));
    QTRY_COMPARE_WITH_TIMEOUT(FinishedJobs(First), firstBefore + 1, 20000);
    QCOMPARE(SettingsPrinterName(), QStringLiteral("<none>"));
    QVERIFY(AddQueue(Second));
}

// A stopped printer and a queue that refuses jobs: the status and the
// message give the print system's reason; neither calls it cancelled.
void TestPrinterChoice::failedJobsGiveTheReason()
{
    if (!m_why.isEmpty())
        QSKIP(qPrintable(m_why));
    ui::TMainScreen w;
    w.FormActivate();
    QVERIFY(w.ReportPrinter);
    QCOMPARE(w.ReportPrinter->PrinterName(), First);

    QVERIFY(!Run(QStringLiteral("cupsdisable"), {"-r", "Out of card stock", First}).isNull());
    m_statusShot = QStringLiteral("status-printer-stopped.png");
    answerPrint();
    w.mnuPrintClick();
    QVERIFY2(m_status.startsWith(QStringLiteral("\nThe cards were not printed.\n\n")), qPrintable(m_status));
    QVERIFY2(m_status.contains(QStringLiteral("Out of card stock")), qPrintable(m_status));
    QVERIFY2(!m_status.contains(QStringLiteral("Canceled")), qPrintable(m_status));
    QVERIFY2(
        m_script->log.last().startsWith(
            QStringLiteral("error[Cardwright]: The printer %1 has stopped: Out of card stock").arg(First)),
        qPrintable(m_script->log.join('|')));
    Run(QStringLiteral("cancel"), {"-a", First});
    QVERIFY(!Run(QStringLiteral("cupsenable"), {First}).isNull());

    QVERIFY(!Run(QStringLiteral("cupsreject"), {"-r", "Closed for the night", First}).isNull());
    m_script->log.clear();
    answerPrint();
    w.mnuPrintClick();
    QVERIFY2(m_status.startsWith(QStringLiteral("\nThe cards were not printed.\n\n")), qPrintable(m_status));
    QVERIFY2(m_status.contains(QStringLiteral("not accepting jobs"), Qt::CaseInsensitive),
             qPrintable(m_status));
    QVERIFY2(m_script->log.last().startsWith(
                 QStringLiteral("error[Cardwright]: The printer %1 did not take").arg(First)),
             qPrintable(m_script->log.join('|')));
    QVERIFY(!Run(QStringLiteral("cupsaccept"), {First}).isNull());
}

// The printer holds new jobs: the status dialog waits for it, and Cancel
// (answered Yes) while it waits withdraws the job from the queue and ends
// as cancelled, the one ending that says so.
void TestPrinterChoice::cancelWhileTheJobWaitsWithdrawsIt()
{
    if (!m_why.isEmpty())
        QSKIP(qPrintable(m_why));
    QVERIFY(!Run(QStringLiteral("lpadmin"), {"-p", First, "-o", "job-hold-until-default=indefinite"}).isNull());
    ui::TMainScreen w;
    w.FormActivate();
    QVERIFY(w.ReportPrinter);
    const int before = FinishedJobs(First);
    m_script->answers.enqueue(true); // "Cancel Business Card Printing?"
    m_script->dialogs.enqueue([](QDialog &d) {
        dynamic_cast<ui::TSelectSpecificLabels &>(d).OKbuttonClick();
        return d.result();
    });
    QString waiting;
    m_script->dialogs.enqueue([&](QDialog &d) {
        auto &status = dynamic_cast<ui::TLabelPrinter &>(d);
        QTimer::singleShot(1000, &status, [&] {
            waiting = status.StatusText();
            status.CancelButtonClick();
        });
        status.FormActivate();
        m_status = status.StatusText();
        return int(QDialog::Accepted);
    });
    w.mnuPrintClick();
    Run(QStringLiteral("lpadmin"), {"-p", First, "-o", "job-hold-until-default=no-hold"});
    QCOMPARE(waiting, QStringLiteral("\nSending the sheet to the printer\n") + First);
    QCOMPARE(m_status, QStringLiteral("\nBusiness Card Print Canceled!"));
    QVERIFY2(!m_script->log.join('|').contains(QStringLiteral("error[")), qPrintable(m_script->log.join('|')));
    // Nothing is left waiting: the job ended as cancelled.
    QTRY_COMPARE_WITH_TIMEOUT(FinishedJobs(First), before + 1, 10000);
    QCOMPARE(Run(QStringLiteral("lpstat"), {"-o", First}).trimmed(), QString());
}

// On a desktop without printers (the print system does not even answer):
// the start says so, Print and Printer Setup stay disabled, and Preview
// shows the sheet on the layout's paper.  A copy of this program runs with
// CUPS pointed at a scheduler that is not there.
void TestPrinterChoice::previewWithNoPrinterInstalled()
{
    if (!qEnvironmentVariableIsSet("CW_NO_PRINTER")) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("CW_NO_PRINTER"), QStringLiteral("1"));
        env.insert(QStringLiteral("CUPS_SERVER"), m_root.filePath(QStringLiteral("nobody-listens.sock")));
        QProcess child;
        child.setProcessEnvironment(env);
        child.setProcessChannelMode(QProcess::MergedChannels);
        child.start(QCoreApplication::applicationFilePath(),
                    {QStringLiteral("previewWithNoPrinterInstalled")});
        QVERIFY(child.waitForFinished(120000));
        const QString output = QString::fromLocal8Bit(child.readAll());
        QVERIFY2(child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0, qPrintable(output));
        QVERIFY2(output.contains(QStringLiteral("PASS   : TestPrinterChoice::previewWithNoPrinterInstalled")),
                 qPrintable(output));
        return;
    }
    QVERIFY(printer::TReportPrinter::Printers().isEmpty());
    ui::TMainScreen w;
    w.Layout().Papersize = engine::PaperA4;
    w.FormActivate();
    QVERIFY(!w.ReportPrinter);
    QVERIFY(!w.PrinterReady());
    QCOMPARE(m_script->informations,
             QStringList{QStringLiteral(
                 "There are no installed printers.\nUnable to perform printer related operations")});
    const auto action = [&w](const char *name) { return w.findChild<QAction *>(QString::fromLatin1(name)); };
    QVERIFY(action("mnuPrint") && action("mnuPreview") && action("mnuPrinterSetup") &&
            action("mnuSaveSheetAsPdf"));
    QVERIFY(!action("mnuPrint")->isEnabled());
    QVERIFY(!action("mnuPrinterSetup")->isEnabled());
    QVERIFY(action("mnuPreview")->isEnabled());
    QVERIFY(action("mnuSaveSheetAsPdf")->isEnabled());
    QVERIFY(w.findChild<QPushButton *>(QStringLiteral("Previewbutton"))->isEnabled());
    QVERIFY(!w.findChild<QPushButton *>(QStringLiteral("PrintButton"))->isEnabled());

    QString status;
    QSizeF sheet;
    int pages = 0;
    m_script->dialogs.enqueue([&status](QDialog &d) {
        auto &job = dynamic_cast<ui::TLabelPrinter &>(d);
        job.FormActivate();
        status = job.StatusText();
        return int(QDialog::Accepted);
    });
    m_script->dialogs.enqueue([&](QDialog &d) {
        auto &preview = dynamic_cast<ui::TPreviewForm &>(d);
        preview.FormActivate();
        if (!qEnvironmentVariableIsEmpty("CW_PRINT_SHOTS")) {
            preview.resize(608, 640);
            preview.show();
            preview.SBZoomPageClick();
            Shot(preview, QStringLiteral("preview-without-printer.png"));
        }
        ui::TFilePreview &page = preview.FilePreview();
        page.SetMarginPercent(0);
        page.SetShadowDepth(0);
        page.SetZoomFactor(100);
        sheet = page.RenderCurrentPage().size();
        pages = preview.FilePreview().PageCount();
        return int(QDialog::Accepted);
    });
    w.mnuPreviewClick();
    QCOMPARE(m_script->dialogsRun, 2);
    QVERIFY2(status.contains(QStringLiteral("preview ready")), qPrintable(status));
    QCOMPARE(pages, 1);
    // A4 (the layout's paper, not Letter) at 96 pixels an inch.
    QVERIFY2(std::abs(sheet.width() - 8.268 * 96) <= 1 && std::abs(sheet.height() - 11.69 * 96) <= 1,
             qPrintable(QStringLiteral("%1 x %2").arg(sheet.width()).arg(sheet.height())));
}

QTEST_MAIN(TestPrinterChoice)
#include "tst_printerchoice.moc"
