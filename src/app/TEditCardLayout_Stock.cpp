// The card-stock part of the layout dialog: picking a stock from the stock
// search, forgetting its key once the numbers no longer are the stock's, and
// the paper list.

#include "app/TCardStockFinder.h"
#include "app/TEditCardLayout.h"

#include "widgets/TNumEdit.h"

#include <QComboBox>

namespace cw::ui {

void TEditCardLayout::PickStock(const model::TCardStock &stock)
{
    FormActivate();
    if (stock.Builtin >= 0 && stock.Builtin < m_predefined->count()) {
        m_predefined->setCurrentIndex(stock.Builtin);
        PredefinedLayoutsChange();
        return;
    }
    stock.ApplyTo(m_layout);
    m_layout.StockKey = stock.Key;
    m_predefined->setCurrentIndex(-1);
    FillEditsFromValues();
}

void TEditCardLayout::forgetChangedStock()
{
    if (!m_layout.StockKey.isEmpty()) {
        // The stock's name stays only while the numbers are the stock's.
        const model::TCardStock *stock = m_finder->Database().Find(m_layout.StockKey);
        model::TCardLayout stockLayout = m_layout;
        if (stock)
            stock->ApplyTo(stockLayout);
        const auto thousandths = [](float inches) { return qRound(double(inches) * 1000); };
        const auto same = [&](float a, float b) { return thousandths(a) == thousandths(b); };
        if (!stock || !same(stockLayout.Height, m_layout.Height) ||
            !same(stockLayout.Width, m_layout.Width) || !same(stockLayout.TopMargin, m_layout.TopMargin) ||
            !same(stockLayout.LeftMargin, m_layout.LeftMargin) ||
            !same(stockLayout.HPitch, m_layout.HPitch) || !same(stockLayout.VPitch, m_layout.VPitch) ||
            stockLayout.Across != m_layout.Across || stockLayout.Down != m_layout.Down ||
            stockLayout.Papersize != m_layout.Papersize)
            m_layout.StockKey.clear();
    }
}

void TEditCardLayout::paperChanged()
{
    const bool custom = m_paper->currentIndex() == 5;
    m_paperWidth->setEnabled(custom);
    m_paperHeight->setEnabled(custom);
}

} // namespace cw::ui
