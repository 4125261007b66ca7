// Double-sided sheets from cardwright-cli sheet: every back card lands behind
// its front card once the printed page is turned over about the binding
// edge, also with a back-side registration offset; the registration test
// page; a card without a back; option errors.
#include "app/model/TCardFiles.h"
#include "app/model/TCardLayout.h"
#include "app/model/TIniFile.h"
#include "app/model/TPreferences.h"
#include "design/model/TBCShapes.h"
#include "design/model/TGLabelObjectFiler.h"
#include "print/SheetPdfCheck.h"

#include <QCoreApplication>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace cw;
using namespace cw::model;

namespace {

void writeSettings(const QString &path, const TCardLayout &layout, const TBackRegistration &back)
{
    PrinterNudges() = TPrinterNudges{};
    PrinterNudges().Back = back;
    TPreferences preferences;
    preferences.Layout = layout;
    TIniFile ini(path);
    preferences.Save(ini);
    PrinterNudges() = TPrinterNudges{};
}

// A card of 336 x 192 pixels (3.5 x 2 inches) holding one black box inset by
// `inset` pixels on every side, so that the box's centre is the card's
// centre; `tag` adds a small box in the card's top-left corner, which shows
// which way up the card was printed.
void writeCard(const QString &path, int inset, bool tag)
{
    TGLabelObjectFiler::ObjectList objects;
    auto add = [&objects](QRect r) {
        auto box = std::make_unique<TBCShapes>();
        box->SetBounds(r.left(), r.top(), r.width(), r.height());
        box->SetShape(stRectangle);
        box->SetBrush(TGBrush{clBlack, bsSolid});
        box->SetPen(TGPen{clBlack, pmCopy, psClear, 1});
        objects.push_back(std::move(box));
    };
    add(QRect(inset, inset, 336 - 2 * inset, 192 - 2 * inset));
    if (tag)
        add(QRect(2, 2, 8, 8));
    TGLabelObjectFiler::WriteObjects(TGLabelObjectFiler::Refs(objects), path);
}

} // namespace

class TestTwoSided : public QObject
{
    Q_OBJECT

    QString m_program;
    QTemporaryDir m_dir;

    int run(const QStringList &args, QString *err = nullptr)
    {
        QProcess process;
        process.start(m_program, QStringList{"--folder", m_dir.path()} + args);
        if (!process.waitForFinished(120000))
            return -1;
        if (err)
            *err = QString::fromUtf8(process.readAllStandardError());
        return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
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
        writeCard(path("card.cwr"), 16, false);
        writeCard(TCardFiles::BackPath(path("card.cwr")), 40, true);
    }

    void backsLandBehindTheirFronts_data()
    {
        QTest::addColumn<int>("binding");
        QTest::addColumn<int>("horizontal");
        QTest::addColumn<int>("vertical");
        QTest::newRow("long edge") << int(TBinding::LongEdge) << 0 << 0;
        QTest::newRow("short edge") << int(TBinding::ShortEdge) << 0 << 0;
        QTest::newRow("long edge, offset") << int(TBinding::LongEdge) << 3 << -5;
        QTest::newRow("short edge, offset") << int(TBinding::ShortEdge) << -7 << 2;
    }
    void backsLandBehindTheirFronts()
    {
        QFETCH(int, binding);
        QFETCH(int, horizontal);
        QFETCH(int, vertical);
        const TBackRegistration registration{TBinding(binding), horizontal, vertical};
        const TCardLayout layout = test::LetterLayoutWithGaps();
        // The binding is the settings' own; --binding names it again.
        writeSettings(path("CWR.INI"), layout, registration);
        const QString pdf = path("both.pdf");
        QString err;
        QCOMPARE(run({"sheet", path("card.cwr"), pdf, "--both-sides", "--copies", "2"}, &err), 0);
        QCOMPARE(err, QString());
        const QList<QImage> sheet = pages(pdf);
        QCOMPARE(sheet.size(), 4); // front, back, front, back
        const TLabelPrintSettings s = test::ExpectedSheet(layout, TPrinterNudges{});
        QString fault = test::CheckBacks(sheet.at(0), sheet.at(1), s, registration);
        QVERIFY2(fault.isEmpty(), qPrintable(fault));
        QCOMPARE(sheet.at(2), sheet.at(0));
        QCOMPARE(sheet.at(3), sheet.at(1));
        // The front page is the one-sided sheet, and the back is its own
        // design drawn upright: the tag sits at the top left of the back
        // page's first card, wherever that card is.
        QCOMPARE(run({"sheet", path("card.cwr"), path("front.pdf")}), 0);
        QCOMPARE(pages(path("front.pdf")).value(0), sheet.at(0));
        const QImage &back = sheet.at(1);
        const double step = 1.0 / 32;
        const double left = registration.Binding == TBinding::LongEdge ? 8.5 - 0.55 - 3.5 : 0.55;
        const double top = registration.Binding == TBinding::LongEdge ? 0.75 : 11 - 0.75 - 2;
        const QRect tag = test::CellPixels(left + horizontal * step + 2 / 96.0,
                                           top + vertical * step + 2 / 96.0, 8 / 96.0, 8 / 96.0);
        QVERIFY(qGray(back.pixel(tag.center())) < 128);

        // --binding overrides the settings.
        const TBinding other =
            registration.Binding == TBinding::LongEdge ? TBinding::ShortEdge : TBinding::LongEdge;
        QCOMPARE(run({"sheet", path("card.cwr"), pdf, "--both-sides", "--binding",
                      other == TBinding::LongEdge ? "long" : "short"}),
                 0);
        const QList<QImage> flipped = pages(pdf);
        QCOMPARE(flipped.size(), 2);
        fault = test::CheckBacks(flipped.at(0), flipped.at(1), s, {other, horizontal, vertical});
        QVERIFY2(fault.isEmpty(), qPrintable(fault));
    }

    void registrationTestPageHasCrossesBehindEachOther()
    {
        const TCardLayout layout = test::LetterLayoutWithGaps();
        const TBackRegistration registration{TBinding::LongEdge, 2, 4};
        writeSettings(path("CWR.INI"), layout, registration);
        QCOMPARE(run({"sheet", path("card.cwr"), path("cross.pdf"), "--registration-test"}), 0);
        const QList<QImage> sheet = pages(path("cross.pdf"));
        QCOMPARE(sheet.size(), 2);
        const TLabelPrintSettings s = test::ExpectedSheet(layout, TPrinterNudges{});
        // A cross, not the design: the card's centre is inked, its corner is not.
        const QRect first = test::CellPixels(s.LeftMargin, s.TopMargin, s.CardWidth, s.CardHeight);
        QVERIFY(qGray(sheet.at(0).pixel(first.center())) < 200);
        QVERIFY(
            test::InkBounds(sheet.at(0), first.adjusted(0, 0, -first.width() / 2, -first.height() / 2), 250)
                .width() < 100);
        const QString fault = test::CheckBacks(sheet.at(0), sheet.at(1), s, registration, 250);
        QVERIFY2(fault.isEmpty(), qPrintable(fault));
    }

    void printShopCardHasTheBackAsItsSecondPage()
    {
        writeSettings(path("CWR.INI"), test::LetterLayoutWithGaps(), {});
        QCOMPARE(run({"card", path("card.cwr"), path("shop.pdf")}), 0);
        const QList<QImage> shop = pages(path("shop.pdf"));
        QCOMPARE(shop.size(), 2);
        // 3 mm of bleed: the back's tag sits in the back page's top-left
        // corner, the front has none there.
        const int corner = qRound(3 / 25.4 * test::SheetDpi + 6 / 96.0 * test::SheetDpi);
        QVERIFY(qGray(shop.at(1).pixel(corner, corner)) < 128);
        QVERIFY(qGray(shop.at(0).pixel(corner, corner)) > 128);
        writeCard(path("alone.cwr"), 16, false);
        QCOMPARE(run({"card", path("alone.cwr"), path("alone.pdf")}), 0);
        QCOMPARE(pages(path("alone.pdf")).size(), 1);
    }

    void cardWithoutABackPrintsBlankBacks()
    {
        writeSettings(path("CWR.INI"), test::LetterLayoutWithGaps(), {});
        writeCard(path("single.cwr"), 16, false);
        QCOMPARE(run({"sheet", path("single.cwr"), path("single.pdf"), "--both-sides"}), 0);
        const QList<QImage> sheet = pages(path("single.pdf"));
        QCOMPARE(sheet.size(), 2);
        QVERIFY(test::InkBounds(sheet.at(1), sheet.at(1).rect()).isNull());
        QString err;
        QCOMPARE(run({"sheet", path("single.cwr"), path("x.pdf"), "--binding", "diagonal"}, &err), 1);
        QVERIFY2(err.contains("Unknown binding diagonal: give long or short"), qPrintable(err));
    }
};

QTEST_MAIN(TestTwoSided)
#include "tst_twosided.moc"
