#include "help/TAssistantZookForm.h"

#include "help/HelpContext.h"
#include "help/TAmbitButton.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPlainTextEdit>
#include <QScreen>
#include <QStackedWidget>
#include <QVBoxLayout>
#include <QWindow>

namespace cw::ui {

namespace {
constexpr int FrequentlyAskedQuestions = 911;

QPainterPath roundedOutline(const QRectF &r, int width, int height)
{
    // The corner ellipse is an eighth of the window each way (radii of a
    // sixteenth).
    QPainterPath path;
    path.addRoundedRect(r, width / 16.0, height / 16.0);
    return path;
}
} // namespace

TAssistantZookForm::TAssistantZookForm(QWidget *owner)
    : QWidget(owner, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("TAssistantZookForm"));
    setWindowTitle(m_caption);
    setFixedSize(ClientWidth, ClientHeight);
    setAttribute(Qt::WA_QuitOnClose, false);
    setCursor(Qt::ArrowCursor);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, pal.color(QPalette::ToolTipBase));
    pal.setColor(QPalette::WindowText, pal.color(QPalette::ToolTipText));
    setPalette(pal);
    setAutoFillBackground(true);

    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(6, TitleHeight + 4, 6, 8);
    column->setSpacing(4);
    m_pages = new QStackedWidget(this);
    m_pages->addWidget(buildMainPage());
    m_pages->addWidget(buildLabelPage());
    m_pages->addWidget(buildMemoPage());
    column->addWidget(m_pages, 1);

    auto *strip = new QHBoxLayout;
    strip->setContentsMargins(4, 0, 4, 0);
    m_back = stripButton(tr("Back  "), this);
    m_back->setObjectName(QStringLiteral("BackButton"));
    m_back->hide();
    m_close = stripButton(tr("Close"), this);
    m_close->setObjectName(QStringLiteral("CloseButton"));
    strip->addWidget(m_back);
    strip->addStretch(1);
    strip->addWidget(m_close);
    column->addLayout(strip);

    connect(m_back, &QAbstractButton::clicked, this, &TAssistantZookForm::BackClick);
    connect(m_close, &QAbstractButton::clicked, this, &QWidget::hide);
    applyShape();
}

TAmbitButton *TAssistantZookForm::stripButton(const QString &caption, QWidget *parent)
{
    auto *b = new TAmbitButton(caption, parent);
    b->CaptionX = 30;
    b->RoundedCornerSize = 10;
    b->setFixedSize(86, 28);
    return b;
}

QWidget *TAssistantZookForm::buildMainPage()
{
    auto *page = new QWidget;
    page->setObjectName(QStringLiteral("Main"));
    auto *column = new QVBoxLayout(page);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(4);
    for (int k = 0; k < TopicsPerPage; ++k) {
        auto *b = new TAmbitButton(QString(), page);
        b->setObjectName(QStringLiteral("TopicButton%1").arg(k + 1));
        b->CaptionX = 25;
        b->RoundedCornerSize = 10;
        b->GlyphPos = QPoint(6, -1);
        b->setFixedHeight(44);
        connect(b, &QAbstractButton::clicked, this, [this, b] { ShowAnswer(b->property("tag").toInt()); });
        m_topicButtons[k] = b;
        column->addWidget(b);
    }
    column->addStretch(1);
    m_seeAlso[MainPage] = stripButton(tr("See also: Frequently Asked Questions"), page);
    m_seeAlso[MainPage]->setFixedSize(ClientWidth - 12, 34);
    column->addWidget(m_seeAlso[MainPage]);
    auto *row = new QHBoxLayout;
    m_previous = stripButton(tr("Previous"), page);
    m_previous->setObjectName(QStringLiteral("PreviousButton"));
    m_more = stripButton(tr("More"), page);
    m_more->setObjectName(QStringLiteral("MoreButton"));
    row->addWidget(m_previous);
    row->addStretch(1);
    row->addWidget(m_more);
    column->addLayout(row);
    connect(m_more, &QAbstractButton::clicked, this, &TAssistantZookForm::MoreClick);
    connect(m_previous, &QAbstractButton::clicked, this, &TAssistantZookForm::PreviousClick);
    return page;
}

QWidget *TAssistantZookForm::buildLabelPage()
{
    auto *page = new QWidget;
    page->setObjectName(QStringLiteral("LabelPage"));
    auto *column = new QVBoxLayout(page);
    column->setContentsMargins(4, 2, 4, 0);
    m_labelCaption = new QLabel(page);
    m_labelCaption->setObjectName(QStringLiteral("LabelCaption"));
    m_labelCaption->setWordWrap(true);
    QFont bold = m_labelCaption->font();
    bold.setBold(true);
    m_labelCaption->setFont(bold);
    column->addWidget(m_labelCaption);
    m_answerLabel = new QLabel(page);
    m_answerLabel->setObjectName(QStringLiteral("AnswerLabel"));
    m_answerLabel->setWordWrap(true);
    m_answerLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // A fixed box: an answer that does not fit goes to the text-box page.
    m_answerLabel->setFixedSize(ClientWidth - 20, 200);
    column->addWidget(m_answerLabel);
    column->addStretch(1);
    m_seeAlso[LabelPage] = stripButton(tr("See also: Frequently Asked Questions"), page);
    m_seeAlso[LabelPage]->setFixedSize(ClientWidth - 20, 34);
    column->addWidget(m_seeAlso[LabelPage]);
    return page;
}

QWidget *TAssistantZookForm::buildMemoPage()
{
    auto *page = new QWidget;
    page->setObjectName(QStringLiteral("MemoPage"));
    auto *column = new QVBoxLayout(page);
    column->setContentsMargins(4, 2, 4, 0);
    m_memoCaption = new QLabel(page);
    m_memoCaption->setObjectName(QStringLiteral("MemoCaption"));
    m_memoCaption->setWordWrap(true);
    m_memoCaption->setFont(m_labelCaption->font());
    column->addWidget(m_memoCaption);
    m_answerMemo = new QPlainTextEdit(page);
    m_answerMemo->setObjectName(QStringLiteral("AnswerMemo"));
    m_answerMemo->setReadOnly(true);
    m_answerMemo->setFrameShape(QFrame::NoFrame);
    m_answerMemo->setBackgroundVisible(false);
    QPalette pal = m_answerMemo->palette();
    pal.setColor(QPalette::Base, palette().color(QPalette::ToolTipBase));
    m_answerMemo->setPalette(pal);
    column->addWidget(m_answerMemo, 1);
    m_seeAlso[MemoPage] = stripButton(tr("See also: Frequently Asked Questions"), page);
    m_seeAlso[MemoPage]->setFixedSize(ClientWidth - 20, 34);
    column->addWidget(m_seeAlso[MemoPage]);
    for (TAmbitButton *b : m_seeAlso) {
        if (b) {
            b->setObjectName(QStringLiteral("SeeAlsoButton"));
            connect(b, &QAbstractButton::clicked, this, [] { showHelpContext(FrequentlyAskedQuestions); });
        }
    }
    return page;
}

void TAssistantZookForm::SetCaption(const QString &caption)
{
    m_caption = caption;
    setWindowTitle(caption);
    update(TitleStrip());
}

void TAssistantZookForm::SetTopics(const QStringList &topics, const QStringList &answers)
{
    m_topics = topics;
    m_answers = answers;
    const qsizetype n = m_topics.size();
    m_pageCount = int(n / TopicsPerPage + (n % TopicsPerPage ? 1 : 0));
    LayoutPage(1);
}

void TAssistantZookForm::LayoutPage(int page)
{
    const int n = int(m_topics.size());
    m_currentPage = page;
    m_firstTopic = page * TopicsPerPage - 4;
    m_buttonsInUse = page * TopicsPerPage < n ? TopicsPerPage : n - page * TopicsPerPage + TopicsPerPage;
    m_buttonsInUse = std::clamp(m_buttonsInUse, 0, TopicsPerPage);
    for (int k = 1; k <= TopicsPerPage; ++k) {
        TAmbitButton *b = m_topicButtons[k - 1];
        const int index = m_firstTopic + k - 2; // 0-based topic of this button
        b->setProperty("tag", index);
        const bool inUse = k <= m_buttonsInUse;
        b->setText(inUse ? m_topics.at(index) : QString());
        b->setToolTip(inUse ? m_topics.at(index).trimmed() : QString());
        b->SetShowing(inUse);
        b->setEnabled(inUse);
    }
    m_previous->setVisible(m_firstTopic > 1);
    m_more->setVisible(page < m_pageCount);
}

void TAssistantZookForm::MoreClick()
{
    if (m_currentPage < m_pageCount)
        LayoutPage(m_currentPage + 1);
}

void TAssistantZookForm::PreviousClick()
{
    if (m_currentPage > 1)
        LayoutPage(m_currentPage - 1);
}

void TAssistantZookForm::ShowAnswer(int index)
{
    if (index < 0 || index >= m_topics.size())
        return;
    const QString answer = m_answers.value(index);
    const QString title = m_topics.at(index).trimmed();
    const QFontMetrics fm(m_answerLabel->font());
    const QRect measured = fm.boundingRect(QRect(0, 0, m_answerLabel->width(), 100000),
                                           Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, answer);
    if (measured.height() > m_answerLabel->height()) {
        m_answerMemo->setPlainText(answer);
        m_memoCaption->setText(title);
        ShowPage(MemoPage);
    } else {
        m_answerLabel->setText(answer);
        m_labelCaption->setText(title);
        ShowPage(LabelPage);
    }
}

void TAssistantZookForm::ShowPage(int page)
{
    m_pages->setCurrentIndex(page);
    m_back->setVisible(page != MainPage);
}

int TAssistantZookForm::VisiblePage() const
{
    return m_pages->currentIndex();
}

QPoint TAssistantZookForm::Placement(const QRect &ownerFrame, const QPoint &clientOrigin, const QSize &size,
                                     const QRect &screen)
{
    int left = ownerFrame.left() + ownerFrame.width() - size.width() / 2;
    if (left + size.width() > screen.left() + screen.width())
        left = screen.left() + screen.width() - size.width();
    left = std::max(left, screen.left());
    int top = clientOrigin.y();
    if (top + size.height() > screen.top() + screen.height())
        top = screen.top() + screen.height() - size.height();
    top = std::max(top, screen.top());
    return QPoint(left, top);
}

void TAssistantZookForm::PlaceBeside(QWidget *owner)
{
    QScreen *screen = owner ? owner->screen() : QGuiApplication::primaryScreen();
    const QRect area = screen ? screen->geometry() : QRect(0, 0, 1024, 768);
    const QRect frame = owner ? owner->frameGeometry() : QRect(area.center(), QSize(0, 0));
    const QPoint client = owner ? owner->mapToGlobal(QPoint(0, 0)) : frame.topLeft();
    move(Placement(frame, client, size(), area));
}

void TAssistantZookForm::applyShape()
{
    const QPainterPath path = roundedOutline(QRectF(0, 0, width(), height()), width(), height());
    setMask(QRegion(path.toFillPolygon().toPolygon()));
}

void TAssistantZookForm::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    applyShape();
}

void TAssistantZookForm::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QPainterPath outline = roundedOutline(QRectF(1, 1, width() - 2, height() - 2), width(), height());
    // Title strip in the active caption colours, inside the rounded outline.
    p.save();
    p.setClipPath(outline);
    QLinearGradient caption(0, 0, width(), 0);
    caption.setColorAt(0, palette().color(QPalette::Active, QPalette::Highlight));
    caption.setColorAt(1, palette().color(QPalette::Active, QPalette::Highlight).lighter(140));
    p.fillRect(TitleStrip(), caption);
    p.restore();
    p.setPen(palette().color(QPalette::Active, QPalette::HighlightedText));
    QFont bold = font();
    bold.setBold(true);
    p.setFont(bold);
    p.drawText(TitleStrip(), Qt::AlignCenter, m_caption);
    p.setPen(QPen(palette().color(QPalette::Dark), 1));
    p.setBrush(Qt::NoBrush);
    p.drawPath(outline);
}

void TAssistantZookForm::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && TitleStrip().contains(event->position().toPoint())) {
        // Dragging the title strip moves the window, as a caption would.
        if (windowHandle() && windowHandle()->startSystemMove())
            return;
        m_dragging = true;
        m_dragOffset = event->globalPosition().toPoint() - frameGeometry().topLeft();
        return;
    }
    QWidget::mousePressEvent(event);
}

void TAssistantZookForm::mouseMoveEvent(QMouseEvent *event)
{
    if (m_dragging) {
        move(event->globalPosition().toPoint() - m_dragOffset);
        return;
    }
    QWidget::mouseMoveEvent(event);
}

void TAssistantZookForm::mouseReleaseEvent(QMouseEvent *event)
{
    m_dragging = false;
    QWidget::mouseReleaseEvent(event);
}

} // namespace cw::ui
