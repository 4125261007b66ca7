#pragma once
// The Quick Tips window: a borderless, always-on-top window of 228 x 372
// pixels with rounded corners, a title strip that drags it, and three pages:
// the topic buttons (five per page, with "Previous" and "More"), an answer
// that fits on a label, and a longer answer in a scrolling text box.

#include <QStringList>
#include <QWidget>
#include <array>

class QLabel;
class QPlainTextEdit;
class QStackedWidget;

namespace cw::ui {

class TAmbitButton;

class TAssistantZookForm : public QWidget
{
    Q_OBJECT

public:
    static constexpr int ClientWidth = 228;
    static constexpr int ClientHeight = 372;
    static constexpr int TitleHeight = 20;
    static constexpr int TopicsPerPage = 5;
    enum Page { MainPage = 0, LabelPage = 1, MemoPage = 2 };

    explicit TAssistantZookForm(QWidget *owner = nullptr);

    void SetCaption(const QString &caption);
    QString Caption() const { return m_caption; }
    // Takes the topics and answers and lays out page 1 of the topics.
    void SetTopics(const QStringList &topics, const QStringList &answers);

    // Paging of the topic buttons: page p from 1.
    int PageCount() const { return m_pageCount; }
    int CurrentPage() const { return m_currentPage; }
    int FirstTopic() const { return m_firstTopic; } // 1-based number of the first topic on the page
    int ButtonsInUse() const { return m_buttonsInUse; }
    void LayoutPage(int page);
    void MoreClick();
    void PreviousClick();

    // Shows the answer of topic `index` (0-based) on the label page when it
    // fits the label, else on the text-box page.
    void ShowAnswer(int index);
    void ShowPage(int page);
    int VisiblePage() const;
    void BackClick() { ShowPage(MainPage); }

    // Placement beside the owner: half over its right edge, level with its
    // client area, moved back onto the screen when it would pass the right or
    // bottom edge.
    static QPoint Placement(const QRect &ownerFrame, const QPoint &clientOrigin, const QSize &size,
                            const QRect &screen);
    void PlaceBeside(QWidget *owner);

    TAmbitButton *TopicButton(int k) const { return m_topicButtons.at(k - 1); } // k from 1 to 5
    TAmbitButton *MoreButton() const { return m_more; }
    TAmbitButton *PreviousButton() const { return m_previous; }
    TAmbitButton *BackButton() const { return m_back; }
    TAmbitButton *CloseButton() const { return m_close; }
    TAmbitButton *SeeAlsoButton(int page) const { return m_seeAlso.at(page); }
    QLabel *AnswerLabel() const { return m_answerLabel; }
    QLabel *AnswerCaption(int page) const { return page == MemoPage ? m_memoCaption : m_labelCaption; }
    QPlainTextEdit *AnswerMemo() const { return m_answerMemo; }
    QRect TitleStrip() const { return QRect(0, 0, width(), TitleHeight); }

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    TAmbitButton *stripButton(const QString &caption, QWidget *parent);
    QWidget *buildMainPage();
    QWidget *buildLabelPage();
    QWidget *buildMemoPage();
    void applyShape();

    QString m_caption = QStringLiteral("Assistant");
    QStringList m_topics;
    QStringList m_answers;
    int m_pageCount = 0;
    int m_currentPage = 1;
    int m_firstTopic = 1;
    int m_buttonsInUse = 0;

    QStackedWidget *m_pages = nullptr;
    std::array<TAmbitButton *, TopicsPerPage> m_topicButtons{};
    std::array<TAmbitButton *, 3> m_seeAlso{};
    TAmbitButton *m_more = nullptr;
    TAmbitButton *m_previous = nullptr;
    TAmbitButton *m_back = nullptr;
    TAmbitButton *m_close = nullptr;
    QLabel *m_labelCaption = nullptr;
    QLabel *m_answerLabel = nullptr;
    QLabel *m_memoCaption = nullptr;
    QPlainTextEdit *m_answerMemo = nullptr;
    bool m_dragging = false;
    QPoint m_dragOffset;
};

} // namespace cw::ui
