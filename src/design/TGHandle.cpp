#include "design/TGHandle.h"

#include "print/engine/Units.h"

#include <QElapsedTimer>
#include <QPainter>
#include <algorithm>

namespace cw::ui {

namespace {
qint64 monotonicMs()
{
    static QElapsedTimer timer = [] {
        QElapsedTimer t;
        t.start();
        return t;
    }();
    // Never 0: a tick of 0 means "no press pending".
    return timer.elapsed() + 1;
}
} // namespace

TGHandle::TGHandle(QWidget *surface) : QWidget(surface), Clock(monotonicMs)
{
    setAttribute(Qt::WA_NoSystemBackground);
    setAutoFillBackground(false);
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    // Right-clicks open the card and object menus from the mouse handlers.
    setContextMenuPolicy(Qt::PreventContextMenu);
    resize(24, 24);
    setEnabled(false);
    hide();
}

int TGHandle::IndexOf(const Object *object) const
{
    const auto it = std::find(m_selection.begin(), m_selection.end(), object);
    return it == m_selection.end() ? -1 : int(it - m_selection.begin());
}

void TGHandle::Add(Object *object)
{
    if (!object || object->Unselectable())
        return;
    m_lastDownTick = now();
    if (IndexOf(object) >= 0)
        return;
    setCursor(Qt::ClosedHandCursor);
    const QRect o = object->BoundsRect();
    if (!m_selection.empty()) {
        const QRect f = geometry();
        const int left = std::min(f.x(), o.x() - 2);
        const int top = std::min(f.y(), o.y() - 2);
        const int right = std::max(f.x() + f.width() - 3, o.x() + o.width());
        const int bottom = std::max(f.y() + f.height() - 3, o.y() + o.height());
        setGeometry(left, top, right - left + 3, bottom - top + 3);
    } else {
        m_outlineRect = QRect();
        setEnabled(true);
        show();
        setGeometry(o.x() - 2, o.y() - 2, o.width() + 5, o.height() + 5);
    }
    m_selection.push_back(object);
    m_zone = 0;
    raise();
    m_captured = true;
    if (isVisible() && isEnabled())
        setFocus(Qt::OtherFocusReason);
    update();
}

void TGHandle::Remove(Object *object)
{
    const int i = IndexOf(object);
    if (i < 0)
        return;
    m_selection.erase(m_selection.begin() + i);
    if (m_selection.empty()) {
        setEnabled(false);
        hide();
        m_outlineRect = QRect();
    } else {
        const QRect first = m_selection.front()->BoundsRect();
        QRect f(first.x() - 2, first.y() - 2, first.width() + 5, first.height() + 5);
        for (std::size_t k = 1; k < m_selection.size(); ++k) {
            const QRect o = m_selection[k]->BoundsRect();
            const int left = std::min(f.x(), o.x() - 2);
            const int top = std::min(f.y(), o.y() - 2);
            const int right = std::max(f.x() + f.width() - 3, o.x() + o.width());
            const int bottom = std::max(f.y() + f.height() - 3, o.y() + o.height());
            f = QRect(left, top, right - left + 3, bottom - top + 3);
        }
        setGeometry(f);
    }
    if (parentWidget())
        parentWidget()->update();
    update();
}

void TGHandle::Clear()
{
    m_selection.clear();
    hide();
    setEnabled(false);
    resize(24, 24);
    m_outlineRect = QRect();
    m_captured = false;
    if (parentWidget())
        parentWidget()->update();
}

void TGHandle::Refit()
{
    if (m_selection.empty())
        return;
    int l = INT_MAX, t = INT_MAX, r = INT_MIN, b = INT_MIN;
    for (const Object *o : m_selection) {
        l = std::min(l, o->Left());
        t = std::min(t, o->Top());
        r = std::max(r, o->Left() + o->Width());
        b = std::max(b, o->Top() + o->Height());
    }
    raise();
    setGeometry(l - 2, t - 2, r - l + 6, b - t + 6);
    update();
}

void TGHandle::SetColor(const QColor &c)
{
    m_color = c;
    update();
}

void TGHandle::SetSecondaryColor(const QColor &c)
{
    m_secondaryColor = c;
    update();
}

void TGHandle::SetGridX(int n)
{
    m_storedGridX = m_gridX = std::clamp(n, 1, 32);
    update();
}

void TGHandle::SetGridY(int n)
{
    m_storedGridY = m_gridY = std::clamp(n, 1, 32);
    update();
}

void TGHandle::SetSnapToGrid(bool on)
{
    m_gridX = on ? m_storedGridX : 1;
    m_gridY = on ? m_storedGridY : 1;
}

QRect TGHandle::ComputeBounds(int x, int y) const
{
    const int L = this->x(), T = this->y(), W = width(), H = height();
    const int SX = m_dragStart.x(), SY = m_dragStart.y();
    // Integer division truncates toward zero, as the grid rule asks.
    auto snapX = [this](int v) { return v / m_gridX * m_gridX; };
    auto snapY = [this](int v) { return v / m_gridY * m_gridY; };
    int l = L, t = T, w = W, h = H;
    const int zone = m_zone;
    if (zone == 0 || zone == 1 || zone == 3 || zone == 6) { // left edge moves (or everything)
        l = snapX(x + L - SX);
        if (zone != 0)
            w = W + L - l;
    }
    if (zone == 0 || zone == 1 || zone == 2 || zone == 5) { // top edge moves
        t = snapY(y + T - SY);
        if (zone != 0)
            h = H + T - t;
    }
    if (zone == 2 || zone == 4 || zone == 8) // right edge dragged
        w = snapX(x + W - SX) - 1;
    if (zone == 3 || zone == 4 || zone == 7) // bottom edge dragged
        h = snapY(y + H - SY) - 1;
    // Sizes below 5 become 5, and never so small that a selected object would
    // lose its last pixel of width or height (the frame is larger than the
    // object by its margin).
    int minW = 5, minH = 5;
    if (zone != 0)
        for (const Object *o : m_selection)
            if (!o->Locked()) {
                minW = std::max(minW, W - o->Width() + 1);
                minH = std::max(minH, H - o->Height() + 1);
            }
    return QRect(l, t, std::max(w, minW), std::max(h, minH));
}

void TGHandle::SetFrameBounds(const QRect &f)
{
    const int L = x(), T = y(), W = width(), H = height();
    m_inSetBounds = true;
    for (Object *o : m_selection) {
        if (o->Locked())
            continue;
        // No object is sized below one pixel (one that has less keeps it).
        const int w = std::max(f.width() + o->Width() - W, std::min(1, o->Width()));
        const int h = std::max(f.height() + o->Height() - H, std::min(1, o->Height()));
        o->SetBounds(f.x() + o->Left() - L, f.y() + o->Top() - T, w, h);
    }
    setGeometry(f);
    m_inSetBounds = false;
    if (parentWidget())
        parentWidget()->update();
}

void TGHandle::setOutline(const QRect &frameBounds)
{
    // Only the old and the new outline are repainted, so a drag costs no
    // full repaint of the card per mouse move.
    const QRect old = m_outlineRect;
    m_outlineRect = frameBounds;
    if (QWidget *surface = parentWidget()) {
        if (!old.isEmpty())
            surface->update(old.adjusted(-1, -1, 1, 1));
        if (!frameBounds.isEmpty())
            surface->update(frameBounds.adjusted(-1, -1, 1, 1));
    }
}

void TGHandle::PaintOutline(QPainter &painter) const
{
    QRect r; // (left, top, right, bottom) with exclusive right/bottom
    if (m_keyMoving)
        r = QRect(m_keyRect.topLeft(), QPoint(m_keyRect.right() - 1, m_keyRect.bottom() - 1));
    else if (m_dragging && !m_outlineRect.isEmpty()) {
        const QRect &f = m_outlineRect;
        r = QRect(QPoint(f.x() + 2, f.y() + 2),
                  QPoint(f.x() + f.width() - 3 - 1, f.y() + f.height() - 3 - 1));
    }
    if (r.isEmpty())
        return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    QPen pen(Qt::white, 1, Qt::DotLine);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(r.x() + 0.5, r.y() + 0.5, r.width() - 1, r.height() - 1));
    painter.restore();
}

void TGHandle::paintEvent(QPaintEvent *)
{
    if (m_selection.empty())
        return;
    QPainter painter(this);
    painter.translate(-pos());
    const bool single = m_selection.size() == 1;
    const QColor color = single ? m_color : m_secondaryColor;
    for (const Object *o : m_selection)
        o->DrawSelectionHandles(painter, color, single);
}

} // namespace cw::ui
