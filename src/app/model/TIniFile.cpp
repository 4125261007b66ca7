#include "app/model/TIniFile.h"

#include "app/model/Exception.h"
#include "app/model/ProgramFolder.h"
#include "app/model/TAtomicFile.h"

#include <QDir>
#include <QFile>
#include <QStringDecoder>
#include <limits>

namespace cw::model {

namespace {

// Windows-1252 bytes 0x80..0x9F; the five undefined bytes map to the C1
// control of the same number so that every byte has a character.
constexpr char16_t Cp1252High[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                     0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                     0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                     0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

QString decodeCp1252(const QByteArray &bytes)
{
    QString text;
    text.reserve(bytes.size());
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        text += (b >= 0x80 && b <= 0x9F) ? QChar(Cp1252High[b - 0x80]) : QChar(b);
    }
    return text;
}

bool sameName(const QString &a, const QString &b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

bool isQuote(QChar c)
{
    return c == QLatin1Char('"') || c == QLatin1Char('\'');
}

// The text that goes after "key=": the value itself, or the value in double
// quotes when the reader would otherwise not return it unchanged.
QString encodeValue(QString value)
{
    value.replace(QLatin1String("\r\n"), QLatin1String(" "));
    value.replace(QLatin1Char('\r'), QLatin1Char(' '));
    value.replace(QLatin1Char('\n'), QLatin1Char(' '));
    const bool blanksAround = !value.isEmpty() && (value.front().isSpace() || value.back().isSpace());
    const bool quotedAlready = value.size() >= 2 && isQuote(value.front()) && value.front() == value.back();
    if (blanksAround || quotedAlready)
        return QLatin1Char('"') + value + QLatin1Char('"');
    return value;
}

} // namespace

TIniFile::TIniFile(QString fileName) : m_fileName(std::move(fileName)) {}

QString TIniFile::SettingsFileName()
{
    const QString folder = ProgramFolder::path();
    const QString name = QStringLiteral("CWR.INI");
    if (QFileInfo::exists(folder + name))
        return folder + name;
    const QStringList entries = QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString &entry : entries) {
        if (sameName(entry, name))
            return folder + entry;
    }
    return folder + name;
}

// ---- parsing -------------------------------------------------------------

QString TIniFile::DecodeFileBytes(const QByteArray &bytes)
{
    QByteArray body = bytes;
    if (body.startsWith("\xEF\xBB\xBF"))
        body.remove(0, 3);
    QStringDecoder utf8(QStringDecoder::Utf8, QStringConverter::Flag::Stateless);
    QString text = utf8(body);
    if (utf8.hasError())
        return decodeCp1252(body);
    return text;
}

QString TIniFile::UnquoteValue(const QString &raw)
{
    QString value = raw.trimmed();
    if (value.size() >= 2 && isQuote(value.front()) && value.front() == value.back())
        value = value.mid(1, value.size() - 2);
    if (value.size() > MaxValueLength) {
        int cut = MaxValueLength;
        // Never leave half of a surrogate pair behind.
        if (value.at(cut - 1).isHighSurrogate())
            --cut;
        value.truncate(cut);
    }
    return value;
}

bool TIniFile::ParseInteger(const QString &text, int &value)
{
    QStringView s(text);
    s = s.trimmed();
    bool negative = false;
    if (!s.isEmpty() && (s.front() == QLatin1Char('-') || s.front() == QLatin1Char('+'))) {
        negative = s.front() == QLatin1Char('-');
        s = s.mid(1);
    }
    if (s.isEmpty())
        return false;
    bool hex = false;
    if (s.size() > 2 && s.front() == QLatin1Char('0') &&
        (s.at(1) == QLatin1Char('x') || s.at(1) == QLatin1Char('X'))) {
        hex = true;
        s = s.mid(2);
    }
    const int base = hex ? 16 : 10;
    const qint64 limit =
        hex ? qint64(0xFFFFFFFF) : qint64(std::numeric_limits<int>::max()) + (negative ? 1 : 0);
    qint64 magnitude = 0;
    for (const QChar c : s) {
        const int digit = c.isDigit() && c.unicode() < 128 ? c.unicode() - '0'
                          : hex && c.toLower() >= QLatin1Char('a') && c.toLower() <= QLatin1Char('f')
                              ? c.toLower().unicode() - 'a' + 10
                              : -1;
        if (digit < 0)
            return false;
        magnitude = magnitude * base + digit;
        if (magnitude > limit)
            return false;
    }
    if (hex) {
        // Hexadecimal is a 32-bit pattern: 0xFFFFFFFF is -1.
        const auto bits = static_cast<quint32>(magnitude);
        value = static_cast<int>(negative ? 0u - bits : bits);
    } else {
        value = static_cast<int>(negative ? -magnitude : magnitude);
    }
    return true;
}

bool TIniFile::lineSection(const QString &line, QString &name)
{
    const QString t = line.trimmed();
    if (!t.startsWith(QLatin1Char('[')))
        return false;
    const int close = t.indexOf(QLatin1Char(']'));
    name = (close < 0 ? t.mid(1) : t.mid(1, close - 1)).trimmed();
    return true;
}

bool TIniFile::lineKey(const QString &line, QString &key, int &equals)
{
    equals = line.indexOf(QLatin1Char('='));
    if (equals < 0)
        return false;
    key = line.left(equals).trimmed();
    return !key.isEmpty() && !key.startsWith(QLatin1Char(';'));
}

// ---- file ----------------------------------------------------------------

void TIniFile::refresh() const
{
    if (m_updateDepth > 0)
        return;
    m_lines.clear();
    m_crlf = false;
    m_bom = false;
    QFile file(m_fileName);
    if (!file.open(QIODevice::ReadOnly))
        return;
    const QByteArray bytes = file.readAll();
    m_bom = bytes.startsWith("\xEF\xBB\xBF");
    m_crlf = bytes.contains("\r\n");
    const QString text = DecodeFileBytes(bytes);
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (qsizetype i = 0; i < lines.size(); ++i) {
        QString line = lines.at(i);
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        if (i == lines.size() - 1 && line.isEmpty())
            break; // the text after the last line break
        m_lines.push_back(line);
    }
}

void TIniFile::writeNow()
{
    const QString eol = m_crlf ? QStringLiteral("\r\n") : QStringLiteral("\n");
    QString text;
    for (const QString &line : m_lines)
        text += line + eol;
    QByteArray bytes = text.toUtf8();
    if (m_bom)
        bytes.prepend("\xEF\xBB\xBF");
    m_dirty = false;
    // A disk that fills up part way fails the write and leaves the old file.
    WriteFileAtomically(m_fileName, bytes);
}

void TIniFile::changed()
{
    if (m_updateDepth > 0)
        m_dirty = true;
    else
        writeNow();
}

void TIniFile::BeginUpdate()
{
    if (m_updateDepth == 0) {
        refresh();
        m_dirty = false;
    }
    ++m_updateDepth;
}

void TIniFile::EndUpdate()
{
    if (m_updateDepth == 0)
        return;
    if (--m_updateDepth == 0 && m_dirty)
        writeNow();
}

void TIniFile::CancelUpdate()
{
    m_updateDepth = 0;
    m_dirty = false;
    m_lines.clear();
}

void TIniFile::UpdateFile()
{
    if (m_dirty)
        writeNow();
}

TIniFile::Range TIniFile::findSection(const QString &section) const
{
    Range range;
    const int count = static_cast<int>(m_lines.size());
    range.end = count;
    QString name;
    for (int i = 0; i < count; ++i) {
        if (!lineSection(m_lines[i], name))
            continue;
        if (range.header >= 0) {
            range.end = i;
            break;
        }
        if (sameName(name, section.trimmed()))
            range.header = i;
    }
    return range;
}

int TIniFile::findKey(const Range &range, const QString &key) const
{
    if (range.header < 0)
        return -1;
    QString name;
    int equals = 0;
    for (int i = range.header + 1; i < range.end; ++i) {
        if (lineKey(m_lines[i], name, equals) && sameName(name, key.trimmed()))
            return i;
    }
    return -1;
}

// ---- reading -------------------------------------------------------------

QString TIniFile::ReadString(const QString &section, const QString &key, const QString &defaultValue) const
{
    refresh();
    const int line = findKey(findSection(section), key);
    if (line < 0)
        return defaultValue;
    const QString &text = m_lines[line];
    return UnquoteValue(text.mid(text.indexOf(QLatin1Char('=')) + 1));
}

int TIniFile::ReadInteger(const QString &section, const QString &key, int defaultValue) const
{
    int value = 0;
    return ParseInteger(ReadString(section, key, QString()), value) ? value : defaultValue;
}

bool TIniFile::ReadBool(const QString &section, const QString &key, bool defaultValue) const
{
    return ReadInteger(section, key, defaultValue ? 1 : 0) != 0;
}

bool TIniFile::SectionExists(const QString &section) const
{
    refresh();
    return findSection(section).header >= 0;
}

bool TIniFile::ValueExists(const QString &section, const QString &key) const
{
    refresh();
    return findKey(findSection(section), key) >= 0;
}

QStringList TIniFile::ReadSection(const QString &section) const
{
    refresh();
    QStringList keys;
    const Range range = findSection(section);
    if (range.header < 0)
        return keys;
    QString name;
    int equals = 0;
    for (int i = range.header + 1; i < range.end; ++i) {
        if (lineKey(m_lines[i], name, equals))
            keys << name;
    }
    return keys;
}

QStringList TIniFile::ReadSections() const
{
    refresh();
    QStringList sections;
    QString name;
    for (const QString &line : m_lines) {
        if (lineSection(line, name))
            sections << name;
    }
    return sections;
}

// ---- writing -------------------------------------------------------------

void TIniFile::WriteString(const QString &section, const QString &key, const QString &value)
{
    refresh();
    const Range range = findSection(section);
    const QString encoded = encodeValue(value);
    const int line = findKey(range, key);
    if (line >= 0) {
        QString &text = m_lines[line];
        text = text.left(text.indexOf(QLatin1Char('='))).trimmed() + QLatin1Char('=') + encoded;
    } else if (range.header >= 0) {
        // After the last key of the section, so blank lines and comments that
        // separate it from the next section stay where they are.
        int at = range.header + 1;
        QString name;
        int equals = 0;
        for (int i = range.header + 1; i < range.end; ++i) {
            if (lineKey(m_lines[i], name, equals))
                at = i + 1;
        }
        m_lines.insert(m_lines.begin() + at, key.trimmed() + QLatin1Char('=') + encoded);
    } else {
        m_lines.push_back(QLatin1Char('[') + section.trimmed() + QLatin1Char(']'));
        m_lines.push_back(key.trimmed() + QLatin1Char('=') + encoded);
    }
    changed();
}

void TIniFile::WriteInteger(const QString &section, const QString &key, int value)
{
    WriteString(section, key, QString::number(value));
}

void TIniFile::WriteBool(const QString &section, const QString &key, bool value)
{
    WriteString(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

void TIniFile::EraseSection(const QString &section)
{
    refresh();
    bool erased = false;
    for (Range range = findSection(section); range.header >= 0; range = findSection(section)) {
        m_lines.erase(m_lines.begin() + range.header, m_lines.begin() + range.end);
        erased = true;
    }
    if (erased)
        changed();
}

void TIniFile::DeleteKey(const QString &section, const QString &key)
{
    refresh();
    const int line = findKey(findSection(section), key);
    if (line < 0)
        return;
    m_lines.erase(m_lines.begin() + line);
    changed();
}

} // namespace cw::model
