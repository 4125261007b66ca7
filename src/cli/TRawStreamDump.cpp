#include "cli/TRawStreamDump.h"

#include "design/model/EFilerError.h"
#include "design/model/TStreamReader.h"

#include <QLocale>

namespace cw::cli {

using namespace cw::model;

namespace {
QString quoted(const QString &text)
{
    QString q = text;
    q.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
    q.replace(QLatin1Char('"'), QLatin1String("\\\""));
    q.replace(QLatin1Char('\n'), QLatin1String("\\n"));
    q.replace(QLatin1Char('\r'), QLatin1String("\\r"));
    return QLatin1Char('"') + q + QLatin1Char('"');
}
} // namespace

void TRawStreamDump::line(int depth, const QString &text)
{
    m_text += QString(depth * 2, QLatin1Char(' ')) + text + QLatin1Char('\n');
}

void TRawStreamDump::value(int depth, const QString &label)
{
    const QString head = label.isEmpty() ? QString() : label + QStringLiteral(": ");
    const TStreamTag tag = m_reader.nextValue();
    switch (tag) {
    case TagInt8:
    case TagInt16:
    case TagInt32: {
        const char *name = tag == TagInt8 ? "Int8" : tag == TagInt16 ? "Int16" : "Int32";
        return line(depth,
                    head + QLatin1String(name) + QLatin1Char(' ') + QString::number(m_reader.readInteger()));
    }
    case TagExtended:
        return line(depth, head + QStringLiteral("Extended ") +
                               QString::number(m_reader.readFloat(), 'g', QLocale::FloatingPointShortest));
    case TagString:
    case TagLString:
    case TagWString:
    case TagUtf8String: {
        const char *name = tag == TagString    ? "String"
                           : tag == TagLString ? "LString"
                           : tag == TagWString ? "WString"
                                               : "Utf8String";
        return line(depth, head + QLatin1String(name) + QLatin1Char(' ') + quoted(m_reader.readString()));
    }
    case TagIdent:
        return line(depth, head + QStringLiteral("Ident ") + m_reader.readIdent());
    case TagFalse:
    case TagTrue:
        return line(depth,
                    head + (m_reader.readBoolean() ? QStringLiteral("True") : QStringLiteral("False")));
    case TagBinary: {
        const QByteArray bytes = m_reader.readBinary();
        QString text = head + QStringLiteral("Binary <%1 bytes>").arg(bytes.size());
        if (!bytes.isEmpty())
            text += QLatin1Char(' ') + QString::fromLatin1(bytes.left(16).toHex(' ')) +
                    (bytes.size() > 16 ? QStringLiteral(" …") : QString());
        return line(depth, text);
    }
    case TagSet:
        return line(depth, head + QStringLiteral("Set [") + m_reader.readSet().join(QLatin1Char(',')) +
                               QLatin1Char(']'));
    case TagNil:
        m_reader.readNil();
        return line(depth, head + QStringLiteral("Nil"));
    case TagList: {
        m_reader.readListBegin();
        TStreamReader::Nesting nesting(m_reader);
        line(depth, head + QStringLiteral("List"));
        while (!m_reader.endOfList())
            value(depth + 1, QString());
        m_reader.readListEnd();
        return line(depth, QStringLiteral("end"));
    }
    case TagCollection: {
        m_reader.readCollectionBegin();
        TStreamReader::Nesting nesting(m_reader);
        line(depth, head + QStringLiteral("Collection"));
        while (!m_reader.endOfList()) {
            TStreamReader::Nesting item(m_reader);
            const std::optional<qint32> order = m_reader.readCollectionItemBegin();
            line(depth + 1, order ? QStringLiteral("item %1").arg(*order) : QStringLiteral("item"));
            while (!m_reader.endOfList()) {
                const QString name = m_reader.readPropertyName();
                value(depth + 2, name);
            }
            m_reader.readListEnd();
            line(depth + 1, QStringLiteral("end"));
        }
        m_reader.readListEnd();
        return line(depth, QStringLiteral("end"));
    }
    case TagNull:
    default:
        throw EReadError::invalidFormat();
    }
}

void TRawStreamDump::record(int depth, bool child)
{
    TStreamReader::Nesting nesting(m_reader);
    TStreamRecordHeader header;
    if (child) {
        // A child record (a control inside a form) has no signature of its
        // own: the optional prefix, then class and object name.
        header.prefix = m_reader.readPrefix();
        header.className = m_reader.readStr();
        header.objectName = m_reader.readStr();
    } else {
        header = m_reader.readRecordHeader();
    }
    line(depth, QStringLiteral("record %1 %2").arg(header.className, quoted(header.objectName)));
    if (header.prefix.flags != 0 || header.prefix.childPos) {
        QString prefix = QStringLiteral("prefix flags=%1").arg(header.prefix.flags);
        if (header.prefix.childPos)
            prefix += QStringLiteral(" position=%1").arg(*header.prefix.childPos);
        line(depth + 1, prefix);
    }
    while (!m_reader.endOfList()) {
        const QString name = m_reader.readPropertyName();
        value(depth + 1, name);
    }
    m_reader.readValue(); // end of properties
    // Child records (design objects have none; forms of other programs hold
    // their controls here) until the closing TagNull, shown nested.
    while (!m_reader.endOfList())
        record(depth + 1, true);
    m_reader.readValue();
    line(depth, QStringLiteral("end"));
}

QString TRawStreamDump::Dump(const QByteArray &data)
{
    TStreamReader reader(data);
    TRawStreamDump dump(reader);
    if (reader.atEnd())
        throw EReadError::streamRead();
    if (reader.nextValue() == TagList) {
        reader.readListBegin();
        dump.line(0, QStringLiteral("list"));
        while (!reader.endOfList())
            dump.record(1, false);
        reader.readListEnd();
        dump.line(0, QStringLiteral("end"));
    } else {
        do
            dump.record(0, false);
        while (!reader.atEnd());
    }
    if (!reader.atEnd())
        dump.line(0, QStringLiteral("trailing %1 bytes").arg(reader.bytesLeft()));
    return dump.m_text;
}

} // namespace cw::cli
