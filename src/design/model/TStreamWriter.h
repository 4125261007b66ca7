#pragma once
// Writes the byte level of the card-file object stream into a QByteArray:
// tagged values, short strings, the "TPF0" record header and the end markers.
// It knows nothing of design objects; the object filer decides which
// properties a record holds and in which order.
//
// What a caller may rely on:
// - Little endian throughout; each write appends exactly the bytes the format
//   defines for it and nothing else (no padding, no prefix byte).
// - writeInteger picks the smallest of TagInt8, TagInt16 and TagInt32.
// - writeString picks TagString for up to 255 bytes, TagLString for 256 or
//   more, and TagWString when the text is not Windows-1252; it never drops or
//   replaces a character.
// - A value the format cannot hold raises EWriteError before any of its bytes
//   are appended, so the data written so far stays a valid prefix.
// - Structure (lists, records, collections) is the caller's: the writer does
//   not check that begins and ends pair up.

#include "design/model/TStreamTag.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>

#include <optional>
#include <utility>

namespace cw::model {

class TStreamWriter
{
public:
    TStreamWriter() = default;

    const QByteArray &data() const noexcept { return m_data; }
    QByteArray takeData() { return std::exchange(m_data, QByteArray()); }
    qsizetype size() const noexcept { return m_data.size(); }

    // A short string: one length byte and up to 255 Windows-1252 bytes, no
    // tag.  Used for class, object and property names.
    void writeStr(const QString &text);

    // The header of one object record: "TPF0", class name, object name.  A
    // class name of 240 bytes or more is refused, since a reader would take
    // its length byte for the optional prefix.
    void writeRecordBegin(const QString &className, const QString &objectName);
    // End of the property entries and of the (always empty) child list.
    void writeRecordEnd();
    // One property entry: the name, then the caller writes exactly one value.
    void writePropertyName(const QString &name) { writeStr(name); }

    // Tagged values.
    void writeInteger(qint64 value); // EWriteError beyond 32 bits
    void writeBoolean(bool value);
    void writeFloat(double value); // TagExtended, exact
    void writeString(const QString &text);
    void writeIdent(const QString &name);      // TagIdent, a Windows-1252 short string
    void writeSet(const QStringList &members); // in the order given; no empty names
    void writeBinary(QByteArrayView bytes);
    void writeNil() { writeTag(TagNil); }
    // A string list property: TagList, one writeString per line, TagNull.
    void writeStringList(const QStringList &lines);

    // TagList ... TagNull.
    void writeListBegin() { writeTag(TagList); }
    void writeListEnd() { writeTag(TagNull); }

    // TagCollection, then per item writeCollectionItemBegin, property entries
    // and writeListEnd, and finally writeListEnd for the collection.
    void writeCollectionBegin() { writeTag(TagCollection); }
    void writeCollectionItemBegin(std::optional<qint32> order);

    void writeTag(TStreamTag tag) { m_data.append(char(tag)); }

private:
    void appendUInt32(quint32 value);
    static QByteArray shortStringBytes(const QString &text, const char *what);

    QByteArray m_data;
};

} // namespace cw::model
