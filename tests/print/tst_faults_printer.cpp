// A printer that disappears after the preview: the print command must end
// with a message, never a crash, and no job may reach any queue.  The
// printers are queues of a private CUPS scheduler; they accept jobs but stay
// stopped, so a job that was sent waits in its queue and can be counted.
#include "app/TMainScreen.h"
#include "print/TLabelPrinter.h"
#include "print/TPreviewForm.h"
#include "print/TSelectSpecificLabels.h"
#include "print/TWarnBottomMargin.h"
#include "print/printer/TReportPrinter.h"
#include "support/PrivateCups.h"
#include "support/ScriptedInteraction.h"
#include "support/TestFolder.h"

#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

using namespace cw;

namespace {

const QString Ppd = QStringLiteral("/usr/share/ppd/cups-pdf/CUPS-PDF_noopt.ppd");
const QString Gone = QStringLiteral("CardwrightVanishing");
const QString Other = QStringLiteral("CardwrightOther");

// Runs a CUPS command line tool against the private scheduler; its output,
// or a null string when it failed.
QString Run(const QString &program, const QStringList &arguments)
{
    QProcess p;
    p.start(program, arguments);
    if (!p.waitForFinished(30000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
        return QString();
    return QString::fromLocal8Bit(p.readAllStandardOutput()) + QStringLiteral(" ");
}

// Jobs waiting in any queue; -1 when the scheduler cannot be asked.
int Jobs()
{
    const QString out = Run(QStringLiteral("lpstat"), {QStringLiteral("-o")});
    if (out.isNull())
        return -1;
    return int(out.split(QLatin1Char('\n'), Qt::SkipEmptyParts).filter(QStringLiteral("Cardwright")).size());
}

} // namespace

class TestFaultsPrinter : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();
    void printerRemovedBetweenPreviewAndPrint();
    void printerRemovedWhileTheSheetIsComposed();
    void chosenPrinterRemovedWhileAnotherRemains();

private:
    QString startScheduler();
    bool addQueue(const QString &name);
    // Answers every dialog of the print and preview commands; the status
    // dialog runs its job and, when set, `duringJob` as its page begins.
    void answerDialogs();

    QTemporaryDir m_root;
    test::PrivateCups m_cups;
    QString m_why;
    test::TestFolder *m_folder = nullptr;
    test::ScriptedInteraction *m_script = nullptr;
    std::function<void()> m_duringJob;
    std::function<void()> m_afterSelection; // runs when the card selection is confirmed
    QString m_status;
    bool m_previewShown = false;
};

void TestFaultsPrinter::initTestCase()
{
    // Spool files of the printer report go here, so none may be left behind.
    QDir().mkpath(m_root.filePath(QStringLiteral("tmp")));
    qputenv("TMPDIR", m_root.filePath(QStringLiteral("tmp")).toLocal8Bit());
    // Before any printer is looked up: Qt's CUPS support keeps the server it
    // first talked to.
    m_why = startScheduler();
}

void TestFaultsPrinter::cleanupTestCase()
{
    m_cups.Stop();
}

void TestFaultsPrinter::init()
{
    if (!m_why.isEmpty())
        QSKIP(qPrintable(m_why));
    m_folder = new test::TestFolder;
    m_script = new test::ScriptedInteraction;
    // The printer check at start-up asks for a default printer by the
    // system's own lookup; here the queue is the default.
    ui::TMainScreen::defaultPrinterName = [] { return Gone; };
    m_duringJob = nullptr;
    m_afterSelection = nullptr;
    m_status.clear();
    m_previewShown = false;
}

void TestFaultsPrinter::cleanup()
{
    delete m_script;
    delete m_folder;
    m_script = nullptr;
    m_folder = nullptr;
}

QString TestFaultsPrinter::startScheduler()
{
    if (!QFile::exists(Ppd))
        return QStringLiteral("the cups-pdf PPD is not installed");
    for (const char *tool : {"lp", "cupsaccept", "cancel"})
        if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty())
            return QStringLiteral("%1 is missing").arg(QString::fromLatin1(tool));
    if (const QString why = m_cups.Start(m_root.path(), true); !why.isEmpty())
        return why;
    if (!addQueue(Gone) || !addQueue(Other))
        return QStringLiteral("lpadmin could not add a queue");
    if (Run(QStringLiteral("lpadmin"), {"-d", Gone}).isNull())
        return QStringLiteral("lpadmin could not choose the default printer");
    return {};
}

// A queue that takes jobs and keeps them: accepting, but stopped.
bool TestFaultsPrinter::addQueue(const QString &name)
{
    return !Run(QStringLiteral("lpadmin"), {"-p", name, "-v", "file:///dev/null", "-P", Ppd}).isNull() &&
           !Run(QStringLiteral("cupsaccept"), {name}).isNull();
}

void TestFaultsPrinter::answerDialogs()
{
    for (int i = 0; i < 4; ++i)
        m_script->dialogs.enqueue([this](QDialog &d) {
            if (auto *select = dynamic_cast<ui::TSelectSpecificLabels *>(&d)) {
                select->OKbuttonClick();
                if (m_afterSelection)
                    m_afterSelection();
                return d.result();
            }
            if (dynamic_cast<ui::TWarnBottomMargin *>(&d))
                return int(QDialog::Accepted);
            if (auto *status = dynamic_cast<ui::TLabelPrinter *>(&d)) {
                if (m_duringJob)
                    status->JobReport().OnNewPage = [this](engine::TBaseReport &) { m_duringJob(); };
                status->FormActivate();
                m_status = status->StatusText();
                return int(QDialog::Accepted);
            }
            if (auto *preview = dynamic_cast<ui::TPreviewForm *>(&d)) {
                preview->FormActivate();
                m_previewShown = true;
                return int(QDialog::Accepted);
            }
            return int(QDialog::Rejected);
        });
}

void TestFaultsPrinter::printerRemovedBetweenPreviewAndPrint()
{
    // The only printer: the other one leaves first.
    QVERIFY(!Run(QStringLiteral("lpadmin"), {"-x", Other}).isNull());
    ui::TMainScreen w;
    w.FormActivate();
    QVERIFY2(w.ReportPrinter, qPrintable(m_script->log.join('|')));
    QCOMPARE(w.ReportPrinter->PrinterName(), Gone);

    answerDialogs();
    w.mnuPreviewClick();
    QVERIFY(m_previewShown);
    QCOMPARE(Jobs(), 0);

    QVERIFY(!Run(QStringLiteral("lpadmin"), {"-x", Gone}).isNull());
    QVERIFY(!printer::TReportPrinter::Printers().contains(Gone));
    m_script->dialogs.clear();
    m_script->log.clear();
    const float zoom = w.BusinessCardPanel()->Zoom();
    answerDialogs();
    w.mnuPrintClick();
    QCOMPARE(m_status,
             QStringLiteral("\nThe cards were not printed.\n\nNo printers are defined, aborting print job."));
    QVERIFY2(m_script->log.contains(
                 QStringLiteral("error[Cardwright]: No printers are defined, aborting print job.")),
             qPrintable(m_script->log.join('|')));
    QCOMPARE(Jobs(), 0);
    QCOMPARE(QDir(qEnvironmentVariable("TMPDIR")).entryList(QDir::Files), QStringList());
    QCOMPARE(w.BusinessCardPanel()->Zoom(), zoom);

    QVERIFY(addQueue(Gone) && addQueue(Other));
    QVERIFY(!Run(QStringLiteral("lpadmin"), {"-d", Gone}).isNull());
}

void TestFaultsPrinter::printerRemovedWhileTheSheetIsComposed()
{
    ui::TMainScreen w;
    w.FormActivate();
    QVERIFY(w.ReportPrinter);
    const int index = int(printer::TReportPrinter::Printers().indexOf(Gone));
    QVERIFY(index >= 0);
    w.ReportPrinter->SetPrinterIndex(index);

    // While the printer is there, a print puts one job in its queue; the
    // queue is stopped, and the status says so instead of "completed".
    const int before = Jobs();
    answerDialogs();
    w.mnuPrintClick();
    QVERIFY2(m_status.startsWith(
                 QStringLiteral("\nThe cards were not printed.\n\nThe printer %1 has stopped").arg(Gone)),
             qPrintable(m_status));
    QVERIFY2(m_status.contains(QStringLiteral("The sheet waits in its queue")), qPrintable(m_status));
    QCOMPARE(Jobs(), before + 1);
    QVERIFY(!Run(QStringLiteral("cancel"), {"-a", Gone}).isNull());
    QTRY_COMPARE(Jobs(), 0);

    // Now it goes away while the sheet is being composed.
    m_script->dialogs.clear();
    m_script->log.clear();
    m_duringJob = [] { Run(QStringLiteral("lpadmin"), {"-x", Gone}); };
    answerDialogs();
    w.mnuPrintClick();
    QVERIFY(!printer::TReportPrinter::Printers().contains(Gone));
    // The print system's own reason: the printer does not exist.
    const QString refused = QStringLiteral("The printer %1 did not take the print job: ").arg(Gone);
    QVERIFY2(m_status.startsWith(QStringLiteral("\nThe cards were not printed.\n\n") + refused),
             qPrintable(m_status));
    QVERIFY2(m_status.endsWith(QStringLiteral("it is no longer installed")), qPrintable(m_status));
    QVERIFY2(m_script->log.last().startsWith(QStringLiteral("error[Cardwright]: ") + refused),
             qPrintable(m_script->log.join('|')));
    // Nothing went to the printer that is left.
    QCOMPARE(Jobs(), 0);
    QCOMPARE(QDir(qEnvironmentVariable("TMPDIR")).entryList(QDir::Files), QStringList());

    QVERIFY(addQueue(Gone));
    QVERIFY(!Run(QStringLiteral("lpadmin"), {"-d", Gone}).isNull());
}

// The printer the user chose leaves after the card selection while another
// one stays: the job stops with a message naming it instead of going to the
// other printer; the next print offers the printer that is left.
void TestFaultsPrinter::chosenPrinterRemovedWhileAnotherRemains()
{
    ui::TMainScreen w;
    w.FormActivate();
    QVERIFY(w.ReportPrinter);
    const int index = int(printer::TReportPrinter::Printers().indexOf(Gone));
    QVERIFY(index >= 0);
    w.ReportPrinter->SetPrinterIndex(index);
    QVERIFY(!Run(QStringLiteral("lpadmin"), {"-d", Other}).isNull());

    m_afterSelection = [] { Run(QStringLiteral("lpadmin"), {"-x", Gone}); };
    answerDialogs();
    w.mnuPrintClick();
    QVERIFY(!printer::TReportPrinter::Printers().contains(Gone));
    QCOMPARE(
        m_status,
        QStringLiteral("\nThe cards were not printed.\n\nThe printer %1 is no longer available.").arg(Gone));
    QVERIFY2(m_script->log.contains(
                 QStringLiteral("error[Cardwright]: The printer %1 is no longer available.").arg(Gone)),
             qPrintable(m_script->log.join('|')));
    QCOMPARE(Jobs(), 0);
    QCOMPARE(QDir(qEnvironmentVariable("TMPDIR")).entryList(QDir::Files), QStringList());
    QCOMPARE(w.ReportPrinter->PrinterName(), Other);

    QVERIFY(addQueue(Gone));
    QVERIFY(!Run(QStringLiteral("lpadmin"), {"-d", Gone}).isNull());
}

QTEST_MAIN(TestFaultsPrinter)
#include "tst_faults_printer.moc"
