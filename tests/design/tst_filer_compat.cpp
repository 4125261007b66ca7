// Card files written by other programs: entries that refer to components of
// the writing window rather than to the card.

#include "design/model/EFilerError.h"
#include "design/model/TGGraphicControl.h"
#include "design/model/TGLabelObjectFiler.h"
#include "design/model/TStreamWriter.h"

#include <QTest>

using namespace cw::model;

class TestFilerCompat : public QObject
{
    Q_OBJECT

    static QByteArray circleTextWithPopupMenu(int form)
    {
        TStreamWriter w;
        w.writeListBegin();
        w.writeRecordBegin("TGPCircleText", "CircleText1");
        for (const char *name : {"Left", "Top", "Width", "Height"}) {
            w.writePropertyName(name);
            w.writeInteger(40);
        }
        w.writePropertyName("PopupMenu");
        if (form == 0)
            w.writeIdent("PopupMenu1");
        else
            w.writeNil();
        w.writeRecordEnd();
        w.writeListEnd();
        return w.data();
    }

private slots:
    void popupMenuReferencesAreDropped()
    {
        for (int form : {0, 1}) {
            const auto objects = TGLabelObjectFiler().ReadObjectList(circleTextWithPopupMenu(form));
            QCOMPARE(objects.size(), size_t(1));
            QCOMPARE(objects[0]->BoundsRect(), QRect(40, 40, 40, 40));
        }
    }

    void otherUnknownEntriesStillFail()
    {
        TStreamWriter w;
        w.writeListBegin();
        w.writeRecordBegin("TBCShapes", "Shape1");
        w.writePropertyName("NoSuchProperty");
        w.writeIdent("PopupMenu1");
        w.writeRecordEnd();
        w.writeListEnd();
        QVERIFY_THROWS_EXCEPTION(EReadError, TGLabelObjectFiler().ReadObjectList(w.data()));
    }
};

QTEST_MAIN(TestFilerCompat)
#include "tst_filer_compat.moc"
