// The rich text editor from the keyboard: the text has the focus on opening,
// Enter in the font name and size boxes applies the value without closing
// the dialog, and Bold, Italic and Underline follow the cursor and answer
// their shortcuts.
#include "objects/TRichTextLabelEditor.h"
#include "objects/model/TGPRichBaseLabel.h"
#include "richtext/TRichTextToolBar.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFontComboBox>
#include <QLineEdit>
#include <QMimeData>
#include <QSignalSpy>
#include <QTest>
#include <QTextCursor>
#include <QTextEdit>
#include <QToolBar>

using namespace cw;
using namespace cw::model;

namespace {

const QByteArray Sample = "{\\rtf1\\ansi{\\fonttbl{\\f0\\fnil\\fcharset0 Arial;}}\\f0\\fs24 "
                          "plain \\b bold\\b0  \\i slanted\\i0  \\ul lined\\ulnone  end\\par}";

// The character format of the document's text at `position`.
QTextCharFormat formatAt(QTextEdit &text, int position)
{
    QTextCursor c(text.document());
    c.setPosition(position + 1);
    return c.charFormat();
}

// The tool bar's button with this caption.
QAction *button(QToolBar &bar, const QString &caption)
{
    for (QAction *a : bar.actions())
        if (a->text() == caption)
            return a;
    return nullptr;
}

// Types `value` into the editable box and presses Enter.
void typeInto(QComboBox *box, const QString &value)
{
    box->setFocus();
    QTRY_VERIFY(box->hasFocus() || box->lineEdit()->hasFocus());
    box->lineEdit()->selectAll();
    QTest::keyClicks(QApplication::focusWidget(), value);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
}

} // namespace

class TestRichTextEditor : public QObject
{
    Q_OBJECT
private slots:
    void keyboard()
    {
        TGPRichBaseLabel label;
        label.Loaded();
        label.SetRTFText(Sample);
        label.SetBounds(0, 0, 300, 80);
        ui::TRichTextLabelEditor editor;
        editor.LoadFrom(label);
        QSignalSpy finished(&editor, &QDialog::finished);
        editor.show();
        QVERIFY(QTest::qWaitForWindowActive(&editor));
        QTextEdit &text = *editor.Editor();
        richtext::TRichTextToolBar &bar = *editor.ToolBar();
        // Typing goes straight into the text.
        QTRY_COMPARE(QApplication::focusWidget(), &text);
        text.moveCursor(QTextCursor::Start);
        QTest::keyClicks(&text, "A ");
        QVERIFY(text.toPlainText().startsWith("A plain"));

        // The pressed states follow the cursor.
        const QString all = text.toPlainText();
        const auto cursorIn = [&](const QString &word) {
            QTextCursor c(text.document());
            c.setPosition(int(all.indexOf(word)) + 2);
            text.setTextCursor(c);
        };
        const auto pressed = [&] {
            return QString("%1%2%3")
                .arg(button(bar, "B")->isChecked() ? "B" : "-")
                .arg(button(bar, "I")->isChecked() ? "I" : "-")
                .arg(button(bar, "U")->isChecked() ? "U" : "-");
        };
        QVERIFY(button(bar, "B")->isCheckable());
        cursorIn("plain");
        QCOMPARE(pressed(), QString("---"));
        cursorIn("bold");
        QCOMPARE(pressed(), QString("B--"));
        cursorIn("slanted");
        QCOMPARE(pressed(), QString("-I-"));
        cursorIn("lined");
        QCOMPARE(pressed(), QString("--U"));

        // Ctrl+B, Ctrl+I and Ctrl+U on the word "plain".
        const int plain = int(all.indexOf("plain"));
        cursorIn("plain");
        QTest::keyClick(&text, Qt::Key_B, Qt::ControlModifier);
        QTest::keyClick(&text, Qt::Key_I, Qt::ControlModifier);
        QTest::keyClick(&text, Qt::Key_U, Qt::ControlModifier);
        QCOMPARE(pressed(), QString("BIU"));
        QCOMPARE(formatAt(text, plain).fontWeight(), int(QFont::Bold));
        QVERIFY(formatAt(text, plain).fontItalic());
        QVERIFY(formatAt(text, plain).fontUnderline());
        QTest::keyClick(&text, Qt::Key_B, Qt::ControlModifier);
        QCOMPARE(pressed(), QString("-IU"));
        QCOMPARE(formatAt(text, plain).fontWeight(), int(QFont::Normal));
        QCOMPARE(formatAt(text, plain + 4).fontWeight(), int(QFont::Normal));

        // Enter in the size box and in the font name box applies the value
        // to the selection and leaves the editor open.
        text.selectAll();
        typeInto(bar.FontSizes(), "20");
        QVERIFY(editor.isVisible());
        QCOMPARE(finished.count(), 0);
        QCOMPARE(formatAt(text, plain).fontPointSize(), 20.0);
        QCOMPARE(formatAt(text, int(all.indexOf("end"))).fontPointSize(), 20.0);
        typeInto(bar.FontNames(), "liberation mono");
        QVERIFY(editor.isVisible());
        QCOMPARE(finished.count(), 0);
        QCOMPARE(formatAt(text, plain).fontFamilies().toStringList().value(0), QString("Liberation Mono"));
        QCOMPARE(formatAt(text, plain).fontPointSize(), 20.0);
        // The text has the focus again, ready for typing.
        QCOMPARE(QApplication::focusWidget(), &text);
        // A size that is no number changes nothing and shows the text's size again.
        typeInto(bar.FontSizes(), "big");
        QCOMPARE(finished.count(), 0);
        QCOMPARE(formatAt(text, plain).fontPointSize(), 20.0);
        QCOMPARE(bar.FontSizes()->currentText(), QString("20"));

        // Enter in the text is a new paragraph, not Ok.
        text.moveCursor(QTextCursor::End);
        text.setFocus();
        QTest::keyClick(&text, Qt::Key_Return);
        QCOMPARE(finished.count(), 0);
        QCOMPARE(text.document()->blockCount(), 2);
    }

    // Rich text on the clipboard (as a word processor puts it there, with a
    // plain-text copy beside it and WordPad's trailing NUL) is pasted through
    // the program's reader: bold and colour arrive, and the label keeps them
    // after Ok.  Before, the editor took the plain text only.
    void pastingRichTextKeepsItsFormatting()
    {
        TGPRichBaseLabel label;
        label.Loaded();
        label.SetRTFText(Sample);
        label.SetBounds(0, 0, 300, 80);
        ui::TRichTextLabelEditor editor;
        editor.LoadFrom(label);
        editor.show();
        QVERIFY(QTest::qWaitForWindowActive(&editor));
        QTextEdit &text = *editor.Editor();
        text.selectAll();

        auto *data = new QMimeData;
        data->setData(
            QStringLiteral("text/rtf"),
            QByteArray("{\\rtf1\\ansi{\\fonttbl{\\f0\\fswiss Arial;}}{\\colortbl ;\\red255\\green0\\blue0;}"
                       "\\f0\\fs24 \\b\\cf1 Acme\\b0\\cf0  Ltd\\par}") +
                QByteArray(1, '\0'));
        data->setText(QStringLiteral("Acme Ltd"));
        QApplication::clipboard()->setMimeData(data);
        QVERIFY(text.canPaste());
        text.paste();

        QCOMPARE(text.toPlainText(), QStringLiteral("Acme Ltd"));
        QCOMPARE(formatAt(text, 0).fontWeight(), int(QFont::Bold));
        QCOMPARE(formatAt(text, 0).foreground().color(), QColor(255, 0, 0));
        QCOMPARE(formatAt(text, 5).fontWeight(), int(QFont::Normal));

        // What Ok stores.
        const QByteArray stored = editor.Rtf();
        QVERIFY2(stored.contains("\\b"), stored.constData());
        QVERIFY2(!stored.contains("\\u0"), stored.constData());
    }
};

QTEST_MAIN(TestRichTextEditor)
#include "tst_richtexteditor.moc"
