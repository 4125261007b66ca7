#include "merge/model/TMergeText.h"

#include "design/model/Win1252.h"

#include <QStringDecoder>

namespace cw::model {

bool TMergeText::IsUtf8(const QByteArray &bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = decoder.decode(bytes);
    return !decoder.hasError();
}

QString TMergeText::Decode(const QByteArray &bytes)
{
    QByteArray body = bytes;
    if (body.startsWith("\xEF\xBB\xBF"))
        body.remove(0, 3);
    if (IsUtf8(body))
        return QString::fromUtf8(body);
    return Win1252::decode(body);
}

QString TMergeText::Decode(const QByteArray &bytes, const QString &charset)
{
    const QString name = charset.trimmed().toLower();
    if (name.isEmpty())
        return Decode(bytes);
    if (name == QLatin1String("utf-8") || name == QLatin1String("utf8"))
        return IsUtf8(bytes) ? QString::fromUtf8(bytes) : Win1252::decode(bytes);
    // Phones label Windows-1252 text as Latin-1 more often than not; the
    // code page is a superset of it for every printable character.
    if (name == QLatin1String("windows-1252") || name == QLatin1String("cp1252") ||
        name == QLatin1String("iso-8859-1") || name == QLatin1String("latin1") ||
        name == QLatin1String("us-ascii"))
        return Win1252::decode(bytes);
    QStringDecoder decoder(name.toLatin1().constData());
    if (!decoder.isValid())
        return Decode(bytes);
    return decoder.decode(bytes);
}

} // namespace cw::model
