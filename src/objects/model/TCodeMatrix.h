#pragma once
// An encoded symbol as rows of dark and light modules.  Every row is
// Columns() modules wide; a row has its own height in modules (PDF417 rows
// are taller than wide).  A linear symbol (Code 128, EAN-13) has one row of
// bars that is drawn the full height of the object.  A null matrix carries
// the reason the text could not be encoded.

#include <QString>

#include <vector>

namespace cw::model {

class TCodeMatrix
{
public:
    TCodeMatrix() = default;
    TCodeMatrix(int columns, int rows, bool linear);
    static TCodeMatrix Failed(const QString &error);

    bool IsNull() const { return m_columns <= 0 || m_rowHeights.empty(); }
    const QString &Error() const { return m_error; }
    int Columns() const { return m_columns; }
    int Rows() const { return int(m_rowHeights.size()); }
    bool Linear() const { return m_linear; }

    bool IsDark(int row, int column) const { return m_dark[std::size_t(row) * m_columns + column] != 0; }
    void SetDark(int row, int column, bool dark) { m_dark[std::size_t(row) * m_columns + column] = dark; }
    double RowHeight(int row) const { return m_rowHeights[row]; }
    // Heights below a module's fraction are taken as one module.
    void SetRowHeight(int row, double modules) { m_rowHeights[row] = modules > 0.01 ? modules : 1.0; }
    // Sum of the row heights, modules.
    double Height() const;

    // A maximal run of dark modules in one row: [First, Last] columns.
    struct TRun
    {
        int Row;
        int First;
        int Last;
    };
    // The dark modules of every row merged into runs, row by row.
    std::vector<TRun> Runs() const;

    bool operator==(const TCodeMatrix &other) const = default;

private:
    int m_columns = 0;
    bool m_linear = false;
    std::vector<double> m_rowHeights;
    std::vector<unsigned char> m_dark;
    QString m_error;
};

} // namespace cw::model
