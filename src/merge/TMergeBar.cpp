#include "merge/TMergeBar.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QSpinBox>
#include <QToolButton>

namespace cw::ui {

namespace {
QToolButton *button(QWidget *parent, const QString &name, const QString &text, const QString &tip)
{
    auto *b = new QToolButton(parent);
    b->setObjectName(name);
    b->setText(text);
    b->setToolTip(tip);
    b->setAutoRaise(true);
    return b;
}
} // namespace

TMergeBar::TMergeBar(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("MergeBar"));
    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(6, 2, 6, 2);
    m_first = button(this, QStringLiteral("FirstRecord"), QStringLiteral("|<"), tr("First record"));
    m_previous = button(this, QStringLiteral("PreviousRecord"), QStringLiteral("<"), tr("Previous record"));
    m_position = new QLabel(this);
    m_position->setObjectName(QStringLiteral("RecordPosition"));
    m_next = button(this, QStringLiteral("NextRecord"), QStringLiteral(">"), tr("Next record"));
    m_last = button(this, QStringLiteral("LastRecord"), QStringLiteral(">|"), tr("Last record"));
    auto *cardsLabel = new QLabel(tr("Print the same card"), this);
    m_cards = new QSpinBox(this);
    m_cards->setObjectName(QStringLiteral("CardsPerRecord"));
    m_cards->setRange(1, 99);
    cardsLabel->setBuddy(m_cards);
    auto *times = new QLabel(tr("times per record"), this);
    auto *open =
        button(this, QStringLiteral("OpenMergeSource"), tr("Open Source..."), tr("Merge another file"));
    auto *mapping = button(this, QStringLiteral("MergeMapping"), tr("Mapping..."),
                           tr("Choose the columns that fill the fields"));
    auto *close = button(this, QStringLiteral("CloseMerge"), tr("Close Merge"), tr("End the merge"));
    for (QWidget *w : std::initializer_list<QWidget *>{m_first, m_previous, m_position, m_next, m_last})
        row->addWidget(w);
    row->addSpacing(16);
    row->addWidget(cardsLabel);
    row->addWidget(m_cards);
    row->addWidget(times);
    row->addStretch();
    row->addWidget(open);
    row->addWidget(mapping);
    row->addWidget(close);
    connect(m_first, &QToolButton::clicked, this, &TMergeBar::FirstClicked);
    connect(m_previous, &QToolButton::clicked, this, &TMergeBar::PreviousClicked);
    connect(m_next, &QToolButton::clicked, this, &TMergeBar::NextClicked);
    connect(m_last, &QToolButton::clicked, this, &TMergeBar::LastClicked);
    connect(open, &QToolButton::clicked, this, &TMergeBar::OpenSourceClicked);
    connect(mapping, &QToolButton::clicked, this, &TMergeBar::MappingClicked);
    connect(close, &QToolButton::clicked, this, &TMergeBar::CloseClicked);
}

void TMergeBar::SetPosition(int current, int count, const QString &sourceName)
{
    m_position->setText(tr("Record %1 of %2").arg(count > 0 ? current + 1 : 0).arg(count));
    m_position->setToolTip(sourceName);
    m_first->setEnabled(current > 0);
    m_previous->setEnabled(current > 0);
    m_next->setEnabled(current + 1 < count);
    m_last->setEnabled(current + 1 < count);
}

QString TMergeBar::PositionText() const
{
    return m_position->text();
}

int TMergeBar::CardsPerRecord() const
{
    return m_cards->value();
}

void TMergeBar::SetCardsPerRecord(int cards)
{
    m_cards->setValue(cards);
}

} // namespace cw::ui
