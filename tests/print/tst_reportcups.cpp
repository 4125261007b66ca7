// End-to-end printing through a real CUPS queue: a private CUPS scheduler
// (its own socket and folders under a temporary directory) with a cups-pdf
// queue whose PPD declares unprintable margins.  The sheet that comes out is
// rasterised at 300 dpi: card outlines fall where the inch positions say,
// measured from the paper's corner, and the engine reports the PPD's margins.
// Skipped when the scheduler, the cups-pdf backend or root rights are missing.
#include "print/SheetPdfCheck.h"
#include "print/engine/TBaseReport.h"
#include "print/printer/TReportPrinter.h"
#include "support/PrivateCups.h"

#include <QDateTime>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

using namespace cw::engine;
using namespace cw::printer;

namespace {

const QString QueueName = QStringLiteral("CardwrightTest");
const QString CupsPdfBackend = QStringLiteral("/usr/lib/cups/backend/cups-pdf");
const QString CupsPdfPpd = QStringLiteral("/usr/share/ppd/cups-pdf/CUPS-PDF_noopt.ppd");

// Jobs the queue has seen, finished or not; -1 when lpstat fails.
int JobsAtQueue(const char *which = "all")
{
    QProcess status;
    status.start(QStringLiteral("lpstat"), {"-W", QString::fromLatin1(which), "-o", QueueName});
    if (!status.waitForFinished(30000))
        return -1;
    return static_cast<int>(status.readAllStandardOutput().count('\n'));
}

int JobsPending()
{
    return JobsAtQueue("not-completed");
}

} // namespace

class TestReportCups : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void sheetThroughCupsQueue();
    void cancelledSheetNeverReachesTheQueue();

private:
    QTemporaryDir m_root;
    cw::test::PrivateCups m_cups;
    QString m_why; // why the end-to-end test cannot run here
    QDateTime m_started = QDateTime::currentDateTime().addSecs(-1);
};

void TestReportCups::initTestCase()
{
    if (!QFile::exists(CupsPdfBackend) || !QFile::exists(CupsPdfPpd))
        m_why = QStringLiteral("printer-driver-cups-pdf is not installed");
    else if (QStandardPaths::findExecutable(QStringLiteral("pdftoppm")).isEmpty())
        m_why = QStringLiteral("pdftoppm is missing");
    else
        m_why = cw::test::PrivateCups::Unavailable();
    if (!m_why.isEmpty())
        return;
    const QString started = m_cups.Start(m_root.path());
    QVERIFY2(started.isEmpty(), qPrintable(started));
    const QString d = m_cups.Folder();

    // The queue's PPD: cups-pdf's own, with a quarter inch unprintable at the
    // sides and half an inch at top and bottom of Letter paper.
    QFile ppdSource(CupsPdfPpd);
    QVERIFY(ppdSource.open(QIODevice::ReadOnly));
    QByteArray ppd = ppdSource.readAll();
    const QByteArray full = "*ImageableArea Letter/US Letter: \"0 0 612 792\"";
    QVERIFY(ppd.contains(full));
    ppd.replace(full, "*ImageableArea Letter/US Letter: \"18 36 594 756\"");
    QVERIFY(cw::test::PrivateCups::WriteFile(d + "/margins.ppd", ppd));

    QProcess admin;
    admin.start(QStringLiteral("lpadmin"),
                {"-p", QueueName, "-E", "-v", "cups-pdf:/", "-P", d + "/margins.ppd"});
    QVERIFY(admin.waitForFinished(30000));
    QVERIFY2(admin.exitCode() == 0, admin.readAllStandardError().constData());
}

void TestReportCups::cleanupTestCase()
{
    if (m_cups.Running()) {
        // Let the queue finish, then take away the sheets it wrote.
        for (int wait = 0; wait < 50 && JobsPending() > 0; ++wait)
            QTest::qWait(100);
        QTest::qWait(300);
        const QDir output(QDir::homePath() + QStringLiteral("/PDF"));
        for (const QFileInfo &file : output.entryInfoList({"Cardwright*.pdf"}, QDir::Files))
            if (file.lastModified() >= m_started)
                QFile::remove(file.filePath());
        m_cups.Stop();
    }
}

void TestReportCups::sheetThroughCupsQueue()
{
    if (!m_why.isEmpty())
        QSKIP(qPrintable(m_why));
    TReportPrinter report;
    const int index = static_cast<int>(TReportPrinter::Printers().indexOf(QueueName));
    QVERIFY(index >= 0);
    report.SetPrinterIndex(index);
    QCOMPARE(report.PrinterName(), QueueName);
    QVERIFY(report.HasPrinter());
    report.SetPaperSize(PaperLetter);
    report.SetOrientation(TOrientation::poPortrait);
    report.SetCopies(1);
    report.SetResolution(300);
    report.SetTitle(QStringLiteral("CardwrightTestSheet"));
    report.RefreshDeviceMetrics();
    QCOMPARE(report.XDPI(), 300.0);
    QCOMPARE(report.UnprintableLeft(), 0.25);
    QCOMPARE(report.UnprintableTop(), 0.5);
    QCOMPARE(report.UnprintableBottom(), 0.5);

    const QDir output(QDir::homePath() + QStringLiteral("/PDF"));
    const QDateTime started = QDateTime::currentDateTime().addSecs(-1);
    report.OnPrint = [](TBaseReport &r) {
        r.Rectangle(0.75, 1.0, 4.25, 3.0); // 225..1274 x 300..899 at 300 dpi
        r.SetPen(Qt::black, Qt::NoPen, 1, TPenMode::pmCopy);
        r.SetBrush(Qt::black, Qt::SolidPattern);
        r.Rectangle(1.0, 4.0, 2.0, 4.5); // 300..599 x 1200..1349
    };
    report.Execute();

    // cups-pdf writes the sheet into ~/PDF once the queue has run the job.
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
    QTest::qWait(500); // let the backend finish writing

    QProcess raster;
    raster.start(QStringLiteral("pdftoppm"),
                 {"-r", "300", "-png", "-singlefile", produced, m_root.filePath(QStringLiteral("sheet"))});
    QVERIFY(raster.waitForFinished(60000));
    QFile::remove(produced);
    const QImage page(m_root.filePath(QStringLiteral("sheet.png")));
    QCOMPARE(page.size(), QSize(2550, 3300));
    const QRect outline = cw::test::InkBounds(page, QRect(150, 200, 1250, 800));
    QVERIFY2(std::abs(outline.left() - 225) <= 1 && std::abs(outline.right() - 1274) <= 1 &&
                 std::abs(outline.top() - 300) <= 1 && std::abs(outline.bottom() - 899) <= 1,
             qPrintable(QStringLiteral("outline %1,%2 - %3,%4")
                            .arg(outline.left())
                            .arg(outline.top())
                            .arg(outline.right())
                            .arg(outline.bottom())));
    const QRect block = cw::test::InkBounds(page, QRect(250, 1100, 450, 350));
    QVERIFY(std::abs(block.left() - 300) <= 1 && std::abs(block.right() - 599) <= 1);
    QVERIFY(std::abs(block.top() - 1200) <= 1 && std::abs(block.bottom() - 1349) <= 1);
}

void TestReportCups::cancelledSheetNeverReachesTheQueue()
{
    if (!m_why.isEmpty())
        QSKIP(qPrintable(m_why));
    if (QStandardPaths::findExecutable(QStringLiteral("lp")).isEmpty())
        QSKIP("lp is missing: Qt's own CUPS output cannot take a document back");
    TReportPrinter report;
    report.SetPrinterIndex(static_cast<int>(TReportPrinter::Printers().indexOf(QueueName)));
    QCOMPARE(report.PrinterName(), QueueName);
    const int before = JobsAtQueue();
    QVERIFY(before >= 0);
    report.OnPrint = [](TBaseReport &r) {
        r.Rectangle(1.0, 1.0, 2.0, 2.0);
        r.NewPage();
        r.Rectangle(1.0, 1.0, 2.0, 2.0);
        r.Abort(); // "Cancel Business Card Printing?" answered Yes
        r.NewPage();
    };
    report.Execute();
    QVERIFY(report.Aborted());
    QTest::qWait(300);
    QCOMPARE(JobsAtQueue(), before);
    // The report prints normally afterwards.
    report.OnPrint = [](TBaseReport &r) { r.Rectangle(1.0, 1.0, 2.0, 2.0); };
    report.Execute();
    QTRY_COMPARE_WITH_TIMEOUT(JobsAtQueue(), before + 1, 10000);
}

QTEST_MAIN(TestReportCups)
#include "tst_reportcups.moc"
