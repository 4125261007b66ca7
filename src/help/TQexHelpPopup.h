#pragma once
// The small pale-yellow window that shows a control's help text: the text
// word-wrapped within a maximum width, a dotted shadow to the lower right,
// and, when the entry has a help context, the link line (by default "Click
// here or press F1 for more...") at the bottom right in the opposite weight
// of the font.  A click on the link line or F1 opens the help book at that
// context; any other key or click, or the popup losing the activation,
// closes it.

#include <QColor>
#include <QFont>
#include <QPixmap>
#include <QWidget>

namespace cw::ui {

class TQexHelpPopup : public QWidget
{
    Q_OBJECT

public:
    // Room for the shadow, right and below the text box.
    static constexpr int ShadowSize = 6;

    explicit TQexHelpPopup(QWidget *parent = nullptr);

    // Text, help context (0 = none, no link line), font, background colour,
    // wrap width and link text.  Sizes the window to the text.
    void Setup(const QString &text, quint32 helpContext, const QFont &font, const QColor &color, int maxWidth,
               const QString &moreText);

    QString Text() const { return m_text; }
    quint32 HelpContext() const { return m_context; }
    QString MoreText() const { return m_moreText; }
    // The text box (the window less its shadow) and the link line inside it.
    QSize TextBoxSize() const { return m_box; }
    QRect MoreTextRect() const;
    QFont LinkFont() const;

    // Where the popup for a control with screen rectangle `control` goes:
    // half the box width left of the control's left edge and 8 pixels below
    // its top, moved inside `screen` (with a 10-pixel gap at the right and
    // bottom edges) when it would pass them.
    static QRect Placement(const QRect &control, const QSize &textBox, const QRect &screen);

    // Shows the popup for a control with this screen rectangle.
    void ShowFor(const QRect &control);

signals:
    // The popup closed (by a key, a click, the link or losing the activation).
    void Closed();
    // The link line was clicked or F1 pressed; the popup closes afterwards.
    void LinkActivated(quint32 helpContext);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    void followLink();

    QString m_text;
    quint32 m_context = 0;
    QFont m_font;
    QColor m_color;
    int m_maxWidth = 300;
    QString m_moreText;
    QSize m_box;
    QRect m_textRect; // measured text, inside the box
    bool m_copyScreen = false;
    QPixmap m_under; // the screen under the popup, when it is copied
};

} // namespace cw::ui
