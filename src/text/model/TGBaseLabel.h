#pragma once
// The single-line text label: one line of text in one font inside the
// object's box, turned by 0, 90, 180 or 270 degrees, with an optional shadow
// copy and highlight copy behind it (the 3D effect), an optional background
// fill and a one-pixel border.  The base of the text label family and of the
// symbol label.
//
// Coordinates are object pixels at the current zoom.  The layout (margins,
// clip rectangles and reference points of the text and its two copies) is
// computed lazily by CalcLayout, which also fits the box to one line; it is
// recomputed after every change that affects it.

#include "design/model/TGGraphicControl.h"
#include "design/model/TFinerGrid.h"
#include "text/model/TTextTypes.h"

#include <QPoint>

namespace cw::model {

// A rectangle as the layout computes it: right and bottom are exclusive.
struct TLabelRect
{
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;

    bool operator==(const TLabelRect &) const = default;
    void Offset(int dx, int dy)
    {
        Left += dx;
        Right += dx;
        Top += dy;
        Bottom += dy;
    }
    TLabelRect Moved(int dx, int dy) const
    {
        TLabelRect r = *this;
        r.Offset(dx, dy);
        return r;
    }
    // The pixels it covers (empty when right <= left or bottom <= top).
    QRect ToQRect() const { return QRect(Left, Top, Right - Left, Bottom - Top); }
};

class TGBaseLabel : public TGGraphicControl
{
public:
    TGBaseLabel();

    static const TPropertyTable &ClassProperties();
    const TPropertyTable &Properties() const override { return ClassProperties(); }

    // ---- published properties (setters do nothing for an unchanged value)
    TAlignment Alignment() const { return m_alignment; }
    void SetAlignment(TAlignment alignment);
    int DepthHighlight() const { return m_depthHighlight; }
    void SetDepthHighlight(int depth);
    int DepthShadow() const { return m_depthShadow; }
    void SetDepthShadow(int depth);
    THighlightDirection DirectionHighlight() const { return m_directionHighlight; }
    void SetDirectionHighlight(THighlightDirection direction);
    TShadowDirection DirectionShadow() const { return m_directionShadow; }
    void SetDirectionShadow(TShadowDirection direction);
    TColor ColorHighlight() const { return m_colorHighlight; }
    void SetColorHighlight(TColor color);
    TColor ColorShadow() const { return m_colorShadow; }
    void SetColorShadow(TColor color);
    // Counter-clockwise degrees; only 0, 90, 180 and 270 are taken.  A turn
    // forces left alignment and swaps a box that lies the wrong way.
    int Angle() const { return m_angle; }
    void SetAngle(int angle);
    const QString &Caption() const { return m_caption; }
    void SetCaption(const QString &caption);
    // The font with the layout marked for recomputation (use instead of SetFont).
    void SetLabelFont(const TGFont &font);
    bool Transparent() const { return m_transparent; }
    void SetTransparent(bool on);
    TColor BackColor() const { return m_backColor; }
    void SetBackColor(TColor color);
    TLabelBorderStyle BorderStyle() const { return m_borderStyle; }
    void SetBorderStyle(TLabelBorderStyle style);

    // ---- layout (valid after CalcLayout)
    QPoint ShadowOffset() const { return m_shadowOffset; }
    QPoint HighlightOffset() const { return m_highlightOffset; }
    QPoint TextMargin() const { return m_textMargin; }
    TLabelRect TextRect() const { return m_textRect; }
    TLabelRect ShadowRect() const { return m_shadowRect; }
    TLabelRect HighlightRect() const { return m_highlightRect; }
    QPoint TextOrigin() const { return m_textOrigin; }
    QPoint ShadowOrigin() const { return m_shadowOrigin; }
    QPoint HighlightOrigin() const { return m_highlightOrigin; }
    bool LayoutDirty() const { return m_layoutDirty; }
    void MarkLayoutDirty() { m_layoutDirty = true; }

    // The offset of a copy for a direction and depth (x right, y down).
    static QPoint ShadowOffsetFor(TShadowDirection direction, int depth);
    static QPoint HighlightOffsetFor(THighlightDirection direction, int depth);

    // The font the label measures and draws with: Font scaled by Zoom.
    QFont CanvasFont() const;
    // Computes margins, line height and the rectangles and reference points
    // of the text and its copies, fitting the box to between one and 1.2
    // lines (rotated: in width).  Runs only when the layout is dirty.
    void CalcLayout();
    // The height of one line with both copies at `zoom`, as the layout
    // measures it.
    int LineHeight(float zoom) const;
    // Draws background, shadow, highlight, text and border in object pixels.
    // `pixels`: the painter draws onto pixels of the object's size (screen,
    // picture export), not onto a printer.
    void DrawLabel(QPainter &painter, bool pixels = false);
    // Grows the unrotated box to hold the caption and five blanks and one
    // line of text beyond the copies' margins.  Never shrinks it.
    void AutoSizeToText();

    void Paint(QPainter &painter) override;
    // Printed by drawing the label onto the printer's painter, stretched
    // into the object's inch rectangle, so fonts, offsets and the border
    // scale with the position and the text keeps the screen's layout.
    void PrintTo(engine::TBaseReport &report, double leftInches, double topInches) override;
    void BoundsChanged() override;
    void UpdatePopupChecks() override;
    void ApplyFont(const QFont &font) override;
    bool HasFontColor() const override { return true; }
    void ApplyFontColor(TColor color) override;

    // "Font" command: the font dialog; a confirmed font replaces Font.
    virtual void EditFont();

protected:
    void BuildPopupMenu(std::vector<TGMenuItem> &menu) override;
    // The text the layout measures and the label draws: the caption, or for
    // kinds that show a text of their own, that text.
    virtual QString ShownCaption() const { return m_caption; }
    // A box resized at a zoom keeps between one and 1.2 lines at 100 % too,
    // so the size it is stored with is the size it shows at 100 % (the fit
    // at the zoom alone changes only what is shown).  Kinds that fit their
    // box by another rule do nothing here.
    virtual void FitStoredToLines();
    // Whether the box is fitted to lines of text (true) or by a rule of the
    // kind's own, which then also settles the stored size at a zoom.
    virtual bool FitsToLines() const { return true; }
    bool m_hasRotationMenu = false;

private:
    void ChooseBackColor();
    void SetAngleChecks();

    TAlignment m_alignment = taLeftJustify;
    int m_depthHighlight = 0;
    int m_depthShadow = 0;
    THighlightDirection m_directionHighlight = hdUpLeft;
    TShadowDirection m_directionShadow = sdDownRight;
    TColor m_colorHighlight = clAqua;
    TColor m_colorShadow = clGray;
    int m_angle = 0;
    QString m_caption = QStringLiteral("Text");
    bool m_transparent = true;
    TColor m_backColor = clWhite;
    TLabelBorderStyle m_borderStyle = bsNone;

    bool m_layoutDirty = true;
    // The 100 % size last seen by BoundsChanged (invalid before the first).
    QSize m_storedSize;
    // What the last layout was computed for; a difference makes it dirty
    // even when the font was replaced through the base class.
    TGFont m_layoutFont;
    float m_layoutZoom = 0.0f;
    QPoint m_shadowOffset;
    QPoint m_highlightOffset;
    QPoint m_textMargin;
    TLabelRect m_textRect, m_shadowRect, m_highlightRect;
    QPoint m_textOrigin, m_shadowOrigin, m_highlightOrigin;
    int m_textWidth = 0;
    // The text over its copies as the screen last drew it.
    TFinerGrid m_finerGrid;
};

} // namespace cw::model
