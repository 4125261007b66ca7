// What's-this help: entries with redirection and parent fallback, the texts
// of the program's windows, what's-this mode, and the popup's size, link
// line, keys and placement at the screen's edges.

#include "app/TEditCardLayout.h"
#include "app/TMainScreen.h"
#include "app/TPersonalInformation.h"
#include "design/TGHandle.h"
#include "help/THelpTexts.h"
#include "help/TQexHelp.h"
#include "help/TQexHelpPopup.h"
#include "print/TLabelPrinter.h"
#include "print/TPreviewForm.h"
#include "print/TPrintFineTune.h"
#include "print/TWarnBottomMargin.h"
#include "support/ScriptedInteraction.h"
#include "support/TestFolder.h"
#include "text/TGFont3DEffects.h"
#include "text/TGetBCLabelText.h"
#include "text/TGetLabelText.h"
#include "text/TGetSymbol.h"
#include "text/TMultiLineTextEditor.h"

#include <QAbstractSpinBox>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QWhatsThis>
#include <QtTest>

using namespace cw;
using namespace cw::ui;

class TestQexHelp : public QObject
{
    Q_OBJECT

private:
    // Every control a user can click that should explain itself.
    static QList<QWidget *> controlsOf(QWidget *window)
    {
        QList<QWidget *> controls;
        for (QWidget *w : window->findChildren<QWidget *>()) {
            // Unnamed parts (the zoom arrows, a spin box's edit) belong to a named control.
            if (w->window() != window || TQexHelp::ControlName(w).isEmpty() ||
                w->objectName().startsWith(QLatin1String("qt_")))
                continue;
            if (qobject_cast<QAbstractButton *>(w) || qobject_cast<QComboBox *>(w) ||
                qobject_cast<QLineEdit *>(w) || qobject_cast<QAbstractSpinBox *>(w))
                controls << w;
        }
        return controls;
    }

    static void checkEveryControlExplainsItself(QWidget *window)
    {
        TQexHelp *help = TQexHelp::Install(window);
        QVERIFY(help);
        QCOMPARE(TQexHelp::Of(window), help);
        const QList<QWidget *> controls = controlsOf(window);
        QVERIFY(!controls.isEmpty());
        for (QWidget *control : controls) {
            if (control->parentWidget() && (qobject_cast<QAbstractSpinBox *>(control->parentWidget()) ||
                                            qobject_cast<QLineEdit *>(control->parentWidget())))
                continue; // the spin box's or the line edit's own parts (its clear button)
            const auto found = help->Resolve(control);
            QVERIFY2(found, qPrintable(TQexHelp::ControlName(control) + QStringLiteral(" has no help")));
            QVERIFY2(found->Control == control, qPrintable(TQexHelp::ControlName(control) +
                                                           QStringLiteral(" borrows its parent's help")));
            QVERIFY(found->Entry.Text.size() > 10);
        }
    }

private slots:
    void redirectionIsFollowed()
    {
        QWidget form;
        TQexHelp help(&form);
        help.SetEntry(QStringLiteral("OKButton"), QStringLiteral("Keeps the changes."), 3101);
        help.SetEntry(QStringLiteral("Label1"), QStringLiteral("->OKButton"));
        help.SetEntry(QStringLiteral("Label2"), QStringLiteral("->Label1"));
        QCOMPARE(help.Lookup(QStringLiteral("Label2"))->Text, QStringLiteral("Keeps the changes."));
        QCOMPARE(help.Lookup(QStringLiteral("Label2"))->HelpContext, 3101u);
        // Circles, dead ends and empty texts give no help rather than hanging.
        help.SetEntry(QStringLiteral("A"), QStringLiteral("->B"));
        help.SetEntry(QStringLiteral("B"), QStringLiteral("->A"));
        help.SetEntry(QStringLiteral("C"), QStringLiteral("->Nobody"));
        help.SetEntry(QStringLiteral("D"), QString());
        QVERIFY(!help.Lookup(QStringLiteral("A")));
        QVERIFY(!help.Lookup(QStringLiteral("C")));
        QVERIFY(!help.Lookup(QStringLiteral("D")));
        QVERIFY(!help.Lookup(QString()));
    }

    void controlWithoutEntryShowsItsParentsHelp()
    {
        QWidget form;
        auto *panel = new QWidget(&form);
        panel->setObjectName(QStringLiteral("Panel1"));
        auto *button = new QPushButton(QStringLiteral("x"), panel);
        button->setObjectName(QStringLiteral("Unlisted"));
        auto *own = new QPushButton(QStringLiteral("y"), panel);
        own->setWhatsThis(QStringLiteral("A text of its own."));
        TQexHelp help(&form);
        help.SetEntry(QStringLiteral("Panel1"), QStringLiteral("The panel."), 77);

        const auto found = help.Resolve(button);
        QVERIFY(found);
        QCOMPARE(found->Control, panel);
        QCOMPARE(found->Entry.Text, QStringLiteral("The panel."));
        QCOMPARE(help.Resolve(own)->Control, own);
        QCOMPARE(help.Resolve(own)->Entry.HelpContext, 0u);

        // Nothing on the way up to the form: no popup, and the request ends.
        QWidget bare;
        auto *lonely = new QPushButton(&bare);
        TQexHelp none(&bare);
        QSignalSpy done(&none, &TQexHelp::OnHelpDone);
        QVERIFY(!none.ShowFor(lonely));
        QCOMPARE(done.count(), 1);
        QVERIFY(!none.Popup());
    }

    void dialogsOfTheProgramExplainEveryControl()
    {
        test::TestFolder folder;
        TEditCardLayout layout;
        checkEveryControlExplainsItself(&layout);
        TPersonalInformation personal;
        checkEveryControlExplainsItself(&personal);
    }

    void textAndPrintDialogsExplainEveryControl()
    {
        test::TestFolder folder;
        TGetLabelText text;
        checkEveryControlExplainsItself(&text);
        TGetBCLabelText field;
        checkEveryControlExplainsItself(&field);
        TGFont3DEffects effects;
        checkEveryControlExplainsItself(&effects);
        TGetSymbol symbol;
        checkEveryControlExplainsItself(&symbol);
        TMultiLineTextEditor lines;
        checkEveryControlExplainsItself(&lines);
        TPrintFineTune fineTune;
        checkEveryControlExplainsItself(&fineTune);
        TWarnBottomMargin warning;
        checkEveryControlExplainsItself(&warning);
        TPreviewForm preview;
        checkEveryControlExplainsItself(&preview);
        TLabelPrinter status;
        checkEveryControlExplainsItself(&status);
    }

    void mainWindowExplainsItsToolsAndButtons()
    {
        test::TestFolder folder;
        test::ScriptedInteraction ui;
        TMainScreen main;
        checkEveryControlExplainsItself(&main);
        TQexHelp *help = TQexHelp::Of(&main);
        // Tool-bar buttons are known by their actions' names.
        auto *bar = main.findChild<QToolBar *>(QStringLiteral("ToolBar"));
        QAction *text = main.findChild<QAction *>(QStringLiteral("DrawLabelButton"));
        QWidget *button = bar->widgetForAction(text);
        QCOMPARE(TQexHelp::ControlName(button), QStringLiteral("DrawLabelButton"));
        QVERIFY(help->Resolve(button)->Entry.Text.startsWith(QStringLiteral("Text tool.")));
        QCOMPARE(help->Resolve(button)->Entry.HelpContext, 2016u);
        // The design area explains itself through the scroll box around it, and
        // keeps its own right-click menu (no entry of its own).
        QCOMPARE(TQexHelp::ControlName(help->Resolve(main.BusinessCardPanel())->Control),
                 QStringLiteral("ScrollBox1"));
        QVERIFY(!help->Lookup(TQexHelp::ControlName(main.BusinessCardPanel())));

        // Right-clicks: buttons and tools get "What's this?", the card keeps its menu.
        QVERIFY(!TQexHelp::MenuControl(main.BusinessCardPanel()));
        auto *print = main.findChild<QPushButton *>(QStringLiteral("PrintButton"));
        QCOMPARE(TQexHelp::MenuControl(print), print);
        QCOMPARE(TQexHelp::MenuControl(button), button);
        QVERIFY(!TQexHelp::MenuControl(&main));
        QVERIFY(!TQexHelp::MenuControl(main.findChild<QToolButton *>(QStringLiteral("MouseHelpButton"))));
        QWidget *quickTips = bar->widgetForAction(main.findChild<QAction *>(QStringLiteral("AssistButton")));
        QVERIFY(!TQexHelp::MenuControl(quickTips));
        QVERIFY(help->Resolve(quickTips)); // it still explains itself in what's-this mode
    }

    void rightClicksOnTheCardOpenNoSecondMenu()
    {
        test::TestFolder folder;
        test::ScriptedInteraction ui;
        TMainScreen main;
        main.show();
        QVERIFY(QTest::qWaitForWindowExposed(&main));
        // The menu a right-click would open, closed again at once.
        auto menuAfterRightClick = [](QWidget *target) {
            QString shown;
            QTimer::singleShot(0, [&shown] {
                if (QWidget *popup = QApplication::activePopupWidget()) {
                    shown = popup->objectName();
                    popup->close();
                }
            });
            const QPoint at(4, 4);
            QContextMenuEvent event(QContextMenuEvent::Mouse, at, target->mapToGlobal(at));
            QApplication::sendEvent(target, &event);
            QApplication::processEvents();
            return shown;
        };
        // A button gets "What's this?" ...
        QCOMPARE(menuAfterRightClick(main.findChild<QPushButton *>(QStringLiteral("PrintButton"))),
                 QStringLiteral("WhatsThisMenu"));
        // ... the card and a selected object (its frame) have shown their own
        // menu from the mouse press already: nothing follows it.
        TGBusinessCardPanel32 *card = main.BusinessCardPanel();
        QCOMPARE(menuAfterRightClick(card), QString());
        QCOMPARE(menuAfterRightClick(&card->Frame()), QString());
    }

    void spinBoxPartsStandForTheirControl()
    {
        test::TestFolder folder;
        TEditCardLayout layout;
        TQexHelp::Install(&layout);
        auto *across = layout.findChild<QAbstractSpinBox *>(QStringLiteral("enbracross"));
        QVERIFY(across);
        QLineEdit *inner = across->findChild<QLineEdit *>();
        QVERIFY(inner);
        QCOMPARE(TQexHelp::MenuControl(inner), across);
        QCOMPARE(TQexHelp::Of(&layout)->Resolve(inner)->Control, across);
    }

    void tablesUseKnownWindowsAndResolvableRedirections()
    {
        for (const THelpTextTable *table : THelpTexts::All()) {
            QWidget form;
            TQexHelp help(&form);
            for (const THelpTextRow &row : table->Rows)
                help.SetEntry(QString::fromLatin1(row.Name), QString::fromUtf8(row.Text));
            for (const THelpTextRow &row : table->Rows)
                QVERIFY2(help.Lookup(QString::fromLatin1(row.Name)),
                         qPrintable(QLatin1String(table->WindowClass) + QLatin1Char('.') +
                                    QLatin1String(row.Name)));
            QCOMPARE(THelpTexts::For(QLatin1String(table->WindowClass)), table);
        }
        QVERIFY(!THelpTexts::For(QStringLiteral("TNoSuchWindow")));
    }

    void windowsShownLaterGetTheirHelpByThemselves()
    {
        test::TestFolder folder;
        TQexHelp::Install(nullptr); // starts the program-wide watch
        TPersonalInformation dialog;
        QVERIFY(!TQexHelp::Of(&dialog));
        dialog.show();
        QVERIFY(TQexHelp::Of(&dialog));
        QCOMPARE(TQexHelp::Of(&dialog)->Lookup(QStringLiteral("pPersonalEmail"))->HelpContext, 2102u);
        // A window without a table gets none.
        QDialog other;
        other.show();
        QVERIFY(!TQexHelp::Of(&other));
    }

    void whatsThisClickShowsThePopupAndEndsTheMode()
    {
        test::TestFolder folder;
        TEditCardLayout layout;
        TQexHelp *help = TQexHelp::Install(&layout);
        layout.show();
        QVERIFY(QTest::qWaitForWindowExposed(&layout));
        auto *combo = layout.findChild<QComboBox *>(QStringLiteral("PredefinedLayouts"));
        QSignalSpy done(help, &TQexHelp::OnHelpDone);

        help->EnterWhatsThisMode();
        QVERIFY(QWhatsThis::inWhatsThisMode());
        QHelpEvent query(QEvent::QueryWhatsThis, QPoint(2, 2), combo->mapToGlobal(QPoint(2, 2)));
        QApplication::sendEvent(combo, &query);
        QVERIFY(query.isAccepted());

        QHelpEvent click(QEvent::WhatsThis, QPoint(2, 2), combo->mapToGlobal(QPoint(2, 2)));
        QApplication::sendEvent(combo, &click);
        QVERIFY(!QWhatsThis::inWhatsThisMode());
        TQexHelpPopup *popup = help->Popup();
        QVERIFY(popup && popup->isVisible());
        QCOMPARE(popup->Text(), help->Lookup(QStringLiteral("PredefinedLayouts"))->Text);
        QCOMPARE(popup->HelpContext(), 3101u);
        QCOMPARE(help->PopupFont(), layout.font()); // ParentFont: the form's font

        QTest::keyClick(popup, Qt::Key_Space); // any key closes it
        QVERIFY(!popup->isVisible());
        QCOMPARE(done.count(), 1);

        // Escape leaves the mode without a popup; the request still ends.
        layout.activateWindow();
        QApplication::setActiveWindow(&layout);
        help->EnterWhatsThisMode();
        QTest::keyClick(&layout, Qt::Key_Escape);
        QVERIFY(!QWhatsThis::inWhatsThisMode());
        QCOMPARE(done.count(), 2);
    }

    void popupSizeAndLinkLine()
    {
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPixelSize(11);
        const QString text = QStringLiteral("Click to bring up the help for this window.");
        TQexHelpPopup plain;
        plain.Setup(text, 0, font, QColor(0xFF, 0xFF, 0xE8), 300,
                    QStringLiteral("Click here or press F1 for more..."));
        const QRect measured = QFontMetrics(font).boundingRect(QRect(0, 0, 300, 10), Qt::TextWordWrap, text);
        QCOMPARE(plain.TextBoxSize(), QSize(measured.width() + 16, measured.height() + 10));
        QCOMPARE(plain.size(), plain.TextBoxSize() + QSize(6, 6));
        QVERIFY(plain.MoreTextRect().isNull());

        TQexHelpPopup linked;
        linked.Setup(text, 3101, font, Qt::yellow, 300, QStringLiteral("Click here or press F1 for more..."));
        QFont bold = font;
        bold.setBold(true);
        QCOMPARE(linked.LinkFont(), bold);
        QCOMPARE(linked.TextBoxSize().height(),
                 plain.TextBoxSize().height() + 3 + QFontMetrics(bold).height());
        const QRect link = linked.MoreTextRect();
        QVERIFY(QRect(QPoint(0, 0), linked.TextBoxSize()).contains(link));
        QCOMPARE(link.right(), linked.TextBoxSize().width() - 9);

        // A long text wraps within the maximum width.
        TQexHelpPopup wrapped;
        wrapped.Setup(QStringLiteral("word ").repeated(200), 0, font, Qt::yellow, 300, QString());
        QVERIFY(wrapped.TextBoxSize().width() <= 316);
        QVERIFY(wrapped.TextBoxSize().height() > 5 * QFontMetrics(font).height());
    }

    void linkAndKeys()
    {
        QFont font;
        TQexHelpPopup linked;
        linked.Setup(QStringLiteral("Help text"), 2102, font, Qt::yellow, 300, QStringLiteral("More..."));
        QSignalSpy link(&linked, &TQexHelpPopup::LinkActivated);
        QSignalSpy closed(&linked, &TQexHelpPopup::Closed);
        linked.show();
        QTest::keyClick(&linked, Qt::Key_F1);
        QCOMPARE(link.count(), 1);
        QCOMPARE(link.first().first().toUInt(), 2102u);
        QVERIFY(!linked.isVisible());
        QCOMPARE(closed.count(), 1);

        linked.show();
        QTest::mouseClick(&linked, Qt::LeftButton, {}, linked.MoreTextRect().center());
        QCOMPARE(link.count(), 2);

        // Without a help context F1 only closes the popup.
        TQexHelpPopup plain;
        plain.Setup(QStringLiteral("Help text"), 0, font, Qt::yellow, 300, QStringLiteral("More..."));
        QSignalSpy none(&plain, &TQexHelpPopup::LinkActivated);
        plain.show();
        QTest::keyClick(&plain, Qt::Key_F1);
        QCOMPARE(none.count(), 0);
        QVERIFY(!plain.isVisible());
    }

    void popupPlacementKeepsInsideTheScreen()
    {
        const QRect screen(0, 0, 1024, 768);
        const QSize box(200, 50); // window 206 x 56
        // Half the box left of the control, 8 pixels below its top.
        QCOMPARE(TQexHelpPopup::Placement(QRect(400, 300, 80, 25), box, screen), QRect(300, 308, 206, 56));
        // Off the left edge: at the edge.
        QCOMPARE(TQexHelpPopup::Placement(QRect(30, 300, 80, 25), box, screen).left(), 0);
        // Past the right edge: 10 pixels inside it.
        QCOMPARE(TQexHelpPopup::Placement(QRect(1000, 300, 20, 25), box, screen).left(), 1024 - 206 - 10);
        // Past the bottom edge: 10 pixels above it.
        QCOMPARE(TQexHelpPopup::Placement(QRect(400, 740, 80, 25), box, screen).top(), 768 - 56 - 10);
        // A second screen to the right counts from its own edges.
        QCOMPARE(TQexHelpPopup::Placement(QRect(2040, 300, 20, 25), box, QRect(1024, 0, 1024, 768)).left(),
                 2048 - 206 - 10);
    }
};

QTEST_MAIN(TestQexHelp)
#include "tst_qexhelp.moc"
