#include "widgets/TNumEdit.h"

#include <QDoubleValidator>

#include <cmath>

namespace cw::ui {

TNumEdit::TNumEdit(QWidget *parent) : QLineEdit(parent)
{
    QLocale numbers = locale();
    numbers.setNumberOptions(QLocale::OmitGroupSeparator | QLocale::RejectGroupSeparator);
    setLocale(numbers);
    m_validator = new QDoubleValidator(0.0, 9999.0, m_maxDecimals, this);
    m_validator->setNotation(QDoubleValidator::StandardNotation);
    m_validator->setLocale(numbers);
    setValidator(m_validator);
    connect(this, &QLineEdit::textChanged, this, &TNumEdit::takeTypedText);
    setValue(0.0);
}

QString TNumEdit::format(double value) const
{
    int decimals = m_maxDecimals;
    if (m_digits > 0) {
        const int whole = QString::number(std::trunc(std::abs(value)), 'f', 0).size();
        decimals = std::clamp(m_digits - whole, m_minDecimals, m_maxDecimals);
    }
    QString text = locale().toString(value, 'f', decimals);
    const QChar point = locale().decimalPoint().front();
    const int dot = text.indexOf(point);
    if (dot >= 0) {
        int keep = text.size();
        while (keep > dot + 1 + m_minDecimals && text.at(keep - 1) == QLatin1Char('0'))
            --keep;
        if (keep == dot + 1)
            --keep; // no decimals left: no decimal point either
        text.truncate(keep);
    }
    return text;
}

void TNumEdit::setValue(double value)
{
    m_value = value;
    m_showing = true;
    setText(format(value));
    m_showing = false;
}

void TNumEdit::setDecimals(int minimum, int maximum)
{
    m_maxDecimals = std::max(0, maximum);
    m_minDecimals = std::clamp(minimum, 0, m_maxDecimals);
    m_validator->setDecimals(m_maxDecimals);
    setValue(m_value);
}

QSize TNumEdit::sizeHint() const
{
    QSize size = QLineEdit::sizeHint();
    const int digits = fontMetrics().horizontalAdvance(QStringLiteral("00000.000"));
    const QMargins margins = textMargins() + contentsMargins();
    size.setWidth(std::min(size.width(), digits + margins.left() + margins.right() + 8));
    return size;
}

void TNumEdit::setSignificantDigits(int digits)
{
    m_digits = std::max(0, digits);
    setValue(m_value);
}

void TNumEdit::setMaximum(double maximum)
{
    m_validator->setTop(maximum);
}

void TNumEdit::takeTypedText(const QString &text)
{
    if (m_showing)
        return; // the text shows m_value; keep its unrounded digits
    bool ok = false;
    const double typed = locale().toDouble(text, &ok);
    m_value = ok ? typed : 0.0;
}

} // namespace cw::ui
