#pragma once
// Reads the pages TReportFiler recorded and plays them onto any painter.
// A damaged or truncated stream yields the pages that were complete before
// the damage; nothing is read beyond the data.

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QPicture>
#include <QSizeF>

class QIODevice;
class QPainter;

namespace cw::engine {

class TReportReader
{
public:
    struct Page
    {
        QSizeF sizeInches; // the whole sheet
        double xdpi = 0;
        double ydpi = 0;
        QPicture picture;
    };

    // Reads every page of the stream.  Returns false when the data is not a
    // page stream at all; a stream damaged later keeps its good pages.
    bool Load(const QByteArray &data);
    // Reads the whole device from its start (it is opened read-only when
    // closed, and seeked to 0 when it allows).
    bool Load(QIODevice &stream);
    void Clear() { m_pages.clear(); }

    int PageCount() const { return static_cast<int>(m_pages.size()); }
    // Pages count from 1; an out-of-range number gives an empty page.
    const Page &PageAt(int page) const;
    QSizeF PageSizeInches(int page) const { return PageAt(page).sizeInches; }

    // Plays page so that the whole sheet fills target (painter coordinates).
    void PlayPage(int page, QPainter &painter, const QRectF &target) const;
    // The sheet rendered on white at pixelsPerInch.
    QImage RenderPage(int page, double pixelsPerInch) const;

private:
    QList<Page> m_pages;
};

} // namespace cw::engine
