// End to end: an outline test page composed by the print status dialog goes
// through the printer report to a PDF file and, where a private CUPS
// scheduler with a cups-pdf queue can run, through a real print queue.  The
// sheet is rasterised at 300 dpi and every card outline must fall where the
// layout and nudges put it, measured from the paper's corner.
#include "app/TMainScreen.h"
#include "app/model/TIniFile.h"
#include "print/SheetPdfCheck.h"
#include "print/TLabelPrinter.h"
#include "print/TSelectSpecificLabels.h"
#include "print/TWarnBottomMargin.h"
#include "print/printer/TReportPrinter.h"
#include "support/OrdinaryUser.h"
#include "support/PrivateCups.h"
#include "support/ScriptedInteraction.h"
#include "support/TestFolder.h"

#include <QDateTime>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>
#include <cmath>

using namespace cw;

namespace {

const QString QueueName = QStringLiteral("CardwrightSheetTest");
// A queue whose printer cannot print the last 0.66 inch of the sheet.
const QString BottomQueueName = QStringLiteral("CardwrightBottomTest");
const QString CupsPdfBackend = QStringLiteral("/usr/lib/cups/backend/cups-pdf");
const QString CupsPdfPpd = QStringLiteral("/usr/share/ppd/cups-pdf/CUPS-PDF_noopt.ppd");

// 2 x 4 cards with gaps between them (the nudges widen the pitches), the
// third position not selected.
model::TLabelPrintSettings SheetSettings()
{
    model::TLabelPrintSettings s;
    s.PrintToPrinter = true;
    s.PrintTestPage = true;
    s.CardHeight = 2.0;
    s.CardWidth = 3.5;
    s.Across = 2;
    s.Down = 4;
    s.TopMargin = 0.5 + 2 / 32.0;
    s.LeftMargin = 0.5 - 1 / 32.0;
    s.HorizontalPitch = 3.5 + 8 / 32.0;
    s.VerticalPitch = 2.0 + 8 / 32.0;
    s.Selection[2] = false;
    return s;
}

QImage Rasterise(const QString &pdf, const QString &pngBase)
{
    QProcess raster;
    raster.start(QStringLiteral("pdftoppm"), {"-r", "300", "-png", "-singlefile", pdf, pngBase});
    if (!raster.waitForFinished(60000) || raster.exitCode() != 0)
        return {};
    return QImage(pngBase + QStringLiteral(".png"));
}

// Every selected card's outline is where the layout puts it; the deselected
// one has no ink at all.
void CheckOutlines(const QImage &page, const model::TLabelPrintSettings &s, int tolerance)
{
    QCOMPARE(page.size(), QSize(2550, 3300));
    for (int k = 0; k < s.Across * s.Down; ++k) {
        const int c = k % s.Across;
        const int r = k / s.Across;
        const double x = s.LeftMargin + c * s.HorizontalPitch;
        const double y = s.TopMargin + r * s.VerticalPitch;
        const QRect expected(QPoint(int(std::nearbyint(x * 300)), int(std::nearbyint(y * 300))),
                             QPoint(int(std::nearbyint((x + s.CardWidth) * 300)) - 1,
                                    int(std::nearbyint((y + s.CardHeight) * 300)) - 1));
        const QRect found = test::InkBounds(page, expected.adjusted(-30, -30, 30, 30));
        if (!s.Selection[std::size_t(k)]) {
            QVERIFY2(found.isNull(), qPrintable(QStringLiteral("position %1 printed").arg(k + 1)));
            continue;
        }
        const auto near = [tolerance](int a, int b) { return std::abs(a - b) <= tolerance; };
        QVERIFY2(near(found.left(), expected.left()) && near(found.right(), expected.right()) &&
                     near(found.top(), expected.top()) && near(found.bottom(), expected.bottom()),
                 qPrintable(QStringLiteral("position %1: found %2,%3-%4,%5, expected %6,%7-%8,%9")
                                .arg(k + 1)
                                .arg(found.left())
                                .arg(found.top())
                                .arg(found.right())
                                .arg(found.bottom())
                                .arg(expected.left())
                                .arg(expected.top())
                                .arg(expected.right())
                                .arg(expected.bottom())));
        // An outline, not a filled card.
        QVERIFY(qGray(page.pixel(expected.center())) > 200);
    }
}

// Runs the status dialog's job on its printer report, as DoPrint does.
void PrintSheet(ui::TLabelPrinter &dialog, const model::TLabelPrintSettings &settings)
{
    dialog.Job.Settings = settings;
    dialog.LabelReportPrinter().SetPaperSize(engine::PaperLetter);
    dialog.LabelReportPrinter().SetResolution(300);
    dialog.LabelReportPrinter().SetCopies(1);
    dialog.Prepare(nullptr);
    dialog.FormActivate();
}

} // namespace

class TestPrintSheetE2E : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void outlineSheetToPdf();
    void outlineSheetThroughCupsQueue();
    void bottomMarginWarningBeforePrinting();
    void bottomMarginWarningForAnOrdinaryUser();

private:
    QString startScheduler();
    QTemporaryDir m_root;
    test::PrivateCups m_cups;
    QString m_why; // why the print queue cannot run here
};

void TestPrintSheetE2E::initTestCase()
{
    if (QStandardPaths::findExecutable(QStringLiteral("pdftoppm")).isEmpty())
        QSKIP("pdftoppm is missing");
    // A copy of this program run as an ordinary user talks to the
    // scheduler its parent started (CUPS_SERVER is inherited).
    if (qEnvironmentVariableIsSet("CW_E2E_ORDINARY_USER")) {
        m_why = qEnvironmentVariableIsEmpty("CUPS_SERVER") ? QStringLiteral("no scheduler") : QString();
        return;
    }
    // Before any printer is looked up: Qt's CUPS support keeps the server it
    // first talked to.
    m_why = startScheduler();
}

void TestPrintSheetE2E::cleanupTestCase()
{
    m_cups.Stop();
}

void TestPrintSheetE2E::outlineSheetToPdf()
{
    test::ScriptedInteraction interaction;
    const QString pdf = m_root.filePath(QStringLiteral("outline.pdf"));
    const model::TLabelPrintSettings settings = SheetSettings();
    ui::TLabelPrinter dialog;
    dialog.LabelReportPrinter().SetOutputFileName(pdf);
    PrintSheet(dialog, settings);
    QVERIFY2(dialog.Failure().isEmpty(), qPrintable(dialog.Failure()));
    QCOMPARE(dialog.StatusText(), QStringLiteral("\nBusiness Card sheet saved as\n") + pdf);
    const QImage page = Rasterise(pdf, m_root.filePath(QStringLiteral("outline")));
    QVERIFY(!page.isNull());
    CheckOutlines(page, settings, 0);
    const QByteArray shots = qgetenv("CW_PRINT_SHOTS");
    if (!shots.isEmpty()) {
        QDir().mkpath(QString::fromLocal8Bit(shots));
        page.save(QString::fromLocal8Bit(shots) + QStringLiteral("/printed-outline-sheet.png"));
    }
}

QString TestPrintSheetE2E::startScheduler()
{
    if (!QFile::exists(CupsPdfBackend) || !QFile::exists(CupsPdfPpd))
        return QStringLiteral("printer-driver-cups-pdf is not installed");
    if (const QString why = m_cups.Start(m_root.path()); !why.isEmpty())
        return why;
    const QString d = m_cups.Folder();
    QProcess admin;
    admin.start(QStringLiteral("lpadmin"), {"-p", QueueName, "-E", "-v", "cups-pdf:/", "-P", CupsPdfPpd});
    if (!admin.waitForFinished(30000) || admin.exitCode() != 0)
        return QStringLiteral("lpadmin failed: ") + QString::fromLocal8Bit(admin.readAllStandardError());
    QFile ppdSource(CupsPdfPpd);
    if (!ppdSource.open(QIODevice::ReadOnly))
        return QStringLiteral("cannot read the cups-pdf PPD");
    QByteArray ppd = ppdSource.readAll();
    const QByteArray full = "*ImageableArea Letter/US Letter: \"0 0 612 792\"";
    if (!ppd.contains(full))
        return QStringLiteral("the cups-pdf PPD has no full-sheet Letter area");
    ppd.replace(full, "*ImageableArea Letter/US Letter: \"18 47.52 594 756\"");
    test::PrivateCups::WriteFile(d + "/bottom.ppd", ppd);
    QProcess second;
    second.start(QStringLiteral("lpadmin"),
                 {"-p", BottomQueueName, "-E", "-v", "cups-pdf:/", "-P", d + "/bottom.ppd"});
    if (!second.waitForFinished(30000) || second.exitCode() != 0)
        return QStringLiteral("lpadmin failed: ") + QString::fromLocal8Bit(second.readAllStandardError());
    return {};
}

void TestPrintSheetE2E::outlineSheetThroughCupsQueue()
{
    if (!m_why.isEmpty())
        QSKIP(qPrintable(m_why));
    test::ScriptedInteraction interaction;
    const model::TLabelPrintSettings settings = SheetSettings();
    ui::TLabelPrinter dialog;
    const int index = int(printer::TReportPrinter::Printers().indexOf(QueueName));
    QVERIFY(index >= 0);
    dialog.LabelReportPrinter().SetPrinterIndex(index);
    QCOMPARE(dialog.LabelReportPrinter().PrinterName(), QueueName);

    const QDir output(QDir::homePath() + QStringLiteral("/PDF"));
    const QDateTime started = QDateTime::currentDateTime().addSecs(-1);
    PrintSheet(dialog, settings);
    QVERIFY2(dialog.Failure().isEmpty(), qPrintable(dialog.Failure()));

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
    const QImage page = Rasterise(produced, m_root.filePath(QStringLiteral("cups")));
    QFile::remove(produced);
    QVERIFY(!page.isNull());
    CheckOutlines(page, settings, 0);
}

// The print command on a printer with a 0.66 inch bottom margin: the
// warning shows with its margin texts; "Don't show this warning again" with
// "Cancel Printing" prints nothing, saves the switch, and the next print
// goes straight to the status dialog.
void TestPrintSheetE2E::bottomMarginWarningBeforePrinting()
{
    if (!m_why.isEmpty())
        QSKIP(qPrintable(m_why));
    test::TestFolder folder;
    test::ScriptedInteraction interaction;
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    ui::TMainScreen::hasPrinters = [] { return true; };
    ui::TMainScreen::defaultPrinterName = [] { return BottomQueueName; };
    ui::TMainScreen w;
    w.FormActivate();
    QVERIFY(w.ReportPrinter);
    const int index = int(printer::TReportPrinter::Printers().indexOf(BottomQueueName));
    QVERIFY(index >= 0);
    w.ReportPrinter->SetPrinterIndex(index);

    interaction.dialogs.enqueue([](QDialog &d) {
        dynamic_cast<ui::TSelectSpecificLabels &>(d).OKbuttonClick();
        return d.result();
    });
    QString botMarg, difference;
    interaction.dialogs.enqueue([&](QDialog &d) {
        auto &warning = dynamic_cast<ui::TWarnBottomMargin &>(d);
        botMarg = warning.BotMargText();
        difference = warning.DifferenceText();
        warning.SetDontShowAgain(true);
        return int(QDialog::Rejected);
    });
    w.mnuPrintClick();
    QCOMPARE(interaction.dialogsRun, 2);
    QVERIFY2(botMarg.endsWith(QStringLiteral(": 0.660 inches")), qPrintable(botMarg));
    QVERIFY2(difference.endsWith(QStringLiteral(": 0.160 inches")), qPrintable(difference));
    QVERIFY(!w.Preferences.ShowBottomMarginWarning);
    model::TIniFile ini(model::TIniFile::SettingsFileName());
    QCOMPARE(ini.ReadBool(QStringLiteral("Printer"), QStringLiteral("ShowBottomMarginWarning"), true), false);

    interaction.dialogs.enqueue([](QDialog &d) {
        dynamic_cast<ui::TSelectSpecificLabels &>(d).OKbuttonClick();
        return d.result();
    });
    interaction.dialogs.enqueue([](QDialog &) { return int(QDialog::Rejected); });
    w.mnuPrintClick();
    QCOMPARE(interaction.dialogsRun, 4);
    QCOMPARE(interaction.log.last(), QStringLiteral("dialog[Print Status]"));
}

// The same warning for a user who is not root.  The scheduler keeps a
// queue's PPD file readable by root and lp only, so the margins must come
// from the scheduler itself.  The test runs a copy of this program as the
// user "nobody" against this test's scheduler.
void TestPrintSheetE2E::bottomMarginWarningForAnOrdinaryUser()
{
    if (!m_why.isEmpty())
        QSKIP(qPrintable(m_why));
    if (const auto why = test::OrdinaryUserUnavailable())
        QSKIP(qPrintable(*why));
    const QString failure =
        test::RunAsOrdinaryUser(m_root.path(), QStringLiteral("bottomMarginWarningBeforePrinting"),
                                QStringLiteral("CW_E2E_ORDINARY_USER"));
    QVERIFY2(failure.isEmpty(), qPrintable(failure));
}

QTEST_MAIN(TestPrintSheetE2E)
#include "tst_printsheet_e2e.moc"
