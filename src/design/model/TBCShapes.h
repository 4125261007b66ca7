#pragma once
// The shape kind the rectangle, ellipse and round-rectangle tools create.  It
// behaves and stores exactly like TGLabelShapes; only the class name differs.

#include "design/model/TGLabelShapes.h"

namespace cw::model {

class TBCShapes : public TGLabelShapes
{
public:
    QString ClassName() const override { return QStringLiteral("TBCShapes"); }
    std::unique_ptr<TGGraphicControl> NewInstance() const override { return std::make_unique<TBCShapes>(); }
};

} // namespace cw::model
