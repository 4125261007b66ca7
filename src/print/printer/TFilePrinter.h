#pragma once
// Prints the pages a TReportFiler recorded on the printer, each page played
// at the printer's resolution over the whole sheet, so what was previewed is
// what comes out.  Execute() runs the job; OnPrint is set to the replay.

#include "print/engine/TReportReader.h"
#include "print/printer/TReportPrinter.h"

class QIODevice;

namespace cw::printer {

class TFilePrinter : public TReportPrinter
{
public:
    TFilePrinter();

    engine::TStreamMode StreamMode() const { return m_streamMode; }
    void SetStreamMode(engine::TStreamMode mode) { m_streamMode = mode; }
    // The recorded stream (smUser: the caller's, never freed here).
    void SetStream(QIODevice *stream) { m_stream = stream; }
    QIODevice *Stream() const { return m_stream; }
    // Pages the last job found in the stream.
    int PageCount() const { return m_reader.PageCount(); }

private:
    void LoadStream();
    void ReplayPages();

    engine::TStreamMode m_streamMode = engine::TStreamMode::smUser;
    QIODevice *m_stream = nullptr;
    engine::TReportReader m_reader;
};

} // namespace cw::printer
