// One designer per user: a second start reaches the first and ends.

#include "app/SingleInstance.h"

#include <QSignalSpy>
#include <QTest>
#include <QUuid>

using namespace cw::ui;

class TestSingleInstance : public QObject
{
    Q_OBJECT

private slots:
    void secondStartReachesTheFirst()
    {
        const QString key = QStringLiteral("cardwright-test-") + QUuid::createUuid().toString(QUuid::Id128);
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
        const QString key = QStringLiteral("cardwright-test-") + QUuid::createUuid().toString(QUuid::Id128);
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
        const QString key = QStringLiteral("cardwright-test-") + QUuid::createUuid().toString(QUuid::Id128);
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

    void keyIsPerUser()
    {
        QVERIFY(SingleInstance::defaultKey().startsWith(QStringLiteral("cardwright-")));
        QVERIFY(SingleInstance::defaultKey().size() > QStringLiteral("cardwright-").size());
    }
};

QTEST_MAIN(TestSingleInstance)
#include "tst_singleinstance.moc"
