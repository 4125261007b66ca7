// The SuperShape object: outline geometry of every kind, setter rules and
// range checks, the gradient bands, screen painting through the outline clip,
// printing through the engine (inch shapes, printer-pixel polygons, tiles and
// paper gradient) and the card-file record.
#include "design/TGBusinessCardPanel32.h"
#include "design/model/TGLabelObjectFiler.h"
#include "objects/TSuperShapeProperties.h"
#include "objects/TTextureBrowser.h"
#include "objects/model/TSuperShape.h"
#include "print/engine/TCanvasReport.h"
#include "print/engine/TReportFiler.h"
#include "print/engine/TReportReader.h"
#include "print/engine/Units.h"
#include "support/CardOutputs.h"
#include "support/InkBlocks.h"
#include "support/ScriptedInteraction.h"
#include "support/TestFolder.h"
#include "text/model/TGPLabel.h"

#include <QBuffer>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QPainter>
#include <QSpinBox>
#include <QTest>
#include <optional>

using namespace cw;
using namespace cw::model;
using namespace cw::engine;
using S = TSuperShape;

namespace {

// Records the bitmap rectangles and filled device rectangles the shape sends.
class RecordingFiler : public TReportFiler
{
public:
    struct Bitmap
    {
        QRectF inches;
        qint64 key;
        QSize size;
    };
    std::vector<Bitmap> bitmaps;
    std::vector<std::pair<QRect, QColor>> fills;
    std::vector<QPolygon> polygons;
    void PrintBitmapRect(double x1, double y1, double x2, double y2, const QImage &image) override
    {
        bitmaps.push_back({QRectF(QPointF(x1, y1), QPointF(x2, y2)), image.cacheKey(), image.size()});
        TReportFiler::PrintBitmapRect(x1, y1, x2, y2, image);
    }
    void FillRect(const QRect &r) override
    {
        fills.emplace_back(r, BrushColor());
        TReportFiler::FillRect(r);
    }
    void Polygon(const QPolygon &p) override
    {
        polygons.push_back(p);
        TReportFiler::Polygon(p);
    }
};

QImage printPage(RecordingFiler &filer, TGGraphicControl &o, double x, double y, double dpi)
{
    QByteArray data;
    QBuffer stream(&data);
    filer.SetStream(&stream);
    filer.OnPrint = [&](TBaseReport &r) { o.PrintTo(r, x, y); };
    filer.Execute();
    TReportReader reader;
    if (!reader.Load(data))
        return {};
    return reader.RenderPage(1, dpi);
}

QImage render(TGGraphicControl &o)
{
    QImage img(o.Width(), o.Height(), QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    o.Paint(p);
    return img;
}

class PreviewHost final : public TObjectHost
{
public:
    bool previewing = true;
    void Changed() override {}
    void ObjectMoved(TGGraphicControl &) override {}
    void InvalidateRect(const QRect &) override {}
    QSize SurfaceSize() const override { return {336, 192}; }
    bool IsPrinting() const override { return false; }
    bool IsZooming() const override { return false; }
    bool IsPreviewing() const override { return previewing; }
    QFont SurfaceFont() const override { return QFont(); }
    QString PersonalInfoText(int) const override { return {}; }
    bool IsSelected(const TGGraphicControl &) const override { return false; }
    void RemoveFromSelection(TGGraphicControl &) override {}
    void ObjectCommand(TGGraphicControl &, TObjectCommand) override {}
    std::optional<TColor> ChooseColor(TColor) override { return std::nullopt; }
    void Repaint() override {}
};

// Colours equal within the rounding of one of the 256 bands.
bool near(QColor a, QColor b)
{
    return qAbs(a.red() - b.red()) <= 2 && qAbs(a.green() - b.green()) <= 2 && qAbs(a.blue() - b.blue()) <= 2;
}

// White pixels that no path of white pixels (4-neighbours) joins to the
// picture's border: a seam between an outline and the fill it encloses.
int enclosedWhite(const QImage &image)
{
    const int w = image.width();
    const int h = image.height();
    std::vector<char> seen(size_t(w) * h, 0);
    std::vector<QPoint> todo;
    auto visit = [&](int x, int y) {
        if (x < 0 || y < 0 || x >= w || y >= h || seen[size_t(y) * w + x] ||
            image.pixel(x, y) != qRgb(255, 255, 255))
            return;
        seen[size_t(y) * w + x] = 1;
        todo.emplace_back(x, y);
    };
    for (int x = 0; x < w; ++x) {
        visit(x, 0);
        visit(x, h - 1);
    }
    for (int y = 0; y < h; ++y) {
        visit(0, y);
        visit(w - 1, y);
    }
    while (!todo.empty()) {
        const QPoint p = todo.back();
        todo.pop_back();
        visit(p.x() + 1, p.y());
        visit(p.x() - 1, p.y());
        visit(p.x(), p.y() + 1);
        visit(p.x(), p.y() - 1);
    }
    int enclosed = 0;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            enclosed += !seen[size_t(y) * w + x] && image.pixel(x, y) == qRgb(255, 255, 255);
    return enclosed;
}

QImage checker(int w, int h)
{
    QImage img(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            img.setPixel(x, y, ((x + y) % 2) ? qRgb(0, 128, 0) : qRgb(0, 0, 128));
    return img;
}

} // namespace

class TestSuperShape : public QObject
{
    Q_OBJECT
private slots:
    void newShapeIsAGradientStarPointingUp()
    {
        S s;
        QCOMPARE(s.Width(), 25);
        QCOMPARE(s.Shape(), S::gstStar);
        QCOMPARE(s.SurfaceType(), S::stGradientFill);
        QCOMPARE(s.BackColor(), clRed);
        QCOMPARE(s.GradientToColor(), clBlue);
        s.SetBounds(0, 0, 100, 100);
        const QPolygon p = s.OutlinePoints(s.ShapeRect());
        QCOMPARE(p.size(), 10);
        // Centre (50, 50), outer radius 46, inner 23; point 0 straight up.
        QCOMPARE(p[0], QPoint(50, 4));
        QCOMPARE(p[1], QPoint(50 + Round(std::cos(-54 * M_PI / 180) * 23),
                              50 + Round(std::sin(-54 * M_PI / 180) * 23)));
        QCOMPARE(p[5], QPoint(50, 50 + 23));
        QVERIFY(p[1].x() > 50); // clockwise: the second point lies to the right
        // gdUp: blue at the top, red at the bottom.
        const QImage g = s.GradientBitmapImage();
        QCOMPARE(g.size(), QSize(100, 100));
        // 100 rows for 256 bands: bands 0 and 255 are empty, the edges show their neighbours.
        QVERIFY(near(QColor(g.pixel(50, 0)), QColor(Qt::blue)));
        QVERIFY(near(QColor(g.pixel(50, 99)), QColor(Qt::red)));
    }

    void polygonPointsOfEachKind_data()
    {
        QTest::addColumn<int>("shape");
        QTest::addColumn<QPolygon>("points");
        // Rectangle (2, 3, 12, 23): w = 10, v = 20.
        QTest::newRow("diamond") << int(S::gstDiamond)
                                 << QPolygon({QPoint(7, 3), QPoint(11, 13), QPoint(7, 22), QPoint(2, 13)});
        QTest::newRow("left") << int(S::gstTriangleLeft)
                              << QPolygon({QPoint(11, 3), QPoint(11, 22), QPoint(2, 13)});
        QTest::newRow("right") << int(S::gstTriangleRight)
                               << QPolygon({QPoint(2, 3), QPoint(11, 13), QPoint(2, 22)});
        QTest::newRow("up") << int(S::gstTriangleUp)
                            << QPolygon({QPoint(7, 3), QPoint(2, 22), QPoint(11, 22)});
        QTest::newRow("down") << int(S::gstTriangleDown)
                              << QPolygon({QPoint(2, 3), QPoint(7, 22), QPoint(11, 3)});
        QTest::newRow("rectangle has none") << int(S::gstRectangle) << QPolygon();
    }

    void polygonPointsOfEachKind()
    {
        QFETCH(int, shape);
        QFETCH(QPolygon, points);
        S s;
        s.SetShape(S::TGPShapeType(shape));
        QCOMPARE(s.OutlinePoints(QRect(QPoint(2, 3), QPoint(11, 22))), points);
    }

    void polygonKeepsEveryPointOnTheCircle()
    {
        S s;
        s.SetBounds(0, 0, 108, 108);
        s.SetShape(S::gstPolyGon);
        s.SetVectors(6);
        s.SetStartingAngle(0);
        const QPolygon p = s.OutlinePoints(s.ShapeRect());
        QCOMPARE(p.size(), 6);
        for (const QPoint &q : p)
            QVERIFY(qAbs(std::hypot(q.x() - 54, q.y() - 54) - 50) < 1.0);
        QCOMPARE(p[0], QPoint(104, 54)); // angle 0: to the right
    }

    void shadowRectangles()
    {
        S s;
        s.SetBounds(0, 0, 41, 31);
        s.SetOutlineWidth(3); // h = 1, W = 39, H = 29
        s.SetShadowDepth(4);
        s.SetShape(S::gstRectangle);
        s.SetShadowOrient(S::soUpperRight);
        QCOMPARE(s.ShapeRect(), QRect(QPoint(1, 5), QPoint(34, 28)));
        QCOMPARE(s.ShadowRect(), QRect(QPoint(5, 1), QPoint(38, 24)));
        s.SetShadowOrient(S::soLowerLeft);
        QCOMPARE(s.ShapeRect(), QRect(QPoint(5, 1), QPoint(38, 24)));
        QCOMPARE(s.ShadowRect(), QRect(QPoint(1, 5), QPoint(34, 28)));
        // A diamond's shadow only moves sideways.
        s.SetShape(S::gstDiamond);
        QCOMPARE(s.ShapeRect(), QRect(QPoint(5, 1), QPoint(38, 28)));
        QCOMPARE(s.ShadowRect(), QRect(QPoint(1, 1), QPoint(34, 28)));
        s.SetShadowOrient(S::soNone);
        QVERIFY(s.ShadowRect().isNull());
        // At zoom 1.5 the offset is Trunc(1.5 × 4) = 6.
        s.SetShape(S::gstRectangle);
        s.SetShadowOrient(S::soLowerRight);
        s.SetZoom(1.5f);
        QCOMPARE(s.ShadowRect().left() - s.ShapeRect().left(), 6);
    }

    void rangeChecksKeepTheValue()
    {
        S s;
        s.SetBounds(0, 0, 20, 20);
        s.SetShadowDepth(10);
        QCOMPARE(s.ShadowDepth(), 10);
        s.SetShadowDepth(11);
        QCOMPARE(s.ShadowDepth(), 10);
        s.SetVectors(2);
        s.SetVectors(61);
        QCOMPARE(s.Vectors(), 10);
        s.SetVectors(60);
        QCOMPARE(s.Vectors(), 60);
        s.SetStartingAngle(360);
        s.SetStartingAngle(-1);
        QCOMPARE(s.StartingAngle(), 90);
        s.SetInVectorPercent(101);
        QCOMPARE(s.InVectorPercent(), 50);
        s.SetShadowOrient(S::TShadowOrient(5));
        QCOMPARE(s.ShadowOrient(), S::soNone);
    }

    void switchingToStar()
    {
        S s;
        s.SetInVectorPercent(0);
        s.SetShape(S::gstStar); // already a star: keeps 0
        QCOMPARE(s.InVectorPercent(), 0);
        s.SetShape(S::gstEllipse);
        s.SetVectors(4);
        s.SetStartingAngle(10);
        s.SetShape(S::gstStar);
        QCOMPARE(s.InVectorPercent(), 50);
        QCOMPARE(s.Vectors(), 10);
        QCOMPARE(s.StartingAngle(), 90);
    }

    void transparentNeverDisappears()
    {
        S s;
        s.SetBounds(0, 0, 40, 40);
        s.SetShadowOrient(S::soLowerRight);
        s.SetOutlineStyle(psClear);
        s.SetPattern(bsCross);
        TGPicture pic;
        pic.SetBitmap(checker(4, 4));
        s.SetSurfaceType(S::stBrushImage);
        s.SetImage(pic);
        QVERIFY(!s.Image().IsEmpty());
        s.SetSurfaceType(S::stBrushTransparent);
        QCOMPARE(s.OutlineStyle(), psSolid);
        QCOMPARE(s.ShadowOrient(), S::soNone);
        QCOMPARE(s.Pattern(), bsClear);
        QVERIFY(s.Image().IsEmpty());
    }

    void gradientBandsRoundAndSpanTheObject()
    {
        const QColor a(10, 200, 0), b(110, 0, 255);
        QCOMPARE(TFillPainter::BandColor(a, b, 0), a);
        QCOMPARE(TFillPainter::BandColor(a, b, 255), b);
        // 128 × 100 / 255 = 50.2 -> 50; 128 × −200 / 255 = −100.4 -> −100; 128 × 255 / 255 = 128.
        QCOMPARE(TFillPainter::BandColor(a, b, 128), QColor(60, 100, 128));
        // 2 × 100 / 255 = 0.78 -> 1 (nearest, not cut).
        QCOMPARE(TFillPainter::BandColor(a, b, 2).red(), 11);
        QCOMPARE(TFillPainter::BandRect(0, 100, 7, true), QRect(0, 0, 0, 7));
        QCOMPARE(TFillPainter::BandRect(254, 100, 7, true), QRect(99, 0, 1, 7));
        QVERIFY(TFillPainter::BandRect(255, 100, 7, true).isEmpty()); // 99.6 -> 100 .. 100
        QCOMPARE(TFillPainter::BandRect(10, 9, 512, false), QRect(0, 20, 9, 2));

        S s;
        s.SetBounds(0, 0, 64, 30);
        s.SetFillDirection(gdRight);
        QImage g = s.GradientBitmapImage();
        QVERIFY(near(QColor(g.pixel(0, 15)), QColor(Qt::red)));   // BackColor at the left
        QVERIFY(near(QColor(g.pixel(63, 15)), QColor(Qt::blue))); // To colour at the right
        s.SetFillDirection(gdLeft);
        QVERIFY(near(QColor(s.GradientBitmapImage().pixel(0, 15)), QColor(Qt::blue)));
        // A resize rebuilds the gradient at the new size.
        s.SetBounds(0, 0, 90, 50);
        QCOMPARE(s.GradientBitmapImage().size(), QSize(90, 50));
    }

    void paintingStaysInsideTheOutline()
    {
        S s;
        s.SetBounds(0, 0, 60, 60);
        s.SetShape(S::gstTriangleUp);
        s.SetSurfaceType(S::stBrushPattern);
        s.SetBackColor(clLime);
        s.SetOutlineStyle(psClear);
        const QImage img = render(s);
        QCOMPARE(QColor(img.pixel(30, 50)), QColor(Qt::green));
        QCOMPARE(QColor(img.pixel(3, 3)), QColor(Qt::white)); // outside the triangle
        QCOMPARE(QColor(img.pixel(56, 3)), QColor(Qt::white));
        // With a shadow: the shadow colour shows below-right of the shape.
        s.SetShape(S::gstRectangle);
        s.SetShadowOrient(S::soLowerRight);
        s.SetShadowColor(clBlack);
        const QImage shadowed = render(s);
        QCOMPARE(QColor(shadowed.pixel(57, 57)), QColor(Qt::black));
        QCOMPARE(QColor(shadowed.pixel(2, 57)), QColor(Qt::white));
        QCOMPARE(QColor(shadowed.pixel(20, 20)), QColor(Qt::green));
    }

    void textureTilesScaleWithZoomOnScreen()
    {
        S s;
        s.SetBounds(0, 0, 40, 40);
        s.SetShape(S::gstRectangle);
        s.SetOutlineStyle(psClear);
        s.SetSurfaceType(S::stBrushImage);
        QImage tile(4, 4, QImage::Format_RGB32);
        tile.fill(Qt::white);
        tile.setPixel(0, 0, qRgb(255, 0, 0));
        TGPicture pic;
        pic.SetBitmap(tile);
        s.SetImage(pic);
        QImage img = render(s);
        QCOMPARE(QColor(img.pixel(4, 4)), QColor(Qt::red));
        QCOMPARE(QColor(img.pixel(5, 5)), QColor(Qt::white));
        s.SetZoom(2.0f); // 8 x 8 tiles, red corner 2 x 2
        img = render(s);
        QCOMPARE(QColor(img.pixel(8, 8)), QColor(Qt::red));
        QCOMPARE(QColor(img.pixel(9, 9)), QColor(Qt::red));
        QCOMPARE(QColor(img.pixel(4, 4)), QColor(Qt::white));
    }

    void printsSolidRectangleInItsInchRectangle()
    {
        S s;
        s.SetBounds(48, 24, 96, 48);
        s.SetShape(S::gstRectangle);
        s.SetSurfaceType(S::stBrushPattern);
        s.SetBackColor(clLime);
        s.SetOutlineStyle(psClear);
        RecordingFiler filer;
        const QImage page = printPage(filer, s, 1.0, 1.0, 96);
        QVERIFY(!page.isNull());
        // Cell at (96, 96) screen pixels: the shape covers x 144..239, y 120..167.
        QCOMPARE(QColor(page.pixel(190, 140)), QColor(Qt::green));
        QCOMPARE(QColor(page.pixel(140, 140)), QColor(Qt::white));
        QCOMPARE(QColor(page.pixel(190, 172)), QColor(Qt::white));
        // The solid bitmap (object-sized) goes out as tiles of 6.25 times its
        // size, each with one more pixel of the next tile for the overlap.
        QVERIFY(!filer.bitmaps.empty());
        QCOMPARE(filer.bitmaps.front().size, QSize(97, 49));
        const QRectF first = filer.bitmaps.front().inches;
        QCOMPARE(first.left(), (600 + 300) / 600.0);
        QVERIFY(qAbs(first.width() - (600 + 6.25) / 600.0) < 1e-9);
    }

    void printsTextureTilesThatOverlap()
    {
        S s;
        s.SetBounds(0, 0, 64, 32);
        s.SetShape(S::gstEllipse);
        s.SetSurfaceType(S::stBrushImage);
        TGPicture pic;
        pic.SetBitmap(checker(16, 16));
        s.SetImage(pic);
        RecordingFiler filer;
        printPage(filer, s, 0.5, 0.5, 50);
        // Tiles of 16 × 6.25 = 100 printer pixels over a box of 400 x 200:
        // every tile that starts inside the box, 4 x 2 tiles.
        QCOMPARE(int(filer.bitmaps.size()), 8);
        const auto &b = filer.bitmaps;
        // Each texture pixel is 6.25 printer pixels, the one it overlaps the
        // next tile with too: the tile is not stretched over the overlap.
        for (const auto &t : b) {
            QCOMPARE(t.size, QSize(17, 17));
            QVERIFY(qAbs(t.inches.width() - 17 * 6.25 / 600.0) < 1e-9);
            QCOMPARE(t.key, b.front().key); // one picture, stored once
        }
        QVERIFY(qAbs(b[1].inches.left() - b[0].inches.left() - 100 / 600.0) < 1e-9);

        // Previewing on a 256-colour screen: one composed bitmap instead.
        PreviewHost host;
        s.SetHost(&host);
        TFillPainter::SetScreenColorCountQuery([] { return 256; });
        RecordingFiler preview;
        printPage(preview, s, 0.5, 0.5, 50);
        TFillPainter::SetScreenColorCountQuery({});
        s.SetHost(nullptr);
        QCOMPARE(int(preview.bitmaps.size()), 1);
        QCOMPARE(preview.bitmaps.front().size, QSize(401, 201));
    }

    void printsGradientBandsAndStarPolygon()
    {
        S s;
        s.SetBounds(96, 0, 96, 96);
        RecordingFiler filer;
        const QImage page = printPage(filer, s, 0.0, 0.0, 96);
        // Star outline: 10 printer-pixel points at the centres of the
        // screen's point pixels, x' = Round((Left + x + 0.5) × 6.25).
        QCOMPARE(int(filer.polygons.size()), 1);
        const QPolygon star = filer.polygons.front();
        QCOMPARE(star.size(), 10);
        QCOMPARE(star[0], QPoint(Round((96 + 48 + 0.5) * 6.25), Round((4 + 0.5) * 6.25)));
        // 256 bands (some empty) over the box plus a quarter inch: 600 + 150 + 1 high.
        QVERIFY(filer.fills.size() > 200);
        QCOMPARE(filer.fills.front().second, QColor(Qt::blue));
        QCOMPARE(filer.fills.back().second, QColor(Qt::red));
        QCOMPARE(filer.fills.back().first.bottom(), 751 - 1);
        // Ink stays inside the star: the object's corners are white, its centre filled.
        QCOMPARE(QColor(page.pixel(100, 3)), QColor(Qt::white));
        const QColor centre(page.pixel(144, 48));
        QVERIFY(centre != QColor(Qt::white));
    }

    void fileRecordRoundTripsByteExact()
    {
        S s;
        s.SetBounds(10, 20, 80, 60);
        s.SetShape(S::gstRoundRect);
        s.SetShadowOrient(S::soUpperLeft);
        s.SetSurfaceType(S::stBrushImage);
        TGPicture pic;
        pic.SetBitmap(checker(8, 8));
        s.SetImage(pic);
        s.LastBitmapFileNameandPath = "/tmp/tex/linen.bmp";
        s.Name = "Component0"; // the name a read object gets
        const QByteArray bytes = TGLabelObjectFiler::ObjectListBytes({&s});
        TGLabelObjectFiler filer;
        auto read = filer.ReadObjectList(bytes);
        QCOMPARE(int(read.size()), 1);
        auto *back = dynamic_cast<S *>(read.front().get());
        QVERIFY(back);
        QCOMPARE(back->Shape(), S::gstRoundRect);
        QCOMPARE(back->ShadowOrient(), S::soUpperLeft);
        QCOMPARE(back->Image().Size(), QSize(8, 8));
        QCOMPARE(back->LastBitmapFileNameandPath, s.LastBitmapFileNameandPath);
        QCOMPARE(TGLabelObjectFiler::ObjectListBytes({back}), bytes);

        // Every field is written but an empty Image and path, in this order.
        S plain;
        QStringList names;
        for (const TFilerEntry &e : TGLabelObjectFiler::StoredEntries(plain))
            names << e.Name;
        const QStringList own{"BackColor",       "FillDirection", "ForeColor",     "GradientToColor",
                              "InVectorPercent", "OutlineColor",  "OutlineStyle",  "OutlineWidth",
                              "Pattern",         "RoundPerc",     "ShadowColor",   "ShadowDepth",
                              "ShadowOrient",    "Shape",         "StartingAngle", "SurfaceType",
                              "Vectors"};
        QCOMPARE(names.mid(names.indexOf("BackColor")), own);
        names.clear();
        for (const TFilerEntry &e : TGLabelObjectFiler::StoredEntries(s))
            names << e.Name;
        QCOMPARE(names.indexOf("Image.Data"), names.indexOf("GradientToColor") + 1);
        QCOMPARE(names.last(), QString("LastBitmapFileNameandPath"));
    }
    void dialogChangesTheShapeOnlyOnOk()
    {
        test::ScriptedInteraction ui;
        S shape;
        shape.SetBounds(0, 0, 60, 40);
        ui.dialogs.enqueue([](QDialog &d) {
            auto &dlg = static_cast<ui::TSuperShapeProperties &>(d);
            // The sample took the shape's size; panels follow the choices.
            if (dlg.Sample().Width() != 60 || !dlg.StarPanel->isVisibleTo(&dlg) ||
                dlg.RoundPanel->isVisibleTo(&dlg))
                return int(QDialog::Rejected);
            dlg.ShapeCombo->setCurrentIndex(S::gstDiamond);
            emit dlg.ShapeCombo->activated(S::gstDiamond);
            dlg.SurfaceTypeCombo->setCurrentIndex(S::stBrushPattern);
            emit dlg.SurfaceTypeCombo->activated(S::stBrushPattern);
            dlg.OutLineWidthSpinner->setValue(3);
            return dlg.ColorPanel->isVisibleTo(&dlg) && !dlg.GradientPanel->isVisibleTo(&dlg)
                       ? int(QDialog::Accepted)
                       : int(QDialog::Rejected);
        });
        QVERIFY(ui::TSuperShapeProperties::Execute(shape));
        QCOMPARE(shape.Shape(), S::gstDiamond);
        QCOMPARE(shape.SurfaceType(), S::stBrushPattern);
        QCOMPARE(shape.OutlineWidth(), 3);
        QCOMPARE(shape.Width(), 60);

        ui.dialogs.enqueue([](QDialog &d) {
            static_cast<ui::TSuperShapeProperties &>(d).Sample().SetShape(S::gstEllipse);
            return int(QDialog::Rejected);
        });
        QVERIFY(!ui::TSuperShapeProperties::Execute(shape));
        QCOMPARE(shape.Shape(), S::gstDiamond);
    }

    void textureFilesThatCannotBeRead()
    {
        test::ScriptedInteraction ui;
        test::TestFolder folder;
        const QString bad = folder.path() + "broken.BMP";
        QFile f(bad);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("not a bitmap");
        f.close();
        QVERIFY(ui::TTextureBrowser::LoadTexture(bad).IsEmpty());
        QCOMPARE(ui.log.size(), 1);
        QVERIFY(ui.log.front().contains("Error loading file!"));
        const QString badJpg = folder.path() + "broken.jpg";
        QVERIFY(QFile::copy(bad, badJpg));
        QVERIFY(ui::TTextureBrowser::LoadTexture(badJpg).IsEmpty());
        QCOMPARE(ui.log.size(), 1); // other kinds fail silently
        const QString shipped =
            QString::fromLocal8Bit(qgetenv("CW_SOURCE_DIR")) + "/content/bmbrush/Wood.bmp";
        QCOMPARE(ui::TTextureBrowser::LoadTexture(shipped).Size(), QSize(96, 96));
        // First use copies the shipped textures into the program folder, and
        // the browser opens there when no remembered file exists.
        ui::TTextureBrowser::CopyShippedTextures();
        QVERIFY(QFile::exists(folder.file("bmbrush/Wood.bmp")));
        S example;
        ui::TTextureBrowser browser(example, [&example](const TGPicture &p) { example.SetImage(p); });
        browser.Start(folder.path() + "gone.bmp");
        QCOMPARE(QDir(browser.Folder()), QDir(folder.path() + "bmbrush"));
        QVERIFY(browser.Files().contains("Marble.bmp"));
        browser.ChooseFile(folder.file("bmbrush/Marble.bmp"));
        QCOMPARE(example.Image().Size(), QSize(96, 96));
    }

    // A shape read from a card file gets its size before its colours; its
    // gradient must still span that size (a new shape's 25 x 25 gradient
    // tiled over it shows as stripes).
    void readShapePaintsItsGradientAtItsSize()
    {
        S s;
        s.SetBounds(0, 0, 96, 96);
        s.Name = "Component0";
        TGLabelObjectFiler filer;
        auto read = filer.ReadObjectList(TGLabelObjectFiler::ObjectListBytes({&s}));
        QCOMPARE(int(read.size()), 1);
        auto *back = dynamic_cast<S *>(read.front().get());
        QVERIFY(back);
        QCOMPARE(render(*back), render(s));
        QCOMPARE(back->GradientBitmapImage().size(), QSize(96, 96));
    }

    // Paper bands fall where the screen's gradient has the same colour: at a
    // quarter, half and three quarters of the height the printed band and the
    // gradient bitmap agree.
    void paperGradientLiesWhereTheScreenHasIt_data()
    {
        QTest::addColumn<uint>("from");
        QTest::addColumn<uint>("to");
        QTest::addColumn<int>("mostFills");
        QTest::newRow("red to blue: 256 colours") << uint(clRed) << uint(clBlue) << 260;
        // A gentle gradient repeats colours: neighbouring bands of one colour
        // go out as one rectangle.
        QTest::newRow("two greys: 17 colours") << uint(0x303030) << uint(0x404040) << 17 + 2;
    }

    void paperGradientLiesWhereTheScreenHasIt()
    {
        QFETCH(uint, from);
        QFETCH(uint, to);
        QFETCH(int, mostFills);
        S s;
        s.SetBounds(96, 0, 96, 96);
        s.SetBackColor(TColor(from));
        s.SetGradientToColor(TColor(to));
        RecordingFiler filer;
        printPage(filer, s, 0.0, 0.0, 96);
        QVERIFY2(int(filer.fills.size()) <= mostFills, qPrintable(QString::number(filer.fills.size())));
        const QImage screen = s.GradientBitmapImage();
        const int x = Trunc((96 + 48) * 6.25);
        for (int y : {5, 24, 48, 72, 90}) {
            const int dy = Trunc(y * 6.25) + 3;
            std::optional<QColor> printed;
            for (const auto &[rect, colour] : filer.fills)
                if (rect.contains(x, dy))
                    printed = colour;
            QVERIFY2(printed, qPrintable(QString::number(y)));
            QVERIFY2(near(*printed, QColor(screen.pixel(48, y))),
                     qPrintable(QStringLiteral("row %1: paper %2, screen %3")
                                    .arg(y)
                                    .arg(printed->name(), QColor(screen.pixel(48, y)).name())));
        }
    }

    // A clip the shape's fill used is gone for the objects printed after it:
    // a text label (printed as a recorded picture that turns clipping on)
    // must not be cut to the star.
    void labelPrintedAfterTheShapeKeepsItsText()
    {
        S s;
        s.SetBounds(0, 0, 60, 60);
        TGPLabel label;
        label.SetBounds(0, 70, 150, 20);
        label.SetCaption("Elena Marsh");
        label.SetTransparent(true);
        QImage page(400, 300, QImage::Format_RGB32);
        page.fill(Qt::white);
        int inked = 0;
        {
            TCanvasReport report(page, 96, 96);
            report.SetProcessEvents({});
            report.OnPrint = [&](TBaseReport &r) {
                s.PrintTo(r, 0.5, 0.5);
                label.PrintTo(r, 0.5, 0.5);
            };
            report.Execute();
        }
        for (int y = 48 + 70; y < 48 + 90; ++y)
            for (int x = 48 + 60; x < 48 + 150; ++x) // right of the star
                inked += qGray(page.pixel(x, y)) < 128;
        QVERIFY2(inked > 40, qPrintable(QString::number(inked)));
    }

    // The gradient is a ready bitmap: painting, printing and moving reuse it;
    // only a colour, direction or size change builds a new one.
    void gradientIsRebuiltOnlyWhenItsInputsChange()
    {
        S s;
        s.SetBounds(0, 0, 80, 60);
        const qint64 key = s.GradientBitmapImage().cacheKey();
        render(s);
        render(s);
        s.BoundsChanged(); // the surface reports after every paint
        s.SetBounds(30, 20, 80, 60);
        RecordingFiler filer;
        printPage(filer, s, 0.5, 0.5, 50);
        QCOMPARE(s.GradientBitmapImage().cacheKey(), key);
        s.SetGradientToColor(clLime);
        const qint64 recoloured = s.GradientBitmapImage().cacheKey();
        QVERIFY(recoloured != key);
        s.SetBounds(30, 20, 90, 60);
        QVERIFY(s.GradientBitmapImage().cacheKey() != recoloured);
        QCOMPARE(s.GradientBitmapImage().size(), QSize(90, 60));
    }

    // The outline lies on the edge of its fill: no white pixel is left
    // between them, for every outline kind, pen width and zoom.
    void outlineSitsOnItsFill_data()
    {
        QTest::addColumn<int>("shape");
        QTest::newRow("ellipse") << int(S::gstEllipse);
        QTest::newRow("round rectangle") << int(S::gstRoundRect);
        QTest::newRow("rectangle") << int(S::gstRectangle);
        QTest::newRow("diamond") << int(S::gstDiamond);
        QTest::newRow("star") << int(S::gstStar);
        QTest::newRow("polygon") << int(S::gstPolyGon);
        QTest::newRow("triangle left") << int(S::gstTriangleLeft);
        QTest::newRow("triangle right") << int(S::gstTriangleRight);
        QTest::newRow("triangle up") << int(S::gstTriangleUp);
        QTest::newRow("triangle down") << int(S::gstTriangleDown);
    }

    void outlineSitsOnItsFill()
    {
        QFETCH(int, shape);
        for (int width : {1, 2, 3})
            for (float zoom : {1.0f, 2.0f})
                for (QSize size : {QSize(61, 47), QSize(80, 80)}) {
                    S s;
                    s.SetBounds(QRect(QPoint(0, 0), size));
                    s.SetShape(S::TGPShapeType(shape));
                    s.SetVectors(7);
                    s.SetSurfaceType(S::stBrushPattern);
                    s.SetBackColor(clBlue);
                    s.SetOutlineWidth(width);
                    s.SetZoom(zoom);
                    const int seam = enclosedWhite(render(s));
                    QVERIFY2(seam == 0,
                             qPrintable(QStringLiteral("%1 white pixels (pen %2, zoom %3, %4 x %5)")
                                            .arg(seam)
                                            .arg(width)
                                            .arg(zoom)
                                            .arg(size.width())
                                            .arg(size.height())));
                }
    }

    // On paper (a printed PDF rasterised at screen resolution) the outlines
    // of an ellipse and a star sit on their fill as on screen and in the
    // export: no background is enclosed, and ink falls in the same blocks.
    void paperOutlineSitsOnItsFill()
    {
        ui::TGBusinessCardPanel32 surface;
        surface.setCardSize(336, 192);
        int x = 10;
        for (S::TGPShapeType kind : {S::gstEllipse, S::gstStar, S::gstTriangleDown, S::gstDiamond}) {
            auto s = std::make_unique<S>();
            s->SetBounds(x, 20, 70, 61);
            s->SetShape(kind);
            s->SetSurfaceType(S::stBrushPattern);
            s->SetBackColor(clBlue);
            s->SetOutlineWidth(1);
            surface.AddObject(std::move(s));
            x += 80;
        }
        const test::CardOutputs out = test::RenderCardOutputs(surface);
        if (const QString keep = qEnvironmentVariable("CW_OUTPUT_DIR"); !keep.isEmpty())
            test::SaveSideBySide(keep + "/supershape-outlines.png", out.screen, out.exported, out.paper);
        QVERIFY2(out.error.isEmpty(), qPrintable(out.error));
        QCOMPARE(enclosedWhite(out.screen), 0);
        QCOMPARE(enclosedWhite(out.exported), 0);
        QCOMPARE(enclosedWhite(out.paper), 0);
        const auto paper = test::CompareInkBlocks(out.screen, out.paper);
        QVERIFY2(paper.worst < 0.4, qPrintable(paper.Describe()));
    }
};

QTEST_MAIN(TestSuperShape)
#include "tst_supershape.moc"
