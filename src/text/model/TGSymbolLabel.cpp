#include "text/model/TGSymbolLabel.h"

#include "print/engine/Units.h"
#include "text/model/TTextEditors.h"
#include "text/model/TTextFonts.h"

#include <QFontMetrics>
#include <algorithm>

namespace cw::model {

TGSymbolLabel::TGSymbolLabel()
{
    TGFont font;
    font.Name = QStringLiteral("WingDings");
    font.SetPointSize(24);
    SetLabelFont(font);
    SetCaption(QStringLiteral("["));
}

int TGSymbolLabel::SymbolCode() const
{
    return Caption().isEmpty() ? -1 : TSymbolFonts::CodeOf(Caption().at(0));
}

void TGSymbolLabel::SetSymbol(const TGFont &font, int code)
{
    SetLabelFont(font);
    // Without a chosen entry the character stays as it was.
    if (code >= 32 && code <= 255)
        SetCaption(QString(TSymbolFonts::CharOfCode(code)));
    BoundsChanged();
    Invalidate();
}

QSize TGSymbolLabel::FittedSize() const
{
    const TSymbolFonts::TDisplay display = TTextFonts::Display(Font(), Zoom(), Caption());
    const QFontMetrics fm(display.Font);
    int w = Trunc(1.1 * fm.horizontalAdvance(display.Text));
    int h = Trunc(1.1 * fm.height());
    // Where the cells of the text and its copies start, whatever alignment
    // a card file gives the label: an aligned origin depends on the box's
    // width, and the box would shrink or grow at every fit.
    w += std::max({TextRect().Left, ShadowRect().Left, HighlightRect().Left});
    // A character with next to no extent would get a box the text layout
    // widens again to the character and a space (boxes of five pixels or
    // less): fit that width at once, or the box would change at every paint.
    if (w <= 5)
        w = fm.horizontalAdvance(display.Text + QLatin1Char(' '));
    h += std::max({TextOrigin().y(), ShadowOrigin().y(), HighlightOrigin().y()});
    // Never below the one pixel every label keeps (an empty caption, read
    // from a file, measures 0): the two rules would undo each other forever.
    return {std::max(1, w), std::max(1, h)};
}

void TGSymbolLabel::FitBox()
{
    const QSize fitted = FittedSize();
    if (fitted.width() != Width())
        SetWidth(fitted.width());
    if (fitted.height() != Height())
        SetHeight(fitted.height());
}

void TGSymbolLabel::BoundsChanged()
{
    TGBaseLabel::BoundsChanged();
    if (Loading() || !Host())
        return;
    FitBox();
    NotifyMoved();
}

void TGSymbolLabel::Paint(QPainter &painter)
{
    // The box fits the character before it is drawn, not only after the
    // first paint on the surface: the surface, the exported picture and the
    // printed card all show the same box.
    if (!Loading() && Host()) {
        CalcLayout();
        FitBox();
    }
    TGBaseLabel::Paint(painter);
}

void TGSymbolLabel::ChooseSymbol()
{
    TTextEditors *editors = TTextEditors::Current();
    if (!editors)
        return;
    if (auto choice = editors->ChooseSymbol(Font(), SymbolCode()))
        SetSymbol(choice->Font, choice->Code);
}

void TGSymbolLabel::BuildPopupMenu(std::vector<TGMenuItem> &menu)
{
    TGBaseLabel::BuildPopupMenu(menu);
    // The label entries a single symbol has no use for.
    std::erase_if(menu, [](const TGMenuItem &item) {
        return item.Caption == QLatin1String("Font") || item.Caption == QLatin1String("Alignment") ||
               item.Caption == QLatin1String("Angle");
    });
    menu.push_back(TGMenuItem::Separator());
    menu.push_back(TGMenuItem::Command("Symbol Selector", [this] { ChooseSymbol(); }));
    // The menu is built once the label is complete (created or read): fit the
    // box to the symbol now.  A failure keeps the stored size.
    try {
        CalcLayout();
        BoundsChanged();
    } catch (...) {
    }
}

} // namespace cw::model
