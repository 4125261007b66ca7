#pragma once
// The user's hands on the designer: gives one EditStep to a main window the
// way a user does — tool bar, mouse presses, moves and releases on the design
// surface or on the selection frame, keys, the object's popup menu, the Edit
// and File menus, the zoom buttons — with the dialogs answered through the
// scripted interaction.  Time is a virtual clock that the surface and the
// frame read, so a drag is a drag and a paste is never "too soon" unless the
// same key press arrives twice.

#include "support/EditStep.h"

#include <QPoint>
#include <QString>
#include <QStringList>
#include <optional>

class QWidget;

namespace cw::model {
class TGGraphicControl;
}

namespace cw::ui {
class TMainScreen;
class TGBusinessCardPanel32;
} // namespace cw::ui

namespace cw::test {

class ScriptedInteraction;

class DesignDriver
{
public:
    // `cardPath`: the file that Save As names and Reopen opens.
    // `pictures`: picture files the clip art tool may choose.
    DesignDriver(ui::TMainScreen &window, ScriptedInteraction &script, QString cardPath,
                 QStringList pictures);

    ui::TMainScreen &Window() const { return m_window; }
    ui::TGBusinessCardPanel32 &Surface() const;

    // Gives the step; false when it could not be given (no such object, no
    // selection, the menu entry disabled) and so did nothing.
    bool Apply(const EditStep &step);

    // Milliseconds on the virtual clock.
    qint64 Now() const { return m_now; }
    void Wait(qint64 ms) { m_now += ms; }

    // A point (surface pixels) inside the object where it is the top-most.
    std::optional<QPoint> PointOn(const model::TGGraphicControl &object) const;
    // Mouse and keys, surface pixels at the current zoom.  A press goes to
    // the frame when it lies over the point, else to the surface; the widget
    // pressed keeps the mouse until the release, as a real press does.
    void Press(QPoint p, Qt::MouseButton button = Qt::LeftButton, Qt::KeyboardModifiers mods = {});
    void MoveTo(QPoint p);
    void Release(QPoint p);
    void Hover(QPoint p);
    void Key(int key, Qt::KeyboardModifiers mods = {});
    // Triggers a menu action by its object name; false when it is disabled.
    bool Trigger(const char *actionName);

private:
    bool draw(const EditStep &s);
    bool select(const EditStep &s);
    bool band(const EditStep &s);
    bool move(const EditStep &s);
    bool resize(const EditStep &s);
    bool keys(const EditStep &s);
    bool clone(const EditStep &s);
    bool save();
    bool reopen();
    bool zoom(bool in);
    void queueDialog(int tool, int choice);
    void sendMouse(QWidget *target, int type, QPoint surfacePos, Qt::MouseButton button,
                   Qt::MouseButtons buttons, Qt::KeyboardModifiers mods);
    QWidget *widgetAt(QPoint surfacePos) const;
    QPoint scaled(int x, int y) const;

    ui::TMainScreen &m_window;
    ScriptedInteraction &m_script;
    QString m_cardPath;
    QStringList m_pictures;
    qint64 m_now = 100000;
    QWidget *m_grabber = nullptr;
    Qt::MouseButton m_button = Qt::NoButton;
    Qt::KeyboardModifiers m_mods;
    QString m_popupChoice;
};

} // namespace cw::test
