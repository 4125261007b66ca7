#pragma once
// The owner-drawn push button of the Quick Tips assistant: a glyph ("on"
// while the mouse is over the button or it is pressed, "off" otherwise), a
// caption drawn from a horizontal offset and word-wrapped, a border and a
// shadow line, optionally rounded corners.  A button whose `Showing` flag is
// off keeps its place but paints nothing.

#include <QAbstractButton>
#include <QColor>

namespace cw::ui {

class TAmbitButton : public QAbstractButton
{
    Q_OBJECT

public:
    explicit TAmbitButton(const QString &caption, QWidget *parent = nullptr);

    int CaptionX = 30;         // left edge of the caption
    QPoint GlyphPos{8, -1};    // glyph's top-left; y = -1 centres it vertically
    int RoundedCornerSize = 0; // corner ellipse size; 0 = square corners
    QColor BorderColor{128, 128, 128};
    QColor ShadowColor{64, 64, 64};

    bool Showing() const { return m_showing; }
    void SetShowing(bool showing);
    bool IsHot() const { return m_hot; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    bool m_showing = true;
    bool m_hot = false;
};

} // namespace cw::ui
