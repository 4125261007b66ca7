#include "text/TextObjectCreation.h"

#include "design/model/TObjectHost.h"
#include "text/TTextEditorsUi.h"
#include "text/model/TGBusinessCardLabel.h"
#include "text/model/TGMultiLineLabel.h"
#include "text/model/TGSymbolLabel.h"

namespace cw::ui {

using namespace cw::model;

void FinishNewBusinessCardLabel(TGGraphicControl &object, TObjectHost &host, QWidget *surface)
{
    Q_UNUSED(surface);
    auto *label = dynamic_cast<TGBusinessCardLabel *>(&object);
    if (!label)
        return;
    InstallTextEditors();
    label->SetCaption(QStringLiteral("Text"));
    label->ApplyFont(host.SurfaceFont());
    label->EditText();
    label->AutoSizeToText();
}

void FinishNewSymbolLabel(TGGraphicControl &object, TObjectHost &host, QWidget *surface)
{
    Q_UNUSED(host);
    Q_UNUSED(surface);
    auto *label = dynamic_cast<TGSymbolLabel *>(&object);
    if (!label)
        return;
    InstallTextEditors();
    label->ChooseSymbol();
    label->AutoSizeToText();
}

void FinishNewMultiLineLabel(TGGraphicControl &object, TObjectHost &host, QWidget *surface)
{
    Q_UNUSED(surface);
    auto *label = dynamic_cast<TGMultiLineLabel *>(&object);
    if (!label)
        return;
    InstallTextEditors();
    label->ApplyFont(host.SurfaceFont());
    label->EditText();
    label->FitToLines();
}

} // namespace cw::ui
