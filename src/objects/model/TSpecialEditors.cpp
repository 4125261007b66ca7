#include "objects/model/TSpecialEditors.h"

#include "text/model/TTextFonts.h"

namespace cw::model {

namespace {
TSpecialEditors *g_editors = nullptr;
}

std::optional<TGFont> TSpecialEditors::ChooseFontAndColor(const TGFont &initial)
{
    const QFont design = initial.ToQFont();
    const std::optional<QFont> chosen = ChooseFont(TTextFonts::ForFontDialog(design));
    if (!chosen)
        return std::nullopt;
    TGFont result = initial;
    result.Assign(TTextFonts::FromFontDialog(design, *chosen));
    return result;
}

bool TSpecialEditors::EditCode(TGCodeObject &)
{
    return false;
}

TSpecialEditors *TSpecialEditors::Current()
{
    return g_editors;
}

void TSpecialEditors::Install(TSpecialEditors *editors)
{
    g_editors = editors;
}

} // namespace cw::model
