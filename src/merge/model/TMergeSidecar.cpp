#include "merge/model/TMergeSidecar.h"

#include "app/model/TAtomicFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace cw::model {

namespace {
const QString SourceKey = QStringLiteral("Source=");
}

QString TMergeSidecar::PathFor(const QString &cardPath)
{
    const QString extension = cardPath.right(4);
    if (extension.compare(QLatin1String(".cwr"), Qt::CaseInsensitive) != 0)
        return cardPath + QStringLiteral(".CWM");
    return cardPath.left(cardPath.size() - 4) +
           (extension == QLatin1String(".cwr") ? QStringLiteral(".cwm") : QStringLiteral(".CWM"));
}

std::optional<TMergeSettings> TMergeSidecar::Read(const QString &cardPath)
{
    QFile file(PathFor(cardPath));
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    // A merge file holds a path and eleven short lines at most.
    const QString text = QString::fromUtf8(file.read(256 * 1024));
    TMergeSettings settings;
    QStringList mapping;
    for (QString line : text.split(QLatin1Char('\n'))) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        if (line.startsWith(SourceKey)) {
            const QString named = line.mid(SourceKey.size());
            settings.SourceFile =
                named.isEmpty() ? QString() : QFileInfo(QFileInfo(cardPath).dir(), named).absoluteFilePath();
        } else if (!line.trimmed().isEmpty()) {
            mapping << line;
        }
    }
    if (settings.SourceFile.isEmpty())
        return std::nullopt;
    settings.Mapping = TMergeMapping::FromLines(mapping);
    return settings;
}

void TMergeSidecar::Write(const QString &cardPath, const TMergeSettings &settings)
{
    const QDir folder = QFileInfo(cardPath).absoluteDir();
    QString source = QFileInfo(settings.SourceFile).absoluteFilePath();
    const QString relative = folder.relativeFilePath(source);
    if (!relative.startsWith(QLatin1String("../")))
        source = relative;
    QStringList lines{SourceKey + source};
    lines << settings.Mapping.ToLines();
    const QString path = PathFor(cardPath);
    WriteFileAtomically(path, (lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toUtf8(),
                        [&path](TAtomicWriteStage, const QString &reason) {
                            return QStringLiteral("Unable to write %1: %2").arg(path, reason);
                        });
}

void TMergeSidecar::Remove(const QString &cardPath)
{
    QFile::remove(PathFor(cardPath));
}

} // namespace cw::model
