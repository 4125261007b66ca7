#include "print/model/TLabelPrintSetup.h"

#include "app/model/TCardLayout.h"
#include "app/model/TPreferences.h"

namespace cw::model {

TLabelPrintSettings TLabelPrintSetup::FromLayout(const TCardLayout &layout, const TPrinterNudges &nudges)
{
    TLabelPrintSettings s;
    s.CardHeight = layout.Height;
    s.CardWidth = layout.Width;
    s.Across = layout.Across;
    s.Down = layout.Down;
    s.TopMargin = double(layout.TopMargin) + nudges.TopMarginNudge * NudgeInches;
    s.LeftMargin = double(layout.LeftMargin) + nudges.LeftMarginNudge * NudgeInches;
    s.HorizontalPitch = double(layout.HPitch) + nudges.HorizontalSpacing * NudgeInches;
    s.VerticalPitch = double(layout.VPitch) + nudges.VerticalSpacing * NudgeInches;
    return s;
}

} // namespace cw::model
