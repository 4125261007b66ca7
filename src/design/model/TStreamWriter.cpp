#include "design/model/TStreamWriter.h"

#include "design/model/EFilerError.h"
#include "design/model/TStreamExtended.h"
#include "design/model/Win1252.h"

#include <QtEndian>

#include <limits>

namespace cw::model {

namespace {
constexpr qsizetype MaxShortString = 255;
constexpr qsizetype PrefixLengthBytes = 0xF0;
} // namespace

QByteArray TStreamWriter::shortStringBytes(const QString &text, const char *what)
{
    std::optional<QByteArray> bytes = Win1252::encode(text);
    if (!bytes)
        throw EWriteError(
            QStringLiteral("The %1 \"%2\" cannot be stored in a card file").arg(QLatin1String(what), text));
    if (bytes->size() > MaxShortString)
        throw EWriteError(
            QStringLiteral("The %1 \"%2\" is longer than 255 characters").arg(QLatin1String(what), text));
    return *bytes;
}

void TStreamWriter::appendUInt32(quint32 value)
{
    char bytes[4];
    qToLittleEndian(value, bytes);
    m_data.append(bytes, 4);
}

void TStreamWriter::writeStr(const QString &text)
{
    const QByteArray bytes = shortStringBytes(text, "name");
    m_data.append(char(bytes.size()));
    m_data.append(bytes);
}

void TStreamWriter::writeRecordBegin(const QString &className, const QString &objectName)
{
    const QByteArray cls = shortStringBytes(className, "class name");
    if (cls.size() >= PrefixLengthBytes)
        throw EWriteError(QStringLiteral("The class name \"%1\" is too long").arg(className));
    const QByteArray name = shortStringBytes(objectName, "name");
    m_data.append("TPF0", 4);
    m_data.append(char(cls.size()));
    m_data.append(cls);
    m_data.append(char(name.size()));
    m_data.append(name);
}

void TStreamWriter::writeRecordEnd()
{
    writeTag(TagNull); // end of properties
    writeTag(TagNull); // end of children
}

void TStreamWriter::writeInteger(qint64 value)
{
    char bytes[4];
    if (value >= std::numeric_limits<qint8>::min() && value <= std::numeric_limits<qint8>::max()) {
        writeTag(TagInt8);
        m_data.append(char(qint8(value)));
    } else if (value >= std::numeric_limits<qint16>::min() && value <= std::numeric_limits<qint16>::max()) {
        writeTag(TagInt16);
        qToLittleEndian(qint16(value), bytes);
        m_data.append(bytes, 2);
    } else if (value >= std::numeric_limits<qint32>::min() && value <= std::numeric_limits<qint32>::max()) {
        writeTag(TagInt32);
        qToLittleEndian(qint32(value), bytes);
        m_data.append(bytes, 4);
    } else {
        throw EWriteError(QStringLiteral("The number %1 is too large for a card file").arg(value));
    }
}

void TStreamWriter::writeBoolean(bool value)
{
    writeTag(value ? TagTrue : TagFalse);
}

void TStreamWriter::writeFloat(double value)
{
    const TStreamExtended::Bytes bytes = TStreamExtended::fromDouble(value);
    writeTag(TagExtended);
    m_data.append(reinterpret_cast<const char *>(bytes.data()), qsizetype(bytes.size()));
}

void TStreamWriter::writeString(const QString &text)
{
    if (std::optional<QByteArray> bytes = Win1252::encode(text)) {
        if (bytes->size() <= MaxShortString) {
            writeTag(TagString);
            m_data.append(char(bytes->size()));
        } else {
            if (bytes->size() > qsizetype(std::numeric_limits<quint32>::max()))
                throw EWriteError(QStringLiteral("A text is too long for a card file"));
            writeTag(TagLString);
            appendUInt32(quint32(bytes->size()));
        }
        m_data.append(*bytes);
        return;
    }
    // Not representable in Windows-1252: UTF-16 code units, little endian.
    if (text.size() > qsizetype(std::numeric_limits<quint32>::max() / 2))
        throw EWriteError(QStringLiteral("A text is too long for a card file"));
    writeTag(TagWString);
    appendUInt32(quint32(text.size()));
    const qsizetype at = m_data.size();
    m_data.resize(at + 2 * text.size());
    qToLittleEndian<quint16>(text.utf16(), text.size(), m_data.data() + at);
}

void TStreamWriter::writeIdent(const QString &name)
{
    const QByteArray bytes = shortStringBytes(name, "identifier");
    writeTag(TagIdent);
    m_data.append(char(bytes.size()));
    m_data.append(bytes);
}

void TStreamWriter::writeSet(const QStringList &members)
{
    // Encode all members first so that a refusal leaves nothing half written.
    QByteArray payload;
    for (const QString &member : members) {
        if (member.isEmpty())
            throw EWriteError(QStringLiteral("A set member has no name"));
        const QByteArray bytes = shortStringBytes(member, "set member");
        payload.append(char(bytes.size()));
        payload.append(bytes);
    }
    writeTag(TagSet);
    m_data.append(payload);
    m_data.append('\0');
}

void TStreamWriter::writeBinary(QByteArrayView bytes)
{
    if (bytes.size() > qsizetype(std::numeric_limits<quint32>::max()))
        throw EWriteError(QStringLiteral("A picture is too large for a card file"));
    writeTag(TagBinary);
    appendUInt32(quint32(bytes.size()));
    m_data.append(bytes.data(), bytes.size());
}

void TStreamWriter::writeStringList(const QStringList &lines)
{
    writeListBegin();
    for (const QString &line : lines)
        writeString(line);
    writeListEnd();
}

void TStreamWriter::writeCollectionItemBegin(std::optional<qint32> order)
{
    if (order)
        writeInteger(*order);
    writeListBegin();
}

} // namespace cw::model
