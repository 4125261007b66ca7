// The RTF reader: any bytes read into a text document (it promises never to
// throw), the document laid out, and written back as RTF and read again.
#include "FuzzSupport.h"

#include "richtext/model/TRtfReader.h"
#include "richtext/model/TRtfWriter.h"

#include <QByteArray>
#include <QTextDocument>
#include <cstdint>

using namespace cw::richtext;

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    cw::fuzz::StartGuiApplication();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    QTextDocument document;
    TRtfReader::Read(bytes, document);
    document.setTextWidth(300);
    document.size();
    QTextDocument again;
    TRtfReader::Read(TRtfWriter::Write(document), again);
    return 0;
}
