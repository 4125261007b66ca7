#pragma once
// Which positions of the sheet print: one flag per position, numbered from 0
// row by row from the top left (flag k is row k div Across, column
// k mod Across), for every position of the largest layout (10 across by 30
// down).  All positions are selected at start.
//
// Ten flags (positions 1 to 10) were all a selection held before; such a
// selection converts with the positions after the tenth not selected, which
// is how it always printed.

#include <algorithm>
#include <array>
#include <cstddef>
#include <initializer_list>

namespace cw::model {

class TCardSelection
{
public:
    static constexpr int Count = 300; // 10 across x 30 down
    static constexpr int OldCount = 10;

    TCardSelection() { m_flags.fill(true); }
    TCardSelection(const std::array<bool, OldCount> &firstTen)
    {
        m_flags.fill(false);
        std::copy(firstTen.begin(), firstTen.end(), m_flags.begin());
    }

    // The first flags as listed, the rest not selected.
    TCardSelection(std::initializer_list<bool> first)
    {
        m_flags.fill(false);
        std::copy_n(first.begin(), std::min<std::size_t>(first.size(), Count), m_flags.begin());
    }

    bool &operator[](std::size_t position) { return m_flags[position]; }
    bool operator[](std::size_t position) const { return m_flags[position]; }
    void fill(bool on) { m_flags.fill(on); }
    static constexpr std::size_t size() { return Count; }
    auto begin() { return m_flags.begin(); }
    auto end() { return m_flags.end(); }
    auto begin() const { return m_flags.begin(); }
    auto end() const { return m_flags.end(); }

    bool operator==(const TCardSelection &) const = default;

private:
    std::array<bool, Count> m_flags;
};

} // namespace cw::model
