#pragma once
// One designer per user: the first instance listens on a local socket named
// after the program and the user; a second start connects, asks the first to
// bring its window to the front, and ends at once.  Connecting first and
// listening only when nobody answers leaves nothing stale after a crash
// (abstract-namespace sockets vanish with their process).

#include <QObject>
#include <QString>

class QLocalServer;

namespace cw::ui {

class SingleInstance : public QObject
{
    Q_OBJECT

public:
    // `key` names the socket; the default is "cardwright-<user>".
    explicit SingleInstance(QString key = defaultKey(), QObject *parent = nullptr);
    ~SingleInstance() override;

    // True when another instance answered and was asked to raise its window
    // (and to open `message`, when not empty): this instance must end now.
    bool notifyRunningInstance(const QByteArray &message = QByteArray("raise"));
    // Starts listening; returns false when the socket cannot be created.
    bool listen();

    static QString defaultKey();

    // The message a start sends: "raise", or "open" + newline + the path of
    // a card file to open.
    static QByteArray openMessage(const QString &path);
    // The card file named by a message, or empty.
    static QString fileOfMessage(const QByteArray &message);

signals:
    // Another start asked this instance to come to the front.
    void activationRequested(const QByteArray &message);

private:
    QString m_key;
    QLocalServer *m_server = nullptr;
};

// Restores a minimised window and brings it to the front.
void raiseWindow(class QWidget *window);

} // namespace cw::ui
