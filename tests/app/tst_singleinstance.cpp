// One designer per user: a second start reaches the first and ends; the card
// file a start is given (by a file manager) opens in the designer that runs.

#include "app/SingleInstance.h"
#include "app/TMainScreen.h"
#include "design/TGBusinessCardPanel32.h"
#include "design/model/TBCShapes.h"
#include "design/model/TGLabelObjectFiler.h"
#include "support/ScriptedInteraction.h"
#include "support/TestFolder.h"

#include <QDialog>
#include <QProcess>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTest>
#include <QUuid>

#include <unistd.h>

using namespace cw;
using namespace cw::ui;

namespace {

QString uniqueKey()
{
    return QStringLiteral("cardwright-test-") + QUuid::createUuid().toString(QUuid::Id128);
}

// A card of `count` ellipses, as the designer saves it.
void writeCard(const QString &path, int count)
{
    std::vector<std::unique_ptr<model::TBCShapes>> shapes;
    model::TGLabelObjectFiler::ObjectRefs refs;
    for (int i = 0; i < count; ++i) {
        shapes.push_back(std::make_unique<model::TBCShapes>());
        shapes.back()->SetShape(model::stEllipse);
        refs.push_back(shapes.back().get());
    }
    model::TGLabelObjectFiler::WriteObjects(refs, path);
}

bool noPrinters()
{
    return false;
}

} // namespace

class TestSingleInstance : public QObject
{
    Q_OBJECT

private slots:
    void secondStartReachesTheFirst()
    {
        const QString key = uniqueKey();
        SingleInstance first(key);
        QVERIFY(!first.notifyRunningInstance()); // nobody there yet
        QVERIFY(first.listen());
        QSignalSpy raised(&first, &SingleInstance::activationRequested);

        SingleInstance second(key);
        QElapsedTimer clock;
        clock.start();
        QVERIFY(second.notifyRunningInstance());
        QVERIFY(clock.elapsed() < 1000);
        QVERIFY(raised.wait(2000));
        QCOMPARE(raised.at(0).at(0).toByteArray(), QByteArray("raise"));
    }

    void nothingStaleAfterTheFirstEnds()
    {
        const QString key = uniqueKey();
        {
            SingleInstance first(key);
            QVERIFY(first.listen());
        }
        SingleInstance again(key);
        QVERIFY(!again.notifyRunningInstance());
        QVERIFY(again.listen());
    }

    void secondStartHandsOverACardFile()
    {
        const QString key = uniqueKey();
        SingleInstance first(key);
        QVERIFY(first.listen());
        QSignalSpy raised(&first, &SingleInstance::activationRequested);
        const QString path = QStringLiteral("/home/ada/Saved/Übersicht Ω.cwr");
        SingleInstance second(key);
        QVERIFY(second.notifyRunningInstance(SingleInstance::openMessage(path)));
        QVERIFY(raised.wait(2000));
        QCOMPARE(SingleInstance::fileOfMessage(raised.at(0).at(0).toByteArray()), path);
        QCOMPARE(SingleInstance::fileOfMessage(SingleInstance::openMessage(QString())), QString());
        QCOMPARE(SingleInstance::openMessage(QString()), QByteArray("raise"));
    }

    void cardFileArgumentOfAStart()
    {
        QString file = QStringLiteral("left over");
        QVERIFY(SingleInstance::cardFileArgument({}, QStringLiteral("/home/ada"), &file));
        QCOMPARE(file, QString());
        // Relative to the folder the start was made in, as a shell passes it.
        QVERIFY(SingleInstance::cardFileArgument({QStringLiteral("Saved/../Acme.cwr")},
                                                 QStringLiteral("/home/ada"), &file));
        QCOMPARE(file, QStringLiteral("/home/ada/Acme.cwr"));
        QVERIFY(SingleInstance::cardFileArgument({QStringLiteral("/srv/cards/Über Ω.CWR")},
                                                 QStringLiteral("/home/ada"), &file));
        QCOMPARE(file, QStringLiteral("/srv/cards/Über Ω.CWR"));
        // Some file managers pass local files as URLs.
        QVERIFY(SingleInstance::cardFileArgument({QStringLiteral("file:///srv/cards/%C3%9Cber%20card.cwr")},
                                                 QStringLiteral("/home/ada"), &file));
        QCOMPARE(file, QStringLiteral("/srv/cards/Über card.cwr"));
        // Anything else is a usage error and names no file.
        for (const QStringList &wrong :
             {QStringList{QStringLiteral("--help")},
              QStringList{QStringLiteral("a.cwr"), QStringLiteral("b.cwr")},
              QStringList{QStringLiteral("https://example.org/a.cwr")}, QStringList{QString()}}) {
            QVERIFY2(!SingleInstance::cardFileArgument(wrong, QStringLiteral("/home/ada"), &file),
                     qPrintable(wrong.join(' ')));
            QCOMPARE(file, QString());
        }
    }

    void handedOverCardOpensInTheRunningDesigner()
    {
        test::TestFolder folder;
        test::ScriptedInteraction script;
        const auto printersBefore = TMainScreen::hasPrinters;
        TMainScreen::hasPrinters = &noPrinters;
        TMainScreen window;
        window.FormActivate();
        const QString key = uniqueKey();
        SingleInstance first(key);
        QVERIFY(first.listen());
        first.serve(
            &window, [&window](const QString &path) { window.OpenFromDesktop(path); },
            [&window] { return window.Busy; });

        const QString card = folder.file(QStringLiteral("Saved/Acme card.cwr"));
        writeCard(card, 2);
        QVERIFY(SingleInstance(key).notifyRunningInstance(SingleInstance::openMessage(card)));
        QTRY_COMPARE(window.FileName, card);
        QCOMPARE(window.BusinessCardPanel()->ObjectCount(), 2);
        QVERIFY(window.isVisible()); // raised

        // A file that is no card, or is gone by now, is reported; the
        // designer goes on.
        script.informations.clear();
        const QString damaged = folder.file(QStringLiteral("damaged.cwr"));
        QFile bad(damaged);
        QVERIFY(bad.open(QIODevice::WriteOnly));
        bad.write("\x01TPF0\x09TBCShapes");
        bad.close();
        QVERIFY(SingleInstance(key).notifyRunningInstance(SingleInstance::openMessage(damaged)));
        QTRY_COMPARE(script.informations.size(), 1);
        QCOMPARE(script.informations.at(0),
                 QStringLiteral("Unable to open ") + damaged +
                     QStringLiteral(". Possibly corrupted, possibly not a CWR file"));
        const QString gone = folder.file(QStringLiteral("gone.cwr"));
        QVERIFY(SingleInstance(key).notifyRunningInstance(SingleInstance::openMessage(gone)));
        QTRY_COMPARE(script.informations.size(), 2);
        QCOMPARE(script.informations.at(1), gone + QStringLiteral(" no longer exists"));
        TMainScreen::hasPrinters = printersBefore;
    }

    void handOverWaitsForDialogsAndCommands()
    {
        // A card replacing the design under an open dialog or a running
        // command would pull objects from under it: the files wait, in order.
        QWidget window;
        QStringList opened;
        bool busy = false;
        const QString key = uniqueKey();
        SingleInstance first(key);
        QVERIFY(first.listen());
        first.serve(
            &window, [&opened](const QString &path) { opened << path; }, [&busy] { return busy; });

        QDialog dialog(&window);
        dialog.setModal(true);
        dialog.show();
        QVERIFY(QApplication::activeModalWidget() == &dialog);
        QVERIFY(SingleInstance(key).notifyRunningInstance(
            SingleInstance::openMessage(QStringLiteral("/c/one.cwr"))));
        QTRY_COMPARE(first.pendingFiles().size(), 1);
        QTest::qWait(300);
        QVERIFY(opened.isEmpty());
        dialog.close();
        QTRY_COMPARE(opened, QStringList{QStringLiteral("/c/one.cwr")});

        busy = true;
        QVERIFY(SingleInstance(key).notifyRunningInstance(
            SingleInstance::openMessage(QStringLiteral("/c/two.cwr"))));
        QVERIFY(SingleInstance(key).notifyRunningInstance(
            SingleInstance::openMessage(QStringLiteral("/c/three.cwr"))));
        QTRY_COMPARE(first.pendingFiles().size(), 2);
        QTest::qWait(300);
        QCOMPARE(opened.size(), 1);
        busy = false;
        QTRY_COMPARE(opened.size(), 3);
        QCOMPARE(opened.mid(1), (QStringList{QStringLiteral("/c/two.cwr"), QStringLiteral("/c/three.cwr")}));
        QVERIFY(first.pendingFiles().isEmpty());

        // A plain start only raises the window.
        QVERIFY(SingleInstance(key).notifyRunningInstance(SingleInstance::openMessage(QString())));
        QTest::qWait(100);
        QCOMPARE(opened.size(), 3);
    }

    void onlyThisUsersStartsAreHeard()
    {
        // Any user may connect to an abstract socket; a message from
        // another user's process must not open files in this designer.
        const QString setpriv = QStandardPaths::findExecutable(QStringLiteral("setpriv"));
        const QString python = QStringLiteral("/usr/bin/python3");
        if (::getuid() != 0 || setpriv.isEmpty() || !QFileInfo(python).isExecutable())
            QSKIP("needs root, setpriv and python3 to send as another user");
        const QString key = uniqueKey();
        SingleInstance first(key);
        QVERIFY(first.listen());
        QSignalSpy heard(&first, &SingleInstance::activationRequested);
        const QString send = QStringLiteral("import socket, sys\n"
                                            "s = socket.socket(socket.AF_UNIX)\n"
                                            "s.connect('\\0' + sys.argv[1])\n"
                                            "s.sendall(b'open\\n/tmp/planted.cwr')\n"
                                            "s.close()\n");
        auto runAs = [&](const QStringList &prefix) {
            QProcess process;
            QStringList arguments = prefix;
            arguments << python << QStringLiteral("-c") << send << key;
            const QString program = arguments.takeFirst();
            process.start(program, arguments);
            // The server accepts in this event loop: keep it turning.
            QDeadlineTimer deadline(10000);
            while (process.state() != QProcess::NotRunning && !deadline.hasExpired())
                QTest::qWait(20);
            if (process.state() != QProcess::NotRunning)
                return -2;
            return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
        };
        QCOMPARE(runAs({setpriv, QStringLiteral("--reuid=65534"), QStringLiteral("--regid=65534"),
                        QStringLiteral("--clear-groups")}),
                 0);
        QTest::qWait(300);
        QCOMPARE(heard.size(), 0);
        // The same message from this user is heard.
        QCOMPARE(runAs({}), 0);
        QTRY_COMPARE(heard.size(), 1);
        QCOMPARE(SingleInstance::fileOfMessage(heard.at(0).at(0).toByteArray()),
                 QStringLiteral("/tmp/planted.cwr"));

        // Another user holding this user's name first does not make a start
        // end as if a designer were running.
        const QString squatKey = uniqueKey();
        QProcess squatter;
        squatter.start(setpriv, {QStringLiteral("--reuid=65534"), QStringLiteral("--regid=65534"),
                                 QStringLiteral("--clear-groups"), python, QStringLiteral("-c"),
                                 QStringLiteral("import socket, sys, time\n"
                                                "s = socket.socket(socket.AF_UNIX)\n"
                                                "s.bind('\\0' + sys.argv[1])\n"
                                                "s.listen(5)\n"
                                                "print('ready', flush=True)\n"
                                                "time.sleep(10)\n"),
                                 squatKey});
        QVERIFY(squatter.waitForReadyRead(10000));
        QVERIFY(!SingleInstance(squatKey).notifyRunningInstance());
        squatter.kill();
        squatter.waitForFinished();
    }

    void keyIsPerUserAndDisplay()
    {
        QVERIFY(SingleInstance::defaultKey().startsWith(QStringLiteral("cardwright-")));
        QCOMPARE(SingleInstance::keyFor(1000, QString(), QString()), QStringLiteral("cardwright-1000"));
        QCOMPARE(SingleInstance::keyFor(1000, QString(), QStringLiteral(":0")),
                 QStringLiteral("cardwright-1000-:0"));
        // One display however it is written; another display, another user,
        // another designer.
        QCOMPARE(SingleInstance::keyFor(1000, QString(), QStringLiteral(":0.0")),
                 SingleInstance::keyFor(1000, QString(), QStringLiteral(":0")));
        QVERIFY(SingleInstance::keyFor(1000, QString(), QStringLiteral(":1")) !=
                SingleInstance::keyFor(1000, QString(), QStringLiteral(":0")));
        QVERIFY(SingleInstance::keyFor(1001, QString(), QStringLiteral(":0")) !=
                SingleInstance::keyFor(1000, QString(), QStringLiteral(":0")));
        QCOMPARE(SingleInstance::keyFor(1000, QStringLiteral("wayland-0"), QStringLiteral(":0")),
                 QStringLiteral("cardwright-1000-wayland-0"));
        const QString odd = SingleInstance::keyFor(
            1000, QStringLiteral("/run/user/1000/w a\nyland ") + QString(200, 'x'), QString());
        QVERIFY(odd.size() <= QStringLiteral("cardwright-1000-").size() + 64);
        QVERIFY(!odd.contains(' ') && !odd.contains('/') && !odd.contains('\n'));
    }
};

QTEST_MAIN(TestSingleInstance)
#include "tst_singleinstance.moc"
