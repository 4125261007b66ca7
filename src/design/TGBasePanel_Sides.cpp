// The two sides of the card: the side shown and the side kept aside swap
// places, so every surface command, the selection frame and the file and
// print code work on the shown side unchanged.

#include "design/TGBasePanel.h"

#include "design/TGHandle.h"

namespace cw::ui {

void TGBasePanel::swapSides()
{
    std::swap(m_objects, m_hiddenObjects);
    std::swap(m_colorPicture, m_hiddenPicture);
    m_side = model::OtherSide(m_side);
    // Hidden objects missed the zoom changes made while they were aside.
    for (const auto &o : m_objects)
        o->SetZoom(m_zoom);
}

void TGBasePanel::ShowSide(model::TCardSide side)
{
    if (side == m_side)
        return;
    m_frame->Clear();
    swapSides();
    update();
}

std::vector<TGBasePanel::Object *> TGBasePanel::SideObjects(model::TCardSide side) const
{
    const auto &list = side == m_side ? m_objects : m_hiddenObjects;
    std::vector<Object *> objects;
    objects.reserve(list.size());
    for (const auto &o : list)
        objects.push_back(o.get());
    return objects;
}

bool TGBasePanel::SideIsEmpty(model::TCardSide side) const
{
    if (side == m_side)
        return m_objects.empty() && m_colorPicture.IsEmpty();
    return m_hiddenObjects.empty() && m_hiddenPicture.IsEmpty();
}

void TGBasePanel::WithSide(model::TCardSide side, const std::function<void()> &work)
{
    if (side == m_side) {
        work();
        return;
    }
    // The selection belongs to the side shown; it is set aside with it, so
    // nothing done to the other side can reach the selected objects.
    const bool wasRepainting = updatesEnabled();
    setUpdatesEnabled(false);
    swapSides();
    try {
        work();
    } catch (...) {
        swapSides();
        setUpdatesEnabled(wasRepainting);
        throw;
    }
    swapSides();
    setUpdatesEnabled(wasRepainting);
}

void TGBasePanel::PrintSideObjects(model::TCardSide side, engine::TBaseReport &report, double leftInches,
                                   double topInches)
{
    WithSide(side, [&] { PrintObjects(report, leftInches, topInches); });
}

void TGBasePanel::ClearAllSides()
{
    ShowSide(model::TCardSide::Front);
    m_frame->Clear();
    m_hiddenObjects.clear();
    m_hiddenPicture.Clear();
    ClearObjects();
    ClearColorPicture();
}

} // namespace cw::ui
