// End to end: a card with a different front and back, saved and reopened,
// printed on a cups-pdf queue whose printer prints on both sides.  The job
// goes as one two-sided document (no "turn the stack" question), and once
// the back page is turned over about its long edge every back card lies
// within one device pixel of its front card at 300 dpi.  The same job is
// given by an ordinary user too: the queue's duplex choice and the job's
// sides come from the scheduler, not from files only root may read.
#include "app/TMainScreen.h"
#include "design/model/TBCShapes.h"
#include "print/SheetPdfCheck.h"
#include "print/TLabelPrinter.h"
#include "print/TSelectSpecificLabels.h"
#include "print/printer/TReportPrinter.h"
#include "support/OrdinaryUser.h"
#include "support/PrivateCups.h"
#include "support/ScriptedInteraction.h"
#include "support/TestFolder.h"

#include <cups/cups.h>

#include <QDateTime>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

using namespace cw;
using namespace cw::model;

namespace {

const QString QueueName = QStringLiteral("CardwrightDuplexTest");
const QString CupsPdfBackend = QStringLiteral("/usr/lib/cups/backend/cups-pdf");
const QString CupsPdfPpd = QStringLiteral("/usr/share/ppd/cups-pdf/CUPS-PDF_noopt.ppd");

// The duplex choice a two-sided printer's description offers.
const QByteArray DuplexOption =
    "*OpenUI *Duplex/Double-Sided Printing: PickOne\n"
    "*OrderDependency: 10 AnySetup *Duplex\n"
    "*DefaultDuplex: None\n"
    "*Duplex None/Off: \"<</Duplex false>>setpagedevice\"\n"
    "*Duplex DuplexNoTumble/Long Edge: \"<</Duplex true/Tumble false>>setpagedevice\"\n"
    "*Duplex DuplexTumble/Short Edge: \"<</Duplex true/Tumble true>>setpagedevice\"\n"
    "*CloseUI: *Duplex\n";

void addBox(ui::TMainScreen &w, QRect r)
{
    auto *box =
        static_cast<TBCShapes *>(w.BusinessCardPanel()->PlaceNewObject(std::make_unique<TBCShapes>(), r));
    box->SetBounds(r.left(), r.top(), r.width(), r.height());
    box->SetBrush(TGBrush{clBlack, bsSolid});
    box->SetPen(TGPen{clBlack, pmCopy, psClear, 1});
}

// The "sides" the scheduler holds for the newest job of the queue.
QString jobSides()
{
    cups_job_t *jobs = nullptr;
    const int count = cupsGetJobs2(CUPS_HTTP_DEFAULT, &jobs, qPrintable(QueueName), 0, CUPS_WHICHJOBS_ALL);
    int id = 0;
    for (int i = 0; i < count; ++i)
        id = std::max(id, jobs[i].id);
    cupsFreeJobs(count, jobs);
    if (id == 0)
        return QStringLiteral("no job");
    ipp_t *request = ippNewRequest(IPP_OP_GET_JOB_ATTRIBUTES);
    const QByteArray uri = "ipp://localhost/jobs/" + QByteArray::number(id);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "job-uri", nullptr, uri.constData());
    ipp_t *response = cupsDoRequest(CUPS_HTTP_DEFAULT, request, "/");
    QString sides = QStringLiteral("none");
    if (ipp_attribute_t *attribute = ippFindAttribute(response, "sides", IPP_TAG_KEYWORD))
        sides = QString::fromUtf8(ippGetString(attribute, 0, nullptr));
    ippDelete(response);
    return sides;
}

} // namespace

class TestDuplexQueue : public QObject
{
    Q_OBJECT

    QTemporaryDir m_root;
    test::PrivateCups m_cups;
    QString m_why;

    QString startScheduler()
    {
        if (!QFile::exists(CupsPdfBackend) || !QFile::exists(CupsPdfPpd))
            return QStringLiteral("printer-driver-cups-pdf is not installed");
        if (const QString why = m_cups.Start(m_root.path()); !why.isEmpty())
            return why;
        QFile source(CupsPdfPpd);
        if (!source.open(QIODevice::ReadOnly))
            return QStringLiteral("cannot read the cups-pdf PPD");
        const QByteArray ppd = source.readAll() + "\n" + DuplexOption;
        const QString duplexPpd = m_cups.Folder() + QStringLiteral("/duplex.ppd");
        test::PrivateCups::WriteFile(duplexPpd, ppd);
        QProcess admin;
        admin.start(QStringLiteral("lpadmin"), {"-p", QueueName, "-E", "-v", "cups-pdf:/", "-P", duplexPpd});
        if (!admin.waitForFinished(30000) || admin.exitCode() != 0)
            return QStringLiteral("lpadmin failed: ") + QString::fromLocal8Bit(admin.readAllStandardError());
        return {};
    }

private slots:
    void initTestCase()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftoppm")).isEmpty())
            QSKIP("pdftoppm is missing");
        // A copy of this program run as an ordinary user talks to the
        // scheduler its parent started (CUPS_SERVER is inherited).
        if (ordinaryUser()) {
            m_why = qEnvironmentVariableIsEmpty("CUPS_SERVER") ? QStringLiteral("no scheduler") : QString();
            return;
        }
        m_why = startScheduler();
    }
    void cleanupTestCase() { m_cups.Stop(); }

    void doubleSidedCardThroughADuplexQueue()
    {
        if (!m_why.isEmpty())
            QSKIP(qPrintable(m_why));
        test::TestFolder folder;
        test::ScriptedInteraction interaction;
        PrinterNudges() = TPrinterNudges{};
        ui::TMainScreen::hasPrinters = [] { return true; };
        ui::TMainScreen::defaultPrinterName = [] { return QueueName; };

        // The card is saved and reopened before it prints.
        const QString card = folder.file("Saved/duplex.cwr");
        {
            ui::TMainScreen w;
            w.FormActivate();
            addBox(w, QRect(16, 16, 336 - 32, 192 - 32));
            w.ShowCardSide(TCardSide::Back);
            addBox(w, QRect(40, 40, 336 - 80, 192 - 80));
            addBox(w, QRect(2, 2, 8, 8));
            QVERIFY(w.SaveBCFile(card));
        }
        ui::TMainScreen w;
        w.FormActivate();
        w.Layout() = test::LetterLayoutWithGaps();
        w.SetCardSizeFromInches();
        w.OpenBCFile(card);
        QVERIFY(w.HasBack());
        QVERIFY(w.ReportPrinter);
        const int index = int(printer::TReportPrinter::Printers().indexOf(QueueName));
        QVERIFY(index >= 0);
        w.ReportPrinter->SetPrinterIndex(index);
        QVERIFY(w.ReportPrinter->SupportsDuplex());

        interaction.dialogs.enqueue([](QDialog &d) {
            dynamic_cast<ui::TSelectSpecificLabels &>(d).OKbuttonClick();
            return d.result();
        });
        QString failure;
        interaction.dialogs.enqueue([&failure](QDialog &d) {
            auto &dialog = dynamic_cast<ui::TLabelPrinter &>(d);
            dialog.LabelReportPrinter().SetResolution(300);
            dialog.FormActivate();
            failure = dialog.Failure();
            return int(QDialog::Accepted);
        });
        const QDir output(QDir::homePath() + QStringLiteral("/PDF"));
        const QDateTime started = QDateTime::currentDateTime().addSecs(-1);
        w.mnuPrintClick();
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
        QVERIFY2(interaction.questions.isEmpty(), qPrintable(interaction.questions.join('\n')));
        QCOMPARE(interaction.dialogsRun, 2);
        QVERIFY(w.ReportPrinter->Sides().isEmpty()); // two-sided for this job only

        // The scheduler got the job as a two-sided one.
        QCOMPARE(jobSides(), QStringLiteral("two-sided-long-edge"));
        // cups-pdf writes an ordinary user's file into the home folder the
        // user database names, which this test cannot choose: the sheet
        // itself is checked in the run as root.
        if (ordinaryUser())
            return;

        QString produced;
        for (int wait = 0; wait < 600 && produced.isEmpty(); ++wait) {
            for (const QFileInfo &file : output.entryInfoList({"*.pdf"}, QDir::Files, QDir::Time))
                if (file.lastModified() >= started && file.size() > 0) {
                    produced = file.filePath();
                    break;
                }
            if (produced.isEmpty())
                QTest::qWait(100);
        }
        if (produced.isEmpty())
            QSKIP("cups-pdf wrote no file into ~/PDF (its output folder is configured elsewhere)");
        QTest::qWait(500);
        const QList<QImage> sheet = test::RasterisePdf(produced, m_root.filePath(QStringLiteral("raster")));
        QFile::remove(produced);
        QCOMPARE(sheet.size(), 2);

        const QString fault =
            test::CheckBacks(sheet.at(0), sheet.at(1),
                             test::ExpectedSheet(test::LetterLayoutWithGaps(), TPrinterNudges{}), {});
        QVERIFY2(fault.isEmpty(), qPrintable(fault));
    }

    // The same job given by the user "nobody": a copy of this program runs
    // the test above against this test's scheduler.
    void doubleSidedCardThroughADuplexQueueForAnOrdinaryUser()
    {
        if (!m_why.isEmpty())
            QSKIP(qPrintable(m_why));
        if (ordinaryUser())
            QSKIP("this is the ordinary user's run");
        if (const auto why = test::OrdinaryUserUnavailable())
            QSKIP(qPrintable(*why));
        const QString failure =
            test::RunAsOrdinaryUser(m_root.path(), QStringLiteral("doubleSidedCardThroughADuplexQueue"),
                                    QStringLiteral("CW_DUPLEX_ORDINARY_USER"));
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
    }

private:
    static bool ordinaryUser()
    {
        return qEnvironmentVariableIsSet("CW_DUPLEX_ORDINARY_USER");
    }
};

QTEST_MAIN(TestDuplexQueue)
#include "tst_duplexqueue.moc"
