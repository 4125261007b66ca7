#include "design/model/TStreamReader.h"

#include "design/model/EFilerError.h"
#include "design/model/TStreamExtended.h"
#include "design/model/Win1252.h"

#include <QtEndian>

#include <cstring>

namespace cw::model {

TStreamReader::TStreamReader(QByteArray data)
    : m_data(std::move(data)), m_bytes(reinterpret_cast<const uchar *>(m_data.constData()))
{
}

TStreamReader::Nesting::Nesting(TStreamReader &reader) : m_reader(reader)
{
    if (m_reader.m_depth >= MaxNesting)
        throw EReadError::invalidFormat();
    ++m_reader.m_depth;
}

// The address of the next count bytes, consumed; never beyond the data.
const uchar *TStreamReader::need(qsizetype count)
{
    if (count < 0 || count > bytesLeft())
        throw EReadError::streamRead();
    const uchar *at = m_bytes + m_pos;
    m_pos += count;
    return at;
}

quint8 TStreamReader::readByte()
{
    return *need(1);
}

quint32 TStreamReader::readUInt32()
{
    return qFromLittleEndian<quint32>(need(4));
}

QByteArray TStreamReader::readBytes(qsizetype count)
{
    const uchar *at = need(count);
    return QByteArray(reinterpret_cast<const char *>(at), count);
}

void TStreamReader::skipBytes(qsizetype count)
{
    need(count);
}

TStreamTag TStreamReader::nextValue() const
{
    if (atEnd())
        throw EReadError::streamRead();
    return TStreamTag(m_bytes[m_pos]);
}

TStreamTag TStreamReader::readValue()
{
    return TStreamTag(readByte());
}

void TStreamReader::readSignature()
{
    const uchar *sig = need(4);
    if (std::memcmp(sig, "TPF0", 4) != 0)
        throw EReadError::invalidFormat();
}

TStreamPrefix TStreamReader::readPrefix()
{
    TStreamPrefix prefix;
    if (atEnd() || (m_bytes[m_pos] & 0xF0) != 0xF0)
        return prefix;
    prefix.flags = readByte() & 0x0F;
    if (prefix.flags & 0x02)
        prefix.childPos = readInteger();
    return prefix;
}

TStreamRecordHeader TStreamReader::readRecordHeader()
{
    TStreamRecordHeader header;
    readSignature();
    header.prefix = readPrefix();
    header.className = readStr();
    header.objectName = readStr();
    return header;
}

void TStreamReader::readRecordEnd()
{
    if (readValue() != TagNull || readValue() != TagNull)
        throw EReadError::invalidFormat();
}

QString TStreamReader::readStr()
{
    const quint8 length = readByte();
    const uchar *at = need(length);
    return Win1252::decode(QByteArrayView(at, length));
}

void TStreamReader::skipShortString()
{
    skipBytes(readByte());
}

void TStreamReader::readListBegin()
{
    if (readValue() != TagList)
        throw EReadError::invalidPropertyValue();
}

void TStreamReader::readListEnd()
{
    if (readValue() != TagNull)
        throw EReadError::invalidPropertyValue();
}

qint32 TStreamReader::readIntegerPayload(TStreamTag tag)
{
    switch (tag) {
    case TagInt8:
        return qint8(readByte());
    case TagInt16:
        return qFromLittleEndian<qint16>(need(2));
    case TagInt32:
        return qFromLittleEndian<qint32>(need(4));
    default:
        throw EReadError::invalidPropertyValue();
    }
}

qint32 TStreamReader::readInteger()
{
    return readIntegerPayload(readValue());
}

bool TStreamReader::readBoolean()
{
    switch (readValue()) {
    case TagFalse:
        return false;
    case TagTrue:
        return true;
    default:
        throw EReadError::invalidPropertyValue();
    }
}

double TStreamReader::readFloat()
{
    const TStreamTag tag = readValue();
    if (tag == TagExtended)
        return TStreamExtended::toDouble(need(10));
    return readIntegerPayload(tag);
}

QString TStreamReader::readStringPayload(TStreamTag tag)
{
    switch (tag) {
    case TagString:
        return readStr();
    case TagLString: {
        const quint32 length = readUInt32();
        if (length > quint64(bytesLeft()))
            throw EReadError::streamRead();
        const uchar *at = need(qsizetype(length));
        return Win1252::decode(QByteArrayView(at, qsizetype(length)));
    }
    case TagWString: {
        const quint64 units = readUInt32();
        if (units * 2 > quint64(bytesLeft()))
            throw EReadError::streamRead();
        const uchar *at = need(qsizetype(units * 2));
        QString text(qsizetype(units), Qt::Uninitialized);
        qFromLittleEndian<quint16>(at, qsizetype(units), text.data());
        return text;
    }
    case TagUtf8String: {
        const quint32 length = readUInt32();
        if (length > quint64(bytesLeft()))
            throw EReadError::streamRead();
        const uchar *at = need(qsizetype(length));
        return QString::fromUtf8(reinterpret_cast<const char *>(at), qsizetype(length));
    }
    default:
        throw EReadError::invalidPropertyValue();
    }
}

QString TStreamReader::readString()
{
    return readStringPayload(readValue());
}

QString TStreamReader::readIdent()
{
    if (readValue() != TagIdent)
        throw EReadError::invalidPropertyValue();
    return readStr();
}

QStringList TStreamReader::readSet()
{
    if (readValue() != TagSet)
        throw EReadError::invalidPropertyValue();
    QStringList members;
    for (;;) {
        QString name = readStr();
        if (name.isEmpty())
            return members;
        members.append(std::move(name));
    }
}

QByteArray TStreamReader::readBinary()
{
    if (readValue() != TagBinary)
        throw EReadError::invalidPropertyValue();
    const quint32 length = readUInt32();
    if (length > quint64(bytesLeft()))
        throw EReadError::streamRead();
    return readBytes(qsizetype(length));
}

void TStreamReader::readNil()
{
    if (readValue() != TagNil)
        throw EReadError::invalidPropertyValue();
}

QStringList TStreamReader::readStringList()
{
    readListBegin();
    QStringList lines;
    while (!endOfList())
        lines.append(readString());
    readListEnd();
    return lines;
}

void TStreamReader::readCollectionBegin()
{
    if (readValue() != TagCollection)
        throw EReadError::invalidPropertyValue();
}

std::optional<qint32> TStreamReader::readCollectionItemBegin()
{
    std::optional<qint32> order;
    const TStreamTag tag = nextValue();
    if (tag == TagInt8 || tag == TagInt16 || tag == TagInt32)
        order = readInteger();
    readListBegin();
    return order;
}

void TStreamReader::skipCollectionItems()
{
    while (!endOfList()) {
        Nesting item(*this);
        readCollectionItemBegin();
        while (!endOfList())
            skipProperty();
        readListEnd();
    }
    readListEnd();
}

void TStreamReader::skipProperty()
{
    skipShortString();
    skipValue();
}

void TStreamReader::skipValue()
{
    const TStreamTag tag = readValue();
    switch (tag) {
    case TagList: {
        Nesting list(*this);
        while (!endOfList())
            skipValue();
        readListEnd();
        return;
    }
    case TagInt8:
        return skipBytes(1);
    case TagInt16:
        return skipBytes(2);
    case TagInt32:
        return skipBytes(4);
    case TagExtended:
        return skipBytes(10);
    case TagString:
    case TagIdent:
        return skipShortString();
    case TagFalse:
    case TagTrue:
    case TagNil:
        return;
    case TagBinary:
    case TagLString:
    case TagUtf8String: {
        const quint32 length = readUInt32();
        if (length > quint64(bytesLeft()))
            throw EReadError::streamRead();
        return skipBytes(qsizetype(length));
    }
    case TagWString: {
        const quint64 units = readUInt32();
        if (units * 2 > quint64(bytesLeft()))
            throw EReadError::streamRead();
        return skipBytes(qsizetype(units * 2));
    }
    case TagSet:
        for (quint8 length = readByte(); length != 0; length = readByte())
            skipBytes(length);
        return;
    case TagCollection: {
        Nesting collection(*this);
        skipCollectionItems();
        return;
    }
    case TagNull: // ends a list; never a value of its own
    default:
        throw EReadError::invalidFormat();
    }
}

} // namespace cw::model
