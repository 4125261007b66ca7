#pragma once
// A popup-menu entry described as data, so design objects (which know no
// widgets) can build their right-click menus and the widgets layer turns them
// into a QMenu.  A caption of "-" is a separator.

#include <QString>
#include <functional>
#include <vector>

namespace cw::model {

struct TGMenuItem
{
    QString Caption;
    bool Checkable = false;
    bool Checked = false;
    bool Enabled = true;
    std::function<void()> Action;
    std::vector<TGMenuItem> Items; // a submenu when not empty

    bool IsSeparator() const { return Caption == QLatin1String("-"); }

    static TGMenuItem Separator()
    {
        TGMenuItem item;
        item.Caption = QStringLiteral("-");
        return item;
    }
    static TGMenuItem Command(const QString &caption, std::function<void()> action)
    {
        TGMenuItem item;
        item.Caption = caption;
        item.Action = std::move(action);
        return item;
    }
    static TGMenuItem Submenu(const QString &caption, std::vector<TGMenuItem> items)
    {
        TGMenuItem item;
        item.Caption = caption;
        item.Items = std::move(items);
        return item;
    }

    // The entry with this caption among `items` (not searching submenus).
    static TGMenuItem *Find(std::vector<TGMenuItem> &items, const QString &caption)
    {
        for (auto &i : items)
            if (i.Caption == caption)
                return &i;
        return nullptr;
    }
};

} // namespace cw::model
