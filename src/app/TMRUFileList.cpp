#include "app/TMRUFileList.h"

#include "app/model/TIniFile.h"

#include <QAction>
#include <QMenu>

namespace cw::ui {

namespace {
const QString kSection = QStringLiteral("MRU");
}

TMRUFileList::TMRUFileList(QMenu *fileMenu, QObject *parent) : QObject(parent), m_menu(fileMenu) {}

void TMRUFileList::SetMaximum(int maximum)
{
    m_maximum = std::max(0, maximum);
    while (m_items.size() > m_maximum)
        m_items.removeLast();
    RebuildMenu();
}

void TMRUFileList::Add(const QString &path)
{
    for (qsizetype i = 0; i < m_items.size(); ++i) {
        if (m_items[i].compare(path, Qt::CaseInsensitive) == 0) {
            m_items.removeAt(i);
            break;
        }
    }
    m_items.prepend(path);
    while (m_items.size() > m_maximum)
        m_items.removeLast();
    RebuildMenu();
}

void TMRUFileList::Remove(const QString &path)
{
    m_items.removeIf([&](const QString &p) { return p.compare(path, Qt::CaseInsensitive) == 0; });
    RebuildMenu();
}

void TMRUFileList::Save(model::TIniFile &ini) const
{
    ini.BeginUpdate();
    ini.EraseSection(kSection);
    for (qsizetype i = 0; i < m_items.size(); ++i)
        ini.WriteString(kSection, QStringLiteral("F%1").arg(i), m_items[i]);
    ini.EndUpdate();
}

void TMRUFileList::Load(const model::TIniFile &ini)
{
    m_items.clear();
    for (const QString &key : ini.ReadSection(kSection)) {
        const QString path = ini.ReadString(kSection, key, QString());
        if (!path.isEmpty() && m_items.size() < m_maximum)
            m_items << path;
    }
    RebuildMenu();
}

void TMRUFileList::RebuildMenu()
{
    if (!m_menu)
        return;
    for (QAction *a : std::as_const(m_actions)) {
        m_menu->removeAction(a);
        a->deleteLater();
    }
    m_actions.clear();
    if (m_separator) {
        m_menu->removeAction(m_separator);
        m_separator->deleteLater();
        m_separator = nullptr;
    }
    if (m_items.isEmpty())
        return;
    m_separator = m_menu->addSeparator();
    for (qsizetype i = 0; i < m_items.size(); ++i) {
        const QString path = m_items[i];
        // "&" in a path is text, not the mark of an accelerator ("Smith & Co").
        QString shown = path;
        shown.replace(QLatin1Char('&'), QStringLiteral("&&"));
        QAction *a = m_menu->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(shown));
        a->setData(static_cast<int>(i + 1)); // the entry number, from 1
        connect(a, &QAction::triggered, this, [this, path] {
            if (RemoveOnClick)
                Remove(path);
            emit OnMRUItemClick(path);
        });
        m_actions << a;
    }
}

} // namespace cw::ui
