#pragma once
// A surface stand-in that only knows ten personal-information values, for
// objects drawn or printed without the designer (the command-line
// companion): a QR code carrying the contact card then carries these values
// as it does on the design surface.  Every other request is inert.

#include "design/model/TObjectHost.h"

#include <QStringList>

#include <array>
#include <memory>
#include <vector>

namespace cw::model {

class TPersonalInfoHost final : public TObjectHost
{
public:
    TPersonalInfoHost() = default;
    explicit TPersonalInfoHost(const std::array<QString, 10> &values, bool printing = false)
        : Values(values), Printing(printing)
    {
    }

    // The ten values objects show: the settings' personal information, or
    // the record of a merge being printed.
    std::array<QString, 10> Values;
    // True while the objects print a sheet: what an object fits to its text
    // then is no change of the design.
    bool Printing = false;

    void SetValues(const std::array<QString, 10> &values) { Values = values; }
    // Hosts every QR code and barcode among `objects` (the other kinds keep
    // no host, so they draw exactly as before).  The host must outlive them
    // or be replaced.
    void HostCodeObjects(const std::vector<std::unique_ptr<TGGraphicControl>> &objects);
    // Hosts every object, so that linked field labels follow the values too.
    void HostObjects(const std::vector<std::unique_ptr<TGGraphicControl>> &objects);

    void Changed() override {}
    void ObjectMoved(TGGraphicControl &) override {}
    void InvalidateRect(const QRect &) override {}
    QSize SurfaceSize() const override { return {}; }
    bool IsPrinting() const override { return Printing; }
    bool IsZooming() const override { return false; }
    bool IsPreviewing() const override { return false; }
    QFont SurfaceFont() const override { return QFont(); }
    QString PersonalInfoText(int index) const override
    {
        return index >= 0 && index < 10 ? Values[std::size_t(index)] : QString();
    }
    bool IsSelected(const TGGraphicControl &) const override { return false; }
    void RemoveFromSelection(TGGraphicControl &) override {}
    void ObjectCommand(TGGraphicControl &, TObjectCommand) override {}
    std::optional<TColor> ChooseColor(TColor) override { return std::nullopt; }
    void Repaint() override {}
};

} // namespace cw::model
