#pragma once
// How a refused copy asks the running copy to come to the front: the running
// copy listens on a local socket named after the title; a connection to it is
// the request.

#include <QObject>
#include <QString>

class QLocalServer;

namespace app {

class ActivationServer : public QObject
{
    Q_OBJECT
public:
    explicit ActivationServer(QObject *parent = nullptr);

    // Only the holder of the instance lock may listen: it removes whatever a
    // copy that died left at that name.
    bool listen(const QString &name);

signals:
    void activationRequested();

private:
    void acceptConnections();

    QLocalServer *m_server;
};

// Asks the copy listening at name to come to the front; false when none
// answered within timeoutMs.
bool requestActivation(const QString &name, int timeoutMs = 2000);

} // namespace app
