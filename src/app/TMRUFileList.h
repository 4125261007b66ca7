#pragma once
// The recent-files list: full paths, most recent first, at most Maximum
// entries, shown at the end of the File menu as "&1 path" … behind a
// separator of their own.  An entry leaves the list when it is clicked
// (RemoveOnClick); the list is stored in section "MRU" of the settings file
// as "F0" (most recent), "F1", ….

#include <QObject>
#include <QStringList>

class QAction;
class QMenu;

namespace cw::model {
class TIniFile;
}

namespace cw::ui {

class TMRUFileList : public QObject
{
    Q_OBJECT

public:
    explicit TMRUFileList(QMenu *fileMenu, QObject *parent = nullptr);

    const QStringList &Items() const { return m_items; }
    int Maximum() const { return m_maximum; }
    // A lower maximum drops the surplus entries from the end.
    void SetMaximum(int maximum);
    bool RemoveOnClick = true;

    // Moves a path already in the list (letter case ignored) to the top, or
    // inserts it there and drops entries from the end beyond Maximum.
    void Add(const QString &path);
    void Remove(const QString &path);

    // Erases section "MRU", then writes F0, F1, … (throws cw::EInOutError).
    void Save(model::TIniFile &ini) const;
    // Reads every line of section "MRU" in file order.
    void Load(const model::TIniFile &ini);

    // The menu entries the list added, in order (for tests and key access).
    QList<QAction *> MenuActions() const { return m_actions; }

signals:
    // An entry was clicked; with RemoveOnClick it is already out of the list.
    void OnMRUItemClick(const QString &path);

private:
    void RebuildMenu();

    QMenu *m_menu;
    QStringList m_items;
    int m_maximum = 5;
    QAction *m_separator = nullptr;
    QList<QAction *> m_actions;
};

} // namespace cw::ui
