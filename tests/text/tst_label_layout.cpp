// Text label: offsets of the 3D copies, the layout for the four turns and
// the three alignments, the box fit, rotation, auto-size, zoomed fonts, the
// property table and the popup menu.
#include "TextTestSupport.h"
#include "print/engine/Units.h"
#include "text/model/TGPLabel.h"
#include "text/model/TTextFonts.h"

#include <QFontMetrics>
#include <QTest>

using namespace cw;
using namespace cw::model;

namespace {

struct Metrics
{
    int th; // line height of the font
    int tw; // caption plus one blank
};

Metrics measure(const TGBaseLabel &label)
{
    const QFontMetrics fm(label.CanvasFont());
    return {fm.height() + std::max(0, fm.leading()), fm.horizontalAdvance(label.Caption() + " ")};
}

TGMenuItem &entry(std::vector<TGMenuItem> &menu, const QString &caption)
{
    TGMenuItem *item = TGMenuItem::Find(menu, caption);
    if (!item)
        qFatal("menu entry %s missing", qPrintable(caption));
    return *item;
}

} // namespace

class TestLabelLayout : public QObject
{
    Q_OBJECT
private slots:
    void offsetsFollowDirectionAndDepth()
    {
        const int d = 3;
        QCOMPARE(TGBaseLabel::ShadowOffsetFor(sdNone, d), QPoint(0, 0));
        QCOMPARE(TGBaseLabel::ShadowOffsetFor(sdRight, d), QPoint(3, 0));
        QCOMPARE(TGBaseLabel::ShadowOffsetFor(sdLeft, d), QPoint(-3, 0));
        QCOMPARE(TGBaseLabel::ShadowOffsetFor(sdDownRight, d), QPoint(3, 3));
        QCOMPARE(TGBaseLabel::ShadowOffsetFor(sdDownLeft, d), QPoint(-3, 3));
        QCOMPARE(TGBaseLabel::ShadowOffsetFor(sdDown, d), QPoint(0, 3));
        QCOMPARE(TGBaseLabel::HighlightOffsetFor(hdNone, d), QPoint(0, 0));
        QCOMPARE(TGBaseLabel::HighlightOffsetFor(hdright, d), QPoint(3, 0));
        QCOMPARE(TGBaseLabel::HighlightOffsetFor(hdLeft, d), QPoint(-3, 0));
        QCOMPARE(TGBaseLabel::HighlightOffsetFor(hdUpRight, d), QPoint(3, -3));
        QCOMPARE(TGBaseLabel::HighlightOffsetFor(hdUpLeft, d), QPoint(-3, -3));
        QCOMPARE(TGBaseLabel::HighlightOffsetFor(hdUp, d), QPoint(0, -3));

        // Setting either half recomputes the offset; a new label has none.
        TGPLabel label;
        QCOMPARE(label.ShadowOffset(), QPoint(0, 0));
        label.SetDepthShadow(2);
        QCOMPARE(label.ShadowOffset(), QPoint(2, 2)); // default sdDownRight
        label.SetDirectionShadow(sdLeft);
        QCOMPARE(label.ShadowOffset(), QPoint(-2, 0));
        label.SetDepthHighlight(4);
        QCOMPARE(label.HighlightOffset(), QPoint(-4, -4)); // default hdUpLeft
    }

    void unrotatedLayoutAndBoxFit()
    {
        TGPLabel label;
        label.CalcLayout();
        const Metrics m = measure(label);
        // The box keeps its width and is between one and 1.2 lines high.
        QCOMPARE(label.Width(), 142);
        QVERIFY(label.Height() >= m.th);
        QVERIFY(label.Height() <= int(1.2L * m.th));
        QCOMPARE(label.TextRect(), (TLabelRect{0, 0, 142, m.th}));
        QCOMPARE(label.TextOrigin(), QPoint(0, 0));
        QVERIFY(!label.LayoutDirty());

        // A tall box shrinks to Trunc(1.2 lines), a flat one grows to one line.
        label.SetHeight(200);
        label.CalcLayout();
        QCOMPARE(label.Height(), int(1.2L * m.th));
        label.SetHeight(3);
        label.CalcLayout();
        QCOMPARE(label.Height(), m.th);
        // A box 5 pixels wide or less takes the text's width.
        label.SetWidth(5);
        label.CalcLayout();
        QCOMPARE(label.Width(), m.tw);
    }

    // A box resized at a zoom keeps the 100 % fit as its stored size, so
    // painting it back at 100 % does not change the design: shrunk below its
    // text or stretched beyond 1.2 lines at 75 %, 150 % and 200 %, upright
    // and turned, the stored size is the one the layout gives at 100 %.
    void resizingAtAZoomStoresTheFitAt100()
    {
        for (float zoom : {0.75f, 1.5f, 2.0f})
            for (int angle : {0, 90})
                for (int across : {2, 400}) {
                    TGPLabel label;
                    label.SetAngle(angle);
                    label.CalcLayout();
                    label.SetZoom(zoom);
                    label.CalcLayout();
                    if (angle == 0)
                        label.SetHeight(across);
                    else
                        label.SetWidth(across);
                    const QRect stored = label.StoredBounds();
                    // What the layout gives at 100 % from the stored box.
                    TGPLabel reference;
                    reference.SetAngle(angle);
                    reference.SetBounds(stored.left(), stored.top(), stored.width(), stored.height());
                    reference.CalcLayout();
                    const QString what = QStringLiteral("zoom %1, angle %2, resized to %3")
                                             .arg(double(zoom))
                                             .arg(angle)
                                             .arg(across);
                    QVERIFY2(reference.BoundsRect().size() == stored.size(),
                             qPrintable(what + QStringLiteral(": stored %1 x %2, fit at 100 % %3 x %4")
                                                   .arg(stored.width())
                                                   .arg(stored.height())
                                                   .arg(reference.Width())
                                                   .arg(reference.Height())));
                }
    }

    void copiesMakeRoomLeftAndAbove()
    {
        TGPLabel label;
        // Depth without a direction: no copy, layout as with depth 0.
        label.SetDepthShadow(3);
        label.SetDirectionShadow(sdNone);
        label.CalcLayout();
        QCOMPARE(label.TextMargin(), QPoint(0, 0));
        QCOMPARE(label.TextOrigin(), QPoint(0, 0));
        // A shadow to the left moves the text 3 pixels right.
        label.SetDirectionShadow(sdLeft);
        label.CalcLayout();
        QCOMPARE(label.TextMargin(), QPoint(3, 0));
        QCOMPARE(label.TextOrigin(), QPoint(3, 0));
        QCOMPARE(label.ShadowOrigin(), QPoint(0, 0));

        // A highlight up-left of depth 4 alone puts the text at (4, 4); the
        // line height grows by the highlight's rise.
        TGPLabel high;
        high.SetDepthHighlight(4);
        high.CalcLayout();
        const Metrics m = measure(high);
        QCOMPARE(high.TextOrigin(), QPoint(4, 4));
        QCOMPARE(high.HighlightOrigin(), QPoint(0, 0));
        QCOMPARE(high.HighlightRect(), (TLabelRect{0, 0, 138, m.th}));
        QVERIFY(high.Height() >= m.th + 4);

        // Shadow down-right 2 and highlight up-left 3 together.
        TGPLabel both;
        both.SetDepthShadow(2);
        both.SetDepthHighlight(3);
        both.CalcLayout();
        QCOMPARE(both.TextOrigin(), QPoint(3, 3));
        QCOMPARE(both.ShadowOrigin(), QPoint(5, 5));
        QCOMPARE(both.HighlightOrigin(), QPoint(0, 0));
        QVERIFY(both.Height() >= m.th + 5);

        // A damaged depth keeps its value but cannot overflow the layout.
        TGPLabel damaged;
        damaged.SetDepthShadow(INT_MAX);
        damaged.CalcLayout();
        QCOMPARE(damaged.DepthShadow(), INT_MAX);
        QCOMPARE(damaged.ShadowOffset(), QPoint(10000, 10000));
        QVERIFY(damaged.Height() > 10000);
    }

    void alignmentPlacesTheUnrotatedText()
    {
        TGPLabel label;
        label.SetDepthShadow(2);
        label.SetDirectionShadow(sdRight);
        label.SetAlignment(taRightJustify);
        label.CalcLayout();
        const Metrics m = measure(label);
        QCOMPARE(label.TextOrigin().x(), 142 - m.tw);
        QCOMPARE(label.ShadowOrigin().x(), 142 - m.tw + 2);
        label.SetAlignment(taCenter);
        label.CalcLayout();
        QCOMPARE(label.TextOrigin().x(), 142 / 2 - m.tw / 2);
        // A box narrower than the text gives a negative start.
        label.SetCaption("A much longer caption than the box is wide");
        label.CalcLayout();
        QVERIFY(label.TextOrigin().x() < 0);
    }

    void rotatedLayouts_data()
    {
        QTest::addColumn<int>("angle");
        QTest::newRow("90") << 90;
        QTest::newRow("180") << 180;
        QTest::newRow("270") << 270;
    }

    void rotatedLayouts()
    {
        QFETCH(int, angle);
        TGPLabel label;
        label.SetDepthShadow(2); // down-right
        label.SetAngle(angle);
        label.CalcLayout();
        const Metrics m = measure(label);
        const int W = label.Width(), H = label.Height();
        const int lh = m.th + 2;
        if (angle == 180) {
            QVERIFY(W <= 142);
            QVERIFY(H >= lh && H <= int(1.2L * lh));
            // (0, 0, W, th), moved right by W − rw − S.y with rw = W + 1.
            const TLabelRect text{-3, 0, W - 3, m.th};
            QCOMPARE(label.TextRect(), text);
            QCOMPARE(label.TextOrigin(), QPoint(text.Right, text.Bottom));
            QCOMPARE(label.ShadowRect(), text.Moved(-2, -2));
            QCOMPARE(label.ShadowOrigin(), QPoint(text.Right - 2, text.Bottom - 2));
        } else {
            // Turned boxes are between one and 1.2 lines wide.
            QVERIFY(W >= lh && W <= int(1.2L * lh));
            QVERIFY(H <= int(1.2L * m.tw));
            TLabelRect text{0, 0, m.th, H};
            if (angle == 90)
                text.Offset(0, H - (H + 1)); // H − rh + L.x with rh = H + 1, L = 0
            QCOMPARE(label.TextRect(), text);
            if (angle == 90) {
                QCOMPARE(label.TextOrigin(), QPoint(text.Left, text.Bottom));
                QCOMPARE(label.ShadowRect(), text.Moved(2, -2));
            } else {
                QCOMPARE(label.TextOrigin(), QPoint(text.Right, text.Top));
                QCOMPARE(label.ShadowRect(), text.Moved(-2, 2));
            }
        }
    }

    void rotationSwapsTheBoxAndForcesLeftAlignment()
    {
        TGPLabel label;
        label.SetAlignment(taCenter);
        label.SetAngle(45);
        QCOMPARE(label.Angle(), 0);
        QCOMPARE(label.Alignment(), taCenter);
        label.SetAngle(90);
        QCOMPARE(label.Angle(), 90);
        QCOMPARE(label.Width(), 33);
        QCOMPARE(label.Height(), 142);
        QCOMPARE(label.Alignment(), taLeftJustify);
        // 90 -> 270: the box already lies right, no swap.
        label.SetAngle(270);
        QCOMPARE(label.Width(), 33);
        label.SetAngle(0);
        QCOMPARE(label.Width(), 142);
        QCOMPARE(label.Height(), 33);
        QCOMPARE(label.Alignment(), taLeftJustify);
    }

    void autoSizeGrowsOnlyAndOnlyUnrotated()
    {
        TGPLabel label;
        label.SetCaption("A caption that needs more room than the box has");
        label.CalcLayout();
        const QFontMetrics fm(label.CanvasFont());
        label.AutoSizeToText();
        QCOMPARE(label.Width(), fm.horizontalAdvance(label.Caption() + "     "));
        QVERIFY(label.LayoutDirty());
        // Never shrinks.
        label.SetCaption("A");
        label.CalcLayout();
        const int wide = label.Width();
        label.AutoSizeToText();
        QCOMPARE(label.Width(), wide);
        // A highlight's margin counts.
        TGPLabel high;
        high.SetCaption("A caption that needs more room than the box has");
        high.SetDepthHighlight(4);
        high.CalcLayout();
        high.AutoSizeToText();
        QCOMPARE(high.Width(), 4 + fm.horizontalAdvance(high.Caption() + "     "));
        // Turned labels are left as they are.
        TGPLabel turned;
        turned.SetCaption("A caption that needs more room than the box has");
        turned.SetAngle(90);
        turned.CalcLayout();
        const QSize before(turned.Width(), turned.Height());
        turned.AutoSizeToText();
        QCOMPARE(QSize(turned.Width(), turned.Height()), before);
        // An empty caption still gets a line.
        TGPLabel empty;
        empty.SetCaption(QString());
        empty.CalcLayout();
        QVERIFY(empty.Height() >= measure(empty).th);
    }

    void zoomScalesThePointSizeTruncated()
    {
        TGFont font; // Arial 10 points
        QCOMPARE(TTextFonts::ZoomedFont(font, 1.0f).pixelSize(), 13);
        QCOMPARE(TTextFonts::ZoomedFont(font, 1.5f).pixelSize(), 20); // 15 points
        QCOMPARE(TTextFonts::ZoomedFont(font, 0.75f).pixelSize(), 9); // 7 points
        QCOMPARE(TTextFonts::ZoomedFont(font, 2.0f).pixelSize(), 27); // 20 points
        TGPLabel label;
        label.SetZoom(1.5f);
        QCOMPARE(label.CanvasFont().pixelSize(), 20);
        QVERIFY(label.LayoutDirty());
    }

    void propertyTableInFileOrder()
    {
        const auto &props = TGPLabel::ClassProperties().Properties();
        QStringList names;
        for (const auto &p : props)
            names << p.Name;
        const QStringList own = names.mid(names.indexOf("Alignment"));
        QCOMPARE(own, (QStringList{"Alignment", "DepthHighlight", "DepthShadow", "DirectionHighlight",
                                   "DirectionShadow", "colorHighlight", "colorShadow", "Angle", "Caption",
                                   "Font.Color", "Font.Height", "Font.Name", "Font.Pitch", "Font.Style",
                                   "Transparent", "BackColor", "BorderStyle"}));
        TGPLabel label;
        // Defaults are left out, the rest always written.
        auto stored = [&](const char *name) {
            return TPropertyTable::IsStored(*TGPLabel::ClassProperties().Find(name), label);
        };
        QVERIFY(!stored("DirectionHighlight"));
        QVERIFY(!stored("colorHighlight"));
        QVERIFY(!stored("Angle"));
        QVERIFY(stored("Caption"));
        QVERIFY(stored("Transparent"));
        QVERIFY(stored("BorderStyle"));
        // An emptied caption is written (as an empty string), so it does not
        // come back as the starting "Text".
        label.SetCaption(QString());
        QVERIFY(stored("Caption"));
    }

    void readingKeepsTheRulesOfTheSetters()
    {
        // Alignment is read before Angle, so a turned label comes back left-aligned.
        TGPLabel label;
        label.BeginLoading();
        const TPropertyTable &t = TGPLabel::ClassProperties();
        t.Find("Width")->Set(label, 33);
        t.Find("Height")->Set(label, 142);
        t.Find("Alignment")->Set(label, int(taCenter));
        t.Find("DepthShadow")->Set(label, 3);
        t.Find("Angle")->Set(label, 270);
        label.Loaded();
        QCOMPARE(label.Angle(), 270);
        QCOMPARE(label.Alignment(), taLeftJustify);
        QCOMPARE(label.ShadowOffset(), QPoint(3, 3));
        // An angle the label cannot take is ignored.
        TGPLabel odd;
        odd.BeginLoading();
        t.Find("Angle")->Set(odd, 45);
        odd.Loaded();
        QCOMPARE(odd.Angle(), 0);
    }

    void popupEntriesAndCheckMarks()
    {
        test::TextHost host;
        test::ScriptedTextEditors editors;
        TGPLabel label;
        label.SetHost(&host);
        label.Loaded();
        auto &menu = label.PopupMenu();
        QStringList captions;
        for (const auto &item : menu)
            captions << item.Caption;
        const QStringList own = captions.mid(captions.indexOf("Center Horizontally") + 1);
        QCOMPARE(own, (QStringList{"-", "Font", "3D Effects", "Alignment", "Transparent", "Background Color",
                                   "Border", "-", "Text", "-", "Rotation"}));
        QVERIFY(entry(menu, "Transparent").Checked);
        QVERIFY(!entry(menu, "Border").Checked);
        QVERIFY(entry(entry(menu, "Alignment").Items, "Left").Checked);
        QVERIFY(entry(entry(menu, "Rotation").Items, "No Rotation").Checked);

        // "Background Color" switches the fill on; "Transparent" switches it off
        // again and keeps the colour.
        host.colours.enqueue(clRed);
        entry(menu, "Background Color").Action();
        QCOMPARE(label.BackColor(), clRed);
        QVERIFY(!label.Transparent());
        QVERIFY(!entry(label.PopupMenu(), "Transparent").Checked);
        entry(label.PopupMenu(), "Transparent").Action();
        QVERIFY(label.Transparent());
        QCOMPARE(label.BackColor(), clRed);

        entry(label.PopupMenu(), "Border").Action();
        QCOMPARE(label.BorderStyle(), bsSingle);
        QVERIFY(entry(label.PopupMenu(), "Border").Checked);

        entry(entry(label.PopupMenu(), "Alignment").Items, "Right").Action();
        QCOMPARE(label.Alignment(), taRightJustify);
        QVERIFY(entry(entry(label.PopupMenu(), "Alignment").Items, "Right").Checked);

        // Every turn is a change of the design, also one that swaps nothing.
        entry(entry(label.PopupMenu(), "Rotation").Items, "90 Degrees").Action();
        const int changes = host.changes;
        entry(entry(label.PopupMenu(), "Rotation").Items, "270 Degrees").Action();
        QCOMPARE(label.Angle(), 270);
        QCOMPARE(host.changes, changes + 1);
        QVERIFY(entry(entry(label.PopupMenu(), "Rotation").Items, "270 Degrees").Checked);
    }

    void textAndFontCommands()
    {
        test::TextHost host;
        test::ScriptedTextEditors editors;
        TGPLabel label;
        label.SetHost(&host);
        label.Loaded();
        // Cancel changes nothing.
        entry(label.PopupMenu(), "Text").Action();
        QCOMPARE(editors.lastCaption, QString("Text"));
        QCOMPARE(label.Caption(), QString("Text"));
        // Ok takes the text (empty accepted) and grows the box.
        editors.texts.enqueue(QString("Managing Director of Everything"));
        entry(label.PopupMenu(), "Text").Action();
        QCOMPARE(label.Caption(), QString("Managing Director of Everything"));
        QVERIFY(label.Width() > 142);
        editors.texts.enqueue(QString());
        entry(label.PopupMenu(), "Text").Action();
        QCOMPARE(label.Caption(), QString());

        // The font command takes a confirmed font and auto-sizes even when cancelled.
        label.SetCaption("Some words");
        TGFont serif;
        serif.Name = "Liberation Serif";
        serif.SetPointSize(20);
        editors.fonts.enqueue(serif);
        entry(label.PopupMenu(), "Font").Action();
        QCOMPARE(label.Font().Name, QString("Liberation Serif"));
        QCOMPARE(label.Font().PointSize(), 20);
        QCOMPARE(label.Font().Color, clBlack);

        // The surface's font command: font taken, no auto-size.
        const int width = label.Width();
        label.ApplyFont(QFont("Liberation Mono", 30));
        QCOMPARE(label.Font().Name, QString("Liberation Mono"));
        QCOMPARE(label.Width(), width);
        QVERIFY(label.LayoutDirty());

        // "3D Effects" reports the change only when the dialog is confirmed.
        int changes = host.changes;
        entry(label.PopupMenu(), "3D Effects").Action();
        QCOMPARE(host.changes, changes);
        editors.effects.enqueue(true);
        entry(label.PopupMenu(), "3D Effects").Action();
        QCOMPARE(host.changes, changes + 1);
    }

    void drawingPutsEachCopyInItsPlace()
    {
        TGPLabel label;
        label.SetCaption("HHHH");
        TGFont font = label.Font();
        font.SetPointSize(20);
        label.SetLabelFont(font);
        label.SetBounds(0, 0, 120, 40);
        label.SetColorShadow(clRed);
        label.SetDepthShadow(4);
        label.SetDirectionShadow(sdDownRight);
        label.SetTransparent(false);
        label.SetBackColor(clYellow);
        label.SetBorderStyle(bsSingle);
        label.CalcLayout();
        const QImage image = test::Render(label);
        // Background and border.
        QCOMPARE(image.pixelColor(label.Width() / 2, label.Height() - 2), QColor(Qt::yellow));
        QCOMPARE(image.pixelColor(0, 0), QColor(Qt::black));
        QCOMPARE(image.pixelColor(label.Width() - 1, label.Height() - 1), QColor(Qt::black));
        // The shadow shows 4 pixels right and below the black text.
        const QRect black =
            test::ColourBounds(image.copy(1, 1, label.Width() - 2, label.Height() - 2), Qt::black);
        const QRect red = test::ColourBounds(image, Qt::red);
        QVERIFY(!black.isEmpty());
        QVERIFY(!red.isEmpty());
        QVERIFY(qAbs(red.right() - (black.right() + 1) - 4) <= 1);
        QVERIFY(qAbs(red.bottom() - (black.bottom() + 1) - 4) <= 1);
    }

    void turnedTextStaysInItsBox_data()
    {
        QTest::addColumn<int>("angle");
        QTest::newRow("90") << 90;
        QTest::newRow("180") << 180;
        QTest::newRow("270") << 270;
    }

    void turnedTextStaysInItsBox()
    {
        QFETCH(int, angle);
        TGPLabel label;
        label.SetCaption("HHHHHHHH");
        label.SetAngle(angle);
        label.CalcLayout();
        const QImage image = test::Render(label);
        const QRect ink = test::InkBounds(image);
        QVERIFY(!ink.isEmpty());
        QVERIFY(QRect(0, 0, label.Width(), label.Height()).contains(ink));
        // Turned a quarter, the line runs up or down the box.
        if (angle != 180)
            QVERIFY(ink.height() > 2 * ink.width());
        else
            QVERIFY(ink.width() > 2 * ink.height());
    }
};

QTEST_MAIN(TestLabelLayout)
#include "tst_label_layout.moc"
