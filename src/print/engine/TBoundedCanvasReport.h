#pragma once
// A canvas report whose drawing never leaves a bound area of the page, even
// while the objects it prints select clip regions and clear them again: each
// clip an object selects is cut to the bound, and clearing it returns to the
// bound instead of the whole page.  A print-shop card uses it to let objects
// reach into the bleed but not over the crop marks beside it.

#include "print/engine/TCanvasReport.h"

namespace cw::engine {

class TBoundedCanvasReport : public TCanvasReport
{
public:
    using TCanvasReport::TCanvasReport;

    // The bound in inches from the sheet's corner; an empty rectangle lifts
    // it.  Takes effect at once when a job is drawing, else when it starts.
    void SetBound(const QRectF &inches);
    QRectF Bound() const { return m_bound; }

    void SelectClipPath() override;
    void SelectClipRegion(const QPainterPath &region) override;
    void ClearClip() override;

protected:
    void BeginDevicePage() override;

private:
    // The bound as a device-pixel path (empty when there is none).
    QPainterPath BoundPath() const;
    void ApplyBound();

    QRectF m_bound;
};

} // namespace cw::engine
