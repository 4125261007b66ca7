#pragma once
// One designer per user: the first instance listens on a local socket named
// after the program and the user; a second start connects, asks the first to
// bring its window to the front (and to open the card file it was given),
// and ends at once.  Connecting first and listening only when nobody answers
// leaves nothing stale after a crash (abstract-namespace sockets vanish with
// their process).

#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <QWidget>

#include <functional>

class QLocalServer;

namespace cw::ui {

class SingleInstance : public QObject
{
    Q_OBJECT

public:
    // `key` names the socket; the default is "cardwright-<user>".
    explicit SingleInstance(QString key = defaultKey(), QObject *parent = nullptr);
    ~SingleInstance() override;

    // True when another instance of this user answered and was asked to
    // raise its window (and to open `message`, when not empty): this
    // instance must end now.
    bool notifyRunningInstance(const QByteArray &message = QByteArray("raise"));
    // Starts listening; returns false when the socket cannot be created.
    // Connections from other users' processes are dropped unheard.
    bool listen();
    // True when the process at the other end of a connected local socket
    // runs as this process's user.
    static bool peerIsThisUser(qintptr descriptor);

    // The key of this user's desktop session: "cardwright-<user>", followed
    // by the display the designer shows on when there is one.  A user logged
    // in on two displays (a second seat, a remote X session) gets a designer
    // on each: a window on another display is no window the user can bring
    // to the front.
    static QString defaultKey();
    // The same from its parts: the user id and the values of WAYLAND_DISPLAY
    // and DISPLAY (the Wayland one decides when both are set; ":0" and
    // ":0.0" are one display).
    static QString keyFor(qulonglong user, const QString &waylandDisplay, const QString &x11Display);

    // The message a start sends: "raise", or "open" + newline + the path of
    // a card file to open.
    static QByteArray openMessage(const QString &path);
    // The card file named by a message, or empty.
    static QString fileOfMessage(const QByteArray &message);

    // The card file among the program's arguments (Qt's own options already
    // taken out): none, or one path - relative to `currentFolder` unless
    // absolute - or a local file:// URL as some file managers pass.  The
    // result is absolute.  False for anything else (an option, several
    // files, a remote URL): the start is a usage error.
    static bool cardFileArgument(const QStringList &arguments, const QString &currentFolder,
                                 QString *cardFile);

    // Serves `window`: every message raises it; an "open" message also hands
    // its file to `open`.  While a modal dialog or popup menu is up, or
    // `busy` says the window is in the middle of something, the files wait
    // (in the order they came) and are handed over once it is idle: opening
    // would replace the design under a dialog or a running command.
    void serve(QWidget *window, std::function<void(const QString &)> open, std::function<bool()> busy = {});
    // Files received and not handed over yet.
    const QStringList &pendingFiles() const { return m_pending; }

signals:
    // Another start asked this instance to come to the front.
    void activationRequested(const QByteArray &message);

private:
    void handOverPending();

    QString m_key;
    QLocalServer *m_server = nullptr;
    QPointer<QWidget> m_window;
    std::function<void(const QString &)> m_open;
    std::function<bool()> m_busy;
    QStringList m_pending;
    QTimer m_retry;
    bool m_handingOver = false;
};

// Restores a minimised window and brings it to the front, with the modal
// dialog the user has still to answer above it.
void raiseWindow(QWidget *window);

} // namespace cw::ui
