#include "help/TQexHelpPopup.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>

namespace cw::ui {

namespace {
// 8 x 8 dotted pattern of the shadow: every other pixel, offset on odd rows,
// so the background shows through half of the shadow's pixels.
QImage shadowPattern()
{
    QImage pattern(8, 8, QImage::Format_ARGB32_Premultiplied);
    pattern.fill(Qt::transparent);
    for (int y = 0; y < 8; ++y)
        for (int x = (y & 1); x < 8; x += 2)
            pattern.setPixel(x, y, qRgba(0, 0, 0, 255));
    return pattern;
}
} // namespace

TQexHelpPopup::TQexHelpPopup(QWidget *parent) : QWidget(parent, Qt::Popup | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("TQexHelpPopup"));
    // Where the window system keeps no picture behind a window (X11 without a
    // compositor), the popup copies the screen under it and darkens that for
    // its shadow; elsewhere the shadow is drawn on a see-through window.
    m_copyScreen = QGuiApplication::platformName() == QLatin1String("xcb");
    if (!m_copyScreen)
        setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_DeleteOnClose, false);
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
}

QFont TQexHelpPopup::LinkFont() const
{
    QFont link = m_font;
    link.setBold(!m_font.bold());
    return link;
}

void TQexHelpPopup::Setup(const QString &text, quint32 helpContext, const QFont &font, const QColor &color,
                          int maxWidth, const QString &moreText)
{
    m_text = text;
    m_context = helpContext;
    m_font = font;
    m_color = color;
    m_maxWidth = std::max(1, maxWidth);
    m_moreText = moreText;

    const QFontMetrics fm(m_font);
    m_textRect =
        fm.boundingRect(QRect(0, 0, m_maxWidth, 10), Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, m_text);
    int width = m_textRect.width() + 16;
    int height = m_textRect.height() + 10;
    if (m_context != 0) {
        const QFontMetrics linkMetrics(LinkFont());
        height += 3 + linkMetrics.height();
        // The link line stays on one line inside the box, also under short texts.
        width = std::max(width, linkMetrics.horizontalAdvance(m_moreText) + 16);
    }
    m_box = QSize(width, height);
    resize(m_box + QSize(ShadowSize, ShadowSize));
    update();
}

QRect TQexHelpPopup::MoreTextRect() const
{
    if (m_context == 0)
        return QRect();
    const QFontMetrics fm(LinkFont());
    const int w = fm.horizontalAdvance(m_moreText);
    const int h = fm.height();
    return QRect(m_box.width() - 8 - w, m_box.height() - 4 - h, w, h);
}

QRect TQexHelpPopup::Placement(const QRect &control, const QSize &textBox, const QRect &screen)
{
    const int w = textBox.width() + ShadowSize;
    const int h = textBox.height() + ShadowSize;
    int left = control.left() - textBox.width() / 2;
    if (left < screen.left())
        left = screen.left();
    if (left + w > screen.left() + screen.width())
        left = screen.left() + screen.width() - w - 10;
    int top = control.top() + 8;
    if (top + h > screen.top() + screen.height())
        top = screen.top() + screen.height() - h - 10;
    return QRect(left, top, w, h);
}

void TQexHelpPopup::ShowFor(const QRect &control)
{
    QScreen *screen = QGuiApplication::screenAt(control.center());
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    const QRect area = screen ? screen->geometry() : QRect(0, 0, 1024, 768);
    const QRect place = Placement(control, m_box, area);
    m_under = QPixmap();
    if (m_copyScreen && screen)
        m_under =
            screen->grabWindow(0, place.x() - area.x(), place.y() - area.y(), place.width(), place.height());
    setGeometry(place);
    show();
    raise();
    activateWindow();
    setFocus(Qt::PopupFocusReason);
}

void TQexHelpPopup::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    if (!m_under.isNull())
        p.drawPixmap(0, 0, m_under);
    const QRect box(QPoint(0, 0), m_box);
    p.fillRect(box.translated(ShadowSize, ShadowSize), QBrush(shadowPattern()));
    p.fillRect(box, m_color);
    p.setPen(Qt::black);
    p.drawRect(box.adjusted(0, 0, -1, -1));
    p.setFont(m_font);
    p.drawText(QRect(8, 4, m_box.width() - 16, m_textRect.height() + 2),
               Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, m_text);
    if (m_context != 0) {
        p.setFont(LinkFont());
        p.setPen(QColor(0, 0, 128));
        p.drawText(MoreTextRect(), Qt::AlignRight | Qt::AlignVCenter | Qt::TextSingleLine, m_moreText);
    }
}

void TQexHelpPopup::followLink()
{
    const quint32 context = m_context;
    close();
    emit LinkActivated(context);
}

void TQexHelpPopup::mousePressEvent(QMouseEvent *event)
{
    if (m_context != 0 && event->button() == Qt::LeftButton &&
        MoreTextRect().adjusted(-2, -2, 2, 2).contains(event->position().toPoint())) {
        followLink();
        return;
    }
    close();
}

void TQexHelpPopup::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_F1 && m_context != 0) {
        followLink();
        return;
    }
    close();
}

void TQexHelpPopup::hideEvent(QHideEvent *event)
{
    QWidget::hideEvent(event);
    emit Closed();
}

} // namespace cw::ui
