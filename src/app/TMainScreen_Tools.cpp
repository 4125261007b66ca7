// The drawing tools whose object kinds live outside the design surface's
// own library: the text tools.  Each registers what it creates and what
// follows the creation (its dialog, then sizing to the text).

#include "app/TMainScreen.h"

#include "design/TImageTool.h"
#include "objects/TObjectTools.h"
#include "objects/TSuperTools.h"
#include "text/TTextEditorsUi.h"
#include "text/TextObjectCreation.h"
#include "text/model/TGBusinessCardLabel.h"
#include "text/model/TGMultiLineLabel.h"
#include "text/model/TGSymbolLabel.h"

namespace cw::ui {

void TMainScreen::registerTextTools()
{
    // Text objects read from a card file open their dialogs through these.
    InstallTextEditors();
    // Clip art, circle text and rich text register their tools and dialogs
    // themselves.
    RegisterImageTool();
    RegisterSpecialObjectTools();
    RegisterSuperTools();
    using Kind = TGBusinessCardPanel32::TToolKind;
    auto kind = [](auto make, void (*finish)(model::TGGraphicControl &, model::TObjectHost &, QWidget *)) {
        Kind k;
        k.Create = [make](TGBusinessCardPanel32 &) { return std::unique_ptr<model::TGGraphicControl>(make()); };
        k.FollowUp = [finish](TGBusinessCardPanel32 &surface, model::TGGraphicControl &object) {
            finish(object, surface, &surface);
        };
        return k;
    };
    TGBusinessCardPanel32::RegisterTool(
        psLabel, kind([] { return std::make_unique<model::TGBusinessCardLabel>(); }, &FinishNewBusinessCardLabel));
    TGBusinessCardPanel32::RegisterTool(
        psSymbolLabel, kind([] { return std::make_unique<model::TGSymbolLabel>(); }, &FinishNewSymbolLabel));
    TGBusinessCardPanel32::RegisterTool(
        psMultiLineLabel,
        kind([] { return std::make_unique<model::TGMultiLineLabel>(); }, &FinishNewMultiLineLabel));
}

} // namespace cw::ui
