// The print job's merge: each record on its cards in a row over the selected
// positions in order, as many sheets as the records need and no empty sheet
// after them, several cards per record, the preview's first sheet only, a
// stop between cards, and a sheet without selected positions.
#include "print/engine/TReportFiler.h"
#include "print/engine/TReportReader.h"
#include "print/model/TLabelPrintJob.h"

#include <QBuffer>
#include <QTest>

using namespace cw;
using namespace cw::model;

namespace {

struct Run
{
    QStringList cards; // "record@position" in the order they were composed
    int pages = 0;
};

// A 2 x 2 sheet with the given positions selected (1 = top left).
Run compose(int records, int perRecord, QList<int> positions, bool printing = true, int stopAfter = -1)
{
    TLabelPrintJob job;
    job.Settings.Across = 2;
    job.Settings.Down = 2;
    job.Settings.Selection.fill(false);
    for (int p : positions)
        job.Settings.Selection[std::size_t(p - 1)] = true;
    job.Settings.PrintToPrinter = printing;
    job.Settings.MergeRecords = records;
    job.Settings.CopiesPerRecord = perRecord;
    job.Settings.SheetCount = 7; // the records decide the sheets
    Run run;
    int record = -1;
    job.ShowRecord = [&](int r) { record = r; };
    job.OnCard = [&](int position) {
        run.cards << QStringLiteral("%1@%2").arg(record).arg(position);
        if (int(run.cards.size()) == stopAfter)
            job.Stopped = true;
    };
    QByteArray data;
    QBuffer stream(&data);
    engine::TReportFiler filer;
    filer.SetStream(&stream);
    filer.OnPrint = [&](engine::TBaseReport &r) { job.PrintLabels(r); };
    filer.Execute();
    engine::TReportReader reader;
    if (reader.Load(data))
        run.pages = reader.PageCount();
    return run;
}

} // namespace

class TestMergeJob : public QObject
{
    Q_OBJECT
private slots:
    void recordsFillTheSelectedPositionsSheetAfterSheet()
    {
        const Run run = compose(5, 1, {1, 2, 4});
        QCOMPARE(run.cards, (QStringList{"0@1", "1@2", "2@4", "3@1", "4@2"}));
        QCOMPARE(run.pages, 2);
        // Records that end with a full sheet leave no empty sheet behind.
        QCOMPARE(compose(6, 1, {1, 2, 4}).pages, 2);
    }

    void severalCardsPerRecordStayInARow()
    {
        const Run run = compose(3, 3, {1, 2, 3, 4});
        QCOMPARE(run.cards, (QStringList{"0@1", "0@2", "0@3", "1@4", "1@1", "1@2", "2@3", "2@4", "2@1"}));
        QCOMPARE(run.pages, 3);
    }

    void previewShowsTheFirstSheet()
    {
        const Run run = compose(9, 1, {1, 2, 3, 4}, false);
        QCOMPARE(run.cards, (QStringList{"0@1", "1@2", "2@3", "3@4"}));
        QCOMPARE(run.pages, 1);
    }

    void stopEndsBetweenCardsAndNoPositionsPrintNothing()
    {
        QCOMPARE(compose(9, 1, {1, 2, 3, 4}, true, 3).cards, (QStringList{"0@1", "1@2", "2@3"}));
        const Run none = compose(4, 1, {});
        QVERIFY(none.cards.isEmpty());
        QCOMPARE(none.pages, 1);
    }
};

QTEST_MAIN(TestMergeJob)
#include "tst_mergejob.moc"
