#include "print/engine/TReportFiler.h"

#include "app/model/Exception.h"
#include "print/engine/Units.h"

#include <QDataStream>

namespace cw::engine {

TReportFiler::TReportFiler()
{
    RefreshDeviceMetrics();
}

TReportFiler::~TReportFiler()
{
    EndPainting();
}

void TReportFiler::RefreshDeviceMetrics()
{
    SetDeviceMetrics(RecordingDpi, RecordingDpi, 0, 0, 0, 0);
}

QSizeF TReportFiler::SheetSize() const
{
    if (Orientation() == TOrientation::poLandscape)
        return QSizeF(PageHeight(), PageWidth());
    return QSizeF(PageWidth(), PageHeight());
}

QIODevice &TReportFiler::Target()
{
    if (m_stream)
        return *m_stream;
    return m_ownBuffer;
}

void TReportFiler::BeginJob()
{
    m_pagesRecorded = 0;
    m_pageOpen = false;
    if (!m_stream) {
        if (m_ownBuffer.isOpen())
            m_ownBuffer.close();
        m_ownData.clear();
        m_ownBuffer.setBuffer(&m_ownData);
    }
    QIODevice &out = Target();
    if (!out.isOpen() && !out.open(QIODevice::ReadWrite))
        throw cw::Exception(QStringLiteral("The preview pages could not be recorded."));
    if (!out.isWritable())
        throw cw::Exception(QStringLiteral("The preview pages could not be recorded."));
    QDataStream data(&out);
    data.setVersion(QDataStream::Qt_6_4);
    data << StreamMagic << StreamVersion;
}

void TReportFiler::BeginDevicePage()
{
    m_page = QPicture();
    const QSizeF sheet = SheetSize();
    m_page.setBoundingRect(
        QRect(0, 0, cw::Round(sheet.width() * XDPI()), cw::Round(sheet.height() * YDPI())));
    BeginPainting(m_page);
    m_pageOpen = true;
}

void TReportFiler::EndDevicePage()
{
    if (!m_pageOpen)
        return;
    EndPainting();
    m_pageOpen = false;
    // Painting may have widened the bounds; the page is always the sheet.
    const QSizeF sheet = SheetSize();
    m_page.setBoundingRect(
        QRect(0, 0, cw::Round(sheet.width() * XDPI()), cw::Round(sheet.height() * YDPI())));

    QDataStream data(&Target());
    data.setVersion(QDataStream::Qt_6_4);
    data << PageMagic << sheet.width() << sheet.height() << XDPI() << YDPI()
         << QByteArray(m_page.data(), m_page.size());
    if (data.status() != QDataStream::Ok)
        throw cw::Exception(QStringLiteral("The preview pages could not be recorded."));
    ++m_pagesRecorded;
    m_page = QPicture();
}

void TReportFiler::EndJob()
{
    EndDevicePage();
}

void TReportFiler::AbandonJob()
{
    // The open page is dropped; complete pages stay in the stream.
    EndPainting();
    m_pageOpen = false;
    m_page = QPicture();
}

} // namespace cw::engine
