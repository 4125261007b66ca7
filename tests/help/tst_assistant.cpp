// The Quick Tips assistant: its topics, paging five at a time, the choice
// between the label and the text-box page, placement beside the main window
// and the window's reuse and shape.

#include "help/TAmbitButton.h"
#include "help/TAssistantZook.h"
#include "help/TAssistantZookForm.h"
#include "help/THelpWindow.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QTextBrowser>
#include <QtTest>

using namespace cw::ui;

class TestAssistant : public QObject
{
    Q_OBJECT

private:
    static QStringList numbered(int n, const QString &prefix)
    {
        QStringList list;
        for (int i = 1; i <= n; ++i)
            list << prefix + QString::number(i);
        return list;
    }

private slots:
    void shippedTopicsAreExact()
    {
        const QStringList topics = TAssistantZook::ShippedTopics();
        QCOMPARE(topics.size(), 9);
        QCOMPARE(TAssistantZook::ShippedAnswers().size(), 9);
        QCOMPARE(topics.at(0), QStringLiteral("How do I create a new business card?"));
        QCOMPARE(topics.at(3), QStringLiteral("How do I change an object's properties?"));
        // Two titles keep their runs of blanks.
        QCOMPARE(topics.at(6), QStringLiteral("How do I move an object?                    "));
        QCOMPARE(topics.at(7), QStringLiteral("How do I resize an object?                  "));
        QCOMPARE(topics.at(8), QStringLiteral("How do I zoom the view of the business card?"));
        TAssistantZook zook;
        QCOMPARE(zook.Caption, QStringLiteral("Quick Tips"));
        QCOMPARE(zook.Topics, topics);
    }

    void nineTopicsMakeTwoPages()
    {
        TAssistantZookForm form;
        form.SetTopics(TAssistantZook::ShippedTopics(), TAssistantZook::ShippedAnswers());
        QCOMPARE(form.PageCount(), 2);
        QCOMPARE(form.CurrentPage(), 1);
        for (int k = 1; k <= 5; ++k) {
            QCOMPARE(form.TopicButton(k)->text(), TAssistantZook::ShippedTopics().at(k - 1));
            QVERIFY(form.TopicButton(k)->Showing());
            QVERIFY(form.TopicButton(k)->isEnabled());
        }
        QVERIFY(!form.MoreButton()->isHidden());
        QVERIFY(form.PreviousButton()->isHidden());

        form.MoreClick();
        QCOMPARE(form.CurrentPage(), 2);
        QCOMPARE(form.FirstTopic(), 6);
        QCOMPARE(form.ButtonsInUse(), 4);
        for (int k = 1; k <= 4; ++k)
            QCOMPARE(form.TopicButton(k)->text(), TAssistantZook::ShippedTopics().at(4 + k));
        QVERIFY(!form.TopicButton(5)->Showing());
        QVERIFY(!form.TopicButton(5)->isEnabled());
        QCOMPARE(form.TopicButton(5)->property("tag").toInt(), 9); // tag set past the last topic too
        QVERIFY(form.MoreButton()->isHidden());
        QVERIFY(!form.PreviousButton()->isHidden());

        form.PreviousClick();
        QCOMPARE(form.CurrentPage(), 1);
        QVERIFY(form.TopicButton(5)->Showing());
        QVERIFY(form.TopicButton(5)->isEnabled());
    }

    void exactlyFiveTopicsMakeOnePage()
    {
        TAssistantZookForm form;
        form.SetTopics(numbered(5, QStringLiteral("T")), numbered(5, QStringLiteral("A")));
        QCOMPARE(form.PageCount(), 1);
        QCOMPARE(form.ButtonsInUse(), 5);
        QVERIFY(form.MoreButton()->isHidden());
        QVERIFY(form.PreviousButton()->isHidden());
        form.MoreClick(); // nothing beyond the last page
        QCOMPARE(form.CurrentPage(), 1);

        form.SetTopics(numbered(6, QStringLiteral("T")), numbered(6, QStringLiteral("A")));
        QCOMPARE(form.PageCount(), 2);
        form.MoreClick();
        QCOMPARE(form.ButtonsInUse(), 1);
        QCOMPARE(form.TopicButton(1)->text(), QStringLiteral("T6"));
    }

    void answerGoesToLabelOrTextBoxByItsHeight()
    {
        TAssistantZookForm form;
        const QString longAnswer = QStringLiteral("Many words in a long answer. ").repeated(60);
        form.SetTopics({QStringLiteral("Short "), QStringLiteral("Long")},
                       {QStringLiteral("A short answer."), longAnswer});
        QCOMPARE(form.VisiblePage(), int(TAssistantZookForm::MainPage));
        QVERIFY(form.BackButton()->isHidden());

        form.TopicButton(1)->click();
        QCOMPARE(form.VisiblePage(), int(TAssistantZookForm::LabelPage));
        QCOMPARE(form.AnswerLabel()->text(), QStringLiteral("A short answer."));
        QCOMPARE(form.AnswerCaption(TAssistantZookForm::LabelPage)->text(), QStringLiteral("Short"));
        QVERIFY(!form.BackButton()->isHidden());

        form.BackClick();
        QCOMPARE(form.VisiblePage(), int(TAssistantZookForm::MainPage));
        QVERIFY(form.BackButton()->isHidden());

        form.TopicButton(2)->click();
        QCOMPARE(form.VisiblePage(), int(TAssistantZookForm::MemoPage));
        QCOMPARE(form.AnswerMemo()->toPlainText(), longAnswer);
        QCOMPARE(form.AnswerCaption(TAssistantZookForm::MemoPage)->text(), QStringLiteral("Long"));
        QVERIFY(form.AnswerMemo()->isReadOnly());
    }

    void everyShippedAnswerIsShownWhole()
    {
        TAssistantZookForm form;
        form.SetTopics(TAssistantZook::ShippedTopics(), TAssistantZook::ShippedAnswers());
        for (int i = 0; i < 9; ++i) {
            form.ShowAnswer(i);
            const QString shown = form.VisiblePage() == TAssistantZookForm::LabelPage
                                      ? form.AnswerLabel()->text()
                                      : form.AnswerMemo()->toPlainText();
            QCOMPARE(shown, TAssistantZook::ShippedAnswers().at(i));
            if (form.VisiblePage() == TAssistantZookForm::LabelPage) {
                const QRect need = QFontMetrics(form.AnswerLabel()->font())
                                       .boundingRect(QRect(0, 0, form.AnswerLabel()->width(), 100000),
                                                     Qt::TextWordWrap, shown);
                QVERIFY(need.height() <= form.AnswerLabel()->height());
            }
        }
    }

    void placementBesideTheOwnerStaysOnScreen()
    {
        const QRect screen(0, 0, 1280, 1024);
        const QSize size(228, 372);
        // Half over the owner's right edge, level with its client area.
        QCOMPARE(TAssistantZookForm::Placement(QRect(100, 50, 600, 400), QPoint(104, 80), size, screen),
                 QPoint(100 + 600 - 114, 80));
        // Near the right edge: flush with the screen's right edge.
        QCOMPARE(TAssistantZookForm::Placement(QRect(700, 50, 560, 400), QPoint(704, 80), size, screen).x(),
                 1280 - 228);
        // Near the bottom: flush with the screen's bottom edge.
        QCOMPARE(TAssistantZookForm::Placement(QRect(100, 800, 600, 200), QPoint(104, 830), size, screen).y(),
                 1024 - 372);
    }

    void executeReusesOneWindowAndCloseOnlyHides()
    {
        QWidget owner;
        owner.resize(400, 300);
        owner.show();
        TAssistantZook *zook = TAssistantZook::Show(&owner);
        QVERIFY(zook);
        QCOMPARE(zook->parent(), &owner);
        QPointer<TAssistantZookForm> form = zook->Form();
        QVERIFY(form);
        QVERIFY(form->isVisible());
        QCOMPARE(form->Caption(), QStringLiteral("Quick Tips"));
        QCOMPARE(form->size(), QSize(228, 372));
        form->MoreClick();
        form->ShowAnswer(0);

        form->CloseButton()->click();
        QVERIFY(!form->isVisible());
        QVERIFY(form);

        // A second press shows the same window, back at the first page of topics.
        QCOMPARE(TAssistantZook::Show(&owner), zook);
        QCOMPARE(zook->Form(), form.data());
        QVERIFY(form->isVisible());
        QCOMPARE(form->CurrentPage(), 1);
        QCOMPARE(form->VisiblePage(), int(TAssistantZookForm::MainPage));

        delete zook;
        QVERIFY(!form); // the component frees its window
    }

    void windowIsRoundedAndDraggedByItsTitle()
    {
        TAssistantZookForm form;
        const QRegion shape = form.mask();
        QVERIFY(!shape.isEmpty());
        QVERIFY(!shape.contains(QPoint(0, 0)));
        QVERIFY(!shape.contains(QPoint(227, 371)));
        QVERIFY(shape.contains(QPoint(114, 186)));
        QVERIFY(shape.contains(QPoint(114, 2)));

        form.move(100, 100);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        const QPoint before = form.pos();
        QTest::mousePress(&form, Qt::LeftButton, {}, QPoint(60, 8));
        QMouseEvent move(QEvent::MouseMove, QPointF(90, 28), form.mapToGlobal(QPointF(90, 28)),
                         Qt::LeftButton, Qt::LeftButton, {});
        QApplication::sendEvent(&form, &move);
        QTest::mouseRelease(&form, Qt::LeftButton, {}, QPoint(90, 28));
        QCOMPARE(form.pos(), before + QPoint(30, 20));

        // A press below the title strip does not move the window.
        QTest::mousePress(form.TopicButton(1)->parentWidget(), Qt::LeftButton, {}, QPoint(2, 300));
        QCOMPARE(form.pos(), before + QPoint(30, 20));
    }

    void seeAlsoOpensFrequentlyAskedQuestions()
    {
        TAssistantZookForm form;
        form.SeeAlsoButton(TAssistantZookForm::LabelPage)->click();
        THelpWindow *help = THelpWindow::existing();
        QVERIFY(help);
        QCOMPARE(help->Browser()->source().fileName(), help->Book().ContextUrl(911)->fileName());
        delete help;
    }
};

QTEST_MAIN(TestAssistant)
#include "tst_assistant.moc"
