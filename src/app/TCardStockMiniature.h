#pragma once
// A miniature of one sheet of card stock: the paper and every card on it,
// drawn to scale inside the widget (corner radius included), so a stock can
// be told apart from its neighbours in the list at a glance.

#include "app/model/TCardStock.h"

#include <QWidget>
#include <optional>

namespace cw::ui {

class TCardStockMiniature : public QWidget
{
public:
    explicit TCardStockMiniature(QWidget *parent = nullptr);

    void SetStock(const model::TCardStock *stock);
    // Where the paper and the card in (row, column) fall in widget pixels.
    QRectF PaperRect() const;
    QRectF CardRect(int row, int column) const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    double scale() const;
    std::optional<model::TCardStock> m_stock;
};

} // namespace cw::ui
