#include "design/model/TGLabelShapes.h"

#include "design/model/TGShapePainting.h"
#include "design/model/TPropertyGroups.h"
#include "print/engine/TBaseReport.h"
#include "print/engine/Units.h"

#include <QPainter>
#include <QPainterPath>

namespace cw::model {

namespace {
using T = TGLabelShapes;
using K = TPropertyKind;

std::vector<TPropertyInfo> ownProperties()
{
    std::vector<TPropertyInfo> own;
    own.push_back(MakeProperty<T>(
        "Transparent", K::Boolean, {}, [](const T &o) { return o.Transparent(); },
        [](T &o, const QVariant &v) { o.SetTransparent(v.toBool()); }));
    // "Transparent" precedes the brush, so a stored brush style wins over it.
    for (auto &p : BrushProperties<T>(
             "Brush", [](const T &o) -> const TGBrush & { return o.Brush(); },
             [](T &o, const TGBrush &b) { o.SetBrush(b); }))
        own.push_back(std::move(p));
    for (auto &p : PenProperties<T>(
             "Pen", [](const T &o) -> const TGPen & { return o.Pen(); },
             [](T &o, const TGPen &p) { o.SetPen(p); }))
        own.push_back(std::move(p));
    own.push_back(MakeProperty<T>(
        "RoundPerc", K::Integer, 25, [](const T &o) { return o.RoundPerc(); },
        [](T &o, const QVariant &v) { o.SetRoundPerc(v.toInt()); }));
    own.push_back(MakeProperty<T>(
        "Shape", K::Enumeration, int(stRectangle), [](const T &o) { return int(o.Shape()); },
        [](T &o, const QVariant &v) { o.SetShape(TShapeType(qBound(0, v.toInt(), int(stCircle)))); },
        TGLabelShapes::ShapeNames()));
    return own;
}

std::vector<TGMenuItem> thicknessMenu(std::function<void(int)> choose)
{
    std::vector<TGMenuItem> items;
    for (int n = 1; n <= 10; ++n) {
        TGMenuItem item = TGMenuItem::Command(QString::number(n) + " Point", [choose, n] { choose(n); });
        item.Checkable = true;
        items.push_back(item);
    }
    return items;
}
} // namespace

TGLabelShapes::TGLabelShapes()
{
    InitBounds(QRect(0, 0, 25, 25));
}

std::unique_ptr<TGGraphicControl> TGLabelShapes::NewInstance() const
{
    return std::make_unique<TGLabelShapes>();
}

const TPropertyTable &TGLabelShapes::ClassProperties()
{
    static const TPropertyTable table(&TGGraphicControl::ClassProperties(), ownProperties());
    return table;
}

const QStringList &TGLabelShapes::ShapeNames()
{
    static const QStringList names{"stRectangle",   "stSquare",  "stRoundRect",
                                   "stRoundSquare", "stEllipse", "stCircle"};
    return names;
}

void TGLabelShapes::SetTransparent(bool on)
{
    if (on == m_transparent)
        return;
    m_transparent = on;
    m_brush.Style = on ? bsClear : bsSolid;
    Repaint();
}

void TGLabelShapes::SetBrush(const TGBrush &brush)
{
    if (brush == m_brush)
        return;
    m_brush = brush;
    Repaint();
}

void TGLabelShapes::SetPen(const TGPen &pen)
{
    if (pen == m_pen)
        return;
    m_pen = pen;
    Repaint();
}

void TGLabelShapes::SetRoundPerc(int percent)
{
    if (percent == m_roundPerc)
        return;
    m_roundPerc = percent;
    Repaint();
}

void TGLabelShapes::SetShape(TShapeType shape)
{
    if (shape == m_shape)
        return;
    m_shape = shape;
    Repaint();
}

int TGLabelShapes::ScreenPenWidth() const
{
    const int w = ZoomedPenWidth(m_pen.Width);
    return (m_pen.Width > 0 && w < 1) ? 1 : w;
}

QRect TGLabelShapes::PenRect() const
{
    const int w = ScreenPenWidth();
    const int h = w / 2;
    return QRect(QPoint(h, h), QPoint(Width() + h - w + 1 - 1, Height() + h - w + 1 - 1));
}

int TGLabelShapes::CornerSize() const
{
    return Trunc(m_roundPerc * 0.01 * std::max(Width(), Height()));
}

void TGLabelShapes::Paint(QPainter &painter)
{
    const int w = ScreenPenWidth();
    painter.save();
    const bool outlined = TGShapePainting::SetupPen(painter, m_pen, w, Qt::SquareCap, Zoom());
    painter.setBrush(TGShapePainting::Fill(m_brush, m_pen));
    // Without an outline the fill covers the whole frame, pixel for pixel, as
    // on paper; an outline runs through pixel centres and the fill inside it.
    const QRectF r = outlined ? TGShapePainting::OutlineRect(PenRect(), w) : QRectF(0, 0, Width(), Height());
    // Curves are drawn smooth, as paper shows them; straight edges stay on
    // whole pixels.
    painter.setRenderHint(QPainter::Antialiasing, IsRound() || IsEllipse());
    // Every outline goes through the path paper strokes, so a dashed one
    // starts at the same point and its dashes fall where they print.
    if (IsRound()) {
        const double radius = CornerSize() / 2.0;
        QPainterPath path;
        path.addRoundedRect(r, radius, radius);
        TGShapePainting::DrawPath(painter, path);
    } else if (IsEllipse()) {
        QPainterPath path;
        path.addEllipse(r);
        TGShapePainting::DrawPath(painter, path);
    } else {
        QPainterPath path;
        path.addRect(r);
        TGShapePainting::DrawPath(painter, path);
    }
    painter.restore();
}

void TGLabelShapes::PrintTo(engine::TBaseReport &report, double leftInches, double topInches)
{
    const double ppi = ScreenPixelsPerInch;
    report.SetPen(TGColor::ToQColor(m_pen.Color), TGPen::ToQtStyle(m_pen.Style),
                  -m_pen.Width * 100 / ppi, engine::TPenMode(m_pen.Mode));
    report.SetBrush(TGColor::ToQColor(m_brush.Color), m_brush.ToQBrush().style());
    const double x1 = leftInches + Left() / ppi;
    const double y1 = topInches + Top() / ppi;
    const double x2 = leftInches + (Left() + Width()) / ppi;
    const double y2 = topInches + (Top() + Height()) / ppi;
    if (IsRound()) {
        const double corner = CornerSize() / ppi;
        report.RoundRect(x1, y1, x2, y2, corner, corner);
    } else if (IsEllipse()) {
        report.Ellipse(x1, y1, x2, y2);
    } else {
        report.Rectangle(x1, y1, x2, y2);
    }
}

void TGLabelShapes::BuildPopupMenu(std::vector<TGMenuItem> &menu)
{
    TGGraphicControl::BuildPopupMenu(menu);
    menu.push_back(TGMenuItem::Separator());
    menu.push_back(TGMenuItem::Command(QT_TRANSLATE_NOOP("TGMenuItem", "Background Color"), [this] {
        if (!Host())
            return;
        if (auto c = Host()->ChooseColor(m_brush.Color)) {
            TGBrush b = m_brush;
            b.Color = *c;
            SetBrush(b);
            NotifyChanged();
            SetTransparent(false);
            Repaint();
        }
    }));
    menu.push_back(TGMenuItem::Command(QT_TRANSLATE_NOOP("TGMenuItem", "Line Color"), [this] {
        if (!Host())
            return;
        if (auto c = Host()->ChooseColor(m_pen.Color)) {
            TGPen p = m_pen;
            p.Color = *c;
            SetPen(p);
            NotifyChanged();
            Repaint();
        }
    }));
    menu.push_back(
        TGMenuItem::Submenu(QT_TRANSLATE_NOOP("TGMenuItem", "Line Thickness"), thicknessMenu([this](int n) {
                                TGPen p = m_pen;
                                p.Width = n;
                                SetPen(p);
                                NotifyChanged();
                            })));
    menu.push_back(TGMenuItem::Separator());
    TGMenuItem transparent = TGMenuItem::Command(QT_TRANSLATE_NOOP("TGMenuItem", "Transparent"), [this] {
        SetTransparent(!m_transparent);
        // The fill is part of the design: the change must be saved like any other.
        NotifyChanged();
        Repaint();
    });
    transparent.Checkable = true;
    menu.push_back(transparent);
    // Offered only to shapes that are round when the menu is built.
    if (IsRound()) {
        menu.push_back(TGMenuItem::Separator());
        std::vector<TGMenuItem> degrees;
        for (int percent = 20; percent <= 80; percent += 10)
            degrees.push_back(TGMenuItem::Command(QString::number(percent) + " %", [this, percent] {
                SetRoundPerc(percent);
                NotifyChanged();
            }));
        menu.push_back(
            TGMenuItem::Submenu(QT_TRANSLATE_NOOP("TGMenuItem", "Degree of Rounding"), std::move(degrees)));
    }
}

void TGLabelShapes::UpdatePopupChecks()
{
    auto &menu = MenuItems();
    if (TGMenuItem *t = TGMenuItem::Find(menu, "Transparent"))
        t->Checked = m_transparent;
    if (TGMenuItem *thickness = TGMenuItem::Find(menu, "Line Thickness"))
        for (int n = 1; n <= 10; ++n)
            thickness->Items[n - 1].Checked = (m_pen.Width == n);
}

} // namespace cw::model
