#pragma once
// The surface of the SuperShape and SuperText objects — one colour, a solid
// bitmap, a tiled texture or a 256-band gradient — with their outline pen and
// shadow colour: the values both kinds publish, the ready bitmaps, and the one
// code that paints them on screen and prints them at printer resolution.
// The owner supplies the clip (its outline, its letters); the painter fills
// through it, so a fix to a fill reaches both kinds.
//
// Screen work is in the owner's pixels at its current zoom.  Paper work is in
// printer pixels: "device" rectangles have their origin at the printable
// area's corner (what the engine's FillRect and Canvas use); "sheet"
// rectangles at the sheet's corner (before the unprintable offset).
// Colours are taken as RGB (system colours resolved first).

#include "design/model/TGColor.h"
#include "design/model/TGPen.h"
#include "design/model/TGPicture.h"

#include <QColor>
#include <QImage>
#include <QRect>
#include <functional>

class QPainter;
class QPainterPath;

namespace cw::engine {
class TBaseReport;
}

namespace cw::model {

class TGGraphicControl;

enum TFillDirection { gdUp, gdDown, gdLeft, gdRight };

class TFillPainter
{
public:
    // What fills the clip.  fsColour is a colour the owner gives at each
    // call (SuperText's font colour); fsSolid is a bitmap of the From colour
    // at the owner's size, tiled; fsTexture tiles the texture picture, its
    // tiles scaled by the zoom; fsGradient tiles the gradient bitmap.
    enum TSurface { fsClear, fsColour, fsSolid, fsTexture, fsGradient };

    // The values a new owner starts with.
    struct TDefaults
    {
        TSurface Surface;
        TFillDirection Direction;
        TColor From;
        TColor To;
        TColor Shadow;
    };

    // `owner` gives the size, zoom and host and is repainted on changes; it
    // must outlive the painter (the painter is one of its members).
    TFillPainter(TGGraphicControl &owner, const TDefaults &defaults);
    TFillPainter(const TFillPainter &) = delete;
    TFillPainter &operator=(const TFillPainter &) = delete;

    static const QStringList &FillDirectionNames();

    // ---- values; each setter ignores an unchanged value, repaints the owner
    // and returns whether the value changed.  Bitmaps follow their inputs.
    TSurface Surface() const { return m_surface; }
    // Any surface but a texture drops the texture picture; a gradient or a
    // solid surface builds its bitmap; a clear surface (outline only) turns a
    // clear outline into a solid one, so the object never disappears.
    bool SetSurface(TSurface surface);
    TFillDirection FillDirection() const { return m_direction; }
    bool SetFillDirection(TFillDirection d);
    // The gradient's From colour (also the solid bitmap's colour).
    TColor FromColor() const { return m_from; }
    bool SetFromColor(TColor c);
    TColor ToColor() const { return m_to; }
    bool SetToColor(TColor c);
    const TGPicture &Image() const { return m_image; }
    // Copies the picture (icons become bitmaps); an empty one empties it.
    bool SetImage(const TGPicture &picture);
    TColor OutlineColor() const { return m_outlineColor; }
    bool SetOutlineColor(TColor c);
    TPenStyle OutlineStyle() const { return m_outlineStyle; }
    // Values outside psSolid … psInsideFrame are ignored.
    bool SetOutlineStyle(TPenStyle s);
    // Pixels on screen, hundredths of an inch on paper.
    int OutlineWidth() const { return m_outlineWidth; }
    bool SetOutlineWidth(int w);
    TColor ShadowColor() const { return m_shadowColor; }
    bool SetShadowColor(TColor c);

    // ---- bitmaps at the owner's size
    // The gradient runs from the From colour in the named direction: the top
    // or left edge carries the start colour.
    QColor GradientStartColor() const;
    QColor GradientEndColor() const;
    const QImage &GradientBitmap() const { return m_gradient; }
    void BuildGradientBitmap();
    const QImage &SolidBitmap() const { return m_solid; }
    void BuildSolidBitmap();
    // After a move or resize: a gradient surface whose bitmap no longer has
    // the owner's size is rebuilt (nothing else is rebuilt).
    void FollowSize();

    // ---- screen
    // Fills `clip` (owner pixels) with the surface over the owner's box;
    // `colour` is the fsColour fill.  The painter's state is kept.
    void PaintSurface(QPainter &painter, const QPainterPath &clip, const QColor &colour);
    // Sets the outline pen (no antialiasing; width 0 draws one pixel) and a
    // clear brush; false when the outline style is clear.
    bool SetupOutline(QPainter &painter) const;

    // ---- paper
    // Fills through the clip the caller selected.  `object` is the owner's
    // box and `area` the part to cover (it may reach beyond the box, for
    // glyph edges), both device rectangles; the box lies exactly where the
    // owner does, between dots where it falls there.  Tiles and gradient
    // bands are laid from the box's corner, as the screen lays them.
    void PrintSurface(engine::TBaseReport &report, const QRectF &object, const QRect &area,
                      const QColor &colour);
    // Pen of the outline colour and style, OutlineWidth hundredths of an
    // inch wide, copy mode; brush (`brushColour`, clear).  False when the
    // outline style is clear.
    bool SetupOutline(engine::TBaseReport &report, const QColor &brushColour) const;

    // ---- the fills themselves
    // Colour of band i (0..255) running from `start` to `end`: each channel
    // is start + MulDiv(i, end − start, 255), so band 255 is exactly `end`.
    static QColor BandColor(const QColor &start, const QColor &end, int i);
    // Band i's rectangle inside an area of w x h pixels: horizontal bands
    // (x from MulDiv(i, w, 256) to MulDiv(i + 1, w, 256), full height) or
    // vertical ones (y likewise over h, full width).  Right/bottom exclusive.
    static QRect BandRect(int i, int w, int h, bool horizontal);
    // A w x h bitmap of 256 bands from `start` (top or left) to `end`; a null
    // image for an empty size.
    static QImage MakeGradientBitmap(int w, int h, const QColor &start, const QColor &end, bool horizontal);
    // Whether a direction runs across (left/right) rather than down.
    static bool IsHorizontal(TFillDirection d) { return d == gdLeft || d == gdRight; }
    // Tiles `picture` from (0, 0) over w x h pixels, each tile stretched to
    // tileSize, through whatever clip the painter has.  Nothing for an empty
    // picture or tile.
    static void TileOnScreen(QPainter &painter, const QImage &picture, QSize tileSize, int w, int h);

    // Colours the screen shows: 2 ^ bits per pixel, 256 when unknown.  Tests
    // may replace the query.
    static int ScreenColorCount();
    static void SetScreenColorCountQuery(std::function<int()> query);

    // Tiles `picture` into the sheet rectangle `box` at scale (sx, sy)
    // printer pixels per picture pixel, from the box's exact corner.
    // Composed: one bitmap of the whole box is built from the tiles and
    // printed once; otherwise each tile is printed alone, one picture pixel
    // larger than its cell so that neighbouring tiles overlap and no seam
    // shows.
    static void PrintTiles(engine::TBaseReport &report, const QImage &picture, const QRectF &box, double sx,
                           double sy, bool composed);
    // Fills the device rectangle `cover` with the gradient whose 256 bands
    // are laid over the device rectangle `box`, exactly as the screen's
    // gradient bitmap spans the object: a colour falls at the same place on
    // paper as on screen.  What `cover` holds beyond the box takes the start
    // colour before the box and the end colour after it.  Solid brushes.
    static void PrintGradient(engine::TBaseReport &report, const QRect &box, const QRect &cover,
                              const QColor &start, const QColor &end, bool horizontal);

private:
    bool changed();
    void printTexture(engine::TBaseReport &report, const QImage &picture, const QRectF &object,
                      const QRect &area) const;

    TGGraphicControl &m_owner;
    TSurface m_surface;
    TFillDirection m_direction;
    TColor m_from;
    TColor m_to;
    TGPicture m_image;
    TColor m_outlineColor = clBlack;
    TPenStyle m_outlineStyle = psSolid;
    int m_outlineWidth = 1;
    TColor m_shadowColor;
    QImage m_gradient;
    QImage m_solid;
};

} // namespace cw::model
