#pragma once
// One character of a symbol font on the card (a telephone, an envelope …).
// A text label whose caption is a single character with code 32 … 255 and
// whose box always fits that character: any other size snaps back at the
// next bounds change while the label lies on a surface.  No alignment, no
// rotation, no text dialog, and the surface's font command leaves it alone.

#include "text/model/TGBaseLabel.h"

namespace cw::model {

class TGSymbolLabel : public TGBaseLabel
{
public:
    TGSymbolLabel();

    QString ClassName() const override { return QStringLiteral("TGSymbolLabel"); }
    std::unique_ptr<TGGraphicControl> NewInstance() const override
    {
        return std::make_unique<TGSymbolLabel>();
    }

    // The byte code of the caption's character, -1 when the caption is empty.
    int SymbolCode() const;
    // Font and character as the Symbol Selector gives them (a code outside
    // 32 … 255 keeps the character); refits the box.
    void SetSymbol(const TGFont &font, int code);

    // The size that fits the character at `zoom` (the label's own zoom when
    // not given): 1.1 times its extent plus the largest start of the text and
    // its copies (last layout, rescaled to that zoom).
    QSize FittedSize() const { return FittedSize(Zoom()); }
    QSize FittedSize(float zoom) const;

    void ApplyFont(const QFont &font) override { Q_UNUSED(font); }
    void BoundsChanged() override;
    void Paint(QPainter &painter) override;

    // "Symbol Selector" command (also run after the symbol tool placed a label).
    void ChooseSymbol();

protected:
    // The box fits the character (FitBox), not lines of text.
    void FitStoredToLines() override {}
    bool FitsToLines() const override { return false; }
    void BuildPopupMenu(std::vector<TGMenuItem> &menu) override;

private:
    void FitBox();
};

} // namespace cw::model
