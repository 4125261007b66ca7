#pragma once
// The user interaction service: every message box, question, file, font and
// colour dialog, and every modal run of one of the program's own dialogs goes
// through Interaction::current().  The Qt implementation shows real windows;
// tests install a scripted double that records the texts and answers from a
// queue, so commands are tested with their exact wording and no modal loop.

#include <QColor>
#include <QFont>
#include <QList>
#include <QString>
#include <QUrl>
#include <optional>

class QDialog;
class QWidget;

namespace cw::ui {

class Interaction
{
public:
    virtual ~Interaction() = default;

    // Information box: caption "Information", information icon, OK.
    virtual void information(const QString &text) = 0;
    // Yes/No question with the caller's caption; true on Yes.
    virtual bool question(const QString &text, const QString &caption) = 0;
    // Yes/No question whose default button is No, for a Yes that cannot be
    // taken back ("Delete …?"): Enter, Esc and closing the box answer No.  A
    // service without such a box asks the plain yes/no question.
    virtual bool questionDefaultNo(const QString &text, const QString &caption);

    // The answer to a question that may also be called off.
    enum class Answer { Yes, No, Cancel };
    // Yes/No/Cancel question with the caller's caption, for a question whose
    // No throws work away ("Save changes?"): Esc and closing the box answer
    // Cancel, never No.  A service without such a box asks the yes/no question.
    virtual Answer questionWithCancel(const QString &text, const QString &caption);
    // Error box for failures the program reports in its own words.
    virtual void error(const QString &text, const QString &caption) = 0;

    // Common dialogs; an empty result or std::nullopt means the user cancelled.
    virtual QString openFileName(const QString &caption, const QString &folder, const QString &filter) = 0;
    virtual QString saveFileName(const QString &caption, const QString &folder, const QString &filter,
                                 const QString &defaultSuffix) = 0;
    virtual std::optional<QFont> chooseFont(const QFont &initial, const QString &caption) = 0;
    virtual std::optional<QColor> chooseColor(const QColor &initial) = 0;
    // The font dialog whose effects section also sets the text colour,
    // opened on a design font whose family may not be installed (Arial,
    // Wingdings): the dialog offers it, and an unchanged family comes back
    // under the same name.  A service without such a dialog asks chooseFont
    // and keeps the colour.
    struct FontChoice
    {
        QFont font;
        QColor color;
    };
    virtual std::optional<FontChoice> chooseFontAndColor(const FontChoice &initial, const QString &caption);

    // Runs one of the program's dialogs modally and returns its result
    // (QDialog::Accepted or Rejected).  The dialog is already filled in.
    virtual int exec(QDialog &dialog) = 0;

    // The service in force.  Never null: the Qt implementation is the default.
    static Interaction &current();
    // Installs another service (tests); nullptr restores the Qt implementation.
    // The caller keeps ownership.
    static void install(Interaction *service);

    // The window dialogs are placed over and message boxes belong to.
    static void setMainWindow(QWidget *window);
    static QWidget *mainWindow();
};

// Shows real Qt dialogs, placed over the main window.
class QtInteraction final : public Interaction
{
public:
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
    std::optional<FontChoice> chooseFontAndColor(const FontChoice &initial, const QString &caption) override;
    int exec(QDialog &dialog) override;

    // The program's own folders the file dialogs offer beside the usual
    // places: the saved designs and the sample cards shipped with the
    // program (each only when it exists).
    static QList<QUrl> ProgramPlaces();
};

} // namespace cw::ui
