#include "objects/TSuperTools.h"

#include "design/TGBusinessCardPanel32.h"
#include "objects/TSuperShapeProperties.h"
#include "objects/model/TSuperShape.h"
#include "text/TGSuperTextProperties.h"
#include "text/model/TGSuperText.h"

namespace cw::ui {

void RegisterSuperTools()
{
    model::TSuperShape::PropertiesEditor() = [](model::TSuperShape &s) {
        return TSuperShapeProperties::Execute(s);
    };
    model::TGSuperText::PropertiesEditor() = [](model::TGSuperText &t) {
        return TGSuperTextProperties::Execute(t);
    };

    TGBusinessCardPanel32::TToolKind shape;
    shape.Create = [](TGBusinessCardPanel32 &) { return std::make_unique<model::TSuperShape>(); };
    shape.FollowUp = [](TGBusinessCardPanel32 &, model::TGGraphicControl &object) {
        if (auto *s = dynamic_cast<model::TSuperShape *>(&object))
            TSuperShapeProperties::Execute(*s);
    };
    shape.ReturnToPointer = true;
    TGBusinessCardPanel32::RegisterTool(psSuperShape, shape);

    TGBusinessCardPanel32::TToolKind text;
    text.Create = [](TGBusinessCardPanel32 &) { return std::make_unique<model::TGSuperText>(); };
    text.FollowUp = [](TGBusinessCardPanel32 &, model::TGGraphicControl &object) {
        if (auto *t = dynamic_cast<model::TGSuperText *>(&object))
            TGSuperTextProperties::Execute(*t);
    };
    text.ReturnToPointer = true;
    TGBusinessCardPanel32::RegisterTool(psSuperText, text);
}

} // namespace cw::ui
