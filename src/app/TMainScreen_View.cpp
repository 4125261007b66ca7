// The desktop's usual keys, the View menu's zoom and the placing of the card
// in the window.

#include "app/TMainScreen.h"

#include "help/HelpContext.h"
#include "print/engine/Units.h"

#include <QAction>
#include <QApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QWheelEvent>
#include <cmath>

namespace cw::ui {

namespace {

// The zoom ladder of the View menu, Ctrl+plus/minus and Ctrl+wheel.  Between
// 100 % and 150 % it takes the spinner's 10 % steps.
constexpr float kZoomLadder[] = {0.25f, 0.33f, 0.5f, 0.67f, 0.75f, 0.9f, 1.0f, 1.1f, 1.2f,
                                 1.3f,  1.4f,  1.5f, 2.0f,  3.0f,  4.0f, 5.0f, 6.0f, 8.0f};

// The conventional key first (it is the one the menu shows), then whatever
// else the desktop binds to the same command.
QList<QKeySequence> keys(const QKeySequence &conventional, QKeySequence::StandardKey standard,
                         const QList<QKeySequence> &extra = {})
{
    QList<QKeySequence> list{conventional};
    for (const QKeySequence &k : QKeySequence::keyBindings(standard) + extra)
        if (!list.contains(k))
            list << k;
    return list;
}

} // namespace

void TMainScreen::createViewActions()
{
    New1->setShortcuts(keys(QKeySequence(Qt::CTRL | Qt::Key_N), QKeySequence::New));
    Open1->setShortcuts(keys(QKeySequence(Qt::CTRL | Qt::Key_O), QKeySequence::Open));
    // While the design has no name the Save item is disabled and Ctrl+S
    // reaches keyDown, which saves under a new name.
    mnuSave->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    mnuSaveAs->setShortcuts(keys(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S), QKeySequence::SaveAs));
    mnuPrint->setShortcuts(keys(QKeySequence(Qt::CTRL | Qt::Key_P), QKeySequence::Print));
    Exit1->setShortcuts(keys(QKeySequence(Qt::CTRL | Qt::Key_Q), QKeySequence::Quit));
    mnuUndo->setShortcuts(keys(QKeySequence(Qt::CTRL | Qt::Key_Z), QKeySequence::Undo));
    mnuRedo->setShortcuts(keys(QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence::Redo,
                               {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)}));

    auto action = [this](const char *name, const QString &caption, const QList<QKeySequence> &shortcuts) {
        auto *a = new QAction(caption, this);
        a->setObjectName(QString::fromLatin1(name));
        a->setShortcuts(shortcuts);
        addAction(a); // the keys work while the menu bar is closed, too
        return a;
    };
    mnuSelectAll = action("mnuSelectAll", tr("Select &All"),
                          keys(QKeySequence(Qt::CTRL | Qt::Key_A), QKeySequence::SelectAll));
    mnuSelectNone = action("mnuSelectNone", tr("Select &None"), {QKeySequence(Qt::Key_Escape)});
    // Ctrl+plus needs Shift on many keyboards: Ctrl+= works too (Ctrl+Shift+=
    // already arrives as Ctrl+plus; listing it as well would make the key
    // ambiguous), and so does the keypad's plus.
    mnuZoomIn = action("mnuZoomIn", tr("Zoom &In"),
                       keys(QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence::ZoomIn,
                            {QKeySequence(Qt::CTRL | Qt::Key_Equal)}));
    mnuZoomOut = action("mnuZoomOut", tr("Zoom &Out"),
                        keys(QKeySequence(Qt::CTRL | Qt::Key_Minus), QKeySequence::ZoomOut,
                             {QKeySequence(Qt::CTRL | Qt::Key_Underscore)}));
    mnuZoomActual = action("mnuZoomActual", tr("&Actual Size (100%)"), {QKeySequence(Qt::CTRL | Qt::Key_0)});
    mnuZoomFit = action("mnuZoomFit", tr("&Fit to Window"), {});
    mnuZoomFit->setCheckable(true);
    HelpOnWindow1 = action("HelpOnWindow1", tr("&Help on This Window"),
                           keys(QKeySequence(Qt::Key_F1), QKeySequence::HelpContents));

    connect(mnuSelectAll, &QAction::triggered, this, [this] { m_panel->SelectAll(); });
    connect(mnuSelectNone, &QAction::triggered, this, &TMainScreen::EscapeClick);
    connect(mnuZoomIn, &QAction::triggered, this, &TMainScreen::ZoomStepIn);
    connect(mnuZoomOut, &QAction::triggered, this, &TMainScreen::ZoomStepOut);
    connect(mnuZoomActual, &QAction::triggered, this, &TMainScreen::ZoomActualSize);
    connect(mnuZoomFit, &QAction::triggered, this, &TMainScreen::ZoomToFit);
    connect(HelpOnWindow1, &QAction::triggered, this, [] { showHelpContext(2016); });
}

void TMainScreen::EscapeClick()
{
    if (m_panel->PanelState() != psPointing) {
        m_panel->SetPanelState(psPointing);
        m_toolActions[0]->setChecked(true);
        return;
    }
    m_panel->ClearSelection();
}

void TMainScreen::ZoomTo(float factor)
{
    zoomAround(factor, std::nullopt);
}

void TMainScreen::zoomAround(float factor, std::optional<QPoint> viewPos)
{
    factor = std::clamp(factor, MinZoom, MaxZoom);
    const bool wasBusy = Busy;
    Busy = true;
    m_fitToWindow = false;
    mnuZoomFit->setChecked(false);
    m_panel->ClearSelection();
    const QPointF anchor = cardPointAt(viewPos.value_or(viewCentre()));
    m_panel->SetZoom(factor);
    ZoomCaption->setText(zoomCaptionText());
    placeCard();
    QApplication::processEvents();
    // The centre is taken again: scroll bars that came or went have changed
    // the view's size.
    scrollCardPointTo(anchor, viewPos.value_or(viewCentre()));
    Busy = wasBusy;
}

float TMainScreen::ladderStep(int direction) const
{
    const float now = m_panel->Zoom();
    if (direction > 0) {
        for (float step : kZoomLadder)
            if (step > now + 0.001f)
                return step;
    } else {
        for (auto it = std::rbegin(kZoomLadder); it != std::rend(kZoomLadder); ++it)
            if (*it < now - 0.001f)
                return *it;
    }
    return now;
}

void TMainScreen::ZoomStepIn()
{
    const float step = ladderStep(+1);
    if (step != m_panel->Zoom())
        ZoomTo(step);
}

void TMainScreen::ZoomStepOut()
{
    const float step = ladderStep(-1);
    if (step != m_panel->Zoom())
        ZoomTo(step);
}

QPoint TMainScreen::viewCentre() const
{
    return m_scrollBox->viewport()->rect().center();
}

QPointF TMainScreen::cardPointAt(const QPoint &viewPos) const
{
    const QPoint onSurface = m_panel->mapFrom(m_scrollBox->viewport(), viewPos);
    return QPointF(onSurface) / double(m_panel->Zoom());
}

void TMainScreen::scrollCardPointTo(const QPointF &cardPoint, const QPoint &viewPos)
{
    // The host's scroll offset that shows the card point at viewPos; the
    // scroll bars clamp it, so a card smaller than the view stays centred.
    const QPointF onHost = QPointF(m_panel->pos()) + cardPoint * double(m_panel->Zoom());
    const QPoint offset = (onHost - QPointF(viewPos)).toPoint();
    m_scrollBox->horizontalScrollBar()->setValue(offset.x());
    m_scrollBox->verticalScrollBar()->setValue(offset.y());
}

void TMainScreen::ZoomActualSize()
{
    ZoomTo(1.0f);
}

void TMainScreen::ZoomToFit()
{
    // The card at 100 % with the margins placeCard keeps, in the whole view
    // (without scroll bars, which a fitted card does not need).
    const QSize card = Preferences.Layout.SurfaceSize(ScreenPixelsPerInch);
    const QSize view = m_scrollBox->maximumViewportSize();
    if (card.isEmpty() || view.isEmpty())
        return;
    const double fit =
        std::min(double(view.width() - 20) / card.width(), double(view.height() - 16) / card.height());
    // Whole percentages, rounded down so that the card is never cut off.
    const float factor = float(std::floor(fit * 100.0 + 1e-9) / 100.0);
    ZoomTo(factor);
    m_fitToWindow = true;
    mnuZoomFit->setChecked(true);
}

void TMainScreen::placeCard()
{
    const QSize view = m_scrollBox->viewport()->size();
    const QSize card = m_panel->size();
    const int w = std::max(view.width(), card.width() + 20);
    const int h = std::max(view.height(), card.height() + 16);
    m_scrollHost->resize(w, h);
    m_panel->move((w - card.width()) / 2, (h - card.height()) / 2);
}

void TMainScreen::sizeForFirstStart()
{
    const QScreen *screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QSize available = screen->availableGeometry().size();
    const QSize wanted(available.width() * 2 / 3, available.height() * 2 / 3);
    resize(wanted.expandedTo(minimumSizeHint()).boundedTo(available));
}

bool TMainScreen::wheelZoom(QWheelEvent *event)
{
    if (!(event->modifiers() & Qt::ControlModifier))
        return false;
    // The card point under the mouse stays under it (the view's centre
    // when the wheel turns elsewhere in the window).
    QWidget *view = m_scrollBox->viewport();
    QPoint at = view->mapFromGlobal(event->globalPosition().toPoint());
    if (!view->rect().contains(at))
        at = viewCentre();
    // Whole notches (120) zoom one step each; a touchpad's small deltas add up.
    m_wheelDelta += event->angleDelta().y();
    while (m_wheelDelta >= 120) {
        m_wheelDelta -= 120;
        if (const float step = ladderStep(+1); step != m_panel->Zoom())
            zoomAround(step, at);
    }
    while (m_wheelDelta <= -120) {
        m_wheelDelta += 120;
        if (const float step = ladderStep(-1); step != m_panel->Zoom())
            zoomAround(step, at);
    }
    return true;
}

} // namespace cw::ui
