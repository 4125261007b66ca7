// The real question boxes: which button Enter and Esc press.

#include "widgets/Interaction.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

namespace cw::ui {

class TestQuestionBoxes : public QObject
{
    Q_OBJECT

    struct Seen
    {
        bool shown = false;
        QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
        QString text, caption;
    };

    // Runs `ask` and presses `key` in the box it shows; returns what the box
    // looked like.
    template <typename F> static Seen pressIn(F &&ask, int key, bool *answer)
    {
        Seen seen;
        QTimer::singleShot(0, [&] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box)
                return;
            seen.shown = true;
            seen.defaultButton = box->standardButton(box->defaultButton());
            seen.text = box->text();
            seen.caption = box->windowTitle();
            QTest::keyClick(box, Qt::Key(key));
        });
        *answer = ask();
        return seen;
    }

private slots:
    void defaultNoQuestionAnswersNoToEnterAndEsc()
    {
        QtInteraction ui;
        for (int key : {int(Qt::Key_Return), int(Qt::Key_Escape)}) {
            bool answer = true;
            const Seen seen = pressIn(
                [&] {
                    return ui.questionDefaultNo(QStringLiteral("Delete /x/a.cwr?"),
                                                QStringLiteral("CONFIRM"));
                },
                key, &answer);
            QVERIFY(seen.shown);
            QCOMPARE(seen.defaultButton, QMessageBox::No);
            QCOMPARE(seen.text, QStringLiteral("Delete /x/a.cwr?"));
            QCOMPARE(seen.caption, QStringLiteral("CONFIRM"));
            QVERIFY2(!answer, qPrintable(QString::number(key)));
        }
    }

    void plainQuestionKeepsYesAsTheDefault()
    {
        QtInteraction ui;
        bool answer = false;
        const Seen seen =
            pressIn([&] { return ui.question(QStringLiteral("Print border?"), QStringLiteral("Q")); },
                    Qt::Key_Return, &answer);
        QVERIFY(seen.shown);
        QCOMPARE(seen.defaultButton, QMessageBox::Yes);
        QVERIFY(answer);
    }
};

} // namespace cw::ui

QTEST_MAIN(cw::ui::TestQuestionBoxes)
#include "tst_questionboxes.moc"
