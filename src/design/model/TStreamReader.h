#pragma once
// Reads the byte level of the card-file object stream from a QByteArray:
// tagged values, short strings, the "TPF0" record header with its optional
// prefix, and the end markers.  It knows nothing of design objects; the
// object filer looks class and property names up and calls the typed reads.
//
// What a caller may rely on:
// - No read ever touches a byte outside the data, whatever the input.  Every
//   length is checked against the bytes left before anything is allocated,
//   so a hostile stream costs memory in proportion to its own size only
//   (text costs two bytes per byte read; a TStreamValue tree costs a few
//   dozen bytes per value, and every value takes at least one byte).
// - Every failure is an EReadError with the program's message:
//     "Stream read error"       the data ends inside a value, or a length
//                               points beyond the end;
//     "Invalid stream format"   no "TPF0", an unknown tag byte, a missing
//                               end marker of a record, values nested deeper
//                               than MaxNesting;
//     "Invalid property value"  a typed read meets a value of another kind.
//   After a failure the position is unspecified; the reader is not reused.
// - Typed reads accept every encoding the format allows for their kind:
//   readInteger takes Int8/Int16/Int32; readFloat takes Extended or an
//   integer; readString takes String, LString, WString and UTF-8 strings
//   (malformed UTF-8 is decoded with replacement characters).
// - Short strings and TagString/TagLString text are Windows-1252, decoded so
//   that every byte round-trips.

#include "design/model/TStreamTag.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

namespace cw::model {

// The optional byte between "TPF0" and the class name (never written by this
// program): bit 0 inherited, bit 1 a child position follows, bit 2 inline.
struct TStreamPrefix
{
    quint8 flags = 0;
    std::optional<qint32> childPos;

    bool inherited() const noexcept { return flags & 0x01; }
};

struct TStreamRecordHeader
{
    TStreamPrefix prefix;
    QString className;
    QString objectName;
};

class TStreamReader
{
public:
    // Lists, collections and collection items inside one another deeper than
    // this are refused.  Card files need two levels (a record's string list
    // inside the object list).
    static constexpr int MaxNesting = 32;

    explicit TStreamReader(QByteArray data);
    TStreamReader(const TStreamReader &) = delete;
    TStreamReader &operator=(const TStreamReader &) = delete;

    qsizetype position() const noexcept { return m_pos; }
    qsizetype size() const noexcept { return m_data.size(); }
    qsizetype bytesLeft() const noexcept { return m_data.size() - m_pos; }
    bool atEnd() const noexcept { return m_pos >= m_data.size(); }

    // The next tag byte, not consumed ("Stream read error" at the end).  The
    // byte is returned as it is, even when it is no known tag.
    TStreamTag nextValue() const;
    // The next tag byte, consumed.
    TStreamTag readValue();
    // Whether the next byte is TagNull (end of a list, of a record's
    // properties, of a set of records), without consuming it.
    bool endOfList() const { return nextValue() == TagNull; }

    // "TPF0", the optional prefix, the class name and the object name.
    TStreamRecordHeader readRecordHeader();
    void readSignature();
    TStreamPrefix readPrefix();
    // The end of a record's properties and its empty child list: two TagNull
    // bytes ("Invalid stream format" otherwise, e.g. for a child record).
    void readRecordEnd();

    // A short string without a tag (class, object and property names).
    QString readStr();
    QString readPropertyName() { return readStr(); }

    void readListBegin(); // TagList, else "Invalid property value"
    void readListEnd();   // TagNull, else "Invalid property value"

    qint32 readInteger();
    bool readBoolean();
    double readFloat();
    QString readString();
    QString readIdent();
    QStringList readSet();
    QByteArray readBinary();
    void readNil();
    // A string list property: TagList, strings of any string tag, TagNull.
    QStringList readStringList();
    // TagCollection; then per item: readCollectionItemBegin, entries until
    // endOfList, readListEnd; finally readListEnd.
    void readCollectionBegin();
    std::optional<qint32> readCollectionItemBegin();

    // Skips one tagged value of any kind, however nested (within MaxNesting).
    void skipValue();
    // Skips one property entry: its name and its value.
    void skipProperty();

    // Counts one level of nesting for as long as it lives; throws "Invalid
    // stream format" beyond MaxNesting.  For generic readers of nested values.
    class Nesting
    {
    public:
        explicit Nesting(TStreamReader &reader);
        ~Nesting() { --m_reader.m_depth; }
        Nesting(const Nesting &) = delete;
        Nesting &operator=(const Nesting &) = delete;

    private:
        TStreamReader &m_reader;
    };

private:
    const uchar *need(qsizetype count);
    quint8 readByte();
    quint32 readUInt32();
    qint32 readIntegerPayload(TStreamTag tag);
    QString readStringPayload(TStreamTag tag);
    QByteArray readBytes(qsizetype count);
    void skipBytes(qsizetype count);
    void skipShortString();
    void skipCollectionItems();

    QByteArray m_data;
    const uchar *m_bytes = nullptr;
    qsizetype m_pos = 0;
    int m_depth = 0;
};

} // namespace cw::model
