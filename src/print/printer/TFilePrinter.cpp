#include "print/printer/TFilePrinter.h"

#include "app/model/Exception.h"
#include "print/engine/TPicturePlayer.h"

#include <QIODevice>
#include <cmath>

namespace cw::printer {

TFilePrinter::TFilePrinter()
{
    OnBeforePrint = [this](engine::TBaseReport &) { LoadStream(); };
    OnPrint = [this](engine::TBaseReport &) { ReplayPages(); };
}

void TFilePrinter::LoadStream()
{
    if (!m_stream || !m_reader.Load(*m_stream))
        throw cw::Exception(QStringLiteral("There are no recorded pages to print."));
    if (m_reader.PageCount() == 0)
        return;
    // The sheet is the one the pages were recorded on.
    const QSizeF sheet = m_reader.PageSizeInches(1);
    const QSizeF a4 = engine::PaperSizeInches(engine::PaperA4);
    const QSizeF letter = engine::PaperSizeInches(engine::PaperLetter);
    auto same = [](const QSizeF &a, const QSizeF &b) {
        return std::abs(a.width() - b.width()) < 0.01 && std::abs(a.height() - b.height()) < 0.01;
    };
    if (same(sheet, a4))
        SetPaperSize(engine::PaperA4);
    else if (same(sheet, letter))
        SetPaperSize(engine::PaperLetter);
    else
        SetPaperSize(0, sheet.width(), sheet.height());
}

void TFilePrinter::ReplayPages()
{
    for (int page = 1; page <= m_reader.PageCount(); ++page) {
        if (page > 1)
            NewPage();
        if (!Drawing())
            continue;
        const engine::TReportReader::Page &recorded = m_reader.PageAt(page);
        const QSizeF sheet = recorded.sizeInches;
        const QRectF source(0, 0, sheet.width() * recorded.xdpi, sheet.height() * recorded.ydpi);
        // The canvas starts at the printable corner; the sheet starts before it.
        const QRectF target(-UnprintableLeftPixels(), -UnprintableTopPixels(), sheet.width() * XDPI(),
                            sheet.height() * YDPI());
        engine::TPicturePlayer::Play(Canvas(), recorded.picture, source, target);
    }
}

} // namespace cw::printer
