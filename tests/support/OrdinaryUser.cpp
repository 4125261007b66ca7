#include "support/OrdinaryUser.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

#include <sys/stat.h>
#include <unistd.h>

namespace cw::test {

namespace {
constexpr uid_t Nobody = 65534;
}

std::optional<QString> OrdinaryUserUnavailable()
{
#ifdef CW_SANITIZED
    // The sanitizers' runtime files (suppressions) may lie where that user
    // cannot read them; the plain build makes this run.
    return QStringLiteral("checked in the plain build");
#endif
    if (geteuid() != 0)
        return QStringLiteral("not root: the test already runs as an ordinary user");
    if (QStandardPaths::findExecutable(QStringLiteral("setpriv")).isEmpty())
        return QStringLiteral("setpriv is missing");
    return std::nullopt;
}

QString RunAsOrdinaryUser(const QString &root, const QString &testFunction, const QString &flag)
{
    // The copy lives where every user may run it (the build tree may be
    // inside root's home), with a home folder of the user's own.
    const QString dir = root + QStringLiteral("/ordinary");
    const QString home = dir + QStringLiteral("/home");
    if (!QDir().mkpath(home) || ::chmod(QFile::encodeName(root).constData(), 0755) != 0 ||
        ::chmod(QFile::encodeName(dir).constData(), 0755) != 0 ||
        ::chown(QFile::encodeName(home).constData(), Nobody, Nobody) != 0)
        return QStringLiteral("cannot make a folder for the ordinary user in ") + root;
    const QString program =
        dir + QLatin1Char('/') + QFileInfo(QCoreApplication::applicationFilePath()).fileName();
    QFile::remove(program);
    if (!QFile::copy(QCoreApplication::applicationFilePath(), program) ||
        ::chmod(QFile::encodeName(program).constData(), 0755) != 0)
        return QStringLiteral("cannot copy the test program to ") + program;

    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(flag, QStringLiteral("1"));
    env.insert(QStringLiteral("HOME"), home);
    env.insert(QStringLiteral("TMPDIR"), home);
    env.remove(QStringLiteral("XDG_RUNTIME_DIR"));
    QProcess child;
    child.setProcessEnvironment(env);
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.start(QStringLiteral("setpriv"),
                {QStringLiteral("--reuid=%1").arg(Nobody), QStringLiteral("--regid=%1").arg(Nobody),
                 QStringLiteral("--clear-groups"), program, testFunction});
    if (!child.waitForFinished(120000))
        return QStringLiteral("the ordinary user's run did not finish");
    const QString output = QString::fromLocal8Bit(child.readAll());
    // The function must have passed, not been skipped.
    const QRegularExpression pass(QStringLiteral("^PASS   : \\S+::") +
                                      QRegularExpression::escape(testFunction) + QStringLiteral("\\(\\)"),
                                  QRegularExpression::MultilineOption);
    const bool passed =
        child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0 && pass.match(output).hasMatch();
    return passed ? QString() : output;
}

} // namespace cw::test
