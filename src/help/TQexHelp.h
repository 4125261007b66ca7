#pragma once
// The what's-this help of a window: a table of help entries keyed by the
// window's control names, the "What's this?" popup-menu entry on the
// controls, the question-mark button's what's-this mode, and the popup that
// shows the text.
//
// A window calls TQexHelp::Install(window) once after building its controls.
// The first call also starts watching the whole program: from then on every
// window of a class that has a table (THelpTexts) gets its help component
// when it is first shown, so dialogs need no call of their own.  What's-this
// mode is Qt's (question-mark cursor, Escape cancels); a click in it on a
// control of a window with a help component shows that control's popup.

#include <QColor>
#include <QFont>
#include <QHash>
#include <QObject>
#include <QPointer>
#include <optional>

class QWidget;

namespace cw::ui {

class TQexHelpPopup;
struct THelpTextTable;

// One help entry: the text (a "->Name" text redirects) and the help context
// its link opens (0 = no link).
struct THelpEntry
{
    QString Text;
    quint32 HelpContext = 0;
};

class TQexHelp : public QObject
{
    Q_OBJECT

public:
    // The component of `form` (an object child of it named "QexHelp1"),
    // holding the table of the form's class when there is one.
    explicit TQexHelp(QWidget *form);
    ~TQexHelp() override;

    // Creates the window's help component when it has none and starts the
    // program-wide watch; returns the component.
    static TQexHelp *Install(QWidget *window);
    // The help component of the window a control lies in, or null.
    static TQexHelp *Of(const QWidget *control);
    // The control whose "What's this?" menu a right-click on `widget` opens:
    // the widget (or the control it is an inner part of) when it has an entry
    // of its own in its window's help; null otherwise, so the design surface
    // and other areas with menus of their own keep them.
    static QWidget *MenuControl(QWidget *widget);
    // The name a control is known by in the tables: its object name, or for a
    // tool-bar button without one the name of its action.
    static QString ControlName(const QWidget *control);
    // The help table of a window: by its class name, else by its object
    // name with or without a leading "T"; null when it has none.
    static const THelpTextTable *TableOf(const QWidget *window);
    // The class name of a window without namespace ("TEditCardLayout").
    static QString WindowClass(const QWidget *window);

    // Popup appearance, as published.
    QColor Color = QColor(0xFF, 0xFF, 0xE8); // pale yellow
    QFont Font;                              // used when ParentFont is false
    bool ParentFont = true;
    int MaxWidth = 300;
    QString MoreText = QStringLiteral("Click here or press F1 for more...");

    QWidget *Form() const { return m_form; }
    // The entries by control name.
    QHash<QString, THelpEntry> HelpText;
    void SetEntry(const QString &name, const QString &text, quint32 helpContext = 0);
    // The entry of a name, following "->" redirections; nullopt when the name
    // has none, its text is empty, or the redirections run in a circle.
    std::optional<THelpEntry> Lookup(const QString &name) const;

    struct Found
    {
        QWidget *Control = nullptr; // the control whose entry is shown
        THelpEntry Entry;
    };
    // The help a click on `control` shows: its own entry, else that of its
    // nearest ancestor up to the form that has one (a control's own
    // what's-this text counts as an entry without help context).
    std::optional<Found> Resolve(QWidget *control) const;

    // Shows the popup for `control` (the "What's this?" entry and a click in
    // what's-this mode).  Returns false, and raises OnHelpDone, when there is
    // no help to show.
    bool ShowFor(QWidget *control);
    // The question-mark button: the next click on a control shows its help.
    void EnterWhatsThisMode();

    TQexHelpPopup *Popup() const { return m_popup; }
    QFont PopupFont() const;

signals:
    // A help request ended, with or without a popup.
    void OnHelpDone();

private:
    void loadTable();

    QPointer<QWidget> m_form;
    TQexHelpPopup *m_popup = nullptr;
};

} // namespace cw::ui
