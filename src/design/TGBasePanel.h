#pragma once
// The design surface: the card-sized white panel the user draws on.  It paints
// the background picture, the card outline and the grid, keeps the drawing
// tool state, draws the rubber band, owns the zoom and reports design changes.
// Sizes are card pixels at the current zoom (96 pixels per inch at 100 %).

#include <QFont>
#include <QImage>
#include <QRect>
#include <QWidget>
#include <array>

namespace cw::ui {

enum TLabelShapeType { lsRectangle, lsRoundRect, lsEllipse };
enum TGridSize { gs4x4, gs8x8 };

class TGBasePanel : public QWidget
{
    Q_OBJECT

public:
    explicit TGBasePanel(QWidget *parent = nullptr);
    ~TGBasePanel() override;

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

    // The background picture, stretched over the card and clipped to its outline.
    const QImage &ColorPicture() const { return m_colorPicture; }
    // Loads the background from a picture file; throws cw::Exception when the
    // file cannot be read as a picture.
    void LoadColorPicture(const QString &path);
    void setColorPicture(const QImage &image);
    void ClearColorPicture();

    // Current scale, 1.0 at creation.  SetZoom resizes the surface by the ratio
    // (halves to even) and rescales the objects.
    float Zoom() const { return m_zoom; }
    void SetZoom(float factor);

    // Sets the surface's size in card pixels at the current zoom.
    void setCardSize(int width, int height);

    // The design changed: raises LabelChangedEvent unless zooming.
    void Changed();

    // Key handling of the surface (clipboard keys, delete, arrows).
    virtual void KeyDown(int key, Qt::KeyboardModifiers modifiers);

    // Clears the selection (the main window asks before zooming and when the
    // scroll box is clicked outside the card).
    virtual void ClearSelection() {}

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

public:
    // Rubber band state, in surface pixels.
    bool RubberBanding() const { return m_rubberBanding; }
    QRect RubberBand() const { return m_rubberBand; }
    // The band with left <= right and top <= bottom.
    static QRect NormalizedBand(const QRect &band);

private:
    void PaintGrid(QPainter &painter) const;
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
    QFont m_font;
    QImage m_colorPicture;

    bool m_rubberBanding = false;
    QRect m_rubberBand;
};

} // namespace cw::ui
