// The card as an SVG drawing: the file parses, states the card's size, keeps
// text as text, and rendered back at the export size matches the picture
// export of the same card in 6 x 6 blocks, for generated cards holding every
// kind of object.
#include "design/model/TBCShapes.h"
#include "design/model/TCardRenderer.h"
#include "print/printer/TSvgExport.h"
#include "support/BlockCompare.h"
#include "support/CardGenerator.h"
#include "text/model/TGPLabel.h"

#include <QPainter>
#include <QSvgRenderer>
#include <QTest>

using namespace cw;
using namespace cw::model;
using cw::test::BlockCompare;
using cw::test::CardGenerator;

namespace {

std::vector<TGGraphicControl *> refs(const TGLabelObjectFiler::ObjectList &objects)
{
    std::vector<TGGraphicControl *> drawn;
    for (const auto &object : objects)
        drawn.push_back(object.get());
    return drawn;
}

QByteArray svgOf(const std::vector<TGGraphicControl *> &objects, const QSize &size, int dpi = 96)
{
    return printer::TSvgExport::Encode(size, dpi, [&objects, size](QPainter &painter) {
        printer::TSvgExport::PaintObjects(painter, objects, size);
    });
}

QImage rendered(const QByteArray &svg, const QSize &size)
{
    QSvgRenderer renderer(svg);
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    if (!renderer.isValid())
        return {};
    QPainter painter(&image);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
    return image;
}

} // namespace

class TestSvgExport : public QObject
{
    Q_OBJECT

private slots:
    void svgNames()
    {
        QVERIFY(printer::TSvgExport::IsSvgName("card.svg"));
        QVERIFY(printer::TSvgExport::IsSvgName("/x/CARD.SVG"));
        QVERIFY(!printer::TSvgExport::IsSvgName("card.svgz"));
        QVERIFY(!printer::TSvgExport::IsSvgName("svg.png"));
    }

    // The drawing states the card's real size, and a text label stays text.
    void sizeAndText()
    {
        TGLabelObjectFiler::ObjectList objects;
        auto label = std::make_unique<TGPLabel>();
        label->SetCaption(QStringLiteral("Vector Proof"));
        label->SetBounds(10, 10, 150, 24);
        objects.push_back(std::move(label));
        const QByteArray svg = svgOf(refs(objects), QSize(336, 192));
        QSvgRenderer renderer(svg);
        QVERIFY(renderer.isValid());
        QCOMPARE(renderer.viewBox(), QRect(0, 0, 336, 192));
        QVERIFY2(svg.contains("Vector Proof"), svg.left(2000).constData());
        // 336 x 192 pixels at 96 per inch: 3.5 x 2 inches.
        QVERIFY(svg.contains("width=\"88.9mm\"") && svg.contains("height=\"50.8mm\""));
    }

    // Rendered back, each generated card matches its picture export, in
    // BlockCompare's distance (0 ... 441).  Qt's SVG renderer draws every
    // edge anti-aliased where the export draws shapes aliased, so where
    // three colours meet (a shape's outline over another's fill) its edge
    // pixels mix colours the export never shows beside each other: such
    // blocks reach about 180; and a dashed or dotted outline starts its
    // dashes at other points (about 3 % of a card's blocks).  So: no block
    // beyond EdgeLimit, and all but a few blocks (SharedLimit of them)
    // within Common, the limit of the picture export against paper.  A missing object or a wrong colour over
    // a whole block is 250 and more, and spoils many blocks at once.
    void renderedBackMatchesThePictureExport()
    {
        constexpr double EdgeLimit = 200.0;
        constexpr double Common = 40.0;
        constexpr double SharedLimit = 0.04; // of the card's blocks
        const CardGenerator generator(20260601, qEnvironmentVariable("CW_SOURCE_DIR") +
                                                    QStringLiteral("/content/clipart"));
        const QSize size(CardGenerator::CardWidth, CardGenerator::CardHeight);
        const BlockCompare compare(BlockCompare::DefaultBlock, 3, 3.0);
        QStringList failures;
        for (int n = 0; n < 24; ++n) {
            const test::GeneratedCard card = generator.Card(n);
            const TGLabelObjectFiler::ObjectList objects = CardGenerator::Objects(card);
            const QImage png = TCardRenderer::Render(refs(objects), size);
            const QImage svg = rendered(svgOf(refs(objects), size), size);
            QVERIFY2(!svg.isNull(), "the SVG does not parse");
            // CW_OUTPUT_DIR keeps both pictures of every card to look at.
            const QString keep = qEnvironmentVariable("CW_OUTPUT_DIR");
            if (!keep.isEmpty()) {
                png.save(QStringLiteral("%1/svg-card%2-png.png").arg(keep).arg(n));
                svg.save(QStringLiteral("%1/svg-card%2-svg.png").arg(keep).arg(n));
            }
            const std::vector<test::BlockDifference> blocks = compare.Compare(png, svg);
            QVERIFY(!blocks.empty());
            const auto worst =
                std::max_element(blocks.begin(), blocks.end(),
                                 [](const auto &x, const auto &y) { return x.distance < y.distance; });
            const auto beyondCommon = std::count_if(blocks.begin(), blocks.end(),
                                                    [](const auto &d) { return d.distance > Common; });
            if (worst->distance > EdgeLimit || beyondCommon > SharedLimit * double(blocks.size()))
                failures << QStringLiteral("card %1: %2 blocks beyond %3, worst %4\n  %5")
                                .arg(n)
                                .arg(beyondCommon)
                                .arg(Common)
                                .arg(BlockCompare::Describe(*worst, "png", "svg"), card.notes.join("\n  "));
        }
        QVERIFY2(failures.isEmpty(), qPrintable(failures.join('\n')));
    }

    // A fault the comparison must see: one box drawn in the wrong colour.
    void comparisonSeesAWrongColour()
    {
        auto box = std::make_unique<TBCShapes>();
        box->SetBounds(40, 40, 60, 30);
        box->SetShape(stRectangle);
        box->SetBrush(TGBrush{clRed, bsSolid});
        TGLabelObjectFiler::ObjectList objects;
        objects.push_back(std::move(box));
        const QSize size(336, 192);
        const QImage png = TCardRenderer::Render(refs(objects), size);
        static_cast<TBCShapes &>(*objects.front()).SetBrush(TGBrush{clBlue, bsSolid});
        const QImage svg = rendered(svgOf(refs(objects), size), size);
        QVERIFY(BlockCompare(BlockCompare::DefaultBlock, 3, 3.0).Worst(png, svg).distance > 200);
    }
};

QTEST_MAIN(TestSvgExport)
#include "tst_svgexport.moc"
