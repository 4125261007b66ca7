#pragma once
// The card stocks the layout dialog can search: the program's built-in
// layouts and the makers' business-card stocks (content/card-stocks.json,
// compiled into the program as the resource ":/card-stocks.json"), followed
// by the layouts the user measured and named, which live in the program
// folder's "CardStocks.json".  Lengths are inches.

#include "app/model/TCardStock.h"

#include <QList>
#include <QString>

namespace cw::model {

class TCardStockDatabase
{
public:
    static constexpr const char *ResourceName = ":/card-stocks.json";
    static constexpr const char *UserFileName = "CardStocks.json";

    // Reads the shipped stocks and the user's file from the program folder.
    TCardStockDatabase();
    // Reads the stocks of one JSON document ({"stocks": [...]}); a missing or
    // damaged document gives none.
    static QList<TCardStock> ReadStocks(const QString &fileName);

    const QList<TCardStock> &Stocks() const { return m_stocks; }
    // The stock with `key`, or null.
    const TCardStock *Find(const QString &key) const;

    // Stocks whose words hold every word of `query`, built-in layouts first,
    // then in database order.  Case does not matter; "85 x 55" and "85x55"
    // are one size, "10 per sheet", "10 up" and "10-up" one count, and a word
    // matches the beginning of a code ("l741" finds L7413 to L7419).  An empty
    // query lists every stock.
    QList<const TCardStock *> Search(const QString &query) const;

    // Adds (or replaces, by name) a user stock measured as `layout` and
    // writes the user file at once.  Returns its key.  Throws
    // cw::EInOutError when the file cannot be written; the list is then
    // unchanged.
    QString SaveUserStock(const QString &name, const TCardLayout &layout);

    // The user file: ProgramFolder::file(UserFileName).
    static QString UserFile();

private:
    QList<TCardStock> m_stocks;
};

} // namespace cw::model
