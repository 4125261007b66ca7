#include "text/TTextEditorsUi.h"

#include "text/TGFont3DEffects.h"
#include "text/TGetBCLabelText.h"
#include "text/TGetLabelText.h"
#include "text/TGetSymbol.h"
#include "text/TMultiLineTextEditor.h"
#include "text/model/TTextFonts.h"
#include "widgets/Interaction.h"

namespace cw::ui {

std::optional<model::TGFont> TTextEditorsUi::ChooseFont(const model::TGFont &initial)
{
    return ChooseDesignFont(initial);
}

std::optional<model::TGFont> ChooseDesignFont(const model::TGFont &design)
{
    const std::optional<Interaction::FontChoice> chosen = Interaction::current().chooseFontAndColor(
        {design.ToQFont(1.0), model::TGColor::ToQColor(design.Color)}, QStringLiteral("Font"));
    if (!chosen)
        return std::nullopt;
    model::TGFont result = design;
    result.Assign(chosen->font);
    if (chosen->color.isValid())
        result.Color = model::TGColor::FromQColor(chosen->color);
    return result;
}

bool TTextEditorsUi::Edit3DEffects(model::TGBaseLabel &label)
{
    return TGFont3DEffects::Execute(label);
}

std::optional<QString> TTextEditorsUi::LabelText(const QString &caption)
{
    return TGetLabelText::Execute(caption);
}

std::optional<QString> TTextEditorsUi::BusinessCardText(const QString &caption,
                                                        const QStringList &personalInfo)
{
    return TGetBCLabelText::Execute(caption, personalInfo);
}

std::optional<model::TTextEditors::TSymbolChoice> TTextEditorsUi::ChooseSymbol(const model::TGFont &font,
                                                                               int code)
{
    return TGetSymbol::Execute(font, code);
}

std::optional<QStringList> TTextEditorsUi::MultiLineText(const QStringList &lines, const model::TGFont &font)
{
    return TMultiLineTextEditor::Execute(lines, font);
}

void InstallTextEditors()
{
    static TTextEditorsUi editors;
    if (!model::TTextEditors::Current())
        model::TTextEditors::Install(&editors);
}

namespace {
// A program that links the text tools links these dialogs with them; they are
// installed before main() runs, so the menu commands of text objects read
// from a card file reach them before any text object was drawn.
[[maybe_unused]] const bool g_textEditorsInstalled = (InstallTextEditors(), true);
} // namespace

} // namespace cw::ui
