#pragma once
// A rich-text document with the settings it is painted with: background
// colour, zoom percentage, page size in twips and word wrap.  It paints the
// first page of its document into any rectangle of any painter.
//
// Layout happens once on a fixed 96-dpi reference device at the page width
// (the label's size at 100 %); only the painter is scaled by the zoom, so the
// line breaks are the same at every zoom and on paper.
//
// One control, the master (named "MASTERWPRICHTEXT"), is shared by every rich
// text label: each paint overwrites its document and settings.

#include <QByteArray>
#include <QColor>
#include <QRect>
#include <QString>

#include <memory>

class QPainter;
class QTextDocument;

namespace cw::richtext {

class TRichTextControl
{
public:
    TRichTextControl();
    ~TRichTextControl();
    TRichTextControl(const TRichTextControl &) = delete;
    TRichTextControl &operator=(const TRichTextControl &) = delete;

    static constexpr int TwipsPerInch = 1440;

    QString Name;

    QTextDocument &Document() { return *m_document; }
    const QTextDocument &Document() const { return *m_document; }
    // Loads the document from RTF bytes (empty bytes: an empty document).
    void SetRtf(const QByteArray &rtf);
    // The document as RTF; empty bytes for an empty document.
    QByteArray Rtf() const;

    QColor BackgroundColor = Qt::white;
    int ZoomPercent() const { return m_zoom; }
    void SetZoomPercent(int percent);
    // Page size in twips (1/1440 inch); a width of 0 or less: no wrap width.
    void SetPageSize(int widthTwips, int heightTwips);
    int PageWidthTwips() const { return m_pageWidth; }
    int PageHeightTwips() const { return m_pageHeight; }
    bool WordWrap() const { return m_wordWrap; }
    void SetWordWrap(bool on);

    // The page in reference pixels (96 per inch).
    double PageWidthPixels() const;
    double PageHeightPixels() const;

    // Paints the first page into `target` (painter coordinates): the page's
    // top-left at the rectangle's, scaled by the zoom, clipped to the
    // rectangle.  The background is not filled (the caller paints it).
    void PaintFirstPage(QPainter &painter, const QRect &target);

    // The master control shared by every rich text label; nullptr after
    // SetMaster(nullptr) (then labels draw nothing).
    static TRichTextControl *Master();
    static void SetMaster(TRichTextControl *master);

private:
    void relayout();
    // Puts every line's baseline on a whole pixel of the page drawn at
    // `scale`.  The screen draws a line's glyphs on the whole pixel nearest
    // its baseline, while paper draws them where the layout put them, up to
    // half a pixel away; snapped, both draw each line in the same place.
    void snapBaselines(double scale);

    std::unique_ptr<QTextDocument> m_document;
    int m_zoom = 100;
    int m_pageWidth = 0;
    int m_pageHeight = 0;
    bool m_wordWrap = true;
};

} // namespace cw::richtext
