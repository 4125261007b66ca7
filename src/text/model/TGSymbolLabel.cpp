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

QSize TGSymbolLabel::FittedSize(float zoom) const
{
    const TSymbolFonts::TDisplay display = TTextFonts::Display(Font(), zoom, Caption());
    const QFontMetrics fm(display.Font);
    int w = Trunc(1.1 * fm.horizontalAdvance(display.Text));
    int h = Trunc(1.1 * fm.height());
    if (zoom == Zoom()) {
        // Where the cells of the text and its copies start, whatever
        // alignment a card file gives the label: an aligned origin depends on
        // the box's width, and the box would shrink or grow at every fit.
        w += std::max({TextRect().Left, ShadowRect().Left, HighlightRect().Left});
        h += std::max({TextOrigin().y(), ShadowOrigin().y(), HighlightOrigin().y()});
    } else {
        // The last layout is at the label's own zoom.  A symbol stands
        // unturned at the left, so its copies' reference points reach from
        // the room left for copies that go left or up to the furthest copy
        // that goes right or down (offsets in card pixels at 100 %).
        const QPoint s = ShadowOffset(), l = HighlightOffset();
        const double z = double(zoom);
        w += Round((std::max({0, -s.x(), -l.x()}) + std::max({0, s.x(), l.x()})) * z);
        h += Round((std::max({0, -s.y(), -l.y()}) + std::max({0, s.y(), l.y()})) * z);
    }
    // A character with next to no extent would get a box the text layout
    // widens again to the character and a space (boxes of five pixels or
    // less): fit that width at once, or the box would change at every paint.
    if (w <= 5)
        w = fm.horizontalAdvance(display.Text + QLatin1Char(' '));
    // Never below the one pixel every label keeps (an empty caption, read
    // from a file, measures 0): the two rules would undo each other forever.
    return {std::max(1, w), std::max(1, h)};
}

void TGSymbolLabel::FitBox()
{
    // The stored box is the fit at 100 %, whatever zoom the label is fitted
    // at, so zooming, reopening and undo find the same size.  At another
    // zoom the box shown is the zoomed fit.
    const QSize fitted = FittedSize();
    // (A label read with a turn or an alignment keeps the fit converted from
    // its zoom: its reference points depend on the box itself.)
    const bool plain = Angle() == 0 && Alignment() == taLeftJustify;
    const QSize stored = Zoom() == 1.0f ? fitted
                         : plain        ? FittedSize(1.0f)
                                        : QSize(Round(fitted.width() / double(Zoom())),
                                                Round(fitted.height() / double(Zoom())));
    if (fitted != BoundsRect().size() || stored != StoredBounds().size())
        SetFittedSize(fitted, stored);
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
    menu.push_back(
        TGMenuItem::Command(QT_TRANSLATE_NOOP("TGMenuItem", "Symbol Selector"), [this] { ChooseSymbol(); }));
    // The menu is built once the label is complete (created or read): fit the
    // box to the symbol now.  A failure keeps the stored size.
    try {
        CalcLayout();
        BoundsChanged();
    } catch (...) {
    }
}

} // namespace cw::model
