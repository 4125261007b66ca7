#include "objects/model/TSuperShape.h"

#include "print/engine/Units.h"

namespace cw::model {

namespace {
using T = TSuperShape;
using K = TPropertyKind;

TPropertyInfo colourProperty(const char *name, TColor (T::*get)() const, void (T::*set)(TColor))
{
    return MakeProperty<T>(
        name, K::Colour, {}, [get](const T &o) { return uint((o.*get)()); },
        [set](T &o, const QVariant &v) { (o.*set)(TColor(v.toUInt())); });
}

TPropertyInfo intProperty(const char *name, int (T::*get)() const, void (T::*set)(int))
{
    return MakeProperty<T>(
        name, K::Integer, {}, [get](const T &o) { return (o.*get)(); },
        [set](T &o, const QVariant &v) { (o.*set)(v.toInt()); });
}

// Ordinals beyond the names are ignored, as an out-of-range setter value is.
template <class E>
TPropertyInfo enumProperty(const char *name, E (T::*get)() const, void (T::*set)(E), const QStringList &names)
{
    const int last = int(names.size()) - 1;
    return MakeProperty<T>(
        name, K::Enumeration, {}, [get](const T &o) { return int((o.*get)()); },
        [set, last](T &o, const QVariant &v) {
            const int n = v.toInt();
            if (n >= 0 && n <= last)
                (o.*set)(E(n));
        },
        names);
}

std::vector<TPropertyInfo> ownProperties()
{
    return {
        colourProperty("BackColor", &T::BackColor, &T::SetBackColor),
        enumProperty("FillDirection", &T::FillDirection, &T::SetFillDirection,
                     TFillPainter::FillDirectionNames()),
        colourProperty("ForeColor", &T::ForeColor, &T::SetForeColor),
        colourProperty("GradientToColor", &T::GradientToColor, &T::SetGradientToColor),
        MakeProperty<T>(
            "Image.Data", K::Binary, {}, [](const T &o) { return o.Image().BitmapData(); },
            [](T &o, const QVariant &v) {
                TGPicture p;
                p.SetBitmapData(v.toByteArray());
                o.SetImage(p);
            }),
        intProperty("InVectorPercent", &T::InVectorPercent, &T::SetInVectorPercent),
        colourProperty("OutlineColor", &T::OutlineColor, &T::SetOutlineColor),
        enumProperty("OutlineStyle", &T::OutlineStyle, &T::SetOutlineStyle, TGPen::StyleNames()),
        intProperty("OutlineWidth", &T::OutlineWidth, &T::SetOutlineWidth),
        enumProperty("Pattern", &T::Pattern, &T::SetPattern, TGBrush::StyleNames()),
        intProperty("RoundPerc", &T::RoundPerc, &T::SetRoundPerc),
        colourProperty("ShadowColor", &T::ShadowColor, &T::SetShadowColor),
        intProperty("ShadowDepth", &T::ShadowDepth, &T::SetShadowDepth),
        enumProperty("ShadowOrient", &T::ShadowOrient, &T::SetShadowOrient, T::ShadowOrientNames()),
        enumProperty("Shape", &T::Shape, &T::SetShape, T::ShapeNames()),
        intProperty("StartingAngle", &T::StartingAngle, &T::SetStartingAngle),
        enumProperty("SurfaceType", &T::SurfaceType, &T::SetSurfaceType, T::SurfaceTypeNames()),
        intProperty("Vectors", &T::Vectors, &T::SetVectors),
        MakeProperty<T>(
            "LastBitmapFileNameandPath", K::String, {},
            [](const T &o) { return o.LastBitmapFileNameandPath; },
            [](T &o, const QVariant &v) { o.LastBitmapFileNameandPath = v.toString(); }),
    };
}
} // namespace

TSuperShape::TSuperShape()
{
    InitBounds(QRect(0, 0, 25, 25));
    BuildGradientBitmap();
    OnEdit = [this](TObjectHost &) {
        if (PropertiesEditor())
            PropertiesEditor()(*this);
    };
}

const TPropertyTable &TSuperShape::ClassProperties()
{
    static const TPropertyTable table(&TGGraphicControl::ClassProperties(), ownProperties());
    return table;
}

const QStringList &TSuperShape::ShapeNames()
{
    static const QStringList names{"gstRectangle",    "gstRoundRect",    "gstEllipse",       "gstDiamond",
                                   "gstStar",         "gstTriangleLeft", "gstTriangleRight", "gstTriangleUp",
                                   "gstTriangleDown", "gstPolyGon"};
    return names;
}

const QStringList &TSuperShape::SurfaceTypeNames()
{
    static const QStringList names{"stBrushTransparent", "stBrushPattern", "stBrushImage", "stGradientFill"};
    return names;
}

const QStringList &TSuperShape::ShadowOrientNames()
{
    static const QStringList names{"soNone", "soLowerRight", "soUpperRight", "soUpperLeft", "soLowerLeft"};
    return names;
}

std::function<bool(TSuperShape &)> &TSuperShape::PropertiesEditor()
{
    static std::function<bool(TSuperShape &)> editor;
    return editor;
}

// ---- setters ---------------------------------------------------------------

void TSuperShape::SetForeColor(TColor c)
{
    if (c == m_foreColor)
        return;
    m_foreColor = c;
    Repaint();
}

void TSuperShape::SetInVectorPercent(int v)
{
    if (v == m_inVectorPercent || v < 0 || v > 100)
        return;
    m_inVectorPercent = v;
    Repaint();
}

void TSuperShape::SetOutlineWidth(int w)
{
    if (w >= 0)
        m_fill.SetOutlineWidth(w);
}

void TSuperShape::SetPattern(TBrushStyle p)
{
    if (p == m_pattern)
        return;
    m_pattern = p;
    Repaint();
}

void TSuperShape::SetRoundPerc(int v)
{
    if (v == m_roundPerc)
        return;
    m_roundPerc = v;
    Repaint();
}

void TSuperShape::SetShadowDepth(int d)
{
    if (d == m_shadowDepth || d < 0 || d > Width() / 2 || d > Height() / 2)
        return;
    m_shadowDepth = d;
    Repaint();
}

void TSuperShape::SetShadowOrient(TShadowOrient o)
{
    if (o == m_shadowOrient || o < soNone || o > soLowerLeft)
        return;
    m_shadowOrient = o;
    Repaint();
}

void TSuperShape::SetShape(TGPShapeType s)
{
    if (s == m_shape || s < gstRectangle || s > gstPolyGon)
        return;
    m_shape = s;
    if (s == gstStar) {
        if (m_inVectorPercent == 0)
            m_inVectorPercent = 50;
        if (m_vectors < 10)
            m_vectors = 10;
        m_startingAngle = 90;
    }
    Repaint();
}

void TSuperShape::SetStartingAngle(int degrees)
{
    if (degrees == m_startingAngle || degrees < 0 || degrees > 359)
        return;
    m_startingAngle = degrees;
    Repaint();
}

void TSuperShape::SetSurfaceType(TSurfaceType t)
{
    if (t == m_surfaceType || t < stBrushTransparent || t > stGradientFill)
        return;
    m_surfaceType = t;
    Repaint();
    static constexpr TFillPainter::TSurface surfaces[] = {TFillPainter::fsClear, TFillPainter::fsSolid,
                                                          TFillPainter::fsTexture, TFillPainter::fsGradient};
    m_fill.SetSurface(surfaces[t]);
    if (t == stBrushTransparent) {
        // A transparent shape must never disappear: no shadow (and the
        // painter keeps an outline even when "Clear" was chosen).
        m_shadowOrient = soNone;
        m_pattern = bsClear;
    }
}

void TSuperShape::SetVectors(int n)
{
    if (n == m_vectors || n < 3 || n > 60)
        return;
    m_vectors = n;
    Repaint();
}

void TSuperShape::SetAppearanceValues(const TSuperShape &s)
{
    SetBackColor(s.BackColor());
    SetFillDirection(s.FillDirection());
    SetForeColor(s.ForeColor());
    SetGradientToColor(s.GradientToColor());
    SetImage(s.Image());
    SetInVectorPercent(s.InVectorPercent());
    SetOutlineColor(s.OutlineColor());
    SetOutlineStyle(s.OutlineStyle());
    SetOutlineWidth(s.OutlineWidth());
    SetPattern(s.Pattern());
    SetRoundPerc(s.RoundPerc());
    SetShadowColor(s.ShadowColor());
    SetShadowDepth(s.ShadowDepth());
    SetShadowOrient(s.ShadowOrient());
    SetShape(s.Shape());
    SetStartingAngle(s.StartingAngle());
    SetSurfaceType(s.SurfaceType());
    SetVectors(s.Vectors());
}

void TSuperShape::CopyAppearanceFrom(const TSuperShape &s)
{
    SetAppearanceValues(s);
    SetBounds(Left(), Top(), s.Width(), s.Height());
    // The depth may have been refused while this shape was still smaller.
    SetShadowDepth(s.ShadowDepth());
}

void TSuperShape::TakeAppearanceFrom(const TSuperShape &s)
{
    SetAppearanceValues(s);
    NotifyChanged();
}

void TSuperShape::BoundsChanged()
{
    // A move or resize rebuilds a gradient at the new size; the surface's
    // move report is made at the end of the next Paint instead.  A shape
    // moved or sized off the card is painted by nothing, so it reports at
    // once: its change must still reach the undo history and the
    // changes-made flag.
    m_fill.FollowSize();
    if (Host() && !BoundsRect().adjusted(-3, -3, 3, 3).intersects(QRect(QPoint(), Host()->SurfaceSize())))
        TGGraphicControl::BoundsChanged();
}

void TSuperShape::BuildPopupMenu(std::vector<TGMenuItem> &menu)
{
    TGGraphicControl::BuildPopupMenu(menu);
    menu.push_back(TGMenuItem::Separator());
    menu.push_back(TGMenuItem::Command(QT_TRANSLATE_NOOP("TGMenuItem", "Properties"), [this] {
        if (PropertiesEditor())
            PropertiesEditor()(*this);
    }));
}

} // namespace cw::model
