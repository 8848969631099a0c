#include "app/ActivationChannel.h"

#include <QLocalServer>
#include <QLocalSocket>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace app {

ActivationServer::ActivationServer(QObject *parent)
    : QObject(parent), m_server(new QLocalServer(this))
{
    // Other users must not be able to push our window around.
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    connect(m_server, &QLocalServer::newConnection, this, &ActivationServer::acceptConnections);
}

bool ActivationServer::listen(const QString &name)
{
    if (m_server->listen(name))
        return true;
    if (m_server->serverError() != QAbstractSocket::AddressInUseError)
        return false;
    QLocalServer::removeServer(name);
    return m_server->listen(name);
}

void ActivationServer::acceptConnections()
{
    while (QLocalSocket *socket = m_server->nextPendingConnection()) {
        socket->disconnectFromServer();
        socket->deleteLater();
        emit activationRequested();
    }
}

bool requestActivation(const QString &name, int timeoutMs)
{
#ifdef Q_OS_WIN
    // Windows lets only the foreground process hand the foreground on.
    ::AllowSetForegroundWindow(ASFW_ANY);
#endif
    QLocalSocket socket;
    socket.connectToServer(name, QIODevice::WriteOnly);
    if (!socket.waitForConnected(timeoutMs))
        return false;
    socket.disconnectFromServer();
    return true;
}

} // namespace app
