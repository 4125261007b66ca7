#pragma once
// Test double of the interaction service.  It records every message and
// question, answers questions and file/font/colour dialogs from queues, and
// runs the program's own dialogs through a scripted handler instead of a
// modal loop.  While alive it is the installed service.

#include "widgets/Interaction.h"

#include <QDialog>
#include <QQueue>
#include <QStringList>
#include <functional>

namespace cw::test {

class ScriptedInteraction final : public ui::Interaction
{
public:
    ScriptedInteraction() { install(this); }
    ~ScriptedInteraction() override { install(nullptr); }

    // What the program said, in order: "info: …", "question[Caption]: …",
    // "error[Caption]: …", "open[Caption]: proposed path", "save[Caption]: proposed path".
    QStringList log;
    QStringList informations;
    QStringList questions;
    // The questions among them asked with No as the default button.
    QStringList questionsDefaultNo;

    // Answers to yes/no questions in order; when empty, questions answer No.
    QQueue<bool> answers;
    // Answers to yes/no/cancel questions in order; when empty, such a
    // question takes the next yes/no answer instead (and so answers No when
    // both queues are empty).
    QQueue<Answer> choices;
    // Answers to open/save dialogs in order; when empty, the user cancels.
    QQueue<QString> fileNames;
    QQueue<std::optional<QFont>> fonts;
    QQueue<std::optional<QColor>> colors;
    // Handlers for the program's own dialogs, in order: each gets the filled
    // dialog, may change its controls, and returns the dialog's result.  When
    // empty, dialogs are cancelled.
    QQueue<std::function<int(QDialog &)>> dialogs;
    int dialogsRun = 0;

    void information(const QString &text) override;
    bool question(const QString &text, const QString &caption) override;
    bool questionDefaultNo(const QString &text, const QString &caption) override;
    Answer questionWithCancel(const QString &text, const QString &caption) override;
    void error(const QString &text, const QString &caption) override;
    QString openFileName(const QString &caption, const QString &folder, const QString &filter) override;
    QString saveFileName(const QString &caption, const QString &folder, const QString &filter,
                         const QString &defaultSuffix) override;
    std::optional<QFont> chooseFont(const QFont &initial, const QString &caption) override;
    std::optional<QColor> chooseColor(const QColor &initial) override;
    int exec(QDialog &dialog) override;
};

} // namespace cw::test
