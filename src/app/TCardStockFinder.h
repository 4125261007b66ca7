#pragma once
// The stock search of the "Business Card Layout" dialog: a search field
// (maker, product code, size or count: "avery 5371", "85 x 55",
// "10 per sheet"), the list of matching card stocks, a miniature of the
// highlighted stock's sheet, and a name field with "Save" that keeps the
// layout the user measured as a stock of their own.

#include "app/model/TCardStockDatabase.h"

#include <QWidget>
#include <functional>

class QLineEdit;
class QListWidget;
class QPushButton;

namespace cw::ui {

class TCardStockFinder : public QWidget
{
    Q_OBJECT
public:
    explicit TCardStockFinder(QWidget *parent = nullptr);

    model::TCardStockDatabase &Database() { return m_database; }

    // Lists the stocks that match `query` (also what typing in the field does).
    void Search(const QString &query);
    // The keys of the listed stocks, in list order.
    QStringList ListedKeys() const;
    // The listed stock texts, in list order.
    QStringList ListedTexts() const;
    // Highlights listed stock `row` and shows its sheet in the miniature.
    void Highlight(int row);
    // The stock of the highlighted line, or null.
    const model::TCardStock *Highlighted() const;

    // Called when the user picks a stock (double click, Enter or "Use").
    std::function<void(const model::TCardStock &)> OnPick;
    // Called by "Save" with the name typed; returns the layout to keep.
    std::function<model::TCardLayout()> CurrentLayout;
    // Picks the highlighted stock.
    void PickHighlighted();
    // Saves the current layout under `name`; returns the new key, or an empty
    // string when no name was given or the file could not be written (the
    // user is told why).
    QString SaveCurrent(const QString &name);

private:
    model::TCardStockDatabase m_database;
    QList<const model::TCardStock *> m_listed;
    QLineEdit *m_search = nullptr;
    QListWidget *m_list = nullptr;
    QWidget *m_miniature = nullptr;
    QPushButton *m_use = nullptr;
    QLineEdit *m_name = nullptr;
    QPushButton *m_save = nullptr;
};

} // namespace cw::ui
