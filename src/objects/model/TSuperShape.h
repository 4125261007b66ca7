#pragma once
// The multi-purpose shape: one of ten outlines (rectangle, rounded rectangle,
// ellipse, diamond, star, four triangles, regular polygon) filled with a
// surface (transparent, solid colour, tiled texture or a two-colour
// gradient), with an optional drop shadow and an outline pen.
//
// Geometry is in the object's own pixels; rectangles are (left, top, right,
// bottom) with the right and bottom edge excluded.  The surface bitmaps are
// kept ready at the object's size and rebuilt only when their inputs change.

#include "design/model/TFinerGrid.h"
#include "design/model/TGBrush.h"
#include "design/model/TGColor.h"
#include "design/model/TGGraphicControl.h"
#include "design/model/TGPen.h"
#include "design/model/TGPicture.h"
#include "objects/model/TFillPainter.h"

#include <QImage>
#include <QPolygon>
#include <QRect>
#include <array>
#include <functional>
#include <utility>

namespace cw::model {

class TSuperShape : public TGGraphicControl
{
public:
    enum TGPShapeType {
        gstRectangle,
        gstRoundRect,
        gstEllipse,
        gstDiamond,
        gstStar,
        gstTriangleLeft,
        gstTriangleRight,
        gstTriangleUp,
        gstTriangleDown,
        gstPolyGon
    };
    enum TSurfaceType { stBrushTransparent, stBrushPattern, stBrushImage, stGradientFill };
    enum TShadowOrient { soNone, soLowerRight, soUpperRight, soUpperLeft, soLowerLeft };

    TSuperShape();

    QString ClassName() const override { return QStringLiteral("TSuperShape"); }
    std::unique_ptr<TGGraphicControl> NewInstance() const override { return std::make_unique<TSuperShape>(); }
    static const TPropertyTable &ClassProperties();
    const TPropertyTable &Properties() const override { return ClassProperties(); }
    static const QStringList &ShapeNames();
    static const QStringList &SurfaceTypeNames();
    static const QStringList &ShadowOrientNames();

    // The properties editor the "Properties" entry and a double-click open;
    // installed by the widgets layer.  Returns true when the shape changed.
    static std::function<bool(TSuperShape &)> &PropertiesEditor();

    // ---- published values (setters ignore unchanged and out-of-range values)
    TColor BackColor() const { return m_fill.FromColor(); }
    void SetBackColor(TColor c) { m_fill.SetFromColor(c); }
    TFillDirection FillDirection() const { return m_fill.FillDirection(); }
    void SetFillDirection(TFillDirection d) { m_fill.SetFillDirection(d); }
    TColor ForeColor() const { return m_foreColor; }
    void SetForeColor(TColor c);
    TColor GradientToColor() const { return m_fill.ToColor(); }
    void SetGradientToColor(TColor c) { m_fill.SetToColor(c); }
    const TGPicture &Image() const { return m_fill.Image(); }
    // Copies the picture (icons become bitmaps); an empty one empties it.
    void SetImage(const TGPicture &picture) { m_fill.SetImage(picture); }
    int InVectorPercent() const { return m_inVectorPercent; }
    void SetInVectorPercent(int v); // 0..100
    TColor OutlineColor() const { return m_fill.OutlineColor(); }
    void SetOutlineColor(TColor c) { m_fill.SetOutlineColor(c); }
    TPenStyle OutlineStyle() const { return m_fill.OutlineStyle(); }
    void SetOutlineStyle(TPenStyle s) { m_fill.SetOutlineStyle(s); }
    int OutlineWidth() const { return m_fill.OutlineWidth(); }
    // A negative width has no meaning for the outline and would move the
    // shape rectangle outside the object: it is ignored.
    void SetOutlineWidth(int w);
    TBrushStyle Pattern() const { return m_pattern; }
    void SetPattern(TBrushStyle p);
    int RoundPerc() const { return m_roundPerc; }
    void SetRoundPerc(int v);
    TColor ShadowColor() const { return m_fill.ShadowColor(); }
    void SetShadowColor(TColor c) { m_fill.SetShadowColor(c); }
    int ShadowDepth() const { return m_shadowDepth; }
    // Taken only when at most half the width and half the height.
    void SetShadowDepth(int d);
    TShadowOrient ShadowOrient() const { return m_shadowOrient; }
    void SetShadowOrient(TShadowOrient o);
    TGPShapeType Shape() const { return m_shape; }
    void SetShape(TGPShapeType s);
    int StartingAngle() const { return m_startingAngle; }
    void SetStartingAngle(int degrees); // 0..359
    TSurfaceType SurfaceType() const { return m_surfaceType; }
    void SetSurfaceType(TSurfaceType t);
    int Vectors() const { return m_vectors; }
    void SetVectors(int n); // 3..60
    QString LastBitmapFileNameandPath;

    // Sets every appearance value of `source` through the setters, then its size.
    void CopyAppearanceFrom(const TSuperShape &source);
    // Sets the appearance back from an edited copy (no size), as the
    // properties dialog's "Ok" does, then reports the change.
    void TakeAppearanceFrom(const TSuperShape &source);

    // ---- geometry (object pixels)
    QRect ShapeRect() const;
    // Empty when there is no shadow.
    QRect ShadowRect() const;
    // The outline points of a polygon kind in (L, T, R, B); empty for the
    // rectangle, rounded rectangle and ellipse.
    QPolygon OutlinePoints(const QRect &ltrb) const;
    QPolygon ShadowPoints() const;
    int RoundCorner() const;
    bool IsPolygonKind() const;

    // ---- surface bitmaps
    const QImage &SolidBitmap() const { return m_fill.SolidBitmap(); }
    const QImage &GradientBitmapImage() const { return m_fill.GradientBitmap(); }
    void BuildSolidBitmap() { m_fill.BuildSolidBitmap(); }
    void BuildGradientBitmap() { m_fill.BuildGradientBitmap(); }

    void Paint(QPainter &painter) override;
    void PrintTo(engine::TBaseReport &report, double leftInches, double topInches) override;
    // A move or resize rebuilds a gradient at the new size; the surface's
    // move report is made at the end of the next Paint instead.
    void BoundsChanged() override;

protected:
    void BuildPopupMenu(std::vector<TGMenuItem> &menu) override;

private:
    // Every appearance value of `source`, through the setters (no size).
    void SetAppearanceValues(const TSuperShape &source);
    int shadowOffset() const;
    // The shape rectangle and the shadow rectangle (null without a shadow).
    std::pair<QRect, QRect> shapeAndShadow() const;
    QRect ltrb(int l, int t, int r, int b) const { return QRect(QPoint(l, t), QPoint(r - 1, b - 1)); }
    void drawKind(QPainter &painter, const QRect &ltrb, const QPolygon &points, int penWidth) const;
    // The corners (x1, y1, x2, y2) of `ltrb` in inches on the sheet.
    std::array<double, 4> inchCorners(const QRect &ltrb, double x0, double y0) const;
    // Prints the kind's outline with a pen `penWidth` card pixels wide
    // centred on the line the screen draws it on.
    void printKindInches(engine::TBaseReport &report, const QRect &ltrb, int penWidth, double x0,
                         double y0) const;
    QPainterPath printClipRegion(engine::TBaseReport &report, const QRect &ltrb, const QPolygon &devicePoints,
                                 double x0, double y0) const;
    // The outline kind in `ltrb` as a path: the fill's clip.
    QPainterPath outlinePath(const QRect &ltrb) const;

    // Surface, gradient and texture, outline pen and shadow colour.
    TFillPainter m_fill{*this, {TFillPainter::fsGradient, gdUp, clRed, clBlue, clBlack}};
    TColor m_foreColor = clBlack;
    int m_inVectorPercent = 50;
    TBrushStyle m_pattern = bsClear;
    int m_roundPerc = 25;
    int m_shadowDepth = 5;
    TShadowOrient m_shadowOrient = soNone;
    TGPShapeType m_shape = gstStar;
    int m_startingAngle = 90;
    TSurfaceType m_surfaceType = stGradientFill;
    int m_vectors = 10;
    // The shadow, fill and outline as the screen last drew them.
    TFinerGrid m_finerGrid;
};

} // namespace cw::model
