// The card for a print shop: page geometry (trim, bleed, crop marks), the
// PDF's page boxes as pdfinfo reads them, the page rasterised at 300 dpi
// (background and edge objects reach into the bleed and stop at its edge,
// crop marks in line with the trim edges), text kept as text with embedded
// fonts, the drawing bound of the engine, and cardwright-cli card.
#include "design/model/TBCShapes.h"
#include "design/model/TCardRenderer.h"
#include "design/model/TGLabelObjectFiler.h"
#include "print/SheetPdfCheck.h"
#include "print/engine/TCanvasReport.h"
#include "print/engine/Units.h"
#include "print/model/TPrintShopCard.h"
#include "print/model/TPrintShopLayout.h"
#include "print/model/TSheetBackground.h"
#include "print/printer/TPrintShopPdf.h"
#include "text/model/TGPLabel.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace cw;
using namespace cw::model;

namespace {

constexpr double Mm = 1.0 / 25.4; // inches
constexpr int Dpi = test::SheetDpi;

QString runTool(const QString &program, const QStringList &args)
{
    QProcess p;
    p.start(program, args);
    p.waitForFinished(60000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

// pdfinfo -box: the named box as (x1, y1, x2, y2) points.
QRectF pdfBox(const QString &pdf, const QString &name)
{
    const QString info = runTool(QStringLiteral("pdfinfo"), {QStringLiteral("-box"), pdf});
    const QRegularExpression line(name + QStringLiteral(":\\s+(\\S+)\\s+(\\S+)\\s+(\\S+)\\s+(\\S+)"));
    const QRegularExpressionMatch m = line.match(info);
    if (!m.hasMatch())
        return {};
    return QRectF(QPointF(m.captured(1).toDouble(), m.captured(2).toDouble()),
                  QPointF(m.captured(3).toDouble(), m.captured(4).toDouble()));
}

// Every pixel of the 6 x 6 block centred on (x, y) within `tolerance` of
// `colour` in each channel.
bool blockIs(const QImage &image, int x, int y, QColor colour, int tolerance = 10)
{
    for (int dy = -3; dy < 3; ++dy)
        for (int dx = -3; dx < 3; ++dx) {
            const QColor c = image.pixelColor(x + dx, y + dy);
            if (std::abs(c.red() - colour.red()) > tolerance ||
                std::abs(c.green() - colour.green()) > tolerance ||
                std::abs(c.blue() - colour.blue()) > tolerance)
                return false;
        }
    return true;
}

bool dark(const QImage &image, int x, int y)
{
    return qGray(image.pixel(x, y)) < 128;
}

int px(double inches)
{
    return int(std::lround(inches * Dpi));
}

// Four quadrants of distinct colours: where the bleed shows the picture's
// edge, the colour tells which edge.
const QColor TopLeft(200, 40, 40), TopRight(40, 160, 40), BottomLeft(40, 40, 200), BottomRight(230, 160, 20);

QImage quadrants(int w, int h)
{
    QImage image(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            image.setPixelColor(
                x, y, y < h / 2 ? (x < w / 2 ? TopLeft : TopRight) : (x < w / 2 ? BottomLeft : BottomRight));
    return image;
}

TPrintShopOptions options(double bleedMm, bool marks)
{
    TPrintShopOptions o;
    o.BleedMm = bleedMm;
    o.CropMarks = marks;
    return o;
}

} // namespace

class TestPrintShop : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString path(const QString &name) const { return m_dir.filePath(name); }

    // The print-shop PDF as the designer and the command line write it: the
    // objects touching the card's edge run on into the bleed.
    void writePdf(const QString &pdf, const TPrintShopLayout &layout, const TSheetBackground &background,
                  const TGLabelObjectFiler::ObjectList &objects)
    {
        std::vector<TGGraphicControl *> drawn;
        for (const auto &object : objects)
            drawn.push_back(object.get());
        const QSize card(cw::Round(layout.TrimBox().width() * 96), cw::Round(layout.TrimBox().height() * 96));
        const std::vector<TGGraphicControl *> edge = TCardRenderer::EdgeObjects(drawn, card);
        printer::TPrintShopPdf::Write(
            pdf, layout, background,
            [&objects](engine::TBaseReport &report, double x, double y) {
                for (const auto &object : objects)
                    object->PrintTo(report, x, y);
            },
            QStringLiteral("Cardwright"),
            [&edge](QPainter &painter) { TCardRenderer::PaintObjects(painter, edge); });
    }

private slots:
    void initTestCase()
    {
        for (const char *tool : {"pdftoppm", "pdfinfo", "pdftotext", "pdffonts"})
            if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty())
                QSKIP("poppler-utils are missing");
    }

    void bleedLengthsAsTyped()
    {
        QCOMPARE(TPrintShopOptions::ParseBleedMm("3mm"), std::optional<double>(3.0));
        QCOMPARE(TPrintShopOptions::ParseBleedMm(" 2.5 MM "), std::optional<double>(2.5));
        QCOMPARE(TPrintShopOptions::ParseBleedMm("4"), std::optional<double>(4.0));
        QCOMPARE(TPrintShopOptions::ParseBleedMm("0"), std::optional<double>(0.0));
        QVERIFY(std::abs(*TPrintShopOptions::ParseBleedMm("0.125in") - 3.175) < 1e-9);
        for (const char *bad : {"-1mm", "21mm", "1in", "abc", "", "3cm", "nan", "inf"})
            QVERIFY2(!TPrintShopOptions::ParseBleedMm(QString::fromLatin1(bad)), bad);
    }

    // The card in the middle, the bleed around it, eight marks in line with
    // the trim edges that start outside the bleed; without marks the page
    // is the bleed box.
    void pageGeometry()
    {
        const TPrintShopLayout marked(QSizeF(3.5, 2.0), options(3, true));
        const QRectF trim = marked.TrimBox();
        const QRectF bleed = marked.BleedBox();
        QCOMPARE(trim.size(), QSizeF(3.5, 2.0));
        QVERIFY(std::abs(trim.left() - bleed.left() - 3 * Mm) < 1e-12);
        QVERIFY(std::abs(bleed.bottom() - trim.bottom() - 3 * Mm) < 1e-12);
        QVERIFY(std::abs(marked.PageSize().width() - trim.right() - trim.left()) < 1e-12);
        const QList<QLineF> marks = marked.CropMarks();
        QCOMPARE(marks.size(), 8);
        const QRectF page(QPointF(0, 0), marked.PageSize());
        for (const QLineF &mark : marks) {
            const bool horizontal = mark.y1() == mark.y2();
            QVERIFY(horizontal ? (mark.y1() == trim.top() || mark.y1() == trim.bottom())
                               : (mark.x1() == trim.left() || mark.x1() == trim.right()));
            QVERIFY(page.contains(mark.p1()) && page.contains(mark.p2()));
            // No point of a mark inside the bleed box grown by the gap.
            const double gap = TPrintShopLayout::CropMarkGapMm * Mm - 1e-9;
            const QRectF keepOut = bleed.adjusted(-gap, -gap, gap, gap);
            QVERIFY(!keepOut.contains(mark.p1()) && !keepOut.contains(mark.p2()));
        }

        const TPrintShopLayout plain(QSizeF(3.5, 2.0), options(0, false));
        QCOMPARE(plain.BleedBox(), plain.TrimBox());
        QCOMPARE(plain.TrimBox(), QRectF(0, 0, 3.5, 2.0));
        QVERIFY(plain.CropMarks().isEmpty());
    }

    // The picture reflected in its edges: the first strip column left of
    // the picture repeats its first column, and so on outward.
    void mirrorExtension()
    {
        QImage image(5, 4, QImage::Format_RGB32);
        for (int y = 0; y < 4; ++y)
            for (int x = 0; x < 5; ++x)
                image.setPixel(x, y, qRgb(x * 40, y * 60, 7));
        const QImage grown = TPrintShopCard::MirrorExtended(image, 2, 1, 3, 9);
        QCOMPARE(grown.size(), QSize(2 + 5 + 3, 1 + 4 + 4)); // a strip is at most the picture
        auto source = [&](int x, int y) { return image.pixel(x, y); };
        auto at = [&](int x, int y) { return grown.pixel(x + 2, y + 1); }; // picture coordinates
        for (int y = 0; y < 4; ++y) {
            for (int x = 0; x < 5; ++x)
                QCOMPARE(at(x, y), source(x, y));
            QCOMPARE(at(-1, y), source(0, y));
            QCOMPARE(at(-2, y), source(1, y));
            QCOMPARE(at(5, y), source(4, y));
            QCOMPARE(at(7, y), source(2, y));
        }
        QCOMPARE(at(0, -1), source(0, 0));
        QCOMPARE(at(3, 4), source(3, 3));
        QCOMPARE(at(3, 7), source(3, 0));
        QCOMPARE(at(-1, -1), source(0, 0)); // corner: reflected both ways
        QCOMPARE(at(6, 5), source(3, 2));
    }

    // Objects that select and clear clip regions stay inside the bound.
    void boundHoldsThroughObjectClips()
    {
        QImage page(100, 100, QImage::Format_RGB32);
        page.fill(Qt::white);
        engine::TCanvasReport report(page, 100, 100);
        report.SetProcessEvents({});
        report.OnPrint = [](engine::TBaseReport &r) {
            r.SetBound(QRectF(0.2, 0.2, 0.6, 0.6));
            r.SetBrush(Qt::black, Qt::SolidPattern);
            r.SetPen(Qt::black, Qt::SolidLine, 1, engine::TPenMode::pmCopy);
            r.SelectClipRegion(r.CreateRectRegion(0, 0, 1, 0.5));
            r.Rectangle(0, 0, 1, 1);
            r.ClearClip();
            r.Rectangle(0, 0.5, 1, 1);
            r.BeginPath();
            r.Rectangle(0, 0, 1, 1);
            r.EndPath();
            r.SelectClipPath();
            r.Rectangle(0, 0, 1, 1);
            r.SetBound(QRectF());
            r.Rectangle(0.9, 0.9, 1, 1); // after the bound is lifted: drawn
        };
        report.Execute();
        for (int y = 0; y < 100; y += 5)
            for (int x = 0; x < 100; x += 5) {
                const bool inside = x >= 22 && x < 78 && y >= 22 && y < 78;
                const bool outside = (x < 18 || x >= 82 || y < 18 || y >= 82) && !(x >= 88 && y >= 88);
                const bool lifted = x >= 92 && y >= 92;
                if (inside || lifted)
                    QVERIFY2(dark(page, x, y), qPrintable(QStringLiteral("%1,%2 white").arg(x).arg(y)));
                else if (outside)
                    QVERIFY2(!dark(page, x, y), qPrintable(QStringLiteral("%1,%2 inked").arg(x).arg(y)));
            }
    }

    // pdfinfo reads the card as the TrimBox and the card plus 3 mm on every
    // side as the BleedBox; the media box holds the crop marks, or is the
    // bleed box without them.
    void pdfPageBoxes_data()
    {
        QTest::addColumn<bool>("marks");
        QTest::newRow("crop marks") << true;
        QTest::newRow("no crop marks") << false;
    }
    void pdfPageBoxes()
    {
        QFETCH(bool, marks);
        const QString pdf = path(marks ? "marked.pdf" : "plain.pdf");
        writePdf(pdf, TPrintShopLayout(QSizeF(3.5, 2.0), options(3, marks)), TSheetBackground(), {});
        const QRectF trim = pdfBox(pdf, "TrimBox");
        const QRectF bleed = pdfBox(pdf, "BleedBox");
        const QRectF media = pdfBox(pdf, "MediaBox");
        QVERIFY(!trim.isNull() && !bleed.isNull() && !media.isNull());
        QVERIFY(std::abs(trim.width() - 252.0) < 0.015 && std::abs(trim.height() - 144.0) < 0.015);
        const double b = 3 * 72 / 25.4;
        QVERIFY(std::abs(trim.left() - bleed.left() - b) < 0.015);
        QVERIFY(std::abs(trim.top() - bleed.top() - b) < 0.015);
        QVERIFY(std::abs(bleed.right() - trim.right() - b) < 0.015);
        QVERIFY(std::abs(bleed.bottom() - trim.bottom() - b) < 0.015);
        if (marks) {
            const double margin = b + 8 * 72 / 25.4;
            QVERIFY(std::abs(trim.left() - media.left() - margin) < 0.015);
            QVERIFY(std::abs(media.bottom() - trim.bottom() - margin) < 0.015);
        } else {
            QVERIFY(std::abs(media.left() - bleed.left()) < 0.015 &&
                    std::abs(media.top() - bleed.top()) < 0.015 &&
                    std::abs(media.right() - bleed.right()) < 0.015 &&
                    std::abs(media.bottom() - bleed.bottom()) < 0.015);
        }
    }

    // Rasterised at 300 dpi: the background's edge colours run on through
    // the bleed and stop at its edge; an object that reaches past the card's
    // corner is cut at the bleed box; the marks lie on the trim lines.
    void rasterisedPage()
    {
        const QString picture = path("quadrants.png");
        QVERIFY(quadrants(336, 192).save(picture));
        TSheetBackground background;
        background.Load(picture);
        QCOMPARE(background.Kind(), TSheetBackground::TKind::Bitmap);

        TGLabelObjectFiler::ObjectList objects;
        auto box = std::make_unique<TBCShapes>();
        box->SetBounds(-40, 150, 90, 80); // past the left and bottom edges
        box->SetShape(stRectangle);
        box->SetBrush(TGBrush{clBlack, bsSolid});
        box->SetPen(TGPen{clBlack, pmCopy, psClear, 1});
        objects.push_back(std::move(box));

        const TPrintShopLayout layout(QSizeF(3.5, 2.0), options(3, true));
        const QString pdf = path("raster.pdf");
        writePdf(pdf, layout, background, objects);
        const QList<QImage> pages = test::RasterisePdf(pdf, path("raster"));
        QCOMPARE(pages.size(), 1);
        const QImage &page = pages.first();
        const QRectF trim = layout.TrimBox();
        const QRectF bleed = layout.BleedBox();
        QVERIFY(std::abs(page.width() - layout.PageSize().width() * Dpi) <= 1);

        const int inBleed = px(1.5 * Mm); // half way through the 3 mm bleed
        const int outside = px(1.0 * Mm); // between the bleed edge and the marks
        const int l = px(trim.left()), r = px(trim.right()), t = px(trim.top()), b = px(trim.bottom());
        const int midX = (l + r) / 2, midY = (t + b) / 2;
        struct Probe
        {
            int x, y;
            QColor colour;
        };
        const QList<Probe> probes = {
            // top edge, left and right half: the top quadrants' colours
            {l + 200, t - inBleed, TopLeft},
            {r - 200, t - inBleed, TopRight},
            // right edge, upper and lower half
            {r + inBleed, t + 100, TopRight},
            {r + inBleed, b - 100, BottomRight},
            // bottom edge, right half (the box covers the left corner)
            {r - 200, b + inBleed, BottomRight},
            // left edge, upper half
            {l - inBleed, t + 100, TopLeft},
            // top-right corner of the bleed
            {r + inBleed, t - inBleed, TopRight},
            // on the card beside each edge
            {midX - 40, t + 8, TopLeft},
            {r - 8, midY + 40, BottomRight},
            // beyond the bleed: paper
            {midX, px(bleed.top()) - outside, Qt::white},
            {px(bleed.right()) + outside, midY, Qt::white},
            {midX, px(bleed.bottom()) + outside, Qt::white},
            {px(bleed.left()) - outside, midY, Qt::white},
            // the box in the bleed past the card's bottom-left corner, and
            // cut at the bleed box
            {l - inBleed, b + inBleed, Qt::black},
            {l - inBleed, b - 50, Qt::black},
            {l + 50, b + inBleed, Qt::black},
            {px(bleed.left()) - outside, b - 50, Qt::white},
            {l + 50, px(bleed.bottom()) + outside, Qt::white},
        };
        for (const Probe &p : probes)
            QVERIFY2(blockIs(page, p.x, p.y, p.colour),
                     qPrintable(QStringLiteral("block at %1,%2 is %3, expected %4")
                                    .arg(p.x)
                                    .arg(p.y)
                                    .arg(page.pixelColor(p.x, p.y).name(), p.colour.name())));

        // Each mark: its dark rows (columns) lie on the trim line, within a
        // device pixel; along the mark, paper before its start.
        for (const QLineF &mark : layout.CropMarks()) {
            const bool horizontal = mark.y1() == mark.y2();
            const QPointF mid = (mark.p1() + mark.p2()) / 2;
            const double line = horizontal ? mark.y1() : mark.x1();
            int first = -1, last = -1;
            for (int k = px(line) - 10; k <= px(line) + 10; ++k) {
                const bool ink = horizontal ? dark(page, px(mid.x()), k) : dark(page, k, px(mid.y()));
                if (ink) {
                    if (first < 0)
                        first = k;
                    last = k;
                }
            }
            QVERIFY2(first >= 0, "a crop mark is missing");
            QVERIFY2(
                std::abs((first + last) / 2.0 - line * Dpi) <= 1.0,
                qPrintable(
                    QStringLiteral("mark at %1..%2, trim line at %3").arg(first).arg(last).arg(line * Dpi)));
        }
        // Along the top trim line, left of the card: paper from the bleed
        // edge to where the mark starts.
        const int markStart = px(bleed.left() - TPrintShopLayout::CropMarkGapMm * Mm);
        for (int x = markStart + 2; x < px(bleed.left()) - 1; ++x)
            QVERIFY2(!dark(page, x, t), qPrintable(QStringLiteral("ink at %1 before the mark").arg(x)));
    }

    // A colour band along the top edge and a box on the bottom edge run on
    // into the bleed in their own colours; beside an object that stops short
    // of the edge the bleed stays paper, and on the card every object prints
    // as designed.
    void objectsTouchingTheEdgeRunIntoTheBleed()
    {
        const QColor red(200, 30, 30), blue(30, 30, 200), green(30, 160, 30);
        const auto rectangle = [](QRect frame, QColor colour) {
            auto box = std::make_unique<TBCShapes>();
            box->SetBounds(frame.x(), frame.y(), frame.width(), frame.height());
            box->SetShape(stRectangle);
            box->SetBrush(TGBrush{TGColor::FromQColor(colour), bsSolid});
            box->SetPen(TGPen{TGColor::FromQColor(colour), pmCopy, psClear, 1});
            return box;
        };
        TGLabelObjectFiler::ObjectList objects;
        objects.push_back(rectangle(QRect(0, 0, 336, 30), red));     // top, left and right edges
        objects.push_back(rectangle(QRect(100, 150, 60, 42), blue)); // bottom edge
        objects.push_back(rectangle(QRect(250, 80, 60, 50), green)); // 26 pixels short of the right edge
        const TPrintShopLayout layout(QSizeF(3.5, 2.0), options(3, true));
        const QString pdf = path("edges.pdf");
        writePdf(pdf, layout, TSheetBackground(), objects);
        const QList<QImage> pages = test::RasterisePdf(pdf, path("edges"));
        QCOMPARE(pages.size(), 1);
        const QImage &page = pages.first();
        const QRectF trim = layout.TrimBox();
        const int l = px(trim.left()), t = px(trim.top()), r = px(trim.right());
        const auto card = [&](double pixelsX, double pixelsY) {
            return QPoint(l + px(pixelsX / 96.0), t + px(pixelsY / 96.0));
        };
        struct Probe
        {
            QPoint at;
            QColor colour;
        };
        QList<Probe> probes;
        // The whole depth of the bleed above the band, along its length, and
        // beside it at the left and right edges and in the top corners.
        for (int depth : {4, 17, 30})
            for (int x = l - 30; x <= r + 30; x += 40)
                probes.push_back({QPoint(x, t - depth), red});
        // Across the trim lines: no seam between the card and the bleed.
        for (int x = l + 3; x <= r - 3; x += 30)
            probes.push_back({QPoint(x, t), red});
        probes.push_back({QPoint(l, t + 20), red});
        probes.push_back({QPoint(r, t + 20), red});
        probes.push_back({card(130, 192), blue});
        for (int depth : {4, 17, 30}) {
            probes.push_back({QPoint(l - depth, t + 20), red});
            probes.push_back({QPoint(r + depth, t + 20), red});
        }
        // Below the box on the bottom edge; and paper below the card beside it.
        for (int depth : {4, 17, 30}) {
            probes.push_back({card(130, 192) + QPoint(0, depth), blue});
            probes.push_back({card(60, 192) + QPoint(0, depth), Qt::white});
            probes.push_back({card(200, 192) + QPoint(0, depth), Qt::white});
            // The green box does not reach the right edge: paper beside it.
            probes.push_back({QPoint(r + depth, card(0, 105).y()), Qt::white});
            // Nothing touches the left edge below the band.
            probes.push_back({QPoint(l - depth, card(0, 100).y()), Qt::white});
        }
        // On the card: the objects as designed, paper between them.
        probes.push_back({card(168, 15), red});
        probes.push_back({card(130, 171), blue});
        probes.push_back({card(280, 105), green});
        probes.push_back({card(200, 100), Qt::white});
        probes.push_back({QPoint(r - 20, card(0, 105).y()), Qt::white});
        for (const Probe &p : probes)
            QVERIFY2(blockIs(page, p.at.x(), p.at.y(), p.colour, 12),
                     qPrintable(QStringLiteral("block at %1,%2 is %3, expected %4")
                                    .arg(p.at.x())
                                    .arg(p.at.y())
                                    .arg(page.pixelColor(p.at).name(), p.colour.name())));
    }

    // A text object stays text in the PDF, its font embedded.
    void textStaysTextWithEmbeddedFonts()
    {
        TGLabelObjectFiler::ObjectList objects;
        auto label = std::make_unique<TGPLabel>();
        label->SetCaption(QStringLiteral("Proof Sheet 4711"));
        label->SetBounds(20, 20, 200, 30);
        objects.push_back(std::move(label));
        const QString pdf = path("text.pdf");
        writePdf(pdf, TPrintShopLayout(QSizeF(3.5, 2.0), options(3, true)), TSheetBackground(), objects);
        QVERIFY(runTool("pdftotext", {pdf, "-"}).contains(QStringLiteral("Proof Sheet 4711")));
        const QStringList fonts = runTool("pdffonts", {pdf}).split('\n', Qt::SkipEmptyParts).mid(2);
        QVERIFY(!fonts.isEmpty());
        for (const QString &row : fonts) {
            const QStringList columns = row.split(QRegularExpression("\\s+"), Qt::SkipEmptyParts);
            // name type encoding emb sub uni id gen: "emb" is fifth from the end.
            QVERIFY2(columns.size() >= 7 && columns.at(columns.size() - 5) == QLatin1String("yes"),
                     qPrintable(row));
        }
    }

    // cardwright-cli card: the card size of the settings, the bleed asked
    // for; a wrong bleed is one line on stderr and leaves the file alone.
    void commandLine()
    {
        const QString program = QCoreApplication::applicationDirPath() + "/../cardwright-cli";
        if (!QFile::exists(program))
            QSKIP("build the cardwright-cli target first");
        TGLabelObjectFiler::ObjectList none;
        TGLabelObjectFiler::WriteObjects(TGLabelObjectFiler::Refs(none), path("empty.cwr"));
        QProcess p;
        p.start(program, {"--folder", m_dir.path(), "card", path("empty.cwr"), path("cli.pdf"), "--bleed",
                          "5mm", "--crop-marks"});
        QVERIFY(p.waitForFinished(60000));
        QCOMPARE(p.exitCode(), 0);
        const QRectF trim = pdfBox(path("cli.pdf"), "TrimBox");
        const QRectF bleed = pdfBox(path("cli.pdf"), "BleedBox");
        QVERIFY(std::abs(trim.width() - 252.0) < 0.015 && std::abs(trim.height() - 144.0) < 0.015);
        QVERIFY(std::abs(trim.left() - bleed.left() - 5 * 72 / 25.4) < 0.015);
        const QByteArray before = [&] {
            QFile f(path("cli.pdf"));
            return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
        }();

        p.start(program,
                {"--folder", m_dir.path(), "card", path("empty.cwr"), path("cli.pdf"), "--bleed", "30mm"});
        QVERIFY(p.waitForFinished(60000));
        QCOMPARE(p.exitCode(), 1);
        QCOMPARE(QString::fromUtf8(p.readAllStandardError()).count('\n'), 1);
        QFile f(path("cli.pdf"));
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), before);
    }
};

QTEST_MAIN(TestPrintShop)
#include "tst_printshop.moc"
