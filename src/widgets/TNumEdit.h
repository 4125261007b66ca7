#pragma once
// A one-line edit for decimal numbers, shown with a number of decimals
// between a minimum and a maximum ("#0.###" is 0 to 3 decimals, "#0.0##" 1 to
// 3, a fixed two-decimal display 2 to 2).  The edit keeps the exact value it
// was given: value() returns it unrounded until its text is changed, so switching
// units back and forth does not wear the number down to its displayed digits.
// Numbers use the widget's locale, without group separators.

#include <QLineEdit>

class QDoubleValidator;

namespace cw::ui {

class TNumEdit : public QLineEdit
{
    Q_OBJECT
public:
    explicit TNumEdit(QWidget *parent = nullptr);

    double value() const { return m_value; }
    void setValue(double value);

    // Decimals shown: trailing zeros beyond `minimum` are dropped; the edit
    // accepts at most `maximum` decimals.  The value is shown again.
    void setDecimals(int minimum, int maximum);
    int minimumDecimals() const { return m_minDecimals; }
    int maximumDecimals() const { return m_maxDecimals; }
    // At most this many digits are shown in all (0: no limit); a long whole
    // part takes decimals away, but never below the minimum.
    void setSignificantDigits(int digits);

    // The largest number the edit takes (the smallest is 0).
    void setMaximum(double maximum);

    // `value` as the edit would show it.
    QString format(double value) const;

    // Room for a number of about eight digits, not a line of text.
    QSize sizeHint() const override;

private:
    void takeTypedText(const QString &text);

    QDoubleValidator *m_validator = nullptr;
    double m_value = 0.0;
    int m_minDecimals = 0;
    int m_maxDecimals = 3;
    int m_digits = 0;
    bool m_showing = false;
};

} // namespace cw::ui
