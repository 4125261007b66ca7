#include "support/DesignDriver.h"

#include "app/TMainScreen.h"
#include "design/TGBusinessCardPanel32.h"
#include "design/TGHandle.h"
#include "design/TGImageBrowser.h"
#include "objects/TCircleTextProperties.h"
#include "support/ScriptedInteraction.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <QToolButton>
#include <cmath>
#include <utility>

namespace cw::test {

namespace {

// The tool bar actions of the twelve drawing tools, in the order of
// EditStep::Draw's tool number.
const char *const ToolActions[] = {"DrawLabelButton",     "DrawSymbolButton",    "DrawMLTextButton",
                                   "DrawRectanglebutton", "DrawEllipseButton",   "DrawRoundrectbutton",
                                   "DrawLinebutton",      "DrawImageButton",     "DrawSupershape",
                                   "DrawRichText",        "DrawSuperTextButton", "DrawCircleTextbutton"};

// What the user types into a text object's dialog: an emptied text among
// them.  The last choice cancels the dialog.
const char *const Texts[] = {"", "Text", "Jane Smith", "Smith & Co", "Two\nlines"};
constexpr int CancelChoice = 5;

} // namespace

DesignDriver::DesignDriver(ui::TMainScreen &window, ScriptedInteraction &script, QString cardPath,
                           QStringList pictures)
    : m_window(window), m_script(script), m_cardPath(std::move(cardPath)), m_pictures(std::move(pictures))
{
    ui::TGBusinessCardPanel32 &surface = Surface();
    surface.Clock = [this] { return m_now; };
    surface.Frame().Clock = [this] { return m_now; };
    // The popup menu "opens" and the user picks the entry asked for.
    surface.RunPopup = [this](std::vector<model::TGMenuItem> &items, const QPoint &) {
        // The choice is taken only when the menu has it: a selection's menu
        // has no "Clone", and a step asking for it there was not given.
        for (model::TGMenuItem &item : items)
            if (item.Caption == m_popupChoice && item.Enabled && item.Action) {
                m_popupChoice.clear();
                item.Action();
                return;
            }
    };
}

ui::TGBusinessCardPanel32 &DesignDriver::Surface() const
{
    return *m_window.BusinessCardPanel();
}

QPoint DesignDriver::scaled(int x, int y) const
{
    const double zoom = Surface().Zoom();
    return QPoint(int(std::lround(x * zoom)), int(std::lround(y * zoom)));
}

std::optional<QPoint> DesignDriver::PointOn(const model::TGGraphicControl &object) const
{
    const QRect r = object.BoundsRect();
    const QRect frame = Surface().Frame().isVisible() ? Surface().Frame().geometry() : QRect();
    std::optional<QPoint> covered;
    for (double fy : {0.5, 0.3, 0.7, 0.1, 0.9})
        for (double fx : {0.5, 0.3, 0.7, 0.1, 0.9}) {
            const QPoint p(r.left() + int(r.width() * fx), r.top() + int(r.height() * fy));
            if (Surface().ObjectAtPoint(p) != &object)
                continue;
            if (!frame.contains(p))
                return p;
            if (!covered)
                covered = p;
        }
    return covered;
}

QWidget *DesignDriver::widgetAt(QPoint p) const
{
    ui::TGHandle &frame = Surface().Frame();
    if (frame.isVisible() && frame.geometry().contains(p))
        return &frame;
    return &Surface();
}

void DesignDriver::sendMouse(QWidget *target, int type, QPoint p, Qt::MouseButton button,
                             Qt::MouseButtons buttons, Qt::KeyboardModifiers mods)
{
    const QPoint local = target == &Surface() ? p : target->mapFrom(&Surface(), p);
    QMouseEvent event(QEvent::Type(type), QPointF(local), QPointF(Surface().mapToGlobal(p)), button, buttons,
                      mods);
    QApplication::sendEvent(target, &event);
}

void DesignDriver::Press(QPoint p, Qt::MouseButton button, Qt::KeyboardModifiers mods)
{
    m_grabber = widgetAt(p);
    m_button = button;
    m_mods = mods;
    sendMouse(m_grabber, QEvent::MouseButtonPress, p, button, button, mods);
}

void DesignDriver::MoveTo(QPoint p)
{
    m_now += 40;
    if (m_grabber)
        sendMouse(m_grabber, QEvent::MouseMove, p, Qt::NoButton, m_button, m_mods);
}

void DesignDriver::Release(QPoint p)
{
    QWidget *target = m_grabber ? m_grabber : widgetAt(p);
    m_grabber = nullptr;
    sendMouse(target, QEvent::MouseButtonRelease, p, m_button, Qt::NoButton, m_mods);
    m_button = Qt::NoButton;
}

void DesignDriver::Hover(QPoint p)
{
    sendMouse(widgetAt(p), QEvent::MouseMove, p, Qt::NoButton, Qt::NoButton, {});
}

void DesignDriver::Key(int key, Qt::KeyboardModifiers mods)
{
    QWidget *target = QApplication::focusWidget();
    if (!target || target->window() != &m_window)
        target = Surface().Frame().isVisible() ? static_cast<QWidget *>(&Surface().Frame()) : &Surface();
    QKeyEvent press(QEvent::KeyPress, key, mods);
    QApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, mods);
    QApplication::sendEvent(target, &release);
}

bool DesignDriver::Apply(const EditStep &s)
{
    bool given = false;
    switch (s.kind) {
    case EditStep::Draw:
        given = draw(s);
        break;
    case EditStep::Select:
        given = select(s);
        break;
    case EditStep::SelectBand:
        given = band(s);
        break;
    case EditStep::Move:
        given = move(s);
        break;
    case EditStep::Resize:
        given = resize(s);
        break;
    case EditStep::Keys:
        given = keys(s);
        break;
    case EditStep::ZoomIn:
    case EditStep::ZoomOut:
        given = zoom(s.kind == EditStep::ZoomIn);
        break;
    case EditStep::Copy:
    case EditStep::Cut:
    case EditStep::Delete:
        given = Surface().Frame().Count() > 0;
        Key(s.kind == EditStep::Delete ? Qt::Key_Delete
            : s.kind == EditStep::Copy ? Qt::Key_C
                                       : Qt::Key_X,
            s.kind == EditStep::Delete ? Qt::NoModifier : Qt::ControlModifier);
        break;
    case EditStep::Paste:
        given = true;
        Key(Qt::Key_V, Qt::ControlModifier);
        break;
    case EditStep::Clone:
        given = clone(s);
        break;
    case EditStep::Undo:
        given = Trigger("mnuUndo");
        break;
    case EditStep::Redo:
        given = Trigger("mnuRedo");
        break;
    case EditStep::Save:
        given = save();
        break;
    case EditStep::Reopen:
        given = reopen();
        break;
    case EditStep::SaveAsCancel:
        given = Trigger("mnuSaveAs");
        break;
    case EditStep::KindCount:
        break;
    }
    m_script.dialogs.clear();
    m_script.fileNames.clear();
    // Deferred work (the undo record, the frame refit) runs before the next
    // command, and the next command comes a while later.
    QCoreApplication::processEvents();
    m_now += 2000;
    return given;
}

void DesignDriver::queueDialog(int tool, int choice)
{
    const bool accept = choice != CancelChoice;
    const QString text = QString::fromUtf8(Texts[choice % 5]);
    const QString picture = m_pictures.isEmpty() ? QString() : m_pictures[choice % m_pictures.size()];
    Q_UNUSED(tool);
    m_script.dialogs.enqueue([accept, text, picture, choice](QDialog &dialog) {
        if (auto *browser = qobject_cast<ui::TGImageBrowser *>(&dialog)) {
            browser->SelectFile(picture);
            browser->SetOptions(choice % 2 == 0, false);
        } else if (auto *circle = qobject_cast<ui::TCircleTextProperties *>(&dialog)) {
            circle->TextEdit()->setText(text);
        } else if (auto *line = dialog.findChild<QLineEdit *>(QStringLiteral("LabelText"))) {
            line->setText(text);
        } else if (auto *caption = dialog.findChild<QLineEdit *>(QStringLiteral("CaptionText"))) {
            caption->setText(text);
        } else if (auto *memo = dialog.findChild<QPlainTextEdit *>(QStringLiteral("Memo"))) {
            memo->setPlainText(text);
        } else if (auto *rich = dialog.findChild<QTextEdit *>(QStringLiteral("WPRichText1"))) {
            rich->setPlainText(text);
        }
        return accept ? int(QDialog::Accepted) : int(QDialog::Rejected);
    });
}

bool DesignDriver::draw(const EditStep &s)
{
    const int tool = s.a % 12;
    auto *action = m_window.findChild<QAction *>(QString::fromLatin1(ToolActions[tool]));
    if (!action)
        return false;
    action->trigger();
    queueDialog(tool, s.f);
    const QPoint from = scaled(s.b, s.c);
    const QPoint to = scaled(s.b + s.d, s.c + s.e);
    Press(from);
    if (to != from) {
        MoveTo((from + to) / 2);
        MoveTo(to);
    }
    Release(to);
    return true;
}

bool DesignDriver::select(const EditStep &s)
{
    const int n = Surface().ObjectCount();
    if (n == 0)
        return false;
    const std::optional<QPoint> p = PointOn(*Surface().ObjectAt(s.a % n));
    if (!p)
        return false;
    const Qt::KeyboardModifiers mods = s.b ? Qt::ShiftModifier : Qt::NoModifier;
    Press(*p, Qt::LeftButton, mods);
    m_now += 30; // a click, not a drag
    Release(*p);
    return true;
}

bool DesignDriver::band(const EditStep &s)
{
    const QPoint from = scaled(s.a, s.b);
    const QPoint to = scaled(s.a + s.c, s.b + s.d);
    Press(from);
    MoveTo((from + to) / 2);
    MoveTo(to);
    Release(to);
    return true;
}

bool DesignDriver::move(const EditStep &s)
{
    ui::TGHandle &frame = Surface().Frame();
    if (frame.Count() == 0)
        return false;
    const QPoint start = frame.geometry().center();
    const QPoint end = start + scaled(s.a, s.b);
    Hover(start);
    Press(start);
    m_now += 200;
    MoveTo((start + end) / 2);
    MoveTo(end);
    Release(end);
    return true;
}

bool DesignDriver::resize(const EditStep &s)
{
    ui::TGHandle &frame = Surface().Frame();
    if (frame.Count() != 1)
        return false;
    // The handle under the mouse, inside the frame: right and bottom are the
    // frame's last pixel.
    const int r = frame.width() - 1, b = frame.height() - 1;
    const QPoint handles[] = {{r / 2, b / 2}, {0, 0},     {r, 0},     {0, b},    {r, b},
                              {r / 2, 0},     {0, b / 2}, {r / 2, b}, {r, b / 2}};
    const QPoint start = frame.pos() + handles[s.a % 9];
    const QPoint end = start + scaled(s.b, s.c);
    Hover(start);
    Press(start);
    m_now += 200;
    MoveTo((start + end) / 2);
    MoveTo(end);
    Release(end);
    return true;
}

bool DesignDriver::keys(const EditStep &s)
{
    ui::TGHandle &frame = Surface().Frame();
    if (frame.Count() == 0)
        return false;
    const int arrows[] = {Qt::Key_Left, Qt::Key_Up, Qt::Key_Right, Qt::Key_Down};
    const int key = arrows[s.a % 4];
    const Qt::KeyboardModifiers mods = s.c ? Qt::ShiftModifier : Qt::NoModifier;
    // The frame has the focus while something is selected; a burst of presses
    // ends with one release.
    for (int i = 0; i < s.b; ++i) {
        QKeyEvent press(QEvent::KeyPress, key, mods, QString(), i > 0);
        QApplication::sendEvent(&frame, &press);
    }
    QKeyEvent release(QEvent::KeyRelease, key, mods);
    QApplication::sendEvent(&frame, &release);
    return true;
}

bool DesignDriver::clone(const EditStep &s)
{
    const int n = Surface().ObjectCount();
    if (n == 0)
        return false;
    const std::optional<QPoint> p = PointOn(*Surface().ObjectAt(s.a % n));
    if (!p)
        return false;
    m_popupChoice = QStringLiteral("Clone");
    Press(*p, Qt::RightButton);
    Release(*p);
    // The entry was there and chosen when the choice was taken.
    return std::exchange(m_popupChoice, QString()).isEmpty();
}

bool DesignDriver::Trigger(const char *actionName)
{
    auto *action = m_window.findChild<QAction *>(QString::fromLatin1(actionName));
    if (!action || !action->isEnabled())
        return false;
    action->trigger();
    return true;
}

bool DesignDriver::save()
{
    if (m_window.FileName.isEmpty()) {
        m_script.fileNames.enqueue(m_cardPath);
        return Trigger("mnuSaveAs");
    }
    return Trigger("mnuSave");
}

bool DesignDriver::reopen()
{
    save();
    m_script.fileNames.clear();
    m_script.fileNames.enqueue(m_window.FileName);
    return Trigger("Open1");
}

bool DesignDriver::zoom(bool in)
{
    const QString name = in ? QStringLiteral("Zoom in") : QStringLiteral("Zoom out");
    for (QToolButton *button : m_window.findChildren<QToolButton *>())
        if (button->accessibleName() == name) {
            button->click();
            return true;
        }
    return false;
}

} // namespace cw::test
