// Text as it is drawn: every script the program is asked for draws with real
// glyphs and survives a save; wrapped lines break the same at every zoom and
// right-aligned lines end flush; SuperText is smooth and a shadow-only
// SuperText keeps no outline.
#include "TextTestSupport.h"
#include "design/model/TFinerGrid.h"
#include "design/model/TGLabelObjectFiler.h"
#include "objects/model/TSuperShape.h"
#include "text/model/TGMultiLineLabel.h"
#include "text/model/TGPLabel.h"
#include "text/model/TGSuperText.h"
#include "text/model/TTextFonts.h"

#include <QGlyphRun>
#include <QRandomGenerator>
#include <QTest>
#include <QTextLayout>
#include <array>
#include <functional>

using namespace cw;
using namespace cw::model;

namespace {

const QList<QPair<QString, QString>> &scriptSamples()
{
    static const QList<QPair<QString, QString>> samples = {
        {"Greek", QString::fromUtf8("Καλημέρα κόσμε")},
        {"Cyrillic", QString::fromUtf8("Здравствуй, мир")},
        {"Czech", QString::fromUtf8("Příliš žluťoučký kůň úpěl")},
        {"Arabic", QString::fromUtf8("مرحبا بالعالم")},
        {"Hebrew", QString::fromUtf8("שלום עולם")},
        {"Chinese", QString::fromUtf8("你好，世界")},
        {"Japanese", QString::fromUtf8("こんにちは、カタカナ")},
        {"Korean", QString::fromUtf8("안녕하세요")},
        {"Emoji", QString::fromUtf8("☎ ✉ 😀 🎉")},
    };
    return samples;
}

// Characters the fonts in force draw with a missing-glyph box.
int missingGlyphs(const QString &text, const QFont &font)
{
    QTextLayout layout(text, font);
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    int missing = 0;
    for (const QGlyphRun &run : layout.glyphRuns())
        for (quint32 glyph : run.glyphIndexes())
            if (glyph == 0)
                ++missing;
    return missing;
}

// With CW_SHOT_DIR set, keeps a picture of what the user sees there.
void keepShot(const QString &name, const QImage &image)
{
    const QString folder = qEnvironmentVariable("CW_SHOT_DIR");
    if (!folder.isEmpty())
        image.save(folder + '/' + name + ".png");
}

TGLabelObjectFiler::ObjectList saveAndRead(const TGGraphicControl &object)
{
    return TGLabelObjectFiler().ReadObjectList(TGLabelObjectFiler::ObjectListBytes({&object}));
}

// Words of 1 to 11 letters ending in letters without a wide right bearing.
QString randomText(QRandomGenerator &rng, int words)
{
    static const QString letters = QStringLiteral("abcdefghiklmnopqrstuvwxyzABCDEHKMNW");
    QString text;
    for (int w = 0; w < words; ++w) {
        if (w > 0)
            text += rng.bounded(5) == 0 ? QStringLiteral("   ") : QStringLiteral(" ");
        const int n = 1 + rng.bounded(11);
        for (int i = 0; i < n; ++i)
            text += letters.at(rng.bounded(int(letters.size())));
        text += QStringLiteral("mn").at(rng.bounded(2));
    }
    return text;
}

// Right-most column with ink in the rows [top, bottom).
int inkRight(const QImage &image, int top, int bottom)
{
    const QRect ink = test::InkBounds(image, qRgb(255, 255, 255),
                                      QRect(0, top, image.width(), std::min(bottom, image.height()) - top));
    return ink.isNull() ? -1 : ink.right();
}

} // namespace

class TestTextDrawing : public QObject
{
    Q_OBJECT

private slots:
    void everyScriptDrawsAndSurvivesASave()
    {
        TGLabelObjectFiler::ObjectList card;
        for (const auto &[script, text] : scriptSamples()) {
            TGMultiLineLabel lines;
            lines.SetItems({text, text});
            lines.SetBounds(0, 0, 300, 60);
            TGPLabel label;
            label.SetCaption(text);
            label.SetBounds(0, 0, 300, 40);

            // The label's font, with the font system's fallbacks, has a glyph
            // for every character.
            const QFont font = lines.CanvasFont();
            const int missing = missingGlyphs(text, font);
            QVERIFY2(missing == 0, qPrintable(QString("%1: %2 missing").arg(script).arg(missing)));

            // What the label draws is not a row of missing-glyph boxes.
            TGMultiLineLabel boxes;
            boxes.SetItems({QString(text.size(), QChar(0xFFFF)), QString(text.size(), QChar(0xFFFF))});
            boxes.SetBounds(0, 0, 300, 60);
            const QImage drawn = test::Render(lines);
            keepShot("script-" + script, drawn);
            QVERIFY2(!test::InkBounds(drawn).isNull(), qPrintable(script));
            QVERIFY2(drawn != test::Render(boxes), qPrintable(script));

            // Saved and read back unchanged, and drawn the same.
            const auto readLines = saveAndRead(lines);
            QCOMPARE(static_cast<TGMultiLineLabel &>(*readLines.at(0)).Items(), (QStringList{text, text}));
            QVERIFY2(test::Render(*readLines.at(0)) == drawn, qPrintable(script));
            const auto readLabel = saveAndRead(label);
            QCOMPARE(static_cast<TGPLabel &>(*readLabel.at(0)).Caption(), text);
            auto onCard = std::make_unique<TGPLabel>();
            onCard->SetCaption(text);
            onCard->SetBounds(4, 4 + 20 * int(card.size()), 300, 20);
            card.push_back(std::move(onCard));
        }
        // A card of all of them, to print and look at.
        if (const QString folder = qEnvironmentVariable("CW_SHOT_DIR"); !folder.isEmpty())
            TGLabelObjectFiler::WriteObjects(TGLabelObjectFiler::Refs(card), folder + "/scripts.cwr");
    }

    void wrappedLinesBreakTheSameAtEveryZoomAndEndFlush()
    {
        QRandomGenerator rng(1919);
        const float zooms[] = {0.25f, 0.5f, 0.75f, 1.25f, 1.5f, 2.0f, 3.0f};
        for (int sample = 0; sample < 40; ++sample) {
            const QString text = randomText(rng, 3 + rng.bounded(12));
            const int width = 60 + rng.bounded(240);
            const int points = 8 + rng.bounded(20);
            const QString context = QString("#%1 %2pt %3px: %4").arg(sample).arg(points).arg(width).arg(text);
            TGMultiLineLabel label;
            TGFont font = label.Font();
            font.SetPointSize(points);
            label.SetLabelFont(font);
            label.SetItems({text});
            label.SetBounds(0, 0, width, 300);
            label.SetWordWrap(true);
            const QStringList atOne = label.WrappedLines();
            for (float zoom : zooms) {
                label.SetZoom(zoom);
                QVERIFY2(label.WrappedLines() == atOne,
                         qPrintable(QString("zoom %1 %2").arg(zoom).arg(context)));
            }
            label.SetZoom(1.0f);
            QCOMPARE(label.WrappedLines(), atOne);
            for (const QString &line : atOne)
                QVERIFY2(!line.endsWith(' '), qPrintable(context));
        }
    }

    void rightAlignedWrappedLinesEndAtTheRightEdge()
    {
        // "word   word" breaks inside its blanks; every line, the first
        // included, ends one pixel inside the box.
        for (const QString &text : {QStringLiteral("Managing   Director   Sales   Team"),
                                    QStringLiteral("one two three four five six seven")}) {
            TGMultiLineLabel label;
            TGFont font = label.Font();
            font.SetPointSize(28);
            label.SetLabelFont(font);
            label.SetItems({text});
            label.SetBounds(0, 0, 260, 400);
            label.SetAlignment(taRightJustify);
            label.SetWordWrap(true);
            QVERIFY(label.WrappedLines().size() >= 2);
            const QImage image = test::Render(label);
            const int lh = QFontMetrics(label.CanvasFont()).height();
            for (int i = 0; i < label.WrappedLines().size(); ++i) {
                const int right = inkRight(image, i * lh, (i + 1) * lh);
                QVERIFY2(right >= label.Width() - 5, qPrintable(QString("line %1 '%2' ends at %3")
                                                                    .arg(i)
                                                                    .arg(label.WrappedLines().at(i))
                                                                    .arg(right)));
            }
        }
    }

    void shadowOnlySuperTextKeepsNoOutline()
    {
        TGSuperText preview;
        preview.SetCaption("Shade");
        preview.SetSurfaceType(TGSuperText::stBrushTransparent);
        QCOMPARE(preview.OutlineStyle(), psSolid); // outline-only text is outlined
        preview.SetOutlineStyle(psClear);
        preview.SetShadowDepth(4);
        preview.SetShadowOrientation(sdDownRight);
        preview.FitToText();

        // Ok of the properties dialog, a copy, and a save each keep it so.
        TGSuperText object;
        object.TakeFromPreview(preview, QString());
        QCOMPARE(object.OutlineStyle(), psClear);
        TGSuperText copy;
        copy.CopyFrom(object);
        QCOMPARE(copy.OutlineStyle(), psClear);
        const auto read = saveAndRead(object);
        auto &reread = static_cast<TGSuperText &>(*read.at(0));
        QCOMPARE(reread.OutlineStyle(), psClear);
        QCOMPARE(reread.SurfaceType(), TGSuperText::stBrushTransparent);

        // Drawn: the gray shadow and nothing darker.
        const QImage image = test::Render(reread);
        int shadow = 0, dark = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const int v = qGray(image.pixel(x, y));
                shadow += v == 128;
                dark += v < 120;
            }
        QVERIFY(shadow > 50);
        QCOMPARE(dark, 0);
    }

    void superTextIsSmoothOnScreen()
    {
        TGSuperText text;
        text.SetCaption("Wave");
        text.SetSurfaceType(TGSuperText::stNormal);
        text.FitToText();
        const QImage image = test::Render(text);
        int solid = 0, edge = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const int v = qGray(image.pixel(x, y));
                solid += v == 0;
                edge += v > 0 && v < 255;
            }
        QVERIFY(solid > 100);
        // Curved and slanted edges are partly covered pixels.
        QVERIFY2(edge > 40, qPrintable(QString::number(edge)));
    }

    // Text over its shadow, and a SuperShape, keep the picture they last
    // drew at a finer grid: after every edit of a long random sequence (fixed
    // seed) each draws exactly what drawing it from scratch gives.
    void textOverItsCopiesRedrawsAfterEveryEdit()
    {
        QRandomGenerator random(20261210);
        const QStringList captions{"Acme", "Smith & Co", "Quality", "BOLD"};
        const TColor colours[] = {clBlack, clRed, clLime, clBlue, clYellow, clWhite, clNavy, clTeal};
        auto colour = [&] { return colours[random.bounded(8)]; };
        auto zoom = [&] { return std::array<float, 4>{1.0f, 0.75f, 1.5f, 2.0f}[size_t(random.bounded(4))]; };
        auto font = [&](const QString &family) {
            TGFont f;
            f.Name = family;
            f.Height = -random.bounded(14, 30);
            f.Color = colour();
            f.Style = random.bounded(2) ? fsBold : 0;
            return f;
        };
        QImage texture(8, 8, QImage::Format_RGB32);

        std::vector<std::function<void(TGSuperText &)>> superEdits{[](TGSuperText &t) {
            t.SetShadowDepth(2);
            t.SetShadowOrientation(sdDownRight);
        }};
        std::vector<std::function<void(TSuperShape &)>> shapeEdits{[](TSuperShape &s) {
            s.SetBounds(0, 0, 120, 80);
            s.SetShadowOrient(TSuperShape::soLowerRight);
        }};
        std::vector<std::function<void(TGPLabel &)>> labelEdits{[](TGPLabel &l) {
            l.SetCaption("Jane Smith");
            l.SetDepthShadow(2);
            l.SetDirectionShadow(sdRight);
        }};
        for (int step = 0; step < 40; ++step) {
            const QString caption = captions[random.bounded(int(captions.size()))];
            const TColor c = colour();
            const int n = random.bounded(1, 4);
            const float z = zoom();
            const TGFont f =
                font(random.bounded(2) ? QStringLiteral("Arial") : QStringLiteral("Times New Roman"));
            texture.fill(TGColor::ToQColor(c));
            TGPicture picture;
            picture.SetBitmap(texture);
            const std::function<void(TGSuperText &)> superEdit[] = {
                [=](TGSuperText &t) { t.SetCaption(caption); },
                [=](TGSuperText &t) { t.SetShadowcolor(c); },
                [=](TGSuperText &t) { t.SetShadowDepth(n); },
                [=](TGSuperText &t) { t.SetShadowOrientation(TShadowDirection(n + 1)); },
                [=](TGSuperText &t) { t.SetOutlineColor(c); },
                [=](TGSuperText &t) { t.SetOutlineWidth(n - 1); },
                [=](TGSuperText &t) { t.SetOutlineStyle(n == 1 ? psDash : psSolid); },
                [=](TGSuperText &t) { t.SetSurfaceType(TGSuperText::TSurfaceType(n)); },
                [=](TGSuperText &t) { t.SetGradientFromColor(c); },
                [=](TGSuperText &t) { t.SetGradientToColor(c); },
                [=](TGSuperText &t) { t.SetFillDirection(TFillDirection(n)); },
                [=](TGSuperText &t) { t.SetImage(picture); },
                [=](TGSuperText &t) { t.SetTextFont(f); },
                [=](TGSuperText &t) { t.SetBounds(t.Left(), t.Top(), t.Width() + 7 * n - 14, t.Height()); },
                [=](TGSuperText &t) { t.SetZoom(z); },
            };
            const std::function<void(TGPLabel &)> labelEdit[] = {
                [=](TGPLabel &l) { l.SetCaption(caption); },
                [=](TGPLabel &l) { l.SetColorShadow(c); },
                [=](TGPLabel &l) { l.SetDepthShadow(n); },
                [=](TGPLabel &l) { l.SetDirectionShadow(TShadowDirection(n + 1)); },
                [=](TGPLabel &l) { l.SetColorHighlight(c); },
                [=](TGPLabel &l) { l.SetDepthHighlight(n - 1); },
                [=](TGPLabel &l) { l.SetDirectionHighlight(THighlightDirection(n + 1)); },
                [=](TGPLabel &l) { l.SetAngle(90 * (n - 1)); },
                [=](TGPLabel &l) { l.SetLabelFont(f); },
                [=](TGPLabel &l) { l.SetZoom(z); },
            };
            const std::function<void(TSuperShape &)> shapeEdit[] = {
                [=](TSuperShape &s) { s.SetShape(TSuperShape::TGPShapeType(n + 1)); },
                [=](TSuperShape &s) { s.SetShadowOrient(TSuperShape::TShadowOrient(n)); },
                [=](TSuperShape &s) { s.SetShadowColor(c); },
                [=](TSuperShape &s) { s.SetShadowDepth(n + 2); },
                [=](TSuperShape &s) { s.SetSurfaceType(TSuperShape::TSurfaceType(n)); },
                [=](TSuperShape &s) { s.SetBackColor(c); },
                [=](TSuperShape &s) { s.SetGradientToColor(c); },
                [=](TSuperShape &s) { s.SetFillDirection(TFillDirection(n)); },
                [=](TSuperShape &s) { s.SetImage(picture); },
                [=](TSuperShape &s) { s.SetOutlineColor(c); },
                [=](TSuperShape &s) { s.SetOutlineWidth(n - 1); },
                [=](TSuperShape &s) { s.SetOutlineStyle(n == 1 ? psDot : psSolid); },
                [=](TSuperShape &s) { s.SetRoundPerc(10 * n); },
                [=](TSuperShape &s) { s.SetVectors(4 + n); },
                [=](TSuperShape &s) { s.SetBounds(0, 0, s.Width() + 9 * n - 18, s.Height() + 5 * n - 10); },
                [=](TSuperShape &s) { s.SetZoom(z); },
            };
            superEdits.push_back(superEdit[random.bounded(int(std::size(superEdit)))]);
            shapeEdits.push_back(shapeEdit[random.bounded(int(std::size(shapeEdit)))]);
            labelEdits.push_back(labelEdit[random.bounded(int(std::size(labelEdit)))]);
        }

        TGSuperText super;
        TGPLabel label;
        TSuperShape shape;
        auto fromScratch = [](TGGraphicControl &object) {
            TFinerGrid::SetKeepingLayers(false);
            const QImage drawn = test::Render(object);
            TFinerGrid::SetKeepingLayers(true);
            return drawn;
        };
        for (size_t step = 0; step < superEdits.size(); ++step) {
            superEdits[step](super);
            labelEdits[step](label);
            shapeEdits[step](shape);
            // The first paint may still fit the box; the second draws the
            // layer kept by the first unless the box changed.
            for (TGGraphicControl *object :
                 {static_cast<TGGraphicControl *>(&super), static_cast<TGGraphicControl *>(&label),
                  static_cast<TGGraphicControl *>(&shape)}) {
                const QImage first = test::Render(*object);
                const QImage kept = test::Render(*object);
                QVERIFY2(kept == fromScratch(*object), qPrintable(QString::number(step)));
                QVERIFY2(first.size() != kept.size() || first == kept, qPrintable(QString::number(step)));
            }
        }
    }
};

QTEST_MAIN(TestTextDrawing)
#include "tst_textdrawing.moc"
