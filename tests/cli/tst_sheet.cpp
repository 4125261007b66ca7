// cardwright-cli sheet run as a user runs it: the sheet of a card written to
// PDF, rasterised at 300 dpi, every card where the layout, the nudges and the
// selection put it; the outline test page; backgrounds; one-line errors; a
// PDF that cannot be written leaves the old one as it was.
#include "app/model/TCardLayout.h"
#include "app/model/TCardStockDatabase.h"
#include "app/model/TIniFile.h"
#include "app/model/TPreferences.h"
#include "design/model/TBCShapes.h"
#include "design/model/TGLabelObjectFiler.h"
#include "print/SheetPdfCheck.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/resource.h>

using namespace cw;
using namespace cw::model;

namespace {

struct Result
{
    int code = -1;
    QString out;
    QString err;
};

QByteArray fileBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeSettings(const QString &path, const TCardLayout &layout, const TPrinterNudges &nudges)
{
    PrinterNudges() = nudges;
    TPreferences preferences;
    preferences.Layout = layout;
    TIniFile ini(path);
    preferences.Save(ini);
    PrinterNudges() = TPrinterNudges{};
}

// A card holding one black box of w x h pixels (96 per inch) at its corner,
// drawn without an outline so its ink ends where its bounds end.
void writeCard(const QString &path, int w, int h)
{
    TGLabelObjectFiler::ObjectList objects;
    if (w > 0) {
        auto box = std::make_unique<TBCShapes>();
        box->SetBounds(0, 0, w, h);
        box->SetShape(stRectangle);
        box->SetBrush(TGBrush{clBlack, bsSolid});
        box->SetPen(TGPen{clBlack, pmCopy, psClear, 1});
        objects.push_back(std::move(box));
    }
    TGLabelObjectFiler::WriteObjects(TGLabelObjectFiler::Refs(objects), path);
}

} // namespace

class TestSheet : public QObject
{
    Q_OBJECT

    QString m_program;
    QTemporaryDir m_dir;

    Result run(const QStringList &args)
    {
        QProcess process;
        process.start(m_program, QStringList{"--folder", m_dir.path()} + args);
        Result r;
        if (!process.waitForFinished(120000))
            return r;
        r.code = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
        r.out = QString::fromUtf8(process.readAllStandardOutput());
        r.err = QString::fromUtf8(process.readAllStandardError());
        return r;
    }
    QString path(const QString &name) const { return m_dir.filePath(name); }
    QList<QImage> pages(const QString &pdf) { return test::RasterisePdf(pdf, path("raster")); }

private slots:
    void initTestCase()
    {
        m_program = QCoreApplication::applicationDirPath() + "/../cardwright-cli";
        QVERIFY2(QFile::exists(m_program), "build the cardwright-cli target first");
        if (QStandardPaths::findExecutable(QStringLiteral("pdftoppm")).isEmpty())
            QSKIP("pdftoppm is missing");
    }

    // The program folder's settings: a Letter layout with gaps, every nudge
    // set; four chosen positions, two sheets.
    void letterSheetFromTheProgramFolderSettings()
    {
        const TCardLayout layout = test::LetterLayoutWithGaps();
        const TPrinterNudges nudges{3, -2, 2, -4};
        writeSettings(path("CWR.INI"), layout, nudges);
        writeCard(path("card.cwr"), 336, 192);

        const Result r =
            run({"sheet", path("card.cwr"), path("letter.pdf"), "--cards", "1,2,4,7", "--copies", "2"});
        QCOMPARE(r.err, QString());
        QCOMPARE(r.code, 0);
        QCOMPARE(r.out, QString());

        TLabelPrintSettings s = test::ExpectedSheet(layout, nudges);
        s.Selection = {true, true, false, true, false, false, true, false, false, false};
        const QList<QImage> sheets = pages(path("letter.pdf"));
        QCOMPARE(sheets.size(), 2);
        for (const QImage &page : sheets) {
            QCOMPARE(page.size(), QSize(2550, 3300));
            const QString fault = test::CheckSheet(page, s, {3.5, 2.0, false});
            QVERIFY2(fault.isEmpty(), qPrintable(fault));
        }
        QCOMPARE(sheets.at(0), sheets.at(1));
    }

    // Cards that run off the paper still print (cut off), with a warning
    // naming them; a layout that fits warns of nothing.
    void cardsOffThePaperAreNamed()
    {
        TCardLayout layout = test::LetterLayoutWithGaps();
        layout.Across = 3;
        layout.LeftMargin = 0.25f;
        layout.HPitch = 3.5f;
        writeSettings(path("three.ini"), layout, TPrinterNudges{});
        writeCard(path("three.cwr"), 336, 192);
        Result r = run({"sheet", path("three.cwr"), path("three.pdf"), "--settings", path("three.ini")});
        QCOMPARE(r.code, 0);
        QCOMPARE(r.err,
                 QStringLiteral("warning: cards 3, 6, 9 and 12 run off the paper and print cut off\n"));
        QVERIFY(QFileInfo(path("three.pdf")).size() > 0);
        r = run({"sheet", path("three.cwr"), path("three.pdf"), "--settings", path("three.ini"), "--cards",
                 "1,6"});
        QCOMPARE(r.err, QStringLiteral("warning: card 6 runs off the paper and prints cut off\n"));
        r = run({"sheet", path("three.cwr"), path("three.pdf"), "--settings", path("three.ini"), "--cards",
                 "1,2"});
        QCOMPARE(r.err, QString());
    }

    // --layout 10 is the tenth built-in layout (A4); the nudges still come
    // from the settings file named by --settings, whose own layout is ignored.
    void a4LayoutByNumberWithNudgesFromSettingsFile()
    {
        const TPrinterNudges nudges{-2, 1, 4, 8};
        writeSettings(path("other.ini"), test::LetterLayoutWithGaps(), nudges);
        writeCard(path("a4.cwr"), 340, 192);
        TCardLayout layout;
        QVERIFY(layout.ApplyPredefined(9));
        QCOMPARE(layout.Papersize, TCardLayout::PaperA4);

        const Result r =
            run({"sheet", path("a4.cwr"), path("a4.pdf"), "--layout", "10", "--settings", path("other.ini")});
        QCOMPARE(r.err, QString());
        QCOMPARE(r.code, 0);
        const QList<QImage> sheets = pages(path("a4.pdf"));
        QCOMPARE(sheets.size(), 1);
        // A4 is 595 x 842 points: 2480 x 3508 or 3509 pixels, as rounded.
        QCOMPARE(sheets.first().width(), 2480);
        QVERIFY(std::abs(sheets.first().height() - 3508) <= 1);
        const QString fault =
            test::CheckSheet(sheets.first(), test::ExpectedSheet(layout, nudges), {340 / 96.0, 2.0, false});
        QVERIFY2(fault.isEmpty(), qPrintable(fault));
    }

    // Stocks of more than ten cards and papers other than Letter and A4 print
    // every position: each card's mark (a 1 x 0.5 inch box at its corner)
    // within one device pixel of margin + column x pitch.
    void everyPositionOfLargeSheets_data()
    {
        QTest::addColumn<QString>("stock");
        QTest::addColumn<QStringList>("extra");
        QTest::addColumn<int>("cards");
        QTest::addColumn<QSize>("pixels");
        QTest::newRow("12-up A4") << "russian-a4-5x9" << QStringList() << 12 << QSize(2480, 3508);
        // Qt writes A3 as 842 x 1191 points.
        QTest::newRow("24-up A3") << "russian-a3-5x9" << QStringList() << 24 << QSize(3508, 4963);
        QTest::newRow("24-up on custom paper")
            << "russian-a3-5x9" << QStringList{"--paper", "300x430mm"} << 24 << QSize(3543, 5079);
    }
    void everyPositionOfLargeSheets()
    {
        QFETCH(QString, stock);
        QFETCH(QStringList, extra);
        QFETCH(int, cards);
        QFETCH(QSize, pixels);
        writeSettings(path("plain.ini"), TCardLayout{}, TPrinterNudges{});
        writeCard(path("mark.cwr"), 96, 48);
        const Result r = run(QStringList{"sheet", path("mark.cwr"), path("large.pdf"), "--settings",
                                         path("plain.ini"), "--layout", stock} +
                             extra);
        QCOMPARE(r.err, QString());
        QCOMPARE(r.code, 0);

        const TCardStockDatabase database; // the stock found lives in it
        const TCardStock *found = database.Find(stock);
        QVERIFY(found);
        TCardLayout layout;
        found->ApplyTo(layout);
        QCOMPARE(layout.CardCount(), cards);
        const QList<QImage> sheets = pages(path("large.pdf"));
        QCOMPARE(sheets.size(), 1);
        QVERIFY2(std::abs(sheets.first().width() - pixels.width()) <= 1,
                 qPrintable(QString::number(sheets.first().width())));
        QVERIFY2(std::abs(sheets.first().height() - pixels.height()) <= 1,
                 qPrintable(QString::number(sheets.first().height())));
        const QString fault = test::CheckSheet(sheets.first(), test::ExpectedSheet(layout, TPrinterNudges{}),
                                               {1.0, 0.5, false});
        QVERIFY2(fault.isEmpty(), qPrintable(fault));
    }

    void positionsPastTheTenthCanBeChosen()
    {
        writeSettings(path("plain.ini"), TCardLayout{}, TPrinterNudges{});
        writeCard(path("mark.cwr"), 96, 48);
        const Result r = run({"sheet", path("mark.cwr"), path("some.pdf"), "--settings", path("plain.ini"),
                              "--layout", "russian-a3-5x9", "--cards", "1,11,24"});
        QCOMPARE(r.err, QString());
        QCOMPARE(r.code, 0);
        TCardLayout layout;
        TCardStockDatabase().Find("russian-a3-5x9")->ApplyTo(layout);
        TCardSelection chosen;
        chosen.fill(false);
        chosen[0] = chosen[10] = chosen[23] = true;
        const QList<QImage> sheets = pages(path("some.pdf"));
        QCOMPARE(sheets.size(), 1);
        const QString fault = test::CheckSheet(
            sheets.first(), test::ExpectedSheet(layout, TPrinterNudges{}, chosen), {1.0, 0.5, false});
        QVERIFY2(fault.isEmpty(), qPrintable(fault));

        const Result beyond = run({"sheet", path("mark.cwr"), path("none.pdf"), "--settings",
                                   path("plain.ini"), "--layout", "russian-a3-5x9", "--cards", "25"});
        QCOMPARE(beyond.code, 1);
        QVERIFY2(beyond.err.contains("positions 1 to 24"), qPrintable(beyond.err));
        const Result unknown =
            run({"sheet", path("mark.cwr"), path("none.pdf"), "--layout", "no-such-stock"});
        QVERIFY2(unknown.err.contains("Unknown card stock no-such-stock"), qPrintable(unknown.err));
    }

    // Only the outline of each selected card; the design is not printed.
    void outlineTestPage()
    {
        const TPrinterNudges nudges{1, 1, 0, 8};
        writeSettings(path("CWR.INI"), test::LetterLayoutWithGaps(), nudges);
        writeCard(path("card.cwr"), 100, 50);
        const Result r =
            run({"sheet", path("card.cwr"), path("outline.pdf"), "--outline-test", "--cards", "2,3,8"});
        QCOMPARE(r.err, QString());
        QCOMPARE(r.code, 0);
        TLabelPrintSettings s = test::ExpectedSheet(test::LetterLayoutWithGaps(), nudges);
        s.Selection = {false, true, true, false, false, false, false, true, false, false};
        const QList<QImage> sheets = pages(path("outline.pdf"));
        QCOMPARE(sheets.size(), 1);
        const QString fault = test::CheckSheet(sheets.first(), s, {3.5, 2.0, true});
        QVERIFY2(fault.isEmpty(), qPrintable(fault));
    }

    // The background covers each card exactly: the one --background names,
    // otherwise the one the card's sidecar names.
    void backgroundFromOptionOrSidecar()
    {
        writeSettings(path("CWR.INI"), test::LetterLayoutWithGaps(), {0, 0, 0, 0});
        writeCard(path("plain.cwr"), 0, 0);
        QImage black(35, 20, QImage::Format_RGB32);
        black.fill(Qt::black);
        QVERIFY(black.save(path("black.bmp")));
        TLabelPrintSettings s = test::ExpectedSheet(test::LetterLayoutWithGaps(), {0, 0, 0, 0});

        const Result plain = run({"sheet", path("plain.cwr"), path("plain.pdf")});
        QCOMPARE(plain.code, 0);
        QList<QImage> sheets = pages(path("plain.pdf"));
        QCOMPARE(sheets.size(), 1);
        QVERIFY(test::InkBounds(sheets.first(), sheets.first().rect()).isNull());

        const Result option =
            run({"sheet", path("plain.cwr"), path("option.pdf"), "--background", path("black.bmp")});
        QCOMPARE(option.err, QString());
        QCOMPARE(option.code, 0);
        sheets = pages(path("option.pdf"));
        QCOMPARE(sheets.size(), 1);
        QString fault = test::CheckSheet(sheets.first(), s, {3.5, 2.0, false});
        QVERIFY2(fault.isEmpty(), qPrintable(fault));

        // A relative line names a picture of the program folder, not of the
        // current folder.
        QDir().mkpath(path("BG"));
        QVERIFY(black.save(path("BG/night.bmp")));
        QFile sidecar(path("plain.CWE"));
        QVERIFY(sidecar.open(QIODevice::WriteOnly));
        sidecar.write("BG/night.bmp\r\n");
        sidecar.close();
        const Result own = run({"sheet", path("plain.cwr"), path("own.pdf"), "--cards", "5"});
        QCOMPARE(own.code, 0);
        sheets = pages(path("own.pdf"));
        QCOMPARE(sheets.size(), 1);
        s.Selection = {false, false, false, false, true, false, false, false, false, false};
        fault = test::CheckSheet(sheets.first(), s, {3.5, 2.0, false});
        QVERIFY2(fault.isEmpty(), qPrintable(fault));
    }

    void badArgumentsGiveOneLineErrors_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("message");
        const QString card = QStringLiteral("card.cwr");
        const QString pdf = QStringLiteral("out.pdf");
        QTest::newRow("unknown option") << QStringList{card, pdf, "--colour"} << "Unknown option --colour";
        QTest::newRow("missing value")
            << QStringList{card, pdf, "--copies"} << "Option --copies needs a value";
        QTest::newRow("layout 0") << QStringList{card, pdf, "--layout", "0"}
                                  << "Unknown layout 0: give a number from 1 to 21";
        QTest::newRow("layout 22") << QStringList{card, pdf, "--layout", "22"}
                                   << "Unknown layout 22: give a number from 1 to 21";
        QTest::newRow("layout word") << QStringList{card, pdf, "--layout", "A4"}
                                     << "Unknown card stock A4: give a built-in layout number or a stock "
                                        "key such as avery-5371";
        QTest::newRow("paper")
            << QStringList{card, pdf, "--paper", "B5"}
            << "Unknown paper B5: give Letter, Legal, A3, A4, A5 or a size such as 210x297mm "
               "or 8.5x11in";
        QTest::newRow("card 0")
            << QStringList{card, pdf, "--cards", "1,0"}
            << "Invalid card position \"0\" in --cards 1,0: give positions from 1 to 300, "
               "separated by commas";
        QTest::newRow("card 301")
            << QStringList{card, pdf, "--cards", "301"}
            << "Invalid card position \"301\" in --cards 301: give positions from 1 to 300, "
               "separated by commas";
        QTest::newRow("empty card")
            << QStringList{card, pdf, "--cards", "1,,2"}
            << "Invalid card position \"\" in --cards 1,,2: give positions from 1 to 300, "
               "separated by commas";
        QTest::newRow("card off the sheet")
            << QStringList{card, pdf, "--cards", "2,9"}
            << "Card position 9 is not on the sheet: the layout has positions 1 to 8";
        QTest::newRow("no copies") << QStringList{card, pdf, "--copies", "0"}
                                   << "Invalid number of copies 0: give 1 to 99";
        QTest::newRow("too many copies")
            << QStringList{card, pdf, "--copies", "100"} << "Invalid number of copies 100: give 1 to 99";
        QTest::newRow("one file") << QStringList{card} << "sheet needs a card file and a PDF file name";
        QTest::newRow("not a pdf") << QStringList{card, "out.png"}
                                   << "Unknown output type out.png: use a .pdf file name";
        QTest::newRow("missing card") << QStringList{"gone.cwr", pdf} << "Cannot open file gone.cwr";
        QTest::newRow("missing settings")
            << QStringList{card, pdf, "--settings", "gone.ini"} << "Cannot open file gone.ini";
        QTest::newRow("missing background")
            << QStringList{card, pdf, "--background", "gone.bmp"} << "Cannot open file gone.bmp";
        QTest::newRow("background not printable")
            << QStringList{card, pdf, "--background", "picture.ico"}
            << "Cannot print picture.ico as a background: give a readable .bmp, .wmf, .png or .jpg picture";
    }

    void badArgumentsGiveOneLineErrors()
    {
        QFETCH(QStringList, args);
        QFETCH(QString, message);
        writeSettings(path("CWR.INI"), test::LetterLayoutWithGaps(), {0, 0, 0, 0});
        writeCard(path("card.cwr"), 10, 10);
        QImage picture(4, 4, QImage::Format_RGB32);
        picture.fill(Qt::red);
        QVERIFY(picture.save(path("picture.ico")));
        QFile::remove(path("out.pdf"));

        QProcess process;
        process.setWorkingDirectory(m_dir.path());
        process.start(m_program, QStringList{"--folder", m_dir.path(), "sheet"} + args);
        QVERIFY(process.waitForFinished(60000));
        QCOMPARE(process.exitCode(), 1);
        QCOMPARE(QString::fromUtf8(process.readAllStandardError()), message + QLatin1Char('\n'));
        QCOMPARE(process.readAllStandardOutput(), QByteArray());
        QVERIFY(!QFile::exists(path("out.pdf")));
    }

    // A sheet that cannot be written whole (the disk fills up part way, the
    // folder is gone): a one-line error, the PDF that was there keeps its
    // bytes, nothing is left beside it.  A name at the file system's length
    // limit is written like any other.
    void failedWriteKeepsTheOldPdf()
    {
        writeSettings(path("CWR.INI"), test::LetterLayoutWithGaps(), {0, 0, 0, 0});
        writeCard(path("card.cwr"), 336, 192);
        QDir().mkpath(path("keep"));
        const QString target = path("keep/sheet.pdf");
        const QByteArray old("%PDF-1.4 the sheet printed last week");
        {
            QFile f(target);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(old);
        }
        QProcess process;
        process.setChildProcessModifier([] {
            std::signal(SIGXFSZ, SIG_IGN);
            rlimit limit{600, RLIM_INFINITY};
            setrlimit(RLIMIT_FSIZE, &limit);
        });
        process.start(m_program, {"--folder", m_dir.path(), "sheet", path("card.cwr"), target});
        QVERIFY(process.waitForFinished(60000));
        QCOMPARE(process.exitStatus(), QProcess::NormalExit);
        QCOMPARE(process.exitCode(), 1);
        QCOMPARE(QString::fromUtf8(process.readAllStandardError()),
                 QStringLiteral("The file %1 could not be written.\n").arg(target));
        QCOMPARE(fileBytes(target), old);
        QCOMPARE(QDir(path("keep")).entryList(QDir::Files | QDir::Hidden), QStringList{"sheet.pdf"});

        const Result noFolder = run({"sheet", path("card.cwr"), path("gone/sheet.pdf")});
        QCOMPARE(noFolder.code, 1);
        QCOMPARE(noFolder.err,
                 QStringLiteral("The file %1 could not be written.\n").arg(path("gone/sheet.pdf")));

        const QString longName = path("keep/") + QString(246, QLatin1Char('x')) + QStringLiteral(".pdf");
        const Result longer = run({"sheet", path("card.cwr"), longName});
        QCOMPARE(longer.err, QString());
        QCOMPARE(longer.code, 0);
        QCOMPARE(pages(longName).size(), 1);
        QCOMPARE(QDir(path("keep")).entryList(QDir::Files | QDir::Hidden).size(), 2);

        // A link to the sheet stays a link; the file it names gets the sheet.
        QVERIFY(QFile::link(target, path("link.pdf")));
        const Result linked = run({"sheet", path("card.cwr"), path("link.pdf")});
        QCOMPARE(linked.code, 0);
        QVERIFY(QFileInfo(path("link.pdf")).isSymLink());
        QCOMPARE(pages(target).size(), 1);
    }
};

QTEST_MAIN(TestSheet)
#include "tst_sheet.moc"
