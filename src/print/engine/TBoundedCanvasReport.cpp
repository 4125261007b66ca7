#include "print/engine/TBoundedCanvasReport.h"

namespace cw::engine {

void TBoundedCanvasReport::SetBound(const QRectF &inches)
{
    m_bound = inches;
    if (Drawing())
        TCanvasReport::ClearClip();
    ApplyBound();
}

QPainterPath TBoundedCanvasReport::BoundPath() const
{
    if (m_bound.isEmpty())
        return {};
    return CreateRectRegion(m_bound.left(), m_bound.top(), m_bound.right(), m_bound.bottom());
}

void TBoundedCanvasReport::ApplyBound()
{
    if (!Drawing() || m_bound.isEmpty())
        return;
    Canvas().setClipPath(BoundPath(), Qt::IntersectClip);
}

void TBoundedCanvasReport::SelectClipPath()
{
    TCanvasReport::SelectClipPath();
    ApplyBound();
}

void TBoundedCanvasReport::SelectClipRegion(const QPainterPath &region)
{
    TCanvasReport::SelectClipRegion(region);
    ApplyBound();
}

void TBoundedCanvasReport::ClearClip()
{
    TCanvasReport::ClearClip();
    ApplyBound();
}

void TBoundedCanvasReport::BeginDevicePage()
{
    TCanvasReport::BeginDevicePage();
    ApplyBound();
}

} // namespace cw::engine
