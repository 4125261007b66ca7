#include "support/PrivateCups.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTest>

#include <unistd.h>

namespace cw::test {

namespace {
const QString Cupsd = QStringLiteral("/usr/sbin/cupsd");
}

QString PrivateCups::Unavailable()
{
    if (geteuid() != 0)
        return QStringLiteral("a private CUPS scheduler needs root");
    if (!QFile::exists(Cupsd))
        return QStringLiteral("cupsd is not installed");
    for (const char *tool : {"lpadmin", "lpstat"})
        if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty())
            return QStringLiteral("%1 is missing").arg(QString::fromLatin1(tool));
    return {};
}

bool PrivateCups::WriteFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QString PrivateCups::Start(const QString &root, bool fileDevice)
{
    if (const QString why = Unavailable(); !why.isEmpty())
        return why;
    m_folder = root + QStringLiteral("/cups");
    const QString d = m_folder;
    for (const char *sub : {"spool", "cache", "state", "log", "tmp", "ppd"}) {
        if (!QDir(d).mkpath(QString::fromLatin1(sub)))
            return QStringLiteral("cannot make the scheduler's folders");
        QFile::setPermissions(d + '/' + sub, QFileDevice::Permissions(0x7777));
    }
    // The scheduler's helpers run as an unprivileged user: they must reach
    // its folder.
    QFile::setPermissions(root, QFileDevice::Permissions(0x7755));
    QFile::setPermissions(d, QFileDevice::Permissions(0x7755));
    const QByteArray dir = d.toUtf8();
    const bool written =
        WriteFile(d + "/cupsd.conf",
                  "Listen " + dir +
                      "/cups.sock\nLogLevel warn\nBrowsing No\nWebInterface No\n"
                      "DefaultAuthType None\n<Location />\n  Order allow,deny\n  Allow all\n"
                      "</Location>\n<Policy default>\n  <Limit All>\n    Order deny,allow\n"
                      "  </Limit>\n</Policy>\n") &&
        WriteFile(d + "/cups-files.conf",
                  "ServerRoot " + dir + "\nRequestRoot " + dir + "/spool\nTempDir " + dir +
                      "/tmp\nStateDir " + dir + "/state\nCacheDir " + dir + "/cache\nErrorLog " + dir +
                      "/log/error_log\nAccessLog " + dir + "/log/access_log\nPageLog " + dir +
                      "/log/page_log\nServerBin /usr/lib/cups\nDataDir /usr/share/cups\nSystemGroup root\n" +
                      (fileDevice ? "FileDevice Yes\n" : ""));
    if (!written)
        return QStringLiteral("cannot write the scheduler's configuration");
    m_scheduler.start(Cupsd, {"-f", "-c", d + "/cupsd.conf", "-s", d + "/cups-files.conf"});
    if (!m_scheduler.waitForStarted())
        return QStringLiteral("cupsd did not start");
    for (int wait = 0; wait < 100 && !QFile::exists(d + "/cups.sock"); ++wait)
        QTest::qWait(50);
    if (!QFile::exists(d + "/cups.sock"))
        return QStringLiteral("the private scheduler did not start");
    qputenv("CUPS_SERVER", dir + "/cups.sock");
    qputenv("CUPS_SERVERROOT", dir);
    return {};
}

void PrivateCups::Stop()
{
    if (!Running())
        return;
    m_scheduler.terminate();
    if (!m_scheduler.waitForFinished(10000))
        m_scheduler.kill();
}

} // namespace cw::test
