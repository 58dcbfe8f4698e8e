#include "SingleApp.h"

#include <QDebug>

namespace {
const QString kPrefix = QStringLiteral("vesk_path=");
}

QString singleAppServerName()
{
    return QStringLiteral("OrvexExtractTool{4C55DB70-4085-403B-98EA-F53DFCF20BAA}") +
           qEnvironmentVariable("ORVEX_INSTANCE_SUFFIX");
}

SingleAppServer::SingleAppServer(QObject *parent) : QObject(parent)
{
    connect(&m_server, &QLocalServer::newConnection, this, &SingleAppServer::serverNewConnectionHandler);
    QLocalServer::removeServer(singleAppServerName());
    // Only this user may connect: a folder path arrives through it.
    m_server.setSocketOptions(QLocalServer::UserAccessOption);
    if (!m_server.listen(singleAppServerName()))
        qDebug().noquote() << "Unable to start the local server: " + m_server.errorString();
}

QString SingleAppServer::pathFromMessage(const QString &message)
{
    if (!message.contains(kPrefix))
        return QString();
    return message.mid(kPrefix.size());
}

void SingleAppServer::serverNewConnectionHandler()
{
    while (QLocalSocket *socket = m_server.nextPendingConnection()) {
        connect(socket, &QLocalSocket::readyRead, this, &SingleAppServer::socketReadyReadHandler);
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    }
}

void SingleAppServer::socketReadyReadHandler()
{
    auto *socket = qobject_cast<QLocalSocket *>(sender());
    if (!socket)
        return;
    const QString text = QString::fromUtf8(socket->readAll());
    qDebug().noquote() << "Read Data From Client:" << text;
    const QString path = pathFromMessage(text);
    socket->write(QStringLiteral("done").toUtf8());
    socket->flush();
    emit sigShowWindowReq(path);
}

SingleAppClient::SingleAppClient(QObject *parent) : QObject(parent)
{
    connect(&m_socket, &QLocalSocket::connected, this, &SingleAppClient::socketConnectedHandler);
    connect(&m_socket, &QLocalSocket::disconnected, this, &SingleAppClient::socketDisConnectedHandler);
    connect(&m_socket, &QLocalSocket::errorOccurred, this, &SingleAppClient::socketErrorHandler);
}

QString SingleAppClient::sendPath(const QString &path, int timeoutMs)
{
    m_socket.connectToServer(singleAppServerName(), QIODevice::ReadWrite);
    if (!m_socket.waitForConnected(timeoutMs))
        return QString();
    m_socket.write((kPrefix + path).toUtf8());
    m_socket.flush();
    if (m_socket.bytesAvailable() <= 0)
        m_socket.waitForReadyRead(timeoutMs);
    const QString reply = QString::fromUtf8(m_socket.readAll());
    qDebug().noquote() << "Read Data From Server:" << reply;
    m_socket.disconnectFromServer();
    return reply;
}

void SingleAppClient::socketConnectedHandler()
{
    qDebug() << "SingleAppClient connected";
}

void SingleAppClient::socketDisConnectedHandler()
{
    qDebug() << "SingleAppClient disconnected";
}

void SingleAppClient::socketErrorHandler(QLocalSocket::LocalSocketError error)
{
    qDebug() << "SingleAppClient socket error" << error;
}
