#pragma once
// Text of merge sources, which come from spreadsheets and phones in
// whatever encoding they were saved in.

#include <QByteArray>
#include <QString>

namespace cw::model {

class TMergeText
{
public:
    // UTF-8 when the bytes are valid UTF-8 (a leading byte-order mark is
    // dropped), otherwise Windows-1252, the code page spreadsheets on
    // Windows save "CSV" in.  Never fails: every byte decodes to something.
    static QString Decode(const QByteArray &bytes);
    // The bytes in the named character set (UTF-8, ISO-8859-1, Windows-1252
    // and whatever else Qt knows); an unknown name falls back to Decode.
    static QString Decode(const QByteArray &bytes, const QString &charset);
    static bool IsUtf8(const QByteArray &bytes);
};

} // namespace cw::model
