#include "design/model/TGLineShape.h"

#include "design/model/TGShapePainting.h"
#include "design/model/TPropertyGroups.h"
#include "print/engine/TBaseReport.h"
#include "print/engine/Units.h"

#include <QPainter>

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

const char *const kStyleCaptions[] = {"Horizontal", "Vertical", "Angled Sloping Up", "Angled Sloping Down"};
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
        if (m_lineStyle == stHorizontal)
            painter.drawLine(QPointF(l.x1(), l.y1() + o), QPointF(l.x2(), l.y2() + o));
        else if (m_lineStyle == stVertical)
            painter.drawLine(QPointF(l.x1() + o, l.y1()), QPointF(l.x2() + o, l.y2()));
        else
            painter.drawLine(QPointF(l.p1()), QPointF(l.p2()));
    }
    painter.restore();
}

void TGLineShape::PrintTo(engine::TBaseReport &report, double leftInches, double topInches)
{
    const double ppi = ScreenPixelsPerInch;
    // Lines pass their pixel width to the engine as hundredths of an inch.
    // The pen's mode goes with it, so the line prints in the ink it shows.
    report.SetPen(TGColor::ToQColor(m_pen.Color), TGPen::ToQtStyle(m_pen.Style), -m_pen.Width,
                  engine::TPenMode(m_pen.Mode));
    const int h = m_pen.Width / 2;
    const double xl = leftInches + Left() / ppi;
    const double xr = leftInches + (Left() + Width()) / ppi;
    const double yt = topInches + (h + Top()) / ppi;
    const double yb = topInches + (h + Top() + Height()) / ppi;
    switch (m_lineStyle) {
    case stHorizontal:
        report.MoveTo(xl, yt);
        report.LineTo(xr, yt);
        break;
    case stVertical:
        report.MoveTo(xl, yt);
        report.LineTo(xl, yb);
        break;
    case stAngleSlopingUp:
        report.MoveTo(xl, yb);
        report.LineTo(xr, yt);
        break;
    case stAngleSlopingDown:
        report.MoveTo(xl, yt);
        report.LineTo(xr, yb);
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
    menu.push_back(TGMenuItem::Submenu("Style", std::move(styles)));
    menu.push_back(TGMenuItem::Command("Color", [this] {
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
    menu.push_back(TGMenuItem::Submenu("Line Thickness", std::move(thickness)));
    menu.push_back(TGMenuItem::Separator());
    menu.push_back(TGMenuItem::Command("Stretch To Edges", [this] { StretchToEdges(); }));
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
