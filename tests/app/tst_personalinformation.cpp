#include "app/TPersonalInformation.h"
#include "support/ScriptedInteraction.h"

#include <QLineEdit>
#include <QTest>

using namespace cw;
using ui::TPersonalInformation;

class TestPersonalInformation : public QObject
{
    Q_OBJECT
private slots:
    void tenEditsInOrder()
    {
        TPersonalInformation dialog;
        QCOMPARE(dialog.windowTitle(), QString("Personal Information"));
        const char *names[] = {"pPersonalName",     "pPersonalCompany",  "pPersonalTitle",
                               "pPersonalAddress1", "pPersonalAddress2", "pPersonalAddress3",
                               "pPersonalPhone1",   "pPersonalPhone2",   "pPersonalEmail",
                               "pPersonalFax"};
        TPersonalInformation::Texts texts;
        for (int i = 0; i < 10; ++i)
            texts[i] = QString("text %1").arg(i);
        dialog.SetTexts(texts);
        for (int i = 0; i < 10; ++i) {
            auto *edit = dialog.findChild<QLineEdit *>(names[i]);
            QVERIFY2(edit, names[i]);
            QCOMPARE(edit->text(), texts[i]);
            QCOMPARE(edit->width(), 301);
        }
        QCOMPARE(dialog.GetTexts(), texts);
    }

    void okTakesTheTextsCancelKeepsThem()
    {
        test::ScriptedInteraction ui;
        TPersonalInformation::Texts texts;
        texts[0] = "Ann";
        ui.dialogs.enqueue([](QDialog &dialog) {
            if (dialog.findChild<QLineEdit *>("pPersonalName")->text() != "Ann")
                return int(QDialog::Rejected);
            dialog.findChild<QLineEdit *>("pPersonalFax")->setText("  = 555");
            return int(QDialog::Accepted);
        });
        QVERIFY(TPersonalInformation::Execute(texts));
        QCOMPARE(texts[9], QString("  = 555"));

        ui.dialogs.enqueue([](QDialog &dialog) {
            dialog.findChild<QLineEdit *>("pPersonalName")->setText("Bob");
            return int(QDialog::Rejected);
        });
        QVERIFY(!TPersonalInformation::Execute(texts));
        QCOMPARE(texts[0], QString("Ann"));
    }
};

QTEST_MAIN(TestPersonalInformation)
#include "tst_personalinformation.moc"
