#include "app/model/ProgramFolder.h"
#include "support/TestFolder.h"

#include <QTest>

using namespace cw;

class TestProgramFolder : public QObject
{
    Q_OBJECT
private slots:
    void overrideEndsInSlashAndIsRestored()
    {
        const QString normal = model::ProgramFolder::path();
        QVERIFY(normal.endsWith('/'));
        {
            test::TestFolder folder;
            QCOMPARE(model::ProgramFolder::path(), folder.path());
            QCOMPARE(model::ProgramFolder::file("CWR.INI"), folder.path() + "CWR.INI");
        }
        QCOMPARE(model::ProgramFolder::path(), normal);
    }
};

QTEST_MAIN(TestProgramFolder)
#include "tst_programfolder.moc"
