#pragma once
// Special-effects text: one line of large text whose letter shapes are
// filled with the font colour, a tiled texture or a colour gradient, with an
// optional outline and a solid shadow copy.  The letters are laid into a
// path that becomes the clip; the fill is painted through it and the outline
// strokes the same path.  Printing does the same through the engine at
// printer resolution.
//
// Geometry (TextRect, ShadowRect, origins) is in the object's pixels at the
// current zoom; the text starts 5 pixels in from the left and is cut (never
// wrapped or shrunk) to the box.

#include "design/model/TGGraphicControl.h"
#include "design/model/TGPen.h"
#include "design/model/TGPicture.h"
#include "objects/model/TFillPainter.h"
#include "design/model/TFinerGrid.h"
#include "text/model/TTextTypes.h"

#include <QFont>
#include <QImage>
#include <QPainterPath>
#include <QPoint>
#include <QRect>
#include <array>
#include <functional>
#include <optional>

namespace cw::model {

class TGSuperText : public TGGraphicControl
{
public:
    enum TSurfaceType { stNormal, stBrushTransparent, stBrushImage, stGradientFill };
    using TShadowOrientation = TShadowDirection;

    TGSuperText();

    QString ClassName() const override { return QStringLiteral("TGSuperText"); }
    std::unique_ptr<TGGraphicControl> NewInstance() const override { return std::make_unique<TGSuperText>(); }
    static const TPropertyTable &ClassProperties();
    const TPropertyTable &Properties() const override { return ClassProperties(); }
    static const QStringList &SurfaceTypeNames();
    static const QStringList &ShadowOrientationNames();

    // The properties dialog the "Properties" entry, a double-click and the
    // SuperText tool open; installed by the widgets layer.  True on "Ok".
    static std::function<bool(TGSuperText &)> &PropertiesEditor();

    // ---- published values
    int ShadowDepth() const { return m_shadowDepth; }
    void SetShadowDepth(int d);
    TShadowOrientation ShadowOrientation() const { return m_shadowOrientation; }
    void SetShadowOrientation(TShadowOrientation o);
    TColor Shadowcolor() const { return m_fill.ShadowColor(); }
    void SetShadowcolor(TColor c) { m_fill.SetShadowColor(c); }
    TLabelBorderStyle BorderStyle() const { return m_borderStyle; }
    void SetBorderStyle(TLabelBorderStyle b);
    bool ControlTransparent() const { return m_controlTransparent; }
    void SetControlTransparent(bool on);
    TColor BGColor() const { return m_bgColor; }
    void SetBGColor(TColor c);
    const QString &Caption() const { return m_caption; }
    void SetCaption(const QString &caption);
    // The font as read or edited: layout must follow.
    void SetTextFont(const TGFont &font);
    TFillDirection FillDirection() const { return m_fill.FillDirection(); }
    void SetFillDirection(TFillDirection d) { m_fill.SetFillDirection(d); }
    TColor GradientToColor() const { return m_fill.ToColor(); }
    void SetGradientToColor(TColor c) { m_fill.SetToColor(c); }
    TColor GradientFromColor() const { return m_fill.FromColor(); }
    void SetGradientFromColor(TColor c);
    const TGPicture &Image() const { return m_fill.Image(); }
    void SetImage(const TGPicture &picture) { m_fill.SetImage(picture); }
    TColor OutlineColor() const { return m_fill.OutlineColor(); }
    void SetOutlineColor(TColor c) { m_fill.SetOutlineColor(c); }
    TPenStyle OutlineStyle() const { return m_fill.OutlineStyle(); }
    void SetOutlineStyle(TPenStyle s) { m_fill.SetOutlineStyle(s); }
    int OutlineWidth() const { return m_fill.OutlineWidth(); }
    void SetOutlineWidth(int w) { m_fill.SetOutlineWidth(w); }
    TSurfaceType SurfaceType() const { return m_surfaceType; }
    // The user's choice of surface: outline-only text gets an outline.
    void SetSurfaceType(TSurfaceType t);
    // A surface type taken over with the outline it was kept with (read from
    // a file, copied from another object), so shadow-only text stays so.
    void RestoreSurfaceType(TSurfaceType t);
    QString LastBitmapFileNameandPath;

    // ---- layout
    QPoint ShadowOffset() const;
    void MarkLayoutDirty() { m_layoutDirty = true; }
    bool LayoutDirty() const { return m_layoutDirty; }
    // Recomputes the layout when it is dirty (may grow or shrink the box).
    void Layout();
    QRect TextRect() const { return m_textRect; }
    QRect ShadowRect() const { return m_shadowRect; }
    QPoint TextOrigin() const { return m_textOrigin; }
    QPoint ShadowOrigin() const { return m_shadowOrigin; }
    // The font drawn on screen: Font with its point size scaled by Zoom
    // (truncated) when Zoom is not 1.
    QFont ScreenFont() const;
    // The caption cut from the end until it fits the box at 100 % (Width and
    // the text's start unzoomed): the same at every zoom and on paper.
    QString FittedText() const;
    // Sizes the box to the text (the dialogs' preview after each change).
    void FitToText();

    const QImage &GradientBitmapImage() const { return m_fill.GradientBitmap(); }
    void BuildGradientBitmap();

    // Copies another SuperText through the setters, size included.
    void CopyFrom(const TGSuperText &source);
    // Takes the edited preview's appearance, font and text ("Ok" of the
    // properties dialog); box, background and border stay.
    void TakeFromPreview(const TGSuperText &preview, const QString &lastBitmapPath);
    // The "Font" entry: the font chooser, limited to scalable fonts.
    virtual void EditFont();

    void Paint(QPainter &painter) override;
    void PrintTo(engine::TBaseReport &report, double leftInches, double topInches) override;
    void BoundsChanged() override;
    void UpdatePopupChecks() override;
    void ApplyFont(const QFont &font) override;
    bool HasFontColor() const override { return true; }
    void ApplyFontColor(TColor color) override;

protected:
    void BuildPopupMenu(std::vector<TGMenuItem> &menu) override;

private:
    QPainterPath textPath(const QString &text, QPoint origin, const QFont &font) const;
    double printPoints() const;
    void printText(engine::TBaseReport &report, const QString &text, QPoint origin, double x0,
                   double y0) const;

    // Surface, gradient and texture, outline pen and shadow colour.
    TFillPainter m_fill{*this, {TFillPainter::fsGradient, gdRight, clBlue, clYellow, 0x808080}};
    int m_shadowDepth = 0;
    TShadowOrientation m_shadowOrientation = sdDownRight;
    TLabelBorderStyle m_borderStyle = bsNone;
    bool m_controlTransparent = true;
    TColor m_bgColor = clWhite;
    QString m_caption = QStringLiteral("Text");
    TSurfaceType m_surfaceType = stGradientFill;

    bool m_layoutDirty = true;
    bool m_inLayout = false;
    bool m_inPaint = false;
    QRect m_textRect;
    QRect m_shadowRect;
    QPoint m_textMargin;
    QPoint m_textOrigin;
    QPoint m_shadowOrigin;
    QSize m_laidOutSize;

    // The letters' outlines last built (the text's and the shadow's): every
    // paint clips to them, and building them from the font is the dearest
    // part of a repaint.
    struct TPathCache
    {
        QString Text;
        QPoint Origin;
        QFont Font;
        QPainterPath Path;
    };
    mutable std::array<std::optional<TPathCache>, 2> m_pathCache;
    mutable int m_nextPathCache = 0;
    // The letters over their shadow as the screen last drew them.
    TFinerGrid m_finerGrid;
};

} // namespace cw::model
