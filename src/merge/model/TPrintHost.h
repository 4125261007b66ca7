#pragma once
// The surface that design objects printed without a window lie on (the
// command line's sheets): it answers with the personal information of the
// record being printed, and is always printing, so nothing an object fits
// while it prints counts as a change of the design.

#include "design/model/TObjectHost.h"
#include "merge/model/TMergeMapping.h"

namespace cw::model {

class TPrintHost final : public TObjectHost
{
public:
    TMergeMapping::TValues Values;

    void Changed() override {}
    void ObjectMoved(TGGraphicControl &) override {}
    void InvalidateRect(const QRect &) override {}
    QSize SurfaceSize() const override { return {}; }
    bool IsPrinting() const override { return true; }
    bool IsZooming() const override { return false; }
    bool IsPreviewing() const override { return false; }
    QFont SurfaceFont() const override { return {}; }
    QString PersonalInfoText(int index) const override
    {
        return index >= 0 && index < TMergeMapping::FieldCount ? Values[std::size_t(index)] : QString();
    }
    bool IsSelected(const TGGraphicControl &) const override { return false; }
    void RemoveFromSelection(TGGraphicControl &) override {}
    void ObjectCommand(TGGraphicControl &, TObjectCommand) override {}
    std::optional<TColor> ChooseColor(TColor) override { return std::nullopt; }
    void Repaint() override {}
};

} // namespace cw::model
