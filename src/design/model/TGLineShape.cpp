#include "design/model/TGLineShape.h"

#include "design/model/TGShapePainting.h"
#include "design/model/TPropertyGroups.h"
#include "print/engine/TBaseReport.h"
#include "print/engine/Units.h"

#include <QPainter>
#include <QPainterPath>

namespace cw::model {

namespace {
using T = TGLineShape;
using K = TPropertyKind;

std::vector<TPropertyInfo> ownProperties()
{
    std::vector<TPropertyInfo> own;
    own.push_back(MakeProperty<T>(
        "LineStyle", K::Enumeration, int(stHorizontal), [](const T &o) { return int(o.LineStyle()); },
        [](T &o, const QVariant &v) {
            o.SetLineStyle(TLineStyle(qBound(0, v.toInt(), int(stAngleSlopingDown))));
        },
        TGLineShape::LineStyleNames()));
    for (auto &p : PenProperties<T>(
             "Pen", [](const T &o) -> const TGPen & { return o.Pen(); },
             [](T &o, const TGPen &p) { o.SetPen(p); }))
        own.push_back(std::move(p));
    return own;
}

const char *const kStyleCaptions[] = {QT_TRANSLATE_NOOP("TGMenuItem", "Horizontal"),
                                      QT_TRANSLATE_NOOP("TGMenuItem", "Vertical"),
                                      QT_TRANSLATE_NOOP("TGMenuItem", "Angled Sloping Up"),
                                      QT_TRANSLATE_NOOP("TGMenuItem", "Angled Sloping Down")};
} // namespace

TGLineShape::TGLineShape()
{
    InitBounds(QRect(0, 0, 10, 10));
}

const TPropertyTable &TGLineShape::ClassProperties()
{
    static const TPropertyTable table(&TGGraphicControl::ClassProperties(), ownProperties());
    return table;
}

const QStringList &TGLineShape::LineStyleNames()
{
    static const QStringList names{"stHorizontal", "stVertical", "stAngleSlopingUp", "stAngleSlopingDown"};
    return names;
}

void TGLineShape::SetLineStyle(TLineStyle style)
{
    if (style == m_lineStyle)
        return;
    m_lineStyle = style;
    Repaint();
}

void TGLineShape::SetPen(const TGPen &pen)
{
    if (pen == m_pen)
        return;
    m_pen = pen;
    Repaint();
}

QLine TGLineShape::ScreenLine() const
{
    const int w = ScreenPenWidth();
    const int h = w / 2;
    switch (m_lineStyle) {
    case stHorizontal:
        return QLine(h, h, Width() + h - w + 1, h);
    case stVertical:
        return QLine(h, h, h, Height() + h - w + 1);
    case stAngleSlopingUp:
        return QLine(Width(), 0, 0, Height());
    case stAngleSlopingDown:
        break;
    }
    return QLine(0, 0, Width(), Height());
}

void TGLineShape::Paint(QPainter &painter)
{
    const int w = ScreenPenWidth();
    painter.save();
    if (TGShapePainting::SetupPen(painter, m_pen, w, Qt::FlatCap, Zoom())) {
        // End points are pixel edges along the line and pixel centres across
        // it, so pixels from the start up to (not including) the end are inked.
        const QLine l = ScreenLine();
        const double o = TGShapePainting::Offset(w);
        QLineF line(l);
        if (m_lineStyle == stHorizontal)
            line.translate(0, o);
        else if (m_lineStyle == stVertical)
            line.translate(o, 0);
        QPainterPath path(line.p1());
        path.lineTo(line.p2());
        painter.setBrush(Qt::NoBrush);
        TGShapePainting::DrawPath(painter, path);
    }
    painter.restore();
}

void TGLineShape::PrintTo(engine::TBaseReport &report, double leftInches, double topInches)
{
    const double ppi = ScreenPixelsPerInch;
    // The line prints where the surface draws it at 100 %: as wide as its
    // pen in card pixels, from the same end to the same end, with flat ends
    // (the engine strokes report lines with flat caps).  The pen's mode goes
    // with it, so the line prints in the ink it shows.
    const int w = std::max(1, m_pen.Width);
    const int h = w / 2;
    const int dots = std::max(1, Round(w * report.XDPI() / ppi));
    report.SetPen(TGColor::ToQColor(m_pen.Color), TGPen::ToQtStyle(m_pen.Style), dots,
                  engine::TPenMode(m_pen.Mode));
    auto x = [&](double px) { return leftInches + (Left() + px) / ppi; };
    auto y = [&](double px) { return topInches + (Top() + px) / ppi; };
    // Across a straight line its ink covers the box's first `w` pixels: the
    // engine centres a stroke on the middle of the device pixel it is given,
    // so that pixel lies half the stroke's dots from the box's edge.
    const double acrossX = leftInches + Left() / ppi + (dots / 2) / report.XDPI();
    const double acrossY = topInches + Top() / ppi + (dots / 2) / report.YDPI();
    switch (m_lineStyle) {
    case stHorizontal:
        report.MoveTo(x(h), acrossY);
        report.LineTo(x(Width() + h - w + 1), acrossY);
        break;
    case stVertical:
        report.MoveTo(acrossX, y(h));
        report.LineTo(acrossX, y(Height() + h - w + 1));
        break;
    case stAngleSlopingUp:
        // Drawn from the top right, as on the surface, so dashes start there.
        report.MoveTo(x(Width()), y(0));
        report.LineTo(x(0), y(Height()));
        break;
    case stAngleSlopingDown:
        report.MoveTo(x(0), y(0));
        report.LineTo(x(Width()), y(Height()));
        break;
    }
}

void TGLineShape::StretchToEdges()
{
    if (!Host())
        return;
    const QSize card = Host()->SurfaceSize();
    if (m_lineStyle == stHorizontal)
        SetBounds(0, Top(), card.width(), Height());
    else if (m_lineStyle == stVertical)
        SetBounds(Left(), 0, Width(), card.height());
    Repaint();
}

void TGLineShape::BuildPopupMenu(std::vector<TGMenuItem> &menu)
{
    TGGraphicControl::BuildPopupMenu(menu);
    menu.push_back(TGMenuItem::Separator());
    std::vector<TGMenuItem> styles;
    for (int s = stHorizontal; s <= stAngleSlopingDown; ++s) {
        TGMenuItem item = TGMenuItem::Command(kStyleCaptions[s], [this, s] {
            NotifyChanged();
            SetLineStyle(TLineStyle(s));
            Repaint();
        });
        item.Checkable = true;
        styles.push_back(item);
    }
    menu.push_back(TGMenuItem::Submenu(QT_TRANSLATE_NOOP("TGMenuItem", "Style"), std::move(styles)));
    menu.push_back(TGMenuItem::Command(QT_TRANSLATE_NOOP("TGMenuItem", "Color"), [this] {
        if (!Host())
            return;
        if (auto c = Host()->ChooseColor(m_pen.Color)) {
            NotifyChanged();
            TGPen p = m_pen;
            p.Color = *c;
            SetPen(p);
            Repaint();
        }
    }));
    std::vector<TGMenuItem> thickness;
    for (int n = 1; n <= 10; ++n) {
        TGMenuItem item = TGMenuItem::Command(QString::number(n) + " Point", [this, n] {
            TGPen p = m_pen;
            p.Width = n;
            SetPen(p);
            NotifyChanged();
        });
        item.Checkable = true;
        thickness.push_back(item);
    }
    menu.push_back(
        TGMenuItem::Submenu(QT_TRANSLATE_NOOP("TGMenuItem", "Line Thickness"), std::move(thickness)));
    menu.push_back(TGMenuItem::Separator());
    menu.push_back(TGMenuItem::Command(QT_TRANSLATE_NOOP("TGMenuItem", "Stretch To Edges"),
                                       [this] { StretchToEdges(); }));
}

void TGLineShape::UpdatePopupChecks()
{
    auto &menu = MenuItems();
    if (TGMenuItem *styles = TGMenuItem::Find(menu, "Style"))
        for (int s = 0; s < 4; ++s)
            styles->Items[s].Checked = (m_lineStyle == s);
    if (TGMenuItem *thickness = TGMenuItem::Find(menu, "Line Thickness"))
        for (int n = 1; n <= 10; ++n)
            thickness->Items[n - 1].Checked = (m_pen.Width == n);
}

} // namespace cw::model
