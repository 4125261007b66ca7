#include "merge/model/TVCardReader.h"

#include "merge/model/TMergeMapping.h"
#include "merge/model/TMergeText.h"

#include <QCoreApplication>
#include <array>
#include <optional>

namespace cw::model {

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("TVCardReader", text);
}

// One content line, unfolded, with the physical line it starts on.
struct ContentLine
{
    int Line = 0;
    QByteArray Text;
};

bool isQuotedPrintable(const QByteArray &line)
{
    const int colon = line.indexOf(':');
    const QByteArray head = (colon < 0 ? line : line.left(colon)).toUpper();
    return head.contains("QUOTED-PRINTABLE");
}

std::vector<ContentLine> unfold(const QByteArray &bytes)
{
    QList<QByteArray> physical = bytes.split('\n');
    std::vector<ContentLine> lines;
    bool softBreak = false;
    for (int i = 0; i < physical.size(); ++i) {
        QByteArray text = physical[i];
        if (text.endsWith('\r'))
            text.chop(1);
        if (i == 0 && text.startsWith("\xEF\xBB\xBF"))
            text.remove(0, 3);
        const bool folded = !lines.empty() && (text.startsWith(' ') || text.startsWith('\t'));
        if (softBreak && !lines.empty()) {
            // A quoted-printable value goes on after its "=" soft break,
            // with or without a blank the exporter put before it.
            lines.back().Text += folded ? text.mid(1) : text;
        } else if (folded) {
            lines.back().Text += text.mid(1);
        } else {
            lines.push_back({i + 1, text});
        }
        const QByteArray &current = lines.back().Text;
        softBreak = current.endsWith('=') && isQuotedPrintable(current);
        if (softBreak)
            lines.back().Text.chop(1);
    }
    return lines;
}

struct Property
{
    QString Name;
    QStringList Types; // lower case, from TYPE= and bare 2.1 parameters
    QString Charset;
    QString Encoding; // lower case
    QByteArray RawValue;
};

std::optional<Property> parseProperty(const QByteArray &line)
{
    bool quoted = false;
    int colon = -1;
    for (int i = 0; i < line.size(); ++i) {
        if (line[i] == '"')
            quoted = !quoted;
        else if (line[i] == ':' && !quoted) {
            colon = i;
            break;
        }
    }
    if (colon < 0)
        return std::nullopt;
    Property p;
    const QList<QByteArray> parts = line.left(colon).split(';');
    QString name = QString::fromLatin1(parts.first()).trimmed().toUpper();
    if (const int dot = name.lastIndexOf(QLatin1Char('.')); dot >= 0)
        name = name.mid(dot + 1); // "item1.TEL": the group is of no use here
    p.Name = name;
    for (int i = 1; i < parts.size(); ++i) {
        const QString param = QString::fromLatin1(parts[i]).trimmed();
        const int eq = param.indexOf(QLatin1Char('='));
        const QString key = eq < 0 ? QString() : param.left(eq).trimmed().toUpper();
        QString value = eq < 0 ? param : param.mid(eq + 1).trimmed();
        value.remove(QLatin1Char('"'));
        if (key == QLatin1String("CHARSET"))
            p.Charset = value;
        else if (key == QLatin1String("ENCODING"))
            p.Encoding = value.toLower();
        else if (key.isEmpty() && value.compare(QLatin1String("QUOTED-PRINTABLE"), Qt::CaseInsensitive) == 0)
            p.Encoding = value.toLower();
        else if (key.isEmpty() || key == QLatin1String("TYPE"))
            for (const QString &type : value.split(QLatin1Char(','), Qt::SkipEmptyParts))
                p.Types << type.trimmed().toLower();
    }
    p.RawValue = line.mid(colon + 1);
    return p;
}

QString decodedValue(const Property &p)
{
    QByteArray bytes = p.RawValue;
    if (p.Encoding == QLatin1String("quoted-printable"))
        bytes = TVCardReader::DecodeQuotedPrintable(bytes);
    return TMergeText::Decode(bytes, p.Charset);
}

// The value's components, split at unescaped ';' and unescaped.
QStringList components(const QString &value)
{
    QStringList parts;
    QString part;
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar ch = value.at(i);
        if (ch == QLatin1Char('\\') && i + 1 < value.size()) {
            const QChar next = value.at(++i);
            part += next == QLatin1Char('n') || next == QLatin1Char('N') ? QChar(QLatin1Char('\n')) : next;
        } else if (ch == QLatin1Char(';')) {
            parts << part;
            part.clear();
        } else {
            part += ch;
        }
    }
    parts << part;
    return parts;
}

QString joined(const QStringList &parts, const QString &separator)
{
    QStringList kept;
    for (const QString &part : parts)
        if (!part.trimmed().isEmpty())
            kept << part.trimmed();
    return kept.join(separator);
}

// The fields of one contact as they are gathered.
struct Contact
{
    int Line = 0;
    std::array<QString, TMergeMapping::FieldCount> Fields;
    QString NameFromN;
    bool HaveAddress = false;
    QStringList Phones;

    void Take(const Property &p)
    {
        const QString value = decodedValue(p);
        const QStringList parts = components(value);
        if (p.Name == QLatin1String("FN")) {
            Fields[0] = parts.join(QLatin1Char(';')).trimmed();
        } else if (p.Name == QLatin1String("N")) {
            // family; given; additional; prefixes; suffixes
            NameFromN =
                joined({parts.value(3), parts.value(1), parts.value(2), parts.value(0), parts.value(4)},
                       QStringLiteral(" "));
        } else if (p.Name == QLatin1String("ORG")) {
            Fields[1] = joined(parts, QStringLiteral(", "));
        } else if (p.Name == QLatin1String("TITLE")) {
            Fields[2] = parts.join(QLatin1Char(';')).trimmed();
        } else if (p.Name == QLatin1String("ADR") && !HaveAddress) {
            HaveAddress = true;
            Fields[3] = joined({parts.value(0), parts.value(1), parts.value(2)}, QStringLiteral(", "))
                            .replace(QLatin1Char('\n'), QStringLiteral(", "));
            const QString locality = parts.value(3).trimmed(), region = parts.value(4).trimmed(),
                          postal = parts.value(5).trimmed();
            Fields[4] = region.isEmpty() ? joined({postal, locality}, QStringLiteral(" "))
                                         : joined({joined({locality, region}, QStringLiteral(", ")), postal},
                                                  QStringLiteral(" "));
            Fields[5] = parts.value(6).trimmed();
        } else if (p.Name == QLatin1String("TEL")) {
            QString number = value.trimmed();
            if (number.startsWith(QLatin1String("tel:"), Qt::CaseInsensitive))
                number = number.mid(4);
            if (p.Types.contains(QLatin1String("fax"))) {
                if (Fields[9].isEmpty())
                    Fields[9] = number;
            } else {
                Phones << number;
            }
        } else if (p.Name == QLatin1String("EMAIL") && Fields[8].isEmpty()) {
            Fields[8] = value.trimmed();
        }
    }

    QStringList Row() const
    {
        std::array<QString, TMergeMapping::FieldCount> f = Fields;
        if (f[0].isEmpty())
            f[0] = NameFromN;
        f[6] = Phones.value(0);
        f[7] = Phones.value(1);
        return QStringList(f.begin(), f.end());
    }
};

} // namespace

QByteArray TVCardReader::DecodeQuotedPrintable(const QByteArray &value)
{
    QByteArray out;
    out.reserve(value.size());
    auto hex = [](char c) -> int {
        if (c >= '0' && c <= '9')
            return c - '0';
        if (c >= 'A' && c <= 'F')
            return c - 'A' + 10;
        if (c >= 'a' && c <= 'f')
            return c - 'a' + 10;
        return -1;
    };
    for (int i = 0; i < value.size(); ++i) {
        if (value[i] == '=' && i + 2 < value.size() && hex(value[i + 1]) >= 0 && hex(value[i + 2]) >= 0) {
            out += char(hex(value[i + 1]) * 16 + hex(value[i + 2]));
            i += 2;
        } else {
            out += value[i];
        }
    }
    return out;
}

TMergeTable TVCardReader::Read(const QByteArray &bytes)
{
    TMergeTable table;
    table.Columns = TMergeMapping::FieldNames();
    std::optional<Contact> open;
    int contactNumber = 0;
    bool reportedOutside = false;
    auto close = [&]() {
        table.AddRow(open->Row());
        open.reset();
    };
    for (const ContentLine &line : unfold(bytes)) {
        if (line.Text.trimmed().isEmpty())
            continue;
        const std::optional<Property> p = parseProperty(line.Text);
        const QString upper = p ? p->Name : QString();
        const QString value = p ? QString::fromLatin1(p->RawValue).trimmed().toUpper() : QString();
        if (upper == QLatin1String("BEGIN") && value == QLatin1String("VCARD")) {
            if (open) {
                table.Problems.push_back({open->Line, contactNumber,
                                          tr("the contact has no END:VCARD; it ends where the next begins")});
                close();
            }
            open.emplace();
            open->Line = line.Line;
            ++contactNumber;
            reportedOutside = false;
            continue;
        }
        if (!open) {
            if (!reportedOutside)
                table.Problems.push_back(
                    {line.Line, 0, tr("text outside BEGIN:VCARD ... END:VCARD is left out")});
            reportedOutside = true;
            continue;
        }
        if (upper == QLatin1String("END") && value == QLatin1String("VCARD")) {
            close();
            continue;
        }
        if (!p) {
            table.Problems.push_back({line.Line, contactNumber, tr("a line without ':' is left out")});
            continue;
        }
        open->Take(*p);
    }
    if (open) {
        table.Problems.push_back(
            {open->Line, contactNumber, tr("the contact has no END:VCARD at the end of the file")});
        close();
    }
    return table;
}

} // namespace cw::model
