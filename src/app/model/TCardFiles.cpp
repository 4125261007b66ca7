#include "app/model/TCardFiles.h"

#include "app/model/Exception.h"
#include "app/model/TAtomicFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

namespace cw::model {

QString TCardFiles::SidecarPath(const QString &cardPath)
{
    const qsizetype slash = cardPath.lastIndexOf(QLatin1Char('/'));
    const qsizetype dot = cardPath.lastIndexOf(QLatin1Char('.'));
    if (dot > slash)
        return cardPath.left(dot) + QStringLiteral(".CWE");
    return cardPath + QStringLiteral(".CWE");
}

QString TCardFiles::ReadSidecar(const QString &cardPath)
{
    QFile file(SidecarPath(cardPath));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return QString();
    // The sidecar names one path; a few kilobytes are more than any path.
    const QByteArray line = file.readLine(64 * 1024);
    QString text = QString::fromUtf8(line);
    while (text.endsWith(QLatin1Char('\n')) || text.endsWith(QLatin1Char('\r')))
        text.chop(1);
    return text;
}

void TCardFiles::WriteSidecar(const QString &cardPath, const QString &backgroundFile)
{
    const QString sidecar = SidecarPath(cardPath);
    if (backgroundFile.isEmpty()) {
        if (QFileInfo::exists(sidecar) && !QFile::remove(sidecar))
            throw EInOutError(QStringLiteral("Unable to delete %1").arg(sidecar));
        return;
    }
    WriteFileAtomically(sidecar, backgroundFile.toUtf8() + QByteArrayLiteral("\r\n"),
                        [&sidecar](TAtomicWriteStage, const QString &reason) {
                            return QStringLiteral("Unable to write %1: %2").arg(sidecar, reason);
                        });
}

QString TCardFiles::AutomaticFileName(const QString &folder)
{
    // Names are compared without regard to letter case.
    QSet<QString> present;
    const QStringList entries = QDir(folder).entryList(QDir::Files);
    for (const QString &e : entries)
        present.insert(e.toUpper());
    auto name = [](int n) { return QStringLiteral("BC%1.CWR").arg(n, 4, 10, QLatin1Char('0')); };
    for (int n = 1; n <= 9999; ++n)
        if (!present.contains(name(n)))
            return name(n);
    if (!present.contains(name(0)))
        return name(0);
    return QString();
}

} // namespace cw::model
