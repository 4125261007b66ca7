#pragma once
// The bar the designer shows while a merge is open: first, previous, next
// and last record, "Record N of M", the number of cards each record prints
// on, and the commands to open another source, change the mapping and
// close the merge.

#include <QWidget>

class QLabel;
class QSpinBox;
class QToolButton;

namespace cw::ui {

class TMergeBar : public QWidget
{
    Q_OBJECT

public:
    explicit TMergeBar(QWidget *parent = nullptr);

    // Shows record `current` (from 0) of `count` and enables the moves that
    // lead somewhere.
    void SetPosition(int current, int count, const QString &sourceName);
    QString PositionText() const;
    int CardsPerRecord() const;
    void SetCardsPerRecord(int cards);

signals:
    void FirstClicked();
    void PreviousClicked();
    void NextClicked();
    void LastClicked();
    void OpenSourceClicked();
    void MappingClicked();
    void CloseClicked();

private:
    QToolButton *m_first, *m_previous, *m_next, *m_last;
    QLabel *m_position;
    QSpinBox *m_cards;
};

} // namespace cw::ui
