#include "richtext/TRichTextToolBar.h"

#include "widgets/Interaction.h"

#include <QAction>
#include <QComboBox>
#include <QFontComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <QToolButton>

namespace cw::richtext {

TRichTextToolBar::TRichTextToolBar(QTextEdit *editor, QWidget *parent) : QToolBar(parent), m_editor(editor)
{
    setObjectName(QStringLiteral("WPToolBar1"));
    setFixedHeight(28);
    m_fontNames = new QFontComboBox(this);
    m_fontNames->setToolTip(tr("Font"));
    // Narrow enough that every button of the bar fits the editor's width.
    m_fontNames->setMaximumWidth(120);
    addWidget(m_fontNames);
    m_sizes = new QComboBox(this);
    m_sizes->setEditable(true);
    m_sizes->setToolTip(tr("Font Size"));
    for (int s : SizeList())
        m_sizes->addItem(QString::number(s));
    addWidget(m_sizes);
    addAction(tr("Color"), this, [this] {
        const QColor initial = m_editor->currentCharFormat().foreground().color();
        if (auto c = ui::Interaction::current().chooseColor(initial))
            SetColor(*c);
    })->setToolTip(tr("Font Color"));
    addSeparator();
    addAction(QStringLiteral("N"), this, &TRichTextToolBar::Normal)->setToolTip(tr("Normal"));
    // Checkable, so each shows its state; the click toggles through the
    // editor's format, and showFormat() then sets the pressed state.
    const auto style = [this](const QString &caption, const QString &tip, QKeySequence::StandardKey key,
                              void (TRichTextToolBar::*toggle)()) {
        QAction *action = addAction(caption);
        action->setCheckable(true);
        action->setShortcut(key);
        action->setToolTip(tip + " (" + action->shortcut().toString(QKeySequence::NativeText) + ')');
        connect(action, &QAction::triggered, this, [this, toggle] { (this->*toggle)(); });
        return action;
    };
    m_bold = style(QStringLiteral("B"), tr("Bold"), QKeySequence::Bold, &TRichTextToolBar::ToggleBold);
    m_italic =
        style(QStringLiteral("I"), tr("Italic"), QKeySequence::Italic, &TRichTextToolBar::ToggleItalic);
    m_underline = style(QStringLiteral("U"), tr("Underline"), QKeySequence::Underline,
                        &TRichTextToolBar::ToggleUnderline);
    addSeparator();
    addAction(tr("Left"), this, [this] { Align(Qt::AlignLeft); });
    addAction(tr("Right"), this, [this] { Align(Qt::AlignRight); });
    addAction(tr("Block"), this, [this] { Align(Qt::AlignJustify); });
    addAction(tr("Center"), this, [this] { Align(Qt::AlignHCenter); });
    addSeparator();
    addAction(tr("Copy"), m_editor, &QTextEdit::copy);
    addAction(tr("Cut"), m_editor, &QTextEdit::cut);
    addAction(tr("Paste"), m_editor, &QTextEdit::paste);

    // Activation, not a change of the shown font: picking the family the list
    // already shows applies it too (the list may show the family of the
    // text the cursor was on before a selection was made).
    connect(m_fontNames, &QComboBox::activated, this,
            [this](int) { SetFontName(m_fontNames->currentFont().family()); });
    connect(m_sizes, &QComboBox::textActivated, this, [this](const QString &t) {
        bool ok = false;
        const double points = t.toDouble(&ok);
        if (ok)
            SetFontSize(points);
    });
    connect(m_editor, &QTextEdit::currentCharFormatChanged, this, [this] { showFormat(); });
    for (QComboBox *box : {static_cast<QComboBox *>(m_fontNames), m_sizes}) {
        box->installEventFilter(this);
        if (box->lineEdit())
            box->lineEdit()->installEventFilter(this);
    }
    showFormat();
    // Buttons as narrow as their captions, so the whole bar fits the
    // editor's 601 pixels and nothing hides behind an extension button.
    for (QAction *action : actions())
        if (auto *button = qobject_cast<QToolButton *>(widgetForAction(action)))
            button->setFixedWidth(button->fontMetrics().horizontalAdvance(button->text()) + 8);
}

QList<int> TRichTextToolBar::SizeList()
{
    return {6, 7, 8, 9, 10, 11, 12, 14, 16, 18, 20, 22, 24, 26, 28, 36, 48, 72};
}

bool TRichTextToolBar::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            const bool names = watched == m_fontNames || watched == m_fontNames->lineEdit();
            const bool sizes = watched == m_sizes || watched == m_sizes->lineEdit();
            if (names || sizes) {
                if (names)
                    applyTypedFontName();
                else
                    applyTypedSize();
                return true; // handled here: the dialog's default button stays untouched
            }
        }
    }
    return QToolBar::eventFilter(watched, event);
}

void TRichTextToolBar::applyTypedFontName()
{
    const QString typed = m_fontNames->currentText().trimmed();
    const int index = m_fontNames->findText(typed, Qt::MatchFixedString);
    if (index < 0) {
        showFormat(); // no such font: the box shows the text's font again
        return;
    }
    {
        const QSignalBlocker block(m_fontNames);
        m_fontNames->setCurrentIndex(index);
    }
    SetFontName(m_fontNames->itemText(index));
}

void TRichTextToolBar::applyTypedSize()
{
    bool ok = false;
    const double points = m_sizes->currentText().trimmed().toDouble(&ok);
    if (ok && points > 0)
        SetFontSize(points);
    else
        showFormat();
}

void TRichTextToolBar::merge(const QTextCharFormat &format)
{
    QTextCursor cursor = m_editor->textCursor();
    if (!cursor.hasSelection())
        cursor.select(QTextCursor::WordUnderCursor);
    cursor.mergeCharFormat(format);
    m_editor->mergeCurrentCharFormat(format);
    m_editor->setFocus();
    showFormat();
}

void TRichTextToolBar::SetFontName(const QString &family)
{
    QTextCharFormat f;
    f.setFontFamilies({family});
    merge(f);
}

void TRichTextToolBar::SetFontSize(double points)
{
    if (points < 6)
        points = 6; // the smallest size offered
    QTextCharFormat f;
    f.setFontPointSize(points);
    merge(f);
}

void TRichTextToolBar::SetColor(const QColor &color)
{
    QTextCharFormat f;
    f.setForeground(color);
    merge(f);
}

void TRichTextToolBar::Normal()
{
    QTextCharFormat f;
    f.setFontWeight(QFont::Normal);
    f.setFontItalic(false);
    f.setFontUnderline(false);
    f.setFontStrikeOut(false);
    merge(f);
}

void TRichTextToolBar::ToggleBold()
{
    QTextCharFormat f;
    f.setFontWeight(m_editor->fontWeight() >= QFont::DemiBold ? QFont::Normal : QFont::Bold);
    merge(f);
}

void TRichTextToolBar::ToggleItalic()
{
    QTextCharFormat f;
    f.setFontItalic(!m_editor->fontItalic());
    merge(f);
}

void TRichTextToolBar::ToggleUnderline()
{
    QTextCharFormat f;
    f.setFontUnderline(!m_editor->fontUnderline());
    merge(f);
}

void TRichTextToolBar::Align(Qt::Alignment alignment)
{
    m_editor->setAlignment(alignment);
    m_editor->setFocus();
}

void TRichTextToolBar::showFormat()
{
    // What the format leaves open is the document's default font.
    const QTextCharFormat f = m_editor->currentCharFormat();
    const QFont fallback = m_editor->document()->defaultFont();
    const QSignalBlocker a(m_fontNames);
    const QSignalBlocker b(m_sizes);
    const QStringList families = f.fontFamilies().toStringList();
    m_fontNames->setCurrentFont(QFont(families.isEmpty() ? fallback.family() : families.first()));
    const double points = f.fontPointSize() > 0 ? f.fontPointSize() : fallback.pointSizeF();
    if (points > 0)
        m_sizes->setCurrentText(QString::number(points));
    m_bold->setChecked(f.fontWeight() >= QFont::DemiBold);
    m_italic->setChecked(f.fontItalic());
    m_underline->setChecked(f.fontUnderline());
}

} // namespace cw::richtext
