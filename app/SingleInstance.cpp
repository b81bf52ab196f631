#include "app/SingleInstance.h"

#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QRegularExpression>

#include <unistd.h>

namespace {
const QByteArray kRaise = QByteArrayLiteral("raise\n");
}

SingleInstance::SingleInstance(const QString &name, QObject *parent) : QObject(parent), m_name(name) {}

SingleInstance::~SingleInstance() = default;

QString SingleInstance::serverName()
{
    QString user = qEnvironmentVariable("USER");
    if (user.isEmpty())
        user = qEnvironmentVariable("LOGNAME");
    // The uid as well: two accounts with the same name in different
    // containers must not meet; odd characters never reach the socket path.
    const QString uid = QString::number(getuid());
    user = user.isEmpty() ? uid : user + QLatin1Char('-') + uid;
    static const QRegularExpression unsafe(QStringLiteral("[^A-Za-z0-9._-]"));
    user.replace(unsafe, QStringLiteral("_"));
    const QString name = QStringLiteral(TL_APP_ID) + QLatin1Char('.') + user;
    // The user's runtime folder when there is one (private to the user and
    // the same from every terminal); else Qt's temporary folder.
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && QFileInfo(runtime).isDir())
        return runtime + QLatin1Char('/') + name;
    return name;
}

bool SingleInstance::activateRunning(int timeoutMs)
{
    QLocalSocket socket;
    socket.connectToServer(m_name);
    if (!socket.waitForConnected(timeoutMs))
        return false;
    socket.write(kRaise);
    if (!socket.waitForBytesWritten(timeoutMs))
        return false;
    // The first instance answers once it has handled the request.
    socket.waitForReadyRead(timeoutMs);
    socket.disconnectFromServer();
    return true;
}

bool SingleInstance::listen()
{
    if (m_server)
        return m_server->isListening();
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!m_server->listen(m_name)) {
        // A socket file left behind by a process that ended without cleaning
        // up: nobody answered on it (activateRunning failed), so remove it.
        QLocalServer::removeServer(m_name);
        if (!m_server->listen(m_name))
            return false;
    }
    connect(m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket *socket = m_server->nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
                while (socket->canReadLine()) {
                    if (socket->readLine() != kRaise)
                        continue;
                    Q_EMIT raiseRequested();
                    socket->write("ok\n");
                    socket->flush();
                }
            });
        }
    });
    return true;
}

bool SingleInstance::isListening() const { return m_server && m_server->isListening(); }
