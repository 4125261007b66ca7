#include "objects/model/TCodeMatrix.h"

#include <numeric>

namespace cw::model {

TCodeMatrix::TCodeMatrix(int columns, int rows, bool linear)
    : m_columns(columns), m_linear(linear), m_rowHeights(std::size_t(std::max(0, rows)), 1.0),
      m_dark(std::size_t(std::max(0, rows)) * std::max(0, columns), 0)
{
}

TCodeMatrix TCodeMatrix::Failed(const QString &error)
{
    TCodeMatrix m;
    m.m_error = error;
    return m;
}

double TCodeMatrix::Height() const
{
    return std::accumulate(m_rowHeights.begin(), m_rowHeights.end(), 0.0);
}

std::vector<TCodeMatrix::TRun> TCodeMatrix::Runs() const
{
    std::vector<TRun> runs;
    for (int row = 0; row < Rows(); ++row) {
        int column = 0;
        while (column < m_columns) {
            if (!IsDark(row, column)) {
                ++column;
                continue;
            }
            const int first = column;
            while (column < m_columns && IsDark(row, column))
                ++column;
            runs.push_back({row, first, column - 1});
        }
    }
    return runs;
}

} // namespace cw::model
