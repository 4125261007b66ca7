#include "support/ScriptedInteraction.h"

namespace cw::test {

void ScriptedInteraction::information(const QString &text)
{
    informations << text;
    log << QStringLiteral("info: ") + text;
}

bool ScriptedInteraction::question(const QString &text, const QString &caption)
{
    questions << text;
    log << QStringLiteral("question[%1]: %2").arg(caption, text);
    return answers.isEmpty() ? false : answers.dequeue();
}

bool ScriptedInteraction::questionDefaultNo(const QString &text, const QString &caption)
{
    questionsDefaultNo << text;
    return question(text, caption);
}

ui::Interaction::Answer ScriptedInteraction::questionWithCancel(const QString &text, const QString &caption)
{
    if (choices.isEmpty())
        return question(text, caption) ? Answer::Yes : Answer::No;
    questions << text;
    log << QStringLiteral("question[%1]: %2").arg(caption, text);
    return choices.dequeue();
}

void ScriptedInteraction::error(const QString &text, const QString &caption)
{
    log << QStringLiteral("error[%1]: %2").arg(caption, text);
}

QString ScriptedInteraction::openFileName(const QString &caption, const QString &folder, const QString &)
{
    log << QStringLiteral("open[%1]: %2").arg(caption, folder);
    return fileNames.isEmpty() ? QString() : fileNames.dequeue();
}

QString ScriptedInteraction::saveFileName(const QString &caption, const QString &folder, const QString &,
                                          const QString &)
{
    log << QStringLiteral("save[%1]: %2").arg(caption, folder);
    return fileNames.isEmpty() ? QString() : fileNames.dequeue();
}

std::optional<QFont> ScriptedInteraction::chooseFont(const QFont &, const QString &caption)
{
    log << QStringLiteral("font[%1]").arg(caption);
    return fonts.isEmpty() ? std::nullopt : fonts.dequeue();
}

std::optional<QColor> ScriptedInteraction::chooseColor(const QColor &)
{
    log << QStringLiteral("color");
    return colors.isEmpty() ? std::nullopt : colors.dequeue();
}

int ScriptedInteraction::exec(QDialog &dialog)
{
    ++dialogsRun;
    log << QStringLiteral("dialog[%1]").arg(dialog.windowTitle());
    if (dialogs.isEmpty())
        return QDialog::Rejected;
    const int result = dialogs.dequeue()(dialog);
    dialog.setResult(result);
    return result;
}

} // namespace cw::test
