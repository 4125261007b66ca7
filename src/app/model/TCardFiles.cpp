#include "app/model/TCardFiles.h"

#include "app/model/Exception.h"
#include "app/model/TAtomicFile.h"
#include "design/model/TBackgroundArt.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

namespace cw::model {

QString TCardFiles::SidecarPath(const QString &cardPath)
{
    const QString extension = cardPath.right(4);
    if (extension.compare(QLatin1String(".cwr"), Qt::CaseInsensitive) != 0)
        return cardPath + QStringLiteral(".CWE");
    const QString sidecar =
        extension == QLatin1String(".cwr") ? QStringLiteral(".cwe") : QStringLiteral(".CWE");
    return cardPath.left(cardPath.size() - 4) + sidecar;
}

QStringList TCardFiles::ExistingSidecars(const QString &cardPath)
{
    return ExistingSpellings(SidecarPath(cardPath));
}

QStringList TCardFiles::ExistingSpellings(const QString &preferred)
{
    const QFileInfo info(preferred);
    QStringList found;
    if (info.isFile())
        found << preferred;
    const QDir folder = info.dir();
    for (const QString &name : folder.entryList(QDir::Files | QDir::Hidden, QDir::Name))
        if (name != info.fileName() && name.compare(info.fileName(), Qt::CaseInsensitive) == 0)
            found << folder.filePath(name);
    return found;
}

QString TCardFiles::FindSidecar(const QString &cardPath)
{
    return ExistingSidecars(cardPath).value(0);
}

QString TCardFiles::ReadSidecar(const QString &cardPath)
{
    const QString sidecar = FindSidecar(cardPath);
    if (sidecar.isEmpty())
        return QString();
    QFile file(sidecar);
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
    if (backgroundFile.isEmpty()) {
        RemoveSidecar(cardPath);
        return;
    }
    // A sidecar already there keeps its name, whatever its letter case.
    QString sidecar = FindSidecar(cardPath);
    if (sidecar.isEmpty())
        sidecar = SidecarPath(cardPath);
    WriteFileAtomically(sidecar,
                        TBackgroundArt::SidecarLine(backgroundFile).toUtf8() + QByteArrayLiteral("\r\n"),
                        [&sidecar](TAtomicWriteStage, const QString &reason) {
                            return QStringLiteral("Unable to write %1: %2").arg(sidecar, reason);
                        });
}

void TCardFiles::RemoveSidecar(const QString &cardPath)
{
    // Every spelling goes: one left behind would bring the old background
    // back when the card is next opened.
    for (const QString &sidecar : ExistingSidecars(cardPath))
        if (!QFile::remove(sidecar))
            throw EInOutError(QStringLiteral("Unable to delete %1").arg(sidecar));
}

QString TCardFiles::BackPath(const QString &cardPath)
{
    const QString extension = cardPath.right(4);
    if (extension.compare(QLatin1String(".cwr"), Qt::CaseInsensitive) != 0)
        return cardPath + QStringLiteral(".BACK.CWR");
    const QString back =
        extension == QLatin1String(".cwr") ? QStringLiteral(".back.cwr") : QStringLiteral(".BACK.CWR");
    return cardPath.left(cardPath.size() - 4) + back;
}

QString TCardFiles::FindBack(const QString &cardPath)
{
    return ExistingSpellings(BackPath(cardPath)).value(0);
}

void TCardFiles::RemoveBack(const QString &cardPath)
{
    for (const QString &back : ExistingSpellings(BackPath(cardPath))) {
        RemoveSidecar(back);
        if (!QFile::remove(back))
            throw EInOutError(QStringLiteral("Unable to delete %1").arg(back));
    }
    // A back sidecar left without its back file goes too.
    RemoveSidecar(BackPath(cardPath));
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
