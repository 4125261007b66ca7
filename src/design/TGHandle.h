#pragma once
// The selection frame: one per surface, a transparent child widget lying over
// the selected design objects.  It keeps the selection list, draws the sizing
// handles of the selected objects, and turns mouse drags and arrow keys on
// the frame into moves and resizes of the selected, unlocked objects, with
// optional snapping to a grid.  Coordinates are surface (card) pixels at the
// current zoom; handler points are frame coordinates.
//
// The frame lies inside the surface: its geometry is the frame's bounds.  The
// drag/key outline extends beyond the frame, so the surface paints it through
// PaintOutline() on top of the design.

#include "design/model/TGGraphicControl.h"

#include <QColor>
#include <QWidget>
#include <functional>
#include <vector>

namespace cw::ui {

class TGHandle : public QWidget
{
    Q_OBJECT

public:
    using Object = model::TGGraphicControl;

    explicit TGHandle(QWidget *surface);

    // ---- selection, in selection order
    int Count() const { return int(m_selection.size()); }
    Object *Item(int i) const { return i >= 0 && i < Count() ? m_selection[std::size_t(i)] : nullptr; }
    int IndexOf(const Object *object) const;
    const std::vector<Object *> &Selection() const { return m_selection; }
    // Selects the object (unselectable ones are refused) and grows the frame
    // over it; the frame takes the mouse so the press can go on into a drag.
    void Add(Object *object);
    // Deselects; the frame refits to what remains or hides.
    void Remove(Object *object);
    void Clear();
    // Fits the frame around the selection (union + 2 on each side, 6 larger).
    void Refit();

    // ---- appearance and grid
    QColor Color() const { return m_color; }
    void SetColor(const QColor &c);
    QColor SecondaryColor() const { return m_secondaryColor; }
    void SetSecondaryColor(const QColor &c);
    int GridX() const { return m_gridX; }
    int GridY() const { return m_gridY; }
    // Sets both the stored grid (used when snapping is on) and the current one.
    void SetGridX(int n);
    void SetGridY(int n);
    bool SnapToGrid() const { return m_gridX > 1 || m_gridY > 1; }
    void SetSnapToGrid(bool on);

    // ---- drag state
    // 0 move, 1 top-left, 2 top-right, 3 bottom-left, 4 bottom-right,
    // 5 top, 6 left, 7 bottom, 8 right.
    int Zone() const { return m_zone; }
    bool Dragging() const { return m_dragging; }
    QPoint DragStart() const { return m_dragStart; }
    bool KeyMoving() const { return m_keyMoving; }
    // Outline being moved by the arrow keys: QRect(QPoint(l, t), QPoint(r, b)).
    QRect KeyRect() const { return m_keyRect; }
    // Frame bounds of the drag outline last drawn; empty when none.
    QRect OutlineRect() const { return m_outlineRect; }
    // New frame bounds for the mouse at (x, y) (frame coordinates) in the
    // current zone, snapped to the grid; sizes below 5 become 5.
    QRect ComputeBounds(int x, int y) const;
    // Gives the frame new bounds and moves/sizes every selected, unlocked
    // object by the frame's movement and growth.
    void SetFrameBounds(const QRect &bounds);
    // True from Add until the mouse release: the surface forwards its mouse
    // events to the frame meanwhile.
    bool Captured() const { return m_captured; }

    // The surface selected an object with a press at `surfacePos` and hands
    // the mouse to the frame: a drag that follows moves by the whole distance
    // from that press.
    void NotePress(const QPoint &surfacePos);
    // A selection made by a command (not a press): the mouse stays with the
    // surface.
    void ReleaseCapture();

    // ---- input (also called by the surface while Captured)
    void HandleMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers mods, const QPoint &pos);
    void HandleMouseMove(Qt::MouseButtons buttons, Qt::KeyboardModifiers mods, const QPoint &pos);
    void HandleMouseUp(Qt::MouseButton button, Qt::KeyboardModifiers mods, const QPoint &pos);
    void HandleDoubleClick(const QPoint &pos);
    void HandleKeyDown(int key, Qt::KeyboardModifiers mods);
    void HandleKeyUp(int key);

    // Draws the drag or key outline (surface coordinates): dotted, inverted.
    void PaintOutline(QPainter &painter) const;

    // Milliseconds of a monotonic clock; tests replace it.
    std::function<qint64()> Clock;

    // ---- hooks set by the surface
    std::function<bool()> IsPointing;
    std::function<void(const QPoint &globalPos)> ShowSurfacePopup;
    std::function<void(Object &, const QPoint &globalPos)> ShowObjectPopup;
    // A press/move/release/double-click the frame does not handle itself,
    // in surface coordinates.
    std::function<void(QEvent::Type, Qt::MouseButton, Qt::MouseButtons, Qt::KeyboardModifiers,
                       const QPoint &)>
        PassToSurface;
    // Left press in pointer mode, after the drag starts (Shift+click toggling).
    std::function<void(Qt::KeyboardModifiers, const QPoint &surfacePos)> OnMouseDown;
    // Every key the frame receives goes on to the surface.
    std::function<void(int, Qt::KeyboardModifiers)> KeyToSurface;

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void leaveEvent(QEvent *event) override;
    bool focusNextPrevChild(bool next) override;

private:
    bool pointing() const { return !IsPointing || IsPointing(); }
    qint64 now() const { return Clock(); }
    QPoint clampToSurface(const QPoint &pos) const;
    void setOutline(const QRect &frameBounds);
    void updateHover(const QPoint &pos);
    void finishKeyMove();
    void passOn(QEvent::Type type, Qt::MouseButton button, Qt::MouseButtons buttons,
                Qt::KeyboardModifiers mods, const QPoint &pos);
    Object *selectedObjectAt(const QPoint &pos) const;

    std::vector<Object *> m_selection;
    qint64 m_lastDownTick = 0;
    QPoint m_dragStart;
    int m_zone = 0;
    bool m_dragging = false;
    bool m_keyMoving = false;
    QRect m_keyRect;
    QRect m_outlineRect;
    QColor m_color = Qt::black;
    QColor m_secondaryColor = QColor(0x80, 0x80, 0x80);
    int m_gridX = 1, m_gridY = 1;
    int m_storedGridX = 8, m_storedGridY = 8;
    bool m_suppressDrag = false;
    bool m_inSetBounds = false;
    bool m_captured = false;
    QPoint m_pressPos; // surface coordinates, valid while m_pressNoted
    bool m_pressNoted = false;
};

} // namespace cw::ui
