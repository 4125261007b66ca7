#pragma once
// The design surface: the card-sized white panel the user draws on.  It paints
// the background picture, the card outline and the grid, keeps the drawing
// tool state, draws the rubber band, owns the zoom and reports design changes.
// It owns the design objects (the card, in z-order), hosts them (TObjectHost),
// routes mouse presses to the top-most object under the point, keeps the
// selection in its frame (TGHandle) and carries out the surface commands.
// Sizes are card pixels at the current zoom (96 pixels per inch at 100 %).

#include "design/model/TCardSide.h"
#include "design/model/TGGraphicControl.h"
#include "design/model/TGPicture.h"
#include "design/model/TObjectHost.h"

#include <QEvent>
#include <QFont>
#include <QImage>
#include <QRect>
#include <QWidget>
#include <array>
#include <functional>
#include <memory>
#include <vector>

namespace cw::engine {
class TBaseReport;
}
namespace cw::model {
class TGLabelObjectFiler;
}

namespace cw::ui {

enum TLabelShapeType { lsRectangle, lsRoundRect, lsEllipse };
enum TGridSize { gs4x4, gs8x8 };
enum class TClipboardCommand { Cut, Copy, Paste, Delete };

class TGHandle;

class TGBasePanel : public QWidget, public model::TObjectHost
{
    Q_OBJECT

public:
    using Object = model::TGGraphicControl;

    explicit TGBasePanel(QWidget *parent = nullptr);
    ~TGBasePanel() override;

    // ---- the design objects, in z-order (index 0 is drawn first)
    int ObjectCount() const { return int(m_objects.size()); }
    Object *ObjectAt(int index) const;
    int IndexOfObject(const Object *object) const;
    // The top-most visible object whose bounds hold the point, or nullptr.
    Object *ObjectAtPoint(const QPoint &pos) const;
    // Puts an object on top of the card: the surface becomes its host and its
    // zoom is set to the surface's (its bounds are then rescaled, so objects
    // read at 100 % come out right at any zoom).  Returns the object.
    Object *AddObject(std::unique_ptr<Object> object);
    // Places an object made at the current zoom: names it "Special" + N,
    // takes the bounds as they are, enforces 10 x 15 at least, reports a change.
    Object *PlaceNewObject(std::unique_ptr<Object> object, const QRect &bounds);
    // Removes an object from the card (and the selection) and frees it.
    void DeleteObject(Object *object);
    void BringToFront(Object *object);
    void SendToBack(Object *object);
    // The smallest free "<prefix>N" for N in [first, 1000].
    QString FreeName(const QString &prefix, int first) const;

    // The selection frame (always a child of the surface).
    TGHandle &Frame() const { return *m_frame; }

    // ---- card-wide operations
    // Empties the selection and frees every object.
    void ClearObjects();
    // Empties the selection and frees objects lying off the card (Top beyond
    // height − 10, Left beyond width − 10) or without area.
    void RemoveStrayObjects();
    // The card as a picture: background stretched over it, then every object
    // (no grid, outline or handles).
    QImage RenderToBitmap() const;
    // Prints every object in z-order for a card cell at (leftInches, topInches).
    void PrintObjects(engine::TBaseReport &report, double leftInches, double topInches);
    // True when any object is a SuperShape or a SuperText.
    bool HasSuperObjects() const;
    // Writes the objects' 100 % geometry as a card file, at any zoom and
    // without touching the screen; throws cw::EInOutError when it cannot be
    // written.
    // Reads a card file onto the card (nothing when there is no file); on a
    // damaged file the objects read before the damage stay and the filer's
    // error propagates (the caller clears the card).
    void SaveToFile(const QString &path);
    // The design as an object list stream at 100 % coordinates, at any zoom
    // (undo history); and the design put back
    // from such a stream, replacing every object, without a change report.
    QByteArray DesignSnapshot();
    void RestoreDesign(const QByteArray &objectList);
    void LoadFromFile(const QString &path);

    // ---- the two sides of the card (TGBasePanel_Sides.cpp)
    // The surface shows one side at a time; the other side's objects and
    // background picture are kept, hosted by the surface but not shown.
    // Everything above (objects, selection, background, save, load, print,
    // render) works on the side shown.
    model::TCardSide Side() const { return m_side; }
    // Shows `side`: the selection is cleared and the side's objects take the
    // current zoom.  Switching sides is no design change.
    void ShowSide(model::TCardSide side);
    // The objects of a side in z-order, whichever side is shown.
    std::vector<Object *> SideObjects(model::TCardSide side) const;
    // True when a side has neither objects nor a background picture.
    bool SideIsEmpty(model::TCardSide side) const;
    // Runs `work` with `side` in the place of the side shown (its objects,
    // at the current zoom, and its background), without clearing the
    // selection or repainting; the side shown before is back afterwards,
    // also when `work` throws.
    void WithSide(model::TCardSide side, const std::function<void()> &work);
    // Prints a side's objects, whichever side is shown (see PrintObjects).
    void PrintSideObjects(model::TCardSide side, engine::TBaseReport &report, double leftInches,
                          double topInches);
    // Frees the objects and background pictures of both sides and shows the
    // front.
    void ClearAllSides();
    // Objects that fit themselves to their text do so when painted.  Those of
    // the side shown that lie off the card are painted by nothing, so this
    // fits them as a paint would (after a zoom, before a change is recorded).
    void FitUnseenObjects();

    // ---- commands of the surface menu and keys
    void ClipboardCommand(Object *object, TClipboardCommand command);
    void BringSelectionToFront();
    void SendSelectionToBack();
    void AlignLefts();
    void AlignRights();
    void AlignTops();
    void AlignBottoms();
    void CenterSelectionVertically();
    void CenterSelectionHorizontally();
    void LockAll(bool locked);
    void MarkAllSelectable(bool selectable);
    void SelectAll();
    // Makes `objects` the selection (a new, pasted or cloned object); the
    // mouse stays with the surface.
    void SelectObjects(const std::vector<Object *> &objects);
    void ChooseSelectionFont();
    void CloneObject(Object *object);
    // The surface popup menu with its enable rules.
    std::vector<model::TGMenuItem> SurfaceMenu();
    // Path of the clipboard file ("Clipbrd.tmp" in the program folder).
    QString ClipboardPath() const { return m_clipboardPath; }
    void SetClipboardPath(const QString &path) { m_clipboardPath = path; }
    // Milliseconds of a monotonic clock (the paste rule); tests replace it.
    std::function<qint64()> Clock;
    // Shows a menu at a screen point and runs the chosen entry; tests replace it.
    std::function<void(std::vector<model::TGMenuItem> &, const QPoint &)> RunPopup;
    void ShowObjectPopup(Object &object, const QPoint &globalPos);

    // ---- TObjectHost
    void ObjectMoved(Object &object) override;
    void InvalidateRect(const QRect &rect) override;
    QSize SurfaceSize() const override { return size(); }
    bool IsPrinting() const override { return m_printing; }
    bool IsZooming() const override { return m_zooming; }
    bool IsPreviewing() const override { return m_previewing; }
    QFont SurfaceFont() const override { return m_font; }
    QString PersonalInfoText(int index) const override
    {
        return index >= 0 && index < 10 ? PersonalInfo[std::size_t(index)] : QString();
    }
    bool IsSelected(const Object &object) const override;
    void RemoveFromSelection(Object &object) override;
    void ObjectCommand(Object &object, model::TObjectCommand command) override;
    std::optional<model::TColor> ChooseColor(model::TColor initial) override;
    void Repaint() override;

    // Tool state: true while the selection tool is active (clicks select,
    // drags move); false while a drawing tool is active.
    bool Pointing() const { return m_pointing; }
    void setPointing(bool pointing) { m_pointing = pointing; }

    bool DrawOutline() const { return m_drawOutline; }
    void setDrawOutline(bool on);
    TLabelShapeType Shape() const { return m_shape; }
    void setShape(TLabelShapeType shape);
    TGridSize GridSize() const { return m_gridSize; }
    virtual void setGridSize(TGridSize size);
    bool ShowGrid() const { return m_showGrid; }
    void setShowGrid(bool on);
    bool SnapToGrid() const { return m_snapToGrid; }
    virtual void setSnapToGrid(bool on);
    // Grid spacing in card pixels: 4 for gs4x4, 8 for gs8x8.
    int gridPixels() const { return m_gridSize == gs4x4 ? 4 : 8; }

    // Set during a print run; objects raise no change notifications then.
    bool Printing() const { return m_printing; }
    void setPrinting(bool on) { m_printing = on; }
    // Set before a preview run, cleared before a print run; textured objects
    // read it while printing.
    bool Previewing() const { return m_previewing; }
    void setPreviewing(bool on) { m_previewing = on; }
    bool Zooming() const { return m_zooming; }

    // The font new text objects start with (the default font of the settings).
    const QFont &Font() const { return m_font; }
    void setFont(const QFont &font) { m_font = font; }

    // Personal information: Name, Company, Title, Address1-3, Phone1-2, Email, Fax.
    std::array<QString, 10> PersonalInfo;
    void setPersonalInfo(const std::array<QString, 10> &info) { PersonalInfo = info; }

    // The background picture, stretched over the card and clipped to its
    // outline: a bitmap, a metafile (kept as vectors, drawn at any zoom) or an
    // icon.  BackgroundPicture() is the picture itself; ColorPicture() its
    // pixels when it is a bitmap or icon (null for a metafile or none).
    const model::TGPicture &BackgroundPicture() const { return m_colorPicture; }
    const QImage &ColorPicture() const { return m_colorPicture.Image(); }
    // Loads the background from a picture file (bitmap, metafile or icon by
    // the extension); throws cw::Exception when the file cannot be read as a
    // picture, leaving the background as it was.
    void LoadColorPicture(const QString &path);
    void setColorPicture(const QImage &image);
    void setColorPicture(const model::TGPicture &picture);
    void ClearColorPicture();

    // Current scale, 1.0 at creation.  SetZoom shows the card's 100 % size at
    // the new scale (halves to even) and has every object show its 100 %
    // geometry at it; nothing that is stored changes.
    float Zoom() const { return m_zoom; }
    void SetZoom(float factor);

    // Sets the surface's size in card pixels at the current zoom (the size at
    // 100 % is kept, so zooming never drifts it).
    void setCardSize(int width, int height);

    // The design changed: raises LabelChangedEvent unless zooming.
    void Changed() override;

    // Key handling of the surface (clipboard keys, delete, arrows).
    virtual void KeyDown(int key, Qt::KeyboardModifiers modifiers);

    // Clears the selection (the main window asks before zooming and when the
    // scroll box is clicked outside the card).
    virtual void ClearSelection();

    // Paints the card: white, background, outline, grid, then the design.
    // The outline region (used for clipping) is one pixel larger than the card.
    QPainterPath OutlineRegion() const;

signals:
    // A new object was drawn with a drawing tool; r is the normalised band.
    void DroppedObjectEvent(const QRect &r);
    // The design changed.
    void LabelChangedEvent(QObject *sender);

protected:
    // Called at the end of a drawing-tool band with the normalised rectangle.
    virtual void CreateObjectInRect(const QRect &band);
    // Called at the end of a pointer-tool band with the normalised rectangle.
    virtual void SelectObjectsInBand(const QRect &band, Qt::KeyboardModifiers modifiers);
    // Right or middle button on the empty card.
    virtual void ShowPopupMenu(const QPoint &globalPos);
    // Rescales the design objects by ratio after a zoom change.
    virtual void RescaleObjects(double ratio);
    // Paints what lies on the card above the background and grid.
    virtual void PaintDesign(QPainter &painter, const QRect &dirty);
    void PaintBackground(QPainter &painter) const;

    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

public:
    // Rubber band state, in surface pixels.
    bool RubberBanding() const { return m_rubberBanding; }
    QRect RubberBand() const { return m_rubberBand; }
    // The band with left <= right and top <= bottom.
    static QRect NormalizedBand(const QRect &band);
    // The last band's release point less its press point: which way the
    // mouse was dragged.
    QPoint LastDrag() const { return m_lastDrag; }

private:
    void hookFrame();
    // Mouse presses on objects (pointer tool, selectable object); false when
    // the press goes on to the rubber band.
    bool objectMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers mods, const QPoint &pos,
                         const QPoint &globalPos);
    void frameMouseDown(Qt::KeyboardModifiers mods, const QPoint &pos);
    void passToSurface(QEvent::Type type, Qt::MouseButton button, Qt::MouseButtons buttons,
                       Qt::KeyboardModifiers mods, const QPoint &pos);
    std::vector<Object *> selectionCopy() const;
    void deleteSelection();
    bool writeClipboard(const std::vector<const Object *> &objects);
    model::TGLabelObjectFiler newFiler() const;
    void addReadObjects(std::vector<std::unique_ptr<Object>> &objects);
    void paste();
    // True when an object of the same kind already stands exactly there on
    // the card (a paste or clone is then moved on so the two do not stack).
    bool stacksOnCard(const Object &candidate) const;
    void PaintGrid(QPainter &painter) const;
    QSize zoomedCardSize(float zoom) const;
    void PaintRubberBand(QPainter &painter) const;
    QRect bandPaintRect(const QRect &band) const;

    bool m_pointing = true;
    bool m_drawOutline = true;
    TLabelShapeType m_shape = lsRectangle;
    TGridSize m_gridSize = gs4x4;
    bool m_showGrid = false;
    bool m_snapToGrid = false;
    bool m_printing = false;
    bool m_previewing = false;
    bool m_zooming = false;
    float m_zoom = 1.0f;
    // The card's size at 100 %.
    QSize m_cardSize{343, 191};
    QFont m_font;
    model::TGPicture m_colorPicture;

    bool m_rubberBanding = false;
    QRect m_rubberBand;
    QPoint m_lastDrag;

    std::vector<std::unique_ptr<Object>> m_objects;
    // The side not shown (see ShowSide).
    model::TCardSide m_side = model::TCardSide::Front;
    std::vector<std::unique_ptr<Object>> m_hiddenObjects;
    model::TGPicture m_hiddenPicture;
    void swapSides();
    TGHandle *m_frame = nullptr;
    bool m_refitPending = false;
    QString m_clipboardPath;
    qint64 m_lastPasteTick = 0;
};

} // namespace cw::ui
