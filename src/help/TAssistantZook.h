#pragma once
// The Quick Tips assistant: how-do-I topics with their answers, shown in a
// small borderless window beside the main window.  The component holds the
// topics; its window is created on the first Execute and reused afterwards
// ("Close" only hides it); the component frees it.

#include <QObject>
#include <QPointer>
#include <QStringList>

class QWidget;

namespace cw::ui {

class TAssistantZookForm;

class TAssistantZook : public QObject
{
    Q_OBJECT

public:
    // A component with the shipped topics, owned by `owner`.
    explicit TAssistantZook(QObject *owner = nullptr);
    ~TAssistantZook() override;

    // The main window's Quick Tips button: the main window's assistant
    // (component "AssistantZook1", created on first use) shows its window.
    static TAssistantZook *Show(QWidget *mainWindow);

    // Title-bar caption of the window, copied when the window is created.
    QString Caption = QStringLiteral("Quick Tips");
    // Topic titles and their answers, parallel lists.
    QStringList Topics;
    QStringList Answers;

    // Shows the window beside `owner` with the topics from page 1, not modal.
    void Execute(QWidget *owner);
    TAssistantZookForm *Form() const { return m_form; }

    // The nine topics the program ships with (titles exact, trailing blanks
    // included) and their answers.
    static QStringList ShippedTopics();
    static QStringList ShippedAnswers();

private:
    QPointer<TAssistantZookForm> m_form;
};

} // namespace cw::ui
