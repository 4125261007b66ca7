// QR codes and barcodes as a phone or scanner sees them: the picture export
// and the printed PDF (rasterised at 300 dpi) are decoded with zbarimg and
// the decoded bytes compared with the text the object carries.  Also the
// common mechanisms every object goes through: the drawing tool, save and
// reopen, copy and paste, clone and undo.

#include "design/TGBusinessCardPanel32.h"
#include "design/TGHandle.h"
#include "design/model/TGLabelObjectFiler.h"
#include "objects/TObjectTools.h"
#include "objects/model/TGBarcode.h"
#include "objects/model/TGQRCode.h"
#include "objects/model/TSpecialEditors.h"
#include "objects/model/TVCardText.h"
#include "print/engine/Units.h"
#include "print/printer/TReportPrinter.h"
#include "support/BlockCompare.h"
#include "support/CardOutputs.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace cw::model;
using cw::ui::TGBusinessCardPanel32;

namespace {

class ScriptedEditors : public TSpecialEditors
{
public:
    int codeEdits = 0;
    std::optional<QFont> ChooseFont(const QFont &) override { return std::nullopt; }
    bool EditCircleText(TGPCircleText &) override { return false; }
    std::optional<QByteArray> EditRichText(TGPRichBaseLabel &) override { return std::nullopt; }
    bool EditCode(TGCodeObject &) override
    {
        ++codeEdits;
        return false;
    }
};

// What zbarimg reads in a picture file, without its closing line break;
// every symbol found, one a line.
QByteArray zbar(const QString &file)
{
    QProcess process;
    process.start(QStringLiteral("zbarimg"), {QStringLiteral("--raw"), QStringLiteral("-q"), file});
    if (!process.waitForFinished(60000))
        return QByteArray("<zbarimg hung>");
    QByteArray out = process.readAllStandardOutput();
    if (out.endsWith('\n'))
        out.chop(1);
    return out;
}

// The surface's objects printed into a PDF (one card at 1 inch, 1 inch on
// a Letter sheet), rasterised at 300 dpi into `png`.
bool printAndRasterise(TGBusinessCardPanel32 &surface, const QTemporaryDir &temp, const QString &png,
                       QString *error)
{
    const QString pdf = temp.filePath("sheet.pdf");
    cw::printer::TReportPrinter report;
    report.SetOutputFileName(pdf);
    report.SetResolution(600);
    report.SetPaperSize(cw::engine::PaperLetter);
    report.OnPrint = [&](cw::engine::TBaseReport &r) {
        r.MarginLeft = 0;
        r.MarginTop = 0;
        surface.setPrinting(true);
        surface.PrintObjects(r, 1.0, 1.0);
        surface.setPrinting(false);
    };
    report.Execute();
    QProcess process;
    const QString prefix = png.chopped(4);
    process.start(QStringLiteral("pdftoppm"), {"-r", "300", "-png", "-singlefile", "-x", "300", "-y", "300",
                                               "-W", "1050", "-H", "600", pdf, prefix});
    if (!process.waitForFinished(60000) || process.exitCode() != 0) {
        *error = QString::fromLocal8Bit(process.readAllStandardError());
        return false;
    }
    return true;
}

const char *czech = "Příliš žluťoučký kůň úpěl ďábelské ódy";
const char *german = "Grüße aus Köln: Straße, Maß und Äpfel";
const char *french = "Où êtes-vous ? Ça coûte 5 € à Noël, garçon";

} // namespace

class TestCodeOutputs : public QObject
{
    Q_OBJECT

    ScriptedEditors editors;
    QTemporaryDir temp;

private slots:
    void initTestCase()
    {
        if (QStandardPaths::findExecutable("zbarimg").isEmpty())
            QSKIP("zbarimg (zbar-tools) is not installed");
        if (QStandardPaths::findExecutable("pdftoppm").isEmpty())
            QSKIP("pdftoppm (poppler-utils) is not installed");
        TSpecialEditors::Install(&editors);
        QVERIFY(temp.isValid());
    }

    void qrDecodesFromExportAndPaper_data()
    {
        QTest::addColumn<int>("content");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("level");
        QTest::newRow("web address") << int(TCodeContent::Text) << "https://example.com/card?id=42&x=y" << 1;
        QTest::newRow("Czech") << int(TCodeContent::Text) << QString::fromUtf8(czech) << 0;
        QTest::newRow("German") << int(TCodeContent::Text) << QString::fromUtf8(german) << 3;
        QTest::newRow("French") << int(TCodeContent::Text) << QString::fromUtf8(french) << 2;
        QTest::newRow("contact card") << int(TCodeContent::VCard) << QString() << 1;
    }

    void qrDecodesFromExportAndPaper()
    {
        QFETCH(int, content);
        QFETCH(QString, text);
        QFETCH(int, level);
        TGBusinessCardPanel32 surface;
        surface.setPersonalInfo({QString::fromUtf8("Jiří Dvořák"), QString::fromUtf8("Žluťoučký kůň, s.r.o."),
                                 QString::fromUtf8("Geschäftsführer; Directeur général"),
                                 QString::fromUtf8("Náměstí Míru 15"), QString::fromUtf8("120 00 Praha 2"),
                                 QString::fromUtf8("Česká republika"), "+420 222 333 444", "+420 777 888 999",
                                 "jiri@kun.cz", "+420 222 333 445"});
        auto *qr = static_cast<TGQRCode *>(surface.AddObject(std::make_unique<TGQRCode>()));
        qr->SetBounds(20, 20, 144, 144);
        qr->SetContent(TCodeContent(content));
        qr->SetText(text);
        qr->SetLevel(TQRLevel(level));
        const QByteArray expected = qr->EncodedText().toUtf8();
        if (content == int(TCodeContent::VCard)) {
            QVERIFY(expected.startsWith("BEGIN:VCARD\r\n"));
            QVERIFY(expected.contains("FN:Jiří Dvořák\r\n"));
        }

        const QString exported = temp.filePath("export.png");
        QVERIFY(surface.RenderToBitmap().save(exported));
        QCOMPARE(zbar(exported), expected);

        const QString paper = temp.filePath("paper.png");
        QString error;
        QVERIFY2(printAndRasterise(surface, temp, paper, &error), qPrintable(error));
        QCOMPARE(zbar(paper), expected);
    }

    void contactCardFollowsAChangedPersonalInformation()
    {
        TGBusinessCardPanel32 surface;
        surface.setPersonalInfo({"Anna Berg", "", "", "", "", "", "", "", "anna@berg.de", ""});
        auto *qr = static_cast<TGQRCode *>(surface.AddObject(std::make_unique<TGQRCode>()));
        qr->SetBounds(10, 10, 150, 150);
        const QString file = temp.filePath("follow.png");
        QVERIFY(surface.RenderToBitmap().save(file));
        QVERIFY(zbar(file).contains("FN:Anna Berg\r\n"));
        surface.setPersonalInfo({QString::fromUtf8("Renée Côté"), "", "", "", "", "", "", "", "", ""});
        QVERIFY(surface.RenderToBitmap().save(file));
        QCOMPARE(zbar(file), TVCardText::Build({QString::fromUtf8("Renée Côté")}).toUtf8());
    }

    void linearBarcodesDecodeFromExportAndPaper_data()
    {
        QTest::addColumn<int>("symbology");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("Code 128") << int(TBarcodeSymbology::Code128) << "Card-26" << QByteArray("Card-26");
        QTest::newRow("EAN-13") << int(TBarcodeSymbology::Ean13) << "4006381333931"
                                << QByteArray("4006381333931");
        // zint adds the check digit to twelve digits.
        QTest::newRow("EAN-13 check digit")
            << int(TBarcodeSymbology::Ean13) << "590123412345" << QByteArray("5901234123457");
    }

    void linearBarcodesDecodeFromExportAndPaper()
    {
        QFETCH(int, symbology);
        QFETCH(QString, text);
        QFETCH(QByteArray, expected);
        TGBusinessCardPanel32 surface;
        auto *bar = static_cast<TGBarcode *>(surface.AddObject(std::make_unique<TGBarcode>()));
        // Two pixels a module in the picture: zbar does not read one-pixel bars.
        bar->SetBounds(10, 40, 300, 80);
        bar->SetSymbology(TBarcodeSymbology(symbology));
        bar->SetText(text);
        QVERIFY2(!bar->Matrix().IsNull(), qPrintable(bar->Matrix().Error()));
        const QString exported = temp.filePath("bar.png");
        QVERIFY(surface.RenderToBitmap().save(exported));
        QCOMPARE(zbar(exported), expected);
        const QString paper = temp.filePath("barpaper.png");
        QString error;
        QVERIFY2(printAndRasterise(surface, temp, paper, &error), qPrintable(error));
        QCOMPARE(zbar(paper), expected);
    }

    // Screen, picture export and paper show the same symbol: the same
    // module size and place, block by block (paper is rasterised at 96 dpi
    // from 600 dpi, so module edges carry mixed pixels).
    void screenExportAndPaperAgree()
    {
        TGBusinessCardPanel32 surface;
        surface.setCardSize(336, 192);
        surface.setPersonalInfo({QString::fromUtf8("Jiří Dvořák"), "", "", "", "", "", "+420 1", "", "", ""});
        auto *qr = static_cast<TGQRCode *>(surface.AddObject(std::make_unique<TGQRCode>()));
        qr->SetBounds(10, 10, 150, 150);
        qr->SetForeColor(0x800000); // navy
        auto *matrix = static_cast<TGBarcode *>(surface.AddObject(std::make_unique<TGBarcode>()));
        matrix->SetSymbology(TBarcodeSymbology::DataMatrix);
        matrix->SetBounds(180, 10, 110, 110);
        auto *bar = static_cast<TGBarcode *>(surface.AddObject(std::make_unique<TGBarcode>()));
        bar->SetBounds(170, 130, 160, 50);
        bar->SetText("CW-1");
        const cw::test::CardOutputs out = cw::test::RenderCardOutputs(surface);
        QVERIFY2(out.error.isEmpty(), qPrintable(out.error));
        QCOMPARE(out.exported.convertToFormat(QImage::Format_RGB32), out.screen);
        const cw::test::BlockCompare compare;
        const cw::test::BlockDifference worst = compare.Worst(out.screen, out.paper);
        QVERIFY2(worst.distance < 60, qPrintable(cw::test::BlockCompare::Describe(worst, "screen", "paper")));
    }

    void commandLineCarriesThePersonalInformationOfItsSettings()
    {
        // The command-line companion has no design surface: the contact card
        // comes from the personal information of its settings file.
        const QString program = QCoreApplication::applicationDirPath() + "/../cardwright-cli";
        if (!QFile::exists(program))
            QSKIP("build the cardwright-cli target first");
        QTemporaryDir folder;
        QFile ini(folder.filePath("CWR.INI"));
        QVERIFY(ini.open(QIODevice::WriteOnly));
        ini.write("[Personal]\r\nName=Fran\xc3\xa7oise L\xc3\xa9vy\r\nCompany=Caf\xc3\xa9 & Co\r\n"
                  "Email=f@cafe.fr\r\n");
        ini.close();
        TGQRCode qr;
        qr.SetBounds(20, 20, 150, 150);
        qr.Name = "Component0";
        TGLabelObjectFiler::WriteObjects({&qr}, folder.filePath("qr.cwr"));
        const QByteArray expected = TVCardText::Build({QString::fromUtf8("Françoise Lévy"), "Café & Co", "",
                                                       "", "", "", "", "", "f@cafe.fr"})
                                        .toUtf8();

        auto run = [&](const QStringList &args) {
            QProcess process;
            process.start(program, QStringList{"--folder", folder.path()} + args);
            return process.waitForFinished(60000) && process.exitCode() == 0;
        };
        QVERIFY(run({"render", folder.filePath("qr.cwr"), folder.filePath("qr.png")}));
        QCOMPARE(zbar(folder.filePath("qr.png")), expected);
        QVERIFY(run({"sheet", folder.filePath("qr.cwr"), folder.filePath("qr.pdf"), "--cards", "1"}));
        QProcess pdftoppm;
        pdftoppm.start("pdftoppm", {"-r", "300", "-png", "-singlefile", "-W", "1500", "-H", "1200",
                                    folder.filePath("qr.pdf"), folder.filePath("sheet")});
        QVERIFY(pdftoppm.waitForFinished(60000) && pdftoppm.exitCode() == 0);
        QCOMPARE(zbar(folder.filePath("sheet.png")), expected);
    }

    void toolCreatesTheObjectsAndOpensTheirProperties()
    {
        cw::ui::RegisterSpecialObjectTools(); // keeps the scripted editors
        TGBusinessCardPanel32 surface;
        surface.SetPanelState(cw::ui::psQRCode);
        TGGraphicControl *qr = surface.CreateObject(QRect(10, 10, 100, 100));
        QVERIFY(dynamic_cast<TGQRCode *>(qr));
        QCOMPARE(editors.codeEdits, 1);
        QCOMPARE(surface.PanelState(), cw::ui::psPointing);
        surface.SetPanelState(cw::ui::psBarcode);
        QVERIFY(dynamic_cast<TGBarcode *>(surface.CreateObject(QRect(10, 120, 200, 60))));
        QCOMPARE(editors.codeEdits, 2);
        QCOMPARE(surface.ObjectCount(), 2);
    }

    void saveCopyPasteCloneAndUndoKeepTheSymbol()
    {
        TGBusinessCardPanel32 surface;
        surface.SetClipboardPath(temp.filePath("Clipbrd.tmp"));
        auto *bar = static_cast<TGBarcode *>(surface.AddObject(std::make_unique<TGBarcode>()));
        bar->SetBounds(10, 10, 120, 120);
        bar->SetSymbology(TBarcodeSymbology::DataMatrix);
        bar->SetText(QString::fromUtf8(czech));
        bar->SetForeColor(0x800000);
        bar->SetQuietZone(3);
        const QImage original = surface.RenderToBitmap();
        const QByteArray originalDesign = surface.DesignSnapshot();
        // The symbol's modules as made, kept apart: the restore below frees `bar`.
        const auto modules = bar->Matrix();

        auto sameAs = [&](const TGGraphicControl *object) {
            auto *copy = dynamic_cast<const TGBarcode *>(object);
            return copy && copy->Symbology() == TBarcodeSymbology::DataMatrix &&
                   copy->Text() == QString::fromUtf8(czech) && copy->ForeColor() == 0x800000 &&
                   copy->QuietZone() == 3 && copy->Matrix() == modules;
        };

        // Save and reopen: the same picture.
        const QString file = temp.filePath("codes.cwr");
        surface.SaveToFile(file);
        TGBusinessCardPanel32 reopened;
        reopened.LoadFromFile(file);
        QCOMPARE(reopened.ObjectCount(), 1);
        QVERIFY(sameAs(reopened.ObjectAt(0)));
        QCOMPARE(reopened.RenderToBitmap(), original);

        // Copy and paste.
        surface.ClipboardCommand(bar, cw::ui::TClipboardCommand::Copy);
        surface.ClipboardCommand(nullptr, cw::ui::TClipboardCommand::Paste);
        QCOMPARE(surface.ObjectCount(), 2);
        QVERIFY(sameAs(surface.ObjectAt(1)));
        QCOMPARE(surface.ObjectAt(1)->StoredBounds(), QRect(25, 25, 120, 120));

        // Clone.
        surface.CloneObject(bar);
        QCOMPARE(surface.ObjectCount(), 3);
        QVERIFY(sameAs(surface.ObjectAt(2)));

        // Undo: the design put back from its snapshot.
        bar->SetText("changed");
        surface.RestoreDesign(originalDesign);
        QCOMPARE(surface.ObjectCount(), 1);
        QVERIFY(sameAs(surface.ObjectAt(0)));
        QCOMPARE(surface.RenderToBitmap(), original);
    }
};

QTEST_MAIN(TestCodeOutputs)
#include "tst_codeoutputs.moc"
