#pragma once
// The dialogs text objects open from their popup menus.  Design objects know
// no widgets: the widgets layer installs the real dialogs (cw::ui::
// InstallTextEditors) and tests install scripted ones.  While none is
// installed the commands that need a dialog do nothing.
//
// Each call returns the user's answer, or std::nullopt / false when the user
// cancelled; the object applies the answer itself.

#include "design/model/TGFont.h"

#include <QFont>
#include <QStringList>
#include <optional>

namespace cw::model {

class TGBaseLabel;

class TTextEditors
{
public:
    virtual ~TTextEditors() = default;

    // The font dialog started with `initial`: name, size, style and colour
    // of the chosen font (its pitch stays).
    virtual std::optional<TGFont> ChooseFont(const TGFont &initial) = 0;
    // "Text 3D Effects" for a label; on Ok the dialog has written the effect
    // and the font into the label and true is returned.
    virtual bool Edit3DEffects(TGBaseLabel &label) = 0;
    // "Text" dialog of a text label, started with the caption.
    virtual std::optional<QString> LabelText(const QString &caption) = 0;
    // "Text" dialog of a business-card field label: the caption and the ten
    // personal-information values (Name … Fax, empty ones included).
    virtual std::optional<QString> BusinessCardText(const QString &caption,
                                                    const QStringList &personalInfo) = 0;

    struct TSymbolChoice
    {
        TGFont Font;
        int Code = 32; // 32 … 255, the byte of the symbol font
    };
    // "Symbol Selector" started with the label's font and character code
    // (-1 when the caption is empty).
    virtual std::optional<TSymbolChoice> ChooseSymbol(const TGFont &font, int code) = 0;
    // "Multi-line Text Editor" with the lines, edited in the label's font.
    virtual std::optional<QStringList> MultiLineText(const QStringList &lines, const TGFont &font) = 0;

    // The editors in force, or nullptr.  The caller keeps ownership.
    static TTextEditors *Current();
    static void Install(TTextEditors *editors);
};

} // namespace cw::model
