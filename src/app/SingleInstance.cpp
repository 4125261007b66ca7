#include "app/SingleInstance.h"

#include <QLocalServer>
#include <QLocalSocket>
#include <QWidget>

#include <memory>

#include <unistd.h>

namespace cw::ui {

SingleInstance::SingleInstance(QString key, QObject *parent) : QObject(parent), m_key(std::move(key)) {}

SingleInstance::~SingleInstance() = default;

QString SingleInstance::defaultKey()
{
    return QStringLiteral("cardwright-%1").arg(static_cast<qulonglong>(::getuid()));
}

bool SingleInstance::notifyRunningInstance(const QByteArray &message)
{
    QLocalSocket socket;
    socket.setSocketOptions(QLocalSocket::AbstractNamespaceOption);
    socket.connectToServer(m_key);
    if (!socket.waitForConnected(500))
        return false;
    socket.write(message.isEmpty() ? QByteArray("raise") : message);
    socket.flush();
    socket.waitForBytesWritten(500);
    socket.disconnectFromServer();
    return true;
}

bool SingleInstance::listen()
{
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::AbstractNamespaceOption);
    if (!m_server->listen(m_key))
        return false;
    connect(m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket *peer = m_server->nextPendingConnection()) {
            // The message is complete when the other start hangs up.
            auto buffer = std::make_shared<QByteArray>();
            connect(peer, &QLocalSocket::readyRead, this, [peer, buffer] {
                buffer->append(peer->readAll());
                if (buffer->size() > 64 * 1024)
                    peer->abort();
            });
            connect(peer, &QLocalSocket::disconnected, this, [this, peer, buffer] {
                buffer->append(peer->readAll());
                peer->deleteLater();
                if (!buffer->isEmpty() && buffer->size() <= 64 * 1024)
                    emit activationRequested(*buffer);
            });
        }
    });
    return true;
}

QByteArray SingleInstance::openMessage(const QString &path)
{
    if (path.isEmpty())
        return QByteArrayLiteral("raise");
    return QByteArrayLiteral("open\n") + path.toUtf8();
}

QString SingleInstance::fileOfMessage(const QByteArray &message)
{
    if (!message.startsWith("open\n"))
        return QString();
    return QString::fromUtf8(message.mid(5));
}

void raiseWindow(QWidget *window)
{
    if (!window)
        return;
    if (window->isMinimized())
        window->showNormal();
    window->show();
    window->raise();
    window->activateWindow();
}

} // namespace cw::ui
