#include "objects/TObjectTools.h"

#include "design/TGBusinessCardPanel32.h"
#include "objects/TCircleTextProperties.h"
#include "objects/TCodeProperties.h"
#include "objects/TRichTextLabelEditor.h"
#include "objects/model/TGBarcode.h"
#include "objects/model/TGPCircleText.h"
#include "objects/model/TGPRichBaseLabel.h"
#include "objects/model/TGQRCode.h"
#include "text/TTextEditorsUi.h"
#include "widgets/Interaction.h"

namespace cw::ui {

using namespace cw::model;

std::optional<QFont> TSpecialEditorsUi::ChooseFont(const QFont &initial)
{
    return Interaction::current().chooseFont(initial, QString());
}

std::optional<TGFont> TSpecialEditorsUi::ChooseFontAndColor(const TGFont &initial)
{
    return ChooseDesignFont(initial);
}

bool TSpecialEditorsUi::EditCircleText(TGPCircleText &object)
{
    return TCircleTextProperties::Execute(object);
}

std::optional<QByteArray> TSpecialEditorsUi::EditRichText(TGPRichBaseLabel &label)
{
    return TRichTextLabelEditor::Execute(label);
}

bool TSpecialEditorsUi::EditCode(TGCodeObject &object)
{
    return TCodeProperties::Execute(object);
}

void InstallSpecialEditors()
{
    static TSpecialEditorsUi editors;
    if (!TSpecialEditors::Current())
        TSpecialEditors::Install(&editors);
}

void RegisterSpecialObjectTools()
{
    InstallSpecialEditors();
    TGBusinessCardPanel32::TToolKind circle;
    circle.Create = [](TGBusinessCardPanel32 &) { return std::make_unique<TGPCircleText>(); };
    // A new circle text opens its properties at once; Cancel keeps the defaults.
    circle.FollowUp = [](TGBusinessCardPanel32 &, TGGraphicControl &object) {
        if (auto *c = dynamic_cast<TGPCircleText *>(&object))
            c->PropertiesCommand();
    };
    circle.ReturnToPointer = true;
    TGBusinessCardPanel32::RegisterTool(psCircleText, circle);

    TGBusinessCardPanel32::TToolKind rich;
    rich.Create = [](TGBusinessCardPanel32 &) { return std::make_unique<TGPRichBaseLabel>(); };
    rich.FollowUp = [](TGBusinessCardPanel32 &, TGGraphicControl &object) {
        if (auto *label = dynamic_cast<TGPRichBaseLabel *>(&object))
            label->EditText();
    };
    rich.ReturnToPointer = true;
    TGBusinessCardPanel32::RegisterTool(psRichLabel, rich);

    // A new QR code or barcode opens its properties at once; Cancel keeps
    // the starting contact card or text.
    auto codeTool = [](auto make) {
        TGBusinessCardPanel32::TToolKind kind;
        kind.Create = [make](TGBusinessCardPanel32 &) { return std::unique_ptr<TGGraphicControl>(make()); };
        kind.FollowUp = [](TGBusinessCardPanel32 &, TGGraphicControl &object) {
            if (auto *code = dynamic_cast<TGCodeObject *>(&object))
                code->PropertiesCommand();
        };
        kind.ReturnToPointer = true;
        return kind;
    };
    TGBusinessCardPanel32::RegisterTool(psQRCode, codeTool([] { return std::make_unique<TGQRCode>(); }));
    TGBusinessCardPanel32::RegisterTool(psBarcode, codeTool([] { return std::make_unique<TGBarcode>(); }));
}

} // namespace cw::ui
