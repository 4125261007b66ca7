#pragma once
// A short block of text lines in one font, drawn top-down in the box, each
// line aligned left, centred or right, optionally re-broken to the box width
// (word wrap).  No rotation, 3D effect, background or border; what lies
// below shows between the letters.

#include "design/model/TGGraphicControl.h"
#include "text/model/TTextTypes.h"

#include <QStringList>

namespace cw::model {

class TGMultiLineBaseLabel : public TGGraphicControl
{
public:
    TGMultiLineBaseLabel();

    static const TPropertyTable &ClassProperties();
    const TPropertyTable &Properties() const override { return ClassProperties(); }

    // ---- published properties
    const QStringList &Items() const { return m_items; }
    // Takes the lines and repaints; does not rewrap.
    void SetItems(const QStringList &items);
    // Carried in the card file; the label does not use it.
    bool AutoSize() const { return m_autoSize; }
    void SetAutoSize(bool on) { m_autoSize = on; }
    TAlignment Alignment() const { return m_alignment; }
    void SetAlignment(TAlignment alignment);
    bool WordWrap() const { return m_wordWrap; }
    // On a change: when switched on, rewraps; repaints; reports the change.
    void SetWordWrap(bool on);
    // Font with a rewrap when word wrap is on.
    void SetLabelFont(const TGFont &font);

    // The lines re-broken to the box width (valid while WordWrap is on).
    const QStringList &WrappedLines() const { return m_wrappedLines; }
    // Re-breaks Items to the box width at 100 %, greedily at word
    // boundaries (a word longer than the line is broken where it overflows);
    // explicit line breaks are kept.  Does nothing while WordWrap is off.
    virtual void Rewrap();
    // Width available to the wrapped text: the box less the frame and inner
    // margins of a multi-line edit control.
    int WrapWidth() const;
    // The wrap is computed at 100 %: the design font and the stored width.
    QFont WrapFont() const;
    // Each line broken greedily to `width` pixels in `font` (a symbol font
    // measured as drawn): after the last blank that fits, the blanks at a
    // break dropped from the line's end; a word wider than the line is cut where it
    // overflows.  An empty line stays one empty line.
    static QStringList WrapText(const QStringList &lines, const QFont &font, const QString &fontName,
                                int width);

    // The lines as drawn: WrappedLines or Items, with "<blank>" placeholders
    // for an empty label.
    QStringList DisplayLines() const;
    // Draws the lines in object pixels, each clipped to the box below its top.
    void DrawLines(QPainter &painter) const;
    // Keeps the width (or widens to the widest line) and gives the box
    // exactly one line height per line.
    void FitToLines();

    QFont CanvasFont() const;

    void Paint(QPainter &painter) override;
    // Printed by drawing the lines onto the printer's painter, stretched
    // into the object's inch rectangle.
    void PrintTo(engine::TBaseReport &report, double leftInches, double topInches) override;
    void BoundsChanged() override;
    void UpdatePopupChecks() override;
    void ApplyFont(const QFont &font) override;
    bool HasFontColor() const override { return true; }
    void ApplyFontColor(TColor color) override;

    // "Font" command: the font dialog; then a rewrap (also when cancelled).
    void EditFont();

protected:
    void BuildPopupMenu(std::vector<TGMenuItem> &menu) override;

private:
    QStringList m_items;
    bool m_autoSize = false;
    TAlignment m_alignment = taLeftJustify;
    bool m_wordWrap = false;
    QStringList m_wrappedLines;
    // Box width and font of the last rewrap, so moves do not re-break.
    int m_wrapWidth = -1;
    QFont m_wrapFont;
};

} // namespace cw::model
