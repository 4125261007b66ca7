#include "print/model/TLabelPrintSetup.h"

#include "app/model/TCardLayout.h"
#include "app/model/TPreferences.h"
#include "print/engine/TBaseReport.h"

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

void TLabelPrintSetup::SetPaper(engine::TBaseReport &report, const TCardLayout &layout)
{
    if (layout.Papersize == TCardLayout::PaperCustom && layout.PaperWidth > 0 && layout.PaperHeight > 0)
        report.SetPaperSize(layout.Papersize, layout.PaperWidth, layout.PaperHeight);
    else
        report.SetPaperSize(layout.Papersize);
}

} // namespace cw::model
