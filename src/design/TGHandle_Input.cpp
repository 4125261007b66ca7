// Mouse and keyboard on the selection frame: hover zones, click versus drag,
// the drag outline, arrow-key moves and Shift+arrow sizing.
#include "design/TGHandle.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <cstdlib>

namespace cw::ui {

namespace {
// A press held this long before moving turns into a drag of what it selected.
constexpr qint64 DragDelayMs = 10;
// A release this soon after the press is a click: nothing moves.
constexpr qint64 ClickMs = 150;
} // namespace

QPoint TGHandle::clampToSurface(const QPoint &pos) const
{
    const QSize surface = parentWidget() ? parentWidget()->size() : QSize();
    return QPoint(std::clamp(pos.x(), -x(), surface.width() - x()),
                  std::clamp(pos.y(), -y(), surface.height() - y()));
}

void TGHandle::passOn(QEvent::Type type, Qt::MouseButton button, Qt::MouseButtons buttons,
                      Qt::KeyboardModifiers mods, const QPoint &pos)
{
    if (PassToSurface)
        PassToSurface(type, button, buttons, mods, pos + this->pos());
}

TGHandle::Object *TGHandle::selectedObjectAt(const QPoint &pos) const
{
    const QPoint p = pos + this->pos();
    for (Object *o : m_selection)
        if (o->BoundsRect().adjusted(-2, -2, 2, 2).contains(p))
            return o;
    return nullptr;
}

void TGHandle::NotePress(const QPoint &surfacePos)
{
    m_pressPos = surfacePos;
    m_pressNoted = true;
}

void TGHandle::ReleaseCapture()
{
    m_captured = false;
    m_lastDownTick = 0;
    m_pressNoted = false;
}

void TGHandle::HandleMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers mods, const QPoint &pos)
{
    m_pressNoted = false;
    m_lastDownTick = now();
    m_suppressDrag = false;
    if (button == Qt::LeftButton && pointing()) {
        m_dragStart = pos;
        m_dragging = true;
        if (OnMouseDown)
            OnMouseDown(mods, pos + this->pos());
    } else if (button == Qt::RightButton && pointing()) {
        const QPoint global = mapToGlobal(pos);
        Object *o = Count() == 1 ? selectedObjectAt(pos) : nullptr;
        if (o && ShowObjectPopup)
            ShowObjectPopup(*o, global);
        else if (ShowSurfacePopup)
            ShowSurfacePopup(global);
    } else {
        unsetCursor();
        passOn(QEvent::MouseButtonPress, button, button, mods, pos);
    }
}

void TGHandle::updateHover(const QPoint &pos)
{
    m_captured = false;
    if (!m_dragging) {
        setCursor(Qt::ClosedHandCursor);
        m_zone = 0;
    }
    if (Count() != 1)
        return;
    const int X = pos.x(), Y = pos.y(), L = 0, T = 0, R = width(), B = height();
    const int midX = (R - L) / 2, midY = (B - T) / 2;
    // Edges are grabbed within 8 pixels; on a frame under 24 pixels within a
    // third of it, so that a small object keeps a middle that moves it (with
    // 8 pixels a 10 x 15 object would be resize zones all over).
    const int nearX = std::min(8, (R - L) / 3), nearY = std::min(8, (B - T) / 3);
    // The last matching test wins.
    struct Test
    {
        bool hit;
        int zone;
        Qt::CursorShape cursor;
    };
    const Test tests[] = {
        {std::abs(X - L) < nearX && std::abs(Y - T) < nearY, 1, Qt::SizeFDiagCursor},
        {std::abs(X - R) < nearX && std::abs(Y - B) < nearY, 4, Qt::SizeFDiagCursor},
        {std::abs(X - R) < nearX && std::abs(Y - T) < nearY, 2, Qt::SizeBDiagCursor},
        {std::abs(X - L) < nearX && std::abs(Y - B) < nearY, 3, Qt::SizeBDiagCursor},
        {std::abs(X - midX) < 6 && std::abs(Y - T) < nearY, 5, Qt::SizeVerCursor},
        {std::abs(X - midX) < 6 && std::abs(Y - B) < nearY, 7, Qt::SizeVerCursor},
        {std::abs(Y - midY) < 6 && std::abs(X - L) < nearX, 6, Qt::SizeHorCursor},
        {std::abs(Y - midY) < 6 && std::abs(X - R) < nearX, 8, Qt::SizeHorCursor},
    };
    for (const Test &t : tests)
        if (t.hit) {
            m_zone = t.zone;
            setCursor(t.cursor);
        }
}

void TGHandle::HandleMouseMove(Qt::MouseButtons buttons, Qt::KeyboardModifiers mods, const QPoint &pos)
{
    if (!pointing()) {
        setCursor(Qt::DragMoveCursor);
        passOn(QEvent::MouseMove, Qt::NoButton, buttons, mods, pos);
        return;
    }
    if (!(buttons & Qt::LeftButton)) {
        updateHover(pos);
        return;
    }
    if (m_suppressDrag) {
        // The press of a double-click does not go on into a drag.
        m_suppressDrag = false;
        m_dragging = false;
        return;
    }
    if (!m_dragging && m_lastDownTick != 0 && now() - m_lastDownTick > DragDelayMs) {
        // From the press that selected, not from this first reported move,
        // so that the pixels moved before the drag started are not lost.
        m_dragStart = m_pressNoted ? m_pressPos - this->pos() : pos;
        m_pressNoted = false;
        m_dragging = true;
    }
    if (m_dragging) {
        const QPoint p = clampToSurface(pos);
        setOutline(ComputeBounds(p.x(), p.y()));
    }
}

void TGHandle::HandleMouseUp(Qt::MouseButton button, Qt::KeyboardModifiers mods, const QPoint &pos)
{
    // A click moves nothing, also where the point lies beyond the card's
    // edge (the end of a drag is held on the card).
    if (m_dragging && now() - m_lastDownTick < ClickMs)
        m_dragStart = clampToSurface(pos);
    m_lastDownTick = 0;
    m_pressNoted = false;
    if (!m_dragging || button != Qt::LeftButton) {
        m_captured = false;
        passOn(QEvent::MouseButtonRelease, button, Qt::NoButton, mods, pos);
    } else {
        const QPoint p = clampToSurface(pos);
        if (p != m_dragStart)
            SetFrameBounds(ComputeBounds(p.x(), p.y()));
        setOutline(QRect());
        if (isVisible() && isEnabled())
            setFocus(Qt::MouseFocusReason);
        m_dragging = false;
        unsetCursor();
        m_captured = false;
    }
    update();
}

void TGHandle::HandleDoubleClick(const QPoint &pos)
{
    if (Count() > 1)
        return;
    if (Object *o = selectedObjectAt(pos)) {
        if (o->OnEdit && o->Host())
            o->OnEdit(*o->Host());
        else if (ShowObjectPopup)
            ShowObjectPopup(*o, mapToGlobal(pos));
    }
    m_suppressDrag = true;
    m_dragging = false;
}

void TGHandle::HandleKeyDown(int key, Qt::KeyboardModifiers mods)
{
    const bool arrow =
        key == Qt::Key_Left || key == Qt::Key_Up || key == Qt::Key_Right || key == Qt::Key_Down;
    if (arrow && !m_selection.empty()) {
        if (!m_keyMoving) {
            m_keyMoving = true;
            m_keyRect = QRect(QPoint(x() + 2, y() + 2), QPoint(x() + width() - 3, y() + height() - 3));
        }
        const QSize surface = parentWidget() ? parentWidget()->size() : QSize();
        QRect &k = m_keyRect; // right()/bottom() are the outline's right and bottom
        const int w = k.right() - k.left() + 1;
        const int h = k.bottom() - k.top() + 1;
        if ((mods & Qt::ShiftModifier) && Count() == 1) {
            if (key == Qt::Key_Left && w > 10)
                k.setRight(k.right() - 1);
            else if (key == Qt::Key_Up && h > 10)
                k.setBottom(k.bottom() - 1);
            else if (key == Qt::Key_Right && surface.width() >= w + k.left())
                k.setRight(k.right() + 1);
            else if (key == Qt::Key_Down && surface.height() >= h + k.top())
                k.setBottom(k.bottom() + 1);
        } else {
            if (key == Qt::Key_Left && k.left() > 0)
                k.translate(-1, 0);
            else if (key == Qt::Key_Up && k.top() > 0)
                k.translate(0, -1);
            else if (key == Qt::Key_Right && surface.width() >= w + k.left())
                k.translate(1, 0);
            else if (key == Qt::Key_Down && surface.height() >= h + k.top())
                k.translate(0, 1);
        }
        if (parentWidget())
            parentWidget()->update();
    }
    if (KeyToSurface)
        KeyToSurface(key, mods);
}

void TGHandle::HandleKeyUp(int key)
{
    Q_UNUSED(key);
    if (m_keyMoving)
        finishKeyMove();
}

void TGHandle::finishKeyMove()
{
    m_keyMoving = false;
    const QRect &k = m_keyRect;
    SetFrameBounds(QRect(k.left() - 2, k.top() - 2, k.right() - k.left() + 5, k.bottom() - k.top() + 5));
    update();
}

void TGHandle::mousePressEvent(QMouseEvent *e)
{
    HandleMouseDown(e->button(), e->modifiers(), e->position().toPoint());
}

void TGHandle::mouseMoveEvent(QMouseEvent *e)
{
    HandleMouseMove(e->buttons(), e->modifiers(), e->position().toPoint());
}

void TGHandle::mouseReleaseEvent(QMouseEvent *e)
{
    HandleMouseUp(e->button(), e->modifiers(), e->position().toPoint());
}

void TGHandle::mouseDoubleClickEvent(QMouseEvent *e)
{
    if (e->button() == Qt::LeftButton && pointing())
        HandleDoubleClick(e->position().toPoint());
    else
        HandleMouseDown(e->button(), e->modifiers(), e->position().toPoint());
}

void TGHandle::keyPressEvent(QKeyEvent *e)
{
    HandleKeyDown(e->key(), e->modifiers());
}

void TGHandle::keyReleaseEvent(QKeyEvent *e)
{
    if (!e->isAutoRepeat())
        HandleKeyUp(e->key());
}

void TGHandle::leaveEvent(QEvent *)
{
    if (!m_dragging) {
        if (pointing())
            unsetCursor();
        else
            setCursor(Qt::DragMoveCursor);
    }
}

bool TGHandle::focusNextPrevChild(bool)
{
    // The frame keeps the arrow and Tab keys for itself.
    return false;
}

} // namespace cw::ui
