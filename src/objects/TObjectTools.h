#pragma once
// The circle-text, rich-text, QR code and barcode drawing tools and the
// dialogs their objects open.  Call RegisterSpecialObjectTools() once at
// start-up (after the application object exists): it registers psCircleText,
// psRichLabel, psQRCode and psBarcode with the business-card surface and
// installs the real dialogs.

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
    bool EditCode(model::TGCodeObject &object) override;
};

// Installs TSpecialEditorsUi unless other editors are installed.
void InstallSpecialEditors();
void RegisterSpecialObjectTools();

} // namespace cw::ui
