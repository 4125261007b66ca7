#pragma once
// The job settings of a card sheet as the designer's print commands and the
// command-line program hand them to TLabelPrintJob: card size and grid from
// the card layout, the margins and pitches with the printer nudges (1/32 inch
// each) added, in double precision from the layout's single-precision inches.
// Both callers go through here, so a sheet saved from the command line is
// placed exactly like one printed from the designer.

#include "print/model/TLabelPrintJob.h"

namespace cw::engine {
class TBaseReport;
}

namespace cw::model {

struct TCardLayout;
struct TPrinterNudges;

class TLabelPrintSetup
{
public:
    static constexpr double NudgeInches = 1.0 / 32.0;

    // Card height and width, across, down, the nudged margins and pitches.
    // Selection, sheet count, test flag, background and output are left at
    // their defaults for the caller.
    static TLabelPrintSettings FromLayout(const TCardLayout &layout, const TPrinterNudges &nudges);
    // Gives the report the layout's paper: its code, and for a custom paper
    // its width and height.  Letter and A4 keep the exact sizes the engine
    // has always printed them at.
    static void SetPaper(engine::TBaseReport &report, const TCardLayout &layout);
};

} // namespace cw::model
