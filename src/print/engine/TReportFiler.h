#pragma once
// Records the pages of a job into a memory stream, each page as a QPicture
// drawn on a virtual printer of RecordingDpi pixels per inch that covers the
// whole sheet (no unprintable margins), so a preview shows the sheet exactly
// as the inch positions describe it.  TReportReader plays the pages back.
//
// Stream layout (QDataStream, Qt 6.4 format, big-endian):
//   quint32 'CWPG', quint16 version 1,
//   per page: quint32 'PAGE', double sheet width and height (inches),
//             double XDPI, YDPI, QByteArray QPicture data.
// A page reaches the stream when it ends; an aborted job leaves the pages
// that were complete.

#include "print/engine/TCanvasReport.h"

#include <QBuffer>
#include <QPicture>
#include <memory>

class QIODevice;

namespace cw::engine {

class TReportFiler : public TCanvasReport
{
public:
    // Resolution of the virtual printer: fine enough for printer-pixel
    // arithmetic of the objects, and the resolution of common laser printers.
    static constexpr double RecordingDpi = 600.0;
    static constexpr quint32 StreamMagic = 0x43575047; // "CWPG"
    static constexpr quint32 PageMagic = 0x50414745;   // "PAGE"
    static constexpr quint16 StreamVersion = 1;

    TReportFiler();
    ~TReportFiler() override;

    TStreamMode StreamMode() const { return m_streamMode; }
    void SetStreamMode(TStreamMode mode) { m_streamMode = mode; }
    // The caller's stream (smUser), written from its current position; it is
    // opened for writing when closed.  The filer never frees it.  Without
    // one, the filer records into its own buffer (OwnStream()).
    void SetStream(QIODevice *stream) { m_stream = stream; }
    QIODevice *Stream() const { return m_stream; }
    const QByteArray &OwnStream() const { return m_ownData; }

    void RefreshDeviceMetrics() override;

    // Pages completed in the stream by the last job.
    int PagesRecorded() const { return m_pagesRecorded; }

protected:
    void BeginJob() override;
    void BeginDevicePage() override;
    void EndDevicePage() override;
    void EndJob() override;
    void AbandonJob() override;

private:
    QSizeF SheetSize() const;
    QIODevice &Target();

    TStreamMode m_streamMode = TStreamMode::smUser;
    QIODevice *m_stream = nullptr;
    QByteArray m_ownData;
    QBuffer m_ownBuffer;
    QPicture m_page;
    bool m_pageOpen = false;
    int m_pagesRecorded = 0;
};

} // namespace cw::engine
