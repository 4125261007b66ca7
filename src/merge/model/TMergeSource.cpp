#include "merge/model/TMergeSource.h"

#include "app/model/Exception.h"
#include "merge/model/TCsvReader.h"
#include "merge/model/TVCardReader.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace cw::model {

bool TMergeSource::IsVCard(const QString &path, const QByteArray &bytes)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("vcf") || suffix == QLatin1String("vcard"))
        return true;
    QByteArray head = bytes.left(64).trimmed();
    if (head.startsWith("\xEF\xBB\xBF"))
        head.remove(0, 3);
    return head.toUpper().startsWith("BEGIN:VCARD");
}

TMergeSource TMergeSource::Load(const QString &path)
{
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        throw EInOutError(QStringLiteral("Cannot open file %1").arg(QDir::toNativeSeparators(path)));
    const QByteArray bytes = file.readAll();
    TMergeSource source;
    source.m_fileName = QFileInfo(path).absoluteFilePath();
    source.m_table = IsVCard(path, bytes) ? TVCardReader::Read(bytes) : TCsvReader::Read(bytes);
    source.Mapping = TMergeMapping::Automatic(source.m_table.Columns);
    return source;
}

} // namespace cw::model
