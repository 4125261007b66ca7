#include "print/printer/TPdfPageBoxes.h"

#include "app/model/Exception.h"

// qpdf: use std::shared_ptr throughout, without its older smart pointer.
#define POINTERHOLDER_TRANSITION 4

#include <qpdf/Buffer.hh>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFObjectHandle.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>
#include <qpdf/QPDFPageObjectHelper.hh>
#include <qpdf/QPDFWriter.hh>

#include <exception>

namespace cw::printer {

namespace {

// A box given from the page's top-left corner, in PDF's bottom-up terms on a
// page whose media box has its top edge at `top`.
QPDFObjectHandle Box(const QRectF &box, double top)
{
    return QPDFObjectHandle::newFromRectangle(
        QPDFObjectHandle::Rectangle(box.left(), top - box.bottom(), box.right(), top - box.top()));
}

} // namespace

QByteArray TPdfPageBoxes::Apply(const QByteArray &pdf, const TBoxes &boxes)
{
    try {
        QPDF document;
        document.setSuppressWarnings(true);
        document.processMemoryFile("card.pdf", pdf.constData(), size_t(pdf.size()));
        for (QPDFPageObjectHelper &page : QPDFPageDocumentHelper(document).getAllPages()) {
            const QPDFObjectHandle::Rectangle written = page.getMediaBox().getArrayAsRectangle();
            QPDFObjectHandle dictionary = page.getObjectHandle();
            dictionary.replaceKey("/MediaBox", Box(boxes.Media, written.ury));
            dictionary.replaceKey("/BleedBox", Box(boxes.Bleed, written.ury));
            dictionary.replaceKey("/TrimBox", Box(boxes.Trim, written.ury));
        }
        QPDFWriter writer(document);
        writer.setOutputMemory();
        writer.write();
        const std::shared_ptr<Buffer> buffer = writer.getBufferSharedPointer();
        return QByteArray(reinterpret_cast<const char *>(buffer->getBuffer()), qsizetype(buffer->getSize()));
    } catch (const std::exception &e) {
        throw cw::EInOutError(
            QStringLiteral("The PDF could not be completed: %1").arg(QString::fromUtf8(e.what())));
    }
}

} // namespace cw::printer
