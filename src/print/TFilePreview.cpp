#include "print/TFilePreview.h"

#include "print/engine/Units.h"

#include <QIODevice>
#include <QLabel>
#include <QPainter>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <algorithm>
#include <cmath>

namespace cw::ui {

TFilePreview::TFilePreview(QObject *parent) : QObject(parent) {}

TFilePreview::~TFilePreview()
{
    Finish();
}

void TFilePreview::SetScrollBox(QScrollArea *scrollBox)
{
    if (m_scrollBox == scrollBox)
        return;
    Finish();
    m_scrollBox = scrollBox;
}

void TFilePreview::SetZoomFactor(float percent)
{
    const float zoom = std::clamp(percent, MinZoom, MaxZoom);
    if (zoom == m_zoom)
        return;
    m_zoom = zoom;
    RedrawPage();
    emit OnZoomChange();
}

void TFilePreview::ZoomIn()
{
    SetZoomFactor(m_zoom + m_zoomInc);
}

void TFilePreview::ZoomOut()
{
    SetZoomFactor(m_zoom - m_zoomInc);
}

QSizeF TFilePreview::SheetPixelsAt100() const
{
    QSizeF inches = m_reader.PageSizeInches(std::max(1, m_page));
    if (inches.isEmpty())
        inches = engine::PaperSizeInches(engine::PaperLetter);
    return inches * cw::ScreenPixelsPerInch;
}

double TFilePreview::MarginPixels(double zoom) const
{
    return SheetPixelsAt100().width() * zoom / 100.0 * m_marginPercent / 100.0;
}

float TFilePreview::ZoomPageWidthFactor() const
{
    if (!m_scrollBox)
        return m_zoom;
    const QSizeF sheet = SheetPixelsAt100();
    // At page width the sheet is taller than the view: a vertical scroll bar
    // takes its share of the width.
    const int scrollBar = m_scrollBox->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, m_scrollBox);
    const float available =
        static_cast<float>(m_scrollBox->maximumViewportSize().width() - scrollBar - m_shadowDepth);
    const float perPercent =
        static_cast<float>(sheet.width() * (1.0 + 2.0 * m_marginPercent / 100.0) / 100.0);
    return available / perPercent;
}

float TFilePreview::ZoomPageFactor() const
{
    if (!m_scrollBox)
        return m_zoom;
    const QSizeF sheet = SheetPixelsAt100();
    const QSize view = m_scrollBox->maximumViewportSize();
    const double margin = 2.0 * m_marginPercent / 100.0;
    const float byWidth =
        static_cast<float>((view.width() - m_shadowDepth) / (sheet.width() * (1.0 + margin) / 100.0));
    const float byHeight = static_cast<float>((view.height() - m_shadowDepth) /
                                              ((sheet.height() + sheet.width() * margin) / 100.0));
    return std::min(byWidth, byHeight);
}

bool TFilePreview::Start()
{
    Finish();
    if (!m_stream || !m_reader.Load(*m_stream) || m_reader.PageCount() == 0) {
        m_reader.Clear();
        return false;
    }
    m_replaying = true;
    m_page = 1;
    if (m_scrollBox) {
        auto *image = new QLabel;
        image->setAlignment(Qt::AlignCenter);
        image->setBackgroundRole(QPalette::Dark);
        image->setAutoFillBackground(true);
        m_scrollBox->setWidgetResizable(false);
        m_scrollBox->setAlignment(Qt::AlignCenter);
        m_scrollBox->setWidget(image); // the scroll area owns it
        m_image = image;
    }
    RedrawPage();
    emit OnPageChange();
    return true;
}

void TFilePreview::Finish()
{
    if (m_scrollBox && m_image && m_scrollBox->widget() == m_image)
        delete m_scrollBox->takeWidget();
    m_image = nullptr;
    m_reader.Clear();
    m_replaying = false;
    m_page = 0;
}

void TFilePreview::PrintPage(int page)
{
    if (!m_replaying)
        return;
    page = std::clamp(page, FirstPage(), PageCount());
    if (page == m_page)
        return;
    m_page = page;
    RedrawPage();
    emit OnPageChange();
}

QImage TFilePreview::RenderCurrentPage(double dpr) const
{
    if (!m_replaying)
        return QImage();
    const QSizeF sheet = SheetPixelsAt100() * (m_zoom / 100.0);
    const double margin = MarginPixels(m_zoom);
    const QSize size(static_cast<int>(std::ceil(sheet.width() + 2 * margin + m_shadowDepth)),
                     static_cast<int>(std::ceil(sheet.height() + 2 * margin + m_shadowDepth)));
    QImage image(size * dpr, QImage::Format_ARGB32_Premultiplied);
    if (image.isNull())
        return image;
    image.setDevicePixelRatio(dpr);
    image.fill(QColor(128, 128, 128));
    QPainter painter(&image);
    const QRectF page(margin, margin, sheet.width(), sheet.height());
    if (m_shadowDepth > 0)
        painter.fillRect(page.translated(m_shadowDepth, m_shadowDepth), Qt::black);
    painter.fillRect(page, Qt::white);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    m_reader.PlayPage(m_page, painter, page);
    painter.end();
    return image;
}

void TFilePreview::RedrawPage()
{
    if (!m_replaying || !m_image)
        return;
    const double dpr = m_image->devicePixelRatioF();
    m_image->setPixmap(QPixmap::fromImage(RenderCurrentPage(dpr)));
    m_image->adjustSize();
}

} // namespace cw::ui
