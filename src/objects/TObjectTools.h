#pragma once
// The circle-text and rich-text drawing tools and the dialogs their objects
// open.  Call RegisterSpecialObjectTools() once at start-up (after the
// application object exists): it registers psCircleText and psRichLabel with
// the business-card surface and installs the real dialogs.

#include "objects/model/TSpecialEditors.h"

namespace cw::ui {

// The real dialogs: the system font dialog, "CircleText Properties" and
// "Rich Text Editor".
class TSpecialEditorsUi : public model::TSpecialEditors
{
public:
    std::optional<QFont> ChooseFont(const QFont &initial) override;
    std::optional<model::TGFont> ChooseFontAndColor(const model::TGFont &initial) override;
    bool EditCircleText(model::TGPCircleText &object) override;
    std::optional<QByteArray> EditRichText(model::TGPRichBaseLabel &label) override;
};

// Installs TSpecialEditorsUi unless other editors are installed.
void InstallSpecialEditors();
void RegisterSpecialObjectTools();

} // namespace cw::ui
