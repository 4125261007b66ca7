#pragma once
// The text objects' dialogs as real windows: the font dialog through the
// interaction service, and TGFont3DEffects, TGetLabelText, TGetBCLabelText,
// TGetSymbol and TMultiLineTextEditor.

#include "text/model/TTextEditors.h"

namespace cw::ui {

class TTextEditorsUi final : public model::TTextEditors
{
public:
    std::optional<model::TGFont> ChooseFont(const model::TGFont &initial) override;
    bool Edit3DEffects(model::TGBaseLabel &label) override;
    std::optional<QString> LabelText(const QString &caption) override;
    std::optional<QString> BusinessCardText(const QString &caption, const QStringList &personalInfo) override;
    std::optional<TSymbolChoice> ChooseSymbol(const model::TGFont &font, int code) override;
    std::optional<QStringList> MultiLineText(const QStringList &lines, const model::TGFont &font) override;
};

// The font dialog with its colour for a design font; an unchanged family
// keeps the design's own name.
std::optional<model::TGFont> ChooseDesignFont(const model::TGFont &design);

// Installs the real dialogs for the text objects' commands, unless some
// editors are installed already.  It runs by itself at start-up in every
// program that links this file; calling it again is harmless.
void InstallTextEditors();

} // namespace cw::ui
