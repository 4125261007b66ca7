#include "app/SingleInstance.h"

#include <QApplication>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QRegularExpression>
#include <QUrl>

#include <memory>

#include <sys/socket.h>
#include <unistd.h>

namespace cw::ui {

namespace {
// A message is a word and a path; anything longer is not from a start.
constexpr qsizetype MaxMessageSize = 64 * 1024;
// How often files waiting for a dialog or command to end are tried again.
constexpr int RetryMilliseconds = 200;
// Room for the display in a socket name (abstract names end at 107 bytes).
constexpr qsizetype MaxDisplayInKey = 64;
} // namespace

SingleInstance::SingleInstance(QString key, QObject *parent) : QObject(parent), m_key(std::move(key))
{
    m_retry.setSingleShot(true);
    m_retry.setInterval(RetryMilliseconds);
    connect(&m_retry, &QTimer::timeout, this, &SingleInstance::handOverPending);
}

SingleInstance::~SingleInstance() = default;

QString SingleInstance::defaultKey()
{
    return keyFor(static_cast<qulonglong>(::getuid()), qEnvironmentVariable("WAYLAND_DISPLAY"),
                  qEnvironmentVariable("DISPLAY"));
}

QString SingleInstance::keyFor(qulonglong user, const QString &waylandDisplay, const QString &x11Display)
{
    QString key = QStringLiteral("cardwright-%1").arg(user);
    QString display = waylandDisplay;
    if (display.isEmpty())
        display = QString(x11Display).remove(QRegularExpression(QStringLiteral("\\.[0-9]+$")));
    if (display.isEmpty())
        return key;
    // Socket names stay short and plain whatever the variable holds (a
    // Wayland display may be a path).
    display.replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9_.:-]")), QStringLiteral("_"));
    return key + QLatin1Char('-') + display.right(MaxDisplayInKey);
}

bool SingleInstance::notifyRunningInstance(const QByteArray &message)
{
    QLocalSocket socket;
    socket.setSocketOptions(QLocalSocket::AbstractNamespaceOption);
    socket.connectToServer(m_key);
    if (!socket.waitForConnected(500))
        return false;
    // A socket of that name held by another user is no designer of ours:
    // this start goes on alone rather than end unseen.
    if (!peerIsThisUser(socket.socketDescriptor()))
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
            // Abstract sockets have no file permissions: any user on the
            // machine may connect.  Only this user's own starts are heard.
            if (!peerIsThisUser(peer->socketDescriptor())) {
                peer->abort();
                peer->deleteLater();
                continue;
            }
            // The message is complete when the other start hangs up.
            auto buffer = std::make_shared<QByteArray>();
            connect(peer, &QLocalSocket::readyRead, this, [peer, buffer] {
                buffer->append(peer->readAll());
                if (buffer->size() > MaxMessageSize)
                    peer->abort();
            });
            connect(peer, &QLocalSocket::disconnected, this, [this, peer, buffer] {
                buffer->append(peer->readAll());
                peer->deleteLater();
                if (!buffer->isEmpty() && buffer->size() <= MaxMessageSize)
                    emit activationRequested(*buffer);
            });
        }
    });
    return true;
}

bool SingleInstance::peerIsThisUser(qintptr descriptor)
{
    ucred credentials{};
    socklen_t size = sizeof credentials;
    if (descriptor < 0 || ::getsockopt(int(descriptor), SOL_SOCKET, SO_PEERCRED, &credentials, &size) != 0 ||
        size != sizeof credentials)
        return false;
    return credentials.uid == ::getuid();
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

bool SingleInstance::cardFileArgument(const QStringList &arguments, const QString &currentFolder,
                                      QString *cardFile)
{
    cardFile->clear();
    if (arguments.isEmpty())
        return true;
    if (arguments.size() > 1)
        return false;
    QString path = arguments.first();
    if (path.isEmpty() || path.startsWith(QLatin1Char('-')))
        return false;
    if (path.startsWith(QLatin1String("file:"), Qt::CaseInsensitive)) {
        const QUrl url(path);
        if (!url.isValid() || !url.isLocalFile())
            return false;
        path = url.toLocalFile();
    } else if (path.contains(QLatin1String("://"))) {
        return false;
    }
    *cardFile = QDir::cleanPath(QDir(currentFolder).absoluteFilePath(path));
    return true;
}

void SingleInstance::serve(QWidget *window, std::function<void(const QString &)> open,
                           std::function<bool()> busy)
{
    m_window = window;
    m_open = std::move(open);
    m_busy = std::move(busy);
    connect(this, &SingleInstance::activationRequested, this, [this](const QByteArray &message) {
        raiseWindow(m_window);
        const QString path = fileOfMessage(message);
        if (!path.isEmpty())
            m_pending.append(path);
        handOverPending();
    });
}

void SingleInstance::handOverPending()
{
    // Opening a file runs event loops of its own (the save question, the
    // busy repaint), where the next message may arrive: that one waits for
    // the loop below.
    if (m_handingOver || !m_open)
        return;
    m_handingOver = true;
    struct Done
    {
        bool &flag;
        ~Done() { flag = false; }
    } done{m_handingOver};
    while (!m_pending.isEmpty()) {
        const bool idle =
            !QApplication::activeModalWidget() && !QApplication::activePopupWidget() && !(m_busy && m_busy());
        if (!idle) {
            m_retry.start();
            break;
        }
        m_open(m_pending.takeFirst());
    }
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
    // A dialog waiting for an answer stays above the window it belongs to
    // (without a window manager nothing else keeps it there).
    if (QWidget *modal = QApplication::activeModalWidget(); modal && modal != window) {
        modal->raise();
        modal->activateWindow();
    }
}

} // namespace cw::ui
