// The designer prints both sides of a card with a back: Save Sheet As PDF
// writes each sheet's front page and then its back page with every back card
// behind its front card; a printer without duplex gets the fronts, the user
// is told how to turn the stack, then the backs; a one-sided card prints as
// before; the print-shop PDF gets the back as its second page.
#include "app/TMainScreen.h"
#include "app/TPrintShopDialog.h"
#include "design/model/TBCShapes.h"
#include "print/SheetPdfCheck.h"
#include "print/TLabelPrinter.h"
#include "print/TSelectSpecificLabels.h"
#include "support/ScriptedInteraction.h"
#include "support/TestFolder.h"

#include <QAction>
#include <QStandardPaths>
#include <QtTest>

using namespace cw;
using namespace cw::model;

namespace {

std::function<int(QDialog &)> chooseAllCards(int sheets)
{
    return [=](QDialog &d) {
        auto &dialog = dynamic_cast<ui::TSelectSpecificLabels &>(d);
        dialog.SetPages(sheets);
        dialog.OKbuttonClick();
        return d.result();
    };
}

std::function<int(QDialog &)> runJob()
{
    return [](QDialog &d) {
        dynamic_cast<ui::TLabelPrinter &>(d).FormActivate();
        return int(QDialog::Accepted);
    };
}

} // namespace

class TestSheetBothSides : public QObject
{
    Q_OBJECT

    test::TestFolder *m_folder = nullptr;
    test::ScriptedInteraction *m_script = nullptr;

    static void addBox(ui::TMainScreen &w, QRect r)
    {
        auto *box =
            static_cast<TBCShapes *>(w.BusinessCardPanel()->PlaceNewObject(std::make_unique<TBCShapes>(), r));
        box->SetBounds(r.left(), r.top(), r.width(), r.height());
        box->SetBrush(TGBrush{clBlack, bsSolid});
        box->SetPen(TGPen{clBlack, pmCopy, psClear, 1});
    }
    // A card whose front holds a box inset 16 pixels and whose back holds a
    // box inset 40 pixels and a tag in its top-left corner; shown: `side`.
    std::unique_ptr<ui::TMainScreen> window(TCardSide side, bool withBack = true)
    {
        auto w = std::make_unique<ui::TMainScreen>();
        w->FormActivate();
        w->Layout() = test::LetterLayoutWithGaps();
        w->SetCardSizeFromInches();
        addBox(*w, QRect(16, 16, 336 - 32, 192 - 32));
        if (withBack) {
            w->ShowCardSide(TCardSide::Back);
            addBox(*w, QRect(40, 40, 336 - 80, 192 - 80));
            addBox(*w, QRect(2, 2, 8, 8));
        }
        w->ShowCardSide(side);
        m_script->log.clear();
        m_script->informations.clear();
        return w;
    }
    QList<QImage> pages(const QString &pdf) { return test::RasterisePdf(pdf, m_folder->file("raster")); }

    static QString checkBacks(const QImage &front, const QImage &back, QPoint offset = {})
    {
        return test::CheckBacks(front, back,
                                test::ExpectedSheet(test::LetterLayoutWithGaps(), TPrinterNudges{}),
                                {TBinding::LongEdge, offset.x(), offset.y()});
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
        ui::TMainScreen::hasPrinters = [] { return false; };
        PrinterNudges() = TPrinterNudges{};
    }
    void cleanup()
    {
        delete m_script;
        delete m_folder;
        PrinterNudges() = TPrinterNudges{};
    }

    // Saved while the back is on screen: front pages hold the front, back
    // pages the back, sheet after sheet; with an offset the backs move.
    void sheetPdfWritesFrontThenBackPages()
    {
        auto w = window(TCardSide::Back);
        PrinterNudges().Back = TBackRegistration{TBinding::LongEdge, 4, -3};
        const QString pdf = m_folder->file("both.pdf");
        m_script->fileNames.enqueue(pdf);
        m_script->dialogs.enqueue(chooseAllCards(2));
        m_script->dialogs.enqueue(runJob());
        w->mnuSaveSheetAsPdfClick();
        const QList<QImage> sheet = pages(pdf);
        QCOMPARE(sheet.size(), 4);
        QString fault = checkBacks(sheet.at(0), sheet.at(1), QPoint(4, -3));
        QVERIFY2(fault.isEmpty(), qPrintable(fault));
        QCOMPARE(sheet.at(2), sheet.at(0));
        QCOMPARE(sheet.at(3), sheet.at(1));
        // The front page is the front's design: its box reaches 16 pixels
        // from the card's edge (the back's only 40).
        const QRect first = test::InkBounds(sheet.at(0), test::CellPixels(0.55, 0.75, 3.5, 2.0));
        QVERIFY(std::abs(first.left() - qRound((0.55 + 16 / 96.0) * 300)) <= 1);
        QCOMPARE(w->CardSide(), TCardSide::Back);

        // A card without a back prints one page per sheet, as it always did.
        auto single = window(TCardSide::Front, false);
        m_script->fileNames.enqueue(m_folder->file("single.pdf"));
        m_script->dialogs.enqueue(chooseAllCards(1));
        m_script->dialogs.enqueue(runJob());
        single->mnuSaveSheetAsPdfClick();
        const QList<QImage> one = pages(m_folder->file("single.pdf"));
        QCOMPARE(one.size(), 1);
        QCOMPARE(one.at(0), sheet.at(0));
    }

    // A printer without duplex: the fronts print, the user is asked to turn
    // the stack over and told how, and the backs follow on their own.
    void withoutDuplexTheStackIsTurnedOverByHand()
    {
        ui::TMainScreen::hasPrinters = [] { return true; };
        ui::TMainScreen::defaultPrinterName = [] { return QStringLiteral("Office"); };
        auto w = window(TCardSide::Front);
        QVERIFY(w->ReportPrinter);
        const QString pdf = m_folder->file("passes.pdf");
        w->ReportPrinter->SetOutputFileName(pdf);
        QVERIFY(!w->ReportPrinter->SupportsDuplex());

        // The user stops after the fronts.
        m_script->dialogs.enqueue(chooseAllCards(1));
        m_script->dialogs.enqueue(runJob());
        m_script->answers.enqueue(false);
        w->mnuPrintClick();
        QCOMPARE(m_script->questions.size(), 1);
        QVERIFY2(m_script->questions.first().contains("turn the stack over from left to right"),
                 qPrintable(m_script->questions.first()));
        const QList<QImage> fronts = pages(pdf);
        QCOMPARE(fronts.size(), 1);

        // The user turns the stack: the second pass holds the backs alone.
        m_script->questions.clear();
        m_script->dialogs.enqueue(chooseAllCards(1));
        m_script->dialogs.enqueue(runJob());
        m_script->dialogs.enqueue(runJob());
        m_script->answers.enqueue(true);
        w->mnuPrintClick();
        QCOMPARE(m_script->questions.size(), 1);
        const QList<QImage> backs = pages(pdf);
        QCOMPARE(backs.size(), 1);
        const QString fault = checkBacks(fronts.at(0), backs.at(0));
        QVERIFY2(fault.isEmpty(), qPrintable(fault));

        // Short-edge binding says so.
        PrinterNudges().Back.Binding = TBinding::ShortEdge;
        m_script->questions.clear();
        m_script->dialogs.enqueue(chooseAllCards(1));
        m_script->dialogs.enqueue(runJob());
        w->mnuPrintClick();
        QVERIFY(m_script->questions.value(0).contains("from top to bottom"));
    }

    void printShopPdfGetsTheBackAsItsSecondPage()
    {
        auto w = window(TCardSide::Front);
        m_script->dialogs.enqueue([](QDialog &d) {
            static_cast<ui::TPrintShopDialog &>(d).CropMarksCheck->setChecked(false);
            return int(QDialog::Accepted);
        });
        const QString pdf = m_folder->file("shop.pdf");
        m_script->fileNames.enqueue(pdf);
        w->mnuExportPrintShopClick();
        QList<QImage> shop = pages(pdf);
        QCOMPARE(shop.size(), 2);
        // 3 mm of bleed round the card: the front's box starts 16 pixels in,
        // the back's 40, and the back's tag sits in its corner.
        const int bleed = qRound(3 / 25.4 * 300);
        QCOMPARE(shop.at(0).size(), shop.at(1).size());
        const QRect front = test::InkBounds(shop.at(0), shop.at(0).rect());
        QVERIFY(std::abs(front.left() - (bleed + 50)) <= 1);
        QVERIFY(qGray(shop.at(1).pixel(bleed + 18, bleed + 18)) < 128);
        QVERIFY(qGray(shop.at(0).pixel(bleed + 18, bleed + 18)) > 128);

        // Without a back, one page as before.
        auto single = window(TCardSide::Front, false);
        m_script->dialogs.enqueue([](QDialog &) { return int(QDialog::Accepted); });
        m_script->fileNames.enqueue(m_folder->file("single.pdf"));
        single->mnuExportPrintShopClick();
        QCOMPARE(pages(m_folder->file("single.pdf")).size(), 1);
    }
};

QTEST_MAIN(TestSheetBothSides)
#include "tst_sheetbothsides.moc"
