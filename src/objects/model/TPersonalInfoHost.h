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
    explicit TPersonalInfoHost(const std::array<QString, 10> &values) : m_values(values) {}
    void SetValues(const std::array<QString, 10> &values) { m_values = values; }

    // Hosts every QR code and barcode among `objects` (the other kinds keep
    // no host, so they draw exactly as before).  The host must outlive them
    // or be replaced.
    void HostCodeObjects(const std::vector<std::unique_ptr<TGGraphicControl>> &objects);

    void Changed() override {}
    void ObjectMoved(TGGraphicControl &) override {}
    void InvalidateRect(const QRect &) override {}
    QSize SurfaceSize() const override { return {}; }
    bool IsPrinting() const override { return false; }
    bool IsZooming() const override { return false; }
    bool IsPreviewing() const override { return false; }
    QFont SurfaceFont() const override { return QFont(); }
    QString PersonalInfoText(int index) const override
    {
        return index >= 0 && index < 10 ? m_values[std::size_t(index)] : QString();
    }
    bool IsSelected(const TGGraphicControl &) const override { return false; }
    void RemoveFromSelection(TGGraphicControl &) override {}
    void ObjectCommand(TGGraphicControl &, TObjectCommand) override {}
    std::optional<TColor> ChooseColor(TColor) override { return std::nullopt; }
    void Repaint() override {}

private:
    std::array<QString, 10> m_values;
};

} // namespace cw::model
