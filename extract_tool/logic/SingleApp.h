// The exchange between a later start of the program and the running one:
// the client sends "vesk_path=<folder>" over a local socket, the server
// answers "done" and emits the folder (empty when none was given).
#pragma once

#include <QLocalServer>
#include <QLocalSocket>
#include <QObject>
#include <QString>

QString singleAppServerName();

class SingleAppServer : public QObject {
    Q_OBJECT
public:
    explicit SingleAppServer(QObject *parent = nullptr);
    bool isListening() const { return m_server.isListening(); }

    static QString pathFromMessage(const QString &message);

signals:
    void sigShowWindowReq(QString path);

private slots:
    void serverNewConnectionHandler();
    void socketReadyReadHandler();

private:
    QLocalServer m_server;
};

class SingleAppClient : public QObject {
    Q_OBJECT
public:
    explicit SingleAppClient(QObject *parent = nullptr);
    // Blocks up to 30 s each for the connection and the reply; returns the
    // reply ("" when the server could not be reached).
    QString sendPath(const QString &path, int timeoutMs = 30000);

private slots:
    void socketConnectedHandler();
    void socketDisConnectedHandler();
    void socketErrorHandler(QLocalSocket::LocalSocketError error);

private:
    QLocalSocket m_socket;
};
