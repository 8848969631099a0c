// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/InstanceGuard.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>

namespace app {

QString lockNameBase(const QString &title)
{
    QString base = title;
    base.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return base;
}

QString startupLockName(const QString &title)
{
    return lockNameBase(title) + QStringLiteral(".OneInstance.CriticalSection");
}

QString instanceLockName(const QString &title)
{
    return lockNameBase(title) + QStringLiteral(".OneInstance.Default");
}

QString fileSafeName(const QString &name)
{
    QString safe = name;
    safe.replace(QLatin1Char('/'), QLatin1Char('_'));
    return safe;
}

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
    allowAnotherProcessToComeToFront();
    QLocalSocket socket;
    socket.connectToServer(name, QIODevice::WriteOnly);
    if (!socket.waitForConnected(timeoutMs))
        return false;
    socket.disconnectFromServer();
    return true;
}

InstanceGuard::InstanceGuard(const QString &title, const QString &directory)
    : m_title(title), m_directory(directory)
{
}

bool InstanceGuard::anotherCopyRuns()
{
    if (!m_answer)
        m_answer = runTest();
    return *m_answer;
}

bool InstanceGuard::ownsInstance() const
{
    return m_instanceLock && m_instanceLock->isTaken();
}

void InstanceGuard::release()
{
    m_instanceLock.reset();
}

bool InstanceGuard::runTest()
{
    NamedLock startupLock(startupLockName(m_title), m_directory);
    if (startupLock.tryTake() != NamedLock::Outcome::Taken)
        return true;

    m_instanceLock = std::make_unique<NamedLock>(instanceLockName(m_title), m_directory);
    const bool heldElsewhere = m_instanceLock->tryTake() == NamedLock::Outcome::HeldElsewhere;
    if (!m_instanceLock->isTaken())
        m_instanceLock.reset();

    startupLock.release();
    return heldElsewhere;
}

} // namespace app
