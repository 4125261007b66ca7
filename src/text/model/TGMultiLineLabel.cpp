#include "text/model/TGMultiLineLabel.h"

#include "text/model/TTextEditors.h"

namespace cw::model {

void TGMultiLineLabel::EditText()
{
    TTextEditors *editors = TTextEditors::Current();
    if (!editors)
        return;
    if (std::optional<QStringList> lines = editors->MultiLineText(Items(), Font())) {
        SetItems(*lines);
        Invalidate();
        if (WordWrap())
            Rewrap();
        NotifyChanged();
    }
}

void TGMultiLineLabel::BuildPopupMenu(std::vector<TGMenuItem> &menu)
{
    TGMultiLineBaseLabel::BuildPopupMenu(menu);
    menu.push_back(TGMenuItem::Separator());
    menu.push_back(TGMenuItem::Command(QT_TRANSLATE_NOOP("TGMenuItem", "Text"), [this] { EditText(); }));
    TGMenuItem wrap = TGMenuItem::Command(QT_TRANSLATE_NOOP("TGMenuItem", "Word Wrap"), [this] {
        SetWordWrap(!WordWrap());
        if (TGMenuItem *w = TGMenuItem::Find(MenuItems(), "Word Wrap"))
            w->Checked = WordWrap();
    });
    wrap.Checkable = true;
    wrap.Checked = WordWrap();
    menu.push_back(wrap);
}

void TGMultiLineLabel::UpdatePopupChecks()
{
    TGMultiLineBaseLabel::UpdatePopupChecks();
    if (TGMenuItem *w = TGMenuItem::Find(MenuItems(), "Word Wrap"))
        w->Checked = WordWrap();
}

} // namespace cw::model
