#include "print/printer/TPdfSheetFile.h"

#include "app/model/Exception.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#include <cstdio>

namespace cw::printer {

TPdfSheetFile::TPdfSheetFile(QString target) : m_target(std::move(target)), m_final(m_target)
{
    // A link keeps pointing at the sheet: the file it names is replaced.
    if (QFileInfo(m_target).isSymLink())
        m_final = QFileInfo(m_target).symLinkTarget();
    const QFileInfo info(m_final);
    // A short name, so the engine's own page file beside it fits the file
    // system's name limit whatever the target is called.
    QTemporaryFile working(info.absolutePath() + QStringLiteral("/.cwsheet-XXXXXX.pdf"));
    working.setAutoRemove(false);
    if (info.isDir() || !working.open() || working.fileName().isEmpty())
        fail();
    m_working = working.fileName();
    working.close();
    // The finished file keeps the permissions of the one it replaces; a new
    // one is readable by everyone, like any other file the program writes.
    QFile::setPermissions(m_working, info.exists()
                                         ? QFile::permissions(m_final)
                                         : QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser |
                                               QFile::WriteUser | QFile::ReadGroup | QFile::ReadOther);
}

TPdfSheetFile::~TPdfSheetFile()
{
    if (!m_committed && !m_working.isEmpty())
        QFile::remove(m_working);
}

void TPdfSheetFile::fail() const
{
    throw cw::EInOutError(
        QStringLiteral("The file %1 could not be written.").arg(QDir::toNativeSeparators(m_target)));
}

bool TPdfSheetFile::IsCompletePdf(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() < 8)
        return false;
    QByteArray head = file.read(5);
    if (head != "%PDF-")
        return false;
    file.seek(std::max<qint64>(0, file.size() - 16));
    QByteArray tail = file.readAll();
    while (tail.endsWith('\n') || tail.endsWith('\r'))
        tail.chop(1);
    return tail.endsWith("%%EOF");
}

void TPdfSheetFile::Commit()
{
    if (!IsCompletePdf(m_working))
        fail();
    // rename() replaces the target in one step: readers see the old file or
    // the new one, never a part.
    if (std::rename(QFile::encodeName(m_working).constData(), QFile::encodeName(m_final).constData()) != 0)
        fail();
    m_committed = true;
}

} // namespace cw::printer
