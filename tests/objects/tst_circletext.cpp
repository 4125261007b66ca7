// Circle text: the centre/room table for every arc, the step rule, letter
// angles and positions, skipped letters, mirroring, zoomed fonts, the setters'
// change reports, the popup entries, file fields and printing.
#include "design/FakeObjectHost.h"
#include "design/model/TGLabelObjectFiler.h"
#include "objects/model/TGPCircleText.h"
#include "objects/model/TSpecialEditors.h"
#include "print/engine/TReportFiler.h"
#include "print/engine/TReportReader.h"
#include "print/engine/Units.h"

#include <QBuffer>
#include <QPainter>
#include <QTest>

using namespace cw;
using namespace cw::model;
using namespace cw::engine;

namespace {

TCircleTextLayout::TInput input(TDegrees degrees, TDegrees start, int w = 200, int h = 100)
{
    TCircleTextLayout::TInput in;
    in.Width = w;
    in.Height = h;
    in.CharHeight = 16;
    in.AveCharWidth = 7;
    in.Degrees = degrees;
    in.StartingVector = start;
    return in;
}

QRect inkBounds(const QImage &image)
{
    QRect r;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < 128)
                r |= QRect(x, y, 1, 1);
    return r;
}

QImage render(TGGraphicControl &object)
{
    QImage image(object.Width(), object.Height(), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    object.PaintTo(painter, 0, 0);
    return image;
}

class Editors : public TSpecialEditors
{
public:
    std::optional<QFont> font;
    int circleEdits = 0;
    bool accept = false;
    std::optional<QFont> ChooseFont(const QFont &) override { return font; }
    bool EditCircleText(TGPCircleText &) override
    {
        ++circleEdits;
        return accept;
    }
    std::optional<QByteArray> EditRichText(TGPRichBaseLabel &) override { return std::nullopt; }
};

} // namespace

class TestCircleText : public QObject
{
    Q_OBJECT
private slots:
    void centreAndRoomFollowTheArc_data()
    {
        QTest::addColumn<int>("degrees");
        QTest::addColumn<int>("start");
        QTest::addColumn<QRect>("centreRoom"); // x = cx, y = cy, w = rx, h = ry
        // W = 200, H = 100, h = 16, a = 7; middle: (100, 50), room (100, 50).
        QTest::newRow("90 at 90") << 0 << 0 << QRect(7, 84, 193, 84);
        QTest::newRow("90 at 180") << 0 << 1 << QRect(193, 84, 193, 84);
        QTest::newRow("90 at 270") << 0 << 2 << QRect(193, 16, 193, 84);
        QTest::newRow("90 at 360") << 0 << 3 << QRect(7, 16, 193, 84);
        QTest::newRow("180 at 90") << 1 << 0 << QRect(7, 50, 193, 50);
        QTest::newRow("180 at 180") << 1 << 1 << QRect(100, 84, 100, 84);
        QTest::newRow("180 at 270") << 1 << 2 << QRect(193, 50, 193, 50);
        QTest::newRow("180 at 360") << 1 << 3 << QRect(100, 16, 100, 84);
        for (int d = 2; d <= 3; ++d)
            for (int s = 0; s <= 3; ++s)
                QTest::newRow(qPrintable(QString("%1 at %2").arg((d + 1) * 90).arg((s + 1) * 90)))
                    << d << s << QRect(100, 50, 100, 50);
    }
    void centreAndRoomFollowTheArc()
    {
        QFETCH(int, degrees);
        QFETCH(int, start);
        QFETCH(QRect, centreRoom);
        const TCircleGeometry g = TCircleTextLayout::Geometry(input(TDegrees(degrees), TDegrees(start)), 3);
        QCOMPARE(QRect(g.CenterX, g.CenterY, g.RoomX, g.RoomY), centreRoom);
        QCOMPARE(g.Radius, std::min(centreRoom.width(), centreRoom.height()) - 4 - 16);
        QCOMPARE(g.Start, (start + 1) * 90);
    }

    void oddSizesHalveTowardZero()
    {
        const TCircleGeometry g = TCircleTextLayout::Geometry(input(dg360, dg180, 141, 33), 3);
        QCOMPARE(g.CenterX, 70);
        QCOMPARE(g.CenterY, 16);
        QCOMPARE(g.Radius, 16 - 4 - 16); // negative radii are allowed: the letters cross over
    }

    void stepRule()
    {
        auto in = input(dg360, dg180);
        QCOMPARE(TCircleTextLayout::Geometry(in, 5).Span, 360);
        QCOMPARE(TCircleTextLayout::Geometry(in, 5).Step, 72.0f);
        QCOMPARE(TCircleTextLayout::Geometry(in, 6).Span, 355);
        QCOMPARE(TCircleTextLayout::Geometry(in, 15).Step, 355.0f / 15.0f);
        QCOMPARE(TCircleTextLayout::Geometry(in, 1).Step, 360.0f);
        in.Degrees = dg180;
        QCOMPARE(TCircleTextLayout::Geometry(in, 5).Step, 45.0f);
        QCOMPARE(TCircleTextLayout::Geometry(in, 1).Step, 180.0f);
        in.Degrees = dg270;
        QCOMPARE(TCircleTextLayout::Geometry(in, 10).Span, 270); // only full circles shrink
    }

    void defaultTextRunsClockwiseOverTheTop()
    {
        // Defaults: start 180, full circle, 15 letters, span 355.
        auto in = input(dg360, dg180, 142, 142);
        const auto letters = TCircleTextLayout::Letters(in, "ABC DEF GHI JKL");
        QCOMPARE(int(letters.size()), 15);
        const TCircleGeometry g = TCircleTextLayout::Geometry(in, 15);
        // The first letter sits at the left end of the horizontal diameter,
        // turned 90 degrees (reading upwards).
        QCOMPARE(letters[0].Text, QString("A"));
        QCOMPARE(letters[0].X, g.CenterX - g.Radius);
        QCOMPARE(letters[0].Y, g.CenterY);
        QCOMPARE(letters[0].Angle, 900);
        // Letter 1: 900 − 236.67 → 663; to the upper left of the first.
        QCOMPARE(letters[1].Angle, 663);
        QVERIFY(letters[1].Y < letters[0].Y);
        // Past the top the angle wraps below zero and gains 3600.
        QCOMPARE(letters[4].Angle, int(std::nearbyint(900 - 4 * double(355.0f / 15.0f) * 10)) + 3600);
        for (const auto &l : letters)
            QVERIFY(l.Angle >= 0 && l.Angle < 3600);
    }

    void openArcsEndExactlyAtTheirEnds()
    {
        auto in = input(dg180, dg180);
        const auto letters = TCircleTextLayout::Letters(in, "ABC");
        const TCircleGeometry g = TCircleTextLayout::Geometry(in, 3);
        QCOMPARE(letters[0].Angle, 900);
        QCOMPARE(letters[1].Angle, 0);
        QCOMPARE(letters[2].Angle, 900 - 1800 + 3600);
        QCOMPARE(QPoint(letters[0].X, letters[0].Y), QPoint(g.CenterX - g.Radius, g.CenterY));
        QCOMPARE(QPoint(letters[1].X, letters[1].Y), QPoint(g.CenterX, g.CenterY - g.Radius));
        QCOMPARE(QPoint(letters[2].X, letters[2].Y), QPoint(g.CenterX + g.Radius, g.CenterY));
    }

    void oneLetterOnAHalfCircleSitsAtTheStart()
    {
        auto in = input(dg180, dg180);
        const auto letters = TCircleTextLayout::Letters(in, "X");
        QCOMPARE(int(letters.size()), 1);
        const TCircleGeometry g = TCircleTextLayout::Geometry(in, 1);
        QCOMPARE(QPoint(letters[0].X, letters[0].Y), QPoint(g.CenterX - g.Radius, g.CenterY));
        QCOMPARE(letters[0].Angle, 900);
        QVERIFY(TCircleTextLayout::Letters(in, QString()).empty());
    }

    void mirroringReversesAndTurnsLetters()
    {
        auto in = input(dg180, dg180);
        in.Mirror = true;
        const auto letters = TCircleTextLayout::Letters(in, "AB");
        QCOMPARE(letters[0].Text, QString("B"));
        QCOMPARE(letters[1].Text, QString("A"));
        QCOMPARE(letters[0].Angle, 2700); // 900 + 1800
        QCOMPARE(letters[1].Angle, 900);  // 2700 − 1800
        // Mirrored letters stand inside the arc: the radius keeps h.
        QCOMPARE(TCircleTextLayout::Geometry(in, 2).Radius, 84 - 4);
        // Without rotated letters mirroring has no effect.
        in.Angled = false;
        const auto upright = TCircleTextLayout::Letters(in, "AB");
        QCOMPARE(upright[0].Text, QString("A"));
        QCOMPARE(TCircleTextLayout::Geometry(in, 2).Radius, 84 - 4 - 16);
    }

    void lettersOutsideTheBoxAreSkipped()
    {
        // A box smaller than the letters: the radius turns negative and most
        // letters fall outside.
        auto in = input(dg360, dg180, 30, 10);
        const auto letters = TCircleTextLayout::Letters(in, "ABCDEFGH");
        QCOMPARE(TCircleTextLayout::Geometry(in, 8).Radius, 5 - 4 - 16);
        int inside = 0;
        for (const auto &l : letters) {
            QCOMPARE(l.Inside, l.X >= 0 && l.X < 30 && l.Y >= 0 && l.Y < 10);
            inside += l.Inside;
        }
        QVERIFY(inside > 0 && inside < 8);
        // Code points, not UTF-16 units: an emoji is one letter.
        QCOMPARE(int(TCircleTextLayout::Letters(in, QString::fromUtf8("a\xF0\x9F\x98\x80"
                                                                      "b"))
                         .size()),
                 3);
    }

    void defaultsAndZoomedFont()
    {
        TGPCircleText c;
        QCOMPARE(c.Width(), 142);
        QCOMPARE(c.Height(), 33);
        QCOMPARE(c.Caption(), QString("ABC DEF GHI JKL"));
        QCOMPARE(c.Font().PointSize(), 10);
        QCOMPARE(c.Font().Style, int(fsBold));
        QVERIFY(c.ControlTransparent());
        QVERIFY(c.DrawLettersAngled());
        c.SetZoom(1.5f);
        QCOMPARE(c.CanvasFont().pixelSize(), 20); // 15 points
        // 130 % as the zoom steps reach it in float arithmetic.
        float zoom = 1.0f;
        for (int i = 0; i < 3; ++i)
            zoom += 0.1f;
        c.SetZoom(zoom);
        QCOMPARE(c.CanvasFont().pixelSize(), MulDiv(13, 96, 72));
    }

    void changeReportsAndMinimumSize()
    {
        test::FakeObjectHost host;
        TGPCircleText c;
        c.SetHost(&host);
        c.Loaded();
        c.SetBounds(0, 0, 100, 100);
        host.changes = 0;
        c.SetStartingVector(dg90);
        c.SetDegrees(dg180);
        c.SetMirror(true);
        c.SetControlTransparent(false);
        QCOMPARE(host.changes, 0);
        c.SetDrawLettersAngled(false);
        c.SetBorderStyle(bsSingle);
        c.SetBGColor(clRed);
        c.SetCaption("x");
        QCOMPARE(host.changes, 4);
        c.SetBounds(0, 0, 0, -5);
        QCOMPARE(c.Width(), 1);
        QCOMPARE(c.Height(), 1);
    }

    void popupEntries()
    {
        test::FakeObjectHost host;
        Editors editors;
        TSpecialEditors::Install(&editors);
        TGPCircleText c;
        c.SetHost(&host);
        c.Loaded();
        auto &menu = c.PopupMenu();
        QStringList tail;
        for (size_t i = menu.size() - 6; i < menu.size(); ++i)
            tail << menu[i].Caption;
        QCOMPARE(tail, (QStringList{"-", "Font", "Transparent", "Background Color", "Border", "Properties"}));
        QVERIFY(TGMenuItem::Find(c.PopupMenu(), "Transparent")->Checked);
        QVERIFY(!TGMenuItem::Find(c.PopupMenu(), "Border")->Checked);
        TGMenuItem::Find(menu, "Border")->Action();
        TGMenuItem::Find(menu, "Transparent")->Action();
        QVERIFY(TGMenuItem::Find(c.PopupMenu(), "Border")->Checked);
        QVERIFY(!TGMenuItem::Find(c.PopupMenu(), "Transparent")->Checked);
        // Background colour: taken, and the object becomes opaque.
        c.SetControlTransparent(true);
        host.colours.enqueue(clLime);
        TGMenuItem::Find(c.PopupMenu(), "Background Color")->Action();
        QCOMPARE(c.BGColor(), clLime);
        QVERIFY(!c.ControlTransparent());
        // Font: the chosen font replaces the object's, colour kept.
        QFont courier("Courier New");
        courier.setPixelSize(20);
        editors.font = courier;
        TGMenuItem::Find(c.PopupMenu(), "Font")->Action();
        QCOMPARE(c.Font().Name, QString("Courier New"));
        QCOMPARE(c.Font().Height, -20);
        // Properties: a cancelled dialog reports nothing.
        host.changes = 0;
        TGMenuItem::Find(c.PopupMenu(), "Properties")->Action();
        QCOMPARE(editors.circleEdits, 1);
        QCOMPARE(host.changes, 0);
        editors.accept = true;
        TGMenuItem::Find(c.PopupMenu(), "Properties")->Action();
        QCOMPARE(host.changes, 1);
        TSpecialEditors::Install(nullptr);
    }

    void fileFieldsRoundTrip()
    {
        TGPCircleText c;
        c.SetBounds(10, 20, 150, 120);
        c.SetStartingVector(dg270);
        c.SetDegrees(dg90);
        c.SetMirror(true);
        c.SetBGColor(0x123456);
        c.SetCaption(QString::fromUtf8("Grüße €"));
        QStringList names;
        for (const TFilerEntry &e : TGLabelObjectFiler::StoredEntries(c))
            names << e.Name;
        QCOMPARE(names, (QStringList{"Left", "Top", "Width", "Height", "Locked", "Unselectable",
                                     "StartingVector", "Degrees", "Font.Color", "Font.Height", "Font.Name",
                                     "Font.Style", "Mirror", "DrawLettersAngled", "BorderStyle",
                                     "ControlTransparent", "BGColor", "Caption"}));
        c.Name = "Component0"; // the name a read object gets
        const QByteArray bytes = TGLabelObjectFiler::ObjectListBytes({&c});
        TGLabelObjectFiler filer;
        auto read = filer.ReadObjectList(bytes);
        QCOMPARE(int(read.size()), 1);
        auto *copy = dynamic_cast<TGPCircleText *>(read[0].get());
        QVERIFY(copy);
        QCOMPARE(copy->StartingVector(), dg270);
        QCOMPARE(copy->Degrees(), dg90);
        QVERIFY(copy->Mirror());
        QCOMPARE(copy->Caption(), c.Caption());
        QCOMPARE(copy->Font(), c.Font());
        QCOMPARE(TGLabelObjectFiler::ObjectListBytes({copy}), bytes);
        // An empty caption is written as an empty string, so it does not come
        // back as the starting text.
        c.SetCaption(QString());
        QCOMPARE(TGLabelObjectFiler::StoredEntries(c).back().Name, QString("Caption"));
    }

    void paintsLettersAndPrintsIntoTheInchRectangle()
    {
        TGPCircleText c;
        c.SetBounds(48, 24, 192, 192);
        c.SetCaption("HHHHHHHH");
        const QImage screen = render(c);
        const QRect ink = inkBounds(screen);
        QVERIFY(!ink.isEmpty());
        // Ink on both sides of the centre, none in the middle of the circle.
        QVERIFY(ink.left() < 60 && ink.right() > 130);
        QVERIFY(inkBounds(screen.copy(80, 80, 32, 32)).isEmpty());

        QByteArray data;
        QBuffer stream(&data);
        TReportFiler filer;
        filer.SetStream(&stream);
        filer.OnPrint = [&](TBaseReport &r) { c.PrintTo(r, 1.0, 0.5); };
        filer.Execute();
        TReportReader reader;
        QVERIFY(reader.Load(data));
        const QImage page = reader.RenderPage(1, 192);
        const QRect area(QPoint((1.0 + 48 / 96.0) * 192, (0.5 + 24 / 96.0) * 192), QSize(384, 384));
        const QRect printed = inkBounds(page);
        QVERIFY(area.adjusted(-1, -1, 1, 1).contains(printed));
        // The picture is stretched: the ink is the screen's, doubled.
        QVERIFY(qAbs(printed.width() - 2 * ink.width()) <= 4);
        QVERIFY(qAbs(printed.left() - area.left() - 2 * ink.left()) <= 4);
    }
};

QTEST_MAIN(TestCircleText)
#include "tst_circletext.moc"
