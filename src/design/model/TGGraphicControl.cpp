#include "design/model/TGGraphicControl.h"

#include "print/engine/TPainterState.h"
#include "print/engine/Units.h"

#include <QPainter>

namespace cw::model {

namespace {

// Restores the painter however Paint leaves (normally or by an exception).
class PainterGuard
{
public:
    explicit PainterGuard(QPainter &p) : m_p(p) { m_p.save(); }
    ~PainterGuard() { m_p.restore(); }

private:
    QPainter &m_p;
};

using T = TGGraphicControl;
using K = TPropertyKind;

} // namespace

TGGraphicControl::TGGraphicControl() = default;
TGGraphicControl::~TGGraphicControl() = default;

const TPropertyTable &TGGraphicControl::ClassProperties()
{
    static const TPropertyTable table(
        nullptr, {
                     MakeProperty<T>(
                         "Tag", K::Integer, 0, [](const T &o) { return o.Tag; },
                         [](T &o, const QVariant &v) { o.Tag = v.toInt(); }),
                     MakeProperty<T>(
                         "Left", K::Integer, {}, [](const T &o) { return o.Left(); },
                         [](T &o, const QVariant &v) { o.SetLeft(v.toInt()); }),
                     MakeProperty<T>(
                         "Top", K::Integer, {}, [](const T &o) { return o.Top(); },
                         [](T &o, const QVariant &v) { o.SetTop(v.toInt()); }),
                     MakeProperty<T>(
                         "Width", K::Integer, {}, [](const T &o) { return o.Width(); },
                         [](T &o, const QVariant &v) { o.SetWidth(v.toInt()); }),
                     MakeProperty<T>(
                         "Height", K::Integer, {}, [](const T &o) { return o.Height(); },
                         [](T &o, const QVariant &v) { o.SetHeight(v.toInt()); }),
                     MakeProperty<T>(
                         "Cursor", K::Cursor, 0, [](const T &o) { return o.Cursor; },
                         [](T &o, const QVariant &v) { o.Cursor = v.toInt(); }),
                     MakeProperty<T>(
                         "Hint", K::String, QString(), [](const T &o) { return o.Hint; },
                         [](T &o, const QVariant &v) { o.Hint = v.toString(); }),
                     MakeProperty<T>(
                         "Locked", K::Boolean, {}, [](const T &o) { return o.Locked(); },
                         [](T &o, const QVariant &v) { o.SetLocked(v.toBool()); }),
                     MakeProperty<T>(
                         "Unselectable", K::Boolean, {}, [](const T &o) { return o.Unselectable(); },
                         [](T &o, const QVariant &v) { o.SetUnselectable(v.toBool()); }),
                 });
    return table;
}

void TGGraphicControl::SetBounds(int left, int top, int width, int height)
{
    const QRect r(left, top, width, height);
    if (r == m_bounds)
        return;
    Invalidate();
    m_bounds = r;
    Invalidate();
    if (!m_loading)
        BoundsChanged();
}

void TGGraphicControl::SetLocked(bool on)
{
    if (on == m_locked)
        return;
    m_locked = on;
    if (m_loading)
        return;
    if (TGMenuItem *item = TGMenuItem::Find(m_popup, QStringLiteral("Locked")))
        item->Checked = on;
    NotifyChanged();
}

void TGGraphicControl::SetUnselectable(bool on)
{
    if (on == m_unselectable)
        return;
    m_unselectable = on;
    if (m_loading)
        return;
    NotifyChanged();
    if (on && m_host)
        m_host->RemoveFromSelection(*this);
}

void TGGraphicControl::SetZoom(float factor)
{
    if (factor == m_zoom || factor <= 0.0f)
        return;
    const double ratio = m_zoom > 0.0f ? double(factor) / double(m_zoom) : double(factor);
    SetBounds(Round(Left() * ratio), Round(Top() * ratio), Round(Width() * ratio), Round(Height() * ratio));
    m_zoom = factor;
    BoundsChanged();
}

void TGGraphicControl::SetFont(const TGFont &font)
{
    if (font == m_font)
        return;
    m_font = font;
    Invalidate();
    if (!m_loading)
        NotifyChanged();
}

void TGGraphicControl::Loaded()
{
    m_loading = false;
    m_popup.clear();
    BuildPopupMenu(m_popup);
}

void TGGraphicControl::Paint(QPainter &painter)
{
    Q_UNUSED(painter);
}

void TGGraphicControl::PaintTo(QPainter &painter, int x, int y)
{
    PainterGuard guard(painter);
    // Each object draws from the same state, whatever was drawn before it.
    engine::TPainterState::Reset(painter);
    painter.translate(x, y);
    painter.setFont(m_font.ToQFont(m_zoom));
    Paint(painter);
}

void TGGraphicControl::PaintOnSurface(QPainter &painter)
{
    PaintTo(painter, Left(), Top());
    BoundsChanged();
}

std::vector<QRect> TGGraphicControl::SelectionHandleRects(const QRect &b, bool single)
{
    // R = (Left − 2, Top − 2, Right + 2, Bottom + 2) with exclusive right/bottom.
    const int rl = b.left() - 2, rt = b.top() - 2;
    const int rr = b.left() + b.width() + 2, rb = b.top() + b.height() + 2;
    auto sq = [](int x1, int y1, int x2, int y2) { return QRect(x1, y1, x2 - x1, y2 - y1); };
    std::vector<QRect> rects{sq(rl, rt, rl + 5, rt + 5), sq(rr - 5, rt, rr, rt + 5),
                             sq(rr - 5, rb - 5, rr, rb), sq(rl, rb - 5, rl + 5, rb)};
    if (single) {
        const int hx = rl + Trunc((rr - rl) * 0.5);
        const int hy = rt + Trunc((rb - rt) * 0.5);
        rects.push_back(sq(hx - 2, rt, hx + 3, rt + 5));
        rects.push_back(sq(hx - 2, rb - 5, hx + 3, rb));
        rects.push_back(sq(rl, hy - 2, rl + 5, hy + 3));
        rects.push_back(sq(rr - 5, hy - 2, rr, hy + 3));
    }
    return rects;
}

void TGGraphicControl::DrawSelectionHandles(QPainter &painter, const QColor &color, bool single) const
{
    for (const QRect &r : SelectionHandleRects(m_bounds, single))
        painter.fillRect(r, color);
}

void TGGraphicControl::PrintTo(engine::TBaseReport &report, double leftInches, double topInches)
{
    Q_UNUSED(report);
    Q_UNUSED(leftInches);
    Q_UNUSED(topInches);
}

void TGGraphicControl::BoundsChanged()
{
    if (m_inBoundsChange)
        return;
    m_inBoundsChange = true;
    if (!m_lastBounds)
        m_lastBounds = m_bounds;
    if (*m_lastBounds != m_bounds) {
        NotifyChanged();
        m_lastBounds = m_bounds;
        NotifyMoved();
    }
    m_inBoundsChange = false;
}

void TGGraphicControl::NotifyChanged()
{
    if (m_host && !m_host->IsPrinting() && !m_host->IsZooming())
        m_host->Changed();
}

void TGGraphicControl::NotifyMoved()
{
    if (m_host)
        m_host->ObjectMoved(*this);
}

void TGGraphicControl::Invalidate()
{
    // Grown by the handles (2 pixels outside the bounds) and a pixel of slack.
    if (m_host && !m_bounds.isEmpty())
        m_host->InvalidateRect(m_bounds.adjusted(-3, -3, 3, 3));
}

void TGGraphicControl::CenterVertically()
{
    if (!m_host)
        return;
    SetTop(m_host->SurfaceSize().height() / 2 - Height() / 2);
    NotifyChanged();
    m_host->Repaint();
}

void TGGraphicControl::CenterHorizontally()
{
    if (!m_host)
        return;
    SetLeft(m_host->SurfaceSize().width() / 2 - Width() / 2);
    NotifyChanged();
    m_host->Repaint();
}

std::unique_ptr<TGGraphicControl> TGGraphicControl::CloneObject() const
{
    std::unique_ptr<TGGraphicControl> copy = NewInstance();
    copy->BeginLoading();
    // The copy's bounds are taken at this object's zoom, so it shares the zoom
    // instead of being rescaled to it a second time.
    copy->m_zoom = m_zoom;
    const TPropertyTable &table = Properties();
    table.Restore(*copy, table.Snapshot(*this));
    copy->m_font = m_font;
    copy->Loaded();
    return copy;
}

std::vector<TGMenuItem> &TGGraphicControl::PopupMenu()
{
    UpdatePopupChecks();
    return m_popup;
}

void TGGraphicControl::BuildPopupMenu(std::vector<TGMenuItem> &menu)
{
    auto command = [this](TObjectCommand c, bool notify) {
        return [this, c, notify] {
            if (notify)
                NotifyChanged();
            if (m_host)
                m_host->ObjectCommand(*this, c);
        };
    };
    menu.push_back(TGMenuItem::Command("Bring To Front", command(TObjectCommand::BringToFront, true)));
    menu.push_back(TGMenuItem::Command("Send To Back", command(TObjectCommand::SendToBack, true)));
    menu.push_back(TGMenuItem::Command("Cut", command(TObjectCommand::Cut, true)));
    menu.push_back(TGMenuItem::Command("Copy", command(TObjectCommand::Copy, false)));
    menu.push_back(TGMenuItem::Command("Delete", command(TObjectCommand::Delete, true)));
    menu.push_back(TGMenuItem::Command("Clone", command(TObjectCommand::Clone, false)));
    menu.push_back(TGMenuItem::Separator());
    TGMenuItem locked = TGMenuItem::Command("Locked", [this] { SetLocked(!Locked()); });
    locked.Checkable = true;
    locked.Checked = m_locked;
    menu.push_back(locked);
    menu.push_back(TGMenuItem::Command("Unselectable", [this] {
        // Sets (never clears) the flag; "Mark All Selectable" is the way back.
        SetUnselectable(true);
        NotifyChanged();
        if (m_host)
            m_host->RemoveFromSelection(*this);
    }));
    menu.push_back(TGMenuItem::Separator());
    menu.push_back(TGMenuItem::Command("Center Vertically", [this] { CenterVertically(); }));
    menu.push_back(TGMenuItem::Command("Center Horizontally", [this] { CenterHorizontally(); }));
}

int TGGraphicControl::ZoomedPenWidth(int width) const
{
    return m_zoom == 1.0f ? width : Round(width * double(m_zoom));
}

QString TGGraphicControl::TrimLeft(const QString &text)
{
    qsizetype i = 0;
    while (i < text.size() && text[i] == u' ')
        ++i;
    return text.mid(i);
}

QString TGGraphicControl::TrimRight(const QString &text)
{
    qsizetype n = text.size();
    while (n > 0 && text[n - 1] == u' ')
        --n;
    return text.left(n);
}

QString TGGraphicControl::Trim(const QString &text)
{
    return TrimRight(TrimLeft(text));
}

} // namespace cw::model
