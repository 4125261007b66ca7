#pragma once
// How the back of a sheet is put behind its front: the edge the sheet is
// turned over (the duplex binding, or how the user turns the stack) and the
// back-side registration offset in 1/32 inch, positive to the right and down
// as the back page is looked at.  Kept in the settings beside the printer
// nudges (TPrinterNudges).

namespace cw::model {

enum class TBinding { LongEdge, ShortEdge };

struct TBackRegistration
{
    // Fine tuning allows the offset from -MaxOffset to MaxOffset each way.
    static constexpr int MaxOffset = 32;
    TBinding Binding = TBinding::LongEdge;
    int Horizontal = 0;
    int Vertical = 0;
    bool operator==(const TBackRegistration &) const = default;
};

} // namespace cw::model
