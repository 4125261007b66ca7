#include "print/model/TTwoSidedSheet.h"

#include "print/engine/TBaseReport.h"
#include "print/model/TLabelPrintSetup.h"

namespace cw::model {

TLabelPrintSettings TTwoSidedSheet::BackSettings(const TLabelPrintSettings &front, const QSizeF &pageInches,
                                                 const TBackRegistration &registration)
{
    TLabelPrintSettings back = front;
    if (registration.Binding == TBinding::LongEdge) {
        // Column c's right edge lands at the page width less its front's left.
        back.LeftMargin = pageInches.width() - front.LeftMargin - front.CardWidth;
        back.HorizontalPitch = -front.HorizontalPitch;
    } else {
        back.TopMargin = pageInches.height() - front.TopMargin - front.CardHeight;
        back.VerticalPitch = -front.VerticalPitch;
    }
    back.LeftMargin += registration.Horizontal * TLabelPrintSetup::NudgeInches;
    back.TopMargin += registration.Vertical * TLabelPrintSetup::NudgeInches;
    return back;
}

void TTwoSidedSheet::PrintSheets(TLabelPrintJob &front, TLabelPrintJob &back, engine::TBaseReport &report,
                                 int sheets, TPages pages)
{
    front.Settings.SheetCount = 1;
    back.Settings.SheetCount = 1;
    bool first = true;
    auto page = [&](TLabelPrintJob &job) {
        if (!first)
            report.NewPage();
        first = false;
        // A job composes pages until the page count reaches its sheet
        // count: with one sheet, exactly the page it starts on.
        job.PrintLabels(report);
    };
    // A merge fills as many sheets as its records need, each front followed
    // by its back, both showing the same records.
    const bool merged = front.Settings.MergeRecords > 0;
    if (merged) {
        sheets = front.Settings.PrintToPrinter ? front.MergeSheets() : 1;
        front.Settings.MergeSheetLimit = back.Settings.MergeSheetLimit = 1;
    }
    for (int sheet = 0; sheet < std::max(1, sheets); ++sheet) {
        if (front.Stopped || back.Stopped)
            return;
        if (merged)
            front.Settings.MergeFirstSheet = back.Settings.MergeFirstSheet = sheet;
        if (pages != TPages::BacksOnly)
            page(front);
        if (front.Stopped || back.Stopped)
            return;
        if (pages != TPages::FrontsOnly)
            page(back);
    }
}

void TTwoSidedSheet::PrintRegistrationMark(engine::TBaseReport &report, double x, double y, double cardWidth,
                                           double cardHeight)
{
    const double cx = x + cardWidth / 2;
    const double cy = y + cardHeight / 2;
    const double arm = 0.25;
    // A hundredth of an inch wide: plain to see through the paper.
    report.SetPen(Qt::black, Qt::SolidLine, -1, engine::TPenMode::pmCopy);
    report.SetBrush(Qt::white, Qt::NoBrush);
    report.MoveTo(cx - arm, cy);
    report.LineTo(cx + arm, cy);
    report.MoveTo(cx, cy - arm);
    report.LineTo(cx, cy + arm);
    report.Ellipse(cx - arm / 2, cy - arm / 2, cx + arm / 2, cy + arm / 2);
}

} // namespace cw::model
