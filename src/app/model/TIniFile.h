#pragma once
// The settings file reader/writer, with the semantics of the platform's
// private profile files that CWR.INI has always had:
//
// - Section and key names compare without regard to letter case; blanks
//   around names are ignored.  The first occurrence of a section or key wins.
// - A value is returned as the profile reader returns it: blanks around it
//   are dropped, then one pair of matching surrounding quotes ('…' or "…") is
//   removed.  At most 1023 characters come back (the reader's 1024-character
//   buffer).
// - Values are written as they are, without quotes.  The one exception is a
//   value that the reader would not return unchanged (leading or trailing
//   blanks, or enclosed in a matching pair of quotes): it is written inside
//   double quotes, so that reading it back, here or with the platform's
//   reader, gives exactly what was written.  Line breaks cannot live in a
//   value; each is written as a blank.
// - Integers: optional sign, decimal digits, or "0x"/"0X" and hexadecimal
//   digits (up to 32 bits, taken as a signed 32-bit pattern).  Anything else,
//   including trailing garbage or a decimal number outside the int range,
//   reads as the caller's default.  Booleans are integers, true when non-zero,
//   written as "1" or "0".
// - Writes keep every other line of the file, comments included, in order;
//   a new key goes after the last key of its section, a new section at the
//   end of the file.
// - The file is read as UTF-8; a file that is not valid UTF-8 is read as
//   Windows-1252.  It is always written as UTF-8, with the line ending it had
//   ("\n" for a new file).  A missing or unreadable file reads as empty.
//
// Every operation sees the file as it is on disk now (it is read again), so
// several TIniFile objects on one file do not undo each other's writes, and
// every write outside an update block is on disk, atomically (QSaveFile),
// when the call returns.  BeginUpdate()/EndUpdate() group many reads and
// writes: the file is read once at the outermost BeginUpdate, writes go to
// memory, and the outermost EndUpdate writes the file once.  A failed write
// throws cw::EInOutError naming the file and leaves the old file untouched.

#include <QString>
#include <QStringList>
#include <vector>

namespace cw::model {

class TIniFile
{
public:
    explicit TIniFile(QString fileName);

    const QString &FileName() const { return m_fileName; }

    // The program's settings file: CWR.INI in the program folder.  An existing
    // file whose name differs only in letter case (cwr.ini) is used instead.
    static QString SettingsFileName();

    QString ReadString(const QString &section, const QString &key, const QString &defaultValue) const;
    int ReadInteger(const QString &section, const QString &key, int defaultValue) const;
    bool ReadBool(const QString &section, const QString &key, bool defaultValue) const;

    void WriteString(const QString &section, const QString &key, const QString &value);
    void WriteInteger(const QString &section, const QString &key, int value);
    void WriteBool(const QString &section, const QString &key, bool value);

    // Removes the section (every occurrence), its keys and the lines in it.
    void EraseSection(const QString &section);
    // Removes one key; nothing happens when it is not there.
    void DeleteKey(const QString &section, const QString &key);
    bool SectionExists(const QString &section) const;
    bool ValueExists(const QString &section, const QString &key) const;
    // The key names of a section, in file order, as spelled in the file.
    QStringList ReadSection(const QString &section) const;
    // The section names of the file, in file order.
    QStringList ReadSections() const;

    // Update blocks nest; only the outermost EndUpdate writes (when something
    // changed).  If EndUpdate throws, the block is closed and the unwritten
    // changes are dropped.
    void BeginUpdate();
    void EndUpdate();
    // Closes every update block and drops the changes not yet written; the
    // file stays as it was.
    void CancelUpdate();
    // Writes pending changes now (inside or outside an update block).
    void UpdateFile();

    // Parsing helpers, public so that tests and other readers share them.
    static QString UnquoteValue(const QString &raw);
    static bool ParseInteger(const QString &text, int &value);
    static QString DecodeFileBytes(const QByteArray &bytes);

    // Where ReadString cuts a value (the reader's buffer less its terminator).
    static constexpr int MaxValueLength = 1023;

private:
    struct Range
    {
        int header = -1; // index of the "[section]" line, -1 when absent
        int end = 0;     // index of the next section's header, or line count
    };

    void refresh() const;
    void writeNow();
    void changed();
    Range findSection(const QString &section) const;
    int findKey(const Range &range, const QString &key) const;
    static bool lineKey(const QString &line, QString &key, int &equals);
    static bool lineSection(const QString &line, QString &name);

    QString m_fileName;
    mutable std::vector<QString> m_lines;
    mutable bool m_crlf = false;
    mutable bool m_bom = false;
    int m_updateDepth = 0;
    bool m_dirty = false;
};

} // namespace cw::model
