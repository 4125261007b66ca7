#include "print/model/TCardSelectionSheet.h"

#include "print/engine/Units.h"
#include "print/model/TLabelPrintJob.h"
#include "print/model/TSheetFit.h"

#include <algorithm>

namespace cw::model {

int TCardSelectionSheet::PositionCount() const
{
    const long long positions = static_cast<long long>(std::max(0, Across)) * std::max(0, Down);
    return static_cast<int>(std::min<long long>(positions, Count));
}

void TCardSelectionSheet::DetermineRectangles()
{
    const double s = Scale();
    m_rects.fill(QRect());
    const int across = std::max(1, Across);
    const int shown = PositionCount();
    for (int k = 0; k < shown; ++k) {
        const int c = k % across;
        const int r = k / across;
        const int left = cw::Trunc(LeftMargin * s) + c * cw::Trunc(HorizontalPitch * s) + Offset;
        const int top = cw::Trunc(TopMargin * s) + r * cw::Trunc(VerticalPitch * s) + Offset;
        const int right = left + cw::Trunc(CardWidth * s);
        const int bottom = top + cw::Trunc(CardHeight * s);
        m_rects[std::size_t(k)] = QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));
    }
}

QRect TCardSelectionSheet::SheetRect() const
{
    const double s = Scale();
    return QRect(QPoint(Offset, Offset), QPoint(cw::Trunc(SheetSize.width() * s) + Offset - 1,
                                                cw::Trunc(SheetSize.height() * s) + Offset - 1));
}

std::array<int, TCardSelectionSheet::Count> TCardSelectionSheet::Toggle(const QPoint &point)
{
    std::array<int, Count> switched;
    switched.fill(-1);
    std::size_t found = 0;
    const int across = std::max(1, Across);
    const int shown = PositionCount();
    for (int r = 0; r * across < shown; ++r) {
        for (int c = 0; c < across && r * across + c < shown; ++c) {
            const int k = r * across + c;
            if (m_rects[std::size_t(k)].contains(point)) {
                Selected[std::size_t(k)] = !Selected[std::size_t(k)];
                switched[found++] = k;
                break;
            }
        }
    }
    return switched;
}

void TCardSelectionSheet::SelectAll(bool on)
{
    std::fill_n(Selected.begin(), PositionCount(), on);
}

bool TCardSelectionSheet::AnySelected() const
{
    return std::any_of(Selected.begin(), Selected.begin() + PositionCount(), [](bool b) { return b; });
}

bool TCardSelectionSheet::OffThePage(int position) const
{
    TLabelPrintSettings s;
    s.CardHeight = CardHeight;
    s.CardWidth = CardWidth;
    s.Across = Across;
    s.Down = Down;
    s.TopMargin = TopMargin;
    s.LeftMargin = LeftMargin;
    s.HorizontalPitch = HorizontalPitch;
    s.VerticalPitch = VerticalPitch;
    const std::vector<int> off = TSheetFit::CardsOffThePage(s, SheetSize, Unprintable, false);
    return std::find(off.begin(), off.end(), position + 1) != off.end();
}

bool TCardSelectionSheet::AnyOffThePage() const
{
    for (int k = 0; k < PositionCount(); ++k)
        if (OffThePage(k))
            return true;
    return false;
}

} // namespace cw::model
