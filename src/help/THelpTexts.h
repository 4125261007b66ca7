#pragma once
// The what's-this texts of every window of the program, one table per window
// class, keyed by the controls' object names.  A text that begins with "->"
// redirects to the entry of the named control.  Entries carry the help
// context of their window unless they name another one (NoContext: no link
// into the help book).

#include <QList>
#include <QString>
#include <QStringList>

namespace cw::ui {

struct THelpTextRow
{
    const char *Name;
    const char *Text;
    // 0: the window's help context; NoContext: none; else this context.
    quint32 Context = 0;
};

struct THelpTextTable
{
    const char *WindowClass; // e.g. "TMainScreen"
    quint32 Context;         // the window's help context
    QList<THelpTextRow> Rows;
};

class THelpTexts
{
public:
    static constexpr quint32 NoContext = 0xFFFFFFFFu;

    // The table of a window class ("TEditCardLayout"); null when the program
    // has no window of that name.
    static const THelpTextTable *For(const QString &windowClass);
    // Every table, in no particular order.
    static QList<const THelpTextTable *> All();
    // The rows of the bottom strip every dialog has: "Ok" (with its text),
    // "Cancel", "Help" and the question-mark button.
    static QList<THelpTextRow> DialogButtons(const char *okText);

private:
    // Tables by concern, each defined in its own file.
    static QList<const THelpTextTable *> AppTables();    // main window, settings and help dialogs
    static QList<const THelpTextTable *> TextTables();   // text object dialogs
    static QList<const THelpTextTable *> ObjectTables(); // picture, shape and rich text dialogs
    static QList<const THelpTextTable *> PrintTables();  // printing dialogs and preview
};

} // namespace cw::ui
