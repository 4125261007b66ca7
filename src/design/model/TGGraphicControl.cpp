#include "design/model/TGGraphicControl.h"

#include "print/engine/TPainterState.h"
#include "print/engine/Units.h"

#include <QPainter>
#include <algorithm>

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

// `value` / `zoom` rounded, and at least one pixel away from `was` in the
// direction from `before` to `after`: a change the user makes at a zoom above
// 100 % (a one-pixel nudge is less than a pixel at 100 %) is never lost.
int convertValue(int before, int after, int was, double zoom)
{
    const int value = Round(after / zoom);
    if (after > before)
        return std::max(value, was + 1);
    if (after < before)
        return std::min(value, was - 1);
    return value;
}

// One axis of a change of the shown bounds at a zoom, carried over to the
// 100 % geometry (pos, len): only what changed is converted, once.
void convertAxis(int oldPos, int oldLen, int newPos, int newLen, double zoom, int &pos, int &len)
{
    const int end = pos + len;
    if (newPos != oldPos)
        pos = convertValue(oldPos, newPos, pos, zoom);
    if (newLen == oldLen)
        return; // moved (or unchanged): the size stays as it is at 100 %
    if (newPos + newLen == oldPos + oldLen)
        len = end - pos; // the far edge stayed: it stays at 100 % too
    else
        len = convertValue(oldLen, newLen, len, zoom);
    if (newLen >= 1)
        len = std::max(1, len);
}

} // namespace

// Marks a stretch of work whose bounds changes only affect what is shown.
class TGGraphicControl::TShownOnly
{
public:
    explicit TShownOnly(TGGraphicControl &o) : m_o(o) { ++m_o.m_shownOnly; }
    ~TShownOnly() { --m_o.m_shownOnly; }
    TShownOnly(const TShownOnly &) = delete;
    TShownOnly &operator=(const TShownOnly &) = delete;

private:
    TGGraphicControl &m_o;
};

// Marks the object's painting, during which it may fit itself to what it
// draws.
class TGGraphicControl::TPainting
{
public:
    explicit TPainting(TGGraphicControl &o) : m_o(o) { ++m_o.m_painting; }
    ~TPainting() { --m_o.m_painting; }
    TPainting(const TPainting &) = delete;
    TPainting &operator=(const TPainting &) = delete;

private:
    TGGraphicControl &m_o;
};

TGGraphicControl::TGGraphicControl() = default;
TGGraphicControl::~TGGraphicControl() = default;

const TPropertyTable &TGGraphicControl::ClassProperties()
{
    static const TPropertyTable table(
        nullptr,
        {
            MakeProperty<T>(
                "Tag", K::Integer, 0, [](const T &o) { return o.Tag; },
                [](T &o, const QVariant &v) { o.Tag = v.toInt(); }),
            // The stored geometry is the 100 % one, whatever the zoom.
            MakeProperty<T>(
                "Left", K::Integer, {}, [](const T &o) { return o.m_stored.left(); },
                [](T &o, const QVariant &v) {
                    o.SetStoredBounds(o.m_stored.translated(v.toInt() - o.m_stored.left(), 0));
                }),
            MakeProperty<T>(
                "Top", K::Integer, {}, [](const T &o) { return o.m_stored.top(); },
                [](T &o, const QVariant &v) {
                    o.SetStoredBounds(o.m_stored.translated(0, v.toInt() - o.m_stored.top()));
                }),
            MakeProperty<T>(
                "Width", K::Integer, {}, [](const T &o) { return o.m_stored.width(); },
                [](T &o, const QVariant &v) {
                    o.SetStoredBounds(QRect(o.m_stored.topLeft(), QSize(v.toInt(), o.m_stored.height())));
                }),
            MakeProperty<T>(
                "Height", K::Integer, {}, [](const T &o) { return o.m_stored.height(); },
                [](T &o, const QVariant &v) {
                    o.SetStoredBounds(QRect(o.m_stored.topLeft(), QSize(o.m_stored.width(), v.toInt())));
                }),
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
    QRect stored = r;
    QRect shown = r;
    if (m_zoom != 1.0f) {
        stored = m_stored;
        if (m_shownOnly == 0) {
            int l = stored.left(), t = stored.top(), w = stored.width(), h = stored.height();
            const double z = double(m_zoom);
            convertAxis(m_bounds.left(), m_bounds.width(), left, width, z, l, w);
            convertAxis(m_bounds.top(), m_bounds.height(), top, height, z, t, h);
            stored = QRect(l, t, w, h);
            // Shown where its 100 % geometry puts it at this zoom, as after
            // opening the design or undoing back to it: never a pixel apart.
            shown = ZoomedBounds(stored, m_zoom);
        }
    }
    if (shown != m_bounds || stored != m_stored)
        applyBounds(shown, stored);
}

void TGGraphicControl::SetStoredBounds(const QRect &stored)
{
    if (stored == m_stored && m_bounds == ZoomedBounds(stored, m_zoom))
        return;
    applyBounds(ZoomedBounds(stored, m_zoom), stored);
}

QRect TGGraphicControl::ZoomedBounds(const QRect &stored, float zoom)
{
    if (zoom == 1.0f)
        return stored;
    const double z = double(zoom);
    auto size = [z](int v) { return v >= 1 ? std::max(1, Round(v * z)) : Round(v * z); };
    return QRect(Round(stored.left() * z), Round(stored.top() * z), size(stored.width()),
                 size(stored.height()));
}

void TGGraphicControl::applyBounds(const QRect &shown, const QRect &stored)
{
    // The geometry the first report compares with is the one before this
    // change, unless the object is fitting itself while it is painted: a fit
    // on the first paint after the object was placed or read back is part of
    // showing it, not a change of the design.  An object changed before it
    // was ever painted (one lying outside the card, or changed before the
    // next paint) reports that change like any other.
    if (!m_lastBounds && !m_loading && m_painting == 0) {
        m_lastBounds = m_bounds;
        m_lastStored = m_stored;
    }
    const bool moved = shown != m_bounds;
    m_stored = stored;
    if (moved) {
        Invalidate();
        m_bounds = shown;
        Invalidate();
    }
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
    // The bounds are worked out from the 100 % geometry, not from the bounds
    // at the previous zoom, so rounding never accumulates; what a kind fits
    // to its zoomed drawing meanwhile changes only what is shown.
    m_zoom = factor;
    std::optional<TShownOnly> shownOnly;
    if (factor != 1.0f)
        shownOnly.emplace(*this);
    const QRect shown = ZoomedBounds(m_stored, factor);
    if (shown != m_bounds)
        applyBounds(shown, m_stored);
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
    // Text fitting its box to the zoomed font while painting changes what is
    // shown, not the 100 % geometry.
    std::optional<TShownOnly> shownOnly;
    if (m_zoom != 1.0f)
        shownOnly.emplace(*this);
    const TPainting painting(*this);
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
    std::optional<TShownOnly> shownOnly;
    if (m_zoom != 1.0f)
        shownOnly.emplace(*this);
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
    for (const QRect &r : SelectionHandleRects(m_bounds, single)) {
        if (!m_locked) {
            painter.fillRect(r, color);
            continue;
        }
        // A locked object cannot be moved or sized: its handles are hollow
        // (a white square in a one-pixel frame of the handle colour).
        painter.fillRect(r, color);
        painter.fillRect(r.adjusted(1, 1, -1, -1), Qt::white);
    }
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
    if (!m_lastBounds) {
        m_lastBounds = m_bounds;
        m_lastStored = m_stored;
    }
    // A change of the 100 % geometry changes the design; a change of what is
    // shown alone (zoom, text fitted to a zoomed font) only moves the frame.
    if (*m_lastStored != m_stored) {
        NotifyChanged();
        m_lastStored = m_stored;
    }
    if (*m_lastBounds != m_bounds) {
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
    const TPropertyTable &table = Properties();
    table.Restore(*copy, table.Snapshot(*this));
    copy->m_font = m_font;
    // Same zoom, same 100 % geometry and the same bounds on screen.
    copy->m_zoom = m_zoom;
    copy->m_stored = m_stored;
    copy->m_bounds = m_bounds;
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
    menu.push_back(TGMenuItem::Command(QT_TRANSLATE_NOOP("TGMenuItem", "Bring To Front"),
                                       command(TObjectCommand::BringToFront, true)));
    menu.push_back(TGMenuItem::Command(QT_TRANSLATE_NOOP("TGMenuItem", "Send To Back"),
                                       command(TObjectCommand::SendToBack, true)));
    menu.push_back(
        TGMenuItem::Command(QT_TRANSLATE_NOOP("TGMenuItem", "Cut"), command(TObjectCommand::Cut, true)));
    menu.push_back(
        TGMenuItem::Command(QT_TRANSLATE_NOOP("TGMenuItem", "Copy"), command(TObjectCommand::Copy, false)));
    menu.push_back(TGMenuItem::Command(QT_TRANSLATE_NOOP("TGMenuItem", "Delete"),
                                       command(TObjectCommand::Delete, true)));
    menu.push_back(
        TGMenuItem::Command(QT_TRANSLATE_NOOP("TGMenuItem", "Clone"), command(TObjectCommand::Clone, false)));
    menu.push_back(TGMenuItem::Separator());
    TGMenuItem locked =
        TGMenuItem::Command(QT_TRANSLATE_NOOP("TGMenuItem", "Locked"), [this] { SetLocked(!Locked()); });
    locked.Checkable = true;
    locked.Checked = m_locked;
    menu.push_back(locked);
    menu.push_back(TGMenuItem::Command(QT_TRANSLATE_NOOP("TGMenuItem", "Unselectable"), [this] {
        // Sets (never clears) the flag; "Mark All Selectable" is the way back.
        SetUnselectable(true);
        NotifyChanged();
        if (m_host)
            m_host->RemoveFromSelection(*this);
    }));
    menu.push_back(TGMenuItem::Separator());
    menu.push_back(TGMenuItem::Command(QT_TRANSLATE_NOOP("TGMenuItem", "Center Vertically"),
                                       [this] { CenterVertically(); }));
    menu.push_back(TGMenuItem::Command(QT_TRANSLATE_NOOP("TGMenuItem", "Center Horizontally"),
                                       [this] { CenterHorizontally(); }));
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
