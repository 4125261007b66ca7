#include "text/TMultiLineTextEditor.h"

#include "text/TTextDialogParts.h"
#include "widgets/DialogPlacement.h"
#include "widgets/Interaction.h"

#include <QPlainTextEdit>
#include <QTextCursor>
#include <QVBoxLayout>

namespace cw::ui {

TMultiLineTextEditor::TMultiLineTextEditor(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("MultiLineTextEditor"));
    setWindowTitle(tr("Multi-line Text Editor"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    QFont f(QStringLiteral("Arial"));
    f.setPointSize(8);
    setFont(f);

    auto *top = new QVBoxLayout(this);
    m_memo = new QPlainTextEdit(this);
    m_memo->setObjectName(QStringLiteral("Memo"));
    m_memo->setTabChangesFocus(true);
    m_memo->setLineWrapMode(QPlainTextEdit::NoWrap);
    AddWhatsThisMenu(*m_memo, tr("Type the lines of the label; Enter starts a new line."));
    top->addWidget(m_memo, 1);
    AddTextDialogButtons(*this, *top, HelpContext);
    connect(m_memo, &QPlainTextEdit::textChanged, this, &TMultiLineTextEditor::MemoChange);
    resize(342, 243);
}

int TMultiLineTextEditor::CountedLength(const QString &text)
{
    return int(text.size() + text.count(QLatin1Char('\n')));
}

void TMultiLineTextEditor::MemoChange()
{
    if (m_limiting)
        return;
    const QString text = m_memo->toPlainText();
    if (CountedLength(text) <= MaxLength)
        return;
    // Typing stops at the limit: cut what went beyond it.
    QString cut = text;
    while (!cut.isEmpty() && CountedLength(cut) > MaxLength)
        cut.chop(1);
    m_limiting = true;
    const int position = std::min<int>(m_memo->textCursor().position(), int(cut.size()));
    m_memo->setPlainText(cut);
    QTextCursor cursor = m_memo->textCursor();
    cursor.setPosition(position);
    m_memo->setTextCursor(cursor);
    m_limiting = false;
}

void TMultiLineTextEditor::SetLines(const QStringList &lines, const model::TGFont &font)
{
    m_memo->setFont(font.ToQFont(1.0));
    QPalette pal = m_memo->palette();
    pal.setColor(QPalette::Text, model::TGColor::ToQColor(font.Color));
    m_memo->setPalette(pal);
    m_memo->setPlainText(lines.join(QLatin1Char('\n')));
}

QStringList TMultiLineTextEditor::Lines() const
{
    QString text = m_memo->toPlainText();
    if (text.isEmpty())
        return {};
    if (text.endsWith(QLatin1Char('\n')))
        text.chop(1);
    return text.split(QLatin1Char('\n'));
}

std::optional<QStringList> TMultiLineTextEditor::Execute(const QStringList &lines, const model::TGFont &font)
{
    TMultiLineTextEditor dialog(Interaction::mainWindow());
    dialog.SetLines(lines, font);
    placeDialog(&dialog, Interaction::mainWindow());
    if (Interaction::current().exec(dialog) != QDialog::Accepted)
        return std::nullopt;
    return dialog.Lines();
}

} // namespace cw::ui
