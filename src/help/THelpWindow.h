#pragma once
// The help window: the help book shown in a text browser, with the contents
// tree, Back/Forward/Contents, and a full-text search over the pages.  One
// window serves the whole program; every help request reuses it and brings it
// to the front.

#include "help/model/THelpBook.h"

#include <QPointer>
#include <QWidget>
#include <memory>

class QAction;
class QLineEdit;
class QListWidget;
class QTextBrowser;
class QTreeWidget;
class QTreeWidgetItem;

namespace cw::ui {

class THelpWindow : public QWidget
{
    Q_OBJECT

public:
    // The window on the book in `folder` (normally THelpBook::DefaultFolder()).
    explicit THelpWindow(const QString &folder, QWidget *parent = nullptr);
    ~THelpWindow() override;

    // The program's one help window, created on first use over the shipped
    // book (a window of the program's main window, so it closes with it).
    static THelpWindow *instance();
    // The window if it exists, without creating it.
    static THelpWindow *existing();

    // Show the page of a help context; an unknown number shows the contents
    // page.  Returns false when the number is not in the book.
    bool ShowContext(int context);
    void ShowContents();
    // Run a full-text search and list the pages found.
    void Search(const QString &query);

    const model::THelpBook &Book() const { return *m_book; }
    QTextBrowser *Browser() const { return m_browser; }
    QListWidget *Results() const { return m_results; }
    QTreeWidget *ContentsTree() const { return m_contents; }
    QLineEdit *SearchBox() const { return m_search; }

    // Where a window of frame size `size` goes beside a dialog whose frame is
    // `dialog`, on a screen whose free area is `screen`: to the right of the
    // dialog, else to its left, else on the side with more room, overlapping
    // the dialog as little as the screen allows; level with the dialog's top.
    // The frame, title bar first, stays on the screen.  Returns the frame's
    // top-left corner.
    static QPoint PlaceBeside(const QRect &dialog, const QSize &size, const QRect &screen);

private:
    void buildContents();
    void open(const QUrl &url);
    void sourceChanged(const QUrl &url);
    void bringToFront();
    // Makes the window a window of `owner` (null: top level), keeping its
    // place and whether it is shown.
    void moveUnder(QWidget *owner);
    void returnToMainWindow();
    // Moves the window beside `dialog`, on the dialog's screen.
    void placeBeside(const QWidget *dialog);

    std::unique_ptr<model::THelpBook> m_book;
    QTextBrowser *m_browser = nullptr;
    QTreeWidget *m_contents = nullptr;
    QListWidget *m_results = nullptr;
    QLineEdit *m_search = nullptr;
    QAction *m_back = nullptr;
    QAction *m_forward = nullptr;
};

} // namespace cw::ui
