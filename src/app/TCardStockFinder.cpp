#include "app/TCardStockFinder.h"

#include "app/TCardStockMiniature.h"
#include "app/model/Exception.h"
#include "widgets/Interaction.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace cw::ui {

TCardStockFinder::TCardStockFinder(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("StockFinder"));
    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);

    auto *searchLabel = new QLabel(tr("&Find card stock (maker, code, size or count):"), this);
    m_search = new QLineEdit(this);
    m_search->setObjectName(QStringLiteral("StockSearch"));
    m_search->setPlaceholderText(tr("e.g. avery 5371, 85 x 55, 10 per sheet"));
    m_search->setClearButtonEnabled(true);
    searchLabel->setBuddy(m_search);
    grid->addWidget(searchLabel, 0, 0, 1, 2);
    grid->addWidget(m_search, 1, 0);

    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("StockList"));
    m_list->setMinimumWidth(420);
    m_list->setFixedHeight(160);
    grid->addWidget(m_list, 2, 0);

    auto *miniature = new TCardStockMiniature(this);
    m_miniature = miniature;
    grid->addWidget(miniature, 1, 1, 2, 1, Qt::AlignTop);

    auto *row = new QHBoxLayout;
    m_use = new QPushButton(tr("&Use this stock"), this);
    m_use->setObjectName(QStringLiteral("UseStock"));
    m_use->setAutoDefault(false);
    auto *nameLabel = new QLabel(tr("Sa&ve my layout as:"), this);
    m_name = new QLineEdit(this);
    m_name->setObjectName(QStringLiteral("StockName"));
    nameLabel->setBuddy(m_name);
    m_save = new QPushButton(tr("Save"), this);
    m_save->setObjectName(QStringLiteral("SaveStock"));
    m_save->setAutoDefault(false);
    row->addWidget(m_use);
    row->addStretch();
    row->addWidget(nameLabel);
    row->addWidget(m_name);
    row->addWidget(m_save);
    grid->addLayout(row, 3, 0, 1, 2);

    m_search->setWhatsThis(tr("Type a maker, a product code, a card size (\"85 x 55\") or a count "
                              "(\"10 per sheet\") to list the card stocks that match."));
    m_list->setWhatsThis(tr("The card stocks that match the search. Double-click one to take its sizes."));
    miniature->setWhatsThis(tr("The sheet of the highlighted card stock, to scale."));
    m_use->setWhatsThis(tr("Takes the sizes of the highlighted card stock into the fields below."));
    m_name->setWhatsThis(tr("A name for the layout in the fields below, to find it again later."));
    m_save->setWhatsThis(tr("Keeps the layout in the fields below as a card stock of your own."));

    connect(m_search, &QLineEdit::textChanged, this, &TCardStockFinder::Search);
    connect(m_list, &QListWidget::currentRowChanged, this, &TCardStockFinder::Highlight);
    connect(m_list, &QListWidget::itemActivated, this, [this] { PickHighlighted(); });
    connect(m_use, &QPushButton::clicked, this, &TCardStockFinder::PickHighlighted);
    connect(m_save, &QPushButton::clicked, this, [this] { SaveCurrent(m_name->text()); });
    Search(QString());
}

void TCardStockFinder::Search(const QString &query)
{
    if (m_search->text() != query) {
        const QSignalBlocker block(m_search);
        m_search->setText(query);
    }
    m_listed = m_database.Search(query);
    const QSignalBlocker block(m_list);
    m_list->clear();
    for (const model::TCardStock *stock : m_listed) {
        auto *item = new QListWidgetItem(stock->DisplayText(), m_list);
        QString tip = stock->Codes.join(QStringLiteral(", "));
        if (!stock->Note.isEmpty())
            tip += QLatin1Char('\n') + stock->Note;
        item->setToolTip(tip);
    }
    Highlight(m_listed.isEmpty() ? -1 : 0);
}

QStringList TCardStockFinder::ListedKeys() const
{
    QStringList keys;
    for (const model::TCardStock *stock : m_listed)
        keys << stock->Key;
    return keys;
}

QStringList TCardStockFinder::ListedTexts() const
{
    QStringList texts;
    for (const model::TCardStock *stock : m_listed)
        texts << stock->DisplayText();
    return texts;
}

void TCardStockFinder::Highlight(int row)
{
    if (m_list->currentRow() != row) {
        const QSignalBlocker block(m_list);
        m_list->setCurrentRow(row);
    }
    static_cast<TCardStockMiniature *>(m_miniature)->SetStock(Highlighted());
    m_use->setEnabled(Highlighted() != nullptr);
}

const model::TCardStock *TCardStockFinder::Highlighted() const
{
    const int row = m_list->currentRow();
    return row >= 0 && row < m_listed.size() ? m_listed.at(row) : nullptr;
}

void TCardStockFinder::PickHighlighted()
{
    if (const model::TCardStock *stock = Highlighted(); stock && OnPick)
        OnPick(*stock);
}

QString TCardStockFinder::SaveCurrent(const QString &name)
{
    if (name.trimmed().isEmpty()) {
        Interaction::current().information(tr("Type a name for your layout first."));
        return QString();
    }
    if (!CurrentLayout)
        return QString();
    const model::TCardLayout layout = CurrentLayout();
    QString key;
    try {
        key = m_database.SaveUserStock(name, layout);
    } catch (const cw::Exception &e) {
        Interaction::current().information(e.message());
        return QString();
    }
    // The list shows the saved layout, highlighted.
    Search(name.simplified());
    const int row = int(ListedKeys().indexOf(key));
    Highlight(row);
    return key;
}

} // namespace cw::ui
