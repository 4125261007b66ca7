#include "richtext/model/TRichTextControl.h"

#include "richtext/model/TRtfReader.h"
#include "richtext/model/TRtfWriter.h"

#include <QAbstractTextDocumentLayout>
#include <QImage>
#include <QPainter>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <QTextOption>

#include <cmath>

namespace cw::richtext {

namespace {

// The fixed 96-dpi device every document is laid out on.
QPaintDevice *referenceDevice()
{
    static QImage device = [] {
        QImage image(1, 1, QImage::Format_ARGB32_Premultiplied);
        image.setDotsPerMeterX(3780); // 96 dots per inch
        image.setDotsPerMeterY(3780);
        return image;
    }();
    return &device;
}

TRichTextControl *&masterSlot()
{
    static TRichTextControl master;
    static TRichTextControl *slot = [] {
        master.Name = QStringLiteral("MASTERWPRICHTEXT");
        return &master;
    }();
    return slot;
}

} // namespace

TRichTextControl::TRichTextControl() : m_document(std::make_unique<QTextDocument>())
{
    m_document->documentLayout()->setPaintDevice(referenceDevice());
    m_document->setDocumentMargin(0);
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(12);
    font.setHintingPreference(QFont::PreferNoHinting);
    m_document->setDefaultFont(font);
    relayout();
}

TRichTextControl::~TRichTextControl() = default;

void TRichTextControl::SetRtf(const QByteArray &rtf)
{
    if (rtf.isEmpty())
        m_document->clear();
    else
        TRtfReader::Read(rtf, *m_document);
    relayout();
}

QByteArray TRichTextControl::Rtf() const
{
    if (m_document->isEmpty())
        return {};
    return TRtfWriter::Write(*m_document);
}

void TRichTextControl::SetZoomPercent(int percent)
{
    m_zoom = std::max(1, percent);
}

void TRichTextControl::SetPageSize(int widthTwips, int heightTwips)
{
    m_pageWidth = widthTwips;
    m_pageHeight = heightTwips;
    relayout();
}

void TRichTextControl::SetWordWrap(bool on)
{
    m_wordWrap = on;
    relayout();
}

double TRichTextControl::PageWidthPixels() const
{
    return m_pageWidth * 96.0 / TwipsPerInch;
}

double TRichTextControl::PageHeightPixels() const
{
    return m_pageHeight * 96.0 / TwipsPerInch;
}

void TRichTextControl::relayout()
{
    QTextOption option = m_document->defaultTextOption();
    option.setWrapMode(m_wordWrap ? QTextOption::WrapAtWordBoundaryOrAnywhere : QTextOption::NoWrap);
    m_document->setDefaultTextOption(option);
    m_document->setTextWidth(m_wordWrap && m_pageWidth > 0 ? PageWidthPixels() : -1);
}

void TRichTextControl::snapBaselines(double scale)
{
    if (scale <= 0)
        return;
    for (QTextBlock block = m_document->begin(); block.isValid(); block = block.next()) {
        QTextLayout *layout = block.layout();
        if (!layout)
            continue;
        const double top = layout->position().y();
        for (int i = 0; i < layout->lineCount(); ++i) {
            QTextLine line = layout->lineAt(i);
            const double baseline = std::round((top + line.y() + line.ascent()) * scale) / scale;
            line.setPosition(QPointF(line.x(), baseline - top - line.ascent()));
        }
    }
}

void TRichTextControl::PaintFirstPage(QPainter &painter, const QRect &target)
{
    relayout();
    m_document->size(); // lays the document out before painting
    const double scale = m_zoom / 100.0;
    snapBaselines(scale);
    painter.save();
    painter.setClipRect(target, Qt::IntersectClip);
    painter.translate(target.topLeft());
    painter.scale(scale, scale);
    QRectF page(0, 0, PageWidthPixels(), PageHeightPixels());
    if (page.width() <= 0)
        page.setWidth(m_document->size().width());
    if (page.height() <= 0)
        page.setHeight(m_document->size().height());
    QAbstractTextDocumentLayout::PaintContext context;
    context.clip = page;
    context.palette.setColor(QPalette::Text, Qt::black);
    painter.setClipRect(page, Qt::IntersectClip);
    m_document->documentLayout()->draw(&painter, context);
    painter.restore();
}

TRichTextControl *TRichTextControl::Master()
{
    return masterSlot();
}

void TRichTextControl::SetMaster(TRichTextControl *master)
{
    masterSlot() = master;
}

} // namespace cw::richtext
