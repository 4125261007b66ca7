#include "merge/model/TCsvReader.h"

#include "merge/model/TMergeText.h"

#include <QCoreApplication>

namespace cw::model {

namespace {

bool isBreak(QChar c)
{
    return c == QLatin1Char('\n') || c == QLatin1Char('\r');
}

// A position in the text and the physical line it lies on (from 1).
struct Cursor
{
    const QString &Text;
    qsizetype Pos = 0;
    int Line = 1;

    bool AtEnd() const { return Pos >= Text.size(); }
    QChar Here() const { return Text.at(Pos); }
    // Steps over one line break: CR LF, LF or a lone CR.
    void SkipBreak()
    {
        if (Here() == QLatin1Char('\r') && Pos + 1 < Text.size() && Text.at(Pos + 1) == QLatin1Char('\n'))
            ++Pos;
        ++Pos;
        ++Line;
    }
    void SkipToNextLine()
    {
        while (!AtEnd() && !isBreak(Here()))
            ++Pos;
        if (!AtEnd())
            SkipBreak();
    }
};

struct Record
{
    QStringList Fields;
    bool Unclosed = false;
    bool TextAfterQuote = false;
};

Record parseRecord(Cursor &c, QChar separator)
{
    Record record;
    QString field;
    for (;;) {
        if (!c.AtEnd() && c.Here() == QLatin1Char('"')) {
            ++c.Pos;
            bool closed = false;
            while (!c.AtEnd()) {
                const QChar ch = c.Here();
                if (ch == QLatin1Char('"')) {
                    if (c.Pos + 1 < c.Text.size() && c.Text.at(c.Pos + 1) == QLatin1Char('"')) {
                        field += ch;
                        c.Pos += 2;
                        continue;
                    }
                    ++c.Pos;
                    closed = true;
                    break;
                }
                if (isBreak(ch)) {
                    // A line break inside quotes belongs to the text, as one "\n".
                    field += QLatin1Char('\n');
                    c.SkipBreak();
                    continue;
                }
                field += ch;
                ++c.Pos;
            }
            if (!closed) {
                record.Unclosed = true;
                return record;
            }
            while (!c.AtEnd() && c.Here() != separator && !isBreak(c.Here())) {
                record.TextAfterQuote = true;
                field += c.Here();
                ++c.Pos;
            }
        } else {
            while (!c.AtEnd() && c.Here() != separator && !isBreak(c.Here())) {
                field += c.Here();
                ++c.Pos;
            }
        }
        record.Fields << field;
        field.clear();
        if (c.AtEnd())
            return record;
        if (c.Here() == separator) {
            ++c.Pos;
            continue;
        }
        c.SkipBreak();
        return record;
    }
}

QString tr(const char *text)
{
    return QCoreApplication::translate("TCsvReader", text);
}

} // namespace

QChar TCsvReader::DetectSeparator(const QString &text)
{
    int comma = 0, semicolon = 0, tab = 0;
    bool quoted = false;
    for (const QChar ch : text) {
        if (ch == QLatin1Char('"'))
            quoted = !quoted;
        else if (quoted)
            continue;
        else if (isBreak(ch))
            break;
        else if (ch == QLatin1Char(','))
            ++comma;
        else if (ch == QLatin1Char(';'))
            ++semicolon;
        else if (ch == QLatin1Char('\t'))
            ++tab;
    }
    if (semicolon > comma && semicolon >= tab)
        return QLatin1Char(';');
    if (tab > comma && tab > semicolon)
        return QLatin1Char('\t');
    return QLatin1Char(',');
}

TMergeTable TCsvReader::Read(const QByteArray &bytes)
{
    return Read(TMergeText::Decode(bytes));
}

TMergeTable TCsvReader::Read(const QString &text)
{
    TMergeTable table;
    Cursor c{text};
    // A leading byte-order mark left by a decoder is no part of the header.
    if (!c.AtEnd() && c.Here() == QChar(0xFEFF))
        ++c.Pos;
    const QChar separator = DetectSeparator(text.mid(c.Pos));
    bool haveHeader = false;
    int recordNumber = 0;
    while (!c.AtEnd()) {
        if (isBreak(c.Here())) {
            c.SkipBreak();
            continue;
        }
        const qsizetype start = c.Pos;
        const int line = c.Line;
        Record record = parseRecord(c, separator);
        if (haveHeader)
            ++recordNumber;
        if (record.Unclosed) {
            table.Problems.push_back(
                {line, recordNumber,
                 tr("a quoted field is not closed; the record is left out and reading goes on with the next "
                    "line")});
            c.Pos = start;
            c.Line = line;
            c.SkipToNextLine();
            continue;
        }
        if (!haveHeader) {
            for (QString &name : record.Fields)
                name = name.trimmed();
            table.Columns = record.Fields;
            haveHeader = true;
            continue;
        }
        if (record.TextAfterQuote)
            table.Problems.push_back(
                {line, recordNumber, tr("text follows a closing quote; it is kept after the quoted text")});
        if (record.Fields.size() > table.Columns.size())
            table.Problems.push_back({line, recordNumber,
                                      tr("%1 fields, but the header names %2 columns; the extra fields "
                                         "are left out")
                                          .arg(record.Fields.size())
                                          .arg(table.Columns.size())});
        table.AddRow(std::move(record.Fields));
    }
    return table;
}

} // namespace cw::model
