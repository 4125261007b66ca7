#include "text/model/TGPLabel.h"

#include "text/model/TTextEditors.h"

namespace cw::model {

void TGPLabel::EditFont()
{
    TGBaseLabel::EditFont();
    AutoSizeToText();
}

void TGPLabel::EditText()
{
    TTextEditors *editors = TTextEditors::Current();
    if (!editors)
        return;
    if (std::optional<QString> text = editors->LabelText(Caption())) {
        SetCaption(*text);
        AutoSizeToText();
        Invalidate();
    }
}

void TGPLabel::BuildPopupMenu(std::vector<TGMenuItem> &menu)
{
    TGBaseLabel::BuildPopupMenu(menu);
    menu.push_back(TGMenuItem::Separator());
    menu.push_back(TGMenuItem::Command(QT_TRANSLATE_NOOP("TGMenuItem", "Text"), [this] { EditText(); }));
    menu.push_back(TGMenuItem::Separator());
    std::vector<TGMenuItem> rotation;
    const char *captions[4] = {
        QT_TRANSLATE_NOOP("TGMenuItem", "No Rotation"), QT_TRANSLATE_NOOP("TGMenuItem", "90 Degrees"),
        QT_TRANSLATE_NOOP("TGMenuItem", "180 Degrees"), QT_TRANSLATE_NOOP("TGMenuItem", "270 Degrees")};
    for (int i = 0; i < 4; ++i) {
        TGMenuItem item = TGMenuItem::Command(captions[i], [this, i] {
            const int before = Angle();
            SetAngle(i * 90);
            // A turn without a box swap changes no bounds, so it would go
            // unnoticed by the document: report it here.
            if (Angle() != before)
                NotifyChanged();
        });
        item.Checkable = true;
        item.Checked = Angle() == i * 90;
        rotation.push_back(item);
    }
    menu.push_back(TGMenuItem::Submenu(QT_TRANSLATE_NOOP("TGMenuItem", "Rotation"), std::move(rotation)));
    m_hasRotationMenu = true;
}

} // namespace cw::model
