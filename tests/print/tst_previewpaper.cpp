// The preview window's page against the paper: the page the Preview command
// shows has the layout's paper size, and the card the preview window shows
// (its recorded page replayed) looks like the same card in the PDF sheet,
// compared in 6 x 6 pixel blocks at the same resolution.
#include "app/TMainScreen.h"
#include "design/model/TBCShapes.h"
#include "print/TFilePreview.h"
#include "print/TLabelPrinter.h"
#include "print/TPreviewForm.h"
#include "print/TSelectSpecificLabels.h"
#include "support/ScriptedInteraction.h"
#include "support/TestFolder.h"
#include "text/model/TGPLabel.h"

#include <QProcess>
#include <QStandardPaths>
#include <QtTest>

using namespace cw;
using namespace cw::model;

namespace {

// The resolution both pages are compared at: the preview at 200 % zoom.
constexpr int CompareDpi = 192;
constexpr int Block = 6;

// The status dialog runs its job as when it is shown.
int RunJob(QDialog &d)
{
    dynamic_cast<ui::TLabelPrinter &>(d).FormActivate();
    return QDialog::Accepted;
}

// The preview window as the user opens it; `page` gets the page it shows at
// `zoom`, without the grey border and shadow around the sheet.
std::function<int(QDialog &)> ShowPreview(QImage *page, float zoom, QString *caption)
{
    return [=](QDialog &d) {
        auto &form = dynamic_cast<ui::TPreviewForm &>(d);
        form.FormActivate();
        *caption = form.windowTitle();
        ui::TFilePreview &preview = form.FilePreview();
        preview.SetMarginPercent(0);
        preview.SetShadowDepth(0);
        preview.SetZoomFactor(zoom);
        *page = preview.RenderCurrentPage().convertToFormat(QImage::Format_RGB32);
        return int(QDialog::Accepted);
    };
}

// Rasterises the only page of a PDF at CompareDpi; null when pdftoppm fails.
QImage RasterisePage(const QString &pdf, const QString &pngBase)
{
    QProcess raster;
    raster.start(QStringLiteral("pdftoppm"),
                 {"-r", QString::number(CompareDpi), "-png", "-singlefile", pdf, pngBase});
    if (!raster.waitForFinished(60000) || raster.exitStatus() != QProcess::NormalExit ||
        raster.exitCode() != 0)
        return {};
    return QImage(pngBase + QStringLiteral(".png")).convertToFormat(QImage::Format_RGB32);
}

// Largest per-channel difference of the mean colours of two blocks.
int BlockDifference(const QImage &a, const QRect &blockA, const QImage &b, const QRect &blockB)
{
    long sum[2][3] = {};
    for (int y = 0; y < blockA.height(); ++y)
        for (int x = 0; x < blockA.width(); ++x) {
            const QRgb pa = a.pixel(blockA.left() + x, blockA.top() + y);
            const QRgb pb = b.pixel(blockB.left() + x, blockB.top() + y);
            sum[0][0] += qRed(pa), sum[0][1] += qGreen(pa), sum[0][2] += qBlue(pa);
            sum[1][0] += qRed(pb), sum[1][1] += qGreen(pb), sum[1][2] += qBlue(pb);
        }
    const long n = long(blockA.width()) * blockA.height();
    long worst = 0;
    for (int c = 0; c < 3; ++c)
        worst = std::max(worst, std::abs(sum[0][c] - sum[1][c]) / n);
    return int(worst);
}

// Compares `area` of the two pages block by block.  Glyph edges may fall a
// pixel apart in two rasterisers, so each block of `a` is matched against
// the same block of `b` moved by up to one pixel; a colour that differs
// (text in grey or in another object's colour) differs at every shift.
// Returns the worst block and its difference.
std::pair<QRect, int> WorstBlock(const QImage &a, const QImage &b, const QRect &area)
{
    std::pair<QRect, int> worst{QRect(), -1};
    for (int y = area.top(); y + Block <= area.bottom() + 1; y += Block)
        for (int x = area.left(); x + Block <= area.right() + 1; x += Block) {
            const QRect block(x, y, Block, Block);
            int best = INT_MAX;
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx)
                    best = std::min(best, BlockDifference(a, block, b, block.translated(dx, dy)));
            if (best > worst.second)
                worst = {block, best};
        }
    return worst;
}

} // namespace

class TestPreviewPaper : public QObject
{
    Q_OBJECT

    test::TestFolder *m_folder = nullptr;
    test::ScriptedInteraction *m_script = nullptr;

    std::unique_ptr<ui::TMainScreen> window(const TCardLayout &layout)
    {
        auto w = std::make_unique<ui::TMainScreen>();
        w->FormActivate();
        w->Layout() = layout;
        w->SetCardSizeFromInches();
        return w;
    }

private slots:
    void init()
    {
        m_folder = new test::TestFolder;
        m_script = new test::ScriptedInteraction;
        ui::TMainScreen::hasPrinters = [] { return true; };
        ui::TMainScreen::defaultPrinterName = [] { return QStringLiteral("Office"); };
        PrinterNudges() = TPrinterNudges{};
    }
    void cleanup()
    {
        delete m_script;
        delete m_folder;
    }

    // The preview page is the layout's paper: A4 for an A4 stock, Letter
    // for a Letter one, whichever paper the previous command used.
    void previewPageHasTheLayoutsPaper()
    {
        struct Case
        {
            int predefined;
            QSize page; // at 100 %, 96 pixels per inch, rounded up
        };
        // L7413 (A4): 8.268 x 11.693 inches; 5371 (Letter): 8.5 x 11.
        for (const Case &c : {Case{9, {794, 1123}}, Case{0, {816, 1056}}, Case{12, {794, 1123}}}) {
            TCardLayout layout;
            QVERIFY(layout.ApplyPredefined(c.predefined));
            auto w = window(layout);
            QImage page;
            QString caption;
            m_script->dialogs.enqueue(RunJob);
            m_script->dialogs.enqueue(ShowPreview(&page, 100, &caption));
            w->mnuPreviewClick();
            QCOMPARE(caption, QStringLiteral("Preview Page 1 of 1"));
            QCOMPARE(page.size(), c.page);
            // The card's silver outline sits at the layout's first position.
            const auto inkNear = [&page](double xInches, double yInches) {
                const QPoint at(int(std::lround(xInches * 96)), int(std::lround(yInches * 96)));
                int darkest = 255;
                for (int dy = -1; dy <= 1; ++dy)
                    for (int dx = -1; dx <= 1; ++dx)
                        darkest = std::min(darkest, qGray(page.pixel(at + QPoint(dx, dy))));
                return darkest < 230;
            };
            const double left = layout.LeftMargin;
            const double top = layout.TopMargin;
            QVERIFY2(inkNear(left, top + 1) && inkNear(left + 1, top) &&
                         inkNear(left + layout.Width, top + 1) && !inkNear(left + 1, top + 1),
                     qPrintable(QStringLiteral("layout %1").arg(c.predefined)));
        }
    }

    // A red box, then black text beside it and over it: the preview window
    // shows the first card as the PDF sheet has it, block for block.
    void previewMatchesThePrintedSheet()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftoppm")).isEmpty())
            QSKIP("pdftoppm is missing");
        TCardLayout layout; // Letter, first card at (0.75, 0.5) inches
        auto w = window(layout);
        ui::TGBasePanel &surface = *w->BusinessCardPanel();
        auto *box = static_cast<TBCShapes *>(
            surface.PlaceNewObject(std::make_unique<TBCShapes>(), QRect(20, 20, 140, 70)));
        box->SetBrush(TGBrush{clRed, bsSolid});
        box->SetPen(TGPen{clRed, pmCopy, psClear, 1});
        TGFont font;
        font.Height = -32;
        font.Style = fsBold;
        for (const QPoint at : {QPoint(30, 110), QPoint(40, 40)}) {
            auto *text = static_cast<TGPLabel *>(
                surface.PlaceNewObject(std::make_unique<TGPLabel>(), QRect(at, QSize(200, 40))));
            text->SetTransparent(true);
            text->SetLabelFont(font);
            text->SetCaption(QStringLiteral("Ink 42"));
            text->AutoSizeToText();
        }

        QImage preview;
        QString caption;
        m_script->dialogs.enqueue(RunJob);
        m_script->dialogs.enqueue(ShowPreview(&preview, 200, &caption));
        w->mnuPreviewClick();
        QCOMPARE(preview.size(), QSize(1632, 2112));

        const QString pdf = m_folder->file("sheet.pdf");
        m_script->fileNames.enqueue(pdf);
        m_script->dialogs.enqueue([](QDialog &d) {
            auto &select = dynamic_cast<ui::TSelectSpecificLabels &>(d);
            select.SelectnoneClick();
            select.PaintBox1MouseDown(select.Sheet.Rectangle(0).center());
            select.OKbuttonClick();
            return d.result();
        });
        m_script->dialogs.enqueue(RunJob);
        w->mnuSaveSheetAsPdfClick();
        const QImage paper = RasterisePage(pdf, m_folder->file("sheet"));
        QCOMPARE(paper.size(), preview.size());

        // The card without its edge, where the preview alone draws a silver
        // outline.
        const QRect card(int(0.75 * CompareDpi), int(0.5 * CompareDpi), int(3.5 * CompareDpi),
                         int(2.0 * CompareDpi));
        const QRect inside = card.adjusted(6, 6, -6, -6);
        const QString shots = QString::fromLocal8Bit(qgetenv("CW_PRINT_SHOTS"));
        if (!shots.isEmpty()) {
            QDir().mkpath(shots);
            preview.copy(card).save(shots + QStringLiteral("/preview-card.png"));
            paper.copy(card).save(shots + QStringLiteral("/paper-card.png"));
        }
        const auto [block, difference] = WorstBlock(preview, paper, inside);
        QVERIFY2(difference <= 24,
                 qPrintable(QStringLiteral("block at %1,%2 differs by %3: preview %4, paper %5")
                                .arg(block.left() - card.left())
                                .arg(block.top() - card.top())
                                .arg(difference)
                                .arg(QColor(preview.pixel(block.center())).name(),
                                     QColor(paper.pixel(block.center())).name())));
        // The comparison sees text in the wrong colour: the preview's black
        // text turned light grey, or into the box's red, fails it.
        for (const QRgb wrong : {qRgb(0xC0, 0xC0, 0xC0), qRgb(255, 0, 0)}) {
            QImage recoloured = preview;
            for (int y = card.top(); y <= card.bottom(); ++y)
                for (int x = card.left(); x <= card.right(); ++x) {
                    const QRgb p = recoloured.pixel(x, y);
                    if (qMax(qMax(qRed(p), qGreen(p)), qBlue(p)) < 80)
                        recoloured.setPixel(x, y, wrong);
                }
            QVERIFY(WorstBlock(recoloured, paper, inside).second > 24);
        }
        // The paper has the red box and black text beside it.
        const QRgb boxCorner = paper.pixel(card.left() + 2 * 25, card.top() + 2 * 85);
        QVERIFY(qRed(boxCorner) > 200 && qGreen(boxCorner) < 60);
        int black = 0;
        for (int y = card.top() + 2 * 110; y < card.top() + 2 * 150; ++y)
            for (int x = card.left() + 2 * 30; x < card.left() + 2 * 230; ++x)
                black += qMax(qMax(qRed(paper.pixel(x, y)), qGreen(paper.pixel(x, y))),
                              qBlue(paper.pixel(x, y))) < 80;
        QVERIFY2(black > 400, qPrintable(QString::number(black)));
    }
};

QTEST_MAIN(TestPreviewPaper)
#include "tst_previewpaper.moc"
