#pragma once
// A design surface stand-in for object tests: counts change reports and
// refit requests and answers colour dialogs from a queue.

#include "design/model/TGGraphicControl.h"
#include "design/model/TObjectHost.h"

#include <QQueue>
#include <vector>

namespace cw::test {

class FakeObjectHost final : public model::TObjectHost
{
public:
    int changes = 0;
    int moves = 0;
    int repaints = 0;
    bool printing = false;
    bool zooming = false;
    QSize size{300, 200};
    std::vector<model::TGGraphicControl *> selected;
    std::vector<std::pair<model::TGGraphicControl *, model::TObjectCommand>> commands;
    QQueue<std::optional<model::TColor>> colours;

    void Changed() override { ++changes; }
    void ObjectMoved(model::TGGraphicControl &) override { ++moves; }
    void InvalidateRect(const QRect &) override {}
    QSize SurfaceSize() const override { return size; }
    bool IsPrinting() const override { return printing; }
    bool IsZooming() const override { return zooming; }
    bool IsPreviewing() const override { return false; }
    QFont SurfaceFont() const override { return QFont("Arial", 10); }
    QString PersonalInfoText(int) const override { return {}; }
    bool IsSelected(const model::TGGraphicControl &o) const override
    {
        return std::find(selected.begin(), selected.end(), &o) != selected.end();
    }
    void RemoveFromSelection(model::TGGraphicControl &o) override { std::erase(selected, &o); }
    void ObjectCommand(model::TGGraphicControl &o, model::TObjectCommand c) override
    {
        commands.emplace_back(&o, c);
    }
    std::optional<model::TColor> ChooseColor(model::TColor) override
    {
        return colours.isEmpty() ? std::nullopt : colours.dequeue();
    }
    void Repaint() override { ++repaints; }
};

} // namespace cw::test
