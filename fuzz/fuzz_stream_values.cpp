// The byte level of the object stream: any bytes read as a sequence of tagged
// values (the raw value tree), then as an object list of records whose
// properties are skipped.  Every failure must be an EFilerError; no read may
// leave the data or allocate beyond its size.
#include "design/model/EFilerError.h"
#include "design/model/TStreamReader.h"
#include "design/model/TStreamValue.h"
#include "design/model/TStreamWriter.h"

#include <QByteArray>
#include <cstdint>

using namespace cw::model;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));

    // A raw value tree: values one after another up to the end, each written
    // back and read again (the writer may refuse what it cannot store).
    try {
        TStreamReader reader(bytes);
        while (!reader.atEnd()) {
            const TStreamValue value = TStreamValue::readFrom(reader);
            TStreamWriter writer;
            value.writeTo(writer);
            TStreamReader again(writer.data());
            TStreamValue::readFrom(again);
        }
    } catch (const EFilerError &) {
    }

    // An object list: records of any class, properties skipped.
    try {
        TStreamReader reader(bytes);
        reader.readListBegin();
        while (!reader.endOfList()) {
            reader.readRecordHeader();
            while (!reader.endOfList())
                reader.skipProperty();
            reader.readRecordEnd();
        }
        reader.readListEnd();
    } catch (const EReadError &) {
    }
    return 0;
}
