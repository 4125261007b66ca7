// The designer on the desktop: the desktop entry, the card file type that the
// MIME database learns from the package file in data/, and what installing
// the desktop files puts under a prefix.  File managers decide with GIO or
// with Qt's MIME database, so both are asked.

#include "app/SingleInstance.h"
#include "design/model/TBCShapes.h"
#include "design/model/TGLabelObjectFiler.h"

#include <QDir>
#include <QGuiApplication>
#include <QImageReader>
#include <QMimeDatabase>
#include <QProcess>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QUuid>
#include <QXmlStreamReader>

#include <cstdio>

#include <unistd.h>

using namespace cw;

namespace {

const QString CardType = QStringLiteral("application/x-cardwright-card");
// Asked of a child run of this program: which type Qt's MIME database gives a file.
const char *const MimeTypeOfOption = "--mime-type-of";

QString sourceDir()
{
    return qEnvironmentVariable("CW_SOURCE_DIR");
}

bool haveTool(const QString &name)
{
    return !QStandardPaths::findExecutable(name).isEmpty();
}

struct Outcome
{
    int exitCode = -1;
    QString out;
    QString err;
};

// Runs a program with `extra` added to the environment; fails the test when
// it cannot start or does not end within a minute.
Outcome run(const QString &program, const QStringList &arguments, const QMap<QString, QString> &extra = {})
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (auto it = extra.begin(); it != extra.end(); ++it)
        env.insert(it.key(), it.value());
    process.setProcessEnvironment(env);
    process.start(program, arguments);
    Outcome outcome;
    if (!process.waitForStarted(10000) || !process.waitForFinished(60000)) {
        process.kill();
        process.waitForFinished();
        outcome.err = program + QStringLiteral(" did not run");
        return outcome;
    }
    outcome.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    outcome.out = QString::fromLocal8Bit(process.readAllStandardOutput());
    outcome.err = QString::fromLocal8Bit(process.readAllStandardError());
    return outcome;
}

// The keys of a desktop entry's main group (no localised keys are used).
QMap<QString, QString> desktopEntryKeys(const QString &path)
{
    QMap<QString, QString> keys;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return keys;
    bool inMainGroup = false;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (line.startsWith(QLatin1Char('[')))
            inMainGroup = line == QLatin1String("[Desktop Entry]");
        else if (inMainGroup && line.contains(QLatin1Char('=')) && !line.startsWith(QLatin1Char('#')))
            keys.insert(line.section(QLatin1Char('='), 0, 0).trimmed(),
                        line.section(QLatin1Char('='), 1).trimmed());
    }
    return keys;
}

// The MIME types the package file in data/ declares.
QStringList declaredTypes()
{
    QStringList types;
    QFile file(sourceDir() + QStringLiteral("/data/cardwright-mime.xml"));
    if (!file.open(QIODevice::ReadOnly))
        return types;
    QXmlStreamReader xml(&file);
    while (!xml.atEnd() && !xml.hasError()) {
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == QLatin1String("mime-type"))
            types << xml.attributes().value(QLatin1String("type")).toString();
    }
    return xml.hasError() ? QStringList() : types;
}

// A card of one ellipse, as the designer saves it.
bool writeCard(const QString &path)
{
    model::TBCShapes shape;
    shape.SetShape(model::stEllipse);
    model::TGLabelObjectFiler::WriteObjects({&shape}, path);
    return QFileInfo(path).size() > 6;
}

bool writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QString gioContentType(const QString &path, const QMap<QString, QString> &env)
{
    const Outcome info = run(
        QStringLiteral("gio"),
        {QStringLiteral("info"), QStringLiteral("-a"), QStringLiteral("standard::content-type"), path}, env);
    const QRegularExpressionMatch m =
        QRegularExpression(QStringLiteral("standard::content-type: (\\S+)")).match(info.out);
    return m.hasMatch() ? m.captured(1) : QStringLiteral("(gio: %1)").arg(info.err.trimmed());
}

QString qtContentType(const QString &path, const QMap<QString, QString> &env)
{
    const Outcome child =
        run(QCoreApplication::applicationFilePath(), {QString::fromLatin1(MimeTypeOfOption), path}, env);
    return child.exitCode == 0 ? child.out.trimmed() : QStringLiteral("(child: %1)").arg(child.err.trimmed());
}

} // namespace

class TestDesktop : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dataHome;
    QTemporaryDir m_files;
    QMap<QString, QString> m_mimeEnv;
    bool m_mimeReady = false;

private slots:
    void initTestCase()
    {
        QVERIFY2(QFileInfo(sourceDir() + QStringLiteral("/data")).isDir(),
                 "CW_SOURCE_DIR must name the source tree");
        QVERIFY(m_dataHome.isValid() && m_files.isValid());
        // A private data folder that knows the card type only from our
        // package file; the system's own types stay visible beside it.
        if (haveTool(QStringLiteral("update-mime-database"))) {
            const QString packages = m_dataHome.filePath(QStringLiteral("mime/packages"));
            QVERIFY(QDir().mkpath(packages));
            QVERIFY(QFile::copy(sourceDir() + QStringLiteral("/data/cardwright-mime.xml"),
                                packages + QStringLiteral("/cardwright.xml")));
            const Outcome update =
                run(QStringLiteral("update-mime-database"), {m_dataHome.filePath(QStringLiteral("mime"))});
            QVERIFY2(update.exitCode == 0, qPrintable(update.err));
            m_mimeReady = true;
        }
        m_mimeEnv = {{QStringLiteral("XDG_DATA_HOME"), m_dataHome.path()},
                     {QStringLiteral("XDG_DATA_DIRS"), QStringLiteral("/usr/local/share:/usr/share")},
                     {QStringLiteral("GIO_USE_VFS"), QStringLiteral("local")}};
    }

    void desktopEntryIsValidAndMatchesTheTypeAndIcon()
    {
        const QStringList entries =
            QDir(sourceDir() + QStringLiteral("/data")).entryList({QStringLiteral("*.desktop")}, QDir::Files);
        QVERIFY(!entries.isEmpty());
        const QStringList types = declaredTypes();
        QVERIFY(types.contains(CardType));
        for (const QString &name : entries) {
            const QString path = sourceDir() + QStringLiteral("/data/") + name;
            const QMap<QString, QString> keys = desktopEntryKeys(path);
            QCOMPARE(keys.value(QStringLiteral("Type")), QStringLiteral("Application"));
            // A file manager hands the card file over through a field code.
            QVERIFY2(QRegularExpression(QStringLiteral("^cardwright .*%[fFuU]"))
                         .match(keys.value(QStringLiteral("Exec")))
                         .hasMatch(),
                     qPrintable(keys.value(QStringLiteral("Exec"))));
            QVERIFY(keys.value(QStringLiteral("MimeType")).split(QLatin1Char(';')).contains(CardType));
            QVERIFY(QFileInfo::exists(sourceDir() + QStringLiteral("/data/") +
                                      keys.value(QStringLiteral("Icon")) + QStringLiteral(".svg")));
            if (!haveTool(QStringLiteral("desktop-file-validate")))
                QSKIP("desktop-file-validate is not installed (package desktop-file-utils)");
            const Outcome check = run(QStringLiteral("desktop-file-validate"), {path});
            QVERIFY2(check.exitCode == 0 && check.out.trimmed().isEmpty() && check.err.trimmed().isEmpty(),
                     qPrintable(check.out + check.err));
        }
    }

    void cardFilesAreRecognised_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("content"); // empty: a card written by the filer
        QTest::addColumn<bool>("isCard");
        QTest::newRow("card named .cwr") << "Acme.cwr" << QByteArray() << true;
        QTest::newRow("card named .CWR") << "BC0001.CWR" << QByteArray() << true;
        // Mail attachments and copies lose their names: the content decides.
        QTest::newRow("card without extension") << "Acme card" << QByteArray() << true;
        QTest::newRow("card with an unknown extension") << "Acme.dat" << QByteArray() << true;
        // Only the list start followed by a record signature is a card.
        QTest::newRow("signature not at the start")
            << "notes" << QByteArray("TPF0\x01TPF0 and more text\n") << false;
        QTest::newRow("text file") << "readme.txt" << QByteArray("\x01TPF0 is how a card begins\n") << false;
    }

    void cardFilesAreRecognised()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, content);
        QFETCH(bool, isCard);
        if (!m_mimeReady)
            QSKIP("update-mime-database is not installed (package shared-mime-info)");
        const QString path = m_files.filePath(name);
        QVERIFY(content.isEmpty() ? writeCard(path) : writeBytes(path, content));

        const QString qtType = qtContentType(path, m_mimeEnv);
        QVERIFY2((qtType == CardType) == isCard, qPrintable(qtType));
        if (!haveTool(QStringLiteral("gio")))
            QSKIP("gio is not installed (package libglib2.0-bin)");
        const QString gioType = gioContentType(path, m_mimeEnv);
        QVERIFY2((gioType == CardType) == isCard, qPrintable(gioType));
    }

    void damagedCardFileIsStillOfferedToTheDesigner()
    {
        // The name is enough to offer it; the designer then says it cannot
        // read it.  Nothing else about the file is trusted.
        if (!m_mimeReady)
            QSKIP("update-mime-database is not installed (package shared-mime-info)");
        const QString path = m_files.filePath(QStringLiteral("damaged.cwr"));
        QVERIFY(writeBytes(path, QByteArray("not a card at all")));
        QCOMPARE(qtContentType(path, m_mimeEnv), CardType);
        // Without our package file the same files are no card files.
        QMap<QString, QString> withoutPackage = m_mimeEnv;
        QTemporaryDir empty;
        withoutPackage[QStringLiteral("XDG_DATA_HOME")] = empty.path();
        QVERIFY(qtContentType(path, withoutPackage) != CardType);
    }

    void installPutsTheDesktopFilesUnderThePrefix()
    {
        const QString buildDir =
            QDir::cleanPath(QCoreApplication::applicationDirPath() + QStringLiteral("/.."));
        const QString script = buildDir + QStringLiteral("/data/cmake_install.cmake");
        if (!QFileInfo::exists(script) || !haveTool(QStringLiteral("cmake")))
            QSKIP("not run from a configured build tree");
        if (!QFileInfo::exists(buildDir + QStringLiteral("/data/icons/48x48/cardwright.png")))
            QSKIP("the icons are not built yet (target cardwright-icons)");
        QTemporaryDir prefixDir(QDir::tempPath() + QStringLiteral("/cw prefix XXXXXX"));
        const QString prefix = prefixDir.path();
        const Outcome install =
            run(QStringLiteral("cmake"),
                {QStringLiteral("-DCMAKE_INSTALL_PREFIX=") + prefix, QStringLiteral("-P"), script},
                {{QStringLiteral("DESTDIR"), QString()}});
        QVERIFY2(install.exitCode == 0, qPrintable(install.out + install.err));

        const QString share = prefix + QStringLiteral("/share/");
        const QString entry = share + QStringLiteral("applications/cardwright.desktop");
        const QMap<QString, QString> keys = desktopEntryKeys(entry);
        // The installed entry starts the program by its full path, quoted
        // because this prefix has a space in it.
        QCOMPARE(keys.value(QStringLiteral("Exec")), QStringLiteral("\"%1/bin/cardwright\" %f").arg(prefix));
        QCOMPARE(keys.value(QStringLiteral("TryExec")), prefix + QStringLiteral("/bin/cardwright"));
        if (haveTool(QStringLiteral("desktop-file-validate"))) {
            const Outcome check = run(QStringLiteral("desktop-file-validate"), {entry});
            QVERIFY2(check.exitCode == 0 && check.out.trimmed().isEmpty(), qPrintable(check.out + check.err));
        }
        for (int size : {16, 48, 256}) {
            const QString png = share + QStringLiteral("icons/hicolor/%1x%1/apps/cardwright.png").arg(size);
            QCOMPARE(QImageReader(png).size(), QSize(size, size));
        }
        QVERIFY(QFileInfo::exists(share + QStringLiteral("icons/hicolor/scalable/apps/cardwright.svg")));
        QVERIFY(QFileInfo::exists(share + QStringLiteral("mime/packages/cardwright.xml")));
        QVERIFY(QFileInfo::exists(share + QStringLiteral("man/man1/cardwright.1")));
        QVERIFY(QFileInfo::exists(share + QStringLiteral("man/man1/cardwright-cli.1")));
        if (!haveTool(QStringLiteral("update-mime-database")) || !haveTool(QStringLiteral("gio")))
            return;
        // The prefix's MIME database was brought up to date: a card is known
        // there with nothing else done, and the installed entry is offered
        // for it (a stand-in program satisfies TryExec).
        QVERIFY(QFileInfo::exists(share + QStringLiteral("mime/mime.cache")));
        QVERIFY(QDir().mkpath(prefix + QStringLiteral("/bin")));
        QVERIFY(writeBytes(prefix + QStringLiteral("/bin/cardwright"), "#!/bin/sh\nexit 0\n"));
        QFile::setPermissions(prefix + QStringLiteral("/bin/cardwright"),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QTemporaryDir home;
        const QMap<QString, QString> env = {
            {QStringLiteral("XDG_DATA_HOME"), home.filePath(QStringLiteral("data"))},
            {QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral("config"))},
            {QStringLiteral("XDG_DATA_DIRS"), share + QStringLiteral(":/usr/share")},
            {QStringLiteral("GIO_USE_VFS"), QStringLiteral("local")}};
        const QString card = home.filePath(QStringLiteral("Acme.cwr"));
        QVERIFY(writeCard(card));
        QCOMPARE(gioContentType(card, env), CardType);
        const Outcome handlers = run(QStringLiteral("gio"), {QStringLiteral("mime"), CardType}, env);
        QVERIFY2(handlers.out.contains(QStringLiteral("cardwright.desktop")),
                 qPrintable(handlers.out + handlers.err));
    }

    void startHandsItsFileToTheRunningDesigner()
    {
        // The designer as a file manager starts it: relative to the folder
        // it is started in, handed to the designer already running on the
        // same display, and ended at once.
        const QString program =
            QDir::cleanPath(QCoreApplication::applicationDirPath() + QStringLiteral("/../cardwright"));
        if (!QFileInfo(program).isExecutable())
            QSKIP("the designer is not built yet (target cardwright)");
        const QString display = QStringLiteral(":cw-test-") + QUuid::createUuid().toString(QUuid::Id128);
        ui::SingleInstance running(ui::SingleInstance::keyFor(::getuid(), QString(), display));
        QVERIFY(running.listen());
        QSignalSpy asked(&running, &ui::SingleInstance::activationRequested);
        auto start = [&](const QStringList &arguments) {
            auto process = std::make_unique<QProcess>();
            QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
            env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
            env.insert(QStringLiteral("DISPLAY"), display);
            env.remove(QStringLiteral("WAYLAND_DISPLAY"));
            env.remove(QStringLiteral("CW_QUIT_AFTER_FIRST_PAINT"));
            process->setProcessEnvironment(env);
            process->setWorkingDirectory(m_files.path());
            process->start(program, arguments);
            return process;
        };

        auto withFile = start({QStringLiteral("Acme card.cwr")});
        QVERIFY(asked.wait(20000));
        QVERIFY(withFile->waitForFinished(20000));
        QCOMPARE(withFile->exitCode(), 0);
        QCOMPARE(ui::SingleInstance::fileOfMessage(asked.at(0).at(0).toByteArray()),
                 m_files.filePath(QStringLiteral("Acme card.cwr")));

        auto plain = start({});
        QVERIFY(asked.wait(20000));
        QVERIFY(plain->waitForFinished(20000));
        QCOMPARE(plain->exitCode(), 0);
        QCOMPARE(asked.at(1).at(0).toByteArray(), QByteArray("raise"));

        // A wrong command line ends before reaching anyone.
        auto wrong = start({QStringLiteral("a.cwr"), QStringLiteral("b.cwr")});
        QVERIFY(wrong->waitForFinished(20000));
        QCOMPARE(wrong->exitCode(), 2);
        QVERIFY(QString::fromLocal8Bit(wrong->readAllStandardError())
                    .contains(QStringLiteral("usage: cardwright")));
        QTest::qWait(200);
        QCOMPARE(asked.size(), 2);
    }
};

int main(int argc, char *argv[])
{
    if (argc == 3 && qstrcmp(argv[1], MimeTypeOfOption) == 0) {
        QCoreApplication app(argc, argv);
        std::printf("%s\n",
                    qPrintable(QMimeDatabase().mimeTypeForFile(QString::fromLocal8Bit(argv[2])).name()));
        return 0;
    }
    QGuiApplication app(argc, argv);
    TestDesktop test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_desktop.moc"
