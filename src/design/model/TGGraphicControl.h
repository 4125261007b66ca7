#pragma once
// The common base of every design object on the card.  Objects are not
// widgets: the surface owns them (std::unique_ptr) in a z-ordered list, routes
// mouse input to them by hit-testing, and paints them in order.  Positions are
// card pixels at the current Zoom (Left/Top relative to the card's top-left).
// The 100 % geometry (StoredBounds) is the truth that card files, the
// clipboard, clone and undo hold; the bounds at a zoom only show it, so
// zooming back and forth never moves or resizes anything.  Each object paints itself in object
// coordinates (Paint) and prints itself through the print engine in inches
// (PrintTo); the same drawing code serves screen, picture export and paper.

#include "design/model/TGFont.h"
#include "design/model/TGMenuItem.h"
#include "design/model/TObjectHost.h"
#include "design/model/TPropertyTable.h"

#include <QRect>
#include <QString>
#include <memory>
#include <optional>
#include <vector>

class QPainter;

namespace cw::engine {
class TBaseReport;
}

namespace cw::model {

class TGGraphicControl
{
public:
    TGGraphicControl();
    virtual ~TGGraphicControl();
    TGGraphicControl(const TGGraphicControl &) = delete;
    TGGraphicControl &operator=(const TGGraphicControl &) = delete;

    // The class name card files record ("TBCShapes", "TGLineShape", …).
    virtual QString ClassName() const = 0;
    // A new, default object of the same kind (used by clone and the filer).
    virtual std::unique_ptr<TGGraphicControl> NewInstance() const = 0;

    // Published properties, base first (see TPropertyTable).
    static const TPropertyTable &ClassProperties();
    virtual const TPropertyTable &Properties() const { return ClassProperties(); }

    // ---- identity and plain published values
    QString Name;
    int Tag = 0;
    QString Hint;
    int Cursor = 0; // crDefault

    // ---- bounds, card pixels at the current zoom (what the surface shows)
    int Left() const { return m_bounds.left(); }
    int Top() const { return m_bounds.top(); }
    int Width() const { return m_bounds.width(); }
    int Height() const { return m_bounds.height(); }
    QRect BoundsRect() const { return m_bounds; }
    // Moves/sizes the object; BoundsChanged reports it (not while read).  At
    // zoom 1.0 the 100 % geometry becomes the new bounds.  At another zoom
    // each changed value is converted to 100 % once (Round(value / Zoom), at
    // least a pixel in the direction of the change, so every change shown is
    // one of the design); a moved object keeps its 100 % size and an edge
    // that did not move stays where it was.  The object is then shown at
    // ZoomedBounds of its new 100 % geometry, as opening the design shows it.
    // Changes an object makes to itself while it is painted or rescaled at a
    // zoom other than 1.0 (text fitting its zoomed font) change only that.
    void SetBounds(int left, int top, int width, int height);
    void SetBounds(const QRect &r) { SetBounds(r.left(), r.top(), r.width(), r.height()); }
    void SetLeft(int v) { SetBounds(v, Top(), Width(), Height()); }
    void SetTop(int v) { SetBounds(Left(), v, Width(), Height()); }
    void SetWidth(int v) { SetBounds(Left(), Top(), v, Height()); }
    void SetHeight(int v) { SetBounds(Left(), Top(), Width(), v); }

    // The 100 % geometry: what card files, the clipboard, clone and undo hold
    // (the published Left, Top, Width and Height).  Equal to BoundsRect() at
    // zoom 1.0.  SetStoredBounds shows the new geometry at the current zoom.
    QRect StoredBounds() const { return m_stored; }
    void SetStoredBounds(const QRect &stored);
    // The bounds shown at `zoom` for the 100 % bounds `stored`: every value
    // rounded with halves to even, and never less than one pixel wide or
    // high when the stored size is at least one pixel.
    static QRect ZoomedBounds(const QRect &stored, float zoom);

    bool Visible = true;

    bool Locked() const { return m_locked; }
    void SetLocked(bool on);
    bool Unselectable() const { return m_unselectable; }
    void SetUnselectable(bool on);

    // Kept equal to the surface's zoom.  Setting a different factor shows the
    // 100 % geometry at it (ZoomedBounds), in one change of the bounds; the
    // 100 % geometry itself does not change.
    float Zoom() const { return m_zoom; }
    void SetZoom(float factor);

    const TGFont &Font() const { return m_font; }
    // Takes the font, repaints and reports a change.
    void SetFont(const TGFont &font);

    // Editor opened on double-click (called with the surface); empty for kinds
    // without one, which show their popup menu instead.
    std::function<void(TObjectHost &)> OnEdit;

    // ---- surface
    TObjectHost *Host() const { return m_host; }
    void SetHost(TObjectHost *host) { m_host = host; }

    // ---- reading
    // Marks the object as being read: setters then neither notify nor
    // report bounds.  Loaded() ends it.
    void BeginLoading() { m_loading = true; }
    bool Loading() const { return m_loading; }
    // Called once after creation or reading: ends loading and builds the
    // popup menu (kinds append their entries in BuildPopupMenu).
    void Loaded();

    // ---- painting
    // Draws the object in object coordinates (0,0 = its top-left) at its
    // current size and zoom, without selection handles.
    virtual void Paint(QPainter &painter);
    // Draws onto any painter with the object's top-left at (x, y); the
    // painter's state is restored afterwards, also when Paint throws.
    void PaintTo(QPainter &painter, int x, int y);
    // The surface's own painting: PaintTo at (Left, Top), then BoundsChanged.
    void PaintOnSurface(QPainter &painter);
    // The handle squares around `bounds` (surface pixels): four corners, and
    // four mid-edge squares when `single` (exactly one object selected).
    static std::vector<QRect> SelectionHandleRects(const QRect &bounds, bool single);
    // Filled squares of `color`; hollow ones (white inside) while the object
    // is locked.
    void DrawSelectionHandles(QPainter &painter, const QColor &color, bool single) const;

    // Prints for one card cell whose top-left lies at (leftInches, topInches).
    virtual void PrintTo(engine::TBaseReport &report, double leftInches, double topInches);

    // ---- virtual operations of every kind
    // Reports a changed position/size to the surface: a change of the 100 %
    // geometry notifies, a change of the shown bounds asks for a frame
    // refit.  The first report compares with the geometry before the first
    // change, or, when that change is a fit while painting, only records the
    // bounds.
    virtual void BoundsChanged();
    // Refreshes check states before the popup menu shows.
    virtual void UpdatePopupChecks() {}
    // Text kinds take the font chosen with the surface's "Font" command.
    virtual void ApplyFont(const QFont &font) { Q_UNUSED(font); }
    // Kinds whose Font colour is their text colour, which the surface's
    // "Font" command sets with the dialog's colour.
    virtual bool HasFontColor() const { return false; }
    virtual void ApplyFontColor(TColor color) { Q_UNUSED(color); }
    // Called on every object before a card file is written.
    virtual void BeforeSave() {}

    void NotifyChanged();
    void NotifyMoved();
    void Invalidate();

    // ---- commands
    void CenterVertically();
    void CenterHorizontally();
    // A copy with the same kind, properties and zoom (not yet on a surface).
    std::unique_ptr<TGGraphicControl> CloneObject() const;

    // The popup menu built by Loaded, with check states refreshed.
    std::vector<TGMenuItem> &PopupMenu();

    // Text helpers: only the blank (code 32) is trimmed.
    static QString TrimLeft(const QString &text);
    static QString TrimRight(const QString &text);
    static QString Trim(const QString &text);

protected:
    // True while bounds changes only affect what is shown (painting or
    // rescaling at a zoom other than 1.0), not the 100 % geometry.
    bool ShownOnly() const { return m_shownOnly > 0; }
    // Appends the kind's entries after the common ones (call the base first).
    virtual void BuildPopupMenu(std::vector<TGMenuItem> &menu);
    // Pen width for screen drawing: the stored width at zoom 1.0, else
    // Round(width × Zoom) (halves to even).
    int ZoomedPenWidth(int width) const;
    void Repaint() { Invalidate(); }
    // The menu as built, without refreshing check states.
    std::vector<TGMenuItem> &MenuItems() { return m_popup; }
    // An object that fits itself to its contents: `shown` at the current
    // zoom and `stored` at 100 %, both from the same top-left corner.  While
    // it is painted or rescaled at a zoom only what is shown changes.
    void SetFittedSize(const QSize &shown, const QSize &stored)
    {
        const QRect newShown(m_bounds.topLeft(), shown);
        const QRect newStored = m_shownOnly > 0 ? m_stored : QRect(m_stored.topLeft(), stored);
        if (newShown != m_bounds || newStored != m_stored)
            applyBounds(newShown, newStored);
    }
    // The same for a kind whose stored fit is worked out on its 100 %
    // geometry and font, which no zoom changes: that fit is the design's at
    // any time, also while the object is painted at a zoom.
    void SetFittedDesignSize(const QSize &shown, const QSize &stored)
    {
        const QRect newShown(m_bounds.topLeft(), shown);
        const QRect newStored(m_stored.topLeft(), stored);
        if (newShown != m_bounds || newStored != m_stored)
            applyBounds(newShown, newStored);
    }
    // Size of a newly constructed object before the surface places it.
    void InitBounds(const QRect &r) { m_bounds = m_stored = r; }

private:
    class TShownOnly;
    class TPainting;
    // Sets the shown and the 100 % bounds together.
    void applyBounds(const QRect &shown, const QRect &stored);

    QRect m_bounds{0, 0, 0, 0};
    QRect m_stored{0, 0, 0, 0};
    // > 0 while bounds changes only affect what is shown (painting or
    // rescaling at a zoom other than 1.0).
    int m_shownOnly = 0;
    int m_painting = 0; // > 0 while the object paints itself
    std::optional<QRect> m_lastBounds;
    std::optional<QRect> m_lastStored;
    bool m_inBoundsChange = false;
    bool m_locked = false;
    bool m_unselectable = false;
    bool m_loading = false;
    float m_zoom = 1.0f;
    TGFont m_font;
    TObjectHost *m_host = nullptr;
    std::vector<TGMenuItem> m_popup;
};

} // namespace cw::model
