// Document state, zoom, keys and closing of the main window.

#include "app/TMainScreen.h"

#include "app/TSplashform.h"
#include "print/engine/Units.h"
#include "widgets/Interaction.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTimer>
#include <QWheelEvent>

namespace cw::ui {

void TMainScreen::SetChangesMade(bool value)
{
    m_changesMade = value;
    Cancelbutton->setVisible(value);
    Savebutton->setText(FileName.isEmpty() ? tr("Save As") : tr("Save"));
    mnuSave->setEnabled(!FileName.isEmpty());
    Savebutton->setVisible(value);
    setWindowModified(value);
}

void TMainScreen::UpdateCaption()
{
    // The application name once; "[*]" is where the desktop shows that the
    // design has unsaved changes.
    const QString app = QStringLiteral("Cardwright");
    setWindowTitle(FileName.isEmpty() ? app + QStringLiteral("[*]")
                                      : QFileInfo(FileName).fileName() + QStringLiteral("[*] \u2014 ") + app);
}

void TMainScreen::Setbuttons()
{
    mnuSave->setEnabled(!FileName.isEmpty());
    UpdateCaption();
    for (QAction *a : {mnuPrint, mnuPrinterSetup, mnuPrinterFineTuning, mnuPrintOutlineTestPage,
                       mnuPrintRegistrationTestPage})
        a->setEnabled(m_printerReady);
    PrintButton->setEnabled(m_printerReady);
    // Preview records the sheet on the layout's paper: it needs no printer.
    mnuPreview->setEnabled(true);
    Previewbutton->setEnabled(true);
}

bool TMainScreen::CheckSaveNeeded()
{
    if (!m_changesMade)
        return true;
    const Interaction::Answer answer =
        Interaction::current().questionWithCancel(tr("Save changes?"), tr("Save"));
    if (answer == Interaction::Answer::Cancel)
        return false;
    if (answer == Interaction::Answer::No)
        return true;
    // Only a design that reached its file may be given up.
    if (FileName.isEmpty())
        return mnuSaveAsClick();
    if (!SaveBCFile(FileName))
        return false;
    SetChangesMade(false);
    return true;
}

void TMainScreen::CancelbuttonClick()
{
    if (!Interaction::current().questionDefaultNo(tr("Cancel all changes?"), QStringLiteral("CANCEL")))
        return;
    clearCard();
    if (!FileName.isEmpty())
        OpenBCFile(FileName);
    SetChangesMade(false);
    ResetUndoHistory();
    m_panel->update();
}

void TMainScreen::About1Click()
{
    TSplashform about(this);
    Interaction::current().exec(about);
}

QString TMainScreen::zoomCaptionText() const
{
    return QString::number(Round(static_cast<double>(m_panel->Zoom() * 100.0f))) + QLatin1Char('%');
}

void TMainScreen::ZoomIn()
{
    Busy = true;
    m_panel->ClearSelection();
    const QPointF anchor = cardPointAt(viewCentre());
    const float factor = m_panel->Zoom();
    if (!(factor > 1.5f))
        m_panel->SetZoom(factor + 0.1f);
    ZoomCaption->setText(zoomCaptionText());
    m_fitToWindow = false;
    mnuZoomFit->setChecked(false);
    placeCard();
    QApplication::processEvents();
    scrollCardPointTo(anchor, viewCentre());
    Busy = false;
}

void TMainScreen::ZoomOut()
{
    Busy = true;
    m_panel->ClearSelection();
    const QPointF anchor = cardPointAt(viewCentre());
    const float factor = m_panel->Zoom();
    if (!(factor < 1.1f))
        m_panel->SetZoom(factor - 0.1f);
    ZoomCaption->setText(zoomCaptionText());
    m_fitToWindow = false;
    mnuZoomFit->setChecked(false);
    placeCard();
    QApplication::processEvents();
    scrollCardPointTo(anchor, viewCentre());
    Busy = false;
}

void TMainScreen::SetCardSizeFromInches()
{
    const float previous = m_panel->Zoom();
    if (previous != 1.0f)
        m_panel->SetZoom(1.0f);
    const QSize size = Preferences.Layout.SurfaceSize(ScreenPixelsPerInch);
    m_panel->setCardSize(size.width(), size.height());
    if (previous != 1.0f)
        m_panel->SetZoom(previous);
    placeCard();
    m_panel->update();
}

void TMainScreen::scrollBy(int action)
{
    m_scrollBox->verticalScrollBar()->triggerAction(static_cast<QAbstractSlider::SliderAction>(action));
}

bool TMainScreen::keyDown(QKeyEvent *event)
{
    // Ctrl+Page Up and Ctrl+Page Down switch sides instead of scrolling.
    if (event->modifiers() == Qt::ControlModifier &&
        (event->key() == Qt::Key_PageUp || event->key() == Qt::Key_PageDown)) {
        ShowCardSide(event->key() == Qt::Key_PageUp ? model::TCardSide::Front : model::TCardSide::Back);
        return true;
    }
    switch (event->key()) {
    case Qt::Key_PageUp:
        scrollBy(QAbstractSlider::SliderSingleStepSub);
        return true;
    case Qt::Key_PageDown:
        scrollBy(QAbstractSlider::SliderSingleStepAdd);
        return true;
    case Qt::Key_Home:
        scrollBy(QAbstractSlider::SliderToMinimum);
        return true;
    case Qt::Key_End:
        scrollBy(QAbstractSlider::SliderToMaximum);
        return true;
    case Qt::Key_S:
        // Ctrl+S on a design without a name (its Save item is disabled then)
        // saves it under a new name.
        if (event->modifiers() == Qt::ControlModifier && !mnuSave->isEnabled()) {
            mnuSaveAsClick();
            return true;
        }
        [[fallthrough]];
    default:
        m_panel->KeyDown(event->key(), event->modifiers());
        return false;
    }
}

bool TMainScreen::keyUp(QKeyEvent *event)
{
    // Ctrl with the keypad's plus and minus is the View menu's zoom.
    if (!(event->modifiers() & Qt::KeypadModifier) || (event->modifiers() & Qt::ControlModifier))
        return false;
    if (event->key() == Qt::Key_Plus) {
        ZoomIn();
        return true;
    }
    if (event->key() == Qt::Key_Minus) {
        ZoomOut();
        return true;
    }
    return false;
}

bool TMainScreen::eventFilter(QObject *watched, QEvent *event)
{
    // The window sees every key before the focused control does, but only
    // keys meant for this window (not those of a dialog it opened).
    if (m_scrollBox && watched == m_scrollBox->viewport() && event->type() == QEvent::Resize) {
        placeCard();
        // Fit follows the window once the resize is over (zooming inside the
        // resize would resize the view again from within its own event).
        if (m_fitToWindow)
            QTimer::singleShot(0, this, [this] {
                if (m_fitToWindow)
                    ZoomToFit();
            });
        return QMainWindow::eventFilter(watched, event);
    }
    if (event->type() == QEvent::Wheel) {
        auto *widget = qobject_cast<QWidget *>(watched);
        if (widget && widget->window() == this && wheelZoom(static_cast<QWheelEvent *>(event)))
            return true;
        return QMainWindow::eventFilter(watched, event);
    }
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease)
        return QMainWindow::eventFilter(watched, event);
    auto *widget = qobject_cast<QWidget *>(watched);
    if (!widget || widget->window() != this || !isActiveWindow())
        return QMainWindow::eventFilter(watched, event);
    auto *key = static_cast<QKeyEvent *>(event);
    // An ignored key travels up the parent chain and passes this filter once
    // per widget; handle it once.
    if (key == m_lastKey && key->timestamp() == m_lastKeyTime && key->type() == m_lastKeyType &&
        key->key() == m_lastKeyCode)
        return false;
    m_lastKey = key;
    m_lastKeyCode = key->key();
    m_lastKeyTime = key->timestamp();
    m_lastKeyType = key->type();
    if (event->type() == QEvent::KeyPress)
        return keyDown(key);
    return keyUp(key);
}

void TMainScreen::closeEvent(QCloseEvent *event)
{
    // The window stays open when the user cancels "Save changes?" or the
    // save fails, so the design is never lost; otherwise the placement is
    // stored as the window closes.
    if (!CheckSaveNeeded()) {
        event->ignore();
        return;
    }
    SaveWindowPlacement();
    event->accept();
}

} // namespace cw::ui
