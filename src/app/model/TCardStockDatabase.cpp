#include "app/model/TCardStockDatabase.h"

#include "app/model/ProgramFolder.h"
#include "app/model/TAtomicFile.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QRegularExpression>

namespace cw::model {

namespace {

// Lower case, "85 x 55" -> "85x55", "10 per sheet" / "10-up" -> "10persheet",
// so that the words of a query and of a stock compare alike.
QString normalised(QString text)
{
    text = text.toLower();
    static const QRegularExpression size(QStringLiteral("(\\d)\\s*(?:mm|in|\")?\\s*[x×]\\s*(\\d)"));
    text.replace(size, QStringLiteral("\\1x\\2"));
    static const QRegularExpression mm(QStringLiteral("(\\d)\\s*(?:mm|in|\")(?=\\W|$)"));
    text.replace(mm, QStringLiteral("\\1"));
    static const QRegularExpression count(
        QStringLiteral("(\\d+)\\s*(?:-\\s*)?(?:per\\s*sheet|up|cards?)\\b"));
    text.replace(count, QStringLiteral("\\1persheet"));
    return text;
}

QStringList words(const QString &text)
{
    static const QRegularExpression separators(QStringLiteral("[\\s,;()/]+"));
    return normalised(text).split(separators, Qt::SkipEmptyParts);
}

} // namespace

TCardStockDatabase::TCardStockDatabase()
{
    m_stocks = ReadStocks(QString::fromLatin1(ResourceName));
    for (TCardStock &stock : ReadStocks(UserFile())) {
        stock.User = true;
        m_stocks << stock;
    }
}

QList<TCardStock> TCardStockDatabase::ReadStocks(const QString &fileName)
{
    QList<TCardStock> stocks;
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return stocks;
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll());
    for (const QJsonValue &value : document.object().value(QStringLiteral("stocks")).toArray()) {
        TCardStock stock = TCardStock::FromJson(value.toObject());
        // Only stocks the layout can hold: a damaged user file must not give
        // a layout that the dialog would refuse.
        if (stock.Key.isEmpty() || stock.Across < 1 || stock.Across > TCardLayout::MaxAcross ||
            stock.Down < 1 || stock.Down > TCardLayout::MaxDown || stock.Width < TCardLayout::MinWidth ||
            stock.Height < TCardLayout::MinHeight || stock.Width > TCardLayout::MaxLength ||
            stock.Height > TCardLayout::MaxLength)
            continue;
        stocks << stock;
    }
    return stocks;
}

const TCardStock *TCardStockDatabase::Find(const QString &key) const
{
    for (const TCardStock &stock : m_stocks)
        if (stock.Key == key)
            return &stock;
    return nullptr;
}

QList<const TCardStock *> TCardStockDatabase::Search(const QString &query) const
{
    const QStringList wanted = words(query);
    QList<const TCardStock *> builtins;
    QList<const TCardStock *> others;
    for (const TCardStock &stock : m_stocks) {
        const QStringList have = words(stock.SearchText());
        const bool all = std::all_of(wanted.begin(), wanted.end(), [&have](const QString &word) {
            return std::any_of(have.begin(), have.end(),
                               [&word](const QString &w) { return w.startsWith(word); });
        });
        if (all)
            (stock.Builtin >= 0 ? builtins : others) << &stock;
    }
    return builtins + others;
}

QString TCardStockDatabase::UserFile()
{
    return ProgramFolder::file(QString::fromLatin1(UserFileName));
}

QString TCardStockDatabase::SaveUserStock(const QString &name, const TCardLayout &layout)
{
    const TCardStock stock = TCardStock::FromLayout(name.simplified(), layout);
    QList<TCardStock> users;
    for (const TCardStock &s : m_stocks)
        if (s.User && s.Key != stock.Key)
            users << s;
    users << stock;

    QJsonArray array;
    for (const TCardStock &s : users)
        array.append(s.ToJson());
    const QJsonObject root{{QStringLiteral("units"), QStringLiteral("inches")},
                           {QStringLiteral("stocks"), array}};
    WriteFileAtomically(UserFile(), QJsonDocument(root).toJson());

    m_stocks.erase(
        std::remove_if(m_stocks.begin(), m_stocks.end(), [](const TCardStock &s) { return s.User; }),
        m_stocks.end());
    m_stocks << users;
    return stock.Key;
}

} // namespace cw::model
